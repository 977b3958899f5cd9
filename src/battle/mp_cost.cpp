#include "battle/mp_cost.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "battle/boxes.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/commands.h"
#include "model/game.h"

namespace vk2 {

namespace {

inline constexpr std::string_view kItemCountAttackKey = "エミ";
inline constexpr std::string_view kBroom = "魔女のほうき";
inline constexpr int kMpPerItem = 10;
inline constexpr int kCheapCost = 1;

// An element accessory brings every command beginning with one of its keys down to 1 MP, plus the
// few entries it names whole (their keys are shared with commands of other elements).
struct ElementAccessoryRow {
    std::string_view accessory;
    std::array<std::string_view, 16> keys;   // unused keys are empty
    std::array<std::string_view, 2> entries; // whole entry texts; unused are empty
};

// accessory, keys whose entries cost 1, whole entries that cost 1
// clang-format off
constexpr std::array<ElementAccessoryRow, 6> kElementAccessories{{
    {"火龍のうろこ", {"ファ", "鬼火", "聖火", "クリ", "バー", "火の", "プラ", "溶岩"}, {}},
    {"寒椿の櫛", {"つら", "ダイ", "樹氷", "液体", "大氷", "氷の", "ブリ", "永久", "コキ"}, {}},
    {"トルマリン", {"レー", "サン", "召雷", "輝の", "帯電", "バー", "疾風", "溶岩", "永久", "地下", "土砂", "鉱毒",
                  "フォ", "土葬", "砂嵐", "地の"}, {"大地震", "プラズマ"}},
    {"かざぐるま", {"ブリ", "かま", "ソニ", "マハ", "暴風", "砂嵐", "疾風", "気の", "魔界"}, {}},
    {"マーメイドティアラ", {"地下", "水の", "アク", "ポイ", "大津", "クラ", "ドッ", "暴風", "船幽"}, {}},
    {"フラワークラウン", {"樹の", "リー", "バイ", "狂気", "いば", "養分", "ジギ", "夾竹", "沙羅", "樹氷"}, {}},
}};
// clang-format on

template <std::size_t N> bool Holds(const std::array<std::string_view, N>& names, std::string_view name) {
    return !name.empty() && std::find(names.begin(), names.end(), name) != names.end();
}

bool AccessoryMakesItCheap(const std::string& accessory, std::string_view key, std::string_view text) {
    for (const ElementAccessoryRow& row : kElementAccessories)
        if (accessory == row.accessory) return Holds(row.keys, key) || Holds(row.entries, text);
    return false;
}

// A copied summon spends the whole MP: the copy has no half of its own to keep.
std::int64_t SummonCost(const Game& game, SlotIndex slot) {
    const double mp = static_cast<double>(MpOf(game, slot));
    return game.form.Exi.visible ? Int(mp * 0.5) : Int(mp);
}

// The cost before the broom and the field effect.
std::int64_t EntryCost(const Game& game, SlotIndex slot, const ListEntry& entry) {
    const std::string key = Left(entry.text, 2);
    if (AccessoryMakesItCheap(game.f.accessory[slot], key, entry.text)) return kCheapCost;
    if (key == kSummonCommand) return SummonCost(game, slot);
    if (key == kItemCountAttackKey) return ItemCountAttackMp(game, slot);
    return entry.number;
}

std::int64_t WithBroom(const Game& game, SlotIndex slot, std::int64_t cost) {
    return game.f.weapon[slot] == kBroom ? Int(static_cast<double>(cost) * 0.1) : cost;
}

std::int64_t WithFieldEffect(const Game& game, std::int64_t cost) {
    if (game.form.backColour == kMagneticAnomalyField) return cost * 3;
    if (game.form.backColour == kGreyCrescentField) return 0;
    return cost;
}

const ListEntry* CommandEntry(const Game& game, SlotIndex slot, int index) {
    if (!IsBattleSlot(slot)) return nullptr;
    const ListBox& commands = game.form.Command[static_cast<std::size_t>(slot)];
    if (index < 0 || index >= commands.count()) return nullptr;
    return &commands.entries[static_cast<std::size_t>(index)];
}

} // namespace

std::int64_t ItemCountAttackMp(const Game& game, SlotIndex slot) {
    return kMpPerItem * static_cast<std::int64_t>(game.form.Item[static_cast<std::size_t>(slot)].count());
}

void ComputeMpCost(Game& game, SlotIndex slot, int index) {
    const ListEntry* entry = CommandEntry(game, slot, index);
    const std::int64_t cost =
        entry == nullptr ? 0 : WithFieldEffect(game, WithBroom(game, slot, EntryCost(game, slot, *entry)));
    game.mpCost = ToInt16(cost);
}

bool PaysOwnMp(const Game& game) {
    return game.form.Exi.caption.empty() && game.form.Exi.visible;
}

bool CommandRefusedForMp(const Game& game, SlotIndex slot) {
    const bool mpShort = MpOf(game, slot) < game.mpCost && PaysOwnMp(game);
    const bool silenced = game.form.backColour == kSilentSnowField && game.mpCost > 0;
    return mpShort || silenced;
}

bool CanAffordMpCost(const Game& game, SlotIndex slot) {
    return MpOf(game, slot) >= game.mpCost;
}

void PayMpCost(Game& game, SlotIndex actor) {
    if (PaysOwnMp(game)) SetMp(game, actor, static_cast<double>(MpOf(game, actor) - game.mpCost));
}

} // namespace vk2
