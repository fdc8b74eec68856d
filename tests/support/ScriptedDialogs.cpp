#include "ScriptedDialogs.h"

#include <QWidget>
#include <algorithm>

using namespace vellum;

namespace {
template <class T> std::optional<T> take(QQueue<std::optional<T>>& queue) {
    return queue.isEmpty() ? std::nullopt : queue.dequeue();
}
} // namespace

QList<ScriptedDialogs::Call> ScriptedDialogs::callsOf(Kind kind) const {
    QList<Call> result;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(result),
                 [kind](const Call& c) { return c.kind == kind; });
    return result;
}

QStringList ScriptedDialogs::messageTexts() const {
    QStringList texts;
    for (const Call& c : callsOf(Kind::Message))
        texts << c.message.text;
    return texts;
}

MsgResult ScriptedDialogs::message(const MessageRequest& request) {
    calls.append({Kind::Message, request, {}, {}, {}, nullptr, {}, nullptr});
    return messageAnswers.isEmpty() ? request.defaultButton : messageAnswers.dequeue();
}

std::optional<QString> ScriptedDialogs::openFileName(const FileRequest& request) {
    calls.append({Kind::OpenFile, {}, request, {}, {}, nullptr, {}, nullptr});
    return take(fileAnswers);
}

std::optional<QString> ScriptedDialogs::saveFileName(const FileRequest& request) {
    calls.append({Kind::SaveFile, {}, request, {}, {}, nullptr, {}, nullptr});
    return take(fileAnswers);
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor& initial) {
    calls.append({Kind::Color, {}, {}, initial, {}, nullptr, {}, nullptr});
    return take(colorAnswers);
}

std::optional<int> ScriptedDialogs::choosePrintCopies(int copies) {
    calls.append({Kind::Print, {}, {}, {}, QString::number(copies), nullptr, {}, nullptr});
    return take(printAnswers);
}

QString ScriptedDialogs::checkSpelling(const QString& text) {
    calls.append({Kind::Spelling, {}, {}, {}, text, nullptr, {}, nullptr});
    return speller ? speller(text) : text;
}

void ScriptedDialogs::popupMenu(QMenu* menu, const QPoint& globalPos) {
    calls.append({Kind::Popup, {}, {}, {}, {}, menu, globalPos, nullptr});
    if (onPopup)
        onPopup();
}

void ScriptedDialogs::showModal(QWidget* window) {
    calls.append({Kind::Modal, {}, {}, {}, {}, nullptr, {}, window});
    window->show();
}
