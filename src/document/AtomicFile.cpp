#include "document/AtomicFile.h"

namespace vellum {

namespace {

bool& commitMustFail() {
    static bool fail = false;
    return fail;
}

} // namespace

AtomicFile::AtomicFile(const QString& path) : m_file(path) {}

void AtomicFile::failNextCommit() {
    commitMustFail() = true;
}

StoreResult AtomicFile::open() {
    if (!m_file.open(QIODevice::WriteOnly))
        return StoreResult::cannotWrite(m_file.fileName(), m_file.errorString());
    return StoreResult::success();
}

StoreResult AtomicFile::commit() {
    if (!m_file.flush() || m_file.error() != QFileDevice::NoError) {
        const QString why = m_file.errorString();
        m_file.cancelWriting();
        return StoreResult::cannotWrite(m_file.fileName(), why);
    }
    if (commitMustFail()) {
        commitMustFail() = false;
        m_file.cancelWriting();
        m_file.commit(); // discards the temporary file
        return StoreResult::cannotWrite(m_file.fileName(), QStringLiteral("interrupted"));
    }
    if (!m_file.commit())
        return StoreResult::cannotWrite(m_file.fileName(), m_file.errorString());
    return StoreResult::success();
}

} // namespace vellum
