// Script commands that write single values of the game: fields, boxes and counters.
#include <limits>

#include "battle/boxes.h"
#include "battle/stats.h"
#include "cli/script_context.h"
#include "cli/script_fields.h"
#include "core/text.h"

namespace vk2::cli {
namespace {

bool IsBox(const std::string& name) {
    return name == "hp" || name == "mp";
}

// Current HP and MP are the texts of their boxes, written with the boxes' own correction.
void SetBox(Script& script, SlotIndex slot, const std::string& name, const std::string& value) {
    const auto number = ParseInteger(value, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max(), name);
    (name == "hp" ? SetHp : SetMp)(script.game, slot, static_cast<double>(number));
}

} // namespace

void SetCommand(Script& script, const Words& words) {
    RequireWords(words, 3, 3, "set SLOT FIELD VALUE");
    const std::string& name = words[1];
    if (IsBox(name)) return SetBox(script, ParseSlot(words[0], kLastBattleSlot), name, words[2]);
    if (const std::size_t open = name.find('['); open != std::string::npos && name.back() == ']') {
        const ByteArrayField* array = FindByteArrayField(name.substr(0, open));
        if (array == nullptr) throw ScriptError{"unknown field " + name};
        std::uint8_t* values = array->values(script.game.f, ParseSlot(words[0], kPreviewSlot));
        const auto k =
            ParseInteger(name.substr(open + 1, name.size() - open - 2), 0, array->size - 1, "index");
        values[k] = static_cast<std::uint8_t>(ParseInteger(words[2], 0, 255, name));
        return;
    }
    const NumericField* field = FindNumericField(name);
    if (field == nullptr) throw ScriptError{"unknown field " + name};
    const SlotIndex slot = ParseSlot(words[0], field->slots - 1);
    field->set(script.game.f, slot, ParseInteger(words[2], field->min, field->max, name));
}

void CounterCommand(Script& script, const Words& words) {
    RequireWords(words, 3, 3, "counter SLOT K VALUE");
    const SlotIndex slot = ParseSlot(words[0], kLastBattleSlot);
    const auto k = static_cast<int>(ParseInteger(words[1], 0, kCounters - 1, "counter"));
    script.game.f.counter(slot, k) =
        static_cast<std::uint8_t>(ParseInteger(words[2], 0, 255, "counter value"));
}

void RecomputeCommand(Script& script, const Words& words) {
    RequireWords(words, 1, 1, "recompute SLOT");
    RecomputeStats(script.game, ParseSlot(words[0], kPreviewSlot));
}

} // namespace vk2::cli
