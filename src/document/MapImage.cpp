#include "document/MapImage.h"

#include "document/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include <climits>

namespace vellum {

namespace {

#if defined(NAME_MAX)
constexpr qsizetype kLongestName = NAME_MAX;
#else
constexpr qsizetype kLongestName = 255;
#endif
#if defined(PATH_MAX)
constexpr qsizetype kLongestPath = PATH_MAX - 1;
#else
constexpr qsizetype kLongestPath = 259;
#endif

bool forbiddenInName(QChar c) {
#if defined(Q_OS_WIN)
    if (QStringLiteral("\\:*?\"<>|").contains(c))
        return true;
#endif
    return c == u'/' || c.category() == QChar::Other_Control;
}

} // namespace

QString MapImage::path(const QString& scenarioPath, const QString& title) {
    return scenarioPath + title + QStringLiteral(".lrk");
}

StoreResult MapImage::save(const QString& scenarioPath, const QString& title, const QImage& image) {
    const QString file = path(scenarioPath, title);
    AtomicFile out(file);
    if (StoreResult r = out.open(); !r.ok())
        return r;
    // Qt writes 32-bit pictures as 24-bit BMP; indexed ones would keep a palette.
    QImageWriter writer(out.device(), "bmp");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        return StoreResult::cannotWrite(file, writer.errorString());
    return out.commit();
}

QImage MapImage::load(const QString& scenarioPath, const QString& title) {
    QImageReader reader(path(scenarioPath, title));
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

QString MapImage::titleProblem(const QString& scenarioPath, const QString& title) {
    if (title.isEmpty())
        return QStringLiteral("A map needs a title.");
    for (QChar c : title) {
        if (forbiddenInName(c))
            return QStringLiteral("A map title cannot hold a slash or a control character.");
    }
    const QString file = path(scenarioPath, title);
    const QString name = QFileInfo(file).fileName();
    if (QFile::encodeName(name).size() > kLongestName ||
        QFile::encodeName(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath())).size() >
            kLongestPath)
        return QStringLiteral("The map title is too long to name its picture file.");
    return {};
}

} // namespace vellum
