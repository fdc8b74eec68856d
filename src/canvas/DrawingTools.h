#pragma once

#include "canvas/LayoutCanvas.h"

namespace vellum {

// Draws the shape of the shape list on the canvas in its current mode: a
// line, box or circle over (shapeX1, shapeY1)-(shapeX2, shapeY2), or a
// point at (shapeX2, shapeY2). Sets the line and fill styles from the lists.
void DrawCurrentShape(Canvas& canvas, const CanvasInputs& in);

// Line width, line style and fill style from the tool bar, as every Draw,
// Pencil and Polygon press sets them.
void applyToolBarStyles(Canvas& canvas, const CanvasInputs& in);

// "Draw": Line, Box, Circle and Point with an inverting rubber band.
class ShapeTool : public CanvasTool {
public:
    void press(ToolEvent& e) override;
    void move(ToolEvent& e) override;
    void release(ToolEvent& e) override;
};

// "Pencil": freehand strokes, open or closed into a loop.
class FreehandTool : public CanvasTool {
public:
    void press(ToolEvent& e) override;
    void move(ToolEvent& e) override;
    void release(ToolEvent& e) override;
};

// "Beizer": polygons built vertex by vertex, finished with the right button.
class PolygonTool : public CanvasTool {
public:
    void press(ToolEvent& e) override;
    void move(ToolEvent& e) override;
};

// "Geo": flood fill in the fill swatch's colour.
class FillTool : public CanvasTool {
public:
    void press(ToolEvent& e) override;
};

// The Polygon button: arms the tool for a new polygon. A polygon still under
// way loses its rubber band (on the canvas it was drawn on), so the next
// left press starts afresh instead of joining a vertex that is gone.
void armPolygon();

} // namespace vellum
