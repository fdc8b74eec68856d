#pragma once

#include <QImage>
#include <QSize>

// Pictures of the shell, drawn by code: the title art of the splash and the
// About box, and the pictures of the eight drawing buttons of the tool bar.
namespace vellum::art {

// The title picture at the given size (498 x 289 for the splash, 496 x 287
// for the About box); the same artwork at both sizes.
QImage titlePicture(QSize size);

enum class ToolPicture {
    FreehandPencil,
    ClosedLoopPencil,
    Polygon,
    Fill,
    Box,
    Circle,
    Line,
    Point
};

// Picture shown on a 57 x 57 tool-bar button.
QImage toolButtonPicture(ToolPicture which);

} // namespace vellum::art
