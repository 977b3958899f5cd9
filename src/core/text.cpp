#include "core/text.h"

namespace vk2 {
namespace {

bool IsContinuationByte(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Byte offset of character `index` (0-based); s.size() when the text is shorter.
std::size_t ByteOffset(std::string_view s, std::size_t index) {
    std::size_t pos = 0;
    while (index > 0 && pos < s.size()) {
        ++pos;
        while (pos < s.size() && IsContinuationByte(static_cast<unsigned char>(s[pos]))) ++pos;
        --index;
    }
    return pos;
}

} // namespace

std::size_t Len(std::string_view s) {
    std::size_t n = 0;
    for (char c : s)
        if (!IsContinuationByte(static_cast<unsigned char>(c))) ++n;
    return n;
}

std::string Left(std::string_view s, std::size_t n) {
    return std::string(s.substr(0, ByteOffset(s, n)));
}

std::string Right(std::string_view s, std::size_t n) {
    const std::size_t len = Len(s);
    if (n >= len) return std::string(s);
    return std::string(s.substr(ByteOffset(s, len - n)));
}

std::string Mid(std::string_view s, std::size_t start, std::size_t n) {
    if (start < 1) start = 1;
    const std::size_t from = ByteOffset(s, start - 1);
    if (n == std::string::npos) return std::string(s.substr(from));
    const std::string_view rest = s.substr(from);
    return std::string(rest.substr(0, ByteOffset(rest, n)));
}

std::string Str(std::int64_t n) {
    return n >= 0 ? " " + std::to_string(n) : std::to_string(n);
}

std::string Num(std::int64_t n) {
    return std::to_string(n);
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

} // namespace vk2
