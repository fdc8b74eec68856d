#include "tiles/frmStairs.h"

#include "canvas/PictureBox.h"
#include "canvas/frmIcons.h"
#include "canvas/frmInfo.h"
#include "shell/Controls.h"
#include "shell/Forms.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace vellum;

frmStairs::frmStairs() : Form(Kind::MdiChild) {
    using namespace controls;
    setObjectName(QStringLiteral("frmStairs"));
    setCaption(QStringLiteral("Stairs"));
    Frame1 = groupBox(this, "Frame1", {}, {0, 0, 289, 193});
    Picture1 = new PictureBox(Frame1, QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Stairs picture"));
    Picture1->setGeometry(16, 32, 49, 73);
    Picture1->setAutoSize(true);

    struct Choice {
        QRadioButton** button;
        QLabel** note;
        const char* name;
        const char* noteName;
        const char* caption;
        const char* noteText;
        const char* picture;
        int y;
    };
    const Choice choices[] = {
        {&Optionn, &Label1, "Optionn", "Label1", "Down to North", "(or up to South)", "picstairsn",
         16},
        {&Options, &Label2, "Options", "Label2", "Down to South", "(or up to North)", "picstairss",
         56},
        {&Option3, &Label3, "Option3", "Label3", "Down to East", "(or up to West)", "picstairse",
         96},
        {&Option4, &Label4, "Option4", "Label4", "Down to West", "(or up to East)", "picstairsw",
         136},
    };
    for (const Choice& c : choices) {
        auto* b = new QRadioButton(QString::fromLatin1(c.caption), Frame1);
        b->setObjectName(QString::fromLatin1(c.name));
        b->move(160, c.y);
        b->adjustSize();
        *c.button = b;
        *c.note = label(Frame1, c.noteName, QString::fromLatin1(c.noteText), 176, c.y + 16);
        const QString picture = QString::fromLatin1(c.picture);
        connect(b, &QRadioButton::clicked, this, [this, picture] { showPicture(picture); });
    }
    cmdOK = button(Frame1, "cmdOK", QStringLiteral("OK"), {16, 144, 49, 17});
    cmdExit = button(Frame1, "cmdExit", QStringLiteral("Exit"), {72, 144, 41, 17});
    connect(cmdOK, &QPushButton::clicked, this, &frmStairs::cmdOK_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmStairs::cmdExit_Click);
}

void frmStairs::Form_Load() {
    setClientSize(289, 193);
    showPicture(QStringLiteral("picstairsn"));
    Optionn->setChecked(true);
}

void frmStairs::showPicture(const QString& name) {
    Picture1->setPicture(Forms::get<frmIcons>()->stockPicture(name));
}

void frmStairs::cmdOK_Click() {
    frmInfo::ensureLoaded()->setCurrentTile(Picture1->picture());
    Unload();
}

void frmStairs::cmdExit_Click() {
    Unload();
}
