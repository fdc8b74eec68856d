#include "TestImages.h"
#include "TestRegistry.h"

#include "canvas/Transparent.h"

#include <QRandomGenerator>
#include <QTest>

using namespace vellum;

namespace {

constexpr QRgb Magenta = 0xffff00ff;

QImage patternedCanvas(int w, int h) {
    return patternedImage({w, h});
}

// About a third magenta (with stray alpha bytes, which must not matter), the
// rest random colours including magenta's near neighbours.
QImage randomTile(int w, int h, quint32 seed) {
    QRandomGenerator rng(seed);
    QImage tile(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const quint32 alpha = rng.bounded(256) << 24;
            const int kind = rng.bounded(6);
            quint32 rgb = rng.generate() & 0xffffff;
            if (kind < 2)
                rgb = 0xff00ff;
            else if (kind == 2)
                rgb = 0xff00ff ^ (1u << rng.bounded(24));
            tile.setPixel(x, y, alpha | rgb);
        }
    }
    return tile;
}

// The keyed copy written the obvious way, one pixel at a time.
void referenceBlit(QImage& dst, const QImage& src, int x, int y, int w, int h, QRgb key) {
    for (int j = 0; j < std::min(h, src.height()); ++j)
        for (int i = 0; i < std::min(w, src.width()); ++i) {
            const QRgb s = src.pixel(i, j);
            if (dst.rect().contains(x + i, y + j) && (s & 0xffffff) != (key & 0xffffff))
                dst.setPixel(x + i, y + j, s | 0xff000000);
        }
}

} // namespace

class TransparentBlitTest : public QObject {
    Q_OBJECT
private slots:
    void magentaShowsCanvas();
    void matchesReference_data();
    void matchesReference();
    void allKeyChangesNothing();
    void everyRowRoutineAgrees();
};

// The copy runs on the best row routine the processor has; the others must
// give the same pixels (another machine picks another one).
void TransparentBlitTest::everyRowRoutineAgrees() {
    const QImage before = patternedCanvas(64, 48);
    int tried = 0;
    for (const BlitRows rows :
         {BlitRows::Avx512, BlitRows::Avx2, BlitRows::Sse2, BlitRows::Plain}) {
        if (!useBlitRows(rows))
            continue;
        ++tried;
        for (int width = 1; width <= 40; ++width) {
            const QImage tile = randomTile(40, 6, quint32(width * 7919));
            QImage expected = before;
            referenceBlit(expected, tile, 3, 5, width, 6, Magenta);
            QImage canvas = before;
            TransparentBlit(canvas, tile, 3, 5, qint16(width), 6, Magenta);
            if (canvas != expected) {
                useBlitRows(BlitRows::Best);
                QFAIL(qPrintable(QStringLiteral("routine %1, width %2").arg(int(rows)).arg(width)));
            }
        }
    }
    useBlitRows(BlitRows::Best);
    QVERIFY(tried >= 1); // the plain routine is always there
}

void TransparentBlitTest::magentaShowsCanvas() {
    QImage tile(30, 30, QImage::Format_RGB32);
    tile.fill(qRgb(10, 20, 200));
    for (const QPoint& p : {QPoint(0, 0), QPoint(29, 0), QPoint(0, 29), QPoint(29, 29)})
        tile.setPixel(p, Magenta);
    tile.setPixel(15, 15, qRgb(255, 0, 254));
    const QImage before = patternedCanvas(60, 60);
    QImage canvas = before;

    const QRect written = TransparentBlit(canvas, tile, 10, 12, 30, 30, qRgb(255, 0, 255));

    QCOMPARE(written, QRect(10, 12, 30, 30));
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) {
            const QPoint p(x, y), t = p - QPoint(10, 12);
            const bool inTile = QRect(0, 0, 30, 30).contains(t);
            const bool corner = (t.x() == 0 || t.x() == 29) && (t.y() == 0 || t.y() == 29);
            const QRgb expected = inTile && !corner ? tile.pixel(t) : before.pixel(p);
            if (canvas.pixel(p) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
        }
    QCOMPARE(canvas.pixel(25, 27), qRgb(255, 0, 254));
}

void TransparentBlitTest::matchesReference_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("target"); // area the stamp may write, clipped

    // 64 x 48 canvas, 30 x 20 tile
    QTest::newRow("inside") << QPoint(7, 9) << QSize(30, 20) << QRect(7, 9, 30, 20);
    QTest::newRow("left edge") << QPoint(-11, 5) << QSize(30, 20) << QRect(0, 5, 19, 20);
    QTest::newRow("top edge") << QPoint(4, -13) << QSize(30, 20) << QRect(4, 0, 30, 7);
    QTest::newRow("right edge") << QPoint(50, 5) << QSize(30, 20) << QRect(50, 5, 14, 20);
    QTest::newRow("bottom edge") << QPoint(5, 40) << QSize(30, 20) << QRect(5, 40, 30, 8);
    QTest::newRow("all corners out") << QPoint(-3, -3) << QSize(70, 60) << QRect(0, 0, 27, 17);
    QTest::newRow("outside left") << QPoint(-30, 5) << QSize(30, 20) << QRect();
    QTest::newRow("outside right") << QPoint(64, 5) << QSize(30, 20) << QRect();
    QTest::newRow("outside above") << QPoint(5, -20) << QSize(30, 20) << QRect();
    QTest::newRow("outside below") << QPoint(5, 48) << QSize(30, 20) << QRect();
    QTest::newRow("part of the tile") << QPoint(3, 3) << QSize(7, 4) << QRect(3, 3, 7, 4);
    QTest::newRow("wider than the tile") << QPoint(3, 3) << QSize(300, 200) << QRect(3, 3, 30, 20);
    QTest::newRow("negative size") << QPoint(3, 3) << QSize(-5, 10) << QRect();
    QTest::newRow("odd width") << QPoint(1, 1) << QSize(13, 3) << QRect(1, 1, 13, 3);
}

void TransparentBlitTest::matchesReference() {
    QFETCH(QPoint, at);
    QFETCH(QSize, size);
    QFETCH(QRect, target);
    const QImage before = patternedCanvas(64, 48);
    for (const auto format : {QImage::Format_ARGB32, QImage::Format_RGB32}) {
        const QImage tile =
            randomTile(30, 20, quint32(at.x() * 131 + at.y())).convertToFormat(format);
        QImage expected = before;
        referenceBlit(expected, tile, at.x(), at.y(), size.width(), size.height(), Magenta);
        QImage canvas = before;

        const QRect written =
            TransparentBlit(canvas, tile, qint16(at.x()), qint16(at.y()), qint16(size.width()),
                            qint16(size.height()), qRgb(255, 0, 255));

        QCOMPARE(canvas, expected);
        QVERIFY(target.contains(written) || written.isEmpty());
        QVERIFY(written.contains(changedBounds(before, canvas)) || target.isEmpty());
        QCOMPARE(written.isEmpty(), target.isEmpty());
    }
}

void TransparentBlitTest::allKeyChangesNothing() {
    QImage tile(34, 34, QImage::Format_RGB32);
    tile.fill(Magenta);
    const QImage before = patternedCanvas(40, 40);
    QImage canvas = before;
    QVERIFY(TransparentBlit(canvas, tile, 2, 2, 34, 34, Magenta).isEmpty());
    QCOMPARE(canvas, before);
}

VELLUM_TEST(TransparentBlitTest);
#include "tst_transparentblit.moc"
