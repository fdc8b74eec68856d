#include "tiles/ArtPainting.h"

#include <QPainterPath>
#include <array>

namespace vellum::art {

namespace {

unsigned mix(unsigned v) {
    v ^= v >> 16;
    v *= 0x7feb352du;
    v ^= v >> 15;
    v *= 0x846ca68bu;
    v ^= v >> 16;
    return v;
}

int wrap(int v) {
    return ((v % kCell) + kCell) % kCell;
}

// Flagstones of mixed sizes tiling the 30-pixel torus, given in a frame
// shifted off the cell so that no joint runs along a cell edge.
struct Stone {
    int u, v, w, h, tone;
};
constexpr std::array<Stone, 11> kStones{{{0, 0, 12, 9, 0},
                                         {12, 0, 10, 9, -6},
                                         {22, 0, 8, 14, 4},
                                         {0, 9, 7, 11, -3},
                                         {7, 9, 15, 6, 6},
                                         {22, 14, 8, 9, -7},
                                         {7, 15, 8, 8, 3},
                                         {15, 15, 7, 8, -2},
                                         {0, 20, 7, 10, 5},
                                         {7, 23, 12, 7, -5},
                                         {19, 23, 11, 7, 2}}};
constexpr int kShiftX = 2, kShiftY = 4;

QRgb stonePixel(int x, int y) {
    const int u = wrap(x - kShiftX), v = wrap(y - kShiftY);
    for (const Stone& s : kStones) {
        if (u < s.u || u >= s.u + s.w || v < s.v || v >= s.v + s.h)
            continue;
        const int du = u - s.u, dv = v - s.v;
        if (du == 0 || dv == 0)
            return shade(qRgb(170, 168, 163), pixelNoise(x, y, 5, 3));
        int d = s.tone + pixelNoise(x, y, 1, 4);
        d += (du == 1 || dv == 1) ? 6 : 0;
        d -= (du == s.w - 1 || dv == s.h - 1) ? 4 : 0;
        if ((mix(unsigned(x * 31 + y) * 2654435761u) & 63) == 0)
            d -= 14; // a sparse fleck in the stone
        return shade(qRgb(196, 195, 190), d);
    }
    return qRgb(196, 195, 190);
}

} // namespace

int pixelNoise(int x, int y, unsigned seed, int amplitude) {
    if (amplitude <= 0)
        return 0;
    const unsigned h = mix(unsigned(x) * 0x9e3779b1u ^ mix(unsigned(y) + seed * 0x85ebca6bu));
    return int(h % unsigned(2 * amplitude + 1)) - amplitude;
}

QRgb shade(QRgb colour, int delta) {
    auto c = [delta](int v) { return qBound(0, v + delta, 255); };
    return qRgb(c(qRed(colour)), c(qGreen(colour)), c(qBlue(colour)));
}

QImage stoneFloorPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = stonePixel(wrap(x), wrap(y));
    }
    return image;
}

void paintEdgeWalls(QPainter& p, QPoint cell, unsigned edges) {
    const int x = cell.x(), y = cell.y();
    if (edges & North)
        p.fillRect(x, y, kCell, kWall, kWallColour);
    if (edges & South)
        p.fillRect(x, y + kCell - kWall, kCell, kWall, kWallColour);
    if (edges & West)
        p.fillRect(x, y, kWall, kCell, kWallColour);
    if (edges & East)
        p.fillRect(x + kCell - kWall, y, kWall, kCell, kWallColour);
}

QPolygonF diagonalBand(Diagonal diagonal, QPointF o) {
    // Runs a little past both corners; the cell clip cuts it square.
    const double w = kWall, c = kCell, r = kWall;
    if (diagonal == Diagonal::Falling)
        return QPolygonF({o + QPointF(-r, -r - w), o + QPointF(c + r + w, c + r),
                          o + QPointF(c + r, c + r + w), o + QPointF(-r - w, -r)});
    return QPolygonF({o + QPointF(-r - w, c + r), o + QPointF(c + r, -r - w),
                      o + QPointF(c + r + w, -r), o + QPointF(-r, c + r + w)});
}

void paintDiagonalWall(QPainter& p, Diagonal diagonal, QPointF origin) {
    p.save();
    p.setClipRect(QRectF(origin, QSizeF(kCell, kCell)), Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kWallColour);
    p.drawPolygon(diagonalBand(diagonal, origin));
    p.restore();
}

void paintDoorLeaf(QPainter& p, const QRect& leaf) {
    p.fillRect(leaf, kWallColour);
    p.fillRect(leaf.adjusted(1, 1, -1, -1), kLeafColour);
}

void paintDiagonalLeaf(QPainter& p, Diagonal diagonal, QPointF origin) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(origin + QPointF(kCell / 2.0, kCell / 2.0));
    p.rotate(diagonal == Diagonal::Falling ? 45 : -45);
    p.setPen(QPen(kWallColour, 1.2));
    p.setBrush(kLeafColour);
    p.drawRect(QRectF(-7.5, -3, 15, 6));
    p.restore();
}

void paintSecretMark(QPainter& p, QPointF centre) {
    QPainterPath s;
    s.moveTo(3.6, -4.2);
    s.cubicTo(2.6, -6.6, -3.6, -6.8, -3.6, -3.1);
    s.cubicTo(-3.6, 0.0, 3.6, -0.2, 3.6, 3.1);
    s.cubicTo(3.6, 6.8, -2.8, 6.8, -3.8, 4.2);
    s.translate(centre);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLeafColour, 5.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(s);
    p.setPen(QPen(kWallColour, 2.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(s);
    p.restore();
}

} // namespace vellum::art
