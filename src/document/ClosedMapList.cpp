#include "document/ClosedMapList.h"

#include "document/Cp1252.h"
#include "document/RecordReader.h"
#include "document/RecordWriter.h"
#include "document/ScenarioFile.h"
#include "document/WorkingFiles.h"
#include "shell/AppState.h"

#include <QFile>
#include <functional>

namespace vellum {

namespace {

using Fields = QList<QByteArray>;

// Hands each record of a list file to `each` until the end or a damaged record.
void forEachRecord(const QString& path, const std::function<void(const Fields&)>& each) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return;
    RecordReader reader(&in);
    Fields fields;
    while (!reader.atEnd() && reader.readFields(3, fields))
        each(fields);
}

StoreResult writeList(const QString& path, const QList<Fields>& records, QIODevice::OpenMode mode) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | mode))
        return StoreResult::cannotWrite(path, out.errorString());
    RecordWriter writer(&out);
    for (const Fields& r : records)
        writer.writeFields(r);
    if (!writer.flush())
        return StoreResult::cannotWrite(path, writer.errorString());
    out.close();
    if (out.error() != QFileDevice::NoError)
        return StoreResult::cannotWrite(path, out.errorString());
    return StoreResult::success();
}

StoreResult appendMaps(const QList<MapRecord>& maps) {
    QFile out(WorkingFiles::closedMapList());
    const bool created = !out.exists();
    if (!out.open(QIODevice::WriteOnly | QIODevice::Append))
        return StoreResult::cannotWrite(out.fileName(), out.errorString());
    if (created)
        app().mapListExists = true;
    RecordWriter writer(&out);
    for (const MapRecord& m : maps)
        writer.writeMap(m);
    if (!writer.flush())
        return StoreResult::cannotWrite(out.fileName(), writer.errorString());
    return StoreResult::success();
}

} // namespace

StoreResult ClosedMapList::create() {
    app().mapListExists = true;
    return writeList(WorkingFiles::closedMapList(), {}, QIODevice::Truncate);
}

QList<MapRecord> ClosedMapList::records() {
    QList<MapRecord> list;
    forEachRecord(WorkingFiles::closedMapList(),
                  [&](const Fields& f) { list.append(RecordReader::toMap(f)); });
    return list;
}

bool ClosedMapList::contains(const QString& title) {
    bool found = false;
    forEachRecord(WorkingFiles::closedMapList(),
                  [&](const Fields& f) { found = found || Cp1252::decode(f[0]) == title; });
    return found;
}

QSet<QString> ClosedMapList::titles() {
    QSet<QString> set;
    forEachRecord(WorkingFiles::closedMapList(),
                  [&](const Fields& f) { set.insert(Cp1252::decode(f[0])); });
    return set;
}

StoreResult ClosedMapList::addOnUserClose(const QString& scenarioPath, const QString& caption) {
    StoreResult result;
    if (!contains(caption)) {
        QList<MapRecord> matching;
        result = ScenarioFile::readMaps(scenarioPath, [&](const MapRecord& m) {
            if (m.title == caption)
                matching.append(m);
        });
        if (result.ok())
            result = appendMaps(matching);
    }
    app().closedMapsPending += 1;
    return result;
}

StoreResult ClosedMapList::remove(const QString& title) {
    QList<Fields> kept;
    forEachRecord(WorkingFiles::closedMapList(), [&](const Fields& f) {
        if (Cp1252::decode(f[0]) != title)
            kept.append(f);
    });
    app().mapListCopyExists = true;
    if (StoreResult r = writeList(WorkingFiles::closedMapCopy(), kept, QIODevice::Truncate);
        !r.ok())
        return r;
    kept.clear();
    forEachRecord(WorkingFiles::closedMapCopy(), [&](const Fields& f) { kept.append(f); });
    return writeList(WorkingFiles::closedMapList(), kept, QIODevice::Truncate);
}

void ClosedMapList::deleteFiles(bool clearFlags) {
    if (app().mapListExists)
        WorkingFiles::remove(WorkingFiles::closedMapList());
    if (app().mapListCopyExists)
        WorkingFiles::remove(WorkingFiles::closedMapCopy());
    if (clearFlags) {
        app().mapListExists = false;
        app().mapListCopyExists = false;
    }
}

} // namespace vellum
