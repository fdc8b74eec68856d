// Provisional: replaced by the row-wise keyed copy.
#include "canvas/Transparent.h"

namespace vellum {

QRect TransparentBlit(QImage& destination, const QImage& source, qint16 x, qint16 y,
                      qint16 width, qint16 height, QRgb transparent) {
    QRect written;
    for (int j = 0; j < height && j < source.height(); ++j)
        for (int i = 0; i < width && i < source.width(); ++i) {
            const QPoint d(x + i, y + j);
            if (!destination.rect().contains(d))
                continue;
            const QRgb s = source.pixel(i, j);
            if ((s & 0xffffff) == (transparent & 0xffffff))
                continue;
            destination.setPixel(d, s);
            written |= QRect(d, d);
        }
    return written;
}

} // namespace vellum
