#include "TestImages.h"
#include "TestRegistry.h"

#include "canvas/Raster.h"

#include <QTest>

#include <functional>

using namespace vellum;
using namespace vellum::raster;

namespace {

constexpr QRgb White = 0xffffffff;
constexpr QRgb Ink = 0xff102080;
constexpr QRgb Red = 0xffe01010;

using Draw = std::function<QRect(QImage&, DrawMode)>;

QImage patterned(int w, int h) {
    return patternedImage({w, h});
}
QImage blank(int w, int h) {
    return solidImage({w, h}, White);
}

QString rowArt(const QImage& image, int y) {
    QString s;
    for (int x = 0; x < image.width(); ++x)
        s += image.pixel(x, y) == White ? '.' : '#';
    return s;
}

Pen pen(LineStyle style = LineStyle::Solid, int width = 1, QRgb colour = Ink) {
    return {colour, style, width, DrawMode::Copy};
}

Pen withMode(Pen p, DrawMode mode) {
    p.mode = mode;
    return p;
}

QFont testFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(16);
    f.setBold(true);
    return f;
}

} // namespace

Q_DECLARE_METATYPE(Draw)

class RasterTest : public QObject {
    Q_OBJECT
private slots:
    void lineStyles_data();
    void lineStyles();
    void fillStyles_data();
    void fillStyles();
    void boxOutlineOverFill();
    void invertTwiceRestores_data();
    void invertTwiceRestores();
    void circleGeometry_data();
    void circleGeometry();
    void pointSize_data();
    void pointSize();
    void clipping_data();
    void clipping();
    void textGlyphsOnly();
};

void RasterTest::lineStyles_data() {
    QTest::addColumn<LineStyle>("style");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("rows"); // rows 1 to 3 of the 40 x 5 image

    const QString none(40, '.');
    const QString full(40, '#');
    QTest::newRow("solid") << LineStyle::Solid << 1 << QStringList{none, full, none};
    QTest::newRow("dashes") << LineStyle::Dash << 1
                            << QStringList{none, "############......############......####", none};
    QTest::newRow("dots") << LineStyle::Dot << 1
                          << QStringList{none, "###...###...###...###...###...###...###.", none};
    QTest::newRow("dash-dot") << LineStyle::DashDot << 1
                              << QStringList{none, "#########.....###.....#########.....###.",
                                             none};
    QTest::newRow("dash-dot-dot") << LineStyle::DashDotDot << 1
                                  << QStringList{none, "#########...###...###...#########...###.",
                                                 none};
    QTest::newRow("invisible") << LineStyle::Invisible << 1 << QStringList{none, none, none};
    QTest::newRow("width 2 dashes are solid")
        << LineStyle::Dash << 2 << QStringList{full, full, none};
    QTest::newRow("width 3 dots are solid") << LineStyle::Dot << 3 << QStringList{full, full, full};
    QTest::newRow("width 3 invisible")
        << LineStyle::Invisible << 3 << QStringList{none, none, none};
}

void RasterTest::lineStyles() {
    QFETCH(LineStyle, style);
    QFETCH(int, width);
    QFETCH(QStringList, rows);
    const QImage before = blank(40, 5);
    QImage image = before;

    const QRect damaged = drawLine(image, QPointF(0, 2), QPointF(39, 2), pen(style, width));

    QCOMPARE((QStringList{rowArt(image, 1), rowArt(image, 2), rowArt(image, 3)}), rows);
    QCOMPARE(rowArt(image, 0), QString(40, '.'));
    QCOMPARE(rowArt(image, 4), QString(40, '.'));
    QCOMPARE(damaged, changedBounds(before, image));
}

void RasterTest::fillStyles_data() {
    QTest::addColumn<FillStyle>("style");
    QTest::addColumn<QStringList>("tile"); // the 8 x 8 pattern at the image origin

    const QStringList none(8, QString(8, '.'));
    QTest::newRow("solid") << FillStyle::Solid << QStringList(8, QString(8, '#'));
    QTest::newRow("transparent") << FillStyle::Transparent << none;
    QTest::newRow("horizontal") << FillStyle::HorizontalLine
                                << QStringList{"########", "........", "........", "........",
                                               "........", "........", "........", "........"};
    QTest::newRow("vertical") << FillStyle::VerticalLine
                              << QStringList{"#.......", "#.......", "#.......", "#.......",
                                             "#.......", "#.......", "#.......", "#......."};
    QTest::newRow("upward diagonal")
        << FillStyle::UpwardDiagonal << QStringList{"#.......", ".......#", "......#.", ".....#..",
                                                    "....#...", "...#....", "..#.....", ".#......"};
    QTest::newRow("downward diagonal")
        << FillStyle::DownwardDiagonal
        << QStringList{"#.......", ".#......", "..#.....", "...#....",
                       "....#...", ".....#..", "......#.", ".......#"};
    QTest::newRow("cross") << FillStyle::Cross
                           << QStringList{"########", "#.......", "#.......", "#.......",
                                          "#.......", "#.......", "#.......", "#......."};
    QTest::newRow("diagonal cross")
        << FillStyle::DiagonalCross << QStringList{"#.......", ".#.....#", "..#...#.", "...#.#..",
                                                   "....#...", "...#.#..", "..#...#.", ".#.....#"};
}

