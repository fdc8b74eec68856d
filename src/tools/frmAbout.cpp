#include "tools/frmAbout.h"

#include "canvas/PictureBox.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"
#include "shell/ShellArt.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

using namespace vellum;

namespace {
QLabel* creditLine(QWidget* parent, const char* name, const QString& text, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(8, y, 273, 17);
    label->setStyleSheet(QStringLiteral("color: red; background: black;"));
    return label;
}
} // namespace

frmAbout::frmAbout() : Form(Kind::TopLevel) {
    setObjectName(QStringLiteral("frmAbout"));
    setCaption(QStringLiteral("Harrowgate - The Vellum System 2"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    Picture1 = new PictureBox(this, QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Title picture"));
    Picture1->setGeometry(0, 0, 496, 287);
    Picture1->setPicture(art::titlePicture(QSize(496, 287)));

    Label1 = new QLabel(QStringLiteral("Version 1"), Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(160, 280, 193, 33);
    QFont versionFont(QStringLiteral("Times New Roman"));
    versionFont.setPointSizeF(21.75);
    versionFont.setBold(true);
    Label1->setFont(versionFont);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    Label1->setStyleSheet(QStringLiteral("color: %1; background: transparent;")
                              .arg(palette().color(QPalette::HighlightedText).name()));

    Label2 = creditLine(this, "Label2",
                        QStringLiteral("Design and programming: The Vellum2 developers"), 304);
    Label3 =
        creditLine(this, "Label3", QStringLiteral("Software rights: The Vellum2 developers"), 320);
    Label4 = creditLine(this, "Label4", QStringLiteral("https://vellum2.example.org"), 336);
    Label6 = creditLine(this, "Label6", QStringLiteral("developers@vellum2.example.org"), 352);

    Label5 = new QLabel(QStringLiteral("V. 2.6        10.12.06"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setGeometry(384, 304, 97, 17);
    Label5->setStyleSheet(QStringLiteral("color: red; background: black;"));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(392, 344, 98, 23);
    cmdOK->setDefault(true);
    cmdOK->setStyleSheet(QStringLiteral("background: black; color: white;"));
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::Form_Load() {
    // Owned by the main window: no task-bar entry of its own, centred over it.
    if (MDIForm1* main = Forms::find<MDIForm1>())
        setParent(main, windowFlags());
    setClientSize(497, 372);
    if (MDIForm1* main = Forms::find<MDIForm1>()) {
        const QRect owner = main->frameGeometry();
        move(owner.center() - QPoint(width() / 2, height() / 2));
    }
}

void frmAbout::cmdOK_Click() {
    Unload();
}

// OK is both the default and the cancel button.
void frmAbout::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        cmdOK_Click();
        return;
    default:
        Form::keyPressEvent(event);
    }
}

// The separator: a white line 2 pixels wide under a grey one of 1 pixel.
void frmAbout::paintEvent(QPaintEvent* event) {
    Form::paintEvent(event);
    QPainter p(this);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(8, 296, 488, 296);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.drawLine(8, 296, 488, 296);
}
