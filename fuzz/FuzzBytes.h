#pragma once
#include <QString>

#include <cstddef>
#include <cstdint>

// The fuzzer's bytes taken in order as numbers, flags and short texts; past
// their end every number is 0, so any input makes some project.
class CFuzzBytes
{
public:
    CFuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t U8() { return at_ < size_ ? data_[at_++] : 0; }
    std::uint16_t U16() { return std::uint16_t(U8() | U8() << 8); }
    std::uint32_t U32() { return std::uint32_t(U16()) | std::uint32_t(U16()) << 16; }
    // A value below n (n > 0).
    int Below(int n) { return int(U16() % unsigned(n)); }
    bool Flag() { return U8() & 1; }
    // Any int: mostly small, sometimes a whole 32-bit pattern.
    int Int() { return (U8() & 0x80) ? int(U32()) : int(U8()) - 16; }
    // Up to maxLength characters from the panel's kinds of text: ASCII,
    // Latin-1, CJK and a few that are neither.
    QString Text(int maxLength);
    bool AtEnd() const { return at_ >= size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};
