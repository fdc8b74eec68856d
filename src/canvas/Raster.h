#pragma once

#include "canvas/Canvas.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>

// Raster drawing on RGB32 images, antialiasing off. Every function returns
// the rectangle of pixels it may have changed, clipped to the image (empty
// when nothing changed).
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
QRect drawBox(QImage& image, QPointF a, QPointF b, const Pen& pen, const Fill& fill);
QRect drawCircle(QImage& image, QPointF centre, double radius, const Pen& pen, const Fill& fill);
QRect drawPoint(QImage& image, QPointF at, const Pen& pen);
// Glyph pixels only, top-left corner of the first line at `topLeft`.
QRect drawText(QImage& image, QPointF topLeft, const QString& text, const QFont& font,
               QRgb color, DrawMode mode);

} // namespace vellum::raster
