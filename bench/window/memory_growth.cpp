// Resident memory over 10,000 seeded random keystrokes and presses across the pages of the
// real form (offscreen). Prints the resident size after every 1,000 events, then the growth
// from the first sample to the last.
#include "app/panel.h"
#include "app/picture_box.h"
#include "offscreen_form.h"

#include <QApplication>
#include <QLineEdit>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <string>

namespace {

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const auto form = benchform::ShowForm();

    QList<QWidget*> targets;
    for (auto* panel : form->findChildren<Panel*>())
        if (panel->objectName().endsWith(QLatin1String("Tab")))
            targets << panel;
    for (auto* picture : form->findChildren<PictureBox*>())
        if (picture->objectName() != QLatin1String("EXIT"))
            targets << picture;
    for (auto* edit : form->findChildren<QLineEdit*>())
        targets << edit;

    std::mt19937 random(12345);
    const QString keys = QStringLiteral("0123456789.e-x");
    long first = -1, last = -1;
    for (int n = 1; n <= 10000; ++n) {
        QList<QWidget*> visible;
        for (QWidget* t : targets)
            if (t->isVisible())
                visible << t;
        QWidget* target =
            visible[std::uniform_int_distribution<int>(0, visible.size() - 1)(random)];
        if (auto* edit = qobject_cast<QLineEdit*>(target)) {
            edit->setFocus();
            if (random() % 3 == 0 || edit->text().size() > 12) {
                benchform::SendKey(edit, QEvent::KeyPress, Qt::Key_Backspace, QString());
                benchform::SendKey(edit, QEvent::KeyRelease, Qt::Key_Backspace, QString());
            } else {
                const QString c = keys.mid(random() % keys.size(), 1);
                benchform::SendKey(edit, QEvent::KeyPress, c.at(0).unicode(), c);
                benchform::SendKey(edit, QEvent::KeyRelease, c.at(0).unicode(), c);
            }
        } else {
            benchform::SendMouse(target, QEvent::MouseButtonPress);
            benchform::SendMouse(target, QEvent::MouseButtonRelease);
        }
        QApplication::processEvents();
        if (n % 1000 == 0) {
            last = ResidentKiB();
            if (first < 0)
                first = last;
            std::printf("after %5d events: %ld KiB\n", n, last);
        }
    }
    std::printf("growth from 1,000 to 10,000 events: %ld KiB\n", last - first);
    return 0;
}