// The interior shows the pattern in the fill colour, keyed to image
// coordinates, and the canvas in the gaps; nothing outside the box changes.
void RasterTest::fillStyles() {
    QFETCH(FillStyle, style);
    QFETCH(QStringList, tile);
    const QImage before = patterned(40, 40);
    QImage image = before;
    const QRect box(QPoint(3, 5), QPoint(29, 34));

    const QRect damaged = drawBox(image, box.bottomRight(), box.topLeft(),
                                  pen(LineStyle::Invisible), Fill{Red, style});

    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool hatch = box.contains(x, y) && tile[y % 8][x % 8] == '#';
            if (image.pixel(x, y) != (hatch ? Red : before.pixel(x, y)))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
        }
    QCOMPARE(damaged, changedBounds(before, image));
}

void RasterTest::boxOutlineOverFill() {
    const QImage before = patterned(30, 30);
    for (const int width : {1, 3}) {
        QImage image = before;
        const QRect damaged = drawBox(image, QPointF(20, 4), QPointF(5, 15),
                                      pen(LineStyle::Solid, width), Fill{Red, FillStyle::Solid});
        const QRect box(QPoint(5, 4), QPoint(20, 15));
        const int lo = -(width / 2), hi = lo + width - 1;
        const QRect outer = box.adjusted(lo, lo, hi, hi);
        const QRect inner = box.adjusted(hi + 1, hi + 1, lo - 1, lo - 1);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x) {
                const QRgb expected = inner.contains(x, y)   ? Red
                                      : outer.contains(x, y) ? Ink
                                                             : before.pixel(x, y);
                if (image.pixel(x, y) != expected)
                    QFAIL(qPrintable(
                        QStringLiteral("width %1 pixel (%2, %3)").arg(width).arg(x).arg(y)));
            }
        QCOMPARE(damaged, outer);
    }
}

void RasterTest::invertTwiceRestores_data() {
    QTest::addColumn<Draw>("draw");
    const Fill solid{Red, FillStyle::Solid};
    const Fill hatched{Red, FillStyle::DiagonalCross};
    auto line = [](QPointF a, QPointF b, Pen p) {
        return Draw([=](QImage& i, DrawMode m) { return drawLine(i, a, b, withMode(p, m)); });
    };
    auto box = [](QPointF a, QPointF b, Pen p, Fill f) {
        return Draw([=](QImage& i, DrawMode m) { return drawBox(i, a, b, withMode(p, m), f); });
    };
    auto circle = [](QPointF c, double r, Pen p, Fill f) {
        return Draw([=](QImage& i, DrawMode m) { return drawCircle(i, c, r, withMode(p, m), f); });
    };
    auto point = [](QPointF at, Pen p) {
        return Draw([=](QImage& i, DrawMode m) { return drawPoint(i, at, withMode(p, m)); });
    };
    QTest::newRow("line") << line({10, 10}, {100, 40}, pen());
    QTest::newRow("steep dashed line") << line({70.4, 3.5}, {52.5, 77}, pen(LineStyle::DashDot));
    QTest::newRow("wide line") << line({5, 70}, {110, 20}, pen(LineStyle::Dash, 7));
    QTest::newRow("box with fill") << box({12, 8}, {90, 60}, pen(), solid);
    QTest::newRow("wide box, hatched") << box({90, 60}, {12, 8}, pen(LineStyle::Solid, 5), hatched);
    QTest::newRow("dotted box, no fill") << box({12, 8}, {90, 60}, pen(LineStyle::Dot), {});
    QTest::newRow("circle with fill") << circle({60, 40}, 25, pen(), solid);
    QTest::newRow("wide dashed circle") << circle({60, 40}, 30.5, pen(LineStyle::Dash, 4), hatched);
    QTest::newRow("dashed circle") << circle({60, 40}, 30, pen(LineStyle::DashDotDot), {});
    QTest::newRow("point") << point({33, 44}, pen());
    QTest::newRow("wide point") << point({33, 44}, pen(LineStyle::Solid, 6));
    QTest::newRow("box past the edges")
        << box({-20, -20}, {200, 50}, pen(LineStyle::Solid, 3), solid);
    QTest::newRow("circle past the edge")
        << circle({110, 10}, 40, pen(LineStyle::Solid, 2), hatched);
    QTest::newRow("text") << Draw([](QImage& i, DrawMode m) {
        return drawText(i, QPointF(8, 20), QStringLiteral("Gate W\nRoom 12"), testFont(), Ink, m);
    });
}

