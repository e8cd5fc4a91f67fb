#include "TextCodec936Platform.h"

#include <windows.h>

namespace {

constexpr UINT kCodePage = 936;

// The code page's user-defined areas map to private-use characters on
// Windows; iconv knows no such characters. They are none here, so that both
// platforms read and write the same bytes.
bool isPrivateUse(wchar_t ch)
{
    return ch >= 0xE000 && ch <= 0xF8FF;
}

// The character of one or two bytes of the code page; 0 when they are none.
// A null byte decodes to itself, handled by the caller.
wchar_t decodeUnit(const char* bytes, int count)
{
    wchar_t out[2] = {};
    const int n = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes, count, out, 2);
    return n == 1 && !isPrivateUse(out[0]) ? out[0] : 0;
}

} // namespace

namespace platform {

std::u16string DecodeCp936(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            text.push_back(char16_t(lead));
            ++i;
            continue;
        }
        if (lead >= 0x81 && lead <= 0xFE && i + 1 < bytes.size()) {
            if (const wchar_t ch = decodeUnit(bytes.data() + i, 2)) {
                text.push_back(char16_t(ch));
                i += 2;
                continue;
            }
        }
        const wchar_t single = decodeUnit(bytes.data() + i, 1);
        text.push_back(single ? char16_t(single) : u'\uFFFD');
        ++i;
    }
    return text;
}

std::string EncodeCp936(std::u16string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        if (unit < 0x80) {
            bytes.push_back(char(unit));
            continue;
        }
        const wchar_t ch = wchar_t(unit);
        char out[4] = {};
        BOOL usedDefault = FALSE;
        const int n = (unit >= 0xD800 && unit <= 0xDFFF) || isPrivateUse(ch)
                          ? 0
                          : WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &ch, 1, out,
                                                int(sizeof out), nullptr, &usedDefault);
        if (n <= 0 || usedDefault)
            bytes.push_back('?');
        else
            bytes.append(out, size_t(n));
    }
    return bytes;
}

} // namespace platform
