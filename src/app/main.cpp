#include "shell/Forms.h"
#include "shell/ProgramStyle.h"
#include "shell/frmSplash.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vellum2"));
    vellum::applyProgramStyle(app);
    // The program ends through its exit sequence, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    vellum::Forms::get<frmSplash>();
    return QApplication::exec();
}
