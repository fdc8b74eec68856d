#include "document/WorkingFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace vellum {

namespace {

QString& chosenFolder() {
    static QString folder;
    return folder;
}

bool writable(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".vellum-probe-XXXXXX")));
    return probe.open();
}

QString defaultFolder() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (writable(programFolder))
        return programFolder;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(data);
    return data;
}

QString inFolder(const char* name) {
    return QDir(WorkingFiles::folder()).filePath(QString::fromLatin1(name));
}

} // namespace

QString WorkingFiles::folder() {
    if (chosenFolder().isEmpty())
        chosenFolder() = defaultFolder();
    return chosenFolder();
}

void WorkingFiles::setFolder(const QString& folder) {
    chosenFolder() = folder;
}
void WorkingFiles::resetFolder() {
    chosenFolder().clear();
}

QString WorkingFiles::temporaryCopy() {
    return inFolder("trash.bak");
}
QString WorkingFiles::closedMapList() {
    return inFolder("trash.vmc");
}
QString WorkingFiles::closedMapCopy() {
    return inFolder("trash.vmr");
}

void WorkingFiles::remove(const QString& path) {
    QFile::remove(path);
}

} // namespace vellum
