#include "canvas/TileTool.h"

#include "shell/AppState.h"

namespace vellum {

void TileTool::stamp(LayoutCanvas& target, const QImage& tile) {
    if (tile.isNull())
        return;
    target.canvas().transparentBlit(tile, target.l, target.s, tile.width(), tile.height(),
                                    TransparentKey);
}

void TileTool::press(ToolEvent& e) {
    e.target.takeSnapshot();
    app().tileDragging = true;
    app().strokeActive = true;
    stamp(e.target, e.in.currentTile);
}

void TileTool::move(ToolEvent& e) {
    app().strokeActive = true;
    if (app().tileDragging)
        stamp(e.target, e.in.currentTile);
}

void TileTool::release(ToolEvent& e) {
    app().tileDragging = false;
    if (e.button == 2)
        e.popup();
}

} // namespace vellum
