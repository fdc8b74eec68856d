#include "canvas/Raster.h"

#include "canvas/Coverage.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <span>
#include <vector>

// Shapes are rasterised by our own code into a Coverage and written in one
// pass, so copy and invert mode touch exactly the same pixels. Geometry:
// coordinates round to the nearest pixel (halves to even); a pen of width w
// is a round dot w pixels across centred on the pixel (half a pixel up and
// left of it for even widths), and a wide line is that dot swept along the
// segment. Width 1 lines are one-pixel steps with both end points drawn.
namespace vellum::raster {

namespace {

// Positions far beyond any canvas are held here, so the arithmetic below
// stays in int and the walks along lines and circles stay short.
constexpr double Limit = 65536;

int toPixel(double v) {
    if (std::isnan(v))
        return 0;
    return int(std::nearbyint(std::clamp(v, -Limit, Limit)));
}

QPoint toPixel(QPointF p) {
    return {toPixel(p.x()), toPixel(p.y())};
}

void ensure32(QImage& image) {
    if (image.depth() != 32)
        image.convertTo(QImage::Format_RGB32);
}

// Dash patterns, on and off lengths in pixels, for width 1 pens.
std::span<const int> dashRuns(LineStyle style) {
    static constexpr int dash[] = {12, 6};
    static constexpr int dot[] = {3, 3};
    static constexpr int dashDot[] = {9, 5, 3, 5};
    static constexpr int dashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (style) {
    case LineStyle::Dash:
        return dash;
    case LineStyle::Dot:
        return dot;
    case LineStyle::DashDot:
        return dashDot;
    case LineStyle::DashDotDot:
        return dashDotDot;
    default:
        return {};
    }
}

// Walks a dash pattern one pixel at a time; empty pattern = solid.
class Dasher {
public:
    explicit Dasher(LineStyle style) : m_runs(dashRuns(style)) {}
    bool next() {
        if (m_runs.empty())
            return true;
        const bool on = m_index % 2 == 0;
        if (++m_step == m_runs[m_index]) {
            m_step = 0;
            m_index = (m_index + 1) % int(m_runs.size());
        }
        return on;
    }

private:
    std::span<const int> m_runs;
    int m_index = 0;
    int m_step = 0;
};

bool visible(const Pen& pen) {
    return pen.style != LineStyle::Invisible;
}

// First and last offset of a pen of width w around its centre pixel.
int penLow(int w) {
    return -(w / 2);
}
int penHigh(int w) {
    return penLow(w) + w - 1;
}

// Centre of the pen dot relative to the pixel it is drawn at.
double penCentre(int w) {
    return penLow(w) + (w - 1) / 2.0;
}

// The pixels from corner a to corner b inclusive, in either order (unlike
// QRect::normalized, which drops a row and a column when it swaps).
QRect between(QPoint a, QPoint b) {
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

QRect clipped(const QImage& image, QPoint a, QPoint b, int grow) {
    return between(a, b).adjusted(-grow, -grow, grow, grow) & image.rect();
}

void thinLine(Coverage& c, QPoint a, QPoint b, Dasher& dasher) {
    const int dx = std::abs(b.x() - a.x());
    const int dy = -std::abs(b.y() - a.y());
    const int sx = a.x() < b.x() ? 1 : -1;
    const int sy = a.y() < b.y() ? 1 : -1;
    int err = dx + dy;
    int x = a.x();
    int y = a.y();
    for (;;) {
        if (dasher.next())
            c.pixel(x, y, Coverage::Outline);
        if (x == b.x() && y == b.y())
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// Pixels whose centres lie within r of the segment p-q: per row the union of
// the two end discs and the band between them, which is one interval since
// the shape is convex.
void sweptDot(Coverage& c, QPointF p, QPointF q, double r) {
    constexpr double eps = 1e-9;
    const QPointF d = q - p;
    const double len = std::hypot(d.x(), d.y());
    QPointF band[4];
    if (len > 0) {
        const QPointF n(-d.y() / len * r, d.x() / len * r);
        band[0] = p + n;
        band[1] = q + n;
        band[2] = q - n;
        band[3] = p - n;
    }
    const int top = std::max(int(std::ceil(std::min(p.y(), q.y()) - r - eps)), c.area().top());
    const int bottom =
        std::min(int(std::floor(std::max(p.y(), q.y()) + r + eps)), c.area().bottom());
    for (int y = top; y <= bottom; ++y) {
        double lo = HUGE_VAL, hi = -HUGE_VAL;
        for (const QPointF& e : {p, q}) {
            const double h = r * r - (y - e.y()) * (y - e.y());
            if (h >= -eps) {
                const double s = std::sqrt(std::max(h, 0.0));
                lo = std::min(lo, e.x() - s);
                hi = std::max(hi, e.x() + s);
            }
        }
        for (int i = 0; len > 0 && i < 4; ++i) {
            const QPointF u = band[i], v = band[(i + 1) % 4];
            if ((u.y() - y) * (v.y() - y) > 0 || u.y() == v.y())
                continue;
            const double x = u.x() + (y - u.y()) * (v.x() - u.x()) / (v.y() - u.y());
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
        if (lo <= hi)
            c.span(y, int(std::ceil(lo - eps)), int(std::floor(hi + eps)), Coverage::Outline);
    }
}

void wideLine(Coverage& c, QPoint a, QPoint b, int w) {
    const double o = penCentre(w);
    sweptDot(c, QPointF(a) + QPointF(o, o), QPointF(b) + QPointF(o, o), w / 2.0);
}

void strokeLine(Coverage& c, QPoint a, QPoint b, const Pen& pen) {
    if (pen.width > 1) {
        wideLine(c, a, b, pen.width);
        return;
    }
    Dasher dasher(pen.style);
    thinLine(c, a, b, dasher);
}

// Interior pixels x0..x1 of row y in the fill style; hatch lines are eight
// pixels apart and aligned to the image origin, so neighbouring fills join.
void fillSpan(Coverage& c, int y, int x0, int x1, FillStyle style) {
    constexpr int Step = 8;
    const int ym = ((y % Step) + Step) % Step;
    const auto part = Coverage::Fill;
    switch (style) {
    case FillStyle::Solid:
        c.span(y, x0, x1, part);
        break;
    case FillStyle::Transparent:
        break;
    case FillStyle::HorizontalLine:
        if (ym == 0)
            c.span(y, x0, x1, part);
        break;
    case FillStyle::VerticalLine:
        c.strided(y, x0, x1, Step, 0, part);
        break;
    case FillStyle::UpwardDiagonal: // x + y == 0 (mod 8)
        c.strided(y, x0, x1, Step, Step - ym, part);
        break;
    case FillStyle::DownwardDiagonal: // x - y == 0 (mod 8)
        c.strided(y, x0, x1, Step, ym, part);
        break;
    case FillStyle::Cross:
        fillSpan(c, y, x0, x1, FillStyle::HorizontalLine);
        fillSpan(c, y, x0, x1, FillStyle::VerticalLine);
        break;
    case FillStyle::DiagonalCross:
        fillSpan(c, y, x0, x1, FillStyle::UpwardDiagonal);
        fillSpan(c, y, x0, x1, FillStyle::DownwardDiagonal);
        break;
    }
}

// The box outline walked once round from the top-left corner, so dashes run
// on across the corners.
void thinFrame(Coverage& c, const QRect& r, LineStyle style) {
    Dasher dasher(style);
    const QPoint corners[] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    for (int i = 0; i < 4; ++i)
        thinLine(c, corners[i], corners[(i + 1) % 4], dasher);
}

// A square pen w wide run along the box edges: a band w pixels thick.
void wideFrame(Coverage& c, const QRect& r, int w) {
    const int lo = penLow(w), hi = penHigh(w);
    const QRect outer = r.adjusted(lo, lo, hi, hi);
    const QRect inner = r.adjusted(hi + 1, hi + 1, lo - 1, lo - 1);
    for (int y = std::max(outer.top(), c.area().top());
         y <= std::min(outer.bottom(), c.area().bottom()); ++y) {
        if (inner.isEmpty() || y < inner.top() || y > inner.bottom()) {
            c.span(y, outer.left(), outer.right(), Coverage::Outline);
        } else {
            c.span(y, outer.left(), inner.left() - 1, Coverage::Outline);
            c.span(y, inner.right() + 1, outer.right(), Coverage::Outline);
        }
    }
}

qint64 isqrt(qint64 n) {
    if (n < 0)
        return -1;
    auto s = qint64(std::sqrt(double(n)));
    while (s * s > n)
        --s;
    while ((s + 1) * (s + 1) <= n)
        ++s;
    return s;
}

// Largest |dx| with 4 (dx^2 + dy^2) <= bound4, or -1 when the row misses.
qint64 halfWidth4(qint64 bound4, qint64 dy) {
    const qint64 rest = bound4 - 4 * dy * dy;
    return rest < 0 ? -1 : isqrt(rest / 4);
}

// Midpoint circle, its pixels in order round the circle so dashes follow it.
std::vector<QPoint> circlePixels(int r) {
    std::vector<QPoint> octant;
    for (int x = r, y = 0, err = 1 - r; x >= y;) {
        octant.emplace_back(x, y);
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
    std::vector<QPoint> ring;
    ring.reserve(octant.size() * 8);
    auto add = [&ring](int x, int y) {
        if (ring.empty() || ring.back() != QPoint(x, y))
            ring.emplace_back(x, y);
    };
    const auto n = qsizetype(octant.size());
    for (int k = 0; k < 8; ++k) {
        const bool reversed = k % 2 == 1;
        for (qsizetype i = 0; i < n; ++i) {
            const QPoint p = octant[size_t(reversed ? n - 1 - i : i)];
            const int x = p.x(), y = p.y();
            const QPoint e[8] = {{x, y},   {y, x},   {-y, x}, {-x, y},
                                 {-x, -y}, {-y, -x}, {y, -x}, {x, -y}};
            add(e[k].x(), e[k].y());
        }
    }
    if (ring.size() > 1 && ring.front() == ring.back())
        ring.pop_back();
    return ring;
}

QRect finish(QImage& image, const Coverage& c, const Pen& pen, const Fill& fill) {
    return c.apply(image, pen.mode, pen.color, fill.color);
}

} // namespace

QRect drawLine(QImage& image, QPointF from, QPointF to, const Pen& pen) {
    if (!visible(pen) || image.isNull())
        return {};
    ensure32(image);
    const QPoint a = toPixel(from), b = toPixel(to);
    Coverage c(clipped(image, a, b, pen.width));
    if (c.isEmpty())
        return {};
    strokeLine(c, a, b, pen);
    return finish(image, c, pen, {});
}

QRect drawBox(QImage& image, QPointF a, QPointF b, const Pen& pen, const Fill& fill) {
    if (image.isNull())
        return {};
    ensure32(image);
    const QRect r = between(toPixel(a), toPixel(b));
    Coverage c(clipped(image, r.topLeft(), r.bottomRight(), pen.width));
    if (c.isEmpty())
        return {};
    for (int y = std::max(r.top(), c.area().top()); y <= std::min(r.bottom(), c.area().bottom());
         ++y)
        fillSpan(c, y, r.left(), r.right(), fill.style);
    if (visible(pen)) {
        if (pen.width > 1)
            wideFrame(c, r, pen.width);
        else
            thinFrame(c, r, pen.style);
    }
    return finish(image, c, pen, fill);
}

QRect drawCircle(QImage& image, QPointF centre, double radius, const Pen& pen, const Fill& fill) {
    if (image.isNull() || !(radius >= 0))
        return {};
    ensure32(image);
    const QPoint m = toPixel(centre);
    const int r = toPixel(radius);
    const int w = pen.width;
    const int reach = r + w;
    Coverage c(clipped(image, m - QPoint(reach, reach), m + QPoint(reach, reach), 0));
    if (c.isEmpty())
        return {};
    const int top = c.area().top(), bottom = c.area().bottom();
    for (int y = std::max(m.y() - r, top); y <= std::min(m.y() + r, bottom); ++y) {
        const qint64 dx = halfWidth4(4 * qint64(r) * r, y - m.y());
        fillSpan(c, y, m.x() - int(dx), m.x() + int(dx), fill.style);
    }
    if (visible(pen) && w == 1) {
        Dasher dasher(pen.style);
        for (const QPoint& p : circlePixels(r))
            if (dasher.next())
                c.pixel(m.x() + p.x(), m.y() + p.y(), Coverage::Outline);
    } else if (visible(pen)) {
        // pixels whose centre distance d from the centre has r - w/2 < d <= r + w/2
        const qint64 outer4 = qint64(2 * r + w) * (2 * r + w);
        const qint64 inner4 = 2 * r - w >= 0 ? qint64(2 * r - w) * (2 * r - w) : -1;
        for (int y = top; y <= bottom; ++y) {
            const qint64 ox = halfWidth4(outer4, y - m.y());
            if (ox < 0)
                continue;
            const qint64 ix = inner4 < 0 ? -1 : halfWidth4(inner4, y - m.y());
            if (ix < 0) {
                c.span(y, m.x() - int(ox), m.x() + int(ox), Coverage::Outline);
            } else {
                c.span(y, m.x() - int(ox), m.x() - int(ix) - 1, Coverage::Outline);
                c.span(y, m.x() + int(ix) + 1, m.x() + int(ox), Coverage::Outline);
            }
        }
    }
    return finish(image, c, pen, fill);
}

QRect drawPoint(QImage& image, QPointF at, const Pen& pen) {
    if (image.isNull())
        return {};
    ensure32(image);
    const QPoint p = toPixel(at);
    Coverage c(clipped(image, p, p, pen.width));
    if (c.isEmpty())
        return {};
    if (pen.width > 1)
        wideLine(c, p, p, pen.width);
    else
        c.pixel(p.x(), p.y(), Coverage::Outline);
    return finish(image, c, pen, {});
}

QRect drawText(QImage& image, QPointF topLeft, const QString& text, const QFont& font, QRgb color,
               DrawMode mode) {
    if (text.isEmpty() || image.isNull())
        return {};
    ensure32(image);
    QFont aliased(font);
    aliased.setStyleStrategy(QFont::NoAntialias);
    const QPoint at = toPixel(topLeft);
    constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextExpandTabs;
    const QFontMetrics metrics(aliased, &image);
    // room for glyphs that overhang their advance (italics, accents)
    const int margin = metrics.height() / 2 + 2;
    const QRect laid = metrics.boundingRect(QRect(at, QSize(0, 0)), flags, text);
    const QRect area = laid.adjusted(-margin, -margin, margin, margin) & image.rect();
    if (area.isEmpty())
        return {};

    QImage glyphs(area.size(), QImage::Format_ARGB32_Premultiplied);
    glyphs.setDotsPerMeterX(image.dotsPerMeterX());
    glyphs.setDotsPerMeterY(image.dotsPerMeterY());
    glyphs.fill(Qt::transparent);
    {
        QPainter p(&glyphs);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(aliased);
        p.setPen(Qt::white);
        p.translate(-area.topLeft());
        p.drawText(QRect(at, QSize(0, 0)), flags, text);
    }
    Coverage c(area);
    for (int y = 0; y < glyphs.height(); ++y) {
        const auto* g = reinterpret_cast<const QRgb*>(glyphs.constScanLine(y));
        for (int x = 0; x < glyphs.width(); ++x)
            if (qAlpha(g[x]) >= 128)
                c.pixel(area.x() + x, area.y() + y, Coverage::Outline);
    }
    return c.apply(image, mode, color, color);
}

} // namespace vellum::raster
