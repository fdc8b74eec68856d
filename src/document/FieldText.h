#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace vellum {

// What a text field may hold. Fields have no escape, so a double quote is
// stored as an apostrophe, and a character the code page cannot hold as '?'.
// Text boxes apply sanitized() as text enters them, so what the user sees is
// what the file keeps.
class FieldText {
public:
    static QString sanitized(QStringView text);
    // The bytes of a text field's content as written (without the quotes).
    static QByteArray bytes(QStringView text);
};

} // namespace vellum
