#include "document/RecordWriter.h"

#include "document/FieldText.h"

#include <QIODevice>

namespace vellum {

namespace {

constexpr qsizetype kFlushAt = 256 * 1024;

} // namespace

RecordWriter::RecordWriter(QIODevice* device) : m_device(device) {}

RecordWriter::~RecordWriter() {
    flush();
}

void RecordWriter::separate() {
    if (m_fieldWritten)
        m_pending.append(',');
    m_fieldWritten = true;
}

RecordWriter& RecordWriter::text(QStringView text) {
    separate();
    m_pending.append('"').append(FieldText::bytes(text)).append('"');
    return *this;
}

RecordWriter& RecordWriter::integer(qint64 value) {
    separate();
    m_pending.append(QByteArray::number(value));
    return *this;
}

RecordWriter& RecordWriter::bytes(const QByteArray& field) {
    separate();
    m_pending.append('"');
    // A bare field read from a foreign file may hold a quote; quoted ones cannot.
    if (field.contains('"'))
        m_pending.append(QByteArray(field).replace('"', '\''));
    else
        m_pending.append(field);
    m_pending.append('"');
    return *this;
}

void RecordWriter::endRecord() {
    m_pending.append("\r\n", 2);
    m_fieldWritten = false;
    if (m_pending.size() >= kFlushAt)
        flush();
}

bool RecordWriter::flush() {
    if (!m_ok || m_pending.isEmpty())
        return m_ok;
    if (!m_device || m_device->write(m_pending) != m_pending.size()) {
        m_ok = false;
        m_error = m_device ? m_device->errorString() : QStringLiteral("no file");
    }
    m_pending.resize(0);
    return m_ok;
}

void RecordWriter::writeHeader(const ScenarioHeader& h) {
    text(h.workingTitle).text(h.author).text(h.startingDate).text(h.startingDescription);
    integer(h.mapCount).integer(h.footnoteCount);
    endRecord();
}

void RecordWriter::writeMap(const MapRecord& m) {
    text(m.title).text(m.type).text(m.description);
    endRecord();
}

void RecordWriter::writeFootnote(const FootnoteRecord& f) {
    text(f.mapTitle).text(f.label).text(f.beginning).text(f.reading).text(f.nonRead);
    endRecord();
}

void RecordWriter::writeFields(const QList<QByteArray>& fields) {
    for (const QByteArray& field : fields)
        bytes(field);
    endRecord();
}

} // namespace vellum
