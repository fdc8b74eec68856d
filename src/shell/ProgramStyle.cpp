#include "shell/ProgramStyle.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace vellum {

void applyProgramStyle(QApplication& application) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    application.setFont(font);
}

} // namespace vellum
