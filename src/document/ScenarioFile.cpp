#include "document/ScenarioFile.h"

#include "document/AtomicFile.h"
#include "document/Cp1252.h"
#include "document/FieldText.h"
#include "document/RecordReader.h"
#include "document/RecordWriter.h"
#include "document/ScenarioRewrite.h"
#include "document/WorkingFiles.h"
#include "shell/AppState.h"

#include <QFile>
#include <limits>

namespace vellum {

namespace {

constexpr qint16 kMostRecords = std::numeric_limits<qint16>::max();

using Fields = QList<QByteArray>;

// The file opened for reading with its header read into app().lastHeader.
class Opened {
public:
    explicit Opened(const QString& path) : m_file(path), m_reader(&m_file) {
        if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            m_result = StoreResult::cannotOpen(path, m_file.errorString());
        else if (!m_reader.readHeader(app().lastHeader))
            m_result = damaged();
    }
    StoreResult damaged() const {
        return StoreResult::damaged(m_file.fileName(), m_reader.errorLine(),
                                    m_reader.errorString());
    }
    const StoreResult& result() const { return m_result; }
    RecordReader& reader() { return m_reader; }

private:
    QFile m_file;
    RecordReader m_reader;
    StoreResult m_result;
};

StoreResult readMapRecords(Opened& file, const ScenarioFile::MapVisitor& each) {
    for (int i = 0; i < app().lastHeader.mapCount; ++i) {
        if (!file.reader().readMap(app().lastMapRecord))
            return file.damaged();
        if (each)
            each(app().lastMapRecord);
    }
    return StoreResult::success();
}

bool sameText(const QByteArray& field, const QString& text) {
    return Cp1252::decode(field) == text;
}

} // namespace

StoreResult ScenarioFile::readHeader(const QString& path) {
    return Opened(path).result();
}

StoreResult ScenarioFile::readMaps(const QString& path, const MapVisitor& each) {
    Opened file(path);
    if (!file.result().ok())
        return file.result();
    return readMapRecords(file, each);
}

StoreResult ScenarioFile::readFootnotes(const QString& path, const FootnoteVisitor& each) {
    Opened file(path);
    if (!file.result().ok())
        return file.result();
    if (StoreResult r = readMapRecords(file, {}); !r.ok())
        return r;
    for (int i = 0; i < app().lastHeader.footnoteCount; ++i) {
        if (!file.reader().readFootnote(app().lastFootnoteRecord))
            return file.damaged();
        if (each)
            each(app().lastFootnoteRecord);
    }
    return StoreResult::success();
}

StoreResult ScenarioFile::writeNewHeader(const ScenarioHeader& header) {
    QFile out(WorkingFiles::temporaryCopy());
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return StoreResult::cannotWrite(out.fileName(), out.errorString());
    ScenarioHeader fresh = header;
    fresh.mapCount = 0;
    fresh.footnoteCount = 0;
    RecordWriter writer(&out);
    writer.writeHeader(fresh);
    if (!writer.flush())
        return StoreResult::cannotWrite(out.fileName(), writer.errorString());
    out.close();
    if (out.error() != QFileDevice::NoError)
        return StoreResult::cannotWrite(out.fileName(), out.errorString());
    return StoreResult::success();
}

StoreResult ScenarioFile::createFromTemporaryCopy(const QString& path) {
    if (StoreResult r = readHeader(WorkingFiles::temporaryCopy()); !r.ok())
        return r;
    app().footnoteCount = app().lastHeader.footnoteCount;
    AtomicFile out(path);
    if (StoreResult r = out.open(); !r.ok())
        return r;
    RecordWriter writer(out.device());
    writer.writeHeader(app().lastHeader);
    if (!writer.flush())
        return StoreResult::cannotWrite(path, writer.errorString());
    return out.commit();
}

StoreResult ScenarioFile::addMap(const QString& path, const MapRecord& map) {
    if (StoreResult r = readHeader(path); !r.ok())
        return r;
    if (app().lastHeader.mapCount == 0)
        return addFirstMap(path, map);
    ScenarioRewrite::Change change;
    change.header = [&path](ScenarioHeader& h) {
        if (h.mapCount >= kMostRecords)
            return StoreResult::countFull(path, QStringLiteral("maps"));
        ++h.mapCount;
        return StoreResult::success();
    };
    change.addedMap = map;
    return ScenarioRewrite::run(path, change);
}

StoreResult ScenarioFile::addFirstMap(const QString& path, const MapRecord& map) {
    return ScenarioRewrite::firstMap(path, map);
}

StoreResult ScenarioFile::editMapDescription(const QString& path, const QString& title,
                                             const QString& description) {
    const QByteArray stored = FieldText::bytes(description);
    ScenarioRewrite::Change change;
    change.map = [&](Fields& f) {
        if (sameText(f[0], title))
            f[2] = stored;
    };
    return ScenarioRewrite::run(path, change);
}

StoreResult ScenarioFile::editScenarioDescription(const QString& path, const QString& workingTitle,
                                                  const QString& author,
                                                  const QString& startingDescription) {
    ScenarioRewrite::Change change;
    change.header = [&](ScenarioHeader& h) {
        h.workingTitle = workingTitle;
        h.author = author;
        h.startingDescription = startingDescription;
        return StoreResult::success();
    };
    return ScenarioRewrite::run(path, change);
}

StoreResult ScenarioFile::roomForFootnote() {
    if (app().footnoteCount >= kMostRecords)
        return StoreResult::countFull(app().scenarioPath, QStringLiteral("footnotes"));
    return StoreResult::success();
}

StoreResult ScenarioFile::addFootnote(const QString& path, const FootnoteRecord& footnote) {
    ScenarioRewrite::Change change;
    change.header = [&path](ScenarioHeader& h) {
        if (h.footnoteCount >= kMostRecords || app().footnoteCount < 0)
            return StoreResult::countFull(path, QStringLiteral("footnotes"));
        return StoreResult::success();
    };
    change.addedFootnote = footnote;
    change.copyHeader = [](ScenarioHeader& h) { h.footnoteCount = app().footnoteCount; };
    return ScenarioRewrite::run(path, change);
}

StoreResult ScenarioFile::editFootnote(const QString& path, const FootnoteRecord& edited) {
    const QByteArray beginning = FieldText::bytes(edited.beginning);
    const QByteArray reading = FieldText::bytes(edited.reading);
    const QByteArray nonRead = FieldText::bytes(edited.nonRead);
    ScenarioRewrite::Change change;
    change.footnote = [&](Fields& f) {
        if (sameText(f[0], edited.mapTitle) && sameText(f[1], edited.label)) {
            f[2] = beginning;
            f[3] = reading;
            f[4] = nonRead;
        }
    };
    return ScenarioRewrite::run(path, change);
}

} // namespace vellum
