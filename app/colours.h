#pragma once
// The colours the window gives its controls at run time.
#include <QColor>

namespace zolk::colours {

inline const QColor kValidField(192, 192, 192); // silver
inline const QColor kInvalidField(255, 0, 128); // red 255, green 0, blue 128
inline const QColor kPage(107, 107, 107);
inline const QColor kShownTab(128, 128, 128);  // gray
inline const QColor kHiddenTab(192, 192, 192); // silver

} // namespace zolk::colours
