#include "tiles/TileArt.h"

#include "tiles/ArtPainting.h"

#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <numbers>

// Tile Set 2: brush, a bush, roofs (RoofArt.cpp), earth and thick walls.
namespace vellum::art {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kOut = 3;
constexpr double kFar = kCell + kOut;

// Brush outlines lie kBrushDepth from the outside edge and bulge outwards in
// scallops of 10 pixels, whose cusps fall on the cell edges; a corner is a
// scalloped quarter circle round the inner corner of its cell. Drawn once for
// outside-north (edges) and outside-north-west (corners), then turned.
constexpr double kBrushDepth = 9;
constexpr double kBump = 2.2;

double scallop(double t) {
    return kBump * std::abs(std::sin(kPi * t / 10));
}

QPolygonF brushEdgeOutline() {
    QPolygonF line;
    for (double x = -kOut; x <= kFar + 1e-9; x += 0.25)
        line << QPointF(x, kBrushDepth - scallop(x));
    return line;
}

QPolygonF brushCornerOutline() {
    QPolygonF line;
    for (double y = kFar; y > kCell; y -= 0.25)
        line << QPointF(kBrushDepth - scallop(y - kCell), y);
    const double radius = kCell - kBrushDepth;
    for (int i = 0; i <= 120; ++i) {
        const double a = kPi / 2 * i / 120;
        const double r = radius + kBump * std::abs(std::sin(6 * a));
        line << QPointF(kCell - r * std::cos(a), kCell - r * std::sin(a));
    }
    for (double x = kCell + 0.25; x <= kFar + 1e-9; x += 0.25)
        line << QPointF(x, kBrushDepth - scallop(x - kCell));
    return line;
}

// A tuft of three blades standing on base.
void paintTuft(QPainter& p, QPointF base) {
    p.drawLine(base, base + QPointF(-2.2, -3.2));
    p.drawLine(base, base + QPointF(0, -4.2));
    p.drawLine(base, base + QPointF(2.2, -3.2));
}

const QPointF kTufts[] = {{7, 25}, {21, 22}, {13, 15}, {25, 11}, {6, 10}};
const QColor kBrushGround(174, 174, 166);
const QColor kTuftColour(78, 82, 72);

QImage brushPicture(const QPolygonF& outline, const QPolygonF& inside, bool oneTuft) {
    QImage image(kCell, kCell, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setClipRect(QRect(0, 0, kCell, kCell));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kBrushGround);
    p.drawPolygon(inside);
    p.setPen(QPen(kTuftColour, 1, Qt::SolidLine, Qt::RoundCap));
    if (oneTuft) {
        paintTuft(p, QPointF(15, 18));
    } else {
        // Tufts keep clear of the outline and of the cell edges.
        for (QPointF t : kTufts) {
            bool clear = true;
            for (QPointF d : {QPointF(-3.5, -6), QPointF(3.5, -6), QPointF(-3.5, 1.5),
                              QPointF(3.5, 1.5), QPointF(0, -7)})
                clear = clear && inside.containsPoint(t + d, Qt::OddEvenFill);
            if (clear)
                paintTuft(p, t);
        }
    }
    if (!outline.isEmpty()) {
        p.setPen(QPen(kWallColour, 1.6, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(outline);
    }
    return image;
}

QImage brushTile(bool corner, const QTransform& turn) {
    QPolygonF outline = corner ? brushCornerOutline() : brushEdgeOutline();
    QPolygonF inside = outline;
    inside << QPointF(kFar, kFar) << QPointF(corner ? kFar : -kOut, kFar);
    return brushPicture(turn.map(outline), turn.map(inside), false);
}

QImage brushFill() {
    return brushPicture({}, QPolygonF(QRectF(-kOut, -kOut, kCell + 2 * kOut, kCell + 2 * kOut)),
                        true);
}

QImage smallBush() {
    QImage image(kCell, kCell, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    struct Lobe {
        double x, y, r;
    };
    const Lobe lobes[] = {{15, 10.5, 4.6}, {10, 13.5, 4.6},   {20, 14, 4.8},
                          {12, 19, 4.6},   {18.5, 19.5, 4.6}, {15, 15, 5}};
    QPainterPath bush;
    for (const Lobe& l : lobes) {
        QPainterPath c;
        c.addEllipse(QPointF(l.x, l.y), l.r, l.r);
        bush = bush.united(c);
    }
    p.setPen(QPen(QColor(24, 62, 58), 1.3));
    p.setBrush(QColor(62, 128, 118));
    p.drawPath(bush);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(112, 176, 160));
    for (const Lobe& l : lobes)
        p.drawEllipse(QPointF(l.x - 1.4, l.y - 1.6), 1.6, 1.3);
    return image;
}

// Dry cracked earth; the cracks are laid out on the 30-pixel torus and drawn
// once per neighbouring period so they run on across the cell edges.
QImage earthFloor() {
    QImage image(kCell, kCell, QImage::Format_RGB32);
    constexpr double tau = 2 * kPi;
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            const double blotch = 6 * std::sin(tau * x / kCell + 1) * std::cos(tau * 2 * y / kCell);
            image.setPixel(
                x, y,
                shade(qRgb(170, 140, 104), int(std::lround(blotch)) + pixelNoise(x, y, 23, 5)));
        }
    const QPolygonF cracks[] = {
        QPolygonF({{2, 20}, {8, 17}, {14, 19}, {19, 15}, {26, 17}, {32, 20}}),
        QPolygonF({{19, 15}, {21, 9}, {18, 3}, {15, -1}, {12, -6}, {14, -11}}),
        QPolygonF({{8, 17}, {6, 11}, {8, 6}}),
        QPolygonF({{26, 17}, {27, 23}, {24, 28}}),
    };
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int dy = -kCell; dy <= kCell; dy += kCell)
        for (int dx = -kCell; dx <= kCell; dx += kCell)
            for (const QPolygonF& c : cracks) {
                p.setPen(QPen(QColor(104, 80, 54), 1.1, Qt::SolidLine, Qt::RoundCap));
                p.drawPolyline(c.translated(dx, dy));
                p.setPen(QPen(QColor(196, 170, 134), 0.8, Qt::SolidLine, Qt::RoundCap));
                p.drawPolyline(c.translated(dx + 0.9, dy + 0.9));
            }
    p.setPen(QPen(QColor(120, 96, 70), 0.8));
    p.setBrush(QColor(192, 168, 136));
    p.drawEllipse(QPointF(24.5, 6.5), 1.8, 1.4);
    p.drawEllipse(QPointF(6.5, 26.5), 1.4, 1.1);
    p.drawEllipse(QPointF(13.5, 10), 1.0, 0.9);
    return image;
}

// Wall2: a band 10 pixels thick centred in the cell, running out to each of
// the given edges; its rim is black wherever the band meets the ground.
enum class Door { None, Across, Upright };

QImage thickWall(unsigned arms, Door door = Door::None) {
    constexpr int a = 10, b = 20;
    auto inBand = [&](int x, int y) {
        const bool row = y >= a && y < b, column = x >= a && x < b;
        bool in = ((arms & North) && column && y < b) || ((arms & South) && column && y >= a) ||
                  ((arms & West) && row && x < b) || ((arms & East) && row && x >= a);
        if (door == Door::Across && x >= 9 && x < 21 && y >= 0 && y < kCell)
            in = false;
        if (door == Door::Upright && y >= 9 && y < 21 && x >= 0 && x < kCell)
            in = false;
        return in;
    };
    QImage image = stoneFloorPicture(kCell, kCell);
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            if (!inBand(x, y))
                continue;
            const bool rim =
                !(inBand(x - 1, y) && inBand(x + 1, y) && inBand(x, y - 1) && inBand(x, y + 1));
            // Masonry courses along each arm; the crossing square stays plain.
            const bool across = (x < a || x >= b) && y >= a && y < b;
            const bool upright = (y < a || y >= b) && x >= a && x < b;
            const int along = across ? x : y, depth = (across ? y : x) - a;
            const bool joint =
                (across || upright) && (depth == 5 || (along % 10 == (depth < 5 ? 4 : 9)));
            const int tone = joint ? -18 : pixelNoise(x, y, 31, 4);
            image.setPixel(x, y, rim ? qRgb(0, 0, 0) : shade(qRgb(100, 100, 104), tone));
        }
    if (door != Door::None) {
        QPainter p(&image);
        paintDoorLeaf(p, door == Door::Across ? QRect(8, 12, 14, 6) : QRect(12, 8, 6, 14));
    }
    return image;
}

