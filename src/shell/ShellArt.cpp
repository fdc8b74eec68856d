#include "shell/ShellArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

// The title art is drawn on a fixed 498 x 289 design and scaled to the size
// asked for, so the splash and the About box show the same picture. Texture
// comes from a fixed-seed generator: the picture is identical on every run.
namespace vellum::art {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kWidth = 498, kHeight = 289;

class Scatter {
public:
    explicit Scatter(unsigned seed) : state_(seed) {}
    double next() { // in [0, 1)
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / double(1u << 24);
    }
    double between(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    unsigned state_;
};

const QColor kInk(92, 58, 30);
const QColor kDeepInk(70, 26, 16);

void paintParchment(QPainter& p) {
    const QRectF sheet(0, 0, kWidth, kHeight);
    p.fillRect(sheet, QColor(234, 218, 178));
    Scatter s(1206);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const QPointF c(s.between(0, kWidth), s.between(0, kHeight));
        const double r = s.between(14, 70);
        const bool dark = s.next() < 0.6;
        QRadialGradient g(c, r);
        g.setColorAt(0, dark ? QColor(196, 162, 104, 44) : QColor(252, 244, 218, 60));
        g.setColorAt(1, QColor(0, 0, 0, 0));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
    p.setPen(QPen(QColor(150, 118, 70, 40), 0.6));
    for (int i = 0; i < 160; ++i) { // fibres of the skin
        const QPointF a(s.between(0, kWidth), s.between(0, kHeight));
        const double angle = s.between(-0.3, 0.3), length = s.between(4, 16);
        p.drawLine(a, a + length * QPointF(std::cos(angle), std::sin(angle)));
    }
    QRadialGradient burn(QPointF(kWidth / 2, kHeight / 2), kWidth * 0.62);
    burn.setColorAt(0, QColor(0, 0, 0, 0));
    burn.setColorAt(0.62, QColor(110, 70, 30, 0));
    burn.setColorAt(1, QColor(90, 52, 20, 190));
    p.setPen(Qt::NoPen);
    p.setBrush(burn);
    p.drawRect(sheet);
}

// A bay in the lower left (where the compass rose sits), hills, a forest and
// a dotted road to a walled town, and a dungeon plan on graph paper.
void paintMap(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    QPainterPath coast;
    coast.moveTo(-5, 150);
    coast.cubicTo(40, 142, 70, 160, 112, 158);
    coast.cubicTo(150, 156, 150, 190, 170, 204);
    coast.cubicTo(196, 222, 176, 252, 206, 294);
    QPainterPath sea = coast;
    sea.lineTo(-5, 294);
    sea.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 130, 140, 40));
    p.drawPath(sea);
    // Rhumb lines from the rose, as on a sailing chart.
    p.setPen(QPen(QColor(92, 58, 30, 34), 0.7));
    for (int i = 0; i < 16; ++i) {
        const double a = i * kPi / 8;
        p.drawLine(QPointF(84, 222), QPointF(84, 222) + 600 * QPointF(std::cos(a), std::sin(a)));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(92, 58, 30, 170), 1.6));
    p.drawPath(coast);
    p.setPen(QPen(QColor(92, 58, 30, 70), 1));
    p.drawPath(coast.translated(-3, 7));
    p.drawPath(coast.translated(-7, 14));
    p.setPen(QPen(QColor(70, 96, 110, 120), 1));
    Scatter s(77);
    for (int i = 0; i < 40; ++i) { // waves, away from the shore and the rose
        const QPointF w(s.between(16, 160), s.between(178, 268));
        if (w.x() > 140 - (w.y() - 180) * 0.1 || QLineF(w, QPointF(84, 222)).length() < 50)
            continue;
        QPainterPath wave;
        wave.moveTo(w);
        wave.quadTo(w + QPointF(3, -3), w + QPointF(6, 0));
        wave.quadTo(w + QPointF(9, -3), w + QPointF(12, 0));
        p.drawPath(wave);
    }
    const QPointF hills[] = {{228, 186}, {250, 178}, {272, 190}, {240, 206}, {296, 180}};
    for (QPointF h : hills) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 84, 46, 60));
        p.drawPolygon(QPolygonF({h + QPointF(0, -17), h + QPointF(13, 0), h + QPointF(2, 0)}));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(92, 58, 30, 150), 1.3));
        p.drawPolyline(QPolygonF({h + QPointF(-13, 0), h + QPointF(0, -17), h + QPointF(13, 0)}));
    }
    p.setPen(QPen(QColor(70, 90, 50, 160), 1));
    p.setBrush(QColor(110, 130, 70, 80));
    for (int i = 0; i < 22; ++i) {
        const QPointF t(s.between(196, 262), s.between(222, 262));
        p.drawEllipse(t, 4, 4);
        p.drawLine(t + QPointF(0, 4), t + QPointF(0, 7));
    }
    QPainterPath road;
    road.moveTo(160, 166);
    road.cubicTo(200, 150, 230, 160, 262, 162);
    road.cubicTo(300, 164, 300, 200, 330, 214);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 40, 30, 150), 1.4, Qt::DashLine));
    p.drawPath(road);
    p.setPen(QPen(QColor(92, 58, 30, 170), 1.2));
    p.setBrush(QColor(200, 176, 130, 140));
    p.drawEllipse(QPointF(152, 168), 9, 7);
    for (QPointF tower : {QPointF(146, 164), QPointF(158, 164), QPointF(152, 173)})
        p.drawRect(QRectF(tower - QPointF(1.5, 1.5), QSizeF(3, 3)));
    const QRectF grid(318, 186, 150, 82);
    p.setPen(QPen(QColor(92, 58, 30, 50), 0.6));
    for (double x = grid.left(); x <= grid.right() + 0.1; x += 10)
        p.drawLine(QPointF(x, grid.top()), QPointF(x, grid.bottom()));
    for (double y = grid.top(); y <= grid.bottom() + 0.1; y += 10)
        p.drawLine(QPointF(grid.left(), y), QPointF(grid.right(), y));
    p.setPen(QPen(QColor(60, 36, 20, 180), 2));
    p.setBrush(QColor(120, 90, 50, 40));
    p.drawRect(QRectF(328, 206, 40, 30));
    p.drawRect(QRectF(398, 196, 50, 40));
    p.drawRect(QRectF(368, 218, 30, 10));
    p.drawRect(QRectF(338, 236, 10, 22));
    p.drawRect(QRectF(418, 236, 10, 20));
    p.drawRect(QRectF(408, 256, 30, 10));
    p.setPen(QPen(QColor(250, 240, 210), 2.5));
    p.drawLine(QPointF(368, 220), QPointF(368, 226));
    p.drawLine(QPointF(398, 220), QPointF(398, 226));
    p.drawLine(QPointF(420, 236), QPointF(426, 236));
}

