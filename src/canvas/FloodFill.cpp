// Provisional: replaced by the span fill.
#include "canvas/FloodFill.h"

#include <vector>

namespace vellum {

QRect floodFill(QImage& image, QPoint seed, QRgb fill) {
    if (!image.rect().contains(seed))
        return {};
    const QRgb target = image.pixel(seed);
    if (target == fill)
        return {};
    std::vector<QPoint> stack{seed};
    QRect bounds(seed, seed);
    while (!stack.empty()) {
        QPoint p = stack.back();
        stack.pop_back();
        if (!image.rect().contains(p) || image.pixel(p) != target)
            continue;
        image.setPixel(p, fill);
        bounds |= QRect(p, p);
        stack.push_back(p + QPoint(1, 0));
        stack.push_back(p + QPoint(-1, 0));
        stack.push_back(p + QPoint(0, 1));
        stack.push_back(p + QPoint(0, -1));
    }
    return bounds;
}

} // namespace vellum
