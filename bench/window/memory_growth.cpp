// Resident memory over 10,000 seeded random keystrokes and presses across the pages of the
// real form (offscreen). Prints the resident size after every 1,000 events, then the growth
// from the first sample to the last.
#include "app/entry.h"
#include "app/kalvero.h"
#include "app/messages.h"
#include "app/panel.h"
#include "app/picture_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
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

void Press(QWidget* target) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), target->mapToGlobal(QPointF(3, 3)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(3, 3),
                        target->mapToGlobal(QPointF(3, 3)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

void Key(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    zolk::ApplyLook();
    zolk::SetMessageHandler([](const QString&) {});
    auto form = std::make_unique<TKalvero>();
    form->show();
    QApplication::processEvents();

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
                Key(edit, Qt::Key_Backspace, QString());
            } else {
                const QString c = keys.mid(random() % keys.size(), 1);
                Key(edit, c.at(0).unicode(), c);
            }
        } else {
            Press(target);
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
