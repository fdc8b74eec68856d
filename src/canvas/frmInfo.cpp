#include "canvas/frmInfo.h"

#include "canvas/PictureBox.h"
#include "shell/Controls.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"
#include "shell/ShowMenuPopup.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

using namespace vellum;

namespace {
const QColor kMagenta(255, 0, 255);
} // namespace

frmInfo::frmInfo() : Form(Kind::MdiChild) {
    setObjectName(QStringLiteral("frmInfo"));
    setCaption(QString());

    Frame1 = new QGroupBox(QStringLiteral("Information"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(0, 0, 241, 201);
    popUpShowMenuOver(Frame1);

    Picture2 = new PictureBox(Frame1, QStringLiteral("Picture2"));
    Picture2->setAccessibleName(QStringLiteral("Current tile"));
    Picture2->setGeometry(8, 16, 34, 34);
    Picture2->setBackColor(kMagenta);
    Picture2->canvas().setForeColor(kMagenta);
    Picture2->canvas().setFillColor(kMagenta);
    Picture2->setAutoSize(true);

    Frame2 = new QGroupBox(Frame1);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(168, 88, 73, 113);

    Label3 = controls::label(Frame2, "Label3", QStringLiteral("FLIP TILE"), 8, 16);
    Command3 = controls::button(Frame2, "Command3", QStringLiteral("<"), {8, 32, 33, 17});
    Command3->setAccessibleName(QStringLiteral("Flip tile top to bottom"));
    Command2 = controls::button(Frame2, "Command2", QStringLiteral(">"), {40, 32, 25, 17});
    Command2->setAccessibleName(QStringLiteral("Flip tile left to right"));

    Text1 = controls::textBox(Frame2, "Text1", {32, 56, 33, 25});
    Text1->setEnabled(false);
    Label1 = controls::label(Frame2, "Label1", QStringLiteral("Y"), 8, 64, Text1);
    Text2 = controls::textBox(Frame2, "Text2", {32, 80, 33, 25});
    Text2->setEnabled(false);
    Label2 = controls::label(Frame2, "Label2", QStringLiteral("X"), 8, 88, Text2);

    Text4 = controls::textBox(Frame1, "Text4", {24, 104, 49, 19});
    Text4->setText(QStringLiteral("Text4"));
    Text4->hide();
    Text5 = controls::textBox(Frame1, "Text5", {24, 136, 49, 19});
    Text5->setText(QStringLiteral("Text5"));
    Text5->hide();
    Text3 = controls::textBox(Frame1, "Text3", {112, 168, 49, 19});
    Text3->setText(QStringLiteral("0"));
    Text3->setEnabled(false);
    Text3->hide();
    HScroll1 = new QScrollBar(Qt::Horizontal, Frame1);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(112, 184, 100, 17);
    HScroll1->setRange(0, 360);
    HScroll1->setPageStep(5);
    HScroll1->hide();

    Picture1 = new PictureBox(this, QStringLiteral("Picture1"));
    Picture1->setGeometry(248, 96, 41, 41);
    Picture1->setAutoSize(true);
    Picture1->hide();

    connect(Command2, &QPushButton::clicked, this, &frmInfo::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmInfo::Command3_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmInfo::HScroll1_Change);
    connect(Picture2, &PictureBox::pictureChanged, this, [this] {
        if (Picture2->hasPicture())
            Picture1->setPicture(Picture2->picture());
    });
}

void frmInfo::Form_Load() {
    setClientSize(241, 201);
    Move(10, 4500);
}

bool frmInfo::Form_QueryUnload(UnloadMode) {
    mainForm()->mnuInfo->setChecked(false);
    return true;
}

frmInfo* frmInfo::ensureLoaded() {
    if (frmInfo* info = Forms::find<frmInfo>())
        return info;
    frmInfo* info = Forms::get<frmInfo>();
    info->Show();
    return info;
}

void frmInfo::setCurrentTile(const QImage& picture) {
    Picture2->setPicture(picture);
    Picture1->setPicture(picture);
}

QImage frmInfo::currentTile() const {
    return Picture2->image();
}

void frmInfo::HScroll1_Change() {
    Text3->setText(QString::number(HScroll1->value()));
}

void frmInfo::Command2_Click() {
    mirror(true);
}
void frmInfo::Command3_Click() {
    mirror(false);
}

// Draws the tile into the working copy through a destination rectangle of
// negative width (or height), which mirrors it, and makes the working copy's
// image the current tile.
void frmInfo::mirror(bool leftToRight) {
    if (!Picture2->hasPicture())
        return;
    Text4->setText(QString::number(Picture2->scaleWidth()));
    Text5->setText(QString::number(Picture2->scaleHeight()));
    const int w = Text4->text().toInt();
    const int h = Text5->text().toInt();
    QImage copy(Picture2->width(), Picture2->height(), QImage::Format_RGB32);
    copy.fill(Picture1->backColor());
    {
        QPainter p(&copy);
        if (leftToRight)
            p.setTransform(QTransform(-1, 0, 0, 1, w, 0));
        else
            p.setTransform(QTransform(1, 0, 0, -1, 0, h));
        p.drawImage(QRect(0, 0, w, h), Picture2->image());
    }
    Picture1->setPicture(copy);
    setCurrentTile(Picture1->image());
}
