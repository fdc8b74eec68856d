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

// A label sized to its text; `buddy` is the control it names.
QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y,
              QWidget* buddy = nullptr);
QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry);
QLineEdit* textBox(QWidget* parent, const char* name, const QRect& geometry);
// Multi-line text box with a vertical scroll bar.
QPlainTextEdit* memo(QWidget* parent, const char* name, const QRect& geometry);
QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry);
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry);
QGroupBox* groupBox(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry);
// A frame without caption or border that fills its window.
QGroupBox* borderlessFrame(QWidget* parent, const char* name, const QRect& geometry);

} // namespace vellum::controls
