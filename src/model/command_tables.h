// The command-acquisition tables: which picture gives a fighter which command, and at what MP
// cost code. One table serves every element; each element has its own table on top of it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/digit_code.h"

namespace vk2 {

// What an acquisition condition may look at. The names are the ones the conditions are written
// in: D the digit code, R G B the colour sums, L the level, E the element, M the base MP.
struct AcquisitionInputs {
    const std::string& D;
    int R;
    int G;
    int B;
    int L;
    int E;
    int M;

    int d(int p, int n) const { return DigitAt(D, p, n); }
};

using AcquisitionCondition = bool (*)(const AcquisitionInputs&);

// Commands acquired without a cost carry cost code 0.
inline constexpr std::int32_t kNoCost = 0;

struct CommandRow {
    std::string_view name;
    std::int32_t cost;
    AcquisitionCondition holds;
};

// A table is visited for fighters of its element; kAnyElement marks the one visited for all.
inline constexpr int kAnyElement = -1;

struct CommandTable {
    int element;
    std::span<const CommandRow> rows;
};

// Every table in the order a fighter goes through them: the common table, then elements 0-9.
std::span<const CommandTable> AcquisitionTables();

// Whether a fighter of this element goes through the table; the staff of all commands opens
// every table.
inline bool TableApplies(const CommandTable& table, int element, bool staff) {
    return staff || table.element == kAnyElement || table.element == element;
}

} // namespace vk2
