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

} // namespace vk2
