#include "tiles/PaletteForm.h"

#include "canvas/frmInfo.h"
#include "shell/AppState.h"
#include "shell/MDIForm1.h"
#include "shell/ShowMenuPopup.h"
#include "shell/Twips.h"

#include <QAction>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QToolButton>
#include <algorithm>

using namespace vellum;

PaletteForm::PaletteForm(const char* name, QAction* menuItem)
    : Form(Kind::MdiChild), m_menuItem(menuItem) {
    setObjectName(QString::fromLatin1(name));
    setCaption(QString());
}

void PaletteForm::makeFrame(QWidget* parent, const QString& caption, const QRect& geometry) {
    Frame1 = new QGroupBox(caption, parent);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(geometry);
    popUpShowMenuOver(Frame1);
}

QToolButton* PaletteForm::addTileButton(QWidget* parent, int command, int column, int row,
                                        const QString& tip, const QImage& picture) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QStringLiteral("Command%1").arg(command));
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    b->setGeometry(8 + 40 * column, 16 + 40 * row, 41, 41);
    b->setIconSize(picture.size().boundedTo(QSize(35, 35)));
    b->setIcon(QPixmap::fromImage(picture));
    connect(b, &QToolButton::clicked, this, [this, command] { buttonClicked(command); });
    b->installEventFilter(this);
    m_buttons.insert(command, b);
    m_pictures.insert(command, picture);
    return b;
}

QImage PaletteForm::buttonPicture(int command) const {
    return m_pictures.value(command);
}
QToolButton* PaletteForm::button(int command) const {
    return m_buttons.value(command);
}

void PaletteForm::selectTile(const QImage& picture, const QString& statusMode) {
    frmInfo* info = frmInfo::ensureLoaded();
    if (!picture.isNull())
        info->setCurrentTile(picture);
    app().toolKind = QStringLiteral("TileSet");
    if (!statusMode.isEmpty())
        mainForm()->setStatusMode(statusMode);
}

void PaletteForm::placeAtLeftEdge(int designTop) {
    const int border = frame()->height() - height();
    Move(5, toTwips(std::max(0, designTop - border)));
}

bool PaletteForm::Form_QueryUnload(UnloadMode) {
    if (m_menuItem)
        m_menuItem->setChecked(false);
    return true;
}

bool PaletteForm::eventFilter(QObject* watched, QEvent* event) {
    // Other buttons than the left one on a tile button stay with the button:
    // they neither pick the tile nor reach the frame.
    const bool press = event->type() == QEvent::MouseButtonPress ||
                       event->type() == QEvent::MouseButtonRelease ||
                       event->type() == QEvent::MouseButtonDblClick;
    if (press && qobject_cast<QToolButton*>(watched) &&
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return true;
    return Form::eventFilter(watched, event);
}
