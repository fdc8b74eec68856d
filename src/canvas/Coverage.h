#pragma once

#include "canvas/Canvas.h"

#include <QImage>
#include <QRect>
#include <vector>

namespace vellum::raster {

// The pixels one shape covers, collected before any pixel changes. A shape
// whose parts overlap (an outline over its fill, the corners of an outline,
// a wide pen swept along a line) therefore touches each pixel once: in copy
// mode the outline lies over the fill, in invert mode each covered pixel is
// inverted exactly once, so drawing the same shape twice gives the image back.
class Coverage {
public:
    enum Part : uchar { None = 0, Fill = 1, Outline = 2 };

    // Collects pixels inside `area` only (the caller clips it to the image).
    explicit Coverage(const QRect& area);

    const QRect& area() const { return m_area; }
    bool isEmpty() const { return m_area.isEmpty(); }

    // Marks pixels x0..x1 of row y, clipped to the area; an outline mark
    // stays an outline when a fill is marked over it.
    void span(int y, int x0, int x1, Part part);
    void pixel(int x, int y, Part part);
    // Marks every `step`-th pixel of x0..x1 on row y whose x is congruent to
    // `phase` modulo `step` (hatch lines aligned to the image origin).
    void strided(int y, int x0, int x1, int step, int phase, Part part);

    // Writes the covered pixels: copy mode paints fill and outline colours,
    // invert mode inverts the colour bits. Returns the rectangle of pixels
    // that actually changed.
    QRect apply(QImage& image, DrawMode mode, QRgb outline, QRgb fill) const;

private:
    uchar* row(int y) { return m_cells.data() + qsizetype(y - m_area.y()) * m_area.width(); }

    QRect m_area;
    std::vector<uchar> m_cells;
};

} // namespace vellum::raster
