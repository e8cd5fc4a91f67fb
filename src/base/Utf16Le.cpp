#include "Utf16Le.h"

#include <QtEndian>

namespace Utf16Le {

QByteArray Encode(QStringView text)
{
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    char* out = bytes.data();
    for (QChar c : text) {
        qToLittleEndian<quint16>(c.unicode(), out);
        out += 2;
    }
    return bytes;
}

QString Decode(QByteArrayView bytes)
{
    const qsizetype units = bytes.size() / 2;
    QString text(units, Qt::Uninitialized);
    QChar* out = text.data();
    const char* in = bytes.data();
    for (qsizetype i = 0; i < units; ++i, in += 2)
        out[i] = QChar(qFromLittleEndian<quint16>(in));
    return text;
}

} // namespace Utf16Le
