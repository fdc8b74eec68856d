// Provisional artwork: replaced by the finished pictures.
#include "shell/ShellArt.h"

#include <QPainter>

namespace vellum::art {

QImage titlePicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 30, 20));
    QPainter p(&image);
    p.setPen(QColor(230, 200, 120));
    QFont f(QStringLiteral("DejaVu Serif"), 28, QFont::Bold);
    p.setFont(f);
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("The Vellum System 2"));
    return image;
}

QImage toolButtonPicture(ToolPicture which) {
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 2));
    switch (which) {
    case ToolPicture::Line: p.drawLine(8, 40, 40, 8); break;
    case ToolPicture::Box: p.drawRect(8, 12, 32, 24); break;
    case ToolPicture::Circle: p.drawEllipse(8, 8, 32, 32); break;
    case ToolPicture::Point: p.drawEllipse(22, 22, 4, 4); break;
    default: p.drawText(image.rect(), Qt::AlignCenter, QString::number(int(which))); break;
    }
    return image;
}

} // namespace vellum::art