const QTransform kIdentity;
const QTransform kFlipH(-1, 0, 0, 1, kCell, 0);
const QTransform kFlipV(1, 0, 0, -1, 0, kCell);
const QTransform kTurn(-1, 0, 0, -1, kCell, kCell);
const QTransform kTranspose(0, 1, 1, 0, 0, 0);
const QTransform kToEast(0, 1, -1, 0, kCell, 0);

} // namespace

QImage townTile(int command) {
    switch (command) {
    case 5:
        return brushTile(false, kIdentity);
    case 13:
        return brushTile(false, kFlipV);
    case 7:
        return brushTile(false, kTranspose);
    case 14:
        return brushTile(false, kToEast);
    case 6:
        return brushTile(true, kIdentity);
    case 15:
        return brushTile(true, kFlipH);
    case 2:
        return brushTile(true, kFlipV);
    case 4:
        return brushTile(true, kTurn);
    case 1:
        return brushFill();
    case 22:
        return smallBush();
    case 3:
        return earthFloor();
    case 17:
        return thickWall(North | South | West | East);
    case 25:
    case 26:
        return thickWall(North | West);
    case 24:
        return thickWall(West | East);
    case 31:
        return thickWall(South | East);
    case 27:
        return thickWall(South | West);
    case 28:
        return thickWall(North | South);
    case 29:
        return thickWall(North | East);
    case 30:
        return thickWall(West | East, Door::Across);
    case 32:
        return thickWall(North | South, Door::Upright);
    case 33:
        return thickWall(North | West | East);
    case 34:
        return thickWall(North | South | West);
    case 35:
        return thickWall(South | West | East);
    case 36:
        return thickWall(North | South | East);
    default:
        return roofPiece(command);
    }
}

} // namespace vellum::art