// Drawing in invert mode inverts exactly the pixels the shape covers in copy
// mode, once each, so the same call twice gives the image back bit for bit.
void RasterTest::invertTwiceRestores() {
    QFETCH(Draw, draw);
    const QImage before = patterned(120, 90);

    QImage copied = before;
    const QRect copyDamage = draw(copied, DrawMode::Copy);
    QImage inverted = before;
    const QRect invertDamage = draw(inverted, DrawMode::Invert);

    QVERIFY(!invertDamage.isEmpty());
    QCOMPARE(copyDamage, changedBounds(before, copied));
    QCOMPARE(invertDamage, changedBounds(before, inverted));
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            const QRgb was = before.pixel(x, y);
            const bool covered = copied.pixel(x, y) != was;
            if (inverted.pixel(x, y) != (covered ? was ^ 0x00ffffff : was))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
        }

    QCOMPARE(draw(inverted, DrawMode::Invert), invertDamage);
    QCOMPARE(inverted, before);
}

void RasterTest::circleGeometry_data() {
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<double>("radius");
    QTest::addColumn<int>("width");
    QTest::addColumn<QRect>("bounds");
    QTest::newRow("r 20") << QPointF(60, 30) << 20.0 << 1 << QRect(40, 10, 41, 41);
    QTest::newRow("halves to even") << QPointF(60.5, 29.5) << 20.5 << 1 << QRect(40, 10, 41, 41);
    QTest::newRow("r 0 is a pixel") << QPointF(7, 8) << 0.0 << 1 << QRect(7, 8, 1, 1);
    QTest::newRow("width 3") << QPointF(60, 30) << 20.0 << 3 << QRect(39, 9, 43, 43);
    QTest::newRow("width 4") << QPointF(60, 30) << 20.0 << 4 << QRect(38, 8, 45, 45);
}

// The outline passes through the four points at the radius (for a wide pen,
// the ring is `width` pixels thick there), symmetric about the centre.
void RasterTest::circleGeometry() {
    QFETCH(QPointF, centre);
    QFETCH(double, radius);
    QFETCH(int, width);
    QFETCH(QRect, bounds);
    const QImage before = blank(120, 60);
    QImage image = before;

    const QRect damaged = drawCircle(image, centre, radius, pen(LineStyle::Solid, width), {});

    QCOMPARE(damaged, bounds);
    QCOMPARE(changedBounds(before, image), bounds);
    const QPoint m = bounds.center();
    const int r = bounds.width() / 2;
    for (int y = bounds.top(); y <= bounds.bottom(); ++y)
        for (int x = bounds.left(); x <= bounds.right(); ++x) {
            const QPoint mirrored(2 * m.x() - x, 2 * m.y() - y),
                swapped(m.x() + y - m.y(), m.y() + x - m.x());
            QCOMPARE(image.pixel(x, y), image.pixel(mirrored));
            QCOMPARE(image.pixel(x, y), image.pixel(swapped));
        }
    // thickness along the horizontal radius
    int thick = 0;
    for (int x = m.x(); x <= bounds.right(); ++x)
        thick += image.pixel(x, m.y()) == Ink;
    QCOMPARE(thick, r == 0 ? 1 : width);
}

void RasterTest::pointSize_data() {
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<int>("width");
    QTest::addColumn<QRect>("dot");
    QTest::newRow("width 1") << QPointF(20, 20) << 1 << QRect(20, 20, 1, 1);
    QTest::newRow("width 2") << QPointF(20, 20) << 2 << QRect(19, 19, 2, 2);
    QTest::newRow("width 3") << QPointF(20, 20) << 3 << QRect(19, 19, 3, 3);
    QTest::newRow("width 6") << QPointF(20, 20) << 6 << QRect(17, 17, 6, 6);
    QTest::newRow("width 9") << QPointF(20, 20) << 9 << QRect(16, 16, 9, 9);
    QTest::newRow("half rounds to even") << QPointF(10.5, 11.5) << 1 << QRect(10, 12, 1, 1);
    QTest::newRow("nearest") << QPointF(10.6, 11.4) << 1 << QRect(11, 11, 1, 1);
}

