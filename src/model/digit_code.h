// The 16-digit code every derivation of a fighter reads.
#pragma once

#include <string>

namespace vk2 {

// d(p, n): the number formed by n digits of the code starting at digit p (1-based).
// Digits beyond the end of a shorter code (only possible for a hand-made fighter) read as 0.
inline int DigitAt(const std::string& code, int p, int n) {
    int value = 0;
    for (int i = 0; i < n; ++i) {
        const std::size_t index = static_cast<std::size_t>(p - 1 + i);
        const char c = index < code.size() ? code[index] : '0';
        value = value * 10 + ((c >= '0' && c <= '9') ? c - '0' : 0);
    }
    return value;
}

} // namespace vk2
