#include "canvas/Coverage.h"

#include <algorithm>
#include <climits>

namespace vellum::raster {

Coverage::Coverage(const QRect& area)
    : m_area(area.isEmpty() ? QRect() : area),
      m_cells(m_area.isEmpty() ? 0 : size_t(m_area.width()) * size_t(m_area.height()), None) {}

void Coverage::span(int y, int x0, int x1, Part part) {
    if (y < m_area.top() || y > m_area.bottom())
        return;
    x0 = std::max(x0, m_area.left());
    x1 = std::min(x1, m_area.right());
    if (x0 > x1)
        return;
    uchar* r = row(y) - m_area.left();
    for (int x = x0; x <= x1; ++x)
        r[x] = std::max<uchar>(r[x], part);
}

void Coverage::pixel(int x, int y, Part part) {
    if (!m_area.contains(x, y))
        return;
    uchar& c = row(y)[x - m_area.left()];
    c = std::max<uchar>(c, part);
}

void Coverage::strided(int y, int x0, int x1, int step, int phase, Part part) {
    if (y < m_area.top() || y > m_area.bottom())
        return;
    x0 = std::max(x0, m_area.left());
    x1 = std::min(x1, m_area.right());
    // first x >= x0 with x == phase (mod step), negative x included
    const int first = x0 + ((phase - x0) % step + step) % step;
    uchar* r = row(y) - m_area.left();
    for (int x = first; x <= x1; x += step)
        r[x] = std::max<uchar>(r[x], part);
}

QRect Coverage::apply(QImage& image, DrawMode mode, QRgb outline, QRgb fill) const {
    if (m_area.isEmpty())
        return {};
    const quint32 colours[3] = {0, fill | 0xff000000u, outline | 0xff000000u};
    const bool invert = mode == DrawMode::Invert;
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
    const uchar* cell = m_cells.data();
    for (int y = m_area.top(); y <= m_area.bottom(); ++y) {
        auto* px = reinterpret_cast<quint32*>(bits + qsizetype(y) * stride);
        for (int x = m_area.left(); x <= m_area.right(); ++x, ++cell) {
            if (*cell == None)
                continue;
            const quint32 before = px[x];
            px[x] = invert ? before ^ 0x00ffffffu : colours[*cell];
            if (px[x] == before)
                continue;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    }
    if (minX > maxX)
        return {};
    return QRect(QPoint(minX, minY), QPoint(maxX, maxY));
}

} // namespace vellum::raster
