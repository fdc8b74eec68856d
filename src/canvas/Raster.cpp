// Provisional: replaced by the full raster implementation.
#include "canvas/Raster.h"

#include <QPainter>

namespace vellum::raster {

namespace {
QPainter::CompositionMode modeOf(DrawMode m) {
    return m == DrawMode::Invert ? QPainter::RasterOp_NotDestination
                                 : QPainter::CompositionMode_SourceOver;
}
} // namespace

QRect drawLine(QImage& image, QPointF from, QPointF to, const Pen& pen) {
    if (pen.style == LineStyle::Invisible)
        return {};
    QPainter p(&image);
    p.setCompositionMode(modeOf(pen.mode));
    p.setPen(QPen(QColor(pen.color), pen.width));
    p.drawLine(from, to);
    return image.rect();
}

QRect drawBox(QImage& image, QPointF a, QPointF b, const Pen& pen, const Fill&) {
    QPainter p(&image);
    p.setCompositionMode(modeOf(pen.mode));
    p.setPen(QPen(QColor(pen.color), pen.width));
    p.drawRect(QRectF(a, b).normalized());
    return image.rect();
}

QRect drawCircle(QImage& image, QPointF centre, double radius, const Pen& pen, const Fill&) {
    QPainter p(&image);
    p.setCompositionMode(modeOf(pen.mode));
    p.setPen(QPen(QColor(pen.color), pen.width));
    p.drawEllipse(centre, radius, radius);
    return image.rect();
}

QRect drawPoint(QImage& image, QPointF at, const Pen& pen) {
    QPainter p(&image);
    p.setPen(QPen(QColor(pen.color), pen.width));
    p.drawPoint(at);
    return image.rect();
}

QRect drawText(QImage& image, QPointF topLeft, const QString& text, const QFont& font, QRgb color,
               DrawMode) {
    QPainter p(&image);
    p.setFont(font);
    p.setPen(QColor(color));
    p.drawText(QRectF(topLeft, QSizeF(10000, 1000)), Qt::AlignLeft | Qt::AlignTop, text);
    return image.rect();
}

} // namespace vellum::raster
