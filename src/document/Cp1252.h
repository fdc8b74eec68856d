#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace vellum {

// The Windows-1252 code page of scenario files. Qt's converters offer it only
// when built with ICU, so the program carries its own table. The five bytes
// the code page leaves undefined map to the control characters of the same
// value, so every byte survives a read and a write unchanged.
class Cp1252 {
public:
    static QString decode(QByteArrayView bytes);
    // A character the code page cannot hold becomes '?' (a surrogate pair one '?').
    static QByteArray encode(QStringView text);
    static bool canEncode(char16_t unit);
};

} // namespace vellum
