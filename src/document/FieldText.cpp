#include "document/FieldText.h"

#include "document/Cp1252.h"

namespace vellum {

QString FieldText::sanitized(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"') {
            out.append(u'\'');
        } else if (Cp1252::canEncode(c.unicode())) {
            out.append(c);
        } else {
            if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            out.append(u'?');
        }
    }
    return out;
}

QByteArray FieldText::bytes(QStringView text) {
    QByteArray b = Cp1252::encode(text);
    if (b.contains('"'))
        b.replace('"', '\'');
    return b;
}

} // namespace vellum
