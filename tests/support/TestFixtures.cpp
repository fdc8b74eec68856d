#include "TestFixtures.h"

#include "annotations/SpellEngine.h"
#include "canvas/frmLayout.h"
#include "document/WorkingFiles.h"
#include "shell/AppState.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"
#include "shell/ProgramEnd.h"
#include "shell/Waits.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using namespace vellum;

AppFixture::AppFixture() {
    resetAppState();
    WorkingFiles::setFolder(m_dir.path());
    setDialogs(&dialogs);
    setWaitScale(0);
    setProgramEndHandler([this] { programEnded = true; });
}

AppFixture::~AppFixture() {
    Forms::destroyAll();
    settle();
    setDialogs(nullptr);
    setProgramEndHandler({});
    WorkingFiles::resetFolder();
    SpellEngine::resetSearchFolders();
    resetAppState();
}

MDIForm1* AppFixture::main() {
    MDIForm1* form = mainForm();
    form->Show();
    settle();
    return form;
}

QString AppFixture::path(const QString& name) const {
    return QDir(m_dir.path()).filePath(name);
}

frmLayout* layoutTitled(const QString& title) {
    for (const auto& w : app().layoutWindows)
        if (auto* l = qobject_cast<frmLayout*>(w.data());
            l && l->isLoaded() && l->caption() == title)
            return l;
    return nullptr;
}

void settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}
