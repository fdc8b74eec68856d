#include "shell/Forms.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

namespace vellum {

namespace {
QPointer<QMdiArea>& area() {
    static QPointer<QMdiArea> value;
    return value;
}
int& showing() {
    static int depth = 0;
    return depth;
}
QPointer<QMdiSubWindow>& lastActive() {
    static QPointer<QMdiSubWindow> value;
    return value;
}

Form* formOf(QMdiSubWindow* window) {
    return window ? qobject_cast<Form*>(window->widget()) : nullptr;
}

// A child is activated when another child becomes the active one; the frame
// losing the focus to a dialog or another program does not deactivate it.
// Activation runs from the event loop, after the handler that showed the
// window has finished, as the windows expect.
void dispatchActivation(QMdiSubWindow* window) {
    if (!window || window == lastActive())
        return;
    QPointer<QMdiSubWindow> previous = lastActive();
    lastActive() = window;
    if (Form* old = formOf(previous); old && old->isLoaded())
        old->runDeactivate();
    if (Form* now = formOf(window); now && now->isLoaded())
        now->runActivate();
}
} // namespace

std::unordered_map<std::type_index, QPointer<Form>>& Forms::singletons() {
    static std::unordered_map<std::type_index, QPointer<Form>> table;
    return table;
}

QList<QPointer<Form>>& Forms::instances() {
    static QList<QPointer<Form>> list;
    return list;
}

void Forms::setMdiArea(QMdiArea* mdi) {
    area() = mdi;
    lastActive() = nullptr;
    // A child the user activates (a click, the keyboard) is activated at
    // once, before the click reaches it; one that a handler shows is
    // activated once that handler has finished.
    if (mdi)
        QObject::connect(mdi, &QMdiArea::subWindowActivated, mdi, [](QMdiSubWindow* window) {
            if (showing())
                Forms::activateLater(window);
            else
                dispatchActivation(window);
        });
}

Forms::ShowScope::ShowScope() {
    ++showing();
}
Forms::ShowScope::~ShowScope() {
    --showing();
}

void Forms::activateLater(QMdiSubWindow* window) {
    if (!window)
        return;
    QPointer<QMdiSubWindow> guard(window);
    QTimer::singleShot(0, guard, [guard] {
        if (guard)
            dispatchActivation(guard);
    });
}

QMdiArea* Forms::mdiArea() {
    return area();
}

Form* Forms::activeChild() {
    if (area()) {
        if (Form* current = formOf(area()->currentSubWindow()); current && current->isLoaded())
            return current;
    }
    Form* last = formOf(lastActive());
    return last && last->isLoaded() ? last : nullptr;
}

void Forms::attach(Form* form) {

    if (form->kind() == Form::Kind::MdiChild)
        form->attachToMdiArea();
}

void Forms::forget(Form* form) {
    for (auto it = singletons().begin(); it != singletons().end();) {
        if (it->second == form || !it->second)
            it = singletons().erase(it);
        else
            ++it;
    }
    instances().removeIf([form](const QPointer<Form>& p) { return !p || p == form; });
    if (lastActive() && formOf(lastActive()) == form)
        lastActive() = nullptr;
}

void Forms::destroyAll() {
    QList<QPointer<Form>> all = instances();
    for (auto& [type, form] : singletons())
        all.append(form);
    // No handler may run while the windows go, and nothing may load anew.
    for (auto& form : all)
        if (form)
            form->m_unloaded = true;
    singletons().clear();
    instances().clear();
    lastActive() = nullptr;
    if (area())
        QObject::disconnect(area(), nullptr, nullptr, nullptr);
    area() = nullptr;
    // Children first: the main window owns the MDI area they live in.
    for (auto& form : all)
        if (form && form->kind() == Form::Kind::MdiChild)
            delete form->frame();
    for (auto& form : all)
        if (form)
            delete form->frame();
}

} // namespace vellum
