#include "battle/item_transfer.h"

#include <string>
#include <string_view>

#include "core/text.h"
#include "model/commands.h"
#include "model/equipment.h"
#include "model/game.h"
#include "model/types.h"
#include "model/weapons.h"
#include "play/manual_input.h"

namespace vk2 {
namespace {

// The other half of the claw pair, empty for anything else.
std::string_view OtherClaw(std::string_view name) {
    if (name == kDragonClaw) return kTigerFang;
    if (name == kTigerFang) return kDragonClaw;
    return {};
}

void SetBasicCommand(Game& game, SlotIndex slot, std::string_view command) {
    ListBox& commands = game.form.Command[static_cast<std::size_t>(slot)];
    if (commands.count() > 0) commands.entries[0].text = command;
}

// Whatever leaves the bag stops being worn; the pair strike needs both halves.
void TakeOff(Game& game, SlotIndex from, const std::string& text) {
    if (StartsWith(text, kWeaponMark)) {
        ApplyEquipment(game, from, kEquipRemove);
    } else if (StartsWith(text, kAccessoryMark)) {
        ApplyAccessory(game, from, kEquipRemove);
    } else if (const std::string_view other = OtherClaw(game.f.weapon[static_cast<std::size_t>(from)]);
               !other.empty() && Left(text, 1) == Left(other, 1)) {
        SetBasicCommand(game, from, kFightCommand);
    }
}

void Receive(Game& game, SlotIndex to, const ListEntry& entry) {
    game.form.Item[static_cast<std::size_t>(to)].add(entry.text, entry.number);
    if (!OtherClaw(entry.text).empty() &&
        OtherClaw(entry.text) == game.f.weapon[static_cast<std::size_t>(to)])
        SetBasicCommand(game, to, kDragonTigerCommand);
}

} // namespace

void TransferItem(Game& game, SlotIndex from, SlotIndex to) {
    ListBox& items = game.form.Item[static_cast<std::size_t>(from)];
    if (items.selected < 0 || items.selected >= items.count()) return;
    const auto index = static_cast<std::size_t>(items.selected);
    TakeOff(game, from, items.entries[index].text);
    if (IsBattleSlot(to)) Receive(game, to, items.entries[index]);
    items.entries.erase(items.entries.begin() + static_cast<std::ptrdiff_t>(index));
    items.selected = -1;
    if (game.form.WinCh[static_cast<std::size_t>(from)].caption == kShowCommandsCaption && items.count() == 0)
        ToggleStatusView(game, from);
}

} // namespace vk2
