#pragma once

#include "ScriptedDialogs.h"

#include <QImage>
#include <QString>
#include <QTemporaryDir>

class MDIForm1;

// Everything a window test needs: a temporary working folder, the scripted
// dialogs, waits that do not wait, a program end that only records itself,
// and fresh state. The destructor destroys every window and resets it all.
class AppFixture {
public:
    AppFixture();
    ~AppFixture();
    AppFixture(const AppFixture&) = delete;
    AppFixture& operator=(const AppFixture&) = delete;

    // Loads and shows the main window (its load runs the spelling probe).
    MDIForm1* main();
    QString folder() const { return m_dir.path(); }
    QString path(const QString& name) const;

    ScriptedDialogs dialogs;
    bool programEnded = false;

private:
    QTemporaryDir m_dir;
};

class frmLayout;
// The open layout window of a map, or null.
frmLayout* layoutTitled(const QString& title);

// Lets queued handlers (window activation) run.
void settle();
QByteArray readAll(const QString& path);
void writeAll(const QString& path, const QByteArray& bytes);
