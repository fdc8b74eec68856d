#include "shell/ProgramEnd.h"

#include <QCoreApplication>

namespace vellum {

namespace {
std::function<void()>& handler() {
    static std::function<void()> h;
    return h;
}
} // namespace

void setProgramEndHandler(std::function<void()> h) {
    handler() = std::move(h);
}

void endProgram() {
    if (handler()) {
        handler()();
        return;
    }
    QCoreApplication::exit(0);
}

} // namespace vellum
