#include "TextCodec936Platform.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace {

// iconv descriptors keep state and are not safe to share between threads.
class Converter
{
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (cd_ != iconv_t(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; an unconvertible input unit is replaced by
    // `replacement` and skipped by `skip` bytes.
    std::string run(std::string_view in, std::string_view replacement, size_t skip)
    {
        std::string out;
        if (cd_ == iconv_t(-1))
            return out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        std::vector<char> buf(srcLeft * 4 + 16);
        while (srcLeft > 0) {
            char* dst = buf.data();
            size_t dstLeft = buf.size();
            const size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buf.data(), size_t(dst - buf.data()));
            if (r == size_t(-1)) {
                if (errno == E2BIG)
                    continue;
                // EILSEQ or EINVAL: replace one unit and go on.
                out.append(replacement);
                const size_t n = std::min(skip, srcLeft);
                src += n;
                srcLeft -= n;
            }
        }
        return out;
    }

private:
    iconv_t cd_;
};

} // namespace

namespace platform {

std::u16string DecodeCp936(std::string_view bytes)
{
    thread_local Converter conv("UTF-16LE", "CP936");
    const std::string utf16 = conv.run(bytes, std::string_view("\xFD\xFF", 2), 1);
    std::u16string text(utf16.size() / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = char16_t(uint8_t(utf16[2 * i]) | uint8_t(utf16[2 * i + 1]) << 8);
    return text;
}

std::string EncodeCp936(std::u16string_view text)
{
    thread_local Converter conv("CP936", "UTF-16LE");
    std::string utf16(text.size() * 2, '\0');
    for (size_t i = 0; i < text.size(); ++i) {
        utf16[2 * i] = char(text[i] & 0xFF);
        utf16[2 * i + 1] = char(text[i] >> 8);
    }
    return conv.run(utf16, "?", 2);
}

} // namespace platform
