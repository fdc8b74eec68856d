#include "canvas/DrawingTools.h"

#include "canvas/LineWidth.h"
#include "shell/AppState.h"

#include <QPointer>
#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace vellum {

namespace {

// The canvas of the polygon under way.
QPointer<Canvas>& polygonCanvas() {
    static QPointer<Canvas> canvas;
    return canvas;
}

QPointF lastVertex() {
    const AppState& s = app();
    return {s.polygonX.value(s.polygonPointCount), s.polygonY.value(s.polygonPointCount)};
}

void setLineStyle(Canvas& canvas, int position) {
    if (position >= 0 && position <= int(LineStyle::Invisible))
        canvas.setDrawStyle(LineStyle(position));
}

void setFillStyle(Canvas& canvas, int position) {
    if (position >= 0 && position <= int(FillStyle::DiagonalCross))
        canvas.setFillStyle(FillStyle(position));
}

} // namespace

void applyToolBarStyles(Canvas& canvas, const CanvasInputs& in) {
    if (const auto width = wholeLineWidth(in.widthText))
        canvas.setDrawWidth(*width);
    setLineStyle(canvas, in.lineTypeIndex);
    setFillStyle(canvas, in.fillTypeIndex);
}

void DrawCurrentShape(Canvas& canvas, const CanvasInputs& in) {
    AppState& s = app();
    s.shapeType = qint16(in.shapeIndex);
    setLineStyle(canvas, in.lineTypeIndex);
    setFillStyle(canvas, in.fillTypeIndex);
    const QPointF a(s.shapeX1, s.shapeY1);
    const QPointF b(s.shapeX2, s.shapeY2);
    switch (s.shapeType) {
    case 0:
        canvas.line(a, b);
        break;
    case 1:
        canvas.box(a, b);
        break;
    case 2: {
        const double radius =
            std::min(std::abs(s.shapeX1 - s.shapeX2), std::abs(s.shapeY1 - s.shapeY2)) / 2.0;
        canvas.circle((a + b) / 2.0, radius);
        break;
    }
    case 3:
        canvas.pset(b);
        break;
    default:
        break;
    }
}

// --- Draw ------------------------------------------------------------------

void ShapeTool::press(ToolEvent& e) {
    AppState& s = app();
    Canvas& canvas = e.target.canvas();
    e.target.takeSnapshot();
    s.shapeDragging = true;
    if (const auto width = wholeLineWidth(e.in.widthText))
        canvas.setDrawWidth(*width);
    s.savedDrawMode = qint16(canvas.drawMode());
    s.savedDrawStyle = qint16(canvas.drawStyle());
    canvas.setDrawMode(DrawMode::Invert);
    s.shapeX1 = s.shapeX2 = e.x;
    s.shapeY1 = s.shapeY2 = e.y;
    DrawCurrentShape(canvas, e.in);
}

void ShapeTool::move(ToolEvent& e) {
    AppState& s = app();
    if (!s.shapeDragging)
        return;
    DrawCurrentShape(e.target.canvas(), e.in);
    s.shapeX2 = e.x;
    s.shapeY2 = e.y;
    DrawCurrentShape(e.target.canvas(), e.in);
}

void ShapeTool::release(ToolEvent& e) {
    AppState& s = app();
    if (!s.shapeDragging) {
        e.out.commit = false;
        return;
    }
    s.shapeDragging = false;
    if (e.button == 2)
        e.popup();
    Canvas& canvas = e.target.canvas();
    DrawCurrentShape(canvas, e.in);
    canvas.setDrawMode(DrawMode(s.savedDrawMode));
    canvas.setDrawStyle(LineStyle(s.savedDrawStyle));
    DrawCurrentShape(canvas, e.in);
}

// --- Pencil ----------------------------------------------------------------

void FreehandTool::press(ToolEvent& e) {
    AppState& s = app();
    e.target.takeSnapshot();
    applyToolBarStyles(e.target.canvas(), e.in);
    s.strokeActive = true;
    s.strokeStartX = s.strokeLastX = e.x;
    s.strokeStartY = s.strokeLastY = e.y;
}

