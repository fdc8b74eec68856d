#pragma once

#include "shell/UserDialogs.h"

#include <QStringList>

namespace vellum {

// The real dialogs: QMessageBox, QFileDialog, QColorDialog, QPrintDialog.
class WidgetDialogs : public UserDialogs {
public:
    MsgResult message(const MessageRequest& request) override;
    std::optional<QString> openFileName(const FileRequest& request) override;
    std::optional<QString> saveFileName(const FileRequest& request) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    std::optional<int> choosePrintCopies(int copies) override;
    QString checkSpelling(const QString& text) override;
    void popupMenu(QMenu* menu, const QPoint& globalPos) override;
    void showModal(QWidget* window) override;

    // "Desc|pattern|Desc|pattern" to Qt's name filters.
    static QStringList qtFilters(const QString& filter);

private:
    QColor m_lastColor = Qt::black;
};

} // namespace vellum
