#include "canvas/LayoutCanvas.h"

#include "canvas/DrawingTools.h"
#include "canvas/TileTool.h"
#include "shell/AppState.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <limits>

namespace vellum {

qint16 roundHalfEven(float value) {
    const double rounded = std::nearbyint(double(value));
    constexpr double lo = std::numeric_limits<qint16>::min();
    constexpr double hi = std::numeric_limits<qint16>::max();
    return qint16(std::clamp(rounded, lo, hi));
}

LayoutCanvas::LayoutCanvas(Canvas& canvas, Canvas& snapshot)
    : m_canvas(canvas), m_snapshot(snapshot) {}

std::pair<qint16, qint16> LayoutCanvas::CellFromPoint(qint16 x, qint16 y) {
    const int size = app().tileSize > 0 ? app().tileSize : 30;
    return {qint16(y / size), qint16(x / size)};
}

CanvasTool* LayoutCanvas::toolFor(const QString& toolKind) {
    static TileTool tiles;
    static ShapeTool shapes;
    static FreehandTool freehand;
    static PolygonTool polygons;
    static FillTool fill;
    static const QHash<QString, CanvasTool*> tools{
        {QStringLiteral("TileSet"), &tiles},   {QStringLiteral("Draw"), &shapes},
        {QStringLiteral("Pencil"), &freehand}, {QStringLiteral("Beizer"), &polygons},
        {QStringLiteral("Geo"), &fill},
    };
    return tools.value(toolKind, nullptr);
}

CanvasOutcome LayoutCanvas::press(int button, int, float x, float y, const CanvasInputs& in) {
    CanvasOutcome out;
    app().unsavedChanges = true;
    if (CanvasTool* tool = toolFor(app().toolKind)) {
        ToolEvent e{*this, button, x, y, in, out};
        tool->press(e);
    }
    return out;
}

CanvasOutcome LayoutCanvas::move(int button, int, float x, float y, const CanvasInputs& in) {
    CanvasOutcome out;
    const qint16 px = roundHalfEven(x);
    const qint16 py = roundHalfEven(y);
    std::tie(gMouseRow, gMouseCol) = CellFromPoint(px, py);
    if (in.tileSnap) {
        s = qint16(gMouseRow * 30);
        l = qint16(gMouseCol * 30);
    } else {
        s = roundHalfEven(y - 15);
        l = roundHalfEven(x - 15);
    }
    if (button == 2)
        return out;
    if (CanvasTool* tool = toolFor(app().toolKind)) {
        ToolEvent e{*this, button, x, y, in, out};
        tool->move(e);
    }
    return out;
}

CanvasOutcome LayoutCanvas::release(int button, int, float x, float y, const CanvasInputs& in) {
    CanvasOutcome out;
    out.commit = true;
    if (CanvasTool* tool = toolFor(app().toolKind)) {
        ToolEvent e{*this, button, x, y, in, out};
        tool->release(e);
    }
    if (out.commit) {
        app().drawGraphLines = false;
        app().strokeActive = false;
    }
    return out;
}

void LayoutCanvas::takeSnapshot() {
    m_snapshot.setPicture(m_canvas.image());
}

void LayoutCanvas::undo() {
    if (m_snapshot.hasPicture())
        m_canvas.setPicture(m_snapshot.picture());
}

} // namespace vellum
