#pragma once

#include "shell/UserDialogs.h"

#include <QList>
#include <QQueue>
#include <functional>

class QMenu;

// A dialog service for tests: records every call and answers from queues.
// An empty queue gives the cancel answer (or a message box's default button).
class ScriptedDialogs : public vellum::UserDialogs {
public:
    enum class Kind { Message, OpenFile, SaveFile, Color, Print, Spelling, Popup, Modal };

    struct Call {
        Kind kind;
        vellum::MessageRequest message;
        vellum::FileRequest file;
        QColor color;
        QString text;
        QMenu* menu = nullptr;
        QPoint position;
        QWidget* window = nullptr;
    };

    QList<Call> calls;
    QQueue<vellum::MsgResult> messageAnswers;
    QQueue<std::optional<QString>> fileAnswers;
    QQueue<std::optional<QColor>> colorAnswers;
    QQueue<std::optional<int>> printAnswers;
    std::function<QString(const QString&)> speller; // default: text unchanged
    std::function<void()> onPopup;                  // runs while a pop-up menu is "open"

    QList<Call> callsOf(Kind kind) const;
    // Texts of the message boxes shown, in order.
    QStringList messageTexts() const;
    void clear() { calls.clear(); }

    vellum::MsgResult message(const vellum::MessageRequest& request) override;
    std::optional<QString> openFileName(const vellum::FileRequest& request) override;
    std::optional<QString> saveFileName(const vellum::FileRequest& request) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    std::optional<int> choosePrintCopies(int copies) override;
    QString checkSpelling(const QString& text) override;
    void popupMenu(QMenu* menu, const QPoint& globalPos) override;
    void showModal(QWidget* window) override;
};
