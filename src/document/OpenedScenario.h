#pragma once

#include "document/OutlineNode.h"
#include "document/ScenarioHeader.h"
#include "document/StoreResult.h"

#include <QList>
#include <QString>

namespace vellum {

// What Open read from a scenario file, laid out so that the window can apply
// the steps of Open in their order and stop where reading stopped.
struct OpenedScenario {
    enum class Stage {
        Nothing,  // the file could not be opened, or its header read, or trash.vmc made
        Header,   // header read and trash.vmc made: show the outline, enable "Show"
        Maps,     // every map record read: enable "Save"
        Complete, // every footnote read: the scenario is open
    };

    Stage stage = Stage::Nothing;
    ScenarioHeader header; // valid from Stage::Header
    // The map loop runs (layout slots reset to 0 and 1) when header.mapCount > 0.

    // Map nodes in file order, then the footnote nodes under them.
    QList<OutlineNode> mapNodes;
    QList<OutlineNode> footnoteNodes;
    // The outline caption, set with the first map record read; empty when no
    // map was read, and the caption then stays as it was.
    QString caption;

    // Counters and keys as the last node left them (keys empty when no node
    // was made). The counters are wider than 16 bits: a full scenario of
    // 32767 maps and 32767 footnotes needs 65534 node numbers.
    int mapNodeCount = 0;
    int footnoteNodeCount = 0;
    QString mapNodeKey;
    QString footnoteNodeKey;
    // From Stage::Maps: footnoteCount as Open leaves it. It is raised before
    // each footnote is read, so a footnote that failed to read counts.
    qint16 footnoteCount = 0;

    int mapsRead = 0;
    int footnotesRead = 0;
    StoreResult stop; // why reading ended before Stage::Complete

    bool reached(Stage s) const { return stage >= s; }
};

} // namespace vellum
