#include "canvas/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace vellum {

int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return LeftButton;
    case Qt::RightButton:
        return RightButton;
    case Qt::MiddleButton:
        return MiddleButton;
    default:
        return 0;
    }
}

int buttonsCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton)
        code |= LeftButton;
    if (buttons & Qt::RightButton)
        code |= RightButton;
    if (buttons & Qt::MiddleButton)
        code |= MiddleButton;
    return code;
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

PictureBox::PictureBox(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_canvas.setBlankSize(QSize(1, 1));
    connect(&m_canvas, &Canvas::damaged, this,
            [this](const QRect& rect) { update(rect.translated(borderWidth(), borderWidth())); });
    connect(&m_canvas, &Canvas::resized, this, [this] {
        if (m_autoSize)
            fitToPicture();
    });
    connect(&m_canvas, &Canvas::pictureSet, this, &PictureBox::pictureChanged);
}

void PictureBox::setAutoSize(bool on) {
    m_autoSize = on;
    if (on)
        fitToPicture();
}

void PictureBox::setBorder(bool on) {
    m_border = on;
    if (m_autoSize)
        fitToPicture();
    update();
}

void PictureBox::setBackColor(const QColor& color) {
    m_canvas.setBackColor(color);
}

int PictureBox::scaleWidth() const {
    return width() - 2 * borderWidth();
}
int PictureBox::scaleHeight() const {
    return height() - 2 * borderWidth();
}

void PictureBox::fitToPicture() {
    if (m_canvas.hasPicture())
        resize(m_canvas.size() + QSize(2 * borderWidth(), 2 * borderWidth()));
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_canvas.setBlankSize(QSize(scaleWidth(), scaleHeight()));
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const int b = borderWidth();
    const QRect area = event->rect();
    // The image covers most of the box: only what lies outside it (a box
    // larger than its picture) is filled with the background colour.
    const QRect imageArea = QRect(QPoint(b, b), m_canvas.size()) & area;
    for (const QRect& uncovered : QRegion(area).subtracted(imageArea))
        p.fillRect(uncovered, m_canvas.backColor());
    if (!imageArea.isEmpty())
        p.drawImage(imageArea.topLeft(), m_canvas.image(), imageArea.translated(-b, -b));
    if (m_border) {
        p.setPen(palette().color(QPalette::Dark));
        p.drawLine(0, 0, width() - 1, 0);
        p.drawLine(0, 0, 0, height() - 1);
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(width() - 1, 0, width() - 1, height() - 1);
        p.drawLine(0, height() - 1, width() - 1, height() - 1);
        p.setPen(palette().color(QPalette::Shadow));
        p.drawRect(1, 1, width() - 3, height() - 3);
    }
}

QPointF PictureBox::toCanvas(const QPointF& widgetPos) const {
    return widgetPos - QPointF(borderWidth(), borderWidth());
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPointF p = toCanvas(event->position());
    emit mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(p.x()),
                   float(p.y()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = toCanvas(event->position());
    emit mouseMove(buttonsCode(event->buttons()), shiftCode(event->modifiers()), float(p.x()),
                   float(p.y()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = toCanvas(event->position());
    const int button = buttonCode(event->button());
    emit mouseUp(button, shiftCode(event->modifiers()), float(p.x()), float(p.y()));
    if (button == LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace vellum
