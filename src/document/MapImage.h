#pragma once

#include "document/StoreResult.h"

#include <QImage>
#include <QString>

namespace vellum {

// The map image file of a map: the scenario path as chosen in the file
// dialog immediately followed by the map title and ".lrk", holding the whole
// canvas as an uncompressed 24-bit BMP.
class MapImage {
public:
    static QString path(const QString& scenarioPath, const QString& title);
    // Replaces the file atomically; a failure names the file.
    static StoreResult save(const QString& scenarioPath, const QString& title, const QImage& image);
    // Any picture format the loader knows; a missing or unreadable file gives a null image.
    static QImage load(const QString& scenarioPath, const QString& title);
    // Why `title` cannot name its image file next to `scenarioPath`, or an
    // empty text when it can.
    static QString titleProblem(const QString& scenarioPath, const QString& title);
};

} // namespace vellum
