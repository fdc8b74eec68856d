#pragma once

#include "document/WorkingFiles.h"
#include "shell/AppState.h"

#include <QDir>
#include <QTemporaryDir>

// A fresh state and a working folder of its own for one storage test.
class StoreFixture {
public:
    StoreFixture() {
        vellum::resetAppState();
        vellum::WorkingFiles::setFolder(m_dir.path());
    }
    ~StoreFixture() {
        vellum::WorkingFiles::resetFolder();
        vellum::resetAppState();
    }
    StoreFixture(const StoreFixture&) = delete;
    StoreFixture& operator=(const StoreFixture&) = delete;

    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
