#include "app/messages.h"

#include <QMessageBox>

namespace zolk {

namespace {

void ShowMessageBox(const QString& text) {
    QMessageBox::critical(nullptr, QStringLiteral("ZOLK"), text);
}

MessageHandler currentHandler = &ShowMessageBox;

} // namespace

void ShowMessage(const QString& text) {
    currentHandler(text);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    MessageHandler previous = currentHandler;
    currentHandler = handler ? handler : &ShowMessageBox;
    return previous;
}

} // namespace zolk
