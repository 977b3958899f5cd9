// Character-based text helpers. Names and messages are UTF-8; every rule that looks at
// "the first two characters" of a name counts code points, never bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vk2 {

// Number of characters (code points).
std::size_t Len(std::string_view s);
// The first n characters.
std::string Left(std::string_view s, std::size_t n);
// The last n characters.
std::string Right(std::string_view s, std::size_t n);
// n characters starting at character `start` (1-based, as the rules count); the rest when n is omitted.
std::string Mid(std::string_view s, std::size_t start, std::size_t n = std::string::npos);

// A number as written into a message: a leading blank when it is 0 or more, a minus sign otherwise.
std::string Str(std::int64_t n);
// A number as written into a box or a sheet: plain decimal.
std::string Num(std::int64_t n);

bool StartsWith(std::string_view s, std::string_view prefix);
bool EndsWith(std::string_view s, std::string_view suffix);

inline constexpr std::string_view kCrLf = "\r\n";
// The full-width space that pads names and sheet columns.
inline constexpr std::string_view kWideSpace = "\u3000";

} // namespace vk2
