#include "canvas/Transparent.h"

#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vellum {

namespace {

constexpr quint32 Opaque = 0xff000000u;
constexpr quint32 RgbMask = 0x00ffffffu;

// One row of the keyed copy: d[i] takes s[i] (made opaque) unless s[i] has the
// key colour. Returns whether any pixel was taken.
bool keyedRow(quint32* d, const quint32* s, int n, quint32 key) {
    int i = 0;
    bool any = false;
#if defined(__SSE2__)
    const __m128i keyV = _mm_set1_epi32(int(key & RgbMask));
    const __m128i rgbV = _mm_set1_epi32(int(RgbMask));
    const __m128i opaqueV = _mm_set1_epi32(int(Opaque));
    __m128i anyV = _mm_setzero_si128();
    for (; i + 4 <= n; i += 4) {
        const __m128i src = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i dst = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        const __m128i keyed = _mm_cmpeq_epi32(_mm_and_si128(src, rgbV), keyV);
        anyV = _mm_or_si128(anyV, _mm_xor_si128(keyed, _mm_set1_epi32(-1)));
        const __m128i out = _mm_or_si128(_mm_and_si128(keyed, dst),
                                         _mm_andnot_si128(keyed, _mm_or_si128(src, opaqueV)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), out);
    }
    any = _mm_movemask_epi8(anyV) != 0;
#endif
    for (; i < n; ++i) {
        if ((s[i] & RgbMask) != (key & RgbMask)) {
            d[i] = s[i] | Opaque;
            any = true;
        }
    }
    return any;
}

// The source as 32-bit pixels whose colour bytes are the picture's colours.
QImage keyableSource(const QImage& source, const QRect& tile) {
    switch (source.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        return source;
    default:
        return source.copy(tile).convertToFormat(QImage::Format_RGB32);
    }
}

} // namespace

// The tile's opaque pixels replace the canvas and key pixels keep it, which is
// what the mask-and-merge raster sequence of the original stamping amounts to;
// done here in one pass per row.
QRect TransparentBlit(QImage& destination, const QImage& source, qint16 x, qint16 y,
                      qint16 width, qint16 height, QRgb transparent) {
    if (destination.isNull() || source.isNull())
        return {};
    const QRect tile(0, 0, std::min<int>(width, source.width()),
                     std::min<int>(height, source.height()));
    const QRect target = tile.translated(x, y) & destination.rect();
    if (tile.isEmpty() || target.isEmpty())
        return {};
    if (destination.depth() != 32)
        destination.convertTo(QImage::Format_RGB32);

    const QImage src = keyableSource(source, tile);
    const int sx = target.x() - x;
    const int sy = target.y() - y;
    const int n = target.width();
    uchar* dBits = destination.bits();
    const uchar* sBits = src.constBits();
    int firstRow = -1;
    int lastRow = -1;
    for (int j = 0; j < target.height(); ++j) {
        auto* d = reinterpret_cast<quint32*>(dBits + (target.y() + j) * destination.bytesPerLine()) +
                  target.x();
        const auto* s = reinterpret_cast<const quint32*>(sBits + (sy + j) * src.bytesPerLine()) + sx;
        if (keyedRow(d, s, n, transparent)) {
            if (firstRow < 0)
                firstRow = j;
            lastRow = j;
        }
    }
    if (firstRow < 0)
        return {};
    return QRect(target.x(), target.y() + firstRow, n, lastRow - firstRow + 1);
}

} // namespace vellum
