#include "StoreFixture.h"
#include "TestFixtures.h"
#include "TestRegistry.h"

#include "document/AtomicFile.h"
#include "document/MapImage.h"

#include <QTest>
#include <QtEndian>

using namespace vellum;

namespace {

quint32 le32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(b.constData()) + at);
}
quint16 le16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(b.constData()) + at);
}

QImage painted(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(40 * x, 70 * y, 255 - 20 * x * y));
    return image;
}

} // namespace

class MapImageTest : public QObject {
    Q_OBJECT
private slots:
    void pathFollowsTheScenarioPathImmediately() {
        QCOMPARE(MapImage::path(QStringLiteral("/games/keep.vmd"), QStringLiteral("Map 1")),
                 QStringLiteral("/games/keep.vmdMap 1.lrk"));
    }

    void savedAs24BitBmpAndLoadedBack() {
        StoreFixture fx;
        const QString scenario = fx.path(QStringLiteral("keep.vmd"));
        const QImage image = painted(5, 3);
        QVERIFY(MapImage::save(scenario, QStringLiteral("Map 1"), image).ok());

        const QByteArray bytes = readAll(fx.path(QStringLiteral("keep.vmdMap 1.lrk")));
        const int rowBytes = 16; // 5 pixels of 3 bytes, padded to 4
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(le32(bytes, 2), quint32(54 + 3 * rowBytes)); // file size
        QCOMPARE(le32(bytes, 10), quint32(54));               // pixel offset
        QCOMPARE(le32(bytes, 14), quint32(40));               // info header size
        QCOMPARE(le32(bytes, 18), quint32(5));
        QCOMPARE(le32(bytes, 22), quint32(3));
        QCOMPARE(le16(bytes, 28), quint16(24)); // bits per pixel
        QCOMPARE(le32(bytes, 30), quint32(0));  // no compression
        QCOMPARE(bytes.size(), 54 + 3 * rowBytes);
        // Bottom row first, blue green red.
        const QRgb bottomLeft = image.pixel(0, 2);
        QCOMPARE(uchar(bytes[54]), uchar(qBlue(bottomLeft)));
        QCOMPARE(uchar(bytes[55]), uchar(qGreen(bottomLeft)));
        QCOMPARE(uchar(bytes[56]), uchar(qRed(bottomLeft)));

        const QImage back = MapImage::load(scenario, QStringLiteral("Map 1"));
        QCOMPARE(back.size(), image.size());
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), image);
    }

    void indexedPicturesAreWrittenAs24Bit() {
        StoreFixture fx;
        const QString scenario = fx.path(QStringLiteral("keep.vmd"));
        QImage mono(8, 2, QImage::Format_Mono);
        mono.fill(1);
        QVERIFY(MapImage::save(scenario, QStringLiteral("M"), mono).ok());
        QCOMPARE(le16(readAll(MapImage::path(scenario, QStringLiteral("M"))), 28), quint16(24));
    }

    void missingOrUnreadableGivesANullImage() {
        StoreFixture fx;
        const QString scenario = fx.path(QStringLiteral("keep.vmd"));
        QVERIFY(MapImage::load(scenario, QStringLiteral("never saved")).isNull());
        writeAll(MapImage::path(scenario, QStringLiteral("junk")), "BM not a picture");
        QVERIFY(MapImage::load(scenario, QStringLiteral("junk")).isNull());
    }

    void otherFormatsLoadToo() {
        StoreFixture fx;
        const QString scenario = fx.path(QStringLiteral("keep.vmd"));
        QVERIFY(painted(4, 4).save(MapImage::path(scenario, QStringLiteral("png")), "PNG"));
        QCOMPARE(
            MapImage::load(scenario, QStringLiteral("png")).convertToFormat(QImage::Format_RGB32),
            painted(4, 4));
    }

    void failuresNameTheFileAndKeepTheOldPicture() {
        StoreFixture fx;
        const QString scenario = fx.path(QStringLiteral("keep.vmd"));
        QVERIFY(MapImage::save(scenario, QStringLiteral("Map 1"), painted(3, 3)).ok());
        const QByteArray before = readAll(MapImage::path(scenario, QStringLiteral("Map 1")));

        AtomicFile::failNextCommit();
        const StoreResult r = MapImage::save(scenario, QStringLiteral("Map 1"), painted(6, 6));
        QCOMPARE(r.code, StoreResult::Code::CannotWrite);
        QVERIFY(r.message.contains(QStringLiteral("keep.vmdMap 1.lrk")));
        QCOMPARE(readAll(MapImage::path(scenario, QStringLiteral("Map 1"))), before);

        const QString nowhere = fx.path(QStringLiteral("no such folder/keep.vmd"));
        const StoreResult missing = MapImage::save(nowhere, QStringLiteral("Map 1"), painted(2, 2));
        QCOMPARE(missing.code, StoreResult::Code::CannotWrite);
        QCOMPARE(missing.file, MapImage::path(nowhere, QStringLiteral("Map 1")));
    }

    void titlesThatCannotNameAFile_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("usable");
        QTest::newRow("plain") << QStringLiteral("Map 1") << true;
        QTest::newRow("accents and punctuation") << QStringLiteral("Caf\u00e9, \u20ac 2!") << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("slash") << QStringLiteral("up/down") << false;
        QTest::newRow("tab") << QStringLiteral("a\tb") << false;
        QTest::newRow("line break") << QStringLiteral("a\r\nb") << false;
        QTest::newRow("too long") << QString(300, u'm') << false;
        QTest::newRow("long but fitting") << QString(200, u'm') << true;
    }
    void titlesThatCannotNameAFile() {
        QFETCH(QString, title);
        QFETCH(bool, usable);
        StoreFixture fx;
        const QString scenario = fx.path(QStringLiteral("keep.vmd"));
        const QString problem = MapImage::titleProblem(scenario, title);
        QCOMPARE(problem.isEmpty(), usable);
        if (usable)
            QVERIFY(MapImage::save(scenario, title, painted(1, 1)).ok());
    }
};
VELLUM_TEST(MapImageTest);

#include "tst_mapimage.moc"
