#include "ImageCursor.h"

#include <algorithm>

CImageCursor::CImageCursor(const QByteArray& bytes, qsizetype begin, qsizetype end)
    : m_data(reinterpret_cast<const std::uint8_t*>(bytes.constData()))
{
    // Clamp the stretch into the array so that no caller can widen it.
    m_end = std::clamp<qsizetype>(end, 0, bytes.size());
    m_begin = std::clamp<qsizetype>(begin, 0, m_end);
    m_pos = m_begin;
}

bool CImageCursor::Seek(qint64 pos)
{
    if (pos < m_begin || pos > m_end)
        return false;
    m_pos = qsizetype(pos);
    return true;
}

bool CImageCursor::Skip(qint64 count)
{
    if (!Has(count)) {
        if (!Overrun())
            m_overrunAt = m_pos;
        return false;
    }
    m_pos += qsizetype(count);
    return true;
}

std::uint32_t CImageCursor::Take(int count)
{
    if (!Has(count)) {
        if (!Overrun())
            m_overrunAt = m_pos;
        return 0;
    }
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = value << 8 | m_data[m_pos + i];
    m_pos += count;
    return value;
}

std::uint8_t CImageCursor::U8()
{
    return std::uint8_t(Take(1));
}

std::uint16_t CImageCursor::U16()
{
    return std::uint16_t(Take(2));
}

std::uint32_t CImageCursor::U24()
{
    return Take(3);
}

std::uint32_t CImageCursor::U32()
{
    return Take(4);
}
