// The stages of a blow, shared by the damage files only.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/fighter_table.h"
#include "model/types.h"

namespace vk2 {

struct Game;

namespace damage {

struct Blow {
    SlotIndex attacker;
    SlotIndex target;
    int power;
    // The multiplier, finally the damage; both it and the luck are single precision by design.
    float m = 0;
    float r = 0;
};

// The most a blow takes in the usual path.
inline constexpr float kDamageCap = 9999;

// m = m × k, kept in single precision.
inline void Scale(Blow& blow, double k) {
    blow.m = static_cast<float>(blow.m * k);
}

// The text of the slot's selected command, empty when none is selected.
std::string ChosenCommand(const Game& game, SlotIndex slot);
bool OnField(const Game& game, SlotIndex slot);
bool ActionHas(const Game& game, Element e);
bool InDarkness(const Game& game);
std::string& Box(Game& game, SlotIndex slot);
const std::string& Box(const Game& game, SlotIndex slot);
bool StartsWithAny(std::string_view text, std::span<const std::string_view> prefixes);
// A plain attack: the basic attack, not replaced by a named finisher.
bool IsPlainAttack(const Game& game, SlotIndex attacker);

// The luck roll and the multiplier of affinities, wetness and darkness.
void RollLuckAndAffinities(Game& game, Blow& blow);
// The spell formula; the damage ends rounded down.
void ApplySpellFormula(Game& game, Blow& blow);
// Hit, miss, block or critical and the physical formula; false when the blow ends here.
bool ApplyPhysicalFormula(Game& game, Blow& blow);
// What every blow shares, fixed damage included: oil, untouchable targets, the result line, the
// on-hit effects and the HP change.
void SettleDamage(Game& game, Blow& blow);

} // namespace damage
} // namespace vk2