void FreehandTool::move(ToolEvent& e) {
    AppState& s = app();
    if (!s.strokeActive)
        return;
    e.target.canvas().line({s.strokeLastX, s.strokeLastY}, {e.x, e.y});
    s.strokeLastX = e.x;
    s.strokeLastY = e.y;
}

void FreehandTool::release(ToolEvent& e) {
    AppState& s = app();
    Canvas& canvas = e.target.canvas();
    if (!s.openFreehand) {
        const QPointF start(s.strokeStartX, s.strokeStartY);
        canvas.line(start, {s.strokeLastX, s.strokeLastY}, canvas.backColor());
        canvas.line(start, {e.x, e.y});
    }
    if (e.button == 2)
        e.popup();
}

// --- Polygon ---------------------------------------------------------------

void PolygonTool::press(ToolEvent& e) {
    AppState& s = app();
    Canvas& canvas = e.target.canvas();
    e.target.takeSnapshot();
    applyToolBarStyles(canvas, e.in);
    e.out.cursorShape = int(Qt::CrossCursor);
    if (!s.polygonStart)
        return;
    if (s.polygonPointCount > 0)
        canvas.line(lastVertex(), {s.rubberX, s.rubberY});
    if (e.button == 2) {
        s.polygonStart = false;
        s.polygonInProgress = false;
        e.out.cursorShape = int(Qt::ArrowCursor);
        canvas.setDrawMode(DrawMode::Copy);
        if (s.polygonPointCount > 2)
            canvas.line({s.polygonX.value(1), s.polygonY.value(1)}, lastVertex());
        setFillStyle(canvas, e.in.fillTypeIndex);
        e.out.beep = true;
        return;
    }
    if (s.polygonInProgress) {
        canvas.setDrawMode(DrawMode::Copy);
        canvas.line(lastVertex(), {e.x, e.y});
        canvas.setDrawMode(DrawMode::Invert);
    } else {
        s.polygonInProgress = true;
        canvas.setDrawMode(DrawMode::Invert);
        s.rubberX = e.x;
        s.rubberY = e.y;
        canvas.line({s.rubberX, s.rubberY}, {s.rubberX, s.rubberY});
    }
    polygonCanvas() = &canvas;
    const int n = s.polygonPointCount + 1;
    if (s.polygonX.size() <= n) {
        s.polygonX.resize(n + 1);
        s.polygonY.resize(n + 1);
    }
    s.polygonX[n] = e.x;
    s.polygonY[n] = e.y;
    s.polygonPointCount = qint16(n);
}

void PolygonTool::move(ToolEvent& e) {
    AppState& s = app();
    if (!s.polygonInProgress || s.polygonPointCount == 0)
        return;
    Canvas& canvas = e.target.canvas();
    canvas.line(lastVertex(), {s.rubberX, s.rubberY});
    s.rubberX = e.x;
    s.rubberY = e.y;
    canvas.line(lastVertex(), {s.rubberX, s.rubberY});
}

void armPolygon() {
    AppState& s = app();
    if (Canvas* canvas = polygonCanvas();
        s.polygonInProgress && s.polygonPointCount > 0 && canvas) {
        canvas->line(lastVertex(), {s.rubberX, s.rubberY});
        canvas->setDrawMode(DrawMode::Copy);
    }
    s.polygonInProgress = false;
    s.polygonPointCount = 0;
    s.polygonStart = true;
}

// --- Fill ------------------------------------------------------------------

void FillTool::press(ToolEvent& e) {
    Canvas& canvas = e.target.canvas();
    e.target.takeSnapshot();
    canvas.setFillStyle(FillStyle::Solid);
    canvas.setFillColor(e.in.fillSwatch);
    canvas.floodFill(QPoint(roundHalfEven(e.x), roundHalfEven(e.y)));
}

} // namespace vellum
