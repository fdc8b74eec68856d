#pragma once

#include <QString>
#include <optional>

namespace vellum {

inline const QString kNeedWordText =
    QStringLiteral("You need to have Microsoft Word for Windows for this option to work");

// What every "Spell Check" button does with one box's text: when spelling
// is available, the checked text; otherwise the "Sorry" message and nothing.
std::optional<QString> spellCheckBox(const QString& text);

} // namespace vellum
