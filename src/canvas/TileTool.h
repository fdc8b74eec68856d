#pragma once

#include "canvas/LayoutCanvas.h"

namespace vellum {

inline constexpr QRgb TransparentKey = 0xffff00ff; // pure magenta

// "TileSet": a press stamps the current tile where the last move put the
// stamp position and starts a drag that stamps at every move.
class TileTool : public CanvasTool {
public:
    void press(ToolEvent& e) override;
    void move(ToolEvent& e) override;
    void release(ToolEvent& e) override;

    // Stamps the whole current tile at (l, s), magenta transparent.
    static void stamp(LayoutCanvas& target, const QImage& tile);
};

} // namespace vellum
