#pragma once
#include <string>
#include <string_view>

// Code page 936 (Simplified Chinese, GBK) as the platform converts it.
namespace platform {

// One UTF-16 code unit per character; a byte that starts no character of the
// code page decodes to U+FFFD and the next byte starts afresh.
std::u16string DecodeCp936(std::string_view bytes);
// Each UTF-16 code unit that the code page cannot encode (a surrogate among
// them) becomes "?".
std::string EncodeCp936(std::u16string_view text);

} // namespace platform
