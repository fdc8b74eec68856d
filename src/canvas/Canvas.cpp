#include "canvas/Canvas.h"

#include "canvas/FloodFill.h"
#include "canvas/Raster.h"
#include "canvas/Transparent.h"

#include <QFontMetricsF>

namespace vellum {

namespace {
QImage toCanvasFormat(const QImage& image) {
    if (image.format() == QImage::Format_RGB32)
        return image;
    return image.convertToFormat(QImage::Format_RGB32);
}
} // namespace

Canvas::Canvas(QObject* parent) : QObject(parent) {}

void Canvas::setImages(const QImage& image) {
    const QSize before = m_image.size();
    m_image = image;
    if (m_image.size() != before)
        emit resized(m_image.size());
    emit damaged(m_image.rect());
}

void Canvas::setPicture(const QImage& picture) {
    if (picture.isNull()) {
        m_picture = QImage();
        QImage blank(m_image.isNull() ? QSize(1, 1) : m_image.size(), QImage::Format_RGB32);
        blank.fill(m_backColor);
        setImages(blank);
        emit pictureSet();
        return;
    }
    m_picture = toCanvasFormat(picture);
    // Committing the shown image changes no pixel: no repaint.
    if (m_picture.cacheKey() != m_image.cacheKey())
        setImages(m_picture);
    emit pictureSet();
}

void Canvas::setBlankSize(const QSize& size) {
    if (hasPicture() || size == m_image.size() || size.isEmpty())
        return;
    QImage blank(size, QImage::Format_RGB32);
    blank.fill(m_backColor);
    setImages(blank);
}

void Canvas::setBackColor(const QColor& c) {
    m_backColor = c;
    if (!hasPicture() && !m_image.isNull()) {
        m_image.fill(c);
        emit damaged(m_image.rect());
    }
}

void Canvas::cls() {
    if (hasPicture()) {
        setImages(m_picture);
    } else if (!m_image.isNull()) {
        m_image.fill(m_backColor);
        emit damaged(m_image.rect());
    }
    m_currentX = 0;
    m_currentY = 0;
}

void Canvas::commit() {
    m_picture = m_image;
}

void Canvas::markDamaged(const QRect& rect) {
    const QRect clipped = rect & m_image.rect();
    if (!clipped.isEmpty())
        emit damaged(clipped);
}

namespace {
raster::Pen penOf(const Canvas& c, const QColor& color) {
    return {color.rgb(), c.drawStyle(), c.drawWidth(), c.drawMode()};
}
raster::Fill fillOf(const Canvas& c) {
    return {c.fillColor().rgb(), c.fillStyle()};
}
} // namespace

void Canvas::line(QPointF from, QPointF to) {
    line(from, to, m_foreColor);
}

void Canvas::line(QPointF from, QPointF to, const QColor& color) {
    markDamaged(raster::drawLine(m_image, from, to, penOf(*this, color)));
    m_currentX = float(to.x());
    m_currentY = float(to.y());
}

void Canvas::box(QPointF a, QPointF b) {
    markDamaged(raster::drawBox(m_image, a, b, penOf(*this, m_foreColor), fillOf(*this)));
    m_currentX = float(b.x());
    m_currentY = float(b.y());
}

void Canvas::circle(QPointF centre, double radius) {
    markDamaged(
        raster::drawCircle(m_image, centre, radius, penOf(*this, m_foreColor), fillOf(*this)));
    m_currentX = float(centre.x());
    m_currentY = float(centre.y());
}

void Canvas::pset(QPointF at) {
    markDamaged(raster::drawPoint(m_image, at, penOf(*this, m_foreColor)));
    m_currentX = float(at.x());
    m_currentY = float(at.y());
}

void Canvas::print(const QString& text) {
    markDamaged(raster::drawText(m_image, QPointF(m_currentX, m_currentY), text, m_font,
                                 m_foreColor.rgb(), m_drawMode));
    m_currentY += float(QFontMetricsF(m_font).height());
}

void Canvas::floodFill(QPoint seed) {
    markDamaged(vellum::floodFill(m_image, seed, m_fillColor.rgb()));
}

void Canvas::transparentBlit(const QImage& source, int x, int y, int w, int h, QRgb key) {
    markDamaged(TransparentBlit(m_image, source, qint16(x), qint16(y), qint16(w), qint16(h), key));
}

QColor Canvas::pointColor(int x, int y) const {
    if (!m_image.rect().contains(x, y))
        return {};
    return QColor(m_image.pixel(x, y));
}

} // namespace vellum
