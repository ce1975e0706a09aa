// Choosing shapes, load cases, column cases and materials with real presses.
#include "gui_support.h"

#include "app/entry.h"
#include "app/selection_tables.h"
#include "app/table_text.h"
#include "material/material.h"

#include <QLabel>
#include <QRadioButton>
#include <QtTest>
#include <memory>

using namespace guitest;

using zolk::TableText;

class ChoosingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TKalvero> form;
    TKalvero& Form() { return *form; }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(Form(), name); }
    void PressNamed(const QString& name, Qt::MouseButton button = Qt::LeftButton) {
        Press(Form().findChild<QWidget*>(name), button);
    }

    void CheckSectionGroup(std::uint8_t code) {
        for (const auto& row : zolk::kPictureButtons)
            if (row.group == zolk::ButtonGroup::Section)
                QVERIFY2(ShowsDown(Form(), row.button.data()) == (row.code == code),
                         row.button.data());
        const auto& shape = zolk::kSectionShapes[code];
        for (std::size_t g = 0; g < 4; ++g)
            for (std::string_view name : zolk::kDimensionGroups[g])
                if (!name.empty())
                    QVERIFY2(ShownOnPage(Form(), TableText(name)) == shape.groupShown[g],
                             name.data());
        QCOMPARE(ShownOnPage(Form(), "Approx1"), shape.notesShown);
        QCOMPARE(ShownOnPage(Form(), "Approx2"), shape.notesShown);
        if (shape.notesShown) {
            QCOMPARE(Text(Form(), "Approx1"), TableText(shape.approx1));
            QCOMPARE(Text(Form(), "Approx2"), TableText(shape.approx2));
        }
    }

  private slots:
    void initTestCase() {
        zolk::ApplyLook();
        InstallMessageRecorder();
    }
    void init() {
        form = ShowNewForm();
        QVERIFY(form);
    }
    void cleanup() { form.reset(); }

    void everyShape_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("button");
        for (const auto& shape : zolk::kSectionShapes) {
            QTest::addRow("%s", shape.button.data()) << int(shape.code) << int(Qt::LeftButton);
            QTest::addRow("%s right", shape.button.data())
                << int(shape.code) << int(Qt::RightButton);
        }
    }
    void everyShape() {
        QFETCH(int, code);
        QFETCH(int, button);
        PressNamed("GeometryTab");
        PressNamed("Oval");
        PressNamed(TableText(zolk::kSectionShapes[code].button), Qt::MouseButton(button));
        QCOMPARE(Form().SectionCode, code);
        CheckSectionGroup(code);
        QCOMPARE(Labels(Form(), kGeometryLabels), FreshGeometry(Form()));
        // Again: stays pressed, same state, evaluated again.
        PressNamed(TableText(zolk::kSectionShapes[code].button));
        CheckSectionGroup(code);
        QVERIFY(Messages().isEmpty());
    }

    void shapeValuesOfTheDefaults_data() {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("Rect") << "Rect"
                              << QStringList{"1.000E+02", "8.333E+02", "1.667E+02", "1.410E+03",
                                             "2.080E+02"};
        QTest::newRow("Circle") << "Circle"
                                << QStringList{"3.142E+02", "7.854E+03", "7.854E+02", "1.571E+04",
                                               "1.571E+03"};
        QTest::newRow("Rectpipe, Bredt's modulus")
            << "Rectpipe"
            << QStringList{"3.600E+01", "4.920E+02", "9.840E+01", "7.290E+02", "1.620E+02"};
        QTest::newRow("Oval") << "Oval"
                              << QStringList{"2.827E+01", "2.898E+02", "5.796E+01", "5.796E+02",
                                             "1.159E+02"};
        QTest::newRow("t2profile")
            << "t2profile"
            << QStringList{"1.900E+01", "8.408E+01", "1.682E+01", "7.093E+00", "7.093E+00"};
    }
    void shapeValuesOfTheDefaults() {
        QFETCH(QString, shape);
        QFETCH(QStringList, labels);
        PressNamed("GeometryTab");
        PressNamed(shape);
        QCOMPARE(Labels(Form(), kGeometryLabels), labels);
    }

    void notesFollowTheShape() {
        PressNamed("GeometryTab");
        PressNamed("Circle");
        QVERIFY(!ShownOnPage(Form(), "Approx1"));
        PressNamed("Trapez");
        QCOMPARE(Text(Form(), "Approx1"), QString("Not available!"));
        QCOMPARE(Text(Form(), "Approx2"), QString(" "));
        QCOMPARE(Edit("s")->x(), 176);
        PressNamed("Poly6");
        QCOMPARE(Text(Form(), "Approx1"), QString("Approximation!"));
        QCOMPARE(Text(Form(), "Approx2"), QString(" "));
        QCOMPARE(Edit("s")->x(), 56);
        QCOMPARE(Find(Form(), "sLabel")->x(), 16);
        PressNamed("Circle");
        QCOMPARE(Edit("r2")->pos(), QPoint(56, 520));
        // A move is never undone.
        PressNamed("Rect");
        QCOMPARE(Edit("s")->x(), 56);
        QCOMPARE(Edit("r1")->x(), 56);
    }

    void ovalThenCircle() {
        PressNamed("GeometryTab");
        PressNamed("Oval");
        PressNamed("Circle");
        QVERIFY(ShowsDown(Form(), "Circle"));
        QVERIFY(!ShowsDown(Form(), "Oval"));
        QVERIFY(!ShowsDown(Form(), "Triangle"));
        PressNamed("Circle");
        QVERIFY(ShowsDown(Form(), "Circle"));
    }

    void thicknessLimitMarksAndClears() {
        PressNamed("GeometryTab");
        PressNamed("Cross");
        Retype(Edit("t1"), "10"); // t1 = h
        QCOMPARE(Background(Edit("t1")), kInvalid);
        QCOMPARE(Background(Edit("t2")), kValid);
        QCOMPARE(Text(Form(), "Geom_Area"), QString("0.000E+00"));
        PressNamed("Rect");
        QCOMPARE(Background(Edit("t1")), kValid);
        QCOMPARE(Text(Form(), "Geom_Area"), QString("1.000E+02"));
    }

    void loadCases_data() {
        QTest::addColumn<int>("loadCase");
        for (const auto& row : zolk::kLoadCases)
            QTest::addRow("%s", row.button.data()) << int(row.code);
    }
    void loadCases() {
        QFETCH(int, loadCase);
        const auto& row = zolk::kLoadCases[loadCase];
        PressNamed("BendingTab");
        PressNamed(TableText(row.button), Qt::RightButton);
        QCOMPARE(Form().LoadCase, loadCase);
        for (const auto& other : zolk::kLoadCases)
            QCOMPARE(ShowsDown(Form(), other.button.data()), other.code == loadCase);
        const bool shown[] = {row.force, row.position, row.lineLoad, row.positionResult};
        for (std::size_t i = 0; i < zolk::kLoadCaseControls.size(); ++i)
            QVERIFY2(ShownOnPage(Form(), TableText(zolk::kLoadCaseControls[i])) == shown[i / 2],
                     zolk::kLoadCaseControls[i].data());
        if (row.lineLoad)
            QCOMPARE(Edit("Bending_q")->y(), 192);
        QCOMPARE(Labels(Form(), kBendingLabels), FreshBending(Form()));
    }

    void pinnedBeamFromTheCantilever() {
        PressNamed("GeometryTab");
        PressNamed("Rect");
        PressNamed("BendingTab");
        PressNamed("BeampConc");
        QVERIFY(!ShowsDown(Form(), "CantiConc"));
        QCOMPARE(Labels(Form(), kBendingLabels),
                 QStringList({"2.500E+03", "1.500E+01", "1.190E-02", "50.0"}));
        Retype(Edit("Bending_s"), "25");
        QCOMPARE(Labels(Form(), kBendingLabels),
                 QStringList({"1.875E+03", "1.125E+01", "8.319E-03", "44.1"}));
        Retype(Edit("Bending_s"), "150"); // out of range: nothing computed
        QCOMPARE(Background(Edit("Bending_s")), kInvalid);
        QCOMPARE(Labels(Form(), kBendingLabels),
                 QStringList({"0.000E+00", "0.000E+00", "0.000E+00", "0.0"}));
        PressNamed("CantiLine"); // s does not matter here
        QCOMPARE(Labels(Form(), kBendingLabels),
                 QStringList({"5.000E+04", "3.000E+02", "7.143E-01", "0.0"}));
    }

    void bucklingCases_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("bucklingCase");
        QTest::addColumn<QString>("load");
        QTest::addRow("BuckFree") << "BuckFree" << 0 << "4.318E+04";
        QTest::addRow("BuckPin1") << "BuckPin1" << 1 << "3.525E+05";
        QTest::addRow("BuckPin2") << "BuckPin2" << 2 << "1.727E+05";
        QTest::addRow("BuckSlide") << "BuckSlide" << 3 << "6.909E+05";
    }
    void bucklingCases() {
        QFETCH(QString, button);
        QFETCH(int, bucklingCase);
        QFETCH(QString, load);
        PressNamed("GeometryTab");
        PressNamed("Rect");
        PressNamed("BucklingTab");
        PressNamed("BuckPin2");
        PressNamed(button, Qt::MiddleButton);
        QCOMPARE(Form().BucklingCase, bucklingCase);
        for (const char* other : {"BuckFree", "BuckPin1", "BuckPin2", "BuckSlide"})
            QCOMPARE(ShowsDown(Form(), other), button == other);
        QCOMPARE(Text(Form(), "Buck_Load"), load);
    }

    void materials_data() {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<double>("modulus");
        for (const auto& m : zolk::kMaterials)
            if (m.code != zolk::kCustomMaterial)
                QTest::addRow("%s", m.radioButton.data()) << TableText(m.radioButton) << m.modulus;
    }
    void materials() {
        QFETCH(QString, radio);
        QFETCH(double, modulus);
        Retype(Edit("Mat_Youngs"), "abc");
        PressNamed(radio, Qt::RightButton);
        QCOMPARE(Form().YoungsModulus, modulus);
        QVERIFY(Form().findChild<QRadioButton*>(radio)->isChecked());
        // A fixed material leaves the custom field alone.
        QCOMPARE(Edit("Mat_Youngs")->text(), QString("abc"));
        QCOMPARE(Background(Edit("Mat_Youngs")), kInvalid);
    }

    void customModulus_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("modulus");
        QTest::addRow("number") << "70000" << 70000.0;
        QTest::addRow("letters") << "abc" << 0.0;
        QTest::addRow("zero") << "0" << 0.0;
        QTest::addRow("negative") << "-5" << 0.0;
        QTest::addRow("the floor") << "1e-10" << 1e-10;
        QTest::addRow("below the floor") << "9e-11" << 0.0;
    }
    void customModulus() {
        QFETCH(QString, text);
        QFETCH(double, modulus);
        Retype(Edit("Mat_Youngs"), text);
        QCOMPARE(Form().YoungsModulus, modulus);
        QVERIFY(Find<QRadioButton>(Form(), "RCustom")->isChecked());
        QCOMPARE(Background(Edit("Mat_Youngs")), modulus > 0 ? kValid : kInvalid);
    }

    void pressInCustomFieldSelectsIt() {
        Edit("Mat_Youngs")->setText("70000"); // programmatic: still a change of its text
        PressNamed("RSteel");
        QCOMPARE(Form().YoungsModulus, 210000.0);
        QTest::mousePress(Edit("Mat_Youngs"), Qt::RightButton, {}, QPoint(4, 4));
        QCOMPARE(Form().YoungsModulus, 70000.0);
        QVERIFY(Find<QRadioButton>(Form(), "RCustom")->isChecked());
    }

    void keyboardCheckedRadioSelectsItsMaterial() {
        auto* steel = Find<QRadioButton>(Form(), "RSteel");
        steel->setFocus();
        QTest::keyClick(steel, Qt::Key_Down);
        QRadioButton* checked = nullptr;
        for (auto* radio : Find(Form(), "GroupBox7")->findChildren<QRadioButton*>())
            if (radio->isChecked())
                checked = radio;
        QVERIFY(checked && checked != steel);
        for (const auto& m : zolk::kMaterials)
            if (TableText(m.radioButton) == checked->objectName() &&
                m.code != zolk::kCustomMaterial)
                QCOMPARE(Form().YoungsModulus, m.modulus);
    }

    void materialReachesResultsOnlyWhenShown() {
        PressNamed("BendingTab");
        const QStringList before = Labels(Form(), kBendingLabels);
        PressNamed("MaterialTab");
        PressNamed("RAluminum");
        QCOMPARE(Labels(Form(), kBendingLabels), before);
        PressNamed("BendingTab");
        QVERIFY(Labels(Form(), kBendingLabels) != before);
        QCOMPARE(Labels(Form(), kBendingLabels), FreshBending(Form()));
    }

    void faultWhileTypingShowsZerosAndKeepsText() {
        PressNamed("GeometryTab");
        PressNamed("Rect");
        Retype(Edit("h"), "1e200");
        QCOMPARE(Messages(), QStringList{"Floating point overflow"});
        QCOMPARE(Edit("h")->text(), QString("1e200"));
        QCOMPARE(Labels(Form(), kGeometryLabels), QStringList(5, "0.000E+00"));
        QCOMPARE(Form().SectionInertia, 0.0);
        Messages().clear();
        QTest::keyClick(Edit("h"), Qt::Key_Backspace); // 1e20 computes again
        QVERIFY(Messages().isEmpty());
        QCOMPARE(Text(Form(), "Geom_Area"), QString("1.000E+21"));
    }

    void faultInBuckling() {
        Retype(Edit("Mat_Youngs"), "1e308");
        Messages().clear();
        PressNamed("BucklingTab");
        QCOMPARE(Messages(), QStringList{"Floating point overflow"});
        QCOMPARE(Labels(Form(), kBucklingLabels), QStringList(2, "0.000E+00"));
        QCOMPARE(Form().CriticalLoad, 0.0);
    }
};

QTEST_MAIN(ChoosingTest)
#include "choosing_test.moc"