void paintCompass(QPainter& p, QPointF c, double r) {
    p.save();
    p.translate(c);
    p.setPen(QPen(QColor(92, 58, 30, 190), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), r * 0.78, r * 0.78);
    p.drawEllipse(QPointF(0, 0), r * 0.70, r * 0.70);
    for (int i = 0; i < 32; ++i) {
        const double a = i * kPi / 16, inner = i % 4 == 0 ? 0.62 : 0.70;
        p.drawLine(QPointF(std::cos(a), std::sin(a)) * r * inner,
                   QPointF(std::cos(a), std::sin(a)) * r * 0.78);
    }
    // Eight points: the four winds long, the half winds short; each point has
    // a light and a shaded half.
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4 - kPi / 2;
        const double length = i % 2 == 0 ? r : r * 0.56, width = i % 2 == 0 ? r * 0.16 : r * 0.12;
        const QPointF tip = QPointF(std::cos(a), std::sin(a)) * length;
        const QPointF side = QPointF(-std::sin(a), std::cos(a)) * width;
        const QPointF base = QPointF(std::cos(a), std::sin(a)) * width;
        p.setPen(QPen(kDeepInk, 0.9));
        p.setBrush(i % 2 == 0 ? QColor(250, 240, 214) : QColor(214, 190, 146));
        p.drawPolygon(QPolygonF({QPointF(0, 0), tip, base + side}));
        p.setBrush(i == 0 ? QColor(150, 30, 24) : kInk);
        p.drawPolygon(QPolygonF({QPointF(0, 0), tip, base - side}));
    }
    p.setBrush(QColor(150, 30, 24));
    p.drawEllipse(QPointF(0, 0), r * 0.07, r * 0.07);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(int(r * 0.3));
    f.setBold(true);
    p.setFont(f);
    p.setPen(kDeepInk);
    p.drawText(QRectF(-20, -r - r * 0.42, 40, r * 0.4), Qt::AlignCenter, QStringLiteral("N"));
    p.restore();
}

