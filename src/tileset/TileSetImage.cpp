#include "tileset/TileSetImage.h"

namespace tileset {

QPoint cellOrigin(int slot) {
    return {CellSize * ((slot - 1) / Rows), CellSize * ((slot - 1) % Rows)};
}

std::array<int, SlotCount> visitOrder() {
    std::array<int, SlotCount> order{};
    int i = 0;
    for (int row = 0; row < Rows; ++row)
        for (int column = 0; column < Columns; ++column)
            order[i++] = column * Rows + row + 1;
    return order;
}

std::optional<QImage> cutCell(const QImage& image, int slot) {
    const QPoint origin = cellOrigin(slot);
    const QRect cell(origin, QSize(CellSize, CellSize));
    if (image.isNull() || !image.rect().contains(cell))
        return std::nullopt;
    return image.copy(cell);
}

} // namespace tileset
