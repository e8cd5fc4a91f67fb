#include "FuzzBytes.h"

QString CFuzzBytes::Text(int maxLength)
{
    static const char16_t kOthers[] = {u'\u4E2D', u'\u6587',        u'\u5B57', u'\u00E9',
                                       u'\u00B0', u'\u3000',        u'\uFF21', u'\u0416',
                                       u'\u2603', char16_t(0xD83D), u'\u0000', u'\t'};
    const int length = Below(maxLength + 1);
    QString text;
    for (int i = 0; i < length; ++i) {
        const std::uint8_t b = U8();
        if (b < 0xE0)
            text.append(QChar(char16_t(0x20 + b % 0x5F)));
        else
            text.append(QChar(kOthers[(b - 0xE0) % std::size(kOthers)]));
    }
    return text;
}
