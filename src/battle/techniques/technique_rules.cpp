#include "battle/techniques/technique_rules.h"

#include <string>

#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/skills/skill_rules.h"
#include "core/text.h"
#include "model/accessories.h"
#include "model/game.h"

namespace vk2 {
namespace {

constexpr int kTechniqueRollSides = 16;

constexpr std::string_view kCharm = "お守り";

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

} // namespace

int DrawTechniqueRoll(Game& game) {
    return DrawIndex(game, kTechniqueRollSides);
}

void FellFighter(Game& game, SlotIndex slot) {
    SetHp(game, slot, 0);
}

bool PassesGuard(const Game& game, SlotIndex target, GuardTest test) {
    const int guard = game.f.counter(target, kStatusGuardCounter);
    switch (test) {
    case GuardTest::BelowTwo:
        return guard < 2;
    case GuardTest::NotTwo:
        return guard != 2;
    case GuardTest::Zero:
        return guard == 0;
    }
    return false;
}

bool WearsDeathCharm(const Game& game, SlotIndex slot) {
    const std::string& accessory = game.f.accessory[At(slot)];
    return accessory == kCharm || accessory == kAliceHandkerchief;
}

bool ResistRoll(const Game& game, SlotIndex actor, SlotIndex target, const ResistTest& test, int r) {
    const double force = (test.c - test.k * r) * game.f.spirit[At(actor)];
    const double resistance = game.f.spirit[At(target)];
    return test.orEqual ? force >= resistance : force > resistance;
}

std::string_view SelectedEntry(const ListBox& list) {
    if (list.selected < 0 || list.selected >= list.count()) return {};
    return list.entries[static_cast<std::size_t>(list.selected)].text;
}

void RemoveEntry(ListBox& list, int index) {
    list.entries.erase(list.entries.begin() + index);
    if (list.selected == index)
        list.selected = -1;
    else if (list.selected > index)
        --list.selected;
}

// Counter 40: 1 turns on its own side, 2-7 hands over to slot - 2; a master's 10-15 is covered
// by slot - 10.
void ForceBond(Game& game, SlotIndex master, SlotIndex target, Bond bond) {
    constexpr int kAttackOwnSide = 1;
    constexpr int kHandOverBase = 2;
    constexpr int kCoveredBase = 10;
    std::uint8_t& masterBond = game.f.counter(master, kBondCounter);
    if (masterBond == target + kCoveredBase) masterBond = 0;
    switch (bond) {
    case Bond::HandOverEquipment:
        game.f.counter(target, kBondCounter) = static_cast<std::uint8_t>(master + kHandOverBase);
        break;
    case Bond::CoverMaster:
        masterBond = static_cast<std::uint8_t>(target + kCoveredBase);
        break;
    case Bond::AttackOwnSide:
        game.f.counter(target, kBondCounter) = kAttackOwnSide;
        break;
    }
}

} // namespace vk2
