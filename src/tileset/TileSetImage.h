#pragma once

#include <QImage>
#include <QPoint>
#include <array>
#include <optional>

// The tile-set image shared by the editor and the tile-set maker: 24 cells of
// 30 x 30 pixels in 3 columns and 8 rows; slot k (1..24) lies in column
// (k - 1) / 8 and row (k - 1) % 8 and is shown on the button numbered 24 + k.
namespace tileset {

inline constexpr int CellSize = 30;
inline constexpr int Columns = 3;
inline constexpr int Rows = 8;
inline constexpr int SlotCount = Columns * Rows;
inline constexpr int ImageWidth = Columns * CellSize; // 90
inline constexpr int ImageHeight = Rows * CellSize;   // 240

// Top-left pixel of slot k's cell.
QPoint cellOrigin(int slot);
// Button number that shows slot k (25..48).
inline constexpr int buttonForSlot(int slot) {
    return 24 + slot;
}
// The order in which readers and the writer visit the slots: row by row,
// 1, 9, 17, 2, 10, 18, ... 8, 16, 24.
std::array<int, SlotCount> visitOrder();

// Cuts slot k's cell out of a loaded image, unscaled; nothing when the cell
// does not lie wholly inside the image.
std::optional<QImage> cutCell(const QImage& image, int slot);

} // namespace tileset
