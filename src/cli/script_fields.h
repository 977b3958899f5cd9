// The numeric fields of the fighter table by their names, for scripts that set and print them.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/fighter_table.h"

namespace vk2::cli {

struct NumericField {
    std::string_view name;
    std::int64_t (*get)(const FighterTable&, SlotIndex);
    void (*set)(FighterTable&, SlotIndex, std::int64_t); // the value fits the field's range
    std::int64_t min;
    std::int64_t max;
    int slots; // 7 when the preview slot has the field, 6 for battle-only fields
};

// The field called `name`, or nullptr.
const NumericField* FindNumericField(std::string_view name);

// A per-slot array of bytes, written in scripts as NAME[K]: proficiency, affinity, weaponElements.
struct ByteArrayField {
    std::string_view name;
    std::uint8_t* (*values)(FighterTable&, SlotIndex);
    int size;
};

// The array field called `name`, or nullptr.
const ByteArrayField* FindByteArrayField(std::string_view name);

} // namespace vk2::cli
