#pragma once

#include <QRect>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// Controls placed at fixed pixel positions, named as the windows name them.
namespace vellum::controls {

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y);
QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry);
QLineEdit* textBox(QWidget* parent, const char* name, const QRect& geometry);
// Multi-line text box with a vertical scroll bar.
QPlainTextEdit* memo(QWidget* parent, const char* name, const QRect& geometry);
QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry);
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry);
// A frame without caption that fills its window.
QGroupBox* groupBox(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry);

} // namespace vellum::controls
