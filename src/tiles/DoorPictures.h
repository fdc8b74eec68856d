#pragma once

#include <QString>

namespace vellum {

// The door picture for a door type (the text of the type list) and a facing
// ("N", "NE", "E", "SE", "S", "SW", "W", "NW"). Opposite diagonal facings
// share a picture: a door in a diagonal wall looks the same from both sides.
// Empty for a type that is none of the list's entries.
inline QString doorPictureName(const QString& type, const QString& facing) {
    struct Row {
        const char* facing;
        const char* single;
        const char* doubled;
        const char* secret;
    };
    static constexpr Row table[] = {
        {"N", "picdn", "picddn", "picsecretns"}, {"NE", "picdne", "picdne", "picsecretne"},
        {"E", "picDe", "picdde", "picsecretew"}, {"SE", "picdnw", "picdnw", "picsecretnw"},
        {"S", "picds", "picdds", "picsecretns"}, {"SW", "picdne", "picdne", "picsecretne"},
        {"W", "picdw", "picddw", "picsecretew"}, {"NW", "picdnw", "picdnw", "picsecretnw"},
    };
    for (const Row& row : table) {
        if (facing != QLatin1String(row.facing))
            continue;
        if (type.isEmpty() || type == QLatin1String("Single Door"))
            return QString::fromLatin1(row.single);
        if (type == QLatin1String("Double Door"))
            return QString::fromLatin1(row.doubled);
        if (type == QLatin1String("Secret Door"))
            return QString::fromLatin1(row.secret);
        return {};
    }
    return {};
}

// There are no diagonal double doors.
inline bool diagonalFacingsAllowed(const QString& type) {
    return type != QLatin1String("Double Door");
}

} // namespace vellum
