#pragma once

#include <QString>

namespace vellum {

// The file-dialog filter of scenario files.
inline const QString kScenarioFilter = QStringLiteral("Vellum Files(*.vmd)|*.vmd");

class StoreResult;

// Shows a storage failure to the user (the file and what went wrong).
void reportStoreFailure(const StoreResult& result);

} // namespace vellum
