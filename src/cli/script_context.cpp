#include "cli/script_context.h"

#include <charconv>

#include "core/text.h"
#include "files/entry.h"

namespace vk2::cli {

std::int64_t ParseInteger(const std::string& word, std::int64_t lo, std::int64_t hi, std::string_view what) {
    std::int64_t value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, problem] = std::from_chars(word.data(), end, value);
    if (problem != std::errc() || stop != end)
        throw ScriptError{std::string(what) + " must be a whole number, not \"" + word + "\""};
    if (value < lo || value > hi)
        throw ScriptError{std::string(what) + " must be " + Num(lo) + " to " + Num(hi) + ", not " + word};
    return value;
}

double ParseReal(const std::string& word, std::string_view what) {
    double value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, problem] = std::from_chars(word.data(), end, value);
    if (problem != std::errc() || stop != end)
        throw ScriptError{std::string(what) + " must be a number, not \"" + word + "\""};
    return value;
}

SlotIndex ParseSlot(const std::string& word, SlotIndex last) {
    return static_cast<SlotIndex>(ParseInteger(word, 0, last, "slot"));
}

std::optional<int> ParseRow(const std::string& word) {
    if (word == "front") return kFrontRow;
    if (word == "back") return kBackRow;
    if (word == "auto") return std::nullopt;
    throw ScriptError{"row must be front, back or auto, not \"" + word + "\""};
}

void RequireWords(const Words& words, std::size_t min, std::size_t max, std::string_view usage) {
    if (words.size() < min || words.size() > max) throw ScriptError{"usage: " + std::string(usage)};
}

} // namespace vk2::cli
