#pragma once

#include "document/FootnoteRecord.h"
#include "document/MapRecord.h"
#include "document/ScenarioHeader.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

class QIODevice;

namespace vellum {

// Writes records: a text field as a double quote, the text and a double
// quote; an integer as its decimal digits; one comma between fields; CR LF
// after each record. Text is stored as FieldText makes it, so no field ever
// holds a double quote. Records are collected and handed to the device in
// large pieces; flush() (or the destructor) writes what is left.
class RecordWriter {
public:
    explicit RecordWriter(QIODevice* device);
    ~RecordWriter();
    RecordWriter(const RecordWriter&) = delete;
    RecordWriter& operator=(const RecordWriter&) = delete;

    RecordWriter& text(QStringView text);
    RecordWriter& integer(qint64 value);
    // A text field already in Windows-1252 (a field read by RecordReader).
    RecordWriter& bytes(const QByteArray& field);
    void endRecord();

    void writeHeader(const ScenarioHeader& header);
    void writeMap(const MapRecord& map);
    void writeFootnote(const FootnoteRecord& footnote);
    void writeFields(const QList<QByteArray>& fields);

    // False once the device refused a write; the error names the device's reason.
    bool flush();
    bool ok() const { return m_ok; }
    QString errorString() const { return m_error; }

private:
    void separate();

    QIODevice* m_device;
    QByteArray m_pending;
    bool m_fieldWritten = false;
    bool m_ok = true;
    QString m_error;
};

} // namespace vellum
