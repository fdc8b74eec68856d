#pragma once

#include <QImage>
#include <QRect>

namespace vellum {

// Copies the width x height rectangle at (0, 0) of `source` to (x, y) of
// `destination`, leaving the destination unchanged wherever the source pixel
// is exactly `transparent` (RGB, alpha ignored). Clips at every edge of both
// images. Returns the destination rectangle written (empty when none).
QRect TransparentBlit(QImage& destination, const QImage& source, qint16 x, qint16 y, qint16 width,
                      qint16 height, QRgb transparent);

// The row routines the copy can run on. It picks the best the processor has
// by itself; tests force each of the others in turn.
enum class BlitRows { Best, Avx512, Avx2, Sse2, Plain };
// False (and no change) when the processor lacks the routine.
bool useBlitRows(BlitRows rows);

} // namespace vellum
