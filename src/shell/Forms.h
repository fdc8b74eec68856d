#pragma once

#include "shell/Form.h"

#include <QList>
#include <QPointer>
#include <typeindex>
#include <unordered_map>

class QMdiArea;
class QMdiSubWindow;

namespace vellum {

// The window registry. Referring to a window through get<T>() loads it on
// first use (running its load handler) and afterwards returns the same
// window until it is unloaded; find<T>() never loads. Windows that exist many
// times (the layout windows) are made with loadNew<T>().
class Forms {
public:
    template <class T> static T* get() {
        if (T* existing = find<T>())
            return existing;
        auto* form = new T();
        singletons()[std::type_index(typeid(T))] = form;
        attach(form);
        form->runLoad();
        return find<T>();
    }

    template <class T> static T* find() {
        auto it = singletons().find(std::type_index(typeid(T)));
        if (it == singletons().end() || !it->second || !it->second->isLoaded())
            return nullptr;
        return static_cast<T*>(it->second.data());
    }

    template <class T> static bool isLoaded() { return find<T>() != nullptr; }

    template <class T> static bool unload() {
        T* form = find<T>();
        return form ? form->Unload() : true;
    }

    template <class T> static T* loadNew() {
        auto* form = new T();
        instances().append(form);
        attach(form);
        form->runLoad();
        return form;
    }

    // The main window's MDI area, where child windows go.
    static void setMdiArea(QMdiArea* area);
    static QMdiArea* mdiArea();
    // The child window that is the main window's active child (even while
    // a dialog has the focus), or the last one activated.
    static Form* activeChild();
    // Runs the activation handlers for a child window once the current
    // handler has returned (deactivating the previous active child).
    static void activateLater(QMdiSubWindow* window);
    // While one lives, activations that the MDI area reports are deferred
    // (a handler is showing a window).
    struct ShowScope {
        ShowScope();
        ~ShowScope();
    };

    // Destroys every window without running handlers (tests' clean-up).
    static void destroyAll();

private:
    friend class Form;
    static void attach(Form* form);
    static void forget(Form* form);
    static std::unordered_map<std::type_index, QPointer<Form>>& singletons();
    static QList<QPointer<Form>>& instances();
};

} // namespace vellum
