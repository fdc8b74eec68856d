#include "shell/WidgetDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

namespace vellum {

namespace {

QWidget* dialogParent() {
    return QApplication::activeWindow();
}

QMessageBox::StandardButton standardButton(MsgResult result) {
    switch (result) {
    case MsgResult::Yes:
        return QMessageBox::Yes;
    case MsgResult::No:
        return QMessageBox::No;
    case MsgResult::Cancel:
        return QMessageBox::Cancel;
    case MsgResult::OK:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons standardButtons(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::OKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::OK:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon standardIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QFileDialog* makeFileDialog(const FileRequest& request) {
    auto* dialog = new QFileDialog(dialogParent());
    const QStringList filters = WidgetDialogs::qtFilters(request.filter);
    dialog->setNameFilters(filters);
    // Our filter indexes count from 1 and may point past the list; the first
    // filter is then the sensible default.
    const int index = request.filterIndex - 1;
    if (index >= 0 && index < filters.size())
        dialog->selectNameFilter(filters.at(index));
    if (!request.fileName.isEmpty())
        dialog->selectFile(request.fileName);
    return dialog;
}

std::optional<QString> runFileDialog(QFileDialog* dialog) {
    std::optional<QString> result;
    if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty())
        result = dialog->selectedFiles().constFirst();
    delete dialog;
    return result;
}

} // namespace

QStringList WidgetDialogs::qtFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i < parts.size(); i += 2) {
        const QString description = parts.at(i);
        const QString pattern = i + 1 < parts.size() ? parts.at(i + 1) : description;
        const QString qtPattern = pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
        if (description.contains(QLatin1Char('(')))
            result << description;
        else
            result << description + QStringLiteral(" (") + qtPattern + QLatin1Char(')');
    }
    return result;
}

MsgResult WidgetDialogs::message(const MessageRequest& request) {
    QMessageBox box(standardIcon(request.icon),
                    request.title.isEmpty() ? QApplication::applicationName() : request.title,
                    request.text, standardButtons(request.buttons), dialogParent());
    box.setDefaultButton(standardButton(request.defaultButton));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Cancel:
        return MsgResult::Cancel;
    default:
        return MsgResult::OK;
    }
}

std::optional<QString> WidgetDialogs::openFileName(const FileRequest& request) {
    QFileDialog* dialog = makeFileDialog(request);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

std::optional<QString> WidgetDialogs::saveFileName(const FileRequest& request) {
    QFileDialog* dialog = makeFileDialog(request);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    return runFileDialog(dialog);
}

std::optional<QColor> WidgetDialogs::chooseColor(const QColor& initial) {
    const QColor chosen =
        QColorDialog::getColor(initial.isValid() ? initial : m_lastColor, dialogParent());
    if (!chosen.isValid())
        return std::nullopt;
    m_lastColor = chosen;
    return chosen;
}

std::optional<int> WidgetDialogs::choosePrintCopies(int copies) {
    QPrinter printer;
    printer.setCopyCount(copies);
    QPrintDialog dialog(&printer, dialogParent());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return printer.copyCount();
}

QString WidgetDialogs::checkSpelling(const QString& text) {
    return text;
}

void WidgetDialogs::popupMenu(QMenu* menu, const QPoint& globalPos) {
    if (menu)
        menu->exec(globalPos);
}

void WidgetDialogs::showModal(QWidget* window) {
    QPointer<QWidget> guard(window);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    // Until the window unloads (it is then hidden, and deleted later).
    while (guard && guard->isVisible())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// --- the installed implementation -----------------------------------------

namespace {
UserDialogs*& installed() {
    static UserDialogs* current = nullptr;
    return current;
}
} // namespace

UserDialogs& dialogs() {
    static WidgetDialogs real;
    return installed() ? *installed() : real;
}

void setDialogs(UserDialogs* implementation) {
    installed() = implementation;
}

MsgResult msgBox(const QString& text, const QString& title, MsgButtons buttons,
                 MsgResult defaultButton, MsgIcon icon) {
    return dialogs().message({text, title, buttons, defaultButton, icon});
}

} // namespace vellum
