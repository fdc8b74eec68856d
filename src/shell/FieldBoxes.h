#pragma once

#include <QString>

class QLineEdit;
class QPlainTextEdit;

// Text boxes whose text reaches the scenario file: a double quote becomes an
// apostrophe and a character the file's code page cannot hold becomes '?',
// as the text enters the box (typing, pasting, or a program's write).
namespace vellum::fieldboxes {

void guard(QLineEdit* box);
void guard(QPlainTextEdit* box);

// Multi-line boxes keep their line breaks as CR LF in the file.
QString text(const QPlainTextEdit* box);
void setText(QPlainTextEdit* box, const QString& fieldText);

} // namespace vellum::fieldboxes
