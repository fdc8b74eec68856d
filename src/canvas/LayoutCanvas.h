#pragma once

#include "canvas/Canvas.h"
#include "canvas/CanvasInputs.h"

#include <QtGlobal>
#include <utility>

namespace vellum {

class LayoutCanvas;

// One press, move or release on a layout window's canvas, as a tool sees it.
struct ToolEvent {
    LayoutCanvas& target;
    int button; // 1 left, 2 right, 4 middle (held buttons for a move)
    float x;
    float y;
    const CanvasInputs& in;
    CanvasOutcome& out;

    // The Show menu pops up now; the tool goes on once it has closed.
    void popup() {
        out.popupShowMenu = true;
        if (in.popupShowMenu)
            in.popupShowMenu();
    }
};

// A canvas tool, chosen by the exact text of the tool kind. Tools keep their
// state in the shared application state, not in themselves.
class CanvasTool {
public:
    virtual ~CanvasTool() = default;
    virtual void press(ToolEvent&) {}
    virtual void move(ToolEvent&) {}
    virtual void release(ToolEvent&) {}
};

// The canvas of a layout window with what every tool shares: the grid cell
// and stamp position under the pointer, the undo snapshot, and the dispatch
// of presses, moves and releases to the tool named by the tool kind.
class LayoutCanvas {
public:
    // `canvas` is the drawing surface; the committed picture of `snapshot`
    // holds the undo snapshot.
    LayoutCanvas(Canvas& canvas, Canvas& snapshot);

    Canvas& canvas() { return m_canvas; }
    Canvas& snapshot() { return m_snapshot; }

    qint16 gMouseRow = 0;
    qint16 gMouseCol = 0;
    qint16 s = 0; // y of the next stamp's top-left corner
    qint16 l = 0; // x of it

    // Row and column of the cell holding (x, y); division truncates toward
    // zero, so -1 to -29 still lie in cell 0.
    static std::pair<qint16, qint16> CellFromPoint(qint16 x, qint16 y);

    CanvasOutcome press(int button, int shift, float x, float y, const CanvasInputs& in);
    CanvasOutcome move(int button, int shift, float x, float y, const CanvasInputs& in);
    CanvasOutcome release(int button, int shift, float x, float y, const CanvasInputs& in);

    // The undo snapshot: a copy of the shown image, taken by the tools.
    void takeSnapshot();
    // Puts the snapshot back as the committed picture; nothing when empty.
    void undo();

    // The tool for a tool kind (null for none).
    static CanvasTool* toolFor(const QString& toolKind);

private:
    Canvas& m_canvas;
    Canvas& m_snapshot;
};

// Whole pixels from pointer positions: halves go to the even neighbour.
qint16 roundHalfEven(float value);

} // namespace vellum
