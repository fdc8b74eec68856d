#pragma once

#include <QGuiApplication>

namespace vellum {

// The hourglass over the whole screen while a handler works.
class WaitCursor {
public:
    explicit WaitCursor(bool on = true) : m_on(on) {
        if (m_on)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor() {
        if (m_on)
            QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_on;
};

} // namespace vellum
