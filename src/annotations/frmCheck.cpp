#include "annotations/frmCheck.h"

#include "shell/Waits.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>

using namespace vellum;

frmCheck::frmCheck() : Form(Kind::MdiChild, Border::None) {
    setObjectName(QStringLiteral("frmCheck"));
    setCaption(QStringLiteral("System Check"));
    Frame1 = new QGroupBox(QStringLiteral("CHECKING SYSTEM FOR MICROSOFT WORD"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(8, 0, 457, 65);
    Label1 = new QLabel(Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 16, 433, 41);
    Label1->setWordWrap(true);
}

void frmCheck::Form_Load() {
    setClientSize(467, 70);
    Show();
    placeOnScreen(3);
}

void frmCheck::Form_Activate() {
    QPointer<frmCheck> self(this);
    waitProcessingEvents(1500);
    if (self)
        Unload();
}
