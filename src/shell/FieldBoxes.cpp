#include "shell/FieldBoxes.h"

#include "document/FieldText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace vellum::fieldboxes {

void guard(QLineEdit* box) {
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
        const QString clean = FieldText::sanitized(text);
        if (clean == text)
            return;
        const int cursor = box->cursorPosition();
        box->setText(clean);
        box->setCursorPosition(qMin(cursor, int(clean.size())));
    });
}

namespace {
// The multi-line box's own text: line breaks are paragraph separators and
// stay; everything else is cleaned as a field's text is.
QString cleanedMemoText(const QString& typed) {
    QString fixed;
    fixed.reserve(typed.size());
    for (const QChar c : typed) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            fixed += c;
        else if (c.isLowSurrogate())
            continue;
        else if (c.isHighSurrogate())
            fixed += QLatin1Char('?');
        else
            fixed += FieldText::sanitized(QStringView(&c, 1));
    }
    return fixed;
}
} // namespace

void guard(QPlainTextEdit* box) {
    QTextDocument* doc = box->document();
    QObject::connect(doc, &QTextDocument::contentsChange, box, [doc](int position, int, int added) {
        if (added <= 0)
            return;
        QTextCursor range(doc);
        range.setPosition(position);
        range.setPosition(qMin(position + added, doc->characterCount() - 1),
                          QTextCursor::KeepAnchor);
        const QString typed = range.selectedText();
        const QString fixed = cleanedMemoText(typed);
        if (fixed != typed)
            range.insertText(fixed);
    });
}

QString text(const QPlainTextEdit* box) {
    QString plain = box->toPlainText();
    plain.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return plain;
}

void setText(QPlainTextEdit* box, const QString& fieldText) {
    QString plain = fieldText;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box->setPlainText(plain);
}

} // namespace vellum::fieldboxes
