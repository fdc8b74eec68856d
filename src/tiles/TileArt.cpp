#include "tiles/TileArt.h"

#include "tiles/ArtPainting.h"

#include <QRadialGradient>
#include <cmath>
#include <numbers>

// Tile Set 1: the dungeon tiles. Walls lie inside the cell along its edges,
// diagonals run corner to corner, all on the one stone floor.
namespace vellum::art {

namespace {

QImage wallTile(unsigned edges) {
    QImage image = stoneFloorPicture(kCell, kCell);
    QPainter p(&image);
    paintEdgeWalls(p, QPoint(0, 0), edges);
    return image;
}

QImage diagonalTile(Diagonal diagonal) {
    QImage image = stoneFloorPicture(kCell, kCell);
    QPainter p(&image);
    paintDiagonalWall(p, diagonal, QPointF(0, 0));
    return image;
}

// The "Doors" button: the west wall with an open door swung into the room.
QImage doorsFace() {
    QImage image = stoneFloorPicture(kCell, kCell);
    QPainter p(&image);
    p.fillRect(0, 0, kWall, 8, kWallColour);
    p.fillRect(0, 22, kWall, 8, kWallColour);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(72, 72, 72), 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(kWall - 14, 8 - 14, 28, 28), -90 * 16, 90 * 16);
    p.setRenderHint(QPainter::Antialiasing, false);
    paintDoorLeaf(p, QRect(kWall, 6, 14, 5));
    return image;
}

QImage pillarTile() {
    QImage image = stoneFloorPicture(kCell, kCell);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40, 70));
    p.drawEllipse(QPointF(17.5, 17.5), 10.5, 10.5);
    p.setPen(QPen(kWallColour, 1.2));
    p.setBrush(QColor(150, 150, 146));
    p.drawEllipse(QPointF(15, 15), 10.5, 10.5);
    QRadialGradient shaft(QPointF(12, 11.5), 10, QPointF(11, 10));
    shaft.setColorAt(0, QColor(246, 245, 240));
    shaft.setColorAt(0.55, QColor(196, 195, 190));
    shaft.setColorAt(1, QColor(112, 112, 108));
    p.setPen(QPen(QColor(70, 70, 68), 0.8));
    p.setBrush(shaft);
    p.drawEllipse(QPointF(15, 15), 8, 8);
    return image;
}

// Blue-grey water whose ripple pattern repeats every 30 pixels both ways.
QImage waterTile() {
    QImage image(kCell, kCell, QImage::Format_RGB32);
    constexpr double tau = 2 * std::numbers::pi;
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            const double u = x / double(kCell), v = y / double(kCell);
            const double phase =
                3 * v + 0.22 * std::sin(tau * u) + 0.08 * std::sin(tau * (2 * u + v));
            const double wave = std::sin(tau * phase);
            const double breakup = std::cos(tau * (2 * u - v + 0.15 * std::sin(tau * 3 * v)));
            int d = int(std::lround(10 * wave)) + pixelNoise(x, y, 11, 2);
            if (wave > 0.86 && breakup > -0.2)
                d += 38;
            else if (wave < -0.9 && breakup < 0.3)
                d -= 14;
            image.setPixel(x, y, shade(qRgb(112, 134, 152), d));
        }
    }
    return image;
}

QImage clearTile() {
    QImage image(kCell, kCell, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const QColor grid(229, 227, 227);
    p.fillRect(0, 0, kCell, 1, grid);
    p.fillRect(0, 0, 1, kCell, grid);
    return image;
}

QImage stairsTile() {
    QImage image = stoneFloorPicture(kCell, kCell);
    QPainter p(&image);
    paintStairs(p, StairsDown::North, kCell);
    return image;
}

} // namespace

QImage dungeonTile(int command) {
    switch (command) {
    case 1:
        return wallTile(West | East);
    case 2:
        return wallTile(North | South);
    case 3:
        return wallTile(0);
    case 4:
        return wallTile(West);
    case 5:
        return wallTile(East);
    case 6:
        return wallTile(North);
    case 7:
        return wallTile(South);
    case 8:
        return wallTile(South | East);
    case 9:
        return wallTile(South | West);
    case 10:
        return wallTile(North | West);
    case 11:
        return wallTile(North | East);
    case 12:
        return clearTile();
    case 13:
        return diagonalTile(Diagonal::Falling);
    case 14:
        return diagonalTile(Diagonal::Rising);
    case 15:
        return doorsFace();
    case 16:
        return pillarTile();
    case 17:
        return waterTile();
    case 18:
        return stairsTile();
    default:
        return {};
    }
}

} // namespace vellum::art
