#include "TextCodec936.h"

#include <iconv.h>

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
    bool valid() const { return cd_ != iconv_t(-1); }
    // Converts as much as it can; an unconvertible input unit is replaced by
    // `replacement` and skipped by `skip` bytes.
    QByteArray run(const QByteArray& in, const QByteArray& replacement, size_t skip)
    {
        QByteArray out;
        if (!valid())
            return out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.constData());
        size_t srcLeft = size_t(in.size());
        std::vector<char> buf(srcLeft * 4 + 16);
        while (srcLeft > 0) {
            char* dst = buf.data();
            size_t dstLeft = buf.size();
            size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buf.data(), qsizetype(dst - buf.data()));
            if (r == size_t(-1)) {
                if (errno == E2BIG)
                    continue;
                // EILSEQ or EINVAL: replace one unit and go on.
                out.append(replacement);
                size_t n = std::min(skip, srcLeft);
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

namespace TextCodec936 {

QByteArray Encode(const QString& text)
{
    thread_local Converter conv("CP936", "UTF-16LE");
    QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return conv.run(utf16, QByteArray("?"), 2);
}

QString Decode(const QByteArray& bytes)
{
    thread_local Converter conv("UTF-16LE", "CP936");
    QByteArray utf16 = conv.run(bytes, QByteArray("\xFD\xFF", 2), 1);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(utf16.constData()),
                              utf16.size() / 2);
}

int EncodedLength(char32_t ch)
{
    if (ch < 0x80)
        return 1;
    thread_local Converter conv("CP936", "UTF-32LE");
    QByteArray in(4, 0);
    for (int i = 0; i < 4; ++i)
        in[i] = char((ch >> (8 * i)) & 0xFF);
    QByteArray out = conv.run(in, QByteArray(), 4);
    return out.size() == 2 ? 2 : 1;
}

} // namespace TextCodec936
