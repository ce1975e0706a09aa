#pragma once
// Colours go through palettes, so that tests and tools can read them back.
#include <QColor>

class QWidget;
class QLineEdit;

namespace zolk {

// Applies the design colours that the form description gives as the dynamic properties
// "color" (background) and "fontColor" (text) to root and all its descendants.
void ApplyDesignColours(QWidget* root);

// The background of an edit; untouched when it already has that colour.
void SetEditColour(QLineEdit* edit, const QColor& colour);
QColor EditColour(const QLineEdit* edit);

// The background of a panel or label.
void SetBackgroundColour(QWidget* widget, const QColor& colour);

} // namespace zolk
