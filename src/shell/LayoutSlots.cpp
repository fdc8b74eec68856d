#include "shell/LayoutSlots.h"

#include "shell/AppState.h"
#include "shell/Form.h"

namespace vellum {

Form* layoutWindowInSlot(int slot) {
    if (slot < 1 || slot >= app().layoutWindows.size())
        return nullptr;
    Form* form = qobject_cast<Form*>(app().layoutWindows.at(slot).data());
    return form && form->isLoaded() ? form : nullptr;
}

void closeLayoutWindowsForSave() {
    for (int slot = 1; slot < app().layoutWindows.size(); ++slot) {
        app().closingForSave = QStringLiteral("Yes");
        if (Form* window = layoutWindowInSlot(slot))
            window->Unload();
    }
    // A last slot whose window the user had closed would leave "Yes" behind,
    // and the next window the user closes would then not be listed.
    app().closingForSave = QStringLiteral("No");
}

} // namespace vellum
