#pragma once
// The one way the window shows a message: a box titled "ZOLK". Tests replace the
// handler so that no modal box can hang them.
#include <QString>

namespace zolk {

using MessageHandler = void (*)(const QString& text);

void ShowMessage(const QString& text);

// Returns the previous handler. nullptr restores the message box.
MessageHandler SetMessageHandler(MessageHandler handler);

} // namespace zolk
