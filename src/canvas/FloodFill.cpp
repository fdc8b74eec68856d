#include "canvas/FloodFill.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// A segment-stack span fill: each stack entry is a run already painted on one
// row and the direction of the row still to be explored from it. A row is read
// and written about once, so a large uniform region costs little more than a
// copy of its bytes, and the stack holds pending runs rather than pixels.
namespace vellum {

namespace {

using Pixel = quint32;

#if defined(__SSE2__)
inline __m128i load4(const Pixel* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

inline void store4(Pixel* p, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}

inline int equalMask(__m128i a, __m128i v) {
    return _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(a, v)));
}

// Lanes below n set: the part of four pixels that a run covers.
inline __m128i lanesBelow(int n) {
    return _mm_cmpgt_epi32(_mm_set1_epi32(n), _mm_setr_epi32(0, 1, 2, 3));
}

// Lanes at or above 4 - n set (the top n lanes).
inline __m128i lanesAbove(int n) {
    return _mm_cmpgt_epi32(_mm_setr_epi32(1, 2, 3, 4), _mm_set1_epi32(4 - n));
}

inline __m128i select(__m128i mask, __m128i a, __m128i b) {
    return _mm_or_si128(_mm_and_si128(mask, a), _mm_andnot_si128(mask, b));
}
#endif

// Paints p[x], p[x+1], ... while they equal `old` (stopping at `end`);
// returns one past the last pixel painted.
inline int paintRight(Pixel* p, int x, int end, Pixel old, Pixel fill) {
#if defined(__SSE2__)
    const __m128i oldV = _mm_set1_epi32(int(old));
    const __m128i fillV = _mm_set1_epi32(int(fill));
    for (; x + 4 <= end; x += 4) {
        const __m128i a = load4(p + x);
        const int m = equalMask(a, oldV);
        if (m != 0xf) {
            // the run ends inside these four: paint its part, write the rest back
            const int n = std::countr_one(unsigned(m));
            store4(p + x, select(lanesBelow(n), fillV, a));
            return x + n;
        }
        store4(p + x, fillV);
    }
#endif
    for (; x < end && p[x] == old; ++x)
        p[x] = fill;
    return x;
}

// Paints p[x-1], p[x-2], ... while they equal `old`; returns the leftmost
// index painted (x when none).
inline int paintLeft(Pixel* p, int x, Pixel old, Pixel fill) {
    if (x == 0 || p[x - 1] != old)
        return x;
#if defined(__SSE2__)
    const __m128i oldV = _mm_set1_epi32(int(old));
    const __m128i fillV = _mm_set1_epi32(int(fill));
    for (; x >= 4; x -= 4) {
        const __m128i a = load4(p + x - 4);
        const int m = equalMask(a, oldV);
        if (m != 0xf) {
            // equal lanes counted down from the highest
            const int n = std::countl_one(unsigned(m) << 28);
            store4(p + x - 4, select(lanesAbove(n), fillV, a));
            return x - n;
        }
        store4(p + x - 4, fillV);
    }
#endif
    for (; x > 0 && p[x - 1] == old; --x)
        p[x - 1] = fill;
    return x;
}

// First index in [x, end) whose pixel equals `old`, or `end`.
inline int findOld(const Pixel* p, int x, int end, Pixel old) {
#if defined(__SSE2__)
    const __m128i oldV = _mm_set1_epi32(int(old));
    for (; x + 4 <= end; x += 4) {
        const int m = equalMask(load4(p + x), oldV);
        if (m != 0)
            return x + std::countr_zero(unsigned(m));
    }
#endif
    for (; x < end && p[x] != old; ++x) {
    }
    return x;
}

struct Segment {
    int y; // row already painted over [x1, x2]
    int x1;
    int x2;
    int dy; // direction of the row to explore next
};

// Pending runs are kept per band of rows and the band being worked on is
// emptied before another is taken up, so the fill stays within a part of the
// picture that fits in the cache instead of wandering over all of it.
class SpanFill {
public:
    SpanFill(QImage& image, Pixel old, Pixel fill)
        : m_bits(image.bits()), m_stride(image.bytesPerLine()), m_width(image.width()),
          m_height(image.height()), m_old(old), m_fill(fill) {
        const qsizetype bytes = m_stride * m_height;
        m_bandShift = 30;
        if (bytes > SmallPicture) {
            m_bandShift = 3;
            while ((qsizetype(2) << m_bandShift) * m_stride <= BandBytes)
                ++m_bandShift;
        }
        m_bands.resize(size_t((m_height - 1) >> m_bandShift) + 1);
    }

