#pragma once

#include <QString>

namespace vellum {

// A footnote, identified by its map title and label together.
struct FootnoteRecord {
    QString mapTitle;
    QString label;
    QString beginning;
    QString reading;
    QString nonRead;

    bool operator==(const FootnoteRecord&) const = default;
};

} // namespace vellum
