#include "app/panel.h"

#include <QMouseEvent>
#include <QPainter>

Panel::Panel(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    // Presses on a panel belong to it; they must never start a drag of the window.
    setAttribute(Qt::WA_NoMousePropagation);
}

void Panel::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

QColor Panel::color() const {
    return palette().color(QPalette::Window);
}

void Panel::setColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

void Panel::paintEvent(QPaintEvent*) {
    if (caption_.trimmed().isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, caption_);
}

void Panel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit mousePressed();
}
