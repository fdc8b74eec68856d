#include "canvas/Transparent.h"

#include <algorithm>
#include <cstdint>

#if defined(__x86_64__) || defined(__SSE2__)
#include <immintrin.h>
#endif

namespace vellum {

namespace {

constexpr quint32 Opaque = 0xff000000u;
constexpr quint32 RgbMask = 0x00ffffffu;

// One row of the keyed copy: d[i] takes s[i] (made opaque) unless s[i] has the
// key colour. Returns whether any pixel was taken. The vector loops finish a
// row with one block that overlaps the last full one: doing a pixel twice
// gives the same result, and no pixel is read past the row.
bool keyedRowScalar(quint32* d, const quint32* s, int n, quint32 key) {
    bool any = false;
    for (int i = 0; i < n; ++i) {
        if ((s[i] & RgbMask) != key) {
            d[i] = s[i] | Opaque;
            any = true;
        }
    }
    return any;
}

#if defined(__SSE2__)
bool keyedRowSse2(quint32* d, const quint32* s, int n, quint32 key) {
    if (n < 4)
        return keyedRowScalar(d, s, n, key);
    const __m128i keyV = _mm_set1_epi32(int(key));
    const __m128i rgbV = _mm_set1_epi32(int(RgbMask));
    const __m128i opaqueV = _mm_set1_epi32(int(Opaque));
    bool any = false;
    auto block = [&](int i) {
        const __m128i src = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i keyed = _mm_cmpeq_epi32(_mm_and_si128(src, rgbV), keyV);
        const int m = _mm_movemask_ps(_mm_castsi128_ps(keyed));
        if (m == 0xf)
            return;
        __m128i out = _mm_or_si128(src, opaqueV);
        if (m != 0) {
            const __m128i dst = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
            out = _mm_or_si128(_mm_and_si128(keyed, dst), _mm_andnot_si128(keyed, out));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), out);
        any = true;
    };
    int i = 0;
    for (; i + 4 <= n; i += 4)
        block(i);
    if (i < n)
        block(n - 4);
    return any;
}
#endif

#if defined(__GNUC__) && defined(__x86_64__)
#define VELLUM_BLIT_X86 1
__attribute__((target("avx2"))) bool keyedRowAvx2(quint32* d, const quint32* s, int n,
                                                  quint32 key) {
    if (n < 8)
        return keyedRowSse2(d, s, n, key);
    const __m256i keyV = _mm256_set1_epi32(int(key));
    const __m256i rgbV = _mm256_set1_epi32(int(RgbMask));
    const __m256i opaqueV = _mm256_set1_epi32(int(Opaque));
    const __m256i ones = _mm256_set1_epi32(-1);
    bool any = false;
    auto block = [&](int i) __attribute__((target("avx2"))) {
        const __m256i src = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        const __m256i keyed = _mm256_cmpeq_epi32(_mm256_and_si256(src, rgbV), keyV);
        if (_mm256_testc_si256(keyed, ones))
            return;
        __m256i out = _mm256_or_si256(src, opaqueV);
        if (!_mm256_testz_si256(keyed, keyed))
            out = _mm256_blendv_epi8(
                out, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + i)), keyed);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), out);
        any = true;
    };
    int i = 0;
    for (; i + 8 <= n; i += 8)
        block(i);
    if (i < n)
        block(n - 8);
    return any;
}

