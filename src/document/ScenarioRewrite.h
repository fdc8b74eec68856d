#pragma once

#include "document/FootnoteRecord.h"
#include "document/MapRecord.h"
#include "document/ScenarioHeader.h"
#include "document/StoreResult.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace vellum {

// The two-pass rewrite of a scenario file through the temporary copy: pass 1
// copies the scenario into trash.bak applying one change, pass 2 copies
// trash.bak back. Records nobody changes travel as bytes, undecoded, so a
// rewrite costs little more than copying the file twice. Pass 2 replaces the
// scenario file atomically.
class ScenarioRewrite {
public:
    struct Change {
        // Pass 1 header; a failure refuses the change before anything is written.
        std::function<StoreResult(ScenarioHeader&)> header;
        // Pass 1, each old record's fields (Windows-1252), changed in place.
        std::function<void(QList<QByteArray>&)> map;
        std::function<void(QList<QByteArray>&)> footnote;
        std::optional<MapRecord> addedMap;
        std::optional<FootnoteRecord> addedFootnote;
        // Pass 2 header.
        std::function<void(ScenarioHeader&)> copyHeader;
    };

    static StoreResult run(const QString& scenarioPath, const Change& change);

    // The first map of a scenario: trash.bak gets the header with map count
    // 1, and the scenario file that header followed by the map record.
    static StoreResult firstMap(const QString& scenarioPath, const MapRecord& map);
};

} // namespace vellum
