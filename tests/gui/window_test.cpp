// The window: start-up state, page tabs, the Geometry page's fields, dragging, the exit image.
#include "gui_support.h"

#include "app/entry.h"
#include "app/panel.h"
#include "app/picture_box.h"
#include "app/selection_tables.h"

#include <QLabel>
#include <QRadioButton>
#include <QtTest>
#include <memory>

using namespace guitest;

namespace {

void SendMove(QWidget* widget, QPoint pos, Qt::MouseButtons buttons) {
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), widget->mapToGlobal(QPointF(pos)),
                     Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

struct ControlRow {
    const char* name;
    const char* className;
    const char* parent;
};

// Every control of the form, with the class that stands for it and its parent.
const ControlRow kControls[] = {
    {"ZOLK", "PictureBox", "Kalvero"},
    {"EXIT", "PictureBox", "Kalvero"},
    {"MaterialF", "Panel", "Kalvero"},
    {"GroupBox7", "GroupBox", "MaterialF"},
    {"Label1", "QLabel", "GroupBox7"},
    {"Label2", "QLabel", "GroupBox7"},
    {"Label4", "QLabel", "GroupBox7"},
    {"Label6", "QLabel", "GroupBox7"},
    {"Label8", "QLabel", "GroupBox7"},
    {"Label9", "QLabel", "GroupBox7"},
    {"Label10", "QLabel", "GroupBox7"},
    {"Label11", "QLabel", "GroupBox7"},
    {"Label17", "QLabel", "GroupBox7"},
    {"Label19", "QLabel", "GroupBox7"},
    {"Label21", "QLabel", "GroupBox7"},
    {"Mat_Youngs", "QLineEdit", "GroupBox7"},
    {"RAluminum", "QRadioButton", "GroupBox7"},
    {"RBrass", "QRadioButton", "GroupBox7"},
    {"RBronze", "QRadioButton", "GroupBox7"},
    {"RCopper", "QRadioButton", "GroupBox7"},
    {"RQuarz", "QRadioButton", "GroupBox7"},
    {"RMagnesium", "QRadioButton", "GroupBox7"},
    {"RNickel", "QRadioButton", "GroupBox7"},
    {"RSteel", "QRadioButton", "GroupBox7"},
    {"RTitanium", "QRadioButton", "GroupBox7"},
    {"RZinc", "QRadioButton", "GroupBox7"},
    {"RCustom", "QRadioButton", "GroupBox7"},
    {"MaterialTab", "Panel", "Kalvero"},
    {"GeometryTab", "Panel", "Kalvero"},
    {"BendingTab", "Panel", "Kalvero"},
    {"BucklingTab", "Panel", "Kalvero"},
    {"DisclaimerTab", "Panel", "Kalvero"},
    {"GeometryF", "Panel", "Kalvero"},
    {"GroupBox8", "GroupBox", "GeometryF"},
    {"Rect", "PictureBox", "GroupBox8"},
    {"Rectpipe", "PictureBox", "GroupBox8"},
    {"Tprofile", "PictureBox", "GroupBox8"},
    {"Lprofile", "PictureBox", "GroupBox8"},
    {"t2profile", "PictureBox", "GroupBox8"},
    {"Cross", "PictureBox", "GroupBox8"},
    {"Triangle", "PictureBox", "GroupBox8"},
    {"Trapez", "PictureBox", "GroupBox8"},
    {"GroupBox9", "GroupBox", "GeometryF"},
    {"BendingF", "Panel", "Kalvero"},
    {"BucklingF", "Panel", "Kalvero"},
    {"DisclaimerF", "Panel", "Kalvero"},
    {"GroupBox14", "GroupBox", "DisclaimerF"},
    {"Label74", "QLabel", "GroupBox14"},
    {"Label75", "QLabel", "GroupBox14"},
    {"Label77", "QLabel", "DisclaimerF"},
    {"Poly8", "PictureBox", "GroupBox8"},
    {"DoubleT", "PictureBox", "GroupBox8"},
    {"Hprofile", "PictureBox", "GroupBox8"},
    {"Oval", "PictureBox", "GroupBox8"},
    {"Poly6", "PictureBox", "GroupBox8"},
    {"Uprofile", "PictureBox", "GroupBox8"},
    {"Cprofile", "PictureBox", "GroupBox8"},
    {"Circle", "PictureBox", "GroupBox8"},
    {"Label14", "QLabel", "GroupBox8"},
    {"Label13", "QLabel", "GroupBox8"},
    {"Label12", "QLabel", "GroupBox8"},
    {"Label15", "QLabel", "GroupBox8"},
    {"Label25", "QLabel", "GroupBox8"},
    {"Geom_PolarMod", "QLabel", "GroupBox8"},
    {"Geom_PolarIn", "QLabel", "GroupBox8"},
    {"Geom_Modulus", "QLabel", "GroupBox8"},
    {"Geom_Inertia", "QLabel", "GroupBox8"},
    {"Geom_Area", "QLabel", "GroupBox8"},
    {"Approx1", "QLabel", "GroupBox8"},
    {"Approx2", "QLabel", "GroupBox8"},
    {"Label3", "QLabel", "GroupBox9"},
    {"Len", "QLineEdit", "GroupBox9"},
    {"s", "QLineEdit", "GroupBox8"},
    {"sLabel", "QLabel", "GroupBox8"},
    {"r1", "QLineEdit", "GroupBox8"},
    {"r2", "QLineEdit", "GroupBox8"},
    {"r2Label", "QLabel", "GroupBox8"},
    {"r1Label", "QLabel", "GroupBox8"},
    {"t1", "QLineEdit", "GroupBox8"},
    {"t2", "QLineEdit", "GroupBox8"},
    {"t2Label", "QLabel", "GroupBox8"},
    {"t1Label", "QLabel", "GroupBox8"},
    {"w", "QLineEdit", "GroupBox8"},
    {"h", "QLineEdit", "GroupBox8"},
    {"hLabel", "QLabel", "GroupBox8"},
    {"wLabel", "QLabel", "GroupBox8"},
    {"GB_Canti_BC", "GroupBox", "BendingF"},
    {"CantiConc", "PictureBox", "GB_Canti_BC"},
    {"CantiLine", "PictureBox", "GB_Canti_BC"},
    {"FLabel", "QLabel", "GB_Canti_BC"},
    {"qLabel", "QLabel", "GB_Canti_BC"},
    {"BeampConc", "PictureBox", "GB_Canti_BC"},
    {"BeamConc", "PictureBox", "GB_Canti_BC"},
    {"BeampLine", "PictureBox", "GB_Canti_BC"},
    {"BeamLine", "PictureBox", "GB_Canti_BC"},
    {"PosLabel", "QLabel", "GB_Canti_BC"},
    {"Bending_F", "QLineEdit", "GB_Canti_BC"},
    {"Bending_q", "QLineEdit", "GB_Canti_BC"},
    {"Bending_s", "QLineEdit", "GB_Canti_BC"},
    {"GroupBox3", "GroupBox", "BendingF"},
    {"Label16", "QLabel", "GroupBox3"},
    {"Bending_M", "QLabel", "GroupBox3"},
    {"Label18", "QLabel", "GroupBox3"},
    {"Bending_delta", "QLabel", "GroupBox3"},
    {"Label20", "QLabel", "GroupBox3"},
    {"Bending_sig", "QLabel", "GroupBox3"},
    {"Pos2Label", "QLabel", "GroupBox3"},
    {"Bending_xm", "QLabel", "GroupBox3"},
    {"GroupBox5", "GroupBox", "BucklingF"},
    {"BuckFree", "PictureBox", "GroupBox5"},
    {"BuckPin2", "PictureBox", "GroupBox5"},
    {"BuckPin1", "PictureBox", "GroupBox5"},
    {"BuckSlide", "PictureBox", "GroupBox5"},
    {"GroupBox6", "GroupBox", "BucklingF"},
    {"Buck_Load", "QLabel", "GroupBox6"},
    {"Label23", "QLabel", "GroupBox6"},
    {"Label5", "QLabel", "GroupBox6"},
    {"Buck_Stress", "QLabel", "GroupBox6"},
    {"Label7", "QLabel", "GroupBox6"},
    {"Label39", "QLabel", "GroupBox14"},
};

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TKalvero> form;

