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
}

} // namespace vellum
