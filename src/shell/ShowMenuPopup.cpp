#include "shell/ShowMenuPopup.h"

#include "shell/MDIForm1.h"

#include <QMouseEvent>
#include <QWidget>

namespace vellum {

namespace {

class ShowMenuPopup : public QObject {
public:
    ShowMenuPopup(QWidget* area, bool onlyOnItself)
        : QObject(area), m_area(area), m_onlyOnItself(onlyOnItself) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_area || event->type() != QEvent::MouseButtonRelease)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton)
            return false;
        if (m_onlyOnItself && m_area->childAt(mouse->position().toPoint()))
            return false;
        mainForm()->popupShowMenu();
        return true;
    }

private:
    QWidget* m_area;
    bool m_onlyOnItself;
};

} // namespace

void popUpShowMenuOver(QWidget* area, bool onlyOnItself) {
    area->installEventFilter(new ShowMenuPopup(area, onlyOnItself));
}

} // namespace vellum
