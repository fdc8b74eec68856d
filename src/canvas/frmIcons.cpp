#include "canvas/frmIcons.h"

#include "canvas/BlankGrid.h"
#include "tiles/TileArt.h"

using namespace vellum;

frmIcons::frmIcons() : Form(Kind::TopLevel) {
    setObjectName(QStringLiteral("frmIcons"));
    Picture2 = new PictureBox(this, QStringLiteral("Picture2"));
    Picture2->setAutoSize(true);
    picTExtSave = new PictureBox(this, QStringLiteral("picTExtSave"));
    picTExtSave->setAutoSize(true);
}

void frmIcons::Form_Load() {
    Picture2->setPicture(blankGridPicture());
    for (const QString& name : art::stockPictureNames()) {
        auto* box = new PictureBox(this, name);
        box->setAutoSize(true);
        box->setPicture(art::stockPicture(name));
    }
}

QImage frmIcons::stockPicture(const QString& name) const {
    const auto* box = findChild<PictureBox*>(name, Qt::FindDirectChildrenOnly);
    return box && box != Picture2 && box != picTExtSave ? box->picture() : QImage();
}
