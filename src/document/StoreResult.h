#pragma once

#include <QString>

namespace vellum {

// The outcome of a storage operation. Failures carry a sentence the window
// can show as it is, and the file concerned.
struct StoreResult {
    enum class Code {
        Ok,
        CannotOpen,  // the file is missing or cannot be read
        CannotWrite, // the file (or its temporary twin) cannot be written
        Damaged,     // the file ends early or holds something that is not a record
        CountFull,   // a 16-bit count has reached 32767
    };

    Code code = Code::Ok;
    QString file;
    QString message;
    qint64 line = 0; // Damaged: the line of the field that could not be read

    bool ok() const { return code == Code::Ok; }

    static StoreResult success() { return {}; }
    static StoreResult cannotOpen(const QString& file, const QString& reason);
    static StoreResult cannotWrite(const QString& file, const QString& reason);
    static StoreResult damaged(const QString& file, qint64 line, const QString& reason);
    // what: "maps" or "footnotes".
    static StoreResult countFull(const QString& file, const QString& what);
};

} // namespace vellum
