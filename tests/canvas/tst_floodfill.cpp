#include "TestRegistry.h"

#include "canvas/BlankGrid.h"
#include "canvas/FloodFill.h"

#include <QRandomGenerator>
#include <QTest>

#include <vector>

using namespace vellum;

namespace {

constexpr QRgb White = 0xffffffff;
constexpr QRgb Wall = 0xff000000;
constexpr QRgb Paint = 0xffd02020;

// '.' white, '#' wall, 'o' painted; 'S' marks the seed (white before, painted after).
QImage fromArt(const QStringList& art, QPoint* seed = nullptr) {
    QImage image(int(art.first().size()), int(art.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QChar c = art[y][x];
            image.setPixel(x, y, c == '#' ? Wall : c == 'o' ? Paint : White);
            if (c == 'S' && seed)
                *seed = QPoint(x, y);
        }
    return image;
}

QStringList toArt(const QImage& image) {
    QStringList art;
    for (int y = 0; y < image.height(); ++y) {
        QString line;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            line += p == Wall ? '#' : p == Paint ? 'o' : p == White ? '.' : '?';
        }
        art << line;
    }
    return art;
}

int countPixels(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        n += int(std::count(row, row + image.width(), colour));
    }
    return n;
}

// The region found the slow, obvious way: a pixel queue.
QImage referenceFill(QImage image, QPoint seed, QRgb fill) {
    const QRgb old = image.pixel(seed);
    std::vector<QPoint> queue{seed};
    image.setPixel(seed, fill);
    for (size_t i = 0; i < queue.size(); ++i) {
        for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = queue[i] + d;
            if (image.rect().contains(n) && image.pixel(n) == old) {
                image.setPixel(n, fill);
                queue.push_back(n);
            }
        }
    }
    return image;
}

} // namespace

class FloodFillTest : public QObject {
    Q_OBJECT
private slots:
    void blankGrid_data();
    void blankGrid();
    void fixtures_data();
    void fixtures();
    void fillEqualsSeedDoesNothing();
    void seedOutside_data();
    void seedOutside();
    void noiseMatchesReference_data();
    void noiseMatchesReference();
    void largeSerpentine();
};

void FloodFillTest::blankGrid_data() {
    QTest::addColumn<QPoint>("seed");
    QTest::addColumn<int>("painted");
    QTest::addColumn<QRect>("bounds");
    // 23 full-length lines each way, crossing at 23 x 23 pixels
    QTest::newRow("grid line") << QPoint(30, 100) << 2 * 23 * 720 - 23 * 23
                               << QRect(0, 0, 720, 720);
    QTest::newRow("crossing") << QPoint(690, 690) << 2 * 23 * 720 - 23 * 23
                              << QRect(0, 0, 720, 720);
    QTest::newRow("inner cell") << QPoint(45, 45) << 29 * 29 << QRect(31, 31, 29, 29);
    QTest::newRow("cell by a line") << QPoint(59, 31) << 29 * 29 << QRect(31, 31, 29, 29);
    QTest::newRow("top-left cell") << QPoint(0, 0) << 30 * 30 << QRect(0, 0, 30, 30);
    QTest::newRow("bottom-right cell") << QPoint(719, 719) << 29 * 29 << QRect(691, 691, 29, 29);
}

void FloodFillTest::blankGrid() {
    QFETCH(QPoint, seed);
    QFETCH(int, painted);
    QFETCH(QRect, bounds);
    const QImage before = blankGridPicture();
    QImage image = before;
    const QRgb seedColour = before.pixel(seed);

    QCOMPARE(floodFill(image, seed, Paint), bounds);

    QCOMPARE(countPixels(image, Paint), painted);
    for (int y = 0; y < 720; ++y)
        for (int x = 0; x < 720; ++x) {
            const QRgb now = image.pixel(x, y);
            if (now == Paint ? !bounds.contains(x, y) || before.pixel(x, y) != seedColour
                             : now != before.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
        }
}

void FloodFillTest::fixtures_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("one-pixel gap leaks") << QStringList{
        "...#....",
        ".S.#....",
        ".......#",
        "...#....",
    } << QStringList{
        "ooo#oooo",
        "ooo#oooo",
        "ooooooo#",
        "ooo#oooo",
    };
    QTest::newRow("closed wall holds") << QStringList{
        "...#....",
        ".S.#....",
        "...#...#",
        "...#....",
    } << QStringList{
        "ooo#....",
        "ooo#....",
        "ooo#...#",
        "ooo#....",
    };
    QTest::newRow("diagonal gap holds") << QStringList{
        "..#.....",
        "S.#.....",
        "...#....",
        "...#....",
    } << QStringList{
        "oo#.....",
        "oo#.....",
        "ooo#....",
        "ooo#....",
    };
    QTest::newRow("serpentine") << QStringList{
        "S.......",
        "######.#",
        "........",
        ".#######",
        "........",
    } << QStringList{
        "oooooooo",
        "######o#",
        "oooooooo",
        "o#######",
        "oooooooo",
    };
    QTest::newRow("teeth reached from below") << QStringList{
        ".#.#.#.#",
        ".#.#.#..",
        ".#.#.#.#",
        "...S....",
    } << QStringList{
        "o#o#o#o#",
        "o#o#o#oo",
        "o#o#o#o#",
        "oooooooo",
    };
    QTest::newRow("pockets above and below") << QStringList{
        "#..#..#.",
        "#.##.##.",
        "........",
        ".##.##S#",
        ".#..#..#",
    } << QStringList{
        "#oo#oo#o",
        "#o##o##o",
        "oooooooo",
        "o##o##o#",
        "o#oo#oo#",
    };
    QTest::newRow("island left alone") << QStringList{
        "S.......",
        ".####...",
        ".#..#...",
        ".####...",
    } << QStringList{
        "oooooooo",
        "o####ooo",
        "o#..#ooo",
        "o####ooo",
    };
}

