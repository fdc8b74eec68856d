#pragma once

#include <QString>
#include <optional>

namespace vellum {

// The numeric value of the number a text starts with ("07" 7, "5x" 5,
// "-3" -3, ".5" 0.5); 0 for an empty or non-numeric text.
double leadingNumber(const QString& text);

// The line width a text gives: a whole number from 1 to 99, or nothing
// (the tools then keep the width they had).
std::optional<int> wholeLineWidth(const QString& text);

} // namespace vellum
