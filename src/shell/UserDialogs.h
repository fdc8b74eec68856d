#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <optional>

class QMenu;
class QWidget;

namespace vellum {

enum class MsgButtons { OK, YesNo, YesNoCancel, OKCancel };
enum class MsgResult { OK, Yes, No, Cancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };

struct MessageRequest {
    QString text;
    QString title; // empty: the program's title
    MsgButtons buttons = MsgButtons::OK;
    MsgResult defaultButton = MsgResult::OK;
    MsgIcon icon = MsgIcon::None;
};

// A file dialog as the windows describe it. The filter is in the
// "Description|pattern|Description|pattern" form the windows quote.
struct FileRequest {
    QString filter;
    QString fileName; // proposed name (save) or starting name
    int filterIndex = 1;
    bool confirmOverwrite = false;
};

// Every modal interaction of the program goes through this interface, so that
// tests can answer it. Windows never call a Qt dialog directly.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    virtual MsgResult message(const MessageRequest& request) = 0;
    virtual std::optional<QString> openFileName(const FileRequest& request) = 0;
    virtual std::optional<QString> saveFileName(const FileRequest& request) = 0;
    // Opens on `initial`; nothing when cancelled.
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
    // The print dialog: the number of copies chosen, nothing when cancelled.
    virtual std::optional<int> choosePrintCopies(int copies) = 0;
    // The spelling dialog over one text: the corrected text (the text itself
    // when the user closes the dialog early).
    virtual QString checkSpelling(const QString& text) = 0;
    // Pops up a menu at a screen position and returns when it has closed.
    virtual void popupMenu(QMenu* menu, const QPoint& globalPos) = 0;
    // Shows one of our own windows modally and returns when it has gone.
    virtual void showModal(QWidget* window) = 0;
};

UserDialogs& dialogs();
// Installs another implementation (tests); nullptr restores the real one.
void setDialogs(UserDialogs* implementation);

// Shorthand for the common message boxes.
MsgResult msgBox(const QString& text, const QString& title = {},
                 MsgButtons buttons = MsgButtons::OK, MsgResult defaultButton = MsgResult::OK,
                 MsgIcon icon = MsgIcon::None);

} // namespace vellum
