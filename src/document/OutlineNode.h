#pragma once

#include <QString>

namespace vellum {

// A node of the outline tree as Open builds it.
struct OutlineNode {
    QString key;       // "Map" or "Child" followed by a number
    QString text;      // a map's title or a footnote's label
    QString parentKey; // empty for a map node

    bool operator==(const OutlineNode&) const = default;
};

} // namespace vellum
