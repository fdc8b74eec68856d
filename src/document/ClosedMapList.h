#pragma once

#include "document/MapRecord.h"
#include "document/StoreResult.h"

#include <QList>
#include <QSet>
#include <QString>

namespace vellum {

// trash.vmc: the map records of the maps whose layout windows are closed, so
// that a click in the outline can reopen them. trash.vmr is its copy, made
// while records are removed. Titles are compared exactly.
class ClosedMapList {
public:
    // An empty list ("Create it!"); sets app().mapListExists.
    static StoreResult create();
    // Every record in file order; reading stops quietly at a damaged record.
    static QList<MapRecord> records();
    static bool contains(const QString& title);
    // All titles at once, for Save, which asks about every map.
    static QSet<QString> titles();
    // The user closed the window captioned `caption`: unless the list has it
    // already, every map record of the scenario with that title is appended.
    // app().closedMapsPending is raised by one in either case.
    static StoreResult addOnUserClose(const QString& scenarioPath, const QString& caption);
    // After an outline click: trash.vmr gets every record not titled `title`
    // (app().mapListCopyExists set), then trash.vmc becomes a copy of it.
    static StoreResult remove(const QString& title);
    // Deletes the files whose flags are set; New and Open clear the flags too,
    // "Exit" of the new-scenario window and program exit leave them set.
    static void deleteFiles(bool clearFlags);
};

} // namespace vellum