    TKalvero& Form() { return *form; }
    void CheckOnlyPage(int page) {
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(Find(Form(), kPages[i])->isVisible(), i == page);
            QCOMPARE(Background(Find(Form(), kTabs[i])),
                     i == page ? QColor(128, 128, 128) : QColor(192, 192, 192));
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
    void cleanup() {
        form.reset();
        QVERIFY2(Messages().isEmpty(), qPrintable(Messages().join('\n')));
    }

    void startUpState() {
        CheckOnlyPage(0);
        QCOMPARE(Form().YoungsModulus, 210000.0);
        QCOMPARE(Form().ElementLength, 100.0);
        QCOMPARE(Form().SectionCode, 2);
        QCOMPARE(Form().LoadCase, 4);
        QCOMPARE(Form().BucklingCase, 0);
        QCOMPARE(Form().Dragging, 0);
        for (const auto& row : zolk::kPictureButtons) {
            const QByteArray name(row.button.data(), row.button.size());
            const bool down = name == "Triangle" || name == "CantiConc" || name == "BuckFree";
            QVERIFY2(ShowsDown(Form(), name) == down, name);
            QVERIFY2(ShownPicture(Form(), name) >= 0, name);
        }
        // The triangle of the design texts, and buckling case 0 with E and L.
        const QStringList geometry{Text(Form(), "Geom_Area"), Text(Form(), "Geom_Inertia"),
                                   Text(Form(), "Geom_Modulus"), Text(Form(), "Geom_PolarIn"),
                                   Text(Form(), "Geom_PolarMod")};
        QCOMPARE(geometry,
                 QStringList({"5.000E+01", "2.778E+02", "4.167E+01", "2.165E+02", "5.000E+01"}));
        QCOMPARE(Text(Form(), "Buck_Load"), QString("1.439E+04"));
        QCOMPARE(Text(Form(), "Buck_Stress"), QString("2.879E+02"));
        for (const char* label : {"Bending_M", "Bending_sig", "Bending_delta", "Bending_xm"})
            QCOMPARE(Text(Form(), label), QString("0.00"));
        QCOMPARE(Form().MaxMoment, 0.0);
        QVERIFY(Find<QRadioButton>(Form(), "RSteel")->isChecked());
        QVERIFY(Find(Form(), "Approx1")->isVisibleTo(Find(Form(), "GroupBox8")));
        QCOMPARE(Text(Form(), "Approx2"), QString("Equilateral tri, h discarded"));
        QVERIFY(!Find(Form(), "t1")->isVisibleTo(Find(Form(), "GroupBox8")));
        QVERIFY(!Find(Form(), "Bending_s")->isVisibleTo(Find(Form(), "GB_Canti_BC")));
    }

    void everyControlWithItsClassAndParent() {
        QStringList wrong;
        for (const ControlRow& row : kControls) {
            QWidget* control = Find(Form(), row.name);
            if (!control) {
                wrong << QString("%1 missing").arg(row.name);
                continue;
            }
            const QString parent = control->parentWidget()->objectName();
            if (!control->inherits(row.className) || parent != row.parent)
                wrong << QString("%1 is a %2 in %3")
                             .arg(row.name, control->metaObject()->className(), parent);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
        QCOMPARE(Form().objectName(), QString("Kalvero"));
    }

    void keyboardTabOrder() {
        // The edits of each group in the order the focus chain visits them.
        const auto chain = [&](const char* group) {
            QStringList order;
            QWidget* start = Find(Form(), group);
            for (QWidget* w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain())
                if (start->isAncestorOf(w) && qobject_cast<QLineEdit*>(w) &&
                    !order.contains(w->objectName()))
                    order << w->objectName();
            return order;
        };
        QCOMPARE(chain("GroupBox8"), QStringList({"s", "r1", "r2", "t1", "t2", "w", "h"}));
        QCOMPARE(chain("GB_Canti_BC"), QStringList({"Bending_F", "Bending_q", "Bending_s"}));
        // Only Steel of the radio buttons is a tab stop.
        for (auto* radio : Find(Form(), "GroupBox7")->findChildren<QRadioButton*>())
            QCOMPARE(bool(radio->focusPolicy() & Qt::TabFocus), radio->objectName() == "RSteel");
    }

    void windowFrame() {
        QVERIFY(Form().windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(Form().size(), QSize(1600, 1200));
        QCOMPARE(Form().mask().boundingRect(), QRect(232, 125, 530, 845));
        QVERIFY(!Form().mask().contains(QPoint(232, 125))); // a cut corner
        QVERIFY(Form().mask().contains(QPoint(240, 500)));
        QCOMPARE(Find(Form(), "MaterialF")->geometry(), QRect(248, 174, 498, 780));
        QCOMPARE(Find(Form(), "DisclaimerTab")->geometry(), QRect(548, 159, 73, 16));
        QCOMPARE(Find(Form(), "ZOLK")->pos(), QPoint(246, 129));
        QCOMPARE(Find(Form(), "EXIT")->pos(), QPoint(727, 135));
        QCOMPARE(Background(&Form()), QColor(Qt::black));
        QCOMPARE(Background(Find(Form(), "BendingF")), QColor(107, 107, 107));
    }

    void tabsShowTheirPage_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("button");
        for (int page = 0; page < 5; ++page) {
            QTest::addRow("%s left", kTabs[page]) << page << int(Qt::LeftButton);
            QTest::addRow("%s right", kTabs[page]) << page << int(Qt::RightButton);
        }
    }
    void tabsShowTheirPage() {
        QFETCH(int, page);
        QFETCH(int, button);
        Press(Find(Form(), kTabs[(page + 2) % 5]));
        Press(Find(Form(), kTabs[page]), Qt::MouseButton(button));
        CheckOnlyPage(page);
        Press(Find(Form(), kTabs[page]));
        CheckOnlyPage(page);
    }

    void showPageOutOfRangeChangesNothing() {
        Form().ShowPage(-1);
        Form().ShowPage(5);
        CheckOnlyPage(0);
    }

    void firstShowingOfBendingEvaluatesIt() {
        Press(Find(Form(), "BendingTab"));
        // Cantilever, F = 100 at the end of the triangle: M = F L, sigma = M / W.
        QCOMPARE(Text(Form(), "Bending_M"), QString("1.000E+04"));
        QCOMPARE(Text(Form(), "Bending_sig"), QString("2.400E+02"));
        QCOMPARE(Text(Form(), "Bending_xm"), QString("0.0"));
        QCOMPARE(Form().MaxMoment, 10000.0);
    }

    void pagesWithoutEvaluationLeaveLabels() {
        Press(Find(Form(), "GeometryTab"));
        Retype(Find<QLineEdit>(Form(), "Len"), "200");
        Press(Find(Form(), "DisclaimerTab"));
        Press(Find(Form(), "MaterialTab"));
        QCOMPARE(Text(Form(), "Buck_Load"), QString("1.439E+04"));
        Press(Find(Form(), "BucklingTab"));
        QCOMPARE(Text(Form(), "Buck_Load"), QString("3.598E+03"));
    }

    void typingIntoHeightUpdatesAtOnce() {
        Press(Find(Form(), "GeometryTab"));
        auto* height = Find<QLineEdit>(Form(), "h");
        height->setFocus();
        QTest::keyClick(height, Qt::Key_End);
        QTest::keyClick(height, Qt::Key_0); // "100"
        QCOMPARE(Text(Form(), "Geom_Area"), QString("5.000E+02"));
        QCOMPARE(Background(height), kValid);
        QTest::keyClick(height, Qt::Key_X); // "100x"
        QCOMPARE(Background(height), kInvalid);
        QCOMPARE(Text(Form(), "Geom_Area"), QString("0.000E+00"));
        QCOMPARE(Form().SectionArea, 0.0);
        QTest::keyClick(height, Qt::Key_Backspace);
        QCOMPARE(Background(height), kValid);
        QCOMPARE(Text(Form(), "Geom_Inertia"), QString("2.778E+05"));
    }

    void focusFromAnotherWindowIsNoPageEntry() {
        // Focus coming back from another window, as after a fault's message box, must not
        // evaluate the page again: a fault would then be shown over and over.
        Press(Find(Form(), "GeometryTab"));
        QLineEdit other;
        other.show();
        QApplication::setActiveWindow(&other);
        other.setFocus();
        QVERIFY(QTest::qWaitFor([&] { return other.hasFocus(); }));
        Form().SectionCode = 0; // an evaluation now would show the rectangle's area
        QApplication::setActiveWindow(&Form());
        Find<QLineEdit>(Form(), "h")->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return Find<QLineEdit>(Form(), "h")->hasFocus(); }));
        QCOMPARE(Text(Form(), "Geom_Area"), QString("5.000E+01"));
    }

    void hiddenRadiiAreStillChecked() {
        Press(Find(Form(), "GeometryTab"));
        Find<QLineEdit>(Form(), "r2")->setText("10"); // r1 = r2: both radius fields marked
        QCOMPARE(Background(Find(Form(), "r1")), kInvalid);
        QCOMPARE(Background(Find(Form(), "r2")), kInvalid);
        QCOMPARE(Text(Form(), "Geom_Area"), QString("5.000E+01"));
    }

    void lengthField_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("length");
        QTest::addRow("number") << "250" << 250.0;
        QTest::addRow("negative") << "-5" << 0.0;
        QTest::addRow("zero") << "0" << 0.0;
        QTest::addRow("letters") << "x" << 0.0;
        QTest::addRow("at the floor") << "1e-10" << 0.0;
    }
    void lengthField() {
        QFETCH(QString, text);
        QFETCH(double, length);
        Press(Find(Form(), "GeometryTab"));
        const QString area = Text(Form(), "Geom_Area");
        Retype(Find<QLineEdit>(Form(), "Len"), text);
        QCOMPARE(Form().ElementLength, length);
        QCOMPARE(Background(Find(Form(), "Len")), length > 0 ? kValid : kInvalid);
        QCOMPARE(Text(Form(), "Geom_Area"), area);
    }

    void dragOnMarginMovesWindow_data() {
        QTest::addColumn<int>("button");
        QTest::addRow("left") << int(Qt::LeftButton);
        QTest::addRow("right") << int(Qt::RightButton);
        QTest::addRow("middle") << int(Qt::MiddleButton);
    }
    void dragOnMarginMovesWindow() {
        QFETCH(int, button);
        const auto b = Qt::MouseButton(button);
        const QPoint start = Form().pos();
        QTest::mousePress(&Form(), b, {}, QPoint(240, 500));
        QCOMPARE(Form().Dragging, 1);
        SendMove(&Form(), QPoint(270, 540), b);
        QCOMPARE(Form().pos(), start + QPoint(30, 40));
        QTest::mouseRelease(&Form(), b, {}, QPoint(240, 500));
        QCOMPARE(Form().Dragging, 0);
        SendMove(&Form(), QPoint(300, 600), Qt::NoButton);
        QCOMPARE(Form().pos(), start + QPoint(30, 40));
    }

    void pressOnControlsDoesNotDrag_data() {
        QTest::addColumn<QString>("control");
        for (const char* name : {"BendingTab", "MaterialF", "ZOLK", "EXIT", "GroupBox7", "Label2"})
            QTest::newRow(name) << QString(name);
    }
    void pressOnControlsDoesNotDrag() {
        QFETCH(QString, control);
        QWidget* widget = Form().findChild<QWidget*>(control);
        const QPoint start = Form().pos();
        QTest::mousePress(widget, Qt::RightButton, {}, QPoint(2, 2));
        SendMove(&Form(), QPoint(300, 600), Qt::RightButton);
        QTest::mouseRelease(widget, Qt::RightButton, {}, QPoint(2, 2));
        QCOMPARE(Form().Dragging, 0);
        QCOMPARE(Form().pos(), start);
    }

    void exitImage() {
        auto* exit = Find<PictureBox>(Form(), "EXIT");
        QCOMPARE(ShownPicture(Form(), "EXIT"), 52);
        // Pressed and released outside: DN, then UP, and the window stays.
        QTest::mousePress(exit, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(ShownPicture(Form(), "EXIT"), 53);
        QTest::mouseRelease(exit, Qt::LeftButton, {}, QPoint(60, 60));
        QCOMPARE(ShownPicture(Form(), "EXIT"), 52);
        QVERIFY(Form().isVisible());
        // The right button never closes.
        Press(exit, Qt::RightButton);
        QVERIFY(Form().isVisible());
        // A left click does.
        Press(exit, Qt::LeftButton);
        QVERIFY(!Form().isVisible());
        QCOMPARE(ShownPicture(Form(), "EXIT"), 52);
    }

    void picturesAreDrawnUnscaledAtTheTopLeft() {
        Press(Find(Form(), "GeometryTab"));
        // A 100 x 100 picture on a 105 x 105 button: a 5-pixel strip of the page remains.
        const QImage rect = Find(Form(), "Rect")->grab().toImage();
        QCOMPARE(rect.size(), QSize(105, 105));
        QCOMPARE(QColor(rect.pixel(1, 1)), QColor(192, 192, 192)); // the UP background
        QCOMPARE(QColor(rect.pixel(99, 99)), QColor(192, 192, 192));
        QCOMPARE(QColor(rect.pixel(102, 50)), QColor(107, 107, 107)); // right strip
        QCOMPARE(QColor(rect.pixel(50, 102)), QColor(107, 107, 107)); // bottom strip
        const QImage triangle = Find(Form(), "Triangle")->grab().toImage();
        QCOMPARE(QColor(triangle.pixel(1, 1)), QColor(128, 128, 128)); // DN: gray
    }

    void staticCaptions() {
        QCOMPARE(Find<Panel>(Form(), "MaterialTab")->caption(), QString("Material"));
        QCOMPARE(Text(Form(), "Label23"), QString("Critical Load  [N]"));
        QCOMPARE(Text(Form(), "Label14"), QString("Area  [mm^2]"));
        QCOMPARE(Text(Form(), "Label77"), QString("ZOLK V. 0.2"));
        QCOMPARE(Find<QGroupBox>(Form(), "GB_Canti_BC")->title(), QString("BC's / Loading"));
        // Every caption fits its label, on the lines the label has room for.
        QStringList clipped;
        for (QLabel* label : Form().findChildren<QLabel*>()) {
            const QFontMetrics metrics = label->fontMetrics();
            const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
            QRect needed =
                metrics.boundingRect(QRect(0, 0, label->width(), 1000), flags, label->text());
            if (!label->wordWrap())
                needed.setWidth(metrics.horizontalAdvance(label->text()));
            if (needed.width() > label->width() || needed.height() > label->height() + 2)
                clipped << QString("%1 (%2x%3)")
                               .arg(label->objectName())
                               .arg(needed.width())
                               .arg(needed.height());
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
