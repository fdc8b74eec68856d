#include "tiles/ArtPainting.h"

#include <QPainterPath>
#include <QTransform>
#include <vector>

// Roof pieces of Tile Set 2: hipped roofs seen from above. Eaves lie kEave
// pixels inside the cell with white outside them; a ridge through a piece runs
// along the middle of the cell and hips run at 45 degrees, so ridge ends join
// into houses, the crossing joins four ridge ends, and the corner pieces make
// a pyramid roof over four cells. Pieces are defined once and turned by the
// symmetries of the square; their planking is laid out from the eave each
// face drains to, so the courses of a face continue into the next cell.
namespace vellum::art {

namespace {

constexpr double kEave = 2;
constexpr double kOut = 3; // how far shapes run past the cell, cut by the clip
constexpr double kFar = kCell + kOut;
constexpr double kMid = kCell / 2.0;
constexpr int kCourse = 3; // divides 30, so courses line up in every cell

struct Face {
    QPolygonF area;
    QPointF drain; // unit vector towards the eave the face drains to
};

struct Roof {
    QPolygonF footprint;
    std::vector<Face> faces;
    std::vector<QLineF> lines; // ridges, hips and valleys
};

void addTurned(Roof& into, const Roof& piece, const QTransform& t) {
    for (const Face& f : piece.faces)
        into.faces.push_back({t.map(f.area), t.map(f.drain) - t.map(QPointF(0, 0))});
    for (const QLineF& l : piece.lines)
        into.lines.push_back(t.map(l));
    if (into.footprint.isEmpty())
        into.footprint = t.map(piece.footprint);
}

const QTransform kFlipH(-1, 0, 0, 1, kCell, 0);
const QTransform kFlipV(1, 0, 0, -1, 0, kCell);
const QTransform kTurn(-1, 0, 0, -1, kCell, kCell);
const QTransform kTranspose(0, 1, 1, 0, 0, 0);

Roof turned(const Roof& piece, const QTransform& t) {
    Roof r;
    addTurned(r, piece, t);
    return r;
}

const QPointF kN(0, -1), kS(0, 1), kW(-1, 0), kE(1, 0);

// A ridge coming in from the east edge and ending in two hips over the west eave.
Roof ridgeEndWest() {
    const double e = kEave, s = kCell - kEave;
    return {QPolygonF({{e, e}, {kFar, e}, {kFar, s}, {e, s}}),
            {{QPolygonF({{e, e}, {kFar, e}, {kFar, kMid}, {kMid, kMid}}), kN},
             {QPolygonF({{e, s}, {kMid, kMid}, {kFar, kMid}, {kFar, s}}), kS},
             {QPolygonF({{e, e}, {kMid, kMid}, {e, s}}), kW}},
            {{e, e, kMid, kMid}, {e, s, kMid, kMid}, {kMid, kMid, kFar, kMid}}};
}

// The north-west corner of a roof over two by two cells: one hip from the
// eave corner to the far corner of the cell, where the four hips meet.
Roof cornerNorthWest() {
    const double e = kEave;
    return {QPolygonF({{e, e}, {kFar, e}, {kFar, kFar}, {e, kFar}}),
            {{QPolygonF({{e, e}, {kFar, e}, {kFar, kFar}}), kN},
             {QPolygonF({{e, e}, {kFar, kFar}, {e, kFar}}), kW}},
            {{e, e, kFar, kFar}}};
}

Roof pyramid() {
    const double e = kEave, s = kCell - kEave;
    const QPointF c(kMid, kMid);
    return {QPolygonF({{e, e}, {s, e}, {s, s}, {e, s}}),
            {{QPolygonF({{e, e}, {s, e}, c}), kN},
             {QPolygonF({{s, e}, {s, s}, c}), kE},
             {QPolygonF({{s, s}, {e, s}, c}), kS},
             {QPolygonF({{e, s}, {e, e}, c}), kW}},
            {{QPointF(e, e), c}, {QPointF(s, e), c}, {QPointF(s, s), c}, {QPointF(e, s), c}}};
}

// Two ridges crossing: the middle of a cross-shaped house. The re-entrant
// corners of the four wings leave white notches, with valleys to the centre.
Roof crossing() {
    const double e = kEave, o = -kOut;
    const QPointF c(kMid, kMid);
    Roof quarter{{},
                 {{QPolygonF({{e, o}, {kMid, o}, c, {e, e}}), kW},
                  {QPolygonF({{o, e}, {e, e}, c, {o, kMid}}), kN}},
                 {{QPointF(e, e), c}}};
    Roof r;
    for (const QTransform& t : {QTransform(), kFlipH, kFlipV, kTurn})
        addTurned(r, quarter, t);
    const double s = kCell - kEave;
    r.footprint = QPolygonF({{e, o},
                             {e, e},
                             {o, e},
                             {o, s},
                             {e, s},
                             {e, kFar},
                             {s, kFar},
                             {s, s},
                             {kFar, s},
                             {kFar, e},
                             {s, e},
                             {s, o}});
    r.lines.push_back({kMid, o, kMid, kFar});
    r.lines.push_back({o, kMid, kFar, kMid});
    return r;
}

// The apex: four hips from the corners and a ridge either side of the centre.
Roof apex() {
    const double o = -kOut;
    const QPointF c(kMid, kMid);
    return {QPolygonF({{o, o}, {kFar, o}, {kFar, kFar}, {o, kFar}}),
            {{QPolygonF({{o, o}, {kFar, o}, c}), kN},
             {QPolygonF({{kFar, o}, {kFar, kFar}, c}), kE},
             {QPolygonF({{kFar, kFar}, {o, kFar}, c}), kS},
             {QPolygonF({{o, kFar}, {o, o}, c}), kW}},
            {{o, o, kFar, kFar}, {o, kFar, kFar, o}, {o, kMid, kFar, kMid}}};
}

QColor faceColour(QPointF drain) {
    // Light from the north-west.
    const int lift = int(-10 * drain.x() - 14 * drain.y());
    return QColor(188 + lift, 140 + lift, 92 + lift);
}

void paintFace(QPainter& p, const Face& f) {
    const QColor base = faceColour(f.drain);
    p.save();
    QPainterPath clip;
    clip.addPolygon(f.area);
    p.setClipPath(clip, Qt::IntersectClip);
    p.fillRect(QRect(0, 0, kCell, kCell), base);
    // Courses run parallel to the eave, counted inwards from it; the joints
    // between planks are staggered every other course.
    const bool across = f.drain.y() != 0;
    const bool fromFar = f.drain.x() + f.drain.y() > 0;
    p.setPen(QPen(base.darker(150), 1));
    for (int k = 0; k * kCourse <= kCell; ++k) {
        const double d = kEave + k * kCourse;
        const double at = (fromFar ? kCell - d : d) + (fromFar ? -0.5 : 0.5);
        const double next = at + (fromFar ? -kCourse : kCourse);
        if (across)
            p.drawLine(QPointF(-1, at), QPointF(kCell + 1, at));
        else
            p.drawLine(QPointF(at, -1), QPointF(at, kCell + 1));
        for (int a = (k % 2) * 3; a < kCell; a += 6) {
            const double along = a + 0.5;
            if (across)
                p.drawLine(QPointF(along, at), QPointF(along, next));
            else
                p.drawLine(QPointF(at, along), QPointF(next, along));
        }
    }
    p.restore();
}

QImage paintRoof(const Roof& roof) {
    QImage image(kCell, kCell, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setClipRect(QRect(0, 0, kCell, kCell));
    QPainterPath footprint;
    footprint.addPolygon(roof.footprint);
    footprint.closeSubpath();
    p.save();
    p.setClipPath(footprint, Qt::IntersectClip);
    for (const Face& f : roof.faces)
        paintFace(p, f);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 44, 24), 1.4, Qt::SolidLine, Qt::FlatCap));
    for (const QLineF& l : roof.lines)
        p.drawLine(l);
    p.restore();
    p.end();
    // The eave line is the row of footprint pixels next to the outside,
    // judged on the whole footprint so no line appears where the roof runs on.
    auto inside = [&](int x, int y) {
        return roof.footprint.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill);
    };
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x)
            if (inside(x, y) &&
                !(inside(x - 1, y) && inside(x + 1, y) && inside(x, y - 1) && inside(x, y + 1)))
                image.setPixel(x, y, qRgb(60, 38, 20));
    return image;
}

} // namespace

QImage roofPiece(int command) {
    switch (command) {
    case 8:
        return paintRoof(crossing());
    case 16:
        return paintRoof(apex());
    case 9:
        return paintRoof(ridgeEndWest());
    case 21:
        return paintRoof(turned(ridgeEndWest(), kFlipH));
    case 20:
        return paintRoof(turned(ridgeEndWest(), kTranspose));
    case 10:
        return paintRoof(turned(turned(ridgeEndWest(), kTranspose), kFlipV));
    case 19:
        return paintRoof(cornerNorthWest());
    case 18:
        return paintRoof(turned(cornerNorthWest(), kFlipH));
    case 11:
        return paintRoof(turned(cornerNorthWest(), kFlipV));
    case 12:
        return paintRoof(turned(cornerNorthWest(), kTurn));
    case 23:
        return paintRoof(pyramid());
    default:
        return {};
    }
}

} // namespace vellum::art
