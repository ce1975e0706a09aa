// Seeded random presses and edits anywhere on the window; after every event the window's
// invariants must hold. Set ZOLK_SEED to replay another sequence, ZOLK_EVENTS for its length.
#include "gui_support.h"

#include "app/entry.h"
#include "app/panel.h"
#include "app/picture_box.h"
#include "app/selection_tables.h"
#include "app/table_text.h"

#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>
#include <memory>
#include <random>

using namespace guitest;

namespace {

using zolk::TableText;

const QStringList kTexts{"10",     "0",
                         "-5",     "1e-10",
                         "2.5",    "abc",
                         "",       "1e200",
                         "1e308",  "-1e308",
                         "50",     "100",
                         "1,5",    " 7 ",
                         "1e400",  "0.001",
                         "99.999", "1e-300",
                         "nan",    "inf",
                         "+3",     "4e",
                         "-0",     "150",
                         "1e154",  "12345678901234567890"};

unsigned Seed() {
    bool ok = false;
    const unsigned seed = qEnvironmentVariable("ZOLK_SEED").toUInt(&ok);
    return ok ? seed : 20261211u;
}

int EventCount() {
    bool ok = false;
    const int count = qEnvironmentVariable("ZOLK_EVENTS").toInt(&ok);
    return ok ? count : 3000;
}

} // namespace

class RandomEventsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TKalvero> form;
    TKalvero& Form() { return *form; }
    bool bendingEvaluated = false;

    QString CheckInvariants() {
        int visiblePage = -1, pages = 0, grayTabs = 0;
        for (int i = 0; i < 5; ++i) {
            if (Find(Form(), kPages[i])->isVisible()) {
                visiblePage = i;
                ++pages;
            }
            if (Background(Find(Form(), kTabs[i])) == QColor(128, 128, 128))
                ++grayTabs;
        }
        if (pages != 1 || grayTabs != 1)
            return "not exactly one page and one gray tab";
        if (Background(Find(Form(), kTabs[visiblePage])) != QColor(128, 128, 128))
            return "the gray tab is not the visible page's";

        const std::array<std::uint8_t, 3> codes{Form().SectionCode, Form().LoadCase,
                                                Form().BucklingCase};
        const std::array<zolk::ButtonGroup, 3> groups{
            zolk::ButtonGroup::Section, zolk::ButtonGroup::LoadCase, zolk::ButtonGroup::Buckling};
        for (int g = 0; g < 3; ++g)
            for (const auto& row : zolk::kPictureButtons)
                if (row.group == groups[g] &&
                    ShowsDown(Form(), row.button.data()) != (row.code == codes[g]))
                    return "wrong DN picture on " + TableText(row.button);

        const auto& shape = zolk::kSectionShapes[Form().SectionCode];
        for (std::size_t g = 0; g < 4; ++g)
            for (std::string_view name : zolk::kDimensionGroups[g])
                if (!name.empty() && ShownOnPage(Form(), TableText(name)) != shape.groupShown[g])
                    return "visibility of " + TableText(name);
        if (ShownOnPage(Form(), "Approx1") != shape.notesShown ||
            (shape.notesShown && (Text(Form(), "Approx1") != TableText(shape.approx1) ||
                                  Text(Form(), "Approx2") != TableText(shape.approx2))))
            return "notes";
        const auto& loadCase = zolk::kLoadCases[Form().LoadCase];
        const bool shown[] = {loadCase.force, loadCase.position, loadCase.lineLoad,
                              loadCase.positionResult};
        for (std::size_t i = 0; i < zolk::kLoadCaseControls.size(); ++i)
            if (ShownOnPage(Form(), TableText(zolk::kLoadCaseControls[i])) != shown[i / 2])
                return "visibility of " + TableText(zolk::kLoadCaseControls[i]);

        static const QRegularExpression exponent("^-?[0-9]\\.[0-9]{3}E[+-][0-9]{2,3}$");
        static const QRegularExpression fixed("^-?[0-9]+\\.[0-9]$");
        for (const QString& label : kGeometryLabels + kBucklingLabels + kBendingLabels.mid(0, 3))
            if (!exponent.match(Text(Form(), label.toLatin1())).hasMatch() &&
                !(kBendingLabels.contains(label) && !bendingEvaluated &&
                  Text(Form(), label.toLatin1()) == "0.00"))
                return label + " is not a formatted number: " + Text(Form(), label.toLatin1());
        const QString xm = Text(Form(), "Bending_xm");
        if (!fixed.match(xm).hasMatch() && !(xm == "0.00" && !bendingEvaluated))
            return "Bending_xm is not a formatted number: " + xm;
        for (QLineEdit* edit : Form().findChildren<QLineEdit*>())
            if (Background(edit) != kValid && Background(edit) != kInvalid)
                return edit->objectName() + " has a third colour";

        if (visiblePage == 1 && Labels(Form(), kGeometryLabels) != FreshGeometry(Form()))
            return "Geometry labels differ from a fresh evaluation";
        if (visiblePage == 2 && Labels(Form(), kBendingLabels) != FreshBending(Form()))
            return "Bending labels differ from a fresh evaluation";
        if (visiblePage == 3 && Labels(Form(), kBucklingLabels) != FreshBuckling(Form()))
            return "Buckling labels differ from a fresh evaluation";
        return {};
    }

  private slots:
    void initTestCase() {
        zolk::ApplyLook();
        InstallMessageRecorder();
        form = ShowNewForm();
        QVERIFY(form);
    }

    void invariantsHoldAfterEveryEvent() {
        const unsigned seed = Seed();
        qInfo("seed %u", seed);
        std::mt19937 random(seed);
        const auto pick = [&](int n) {
            return std::uniform_int_distribution<int>(0, n - 1)(random);
        };
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

        QList<QWidget*> targets;
        for (const char* tab : kTabs)
            targets << Find(Form(), tab);
        for (const auto& row : zolk::kPictureButtons)
            if (row.group != zolk::ButtonGroup::Exit)
                targets << Find(Form(), row.button.data());
        for (auto* radio : Form().findChildren<QRadioButton*>())
            targets << radio;
        for (auto* edit : Form().findChildren<QLineEdit*>())
            targets << edit;

        const int events = EventCount();
        for (int n = 0; n < events; ++n) {
            QList<QWidget*> visible;
            for (QWidget* t : targets)
                if (t->isVisible())
                    visible << t;
            QWidget* target = visible[pick(visible.size())];
            QString done;
            if (auto* edit = qobject_cast<QLineEdit*>(target)) {
                switch (pick(3)) {
                case 0:
                    Retype(edit, kTexts[pick(kTexts.size())]);
                    done = "retype " + edit->objectName();
                    break;
                case 1:
                    edit->setFocus();
                    QTest::keyClick(edit, Qt::Key_End);
                    QTest::keyClick(edit, Qt::Key_Backspace);
                    done = "backspace in " + edit->objectName();
                    break;
                default:
                    edit->setFocus();
                    QTest::keyClicks(edit, QString("0123456789.e-+x").mid(pick(15), 1));
                    done = "key in " + edit->objectName();
                    break;
                }
            } else {
                Press(target, buttons[pick(3)]);
                done = "press on " + target->objectName();
            }
            if (Find(Form(), "BendingF")->isVisible())
                bendingEvaluated = true;
            const QString broken = CheckInvariants();
            if (!broken.isEmpty())
                QFAIL(qPrintable(QString("event %1 (%2): %3").arg(n).arg(done, broken)));
        }
        qInfo("%d events, %lld fault messages", events, static_cast<long long>(Messages().size()));
    }
};

QTEST_MAIN(RandomEventsTest)
#include "random_events_test.moc"
