#include "document/StoreResult.h"

#include <QDir>

namespace vellum {

namespace {

QString shown(const QString& file) {
    return QDir::toNativeSeparators(file);
}

} // namespace

StoreResult StoreResult::cannotOpen(const QString& file, const QString& reason) {
    return {Code::CannotOpen, file,
            QStringLiteral("Cannot open the file %1: %2").arg(shown(file), reason)};
}

StoreResult StoreResult::cannotWrite(const QString& file, const QString& reason) {
    return {Code::CannotWrite, file,
            QStringLiteral("Cannot write the file %1: %2").arg(shown(file), reason)};
}

StoreResult StoreResult::damaged(const QString& file, qint64 line, const QString& reason) {
    return {Code::Damaged, file,
            QStringLiteral("The file %1 is damaged at line %2: %3")
                .arg(shown(file), QString::number(line), reason),
            line};
}

StoreResult StoreResult::countFull(const QString& file, const QString& what) {
    return {
        Code::CountFull, file,
        QStringLiteral("This scenario already holds 32767 %1, the most it can hold.").arg(what)};
}

} // namespace vellum
