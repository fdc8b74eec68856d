#include "canvas/LineWidth.h"

#include <QRegularExpression>

namespace vellum {

double leadingNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral(R"(^\s*([+-]?(\d+\.?\d*|\.\d+)))"));
    const QRegularExpressionMatch m = number.match(text);
    return m.hasMatch() ? m.captured(1).toDouble() : 0.0;
}

std::optional<int> wholeLineWidth(const QString& text) {
    static const QRegularExpression whole(QStringLiteral(R"(^\s*(\d{1,2})\s*$)"));
    const QRegularExpressionMatch m = whole.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int value = m.captured(1).toInt();
    if (value < 1 || value > 99)
        return std::nullopt;
    return value;
}

} // namespace vellum
