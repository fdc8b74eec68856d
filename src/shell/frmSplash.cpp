#include "shell/frmSplash.h"

#include "canvas/PictureBox.h"
#include "shell/MDIForm1.h"
#include "shell/ShellArt.h"
#include "shell/Twips.h"
#include "shell/Waits.h"

#include <QGuiApplication>
#include <QScreen>
#include <stdexcept>

using namespace vellum;

namespace {
std::function<QImage()>& pictureSource() {
    static std::function<QImage()> source;
    return source;
}

QImage splashPicture() {
    if (pictureSource())
        return pictureSource()();
    return art::titlePicture(QSize(498, 289));
}
} // namespace

void frmSplash::setPictureSource(std::function<QImage()> source) {
    pictureSource() = std::move(source);
}

frmSplash::frmSplash() : Form(Kind::TopLevel, Border::None) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    Picture1 = new PictureBox(this, QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Title picture"));
    Picture1->setAutoSize(true);
}

// The window takes the picture's size and is centred on the screen, in
// twips with truncating halves.
void frmSplash::sizeAndCentre() {
    setClientSize(Picture1->width(), Picture1->height());
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize s = screen ? screen->geometry().size() : QSize(1024, 768);
    Move(placedOffset(toTwips(s.width()), toTwips(width()), 2),
         placedOffset(toTwips(s.height()), toTwips(height()), 2));
}

void frmSplash::Form_Load() {
    try {
        const QImage picture = splashPicture();
        if (picture.isNull())
            throw std::runtime_error("no splash picture");
        Picture1->setPicture(picture);
        Show();
        sizeAndCentre();
        Show();
        waitProcessingEvents(2500);
    } catch (const std::exception&) {
        sizeAndCentre();
        waitProcessingEvents(1500);
    }
    Unload();
    mainForm()->Show();
}
