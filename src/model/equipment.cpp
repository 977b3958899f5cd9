#include "model/equipment.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "battle/stats.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/accessories.h"
#include "model/commands.h"
#include "model/digit_code.h"
#include "model/elements.h"
#include "model/game.h"
#include "model/proficiency.h"
#include "model/weapons.h"

namespace vk2 {
namespace {

// The status counter that marks a fighter wrapped in the handkerchief's dream.
inline constexpr int kDreamCounter = 29;
inline constexpr std::uint8_t kDreamOn = 2;

// Changing equipment drops whatever command was being prepared.
inline constexpr std::uint8_t kNoActionCode = 255;

bool StartsWithMark(const ListEntry& entry, std::string_view mark) {
    return StartsWith(entry.text, mark);
}

ListEntry* SelectedEntry(ListBox& list) {
    if (list.selected < 0 || list.selected >= list.count()) return nullptr;
    return &list.entries[static_cast<std::size_t>(list.selected)];
}

std::string SelectedText(ListBox& list) {
    const ListEntry* entry = SelectedEntry(list);
    return entry == nullptr ? std::string() : entry->text;
}

// Takes the mark off the first entry that carries it; at most one entry is marked.
void RemoveMark(ListBox& list, std::string_view mark) {
    const auto it = std::find_if(list.entries.begin(), list.entries.end(),
                                 [&](const ListEntry& e) { return StartsWithMark(e, mark); });
    if (it != list.entries.end()) it->text = Mid(it->text, 2);
}

std::string WithoutMark(const std::string& text, std::string_view mark) {
    return StartsWith(text, mark) ? Mid(text, 2) : text;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += kCrLf;
        text += lines[i];
    }
    return text;
}

void AppendDescription(std::vector<std::string>& lines, const std::array<std::string_view, 3>& description) {
    for (std::string_view line : description)
        if (!line.empty()) lines.emplace_back(line);
}

bool ListHolds(const ListBox& list, std::string_view text) {
    return list.find(std::string(text)) >= 0;
}

void RewriteBasicCommand(Game& game, SlotIndex slot) {
    ListBox& commands = game.form.Command[slot];
    if (commands.count() > 0) commands.entries.front().text = BattleBasicCommand(game, slot);
}

void DescribeWeapon(Game& game, SlotIndex slot) {
    const ListEntry* selected = SelectedEntry(ItemList(game, slot));
    if (selected == nullptr) return;
    const std::string& entry = selected->text;
    const WeaponCatalogueRow* row = FindWeapon(WithoutMark(entry, kWeaponMark));
    std::vector<std::string> lines;
    if (row != nullptr) AppendDescription(lines, row->description);
    lines.emplace_back();
    // The blade that borrows its enemy's strength has no attack of its own to show.
    std::string stats =
        "攻 +" + (EndsWith(entry, "イド") ? std::string("？") : Num(WeaponAttack(row, game.f.element[slot])));
    const int speed = row == nullptr ? 0 : row->speed;
    if (speed != 0) stats += std::string(kWideSpace) + "速" + (speed > 0 ? "+" : "") + Num(speed);
    lines.push_back(stats);
    game.form.Message[slot].text = JoinLines(lines);
}

void DescribeAccessory(Game& game, SlotIndex slot) {
    const ListEntry* selected = SelectedEntry(ItemList(game, slot));
    if (selected == nullptr) return;
    const std::string& entry = selected->text;
    const AccessoryCatalogueRow* row = FindAccessory(WithoutMark(entry, kAccessoryMark));
    std::vector<std::string> lines;
    if (row != nullptr) AppendDescription(lines, row->description);
    game.form.Message[slot].text = JoinLines(lines);
}

// Equipping or dropping the staff swaps the whole command list, so it is rebuilt with the weapon
// it will hold and the cursor returns to "アイテム使用".
void SwapStaffCommands(Game& game, SlotIndex slot) {
    std::string& weapon = game.f.weapon[slot];
    weapon = weapon == kStaffEshiMesa ? SelectedText(ItemList(game, slot)) : std::string(kStaffEshiMesa);
    AcquireCommands(game, slot);
    ListBox& commands = game.form.Command[slot];
    commands.selected = std::max(commands.count() - 4, -1);
    if (IsBattleSlot(slot)) {
        game.form.Message[slot].visible = true;
        DescribeWeapon(game, slot);
    }
}

void ApplyWeaponBonuses(Game& game, SlotIndex slot) {
    FighterTable& f = game.f;
    const WeaponCatalogueRow* row = FindWeapon(f.weapon[slot]);
    const WeaponBonus bonus = row == nullptr ? WeaponBonus{} : row->bonus;
    game.actionCode = kNoActionCode;
    f.equipHp[slot] = ToInt16(bonus.hp);
    f.equipMp[slot] = ToByte(bonus.mp);
    f.equipAttack[slot] = ToInt16(WeaponAttack(row, f.element[slot]));
    f.equipDefense[slot] = ToByte(bonus.defense);
    f.equipSpeed[slot] = ToInt16(row == nullptr ? 0 : row->speed);
    f.equipSpirit[slot] = ToByte(bonus.spirit);
    f.longReach[slot] = row != nullptr && row->longReach ? 1 : 0;
    RecomputeAffinities(game, slot);
    RecomputeStats(game, slot);
}

void ChangeWeapon(Game& game, SlotIndex slot, int mode) {
    FighterTable& f = game.f;
    ListBox& items = ItemList(game, slot);
    if (mode == kEquipSelected && SelectedEntry(items) == nullptr) return;

    if (f.weapon[slot] == kStaffEshiMesa || SelectedText(items) == kStaffEshiMesa)
        SwapStaffCommands(game, slot);
    RemoveMark(items, kWeaponMark);
    if (mode == kEquipSelected) {
        ListEntry& entry = *SelectedEntry(items);
        f.weapon[slot] = entry.text;
        f.equippedKind[slot] = ToByte(entry.number - kItemWeaponBase);
        entry.text = kWeaponMark + entry.text;
    } else {
        f.weapon[slot] = kBareHands;
        f.equippedKind[slot] = kFist;
    }
    RewriteBasicCommand(game, slot);
}

void ChangeAccessory(Game& game, SlotIndex slot, int mode) {
    FighterTable& f = game.f;
    ListBox& items = ItemList(game, slot);
    if (mode == kEquipSelected && SelectedEntry(items) == nullptr) return;

    if (f.accessory[slot] != kMedal && SelectedText(items) == kMedal) {
        f.accessory[slot] = kMedal;
        RecomputeProficiency(game, slot);
    } else if (f.accessory[slot] == kMedal) {
        f.accessory[slot].clear();
        RecomputeProficiency(game, slot);
    }
    RemoveMark(items, kAccessoryMark);
    if (mode == kEquipSelected) {
        ListEntry& entry = *SelectedEntry(items);
        f.accessory[slot] = entry.text;
        entry.text = kAccessoryMark + entry.text;
    } else {
        f.accessory[slot].clear();
    }
    game.actionCode = kNoActionCode;
    RecomputeAffinities(game, slot);

    // The dream holds while the handkerchief is worn and ends when it is taken off.
    if (!IsBattleSlot(slot)) return;
    if (f.accessory[slot] == kAliceHandkerchief) {
        f.counter(slot, kDreamCounter) = kDreamOn;
    } else if (SelectedText(items) == kAliceHandkerchief) {
        f.counter(slot, kDreamCounter) = 0;
    }
}

} // namespace

