// The bitmap reader of the window against Qt's own BMP reader, and on broken files.
#include "app/bitmap_resource.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

class BitmapResourceTest : public QObject {
    Q_OBJECT

  private slots:
    void readsEveryPictureLikeQt() {
        int pictures = 0;
        for (QDirIterator it(QStringLiteral(":/pictures")); it.hasNext();) {
            const QString path = it.next();
            if (path.endsWith(QLatin1String("MAINICON")))
                continue; // the .ico, which the window does not read
            const QImage ours = zolk::LoadBitmapResource(path);
            const QImage qt(path, "BMP");
            QVERIFY2(!ours.isNull(), qPrintable(path));
            QCOMPARE(ours.size(), qt.size());
            QCOMPARE(ours.convertToFormat(QImage::Format_RGB32),
                     qt.convertToFormat(QImage::Format_RGB32));
            ++pictures;
        }
        QCOMPARE(pictures, 54 + 3); // the buttons, the logo, two icon sizes
    }

    void brokenFilesGiveNoImage_data() {
        QTest::addColumn<int>("cut");   // bytes kept of a good file; -1 keeps all
        QTest::addColumn<int>("patch"); // offset of a byte set to 0xFF; -1 for none
        QTest::addRow("empty") << 0 << -1;
        QTest::addRow("headers only") << 54 << -1;
        QTest::addRow("pixels cut short") << 300 << -1;
        QTest::addRow("unknown depth") << -1 << 28;
        QTest::addRow("compressed") << -1 << 30;
        QTest::addRow("not a bitmap") << -1 << 0;
    }
    void brokenFilesGiveNoImage() {
        QFETCH(int, cut);
        QFETCH(int, patch);
        QFile good(QStringLiteral(":/pictures/RECT_UP"));
        QVERIFY(good.open(QIODevice::ReadOnly));
        QByteArray bytes = good.readAll();
        if (cut >= 0)
            bytes.truncate(cut);
        if (patch >= 0)
            bytes[patch] = char(0xFF);
        QTemporaryDir folder;
        QFile broken(folder.filePath(QStringLiteral("broken.bmp")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(bytes);
        broken.close();
        QVERIFY(zolk::LoadBitmapResource(broken.fileName()).isNull());
        QVERIFY(zolk::LoadBitmapResource(folder.filePath(QStringLiteral("missing"))).isNull());
    }
};

QTEST_MAIN(BitmapResourceTest)
#include "bitmap_resource_test.moc"
