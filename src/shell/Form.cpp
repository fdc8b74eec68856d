#include "shell/Form.h"

#include "shell/Forms.h"
#include "shell/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

namespace vellum {

namespace {

Qt::WindowFlags frameFlags(Form::Border border, bool child) {
    Qt::WindowFlags flags = child ? Qt::SubWindow : Qt::Window;
    if (border == Form::Border::None)
        return flags | Qt::FramelessWindowHint;
    return flags | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

} // namespace

Form::Form(Kind kind, Border border) : QWidget(nullptr), m_kind(kind), m_border(border) {
    if (kind == Kind::TopLevel)
        setWindowFlags(frameFlags(border, false));
}

Form::~Form() = default;

QWidget* Form::frame() const {
    if (m_subWindow)
        return m_subWindow.data();
    return const_cast<Form*>(this);
}

void Form::attachToMdiArea() {
    QMdiArea* area = Forms::mdiArea();
    if (!area) {
        setWindowFlags(frameFlags(m_border, false));
        return;
    }
    m_subWindow = area->addSubWindow(this, frameFlags(m_border, true));
    m_subWindow->setOption(QMdiSubWindow::RubberBandResize, false);
    // Windows that do not place themselves cascade from the top-left corner
    // of the frame, each a little lower and further right than the last.
    static int cascade = 0;
    const int step = 24 * (cascade++ % 8);
    m_subWindow->move(step, step);
    m_subWindow->hide();
}

void Form::setClientSize(int width, int height) {
    setFixedSize(width, height);
    if (m_subWindow) {
        m_subWindow->setMinimumSize(0, 0);
        m_subWindow->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_subWindow->adjustSize();
        m_subWindow->setFixedSize(m_subWindow->sizeHint());
    }
}

void Form::setCaption(const QString& text) {
    setWindowTitle(text);
}

void Form::Show() {
    QWidget* f = frame();
    Forms::ShowScope scope;
    f->show();
    f->raise();
    if (m_subWindow) {
        if (QMdiArea* area = m_subWindow->mdiArea()) {
            // A child window brings the main window up with it.
            if (QWidget* main = area->window(); main && main->isHidden())
                main->showMaximized();
            Forms::ShowScope scope;
            area->setActiveSubWindow(m_subWindow);
        }
        Forms::activateLater(m_subWindow);
    } else {
        activateWindow();
    }
}

void Form::Hide() {
    frame()->hide();
}

bool Form::isShown() const {
    return !frame()->isHidden();
}

bool Form::Unload() {
    if (!isLoaded())
        return true;
    if (!Form_QueryUnload(UnloadMode::Code))
        return false;
    finishUnload();
    return true;
}

void Form::finishUnload() {
    Form_Unload();
    m_unloaded = true;
    Forms::forget(this);
    QWidget* f = frame();
    m_inClose = true;
    f->hide();
    f->deleteLater();
}

bool Form::closeByUser() {
    if (!isLoaded())
        return true;
    frame()->close();
    return !isLoaded();
}

void Form::closeEvent(QCloseEvent* event) {
    if (m_inClose || !isLoaded()) {
        event->accept();
        return;
    }
    if (m_closeLocked || !Form_QueryUnload(UnloadMode::User)) {
        event->ignore();
        return;
    }
    event->accept();
    finishUnload();
}

void Form::runLoad() {
    m_loaded = true;
    Form_Load();
}

void Form::Move(int left, int top) {
    frame()->move(toPixels(left), toPixels(top));
}

void Form::MoveLeft(int left) {
    frame()->move(toPixels(left), frame()->y());
}

int Form::leftTwips() const {
    return toTwips(frame()->x());
}
int Form::topTwips() const {
    return toTwips(frame()->y());
}

int Form::widthTwips() const {
    const QWidget* f = frame();
    return toTwips(m_subWindow ? f->width() : f->frameGeometry().width());
}

int Form::heightTwips() const {
    const QWidget* f = frame();
    return toTwips(m_subWindow ? f->height() : f->frameGeometry().height());
}

void Form::placeOnScreen(int topDivisor) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(1024, 768);
    Move(placedOffset(toTwips(size.width()), widthTwips(), 2),
         placedOffset(toTwips(size.height()), heightTwips(), topDivisor));
}

} // namespace vellum
