#include "document/ScenarioOpen.h"

#include "document/Cp1252.h"
#include "document/RecordReader.h"
#include "document/RecordWriter.h"
#include "document/WorkingFiles.h"
#include "shell/AppState.h"

#include <QFile>
#include <QHash>
#include <utility>

namespace vellum {

namespace {

using Fields = QList<QByteArray>;

class Reading {
public:
    Reading(const QString& path, OpenedScenario& result)
        : m_in(path), m_reader(&m_in), m_result(result) {}

    bool header();
    bool maps();
    bool footnotes();

private:
    bool damaged() {
        m_result.stop =
            StoreResult::damaged(m_in.fileName(), m_reader.errorLine(), m_reader.errorString());
        return false;
    }
    void addMapNode(const QString& title);
    void addFootnoteNodes(const QString& mapTitle, const QString& label);

    QFile m_in;
    RecordReader m_reader;
    OpenedScenario& m_result;
    // Map title to the numbers of its nodes, in the order they were made.
    QHash<QString, QList<int>> m_mapNodes;
    Fields m_fields;
};

bool Reading::header() {
    if (!m_in.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        m_result.stop = StoreResult::cannotOpen(m_in.fileName(), m_in.errorString());
        return false;
    }
    if (!m_reader.readHeader(m_result.header))
        return damaged();
    app().lastHeader = m_result.header;
    return true;
}

void Reading::addMapNode(const QString& title) {
    OpenedScenario& r = m_result;
    r.caption = r.header.workingTitle.toUpper() + QLatin1Char(' ');
    ++r.mapNodeCount;
    ++r.footnoteNodeCount;
    r.footnoteNodeKey = QStringLiteral("Child%1").arg(r.footnoteNodeCount);
    r.mapNodeKey = QStringLiteral("Map%1").arg(r.mapNodeCount);
    r.mapNodes.append({r.mapNodeKey, title, {}});
    m_mapNodes[title].append(r.mapNodeCount);
}

bool Reading::maps() {
    QFile list(WorkingFiles::closedMapList());
    app().mapListExists = true;
    if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        m_result.stop = StoreResult::cannotWrite(list.fileName(), list.errorString());
        return false;
    }
    m_result.stage = OpenedScenario::Stage::Header;
    RecordWriter writer(&list);
    Fields last;
    bool ok = true;
    for (int i = 0; i < m_result.header.mapCount; ++i) {
        if (!m_reader.readFields(3, m_fields)) {
            ok = damaged();
            break;
        }
        writer.writeFields(m_fields);
        addMapNode(Cp1252::decode(m_fields[0]));
        ++m_result.mapsRead;
        std::swap(last, m_fields);
    }
    if (m_result.mapsRead > 0)
        app().lastMapRecord = RecordReader::toMap(last);
    if (!writer.flush() && ok) {
        m_result.stop = StoreResult::cannotWrite(list.fileName(), writer.errorString());
        ok = false;
    }
    return ok;
}

// Same nodes as comparing the footnote with every node "Map" 1 to map count.
void Reading::addFootnoteNodes(const QString& mapTitle, const QString& label) {
    OpenedScenario& r = m_result;
    for (int number : m_mapNodes.value(mapTitle)) {
        if (number < 1 || number > r.header.mapCount)
            continue;
        ++r.footnoteNodeCount;
        r.footnoteNodeKey = QStringLiteral("Child%1").arg(r.footnoteNodeCount);
        r.footnoteNodes.append({r.footnoteNodeKey, label, QStringLiteral("Map%1").arg(number)});
    }
}

bool Reading::footnotes() {
    m_result.stage = OpenedScenario::Stage::Maps;
    Fields last;
    bool ok = true;
    for (int i = 0; i < m_result.header.footnoteCount; ++i) {
        ++m_result.footnoteCount;
        if (!m_reader.readFields(5, m_fields)) {
            ok = damaged();
            break;
        }
        addFootnoteNodes(Cp1252::decode(m_fields[0]), Cp1252::decode(m_fields[1]));
        ++m_result.footnotesRead;
        std::swap(last, m_fields);
    }
    if (m_result.footnotesRead > 0)
        app().lastFootnoteRecord = RecordReader::toFootnote(last);
    return ok;
}

} // namespace

OpenedScenario ScenarioOpen::read(const QString& path, int mapNodeCount, int footnoteNodeCount) {
    OpenedScenario result;
    result.mapNodeCount = mapNodeCount;
    result.footnoteNodeCount = footnoteNodeCount;
    Reading reading(path, result);
    if (reading.header() && reading.maps() && reading.footnotes())
        result.stage = OpenedScenario::Stage::Complete;
    return result;
}

} // namespace vellum
