#pragma once

#include "document/OpenedScenario.h"

#include <QString>

namespace vellum {

// The reading part of File > Open, without windows: reads the header, copies
// every map record into a new trash.vmc (setting app().mapListExists), reads
// the footnotes and numbers the outline nodes from the given counters. It
// reads each byte once and matches footnotes to maps through a hash, so the
// cost grows with the file's size only. A damaged file ends the reading
// quietly, keeping what was read; the last records read stay in
// app().lastHeader, lastMapRecord and lastFootnoteRecord.
class ScenarioOpen {
public:
    static OpenedScenario read(const QString& path, int mapNodeCount, int footnoteNodeCount);
};

} // namespace vellum
