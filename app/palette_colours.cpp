#include "app/palette_colours.h"

#include <QLineEdit>
#include <QVariant>
#include <QWidget>

namespace zolk {

namespace {

void ApplyTo(QWidget* widget) {
    const QVariant background = widget->property("color");
    if (background.isValid()) {
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            SetEditColour(edit, background.value<QColor>());
        else
            SetBackgroundColour(widget, background.value<QColor>());
    }
    const QVariant text = widget->property("fontColor");
    if (text.isValid()) {
        QPalette p = widget->palette();
        p.setColor(QPalette::WindowText, text.value<QColor>());
        p.setColor(QPalette::ButtonText, text.value<QColor>());
        widget->setPalette(p);
    }
}

} // namespace

void ApplyDesignColours(QWidget* root) {
    ApplyTo(root);
    for (QWidget* child : root->findChildren<QWidget*>())
        ApplyTo(child);
}

void SetEditColour(QLineEdit* edit, const QColor& colour) {
    if (EditColour(edit) == colour && edit->testAttribute(Qt::WA_SetPalette))
        return;
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, colour);
    edit->setPalette(p);
}

QColor EditColour(const QLineEdit* edit) {
    return edit->palette().color(QPalette::Base);
}

void SetBackgroundColour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

} // namespace zolk
