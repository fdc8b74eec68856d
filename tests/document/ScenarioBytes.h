#pragma once

#include <QByteArray>

// Records of a scenario file as the program writes them, for byte-exact checks.
namespace scenario_bytes {

inline QByteArray quoted(const QByteArray& text) {
    return '"' + text + '"';
}

inline QByteArray header(int maps, int footnotes, const QByteArray& title = "Keep") {
    return quoted(title) + ',' + quoted("Ann") + ',' + quoted("1/2/2024") + ',' +
           quoted("Start, then\r\nmore") + ',' + QByteArray::number(maps) + ',' +
           QByteArray::number(footnotes) + "\r\n";
}

inline QByteArray map(const QByteArray& title, const QByteArray& description = "A, b\r\nc") {
    return quoted(title) + ',' + quoted("Town") + ',' + quoted(description) + "\r\n";
}

inline QByteArray footnote(const QByteArray& mapTitle, const QByteArray& label,
                           const QByteArray& text = "x") {
    return quoted(mapTitle) + ',' + quoted(label) + ',' + quoted(text + " begins") + ',' +
           quoted(text + " read") + ',' + quoted(text + ",\r\nnot read") + "\r\n";
}

} // namespace scenario_bytes
