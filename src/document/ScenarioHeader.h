#pragma once

#include <QString>
#include <QtGlobal>

namespace vellum {

// First record of a scenario file.
struct ScenarioHeader {
    QString workingTitle;
    QString author;
    QString startingDate; // short date text, taken when the new-scenario window loaded
    QString startingDescription;
    qint16 mapCount = 0;
    qint16 footnoteCount = 0;

    bool operator==(const ScenarioHeader&) const = default;
};

} // namespace vellum
