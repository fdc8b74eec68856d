#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRect>

namespace vellum {

// How the pen meets the canvas: the pen colour replaces the pixel, or the
// pixel becomes its inverse whatever the pen colour (drawing twice restores).
enum class DrawMode : qint16 { Copy = 13, Invert = 6 };

// Line styles, numbered as the canvas's line-style property.
enum class LineStyle : qint16 {
    Solid = 0,
    Dash = 1,
    Dot = 2,
    DashDot = 3,
    DashDotDot = 4,
    Invisible = 5,
};

// Fill styles, numbered as the canvas's fill-style property.
enum class FillStyle : qint16 {
    Solid = 0,
    Transparent = 1,
    HorizontalLine = 2,
    VerticalLine = 3,
    UpwardDiagonal = 4,   // lower left to upper right
    DownwardDiagonal = 5, // upper left to lower right
    Cross = 6,
    DiagonalCross = 7,
};

// The drawing surface of a picture box: two layers and the drawing
// attributes every drawing operation uses.
//
// The shown image takes everything drawn; the committed picture is what a
// clear restores. Drawing operations work on the shown image in pixel
// coordinates (origin top left) and report the rectangle they changed
// through damaged(), so a view repaints only that.
class Canvas : public QObject {
    Q_OBJECT
public:
    explicit Canvas(QObject* parent = nullptr);

    // --- layers ---------------------------------------------------------
    const QImage& image() const { return m_image; }
    const QImage& picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    QSize size() const { return m_image.size(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    // A new committed picture (converted to RGB32); the shown image becomes
    // it too. A null image removes the picture: the canvas is then blank in
    // its background colour at its current size.
    void setPicture(const QImage& picture);
    // Size of a canvas without a picture (a picture box's own size).
    void setBlankSize(const QSize& size);
    // The shown image becomes the committed picture again.
    void cls();
    // The committed picture becomes a copy of the shown image.
    void commit();
    // Direct access for raster work; call markDamaged() afterwards.
    QImage& imageForWriting() { return m_image; }
    void markDamaged(const QRect& rect);

    // --- attributes -----------------------------------------------------
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor& c) { m_foreColor = c; }
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& c);
    QColor fillColor() const { return m_fillColor; }
    void setFillColor(const QColor& c) { m_fillColor = c; }
    FillStyle fillStyle() const { return m_fillStyle; }
    void setFillStyle(FillStyle s) { m_fillStyle = s; }
    LineStyle drawStyle() const { return m_drawStyle; }
    void setDrawStyle(LineStyle s) { m_drawStyle = s; }
    int drawWidth() const { return m_drawWidth; }
    void setDrawWidth(int w) { m_drawWidth = w < 1 ? 1 : w; }
    DrawMode drawMode() const { return m_drawMode; }
    void setDrawMode(DrawMode m) { m_drawMode = m; }
    QFont font() const { return m_font; }
    void setFont(const QFont& f) { m_font = f; }
    float currentX() const { return m_currentX; }
    float currentY() const { return m_currentY; }
    void setCurrentPos(float x, float y) {
        m_currentX = x;
        m_currentY = y;
    }

    // --- drawing on the shown image ------------------------------------
    // A line in the drawing colour (or the given colour), mode, style, width.
    void line(QPointF from, QPointF to);
    void line(QPointF from, QPointF to, const QColor& color);
    // A rectangle with opposite corners a and b, filled by the fill style
    // in the fill colour and outlined in the drawing colour.
    void box(QPointF a, QPointF b);
    // A circle, filled and outlined like the box.
    void circle(QPointF centre, double radius);
    // A point as large as the line width.
    void pset(QPointF at);
    // Text at the print position in the canvas font and drawing colour,
    // glyph pixels only; the print position moves to the next line.
    void print(const QString& text);
    // Paints the 4-connected region of pixels of exactly the colour at
    // `seed` with the fill colour.
    void floodFill(QPoint seed);
    // Copies w x h from the source's origin to (x, y), keeping the canvas
    // wherever the source pixel is exactly `key`.
    void transparentBlit(const QImage& source, int x, int y, int w, int h, QRgb key);
    // Colour of one pixel of the shown image (invalid outside).
    QColor pointColor(int x, int y) const;

signals:
    // The shown image changed inside `rect`.
    void damaged(const QRect& rect);
    // The canvas took another size (a picture of another size arrived).
    void resized(const QSize& size);
    // A new committed picture arrived (or the picture was removed).
    void pictureSet();

private:
    void setImages(const QImage& image);

    QImage m_image;
    QImage m_picture;
    QColor m_foreColor = Qt::black;
    QColor m_backColor = Qt::white;
    QColor m_fillColor = Qt::black;
    FillStyle m_fillStyle = FillStyle::Transparent;
    LineStyle m_drawStyle = LineStyle::Solid;
    int m_drawWidth = 1;
    DrawMode m_drawMode = DrawMode::Copy;
    QFont m_font;
    float m_currentX = 0;
    float m_currentY = 0;
};

} // namespace vellum
