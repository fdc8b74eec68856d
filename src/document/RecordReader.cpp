#include "document/RecordReader.h"

#include "document/Cp1252.h"

#include <QIODevice>
#include <algorithm>
#include <cstring>
#include <limits>

namespace vellum {

namespace {

constexpr qsizetype kChunk = 256 * 1024;

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

RecordReader::RecordReader(QIODevice* device) : m_device(device) {}

bool RecordReader::fail(const QString& why, qint64 line) {
    if (m_error.isEmpty()) {
        m_error = why;
        m_errorLine = line;
    }
    return false;
}

// Makes at least one unread byte available; false at the end of the device.
bool RecordReader::available() {
    if (m_pos < m_end)
        return true;
    if (!m_device)
        return false;
    m_buffer.resize(kChunk);
    const qint64 n = m_device->read(m_buffer.data(), kChunk);
    m_pos = 0;
    m_end = n > 0 ? n : 0;
    return m_end > 0;
}

bool RecordReader::atEnd() {
    return !available();
}

void RecordReader::skipSpaces() {
    while (available() && peek() == ' ')
        ++m_pos;
}

bool RecordReader::readQuoted(QByteArray& out) {
    const qint64 firstLine = m_line;
    ++m_pos; // the opening quote
    while (available()) {
        const char* start = m_buffer.constData() + m_pos;
        const qsizetype left = m_end - m_pos;
        const char* quote = static_cast<const char*>(std::memchr(start, '"', left));
        const qsizetype len = quote ? quote - start : left;
        out.append(start, len);
        m_line += std::count(start, start + len, '\n');
        m_pos += len;
        if (quote) {
            ++m_pos;
            return true;
        }
    }
    return fail(QStringLiteral("a text field has no closing quote"), firstLine);
}

void RecordReader::readBare(QByteArray& out) {
    while (available()) {
        const char c = peek();
        if (c == ',' || isLineEnd(c))
            break;
        out.append(c);
        ++m_pos;
    }
    while (out.endsWith(' '))
        out.chop(1);
}

// Skips junk after a field and consumes the comma or line end (CR LF as one).
void RecordReader::skipToSeparator() {
    while (available()) {
        const char c = peek();
        ++m_pos;
        if (c == ',')
            return;
        if (c == '\n') {
            ++m_line;
            return;
        }
        if (c == '\r') {
            if (available() && peek() == '\n') {
                ++m_pos;
                ++m_line;
            }
            return;
        }
    }
}

bool RecordReader::readBytes(QByteArray& out) {
    out.resize(0);
    if (hasError())
        return false;
    skipSpaces();
    if (!available())
        return fail(QStringLiteral("the file ends before this field"), m_line);
    if (peek() == '"') {
        if (!readQuoted(out))
            return false;
    } else {
        readBare(out);
    }
    skipToSeparator();
    return true;
}

bool RecordReader::readText(QString& out) {
    QByteArray bytes;
    if (!readBytes(bytes))
        return false;
    out = Cp1252::decode(bytes);
    return true;
}

bool RecordReader::readInteger(qint16& out) {
    QByteArray bytes;
    skipSpaces();
    const qint64 line = m_line;
    if (!readBytes(bytes))
        return false;
    bytes = bytes.trimmed();
    bool number = true;
    const qlonglong value = bytes.isEmpty() ? 0 : bytes.toLongLong(&number);
    if (!number || value < std::numeric_limits<qint16>::min() ||
        value > std::numeric_limits<qint16>::max()) {
        return fail(QStringLiteral("\"%1\" is not a count").arg(Cp1252::decode(bytes.left(40))),
                    line);
    }
    out = qint16(value);
    return true;
}

bool RecordReader::readFields(qsizetype count, QList<QByteArray>& out) {
    out.resize(count);
    for (QByteArray& field : out) {
        if (!readBytes(field))
            return false;
    }
    return true;
}

bool RecordReader::readHeader(ScenarioHeader& out) {
    ScenarioHeader h;
    const bool ok = readText(h.workingTitle) && readText(h.author) && readText(h.startingDate) &&
                    readText(h.startingDescription) && readInteger(h.mapCount) &&
                    readInteger(h.footnoteCount);
    if (ok)
        out = h;
    return ok;
}

MapRecord RecordReader::toMap(const QList<QByteArray>& f) {
    return {Cp1252::decode(f.value(0)), Cp1252::decode(f.value(1)), Cp1252::decode(f.value(2))};
}

FootnoteRecord RecordReader::toFootnote(const QList<QByteArray>& f) {
    return {Cp1252::decode(f.value(0)), Cp1252::decode(f.value(1)), Cp1252::decode(f.value(2)),
            Cp1252::decode(f.value(3)), Cp1252::decode(f.value(4))};
}

bool RecordReader::readMap(MapRecord& out) {
    QList<QByteArray> fields;
    if (!readFields(3, fields))
        return false;
    out = toMap(fields);
    return true;
}

bool RecordReader::readFootnote(FootnoteRecord& out) {
    QList<QByteArray> fields;
    if (!readFields(5, fields))
        return false;
    out = toFootnote(fields);
    return true;
}

} // namespace vellum
