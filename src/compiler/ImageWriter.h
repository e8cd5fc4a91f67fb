#pragma once
#include <QByteArray>
#include <QtGlobal>

// Appends big-endian fields to an image buffer. 16-bit and 24-bit fields take
// the low bits of their value; the compiler never checks that a value fits.
class CImageWriter
{
public:
    explicit CImageWriter(QByteArray& buffer) : buf_(buffer) {}

    void U8(quint32 v) { buf_.append(char(v & 0xFF)); }
    void U16(quint32 v)
    {
        U8(v >> 8);
        U8(v);
    }
    void U24(quint32 v)
    {
        U8(v >> 16);
        U16(v);
    }
    void U32(quint32 v)
    {
        U16(v >> 16);
        U16(v);
    }
    void Bytes(const QByteArray& bytes) { buf_.append(bytes); }
    void Zeros(qsizetype n) { buf_.append(n, '\0'); }
    // Zero bytes up to (not including) offset `end` of the buffer.
    void PadTo(qsizetype end)
    {
        if (buf_.size() < end)
            Zeros(end - buf_.size());
    }
    qsizetype Size() const { return buf_.size(); }

private:
    QByteArray& buf_;
};

// The 16-byte image header that opens the screen, alarm, font, bitmap and
// communication images: the image type byte, then the image's own fields.
namespace ImageType {
inline constexpr int kProjectHeader = 0;
inline constexpr int kScreen = 1;
inline constexpr int kAlarm = 2;
inline constexpr int kFont = 3;
inline constexpr int kBitmap = 4;
inline constexpr int kCommunication = 5;
inline constexpr int kHeaderSize = 16;
} // namespace ImageType
