#pragma once

#include "canvas/Canvas.h"

#include <QWidget>

namespace vellum {

// Mouse buttons and shift state as the handlers receive them.
enum MouseButtonCode { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

// A picture box: shows a Canvas (its committed picture and shown image),
// optionally sizes itself to its picture, and reports presses, moves and
// releases in canvas pixels. Positions keep coming while a button is held,
// also outside the box. Repaints only what the canvas reports as changed.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr, const QString& name = {});

    Canvas& canvas() { return m_canvas; }
    const Canvas& canvas() const { return m_canvas; }

    // Shorthands for the canvas's committed picture.
    void setPicture(const QImage& picture) { m_canvas.setPicture(picture); }
    QImage picture() const { return m_canvas.picture(); }
    const QImage& image() const { return m_canvas.image(); }
    bool hasPicture() const { return m_canvas.hasPicture(); }

    void setAutoSize(bool on);
    bool autoSize() const { return m_autoSize; }
    void setBorder(bool on);
    bool hasBorder() const { return m_border; }
    void setBackColor(const QColor& color);
    QColor backColor() const { return m_canvas.backColor(); }
    // Inner size in pixels (the drawing area inside the border).
    int scaleWidth() const;
    int scaleHeight() const;

signals:
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);
    void clicked();
    void pictureChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitToPicture();
    int borderWidth() const { return m_border ? 2 : 0; }
    QPointF toCanvas(const QPointF& widgetPos) const;

    Canvas m_canvas;
    bool m_autoSize = false;
    bool m_border = false;
};

int buttonCode(Qt::MouseButton button);
int buttonsCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);

} // namespace vellum