    QRect run(QPoint seed) {
        Pixel* p = row(seed.y());
        const int l = paintLeft(p, seed.x(), m_old, m_fill);
        const int r = paintRight(p, seed.x(), m_width, m_old, m_fill);
        painted(seed.y(), l, r - 1);
        int band = seed.y() >> m_bandShift;
        push(seed.y(), l, r - 1, 1);
        push(seed.y(), l, r - 1, -1);
        while (m_pending > 0) {
            std::vector<Segment>& stack = m_bands[size_t(band)];
            while (!stack.empty()) {
                const Segment s = stack.back();
                stack.pop_back();
                --m_pending;
                explore(s);
            }
            if (m_pending > 0)
                band = nearestPendingBand(band);
        }
        return QRect(QPoint(m_minX, m_minY), QPoint(m_maxX, m_maxY));
    }

private:
    // Pictures up to this size fit in the cache whole: one band.
    static constexpr qsizetype SmallPicture = qsizetype(4) << 20;
    static constexpr qsizetype BandBytes = qsizetype(256) << 10;

    Pixel* row(int y) const { return reinterpret_cast<Pixel*>(m_bits + qsizetype(y) * m_stride); }

    void push(int y, int x1, int x2, int dy) {
        const int next = y + dy;
        if (next >= 0 && next < m_height) {
            m_bands[size_t(next >> m_bandShift)].push_back({y, x1, x2, dy});
            ++m_pending;
        }
    }

    int nearestPendingBand(int band) const {
        const int n = int(m_bands.size());
        for (int d = 1;; ++d) {
            if (band - d >= 0 && !m_bands[size_t(band - d)].empty())
                return band - d;
            if (band + d < n && !m_bands[size_t(band + d)].empty())
                return band + d;
        }
    }

    void painted(int y, int x1, int x2) {
        m_minX = std::min(m_minX, x1);
        m_maxX = std::max(m_maxX, x2);
        m_minY = std::min(m_minY, y);
        m_maxY = std::max(m_maxY, y);
    }

    // Paints the runs of row s.y + s.dy that touch [s.x1, s.x2]; runs that
    // reach past that range are also pushed back towards the row they came
    // from, whose pixels beyond the range have not been looked at. The last
    // run found is followed on at once rather than pushed and popped.
    void explore(Segment s) {
        for (;;) {
            const int y = s.y + s.dy;
            Pixel* p = row(y);
            int x = s.x1;
            int l;
            if (p[x] == m_old) {
                l = paintLeft(p, x, m_old, m_fill);
                if (l < s.x1)
                    push(y, l, s.x1 - 1, -s.dy);
            } else {
                x = findOld(p, x + 1, s.x2 + 1, m_old);
                l = x;
            }
            Segment next{y, 0, -1, s.dy};
            while (x <= s.x2) {
                const int e = paintRight(p, x, m_width, m_old, m_fill);
                painted(y, l, e - 1);
                if (e > s.x2 + 1)
                    push(y, s.x2 + 1, e - 1, -s.dy);
                if (next.x1 <= next.x2)
                    push(next.y, next.x1, next.x2, next.dy);
                next.x1 = l;
                next.x2 = e - 1;
                x = findOld(p, e + 1, s.x2 + 1, m_old);
                l = x;
            }
            const int ahead = y + s.dy;
            if (next.x1 > next.x2 || ahead < 0 || ahead >= m_height)
                return;
            s = next;
        }
    }

    uchar* m_bits;
    qsizetype m_stride;
    int m_width;
    int m_height;
    Pixel m_old;
    Pixel m_fill;
    int m_bandShift;
    std::vector<std::vector<Segment>> m_bands;
    qint64 m_pending = 0;
    int m_minX = INT_MAX;
    int m_maxX = INT_MIN;
    int m_minY = INT_MAX;
    int m_maxY = INT_MIN;
};

} // namespace

QRect floodFill(QImage& image, QPoint seed, QRgb fill) {
    if (!image.rect().contains(seed))
        return {};
    if (image.depth() != 32)
        image.convertTo(QImage::Format_RGB32);
    if (image.format() == QImage::Format_RGB32)
        fill |= 0xff000000u;
    const Pixel old = reinterpret_cast<const Pixel*>(image.constScanLine(seed.y()))[seed.x()];
    if (old == fill)
        return {};
    return SpanFill(image, old, fill).run(seed);
}

} // namespace vellum