// With AVX-512 the store itself is masked: key pixels are simply not written.
__attribute__((target("avx512f"))) bool keyedRowAvx512(quint32* d, const quint32* s, int n,
                                                       quint32 key) {
    const __m512i keyV = _mm512_set1_epi32(int(key));
    const __m512i rgbV = _mm512_set1_epi32(int(RgbMask));
    const __m512i opaqueV = _mm512_set1_epi32(int(Opaque));
    __mmask16 any = 0;
    int i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m512i src = _mm512_loadu_si512(s + i);
        const __mmask16 take = _mm512_cmpneq_epi32_mask(_mm512_and_si512(src, rgbV), keyV);
        _mm512_mask_storeu_epi32(d + i, take, _mm512_or_si512(src, opaqueV));
        any |= take;
    }
    if (i < n) {
        const auto lanes = __mmask16((1u << (n - i)) - 1);
        const __m512i src = _mm512_maskz_loadu_epi32(lanes, s + i);
        const __mmask16 take =
            _mm512_mask_cmpneq_epi32_mask(lanes, _mm512_and_si512(src, rgbV), keyV);
        _mm512_mask_storeu_epi32(d + i, take, _mm512_or_si512(src, opaqueV));
        any |= take;
    }
    return any != 0;
}
#endif

using KeyedRow = bool (*)(quint32*, const quint32*, int, quint32);

KeyedRow bestKeyedRow() {
#if defined(VELLUM_BLIT_X86)
    if (__builtin_cpu_supports("avx512f"))
        return keyedRowAvx512;
    if (__builtin_cpu_supports("avx2"))
        return keyedRowAvx2;
#endif
#if defined(__SSE2__)
    return keyedRowSse2;
#else
    return keyedRowScalar;
#endif
}

KeyedRow& copyRow() {
    static KeyedRow row = bestKeyedRow();
    return row;
}

// Formats whose pixels can be keyed as they are; others are converted.
bool keyable(const QImage& image) {
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

} // namespace

bool useBlitRows(BlitRows rows) {
    switch (rows) {
    case BlitRows::Best:
        copyRow() = bestKeyedRow();
        return true;
#if defined(VELLUM_BLIT_X86)
    case BlitRows::Avx512:
        if (!__builtin_cpu_supports("avx512f"))
            return false;
        copyRow() = keyedRowAvx512;
        return true;
    case BlitRows::Avx2:
        if (!__builtin_cpu_supports("avx2"))
            return false;
        copyRow() = keyedRowAvx2;
        return true;
#endif
#if defined(__SSE2__)
    case BlitRows::Sse2:
        copyRow() = keyedRowSse2;
        return true;
#endif
    case BlitRows::Plain:
        copyRow() = keyedRowScalar;
        return true;
    default:
        return false;
    }
}

// The tile's opaque pixels replace the canvas and key pixels keep it, which is
// what a mask-and-merge raster sequence amounts to; done here in one pass per
// row.
QRect TransparentBlit(QImage& destination, const QImage& source, qint16 x, qint16 y, qint16 width,
                      qint16 height, QRgb transparent) {
    if (destination.isNull() || source.isNull())
        return {};
    const QRect tile(0, 0, std::min<int>(width, source.width()),
                     std::min<int>(height, source.height()));
    const QRect target = tile.translated(x, y) & destination.rect();
    if (tile.isEmpty() || target.isEmpty())
        return {};
    if (destination.depth() != 32)
        destination.convertTo(QImage::Format_RGB32);

    const QImage converted =
        keyable(source) ? QImage() : source.copy(tile).convertToFormat(QImage::Format_RGB32);
    const QImage& src = keyable(source) ? source : converted;
    const quint32 key = transparent & RgbMask;
    const int sx = target.x() - x;
    const int sy = target.y() - y;
    const int n = target.width();
    uchar* dBits = destination.bits();
    const uchar* sBits = src.constBits();
    const qsizetype dStride = destination.bytesPerLine();
    const qsizetype sStride = src.bytesPerLine();
    int firstRow = -1;
    int lastRow = -1;
    for (int j = 0; j < target.height(); ++j) {
        auto* d = reinterpret_cast<quint32*>(dBits + (target.y() + j) * dStride) + target.x();
        const auto* s = reinterpret_cast<const quint32*>(sBits + (sy + j) * sStride) + sx;
        if (copyRow()(d, s, n, key)) {
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