void RasterTest::pointSize() {
    QFETCH(QPointF, at);
    QFETCH(int, width);
    QFETCH(QRect, dot);
    const QImage before = blank(40, 40);
    QImage image = before;

    QCOMPARE(drawPoint(image, at, pen(LineStyle::Solid, width)), dot);

    QCOMPARE(changedBounds(before, image), dot);
    // round for wide pens: the middle row and column are full, the corners open
    const QPoint mid = dot.center();
    QCOMPARE(rowArt(image, mid.y()).count('#'), width);
    if (width >= 4)
        QCOMPARE(image.pixel(dot.topLeft()), White);
}

void RasterTest::clipping_data() {
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<QRect>("damaged");
    auto line = [](QPointF a, QPointF b, int w) {
        return Draw(
            [=](QImage& i, DrawMode) { return drawLine(i, a, b, pen(LineStyle::Solid, w)); });
    };
    const Fill solid{Red, FillStyle::Solid};
    QTest::newRow("line across") << line({-50, -50}, {200, 200}, 1) << QRect(0, 0, 40, 40);
    QTest::newRow("end points included") << line({10, 10}, {50, 30}, 1) << QRect(10, 10, 41, 21);
    QTest::newRow("huge coordinates") << line({-1e12, 5}, {1e12, 5}, 3) << QRect(0, 4, 60, 3);
    QTest::newRow("not a number") << line({qQNaN(), 5}, {10, 5}, 1) << QRect(0, 5, 11, 1);
    QTest::newRow("line outside") << line({-10, -5}, {70, -5}, 4) << QRect();
    QTest::newRow("box outside") << Draw([=](QImage& i, DrawMode) {
        return drawBox(i, {61, 0}, {90, 39}, pen(), solid);
    }) << QRect();
    QTest::newRow("box around the image") << Draw([=](QImage& i, DrawMode) {
        return drawBox(i, {-1, -1}, {60, 40}, pen(), solid);
    }) << QRect(0, 0, 60, 40);
    QTest::newRow("circle outside") << Draw([=](QImage& i, DrawMode) {
        return drawCircle(i, {-1000, -1000}, 10, pen(), solid);
    }) << QRect();
    QTest::newRow("huge circle") << Draw([=](QImage& i, DrawMode) {
        return drawCircle(i, {30, 20}, 1e9, pen(LineStyle::Solid, 5), solid);
    }) << QRect(0, 0, 60, 40);
    QTest::newRow("point outside") << Draw([](QImage& i, DrawMode) {
        return drawPoint(i, {-3, 10}, pen(LineStyle::Solid, 5));
    }) << QRect();
    QTest::newRow("wide point at the edge") << Draw([](QImage& i, DrawMode) {
        return drawPoint(i, {-1, 10}, pen(LineStyle::Solid, 5));
    }) << QRect(0, 8, 2, 5);
    QTest::newRow("text outside") << Draw([](QImage& i, DrawMode) {
        return drawText(i, {70, 10}, QStringLiteral("far"), testFont(), Ink, DrawMode::Copy);
    }) << QRect();
}

void RasterTest::clipping() {
    QFETCH(Draw, draw);
    QFETCH(QRect, damaged);
    const QImage before = blank(60, 40);
    QImage image = before;
    QCOMPARE(draw(image, DrawMode::Copy), damaged);
    QCOMPARE(changedBounds(before, image), damaged);
}

// Glyph pixels take the colour, the background between them keeps the
// canvas, and the first line's top-left corner sits at the given point.
void RasterTest::textGlyphsOnly() {
    const QImage before = patterned(120, 60);
    QImage image = before;
    const QRect damaged =
        drawText(image, QPointF(10, 12), QStringLiteral("HH"), testFont(), Ink, DrawMode::Copy);

    QCOMPARE(damaged, changedBounds(before, image));
    int glyph = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != before.pixel(x, y)) {
                QCOMPARE(image.pixel(x, y), Ink);
                ++glyph;
            }
    // "H" has stems and a bar: far fewer glyph pixels than its box
    QVERIFY(glyph > 20);
    QVERIFY(glyph < damaged.width() * damaged.height() * 3 / 4);
    // bold 16-pixel capitals start a pixel or two right of and below the point
    QVERIFY(damaged.left() >= 10 && damaged.left() <= 13);
    QVERIFY(damaged.top() >= 12 && damaged.top() <= 17);
    QVERIFY(damaged.height() >= 10 && damaged.height() <= 14);
}

VELLUM_TEST(RasterTest);
#include "tst_raster.moc"
