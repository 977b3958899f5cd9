#include "core/random.h"

#include <stdexcept>

namespace vk2 {

float SeededRandom::next() {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    // 24 random bits give every float in [0, 1) with the spacing of single precision.
    return static_cast<float>(z >> 40) / 16777216.0f;
}

float ScriptedRandom::next() {
    if (values_.empty()) throw std::logic_error("scripted random source ran out of values");
    const float u = values_.front();
    values_.pop_front();
    return u;
}

} // namespace vk2
