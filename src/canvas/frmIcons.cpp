#include "canvas/frmIcons.h"

#include "canvas/BlankGrid.h"

using namespace vellum;

frmIcons::frmIcons() : Form(Kind::TopLevel) {
    setObjectName(QStringLiteral("frmIcons"));
    Picture2 = new PictureBox(this, QStringLiteral("Picture2"));
    Picture2->setAutoSize(true);
    picTExtSave = new PictureBox(this, QStringLiteral("picTExtSave"));
    picTExtSave->setAutoSize(true);
}

void frmIcons::Form_Load() { Picture2->setPicture(blankGridPicture()); }