void FloodFillTest::fixtures() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QPoint seed;
    QImage image = fromArt(before, &seed);

    const QRect bounds = floodFill(image, seed, Paint);

    QCOMPARE(toArt(image), after);
    QRect expectedBounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (after[y][x] == 'o')
                expectedBounds |= QRect(x, y, 1, 1);
    QCOMPARE(bounds, expectedBounds);
}

void FloodFillTest::fillEqualsSeedDoesNothing() {
    QImage image = blankGridPicture();
    const QImage shared = image;
    QVERIFY(floodFill(image, QPoint(45, 45), White).isEmpty());
    QVERIFY(floodFill(image, QPoint(30, 45), GridLineColor & 0x00ffffff).isEmpty());
    // returned before touching the pixels: the data is still shared, not copied
    QCOMPARE(image.constBits(), shared.constBits());
}

void FloodFillTest::seedOutside_data() {
    QTest::addColumn<QPoint>("seed");
    QTest::newRow("left") << QPoint(-1, 5);
    QTest::newRow("above") << QPoint(5, -1);
    QTest::newRow("right") << QPoint(720, 5);
    QTest::newRow("below") << QPoint(5, 720);
    QTest::newRow("far away") << QPoint(-100000, 100000);
}

void FloodFillTest::seedOutside() {
    QFETCH(QPoint, seed);
    QImage image = blankGridPicture();
    QVERIFY(floodFill(image, seed, Paint).isEmpty());
    QCOMPARE(image, blankGridPicture());
}

// Random two-colour pictures around the density where the region stops
// percolating, large enough that the fill works band by band.
void FloodFillTest::noiseMatchesReference_data() {
    QTest::addColumn<int>("percent");
    QTest::newRow("50 %") << 50;
    QTest::newRow("60 %") << 60;
    QTest::newRow("65 %") << 65;
    QTest::newRow("80 %") << 80;
}

void FloodFillTest::noiseMatchesReference() {
    QFETCH(int, percent);
    QImage image(1400, 900, QImage::Format_RGB32);
    QRandomGenerator rng{quint32(percent)};
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = int(rng.bounded(100)) < percent ? White : Wall;
    }
    const QPoint seed(700, 450);
    image.setPixel(seed, White);
    const QImage expected = referenceFill(image, seed, Paint);

    const QRect bounds = floodFill(image, seed, Paint);

    QCOMPARE(image, expected);
    QRect painted;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (expected.pixel(x, y) == Paint)
                painted |= QRect(x, y, 1, 1);
    QCOMPARE(bounds, painted);
}

// One corridor snaking through every column of a 4096 x 4096 picture: a fill
// that recursed per pixel, or kept a pixel stack, would need millions of
// levels; the span fill must paint all of it.
void FloodFillTest::largeSerpentine() {
    constexpr int N = 4096;
    QImage image(N, N, QImage::Format_RGB32);
    image.fill(White);
    // walls on the odd columns, open alternately at the bottom and the top
    for (int y = 0; y < N; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 1; x < N; x += 2)
            if (y != ((x / 2) % 2 == 0 ? N - 1 : 0))
                row[x] = Wall;
    }
    const int walls = N / 2 * (N - 1);

    QCOMPARE(floodFill(image, QPoint(0, 0), Paint), QRect(0, 0, N, N));
    QCOMPARE(countPixels(image, Paint), N * N - walls);
    QCOMPARE(countPixels(image, White), 0);
}

VELLUM_TEST(FloodFillTest);
#include "tst_floodfill.moc"
