#include "PackedPassword.h"

namespace PackedPassword {

QByteArray Pack(const QString& text)
{
    int digits[8] = {};
    const QString tail = text.right(8);
    const int offset = 8 - int(tail.size());
    for (int i = 0; i < tail.size(); ++i)
        digits[offset + i] = int(tail[i].unicode()) - int(u'0');
    QByteArray out(4, '\0');
    for (int k = 0; k < 4; ++k)
        out[k] = char((digits[2 * k] * 16 + digits[2 * k + 1]) & 0xFF);
    return out;
}

QString Unpack(const QByteArray& packed4)
{
    QString out;
    for (int k = 0; k < 4; ++k) {
        const uint8_t b = k < packed4.size() ? uint8_t(packed4[k]) : 0;
        out += QString::number(b >> 4) + QString::number(b & 0x0F);
    }
    return out;
}

QByteArray Zero()
{
    return QByteArray(4, '\0');
}

} // namespace PackedPassword
