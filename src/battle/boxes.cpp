#include "battle/boxes.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "core/numbers.h"
#include "core/text.h"
#include "model/game.h"

namespace vk2 {
namespace {

// Clamping the real before flooring keeps the conversion to a whole number defined for any
// value a formula produces.
void WriteCorrected(TextBox& box, double value, std::int64_t maximum) {
    const double highest = static_cast<double>(std::max<std::int64_t>(maximum, 0));
    box.text = Num(Int(std::clamp(value, 0.0, highest)));
}

} // namespace

std::int64_t BoxValue(const TextBox& box) {
    constexpr double kLimit = 1e15; // far beyond any HP or MP, well inside a whole number
    const std::string_view text = box.text;
    const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
    double value = 0;
    std::from_chars(text.data() + start, text.data() + text.size(), value);
    return Int(std::clamp(value, -kLimit, kLimit));
}

std::int64_t HpOf(const Game& game, SlotIndex slot) {
    return BoxValue(game.form.HP[static_cast<std::size_t>(slot)]);
}

std::int64_t MpOf(const Game& game, SlotIndex slot) {
    return BoxValue(game.form.MP[static_cast<std::size_t>(slot)]);
}

void SetHp(Game& game, SlotIndex slot, double value) {
    const auto s = static_cast<std::size_t>(slot);
    WriteCorrected(game.form.HP[s], value, game.f.maxHp[s]);
}

void SetMp(Game& game, SlotIndex slot, double value) {
    const auto s = static_cast<std::size_t>(slot);
    WriteCorrected(game.form.MP[s], value, game.f.maxMp[s]);
}

} // namespace vk2
