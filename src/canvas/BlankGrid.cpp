#include "canvas/BlankGrid.h"

namespace vellum {

QImage blankGridPicture() {
    constexpr int Size = 720;
    constexpr int Pitch = 30;
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < Size; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (y % Pitch == 0 && y != 0) {
            std::fill(row, row + Size, GridLineColor);
            continue;
        }
        for (int x = Pitch; x < Size; x += Pitch)
            row[x] = GridLineColor;
    }
    return image;
}

} // namespace vellum
