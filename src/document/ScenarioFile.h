#pragma once

#include "document/FootnoteRecord.h"
#include "document/MapRecord.h"
#include "document/ScenarioHeader.h"
#include "document/StoreResult.h"

#include <QString>
#include <functional>

namespace vellum {

// The storage operations on a scenario file. There is no model in memory:
// every operation opens the file, does its work and closes it again. Readers
// leave the last record read in app().lastHeader, lastMapRecord and
// lastFootnoteRecord; every change goes through the two-pass rewrite, so
// trash.bak holds the last content written by pass 1.
class ScenarioFile {
public:
    using MapVisitor = std::function<void(const MapRecord&)>;
    using FootnoteVisitor = std::function<void(const FootnoteRecord&)>;

    static StoreResult readHeader(const QString& path);
    // Reads the header, then the map records, handing each to `each`.
    static StoreResult readMaps(const QString& path, const MapVisitor& each = {});
    // Reads the header, passes the map records, then hands each footnote to `each`.
    static StoreResult readFootnotes(const QString& path, const FootnoteVisitor& each = {});

    // "Create it!", in two steps around the save dialog: the header of a new
    // scenario (counts 0 whatever `header` holds) goes to trash.bak; once a
    // name is chosen it is read back, its footnote count into
    // app().footnoteCount, and written as the only record of the file.
    static StoreResult writeNewHeader(const ScenarioHeader& header);
    static StoreResult createFromTemporaryCopy(const QString& path);

    // Adds a map: the first-map procedure when the header's map count is 0,
    // the rewrite otherwise. A 32768th map is refused.
    static StoreResult addMap(const QString& path, const MapRecord& map);
    // The first-map procedure itself: records after the header are dropped.
    static StoreResult addFirstMap(const QString& path, const MapRecord& map);
    // Every map record titled `title` gets the new description.
    static StoreResult editMapDescription(const QString& path, const QString& title,
                                          const QString& description);
    // Replaces working title, author and starting description; date and counts stay.
    static StoreResult editScenarioDescription(const QString& path, const QString& workingTitle,
                                               const QString& author,
                                               const QString& startingDescription);

    // Asked before app().footnoteCount is raised for a new footnote, so the
    // 16-bit count never wraps.
    static StoreResult roomForFootnote();
    // Appends `footnote`; pass 2 writes app().footnoteCount (already raised
    // by one) as the header's footnote count and copies that many footnotes.
    static StoreResult addFootnote(const QString& path, const FootnoteRecord& footnote);
    // Every footnote whose map title and label match `edited` gets its three
    // descriptions; the other records are copied byte for byte.
    static StoreResult editFootnote(const QString& path, const FootnoteRecord& edited);
};

} // namespace vellum
