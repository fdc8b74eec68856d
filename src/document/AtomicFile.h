#pragma once

#include "document/StoreResult.h"

#include <QSaveFile>
#include <QString>

namespace vellum {

// A file that replaces an existing one: written completely under a temporary
// name in the same folder and renamed over the old one only when every byte
// got there, so an interruption leaves the old file or the new one, whole.
class AtomicFile {
public:
    explicit AtomicFile(const QString& path);

    StoreResult open();
    QIODevice* device() { return &m_file; }
    // Checks the write for errors before renaming; on failure the old file stays.
    StoreResult commit();

    // Test hook: the next commit fails after the temporary file is written and
    // before the rename, as an interruption at the worst moment would.
    static void failNextCommit();

private:
    QSaveFile m_file;
};

} // namespace vellum
