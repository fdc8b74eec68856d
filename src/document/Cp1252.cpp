#include "document/Cp1252.h"

#include <array>

namespace vellum {

namespace {

// Characters of bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isLatin1Direct(char16_t unit) {
    return unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF);
}

// The byte of a character outside the Latin-1 part, or 0 when there is none.
char byteFor(char16_t unit) {
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == unit)
            return char(0x80 + i);
    }
    return 0;
}

// Branch-free scans so that the common all-ASCII text takes the fast path.
bool allAscii(QByteArrayView bytes) {
    unsigned char seen = 0;
    for (char c : bytes)
        seen |= static_cast<unsigned char>(c);
    return seen < 0x80;
}

bool allAscii(QStringView text) {
    char16_t seen = 0;
    for (QChar c : text)
        seen |= c.unicode();
    return seen < 0x80;
}

} // namespace

QString Cp1252::decode(QByteArrayView bytes) {
    QString text = QString::fromLatin1(bytes);
    if (allAscii(bytes))
        return text;
    for (QChar& c : text) {
        if (c.unicode() >= 0x80 && c.unicode() < 0xA0)
            c = QChar(kHighControls[c.unicode() - 0x80]);
    }
    return text;
}

bool Cp1252::canEncode(char16_t unit) {
    return isLatin1Direct(unit) || byteFor(unit) != 0;
}

QByteArray Cp1252::encode(QStringView text) {
    if (allAscii(text))
        return text.toLatin1();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (isLatin1Direct(unit)) {
            bytes.append(char(unit));
        } else if (const char b = byteFor(unit)) {
            bytes.append(b);
        } else {
            if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            bytes.append('?');
        }
    }
    return bytes;
}

} // namespace vellum