void paintLettering(QPainter& p) {
    QFont maker(QStringLiteral("DejaVu Serif"));
    maker.setPixelSize(15);
    maker.setBold(true);
    maker.setLetterSpacing(QFont::AbsoluteSpacing, 5);
    p.setFont(maker);
    p.setPen(kInk);
    const QRectF top(0, 30, kWidth, 22);
    p.drawText(top, Qt::AlignCenter, QStringLiteral("HARROWGATE"));

    const QString name = QStringLiteral("The Vellum System 2");
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setBold(true);
    title.setItalic(true);
    title.setPixelSize(44);
    while (QFontMetricsF(title).horizontalAdvance(name) > 420 && title.pixelSize() > 12)
        title.setPixelSize(title.pixelSize() - 1);
    const QFontMetricsF fm(title);
    const QPointF at((kWidth - fm.horizontalAdvance(name)) / 2, 104);
    QPainterPath text;
    text.addText(at, title, name);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 50, 20, 90));
    p.drawPath(text.translated(2, 2.5));
    QLinearGradient ink(0, at.y() - fm.ascent(), 0, at.y());
    ink.setColorAt(0, QColor(140, 36, 24));
    ink.setColorAt(1, QColor(82, 16, 10));
    p.setPen(QPen(QColor(50, 14, 8), 0.8));
    p.setBrush(ink);
    p.drawPath(text);

    // A rule with a diamond under the name, and a line of what it draws.
    const double y = 122, mid = kWidth / 2;
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(QPointF(mid - 150, y), QPointF(mid - 10, y));
    p.drawLine(QPointF(mid + 10, y), QPointF(mid + 150, y));
    p.setBrush(QColor(150, 30, 24));
    p.drawPolygon(QPolygonF({{mid, y - 5}, {mid + 6, y}, {mid, y + 5}, {mid - 6, y}}));
    QFont line(QStringLiteral("DejaVu Serif"));
    line.setPixelSize(13);
    line.setItalic(true);
    p.setFont(line);
    p.setPen(kInk);
    p.drawText(QRectF(mid - 160, y + 6, 320, 20), Qt::AlignCenter,
               QStringLiteral("Dungeons \u00b7 Towns \u00b7 Worlds"));
}

void paintBorder(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 40, 18, 200), 2));
    p.drawRect(QRectF(8, 8, kWidth - 16, kHeight - 16));
    p.setPen(QPen(QColor(70, 40, 18, 150), 0.8));
    p.drawRect(QRectF(12.5, 12.5, kWidth - 25, kHeight - 25));
    p.setBrush(QColor(150, 30, 24));
    for (QPointF c : {QPointF(8, 8), QPointF(kWidth - 8, 8), QPointF(8, kHeight - 8),
                      QPointF(kWidth - 8, kHeight - 8)})
        p.drawPolygon(QPolygonF(
            {c + QPointF(0, -5), c + QPointF(5, 0), c + QPointF(0, 5), c + QPointF(-5, 0)}));
}

// Tool pictures: dark ink on a cream card, 3-pixel strokes, one accent each.
const QColor kCard(250, 246, 232);
const QColor kCardEdge(168, 156, 132);
const QColor kToolInk(36, 40, 72);

QImage toolCard() {
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(kCard);
    QPainter p(&image);
    p.setPen(kCardEdge);
    p.drawRect(0, 0, 47, 47);
    return image;
}

