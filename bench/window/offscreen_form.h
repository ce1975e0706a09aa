#pragma once
// The real form for in-process measurements: shown offscreen, faults silenced, and driven
// by events sent straight to a control, so that nothing waits on an event loop.
#include "app/entry.h"
#include "app/kalvero.h"
#include "app/messages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <memory>

namespace benchform {

// Call after QApplication exists (with QT_QPA_PLATFORM=offscreen).
inline std::unique_ptr<TKalvero> ShowForm() {
    zolk::ApplyLook();
    zolk::SetMessageHandler([](const QString&) {});
    auto form = std::make_unique<TKalvero>();
    form->show();
    QApplication::processEvents();
    return form;
}

inline void SendMouse(QWidget* target, QEvent::Type type) {
    const QPointF at(3, 3);
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

inline void SendKey(QWidget* target, QEvent::Type type, int key, const QString& text) {
    QKeyEvent event(type, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &event);
}

} // namespace benchform
