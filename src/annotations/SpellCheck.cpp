#include "annotations/SpellCheck.h"

#include "document/FieldText.h"
#include "shell/AppState.h"
#include "shell/UserDialogs.h"

namespace vellum {

std::optional<QString> spellCheckBox(const QString& text) {
    if (!app().wordAvailable) {
        msgBox(kNeedWordText, QStringLiteral("Sorry"));
        return std::nullopt;
    }
    // A corrected word may bring a double quote or a character the file
    // cannot hold; the box gets what the file will keep.
    return FieldText::sanitized(dialogs().checkSpelling(text));
}

} // namespace vellum
