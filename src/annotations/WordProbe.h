#pragma once

#include <QString>

namespace vellum {

inline const QString kSpellingWorks =
    QStringLiteral("You have Microsoft Word Installed. Spell checking works!");
inline const QString kSpellingUnavailable =
    QStringLiteral("You do not have Microsoft Word Installed. Spell checking is unavailable.");

// The start-up probe: spelling works when a dictionary loads. Sets
// wordAvailable, leaves wordObject released and returns the text for the
// "System Check" window. Never fails loudly.
QString runWordProbe();

} // namespace vellum
