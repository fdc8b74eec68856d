#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

// Pictures the tests draw on, and ways to compare what drawing changed.

// One colour all over (RGB32).
QImage solidImage(QSize size, QColor colour);
// Every pixel differs from its neighbours, and none is black, white, pure red,
// pure magenta or a drawing colour the tests use, so any pixel a tool touches
// shows (RGB32).
QImage patternedImage(QSize size);
// The smallest rectangle holding every pixel that differs between two
// pictures of one size.
QRect changedBounds(const QImage& a, const QImage& b);
int countDiffering(const QImage& a, const QImage& b);
