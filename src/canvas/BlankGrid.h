#pragma once

#include <QImage>

namespace vellum {

// Colour of the grid lines of the graph paper and of the clear tile.
inline constexpr QRgb GridLineColor = 0xffe5e3e3; // RGB 229, 227, 227

// The graph paper a new map starts with: 720 x 720 white pixels with
// one-pixel grid lines at 30, 60, ..., 690 in both directions (none at 0 or
// 720), so 24 x 24 cells of 30 pixels.
QImage blankGridPicture();

} // namespace vellum
