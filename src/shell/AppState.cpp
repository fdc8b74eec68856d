#include "shell/AppState.h"

#include "annotations/SpellEngine.h"

namespace vellum {

namespace {
AppState& instance() {
    static AppState state;
    return state;
}
} // namespace

AppState& app() {
    return instance();
}

void resetAppState() {
    instance() = AppState{};
}

} // namespace vellum
