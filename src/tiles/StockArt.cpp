#include "tiles/TileArt.h"

#include "tiles/ArtPainting.h"

#include <QLinearGradient>
#include <QTransform>

// The stock door, secret-door and stairs pictures of the door and stairs
// options. They share the floor and the wall geometry of Tile Set 1, so a door
// stamped into a run of walls continues them.
namespace vellum::art {

namespace {

// Door openings are centred on the cell edge: a single leaf of 14 pixels, or
// two leaves of 10 pixels each.
QRect leafAlong(unsigned edge, int from, int length) {
    const int depth = kWall + 3;
    switch (edge) {
    case North:
        return QRect(from, 0, length, depth);
    case South:
        return QRect(from, kCell - depth, length, depth);
    case West:
        return QRect(0, from, depth, length);
    default:
        return QRect(kCell - depth, from, depth, length);
    }
}

QImage doorPicture(unsigned edge, bool twoLeaves) {
    QImage image = stoneFloorPicture(kCell, kCell);
    QPainter p(&image);
    paintEdgeWalls(p, QPoint(0, 0), edge);
    if (twoLeaves) {
        paintDoorLeaf(p, leafAlong(edge, 5, 10));
        paintDoorLeaf(p, leafAlong(edge, 15, 10));
    } else {
        paintDoorLeaf(p, leafAlong(edge, 8, 14));
    }
    return image;
}

QImage diagonalDoorPicture(Diagonal diagonal, bool secret) {
    QImage image = stoneFloorPicture(kCell, kCell);
    QPainter p(&image);
    paintDiagonalWall(p, diagonal, QPointF(0, 0));
    if (secret)
        paintSecretMark(p, QPointF(kCell / 2.0, kCell / 2.0));
    else
        paintDiagonalLeaf(p, diagonal, QPointF(0, 0));
    return image;
}

// Two cells with the wall between them: the walls of both cells on their
// shared edge, marked in the middle with an S.
QImage secretPicture(bool stacked) {
    QImage image = stoneFloorPicture(stacked ? kCell : 2 * kCell, stacked ? 2 * kCell : kCell);
    QPainter p(&image);
    if (stacked) {
        paintEdgeWalls(p, QPoint(0, 0), South);
        paintEdgeWalls(p, QPoint(0, kCell), North);
    } else {
        paintEdgeWalls(p, QPoint(0, 0), East);
        paintEdgeWalls(p, QPoint(kCell, 0), West);
    }
    paintSecretMark(p, QPointF(image.width() / 2.0, image.height() / 2.0));
    return image;
}

QImage stairsPicture(StairsDown down) {
    const bool upright = down == StairsDown::North || down == StairsDown::South;
    QImage image = stoneFloorPicture(upright ? kCell : 2 * kCell, upright ? 2 * kCell : kCell);
    QPainter p(&image);
    paintStairs(p, down, 2 * kCell);
    return image;
}

struct Stock {
    const char* name;
    QImage (*make)();
};

const Stock kStock[] = {
    {"picdn", [] { return doorPicture(North, false); }},
    {"picds", [] { return doorPicture(South, false); }},
    {"picDe", [] { return doorPicture(East, false); }},
    {"picdw", [] { return doorPicture(West, false); }},
    {"picddn", [] { return doorPicture(North, true); }},
    {"picdds", [] { return doorPicture(South, true); }},
    {"picdde", [] { return doorPicture(East, true); }},
    {"picddw", [] { return doorPicture(West, true); }},
    {"picdne", [] { return diagonalDoorPicture(Diagonal::Falling, false); }},
    {"picdnw", [] { return diagonalDoorPicture(Diagonal::Rising, false); }},
    {"picsecretne", [] { return diagonalDoorPicture(Diagonal::Falling, true); }},
    {"picsecretnw", [] { return diagonalDoorPicture(Diagonal::Rising, true); }},
    {"picsecretns", [] { return secretPicture(true); }},
    {"picsecretew", [] { return secretPicture(false); }},
    {"picstairsn", [] { return stairsPicture(StairsDown::North); }},
    {"picstairss", [] { return stairsPicture(StairsDown::South); }},
    {"picstairse", [] { return stairsPicture(StairsDown::East); }},
    {"picstairsw", [] { return stairsPicture(StairsDown::West); }},
};

} // namespace

void paintStairs(QPainter& p, StairsDown down, int length) {
    // Drawn upright, narrowing towards the top, then turned into place.
    const double L = length;
    QTransform turn;
    switch (down) {
    case StairsDown::North:
        break;
    case StairsDown::South:
        turn = QTransform(1, 0, 0, -1, 0, L);
        break;
    case StairsDown::East:
        turn = QTransform(0, 1, -1, 0, L, 0);
        break;
    case StairsDown::West:
        turn = QTransform(0, 1, 1, 0, 0, 0);
        break;
    }
    const int steps = length / 6;
    const double top = 1.5, bottom = L - 1.5, rise = (bottom - top) / steps;
    const double narrow = 5.5, wide = 13.5;
    auto half = [&](double v) { return narrow + (wide - narrow) * (v - top) / (bottom - top); };
    auto edge = [&](double v, int side) { return QPointF(15 + side * half(v), v); };

    p.save();
    p.setTransform(turn, true);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < steps; ++k) {
        const double v0 = top + k * rise, v1 = v0 + rise;
        const int light = 96 + (224 - 96) * k / (steps - 1);
        QLinearGradient tread(QPointF(0, v0), QPointF(0, v1));
        tread.setColorAt(0, QColor(light - 26, light - 26, light - 30));
        tread.setColorAt(1, QColor(light, light, light - 4));
        p.setBrush(tread);
        p.drawPolygon(QPolygonF({edge(v0, -1), edge(v0, 1), edge(v1, 1), edge(v1, -1)}));
    }
    p.setPen(QPen(kWallColour, 1));
    for (int k = 0; k <= steps; ++k) {
        const double v = top + k * rise;
        p.drawLine(edge(v, -1), edge(v, 1));
    }
    p.setPen(QPen(kWallColour, 1.6));
    p.drawLine(edge(top, -1), edge(bottom, -1));
    p.drawLine(edge(top, 1), edge(bottom, 1));
    p.restore();
}

QImage stockPicture(const QString& name) {
    for (const Stock& s : kStock)
        if (name == QLatin1String(s.name))
            return s.make();
    return {};
}

QStringList stockPictureNames() {
    QStringList names;
    for (const Stock& s : kStock)
        names << QString::fromLatin1(s.name);
    return names;
}

} // namespace vellum::art
