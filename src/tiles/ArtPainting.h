#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

// Shared geometry of the tile artwork. Every picture lies on the 30-pixel grid
// and every floor repeats with a period of 30 pixels, so cells stamped side by
// side join without seams. Tile Set 1 walls are black bands kWall pixels thick
// lying inside the cell along its edge: two neighbouring cells that both carry
// the wall on their shared edge make one wall twice as thick.
namespace vellum::art {

inline constexpr int kCell = 30;
inline constexpr int kWall = 3;

enum Edge : unsigned { North = 1, South = 2, West = 4, East = 8 };

// Falling runs from the top-left to the bottom-right corner, Rising from the
// bottom-left to the top-right corner.
enum class Diagonal { Falling, Rising };

inline const QColor kWallColour{0, 0, 0};
inline const QColor kLeafColour{255, 255, 255};

// Deterministic noise in [-amplitude, amplitude] for a pixel and a seed.
int pixelNoise(int x, int y, unsigned seed, int amplitude);

QRgb shade(QRgb colour, int delta);

// A picture in the program's pixel format, filled with the light-grey
// flagstone floor of the dungeon tiles (the same floor in every cell).
QImage stoneFloorPicture(int width, int height);

// Paints the walls along the given edges of the cell whose top-left corner is
// cell (a combination of Edge flags).
void paintEdgeWalls(QPainter& p, QPoint cell, unsigned edges);

// The band of a diagonal wall of the cell at origin. Its ends cover the same
// kWall pixels of the cell edges as the straight walls, so a diagonal meets the
// straight walls of its neighbours flush.
QPolygonF diagonalBand(Diagonal diagonal, QPointF origin);
void paintDiagonalWall(QPainter& p, Diagonal diagonal, QPointF origin);

// A door leaf: a white bar with a black rim, in pixels.
void paintDoorLeaf(QPainter& p, const QRect& leaf);

// The leaf of a single door in the diagonal wall of the cell at origin.
void paintDiagonalLeaf(QPainter& p, Diagonal diagonal, QPointF origin);

// The letter S of a secret door, black with a white rim, drawn as a path so
// it does not depend on the fonts installed.
void paintSecretMark(QPainter& p, QPointF centre);

// Which way a flight of steps narrows (the way down).
enum class StairsDown { North, South, East, West };

// A flight of steps filling a picture of length x 30 (North, South) or
// 30 x length (East, West), narrowing towards the named side.
void paintStairs(QPainter& p, StairsDown down, int length);

// The roof pieces of Tile Set 2 by their button number; null for the others.
QImage roofPiece(int command);

} // namespace vellum::art
