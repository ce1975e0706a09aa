#pragma once
// The program entry: application object, look, the main form, the message loop.
#include <QString>

namespace zolk {

// Returns the exit code: 0 after the window is closed, 1 when start-up failed (the
// failure is shown in a message box first) or there is no display.
int RunZolk(int argc, char** argv, const QString& pictureRoot = QStringLiteral(":/pictures/"));

// The look every platform shares: the Fusion style and an 11-pixel Liberation Sans
// (metrically like Arial, which stands in for it elsewhere).
void ApplyLook();

} // namespace zolk
