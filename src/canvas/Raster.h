#pragma once

#include "canvas/Canvas.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>

// Raster drawing on RGB32 images, antialiasing off. Every function returns
// the rectangle of pixels it changed, clipped to the image (empty when
// nothing changed).
//
// Coordinates round to the nearest pixel, halves to even. A pen of width w
// is a round dot w pixels across centred on its pixel; width 1 lines step
// pixel by pixel with both end points drawn and follow the dash patterns,
// wider lines are the dot swept along the segment and always solid. Hatched
// fills are one-pixel lines eight pixels apart, aligned to the image origin.
// In invert mode each pixel a shape covers (fill and outline together) is
// inverted exactly once, so the same call twice restores the image.
namespace vellum::raster {

struct Pen {
    QRgb color = 0xff000000;
    LineStyle style = LineStyle::Solid;
    int width = 1;
    DrawMode mode = DrawMode::Copy;
};

struct Fill {
    QRgb color = 0xff000000;
    FillStyle style = FillStyle::Transparent;
};

QRect drawLine(QImage& image, QPointF from, QPointF to, const Pen& pen);
// Corners in either order; the fill covers the box, the outline lies on its edge.
QRect drawBox(QImage& image, QPointF a, QPointF b, const Pen& pen, const Fill& fill);
QRect drawCircle(QImage& image, QPointF centre, double radius, const Pen& pen, const Fill& fill);
// The dot of the pen's width in its colour and mode; the line style does not apply.
QRect drawPoint(QImage& image, QPointF at, const Pen& pen);
// Glyph pixels only, top-left corner of the first line at `topLeft`.
QRect drawText(QImage& image, QPointF topLeft, const QString& text, const QFont& font, QRgb color,
               DrawMode mode);

} // namespace vellum::raster
