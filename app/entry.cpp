#include "app/entry.h"

#include "app/bitmap_resource.h"
#include "app/kalvero.h"
#include "app/messages.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>
#include <cstdio>
#include <exception>
#include <memory>

namespace zolk {

namespace {

// Qt aborts without a display; say so in one plain line instead.
bool HasDisplay() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

QIcon MainIcon(const QString& pictureRoot) {
    QIcon icon;
    for (const char* name : {"MAINICON_32", "MAINICON_16"}) {
        const QImage image = LoadBitmapResource(pictureRoot + QLatin1String(name));
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

void ApplyLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font;
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setPixelSize(11);
    QApplication::setFont(font);
}

int RunZolk(int argc, char** argv, const QString& pictureRoot) {
    if (!HasDisplay()) {
        std::fputs("zolk: no display found (set DISPLAY or WAYLAND_DISPLAY)\n", stderr);
        return 1;
    }
#if defined(Q_OS_LINUX)
    // A Wayland client may neither shape nor move its own window; XWayland may.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
#endif
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZOLK"));
    QApplication::setApplicationDisplayName(QStringLiteral("ZOLK"));
    ApplyLook();
    QApplication::setWindowIcon(MainIcon(pictureRoot));

    std::unique_ptr<TKalvero> form;
    try {
        form = std::make_unique<TKalvero>(nullptr, pictureRoot);
        form->setWindowTitle(QStringLiteral("Kalvero"));
        form->showMaximized();
        QApplication::exec();
    } catch (const std::exception& error) {
        ShowMessage(QString::fromLocal8Bit(error.what()));
        return 1;
    }
    return 0;
}

} // namespace zolk
