#pragma once

#include <QString>

namespace vellum {

// One map of a scenario; the title identifies the map everywhere.
struct MapRecord {
    QString title;
    QString type; // "Town", "Planet" or "World"
    QString description;

    bool operator==(const MapRecord&) const = default;
};

} // namespace vellum
