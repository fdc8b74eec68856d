#include "tiles/frmDoptions.h"

#include "canvas/PictureBox.h"
#include "canvas/frmIcons.h"
#include "canvas/frmInfo.h"
#include "shell/Controls.h"
#include "shell/Forms.h"
#include "tiles/DoorPictures.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace vellum;

namespace {
QRadioButton* facingButton(QWidget* parent, const char* name, const QString& caption,
                           const QString& facing, int x, int y) {
    auto* b = new QRadioButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(QStringLiteral("Facing ") + facing);
    b->setToolTip(facing);
    // Too narrow for a caption: only the button shows.
    b->setGeometry(x, y, 17, 17);
    return b;
}
} // namespace

frmDoptions::frmDoptions() : Form(Kind::MdiChild) {
    using namespace controls;
    setObjectName(QStringLiteral("frmDoptions"));
    setCaption(QStringLiteral("Dungeon Options"));
    Frame1 = groupBox(this, "Frame1", {}, {0, 0, 257, 137});
    Picture1 = new PictureBox(Frame1, QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Door picture"));
    Picture1->setGeometry(8, 16, 30, 30);
    Picture1->setAutoSize(true);
    Label1 = label(Frame1, "Label1", QStringLiteral("Facing Direction"), 72, 8);
    OptionN = facingButton(Frame1, "OptionN", {}, "N", 168, 16);
    OptionNE = facingButton(Frame1, "OptionNE", QStringLiteral("Option6"), "NE", 192, 32);
    OptionE = facingButton(Frame1, "OptionE", {}, "E", 208, 56);
    OptionSE = facingButton(Frame1, "OptionSE", QStringLiteral("Option7"), "SE", 192, 80);
    OptionS = facingButton(Frame1, "OptionS", {}, "S", 168, 96);
    OptionSW = facingButton(Frame1, "OptionSW", QStringLiteral("Option8"), "SW", 144, 80);
    OptionW = facingButton(Frame1, "OptionW", {}, "W", 128, 56);
    OptionNW = facingButton(Frame1, "OptionNW", QStringLiteral("Option5"), "NW", 144, 32);
    Combo1 = new QComboBox(Frame1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // Typing has no effect of its own: no completion, and Return is not a
    // choice from the list.
    Combo1->setCompleter(nullptr);
    Combo1->lineEdit()->installEventFilter(this);
    Combo1->addItems({QStringLiteral("Single Door"), QStringLiteral("Double Door"),
                      QStringLiteral("Secret Door")});
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QString());
    Combo1->setGeometry(32, 88, 89, 21);
    Label2 = label(Frame1, "Label2", QStringLiteral("Door Type"), 48, 72, Combo1);
    cmdOk = button(Frame1, "cmdOk", QStringLiteral("OK"), {32, 112, 41, 17});
    cmdExit = button(Frame1, "cmdExit", QStringLiteral("EXIT"), {80, 112, 41, 17});

    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    const std::pair<QRadioButton*, const char*> facings[] = {
        {OptionN, "N"}, {OptionNE, "NE"}, {OptionE, "E"},   {OptionSE, "SE"},
        {OptionS, "S"}, {OptionSW, "SW"}, {OptionNW, "NW"},
    };
    for (auto [b, facing] : facings) {
        const QString f = QString::fromLatin1(facing);
        connect(b, &QRadioButton::clicked, this, [this, f] { facingClicked(f); });
    }
    connect(OptionW, &QRadioButton::clicked, this, &frmDoptions::OptionW_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmDoptions::cmdOk_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmDoptions::cmdExit_Click);
}

bool frmDoptions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Combo1->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return Form::eventFilter(watched, event);
}

void frmDoptions::Form_Load() {
    setClientSize(257, 137);
    OptionW->setChecked(true);
    OptionW_Click();
}

void frmDoptions::showPicture(const QString& name) {
    Picture1->setPicture(Forms::get<frmIcons>()->stockPicture(name));
}

void frmDoptions::setDiagonalsEnabled(bool enabled) {
    for (QRadioButton* b : {OptionNE, OptionSE, OptionSW, OptionNW})
        b->setEnabled(enabled);
}

void frmDoptions::Combo1_Click() {
    const QString type = Combo1->currentText();
    const QString picture = doorPictureName(type, QStringLiteral("W"));
    if (picture.isEmpty())
        return;
    showPicture(picture);
    OptionW->setChecked(true);
    setDiagonalsEnabled(diagonalFacingsAllowed(type));
}

void frmDoptions::facingClicked(const QString& facing) {
    const QString type = Combo1->currentText();
    const QString picture = doorPictureName(type, facing);
    if (picture.isEmpty())
        return;
    showPicture(picture);
    setDiagonalsEnabled(diagonalFacingsAllowed(type));
}

// W never changes which diagonal facings are offered.
void frmDoptions::OptionW_Click() {
    const QString picture = doorPictureName(Combo1->currentText(), QStringLiteral("W"));
    if (!picture.isEmpty())
        showPicture(picture);
}

void frmDoptions::cmdOk_Click() {
    frmInfo::ensureLoaded()->setCurrentTile(Picture1->picture());
    Unload();
}

void frmDoptions::cmdExit_Click() {
    Unload();
}
