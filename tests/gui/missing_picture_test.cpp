// Start-up with a picture missing: one message naming it, and a failing exit code.
#include "app/entry.h"
#include "app/messages.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

QStringList shown;

int Check(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", what);
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir folder;
    // Every picture but one.
    for (QDirIterator it(QStringLiteral(":/pictures")); it.hasNext();) {
        const QString path = it.next();
        const QString name = QFileInfo(path).fileName();
        if (name != QLatin1String("RECT_DN"))
            QFile::copy(path, folder.filePath(name));
    }
    zolk::SetMessageHandler([](const QString& text) { shown.append(text); });

    const int code = zolk::RunZolk(argc, argv, folder.path() + QLatin1Char('/'));
    int failures = 0;
    failures += Check(code == 1, "start-up failure exits with 1");
    failures += Check(shown == QStringList{QStringLiteral("Resource RECT_DN not found")},
                      "one message naming the missing picture");
    if (!shown.isEmpty())
        std::printf("message: %s\n", qPrintable(shown.join(QLatin1Char('|'))));
    std::printf("%d passed, %d failed\n", 2 - failures, failures);
    return failures == 0 ? 0 : 1;
}
