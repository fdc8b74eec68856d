#pragma once

#include "document/FootnoteRecord.h"
#include "document/MapRecord.h"
#include "document/ScenarioHeader.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

namespace vellum {

// Reads the fields of records in the order they were written. Spaces before
// a field are skipped; a field that starts with a double quote runs to the
// next double quote whatever lies between; what follows up to the next comma
// or line end is skipped and that separator consumed. Reading past the end is
// an error, kept with its line until the reader is thrown away: once a read
// has failed, every later read fails too.
class RecordReader {
public:
    explicit RecordReader(QIODevice* device);

    bool readText(QString& out);
    bool readInteger(qint16& out);
    // A field's Windows-1252 bytes, quotes removed, for copying without decoding.
    bool readBytes(QByteArray& out);
    bool readFields(qsizetype count, QList<QByteArray>& out);

    bool readHeader(ScenarioHeader& out);
    bool readMap(MapRecord& out);
    bool readFootnote(FootnoteRecord& out);

    static MapRecord toMap(const QList<QByteArray>& fields);
    static FootnoteRecord toFootnote(const QList<QByteArray>& fields);

    // True when no byte is left.
    bool atEnd();
    bool hasError() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    qint64 errorLine() const { return m_errorLine; }

private:
    bool fail(const QString& why, qint64 line);
    bool available();
    char peek() const { return m_buffer[m_pos]; }
    void skipSpaces();
    bool readQuoted(QByteArray& out);
    void readBare(QByteArray& out);
    void skipToSeparator();

    QIODevice* m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    qsizetype m_end = 0;
    qint64 m_line = 1;
    QString m_error;
    qint64 m_errorLine = 0;
};

} // namespace vellum
