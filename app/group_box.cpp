#include "app/group_box.h"

#include <QPainter>

GroupBox::GroupBox(QWidget* parent) : QGroupBox(parent) {}

void GroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int top = metrics.height() / 2;
    painter.setPen(Qt::black);
    painter.drawRect(QRect(0, top, width() - 1, height() - 1 - top));
    const QString caption = title();
    if (caption.isEmpty())
        return;
    constexpr int kCaptionLeft = 8;
    const QRect text(kCaptionLeft, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(text, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, caption);
}
