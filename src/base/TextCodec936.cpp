#include "TextCodec936.h"

#include "platform/TextCodec936Platform.h"

#include <string_view>

namespace TextCodec936 {

QByteArray Encode(const QString& text)
{
    const std::string bytes = platform::EncodeCp936(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())));
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

QString Decode(const QByteArray& bytes)
{
    const std::u16string text =
        platform::DecodeCp936(std::string_view(bytes.constData(), size_t(bytes.size())));
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

int EncodedLength(char32_t ch)
{
    if (ch < 0x80 || ch > 0xFFFF)
        return 1;
    const char16_t unit = char16_t(ch);
    return platform::EncodeCp936(std::u16string_view(&unit, 1)).size() == 2 ? 2 : 1;
}

} // namespace TextCodec936