QPen toolPen(double width = 3) {
    return QPen(kToolInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A pencil lying from its point at tip up to the right.
void paintPencil(QPainter& p, QPointF tip) {
    p.save();
    p.translate(tip);
    p.rotate(-45);
    p.setPen(QPen(QColor(60, 50, 40), 1));
    p.setBrush(QColor(232, 200, 150));
    p.drawPolygon(QPolygonF({{0, 0}, {7, -3.5}, {7, 3.5}}));
    p.setBrush(QColor(50, 50, 50));
    p.drawPolygon(QPolygonF({{0, 0}, {2.6, -1.3}, {2.6, 1.3}}));
    p.setBrush(QColor(240, 186, 48));
    p.drawRect(QRectF(7, -3.5, 13, 7));
    p.setBrush(QColor(180, 180, 186));
    p.drawRect(QRectF(20, -3.5, 2.5, 7));
    p.setBrush(QColor(226, 124, 136));
    p.drawRoundedRect(QRectF(22.5, -3.5, 3.5, 7), 1.5, 1.5);
    p.restore();
}

void paintBucket(QPainter& p) {
    p.save();
    p.translate(22, 22);
    p.rotate(-28);
    p.setPen(toolPen(2));
    p.setBrush(QColor(196, 200, 212));
    p.drawPolygon(QPolygonF({{-11, -8}, {11, -8}, {8, 12}, {-8, 12}}));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-11, -20, 22, 22), 0, 180 * 16);
    p.setBrush(QColor(52, 106, 200));
    p.drawEllipse(QRectF(-11, -11, 22, 6));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 106, 200));
    QPainterPath pour;
    pour.moveTo(30, 14);
    pour.cubicTo(38, 16, 39, 26, 38, 34);
    pour.lineTo(35, 34);
    pour.cubicTo(35, 26, 34, 20, 29, 18);
    p.drawPath(pour);
    p.drawEllipse(QRectF(28, 34, 16, 6));
}

} // namespace

QImage titlePicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(60, 36, 16));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size.width() / kWidth, size.height() / kHeight);
    paintParchment(p);
    paintMap(p);
    paintCompass(p, QPointF(84, 222), 40);
    paintLettering(p);
    paintBorder(p);
    return image;
}

QImage toolButtonPicture(ToolPicture which) {
    QImage image = toolCard();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(toolPen());
    switch (which) {
    case ToolPicture::FreehandPencil: {
        QPainterPath stroke;
        stroke.moveTo(6, 41);
        stroke.cubicTo(10, 28, 17, 45, 21, 34);
        stroke.cubicTo(24, 26, 18, 26, 26, 22);
        p.drawPath(stroke);
        paintPencil(p, QPointF(26, 22));
        break;
    }
    case ToolPicture::ClosedLoopPencil: {
        QPainterPath loop;
        loop.moveTo(20, 18);
        loop.cubicTo(6, 12, 0, 32, 8, 40);
        loop.cubicTo(16, 48, 32, 42, 30, 32);
        loop.cubicTo(28, 24, 28, 21, 20, 18);
        p.setBrush(QColor(220, 228, 244));
        p.drawPath(loop);
        paintPencil(p, QPointF(29, 27));
        break;
    }
    case ToolPicture::Polygon: {
        const QPolygonF shape({{9, 30}, {18, 9}, {39, 14}, {36, 38}, {20, 40}});
        p.setBrush(QColor(220, 228, 244));
        p.drawPolygon(shape);
        p.setPen(QPen(kToolInk, 1));
        p.setBrush(QColor(200, 40, 32));
        for (QPointF v : shape)
            p.drawRect(QRectF(v - QPointF(2.5, 2.5), QSizeF(5, 5)));
        break;
    }
    case ToolPicture::Fill:
        paintBucket(p);
        break;
    case ToolPicture::Box:
        p.drawRect(QRectF(8, 12, 32, 24));
        break;
    case ToolPicture::Circle:
        p.drawEllipse(QPointF(24, 24), 15, 15);
        break;
    case ToolPicture::Line:
        p.drawLine(QPointF(10, 38), QPointF(38, 10));
        p.setBrush(kToolInk);
        p.drawEllipse(QPointF(10, 38), 2.5, 2.5);
        p.drawEllipse(QPointF(38, 10), 2.5, 2.5);
        break;
    case ToolPicture::Point:
        p.setPen(QPen(QColor(150, 150, 170), 1, Qt::DashLine));
        p.drawLine(QPointF(24, 8), QPointF(24, 40));
        p.drawLine(QPointF(8, 24), QPointF(40, 24));
        p.setPen(Qt::NoPen);
        p.setBrush(kToolInk);
        p.drawEllipse(QPointF(24, 24), 4.5, 4.5);
        break;
    }
    return image;
}

} // namespace vellum::art
