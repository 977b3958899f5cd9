// The arithmetic of the rules, kept in one place: floor, banker's rounding when a real is
// stored into a whole-number field, a mod that keeps the dividend's sign, and the byte and
// 16-bit fields the fighter table is made of. Real formulas are evaluated in double precision
// in the order they are written (the core is built with -ffp-contract=off so no multiply-add
// fusing changes a result).
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace vk2 {

// Int(x): the floor of x, as a whole number.
inline std::int64_t Int(double x) {
    return static_cast<std::int64_t>(std::floor(x));
}

// A real stored into a whole-number field: nearest integer, halves to even.
inline std::int64_t RoundHalfEven(double x) {
    return static_cast<std::int64_t>(std::nearbyint(x));
}

// a mod m with the sign of the dividend (m > 0).
inline std::int64_t Mod(std::int64_t a, std::int64_t m) {
    return a % m;
}

// a mod m in 0..m-1, for the rules that ask for the non-negative remainder (m > 0).
inline std::int64_t ModPositive(std::int64_t a, std::int64_t m) {
    const std::int64_t r = a % m;
    return r < 0 ? r + m : r;
}

inline std::int64_t Abs(std::int64_t a) {
    return a < 0 ? -a : a;
}

// Storing into a byte field: values outside 0..255 saturate instead of wrapping, so a rule
// that pushes a counter or a bonus past a byte never turns it into a small number.
inline std::uint8_t ToByte(std::int64_t v) {
    return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// Storing into a 16-bit signed field, saturating at its range.
inline std::int16_t ToInt16(std::int64_t v) {
    constexpr std::int64_t lo = std::numeric_limits<std::int16_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(v < lo ? lo : (v > hi ? hi : v));
}

// Storing into a 32-bit signed field, saturating at its range.
inline std::int32_t ToInt32(std::int64_t v) {
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(v < lo ? lo : (v > hi ? hi : v));
}

} // namespace vk2
