#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

namespace vellum {

// Paints the 4-connected region of pixels that have exactly the colour of the
// seed pixel with `fill` (RGB32 images). Returns the bounding rectangle of
// the painted region; empty when the seed lies outside the image or the fill
// colour equals the seed colour. Needs no recursion and no work over the
// whole image beyond the region itself.
QRect floodFill(QImage& image, QPoint seed, QRgb fill);

} // namespace vellum
