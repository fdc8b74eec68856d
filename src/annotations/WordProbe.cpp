#include "annotations/WordProbe.h"

#include "annotations/SpellEngine.h"
#include "shell/AppState.h"

namespace vellum {

QString runWordProbe() {
    app().wordAvailable = true;
    app().wordObject = SpellEngine::create();
    const bool found = app().wordObject != nullptr;
    app().wordObject.reset();
    if (found)
        return kSpellingWorks;
    app().wordAvailable = false;
    return kSpellingUnavailable;
}

} // namespace vellum