ListBox& ItemList(Game& game, SlotIndex slot) {
    return IsBattleSlot(slot) ? game.form.Item[slot] : game.form.ItemPrev;
}

const ListBox& ItemList(const Game& game, SlotIndex slot) {
    return IsBattleSlot(slot) ? game.form.Item[slot] : game.form.ItemPrev;
}

std::string BattleBasicCommand(const Game& game, SlotIndex slot) {
    const std::string& weapon = game.f.weapon[slot];
    const ListBox& items = ItemList(game, slot);
    if (weapon == kDragonClaw && ListHolds(items, kTigerFang)) return std::string(kDragonTigerCommand);
    if (weapon == kTigerFang && ListHolds(items, kDragonClaw)) return std::string(kDragonTigerCommand);
    return BasicCommand(weapon);
}

void ApplyEquipment(Game& game, SlotIndex slot, int mode) {
    switch (mode) {
    case kEquipRemove:
    case kEquipSelected:
        ChangeWeapon(game, slot, mode);
        ApplyWeaponBonuses(game, slot);
        break;
    case kEquipRefresh:
        ApplyWeaponBonuses(game, slot);
        break;
    case kEquipDescribe:
        if (IsBattleSlot(slot)) DescribeWeapon(game, slot);
        break;
    default:
        break;
    }
}

void ApplyAccessory(Game& game, SlotIndex slot, int mode) {
    switch (mode) {
    case kEquipRemove:
    case kEquipSelected:
        ChangeAccessory(game, slot, mode);
        break;
    case kEquipDescribe:
        if (IsBattleSlot(slot)) DescribeAccessory(game, slot);
        break;
    default:
        break;
    }
}

void RecomputeProficiency(Game& game, SlotIndex slot) {
    FighterTable& f = game.f;
    if (f.accessory[slot] == kMedal) {
        f.proficiency[slot].fill(kMedalProficiency);
        return;
    }
    const auto p = CodeProficiencies(f.digitCode[slot], f.level[slot], kRecomputedSwordPeak);
    for (int k = 0; k < kWeaponKinds; ++k) f.proficiency[slot][k] = ToByte(std::min(p[k], kProficiencyCap));
}

void ClickItemEntry(Game& game, SlotIndex slot) {
    if (!IsBattleSlot(slot) || SelectedText(game.form.Command[slot]) != kUseItemCommand) return;
    const ListEntry* entry = SelectedEntry(game.form.Item[slot]);
    if (entry == nullptr) return;

    const std::int32_t code = entry->number;
    if (code >= kItemWeaponBase) {
        const std::int32_t kind = code - kItemWeaponBase;
        if (kind >= kWeaponKinds || game.f.proficiency[slot][kind] == 0) return;
        ApplyEquipment(game, slot, StartsWithMark(*entry, kWeaponMark) ? kEquipRemove : kEquipSelected);
    } else if (code == kItemAccessory) {
        ApplyAccessory(game, slot, StartsWithMark(*entry, kAccessoryMark) ? kEquipRemove : kEquipSelected);
    }
}

} // namespace vk2
