#pragma once
#include <QByteArray>

#include <cstdint>

// Reads big-endian integers from one stretch [begin, end) of a byte array and
// never beyond it. Positions count from the array's first byte, so a reader
// can name where in the whole runtime image something went wrong. A read past
// the end returns 0, leaves the position where it was and marks the cursor as
// overrun; callers check Has() before a record and Overrun() as a safety net.
class CImageCursor
{
public:
    CImageCursor(const QByteArray& bytes, qsizetype begin, qsizetype end);

    qsizetype Pos() const { return m_pos; }
    qsizetype Begin() const { return m_begin; }
    qsizetype End() const { return m_end; }
    qsizetype Left() const { return m_end - m_pos; }
    bool Has(qint64 count) const { return count >= 0 && count <= Left(); }

    // Moves to `pos`; false (and no move) when it lies outside [begin, end].
    bool Seek(qint64 pos);
    bool Skip(qint64 count);

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U24();
    std::uint32_t U32();

    bool Overrun() const { return m_overrunAt >= 0; }
    qsizetype OverrunAt() const { return m_overrunAt; }

private:
    // The next `count` bytes as one big-endian number, or 0 past the end.
    std::uint32_t Take(int count);

    const std::uint8_t* m_data;
    qsizetype m_begin;
    qsizetype m_end;
    qsizetype m_pos;
    qsizetype m_overrunAt = -1;
};
