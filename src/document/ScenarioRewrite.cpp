#include "document/ScenarioRewrite.h"

#include "document/AtomicFile.h"
#include "document/RecordReader.h"
#include "document/RecordWriter.h"
#include "document/WorkingFiles.h"
#include "shell/AppState.h"

#include <QFile>

namespace vellum {

namespace {

using Fields = QList<QByteArray>;
using FieldChange = std::function<void(Fields&)>;

StoreResult readFailure(const QString& file, const RecordReader& reader) {
    return StoreResult::damaged(file, reader.errorLine(), reader.errorString());
}

StoreResult openForReading(QFile& file) {
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return StoreResult::cannotOpen(file.fileName(), file.errorString());
    return StoreResult::success();
}

StoreResult openTemporaryCopy(QFile& file) {
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return StoreResult::cannotWrite(file.fileName(), file.errorString());
    return StoreResult::success();
}

StoreResult finish(RecordWriter& writer, QFile& file) {
    if (!writer.flush())
        return StoreResult::cannotWrite(file.fileName(), writer.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        return StoreResult::cannotWrite(file.fileName(), file.errorString());
    return StoreResult::success();
}

// Copies `count` records; `fields` keeps the last one (after its change).
bool copyRecords(RecordReader& in, RecordWriter& out, int count, qsizetype fieldCount,
                 const FieldChange& change, Fields& fields) {
    for (int i = 0; i < count; ++i) {
        if (!in.readFields(fieldCount, fields))
            return false;
        if (change)
            change(fields);
        out.writeFields(fields);
    }
    return true;
}

StoreResult passOne(const QString& path, const ScenarioRewrite::Change& change) {
    QFile in(path);
    if (StoreResult r = openForReading(in); !r.ok())
        return r;
    RecordReader reader(&in);
    ScenarioHeader old;
    if (!reader.readHeader(old))
        return readFailure(path, reader);
    ScenarioHeader header = old;
    if (change.header) {
        if (StoreResult r = change.header(header); !r.ok())
            return r;
    }
    QFile out(WorkingFiles::temporaryCopy());
    if (StoreResult r = openTemporaryCopy(out); !r.ok())
        return r;
    RecordWriter writer(&out);
    writer.writeHeader(header);
    Fields fields;
    if (!copyRecords(reader, writer, old.mapCount, 3, change.map, fields))
        return readFailure(path, reader);
    if (change.addedMap)
        writer.writeMap(*change.addedMap);
    if (!copyRecords(reader, writer, old.footnoteCount, 5, change.footnote, fields))
        return readFailure(path, reader);
    if (change.addedFootnote)
        writer.writeFootnote(*change.addedFootnote);
    return finish(writer, out);
}

StoreResult passTwo(const QString& path, const ScenarioRewrite::Change& change) {
    QFile in(WorkingFiles::temporaryCopy());
    if (StoreResult r = openForReading(in); !r.ok())
        return r;
    RecordReader reader(&in);
    ScenarioHeader header;
    if (!reader.readHeader(header))
        return readFailure(in.fileName(), reader);
    if (change.copyHeader)
        change.copyHeader(header);
    AtomicFile out(path);
    if (StoreResult r = out.open(); !r.ok())
        return r;
    RecordWriter writer(out.device());
    writer.writeHeader(header);
    Fields lastMap, lastFootnote;
    // A short temporary copy leaves the scenario file as it was.
    if (!copyRecords(reader, writer, header.mapCount, 3, {}, lastMap) ||
        !copyRecords(reader, writer, header.footnoteCount, 5, {}, lastFootnote))
        return readFailure(in.fileName(), reader);
    if (!writer.flush())
        return StoreResult::cannotWrite(path, writer.errorString());
    if (StoreResult r = out.commit(); !r.ok())
        return r;
    app().lastHeader = header;
    if (header.mapCount > 0)
        app().lastMapRecord = RecordReader::toMap(lastMap);
    if (header.footnoteCount > 0)
        app().lastFootnoteRecord = RecordReader::toFootnote(lastFootnote);
    return StoreResult::success();
}

} // namespace

StoreResult ScenarioRewrite::run(const QString& scenarioPath, const Change& change) {
    if (StoreResult r = passOne(scenarioPath, change); !r.ok())
        return r;
    return passTwo(scenarioPath, change);
}

StoreResult ScenarioRewrite::firstMap(const QString& scenarioPath, const MapRecord& map) {
    QFile in(scenarioPath);
    if (StoreResult r = openForReading(in); !r.ok())
        return r;
    RecordReader reader(&in);
    ScenarioHeader header;
    if (!reader.readHeader(header))
        return readFailure(scenarioPath, reader);
    in.close();
    header.mapCount = 1;

    QFile copy(WorkingFiles::temporaryCopy());
    if (StoreResult r = openTemporaryCopy(copy); !r.ok())
        return r;
    RecordWriter copyWriter(&copy);
    copyWriter.writeHeader(header);
    if (StoreResult r = finish(copyWriter, copy); !r.ok())
        return r;

    // Header and appended record go out in one atomic write, so no
    // interruption leaves a header announcing a map that is not there.
    AtomicFile out(scenarioPath);
    if (StoreResult r = out.open(); !r.ok())
        return r;
    RecordWriter writer(out.device());
    writer.writeHeader(header);
    writer.writeMap(map);
    if (!writer.flush())
        return StoreResult::cannotWrite(scenarioPath, writer.errorString());
    if (StoreResult r = out.commit(); !r.ok())
        return r;
    app().lastHeader = header;
    app().lastMapRecord = map;
    return StoreResult::success();
}

} // namespace vellum
