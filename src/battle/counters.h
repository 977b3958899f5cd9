// The fifty status counters of a battle slot, how timed effects end, the status icons on the
// fighter's picture, and the tension bar. A counter of 0 is never in force.
#pragma once

#include <string_view>

#include "core/colour.h"
#include "model/fighter_table.h"

namespace vk2 {

struct Game;

enum StatusCounter : int {
    kWardCounter = 0,              // 魔 damage nullified
    kLemonBarrierCounter = 1,      // 雷 and 風 nullified
    kOrangeBarrierCounter = 2,     // 炎 and 地 nullified
    kLimeBarrierCounter = 3,       // 冷, 水 and 木 nullified
    kKabosuBarrierCounter = 4,     // non-elemental damage nullified
    kEarthProtectCounter = 5,      // physical damage halved
    kIceWallCounter = 6,           // physical damage halved
    kWindGuardCounter = 7,         // physical damage halved
    kFlameCurtainCounter = 8,      // spell damage halved
    kMagneticShieldCounter = 9,    // spell damage halved
    kMirrorCounter = 10,           // reflects spells
    kStatLockCounter = 11,         // tens digit: the ability held at 0; units digit: turns left
    kPropositionCounter = 12,      // tens digit: the task; units digit: turns left
    kHolyVoidCounter = 13,         // every elemental defence void
    kWetCounter = 14,              // 冷 and 雷 hit harder; dries at the next turn start
    kHiddenCounter = 15,           // physical blows miss; the first icon counter
    kTimeBombCounter = 16,         // explodes when it reads 1 after its holder's action
    kElectrifiedCounter = 17,      // physical attackers are shocked
    kMadnessCounter = 18,          // attacks at random; 100 never runs out
    kParalysisCounter = 19,        // turns are skipped
    kBlindnessCounter = 20,        // plain attacks may miss
    kPoisonCounter = 21,           // ticks counted up after each own action
    kOilCounter = 22,              // 雷 and 水 resisted, fire burns it
    kSleepCounter = 23,            // turns are skipped until a blow wakes the holder
    kConfusionCounter = 24,        // acts automatically against its own side
    kAgeingCounter = 25,           // each own action costs abilities
    kSureHitCounter = 26,          // physical blows cannot miss by chance; the last icon counter
    kHealHalvingCounter = 27,      // heals received are divided by 2^counter
    kSpeedMarkCounter = 28,        // 1 raised, 2 lowered
    kStatusGuardCounter = 29,      // 1 partial, 2 and more full guard
    kChargeCounter = 30,           // a tenth of attack, added 14-fold for one turn
    kConcentrationCounter = 31,    // a tenth of spirit, added 15-fold for one turn
    kTensionBoostCounter = 32,     // tension changes multiplied by counter + 1
    kWeaknessSeekerCounter = 33,   // basic attack carries the target's weaknesses
    kRedSpiritCounter = 34,        // fire attack and fire absorption
    kAbsorbedElementsCounter = 35, // two absorbed elements as decimal digits
    kElementFactorCounter = 36,    // 200 all weak, 100-199 all resisted, units digit one weakness
    kStepCounter = 37,             // added to every clock step
    kItemBanCounter = 38,          // no items
    kUndeadMarkCounter = 39,       // 聖 kills outright
    kBondCounter = 40,             // 1 attack allies, 2-7 hand equipment over, 10-15 protected
    kAdrenalineCounter = 41,       // amount added to the attack modifier
    kDeathContractCounter = 42,    // what happens when the holder falls
    kTestamentCounter = 43,        // revival with counter x 50 HP
    kNoElementStanceCounter = 44,  // only the element table decides the affinities
    kReversedHealingCounter = 45,  // heals harm, harm-type ticks heal
    kOleanderCounter = 46,         // smoke bursts above 100
    kDashCounter = 47,             // each other action costs 0.5 % of maximum HP
    kKarmaCounter = 48,            // 9 karma, 10-15 covered by another slot
    kBloodMarkCounter = 49,        // marker slot + 1 drains HP after each action
};

// Icon i of the strip stands for counter kHiddenCounter + i.
inline constexpr int kStatusIcons = 12;

// Tension bands of the bar.
inline constexpr Colour kTensionLowColour = Rgb(102, 221, 255); // 1-20
inline constexpr Colour kTensionMidColour = Rgb(128, 255, 128); // 0 and 21-80
inline constexpr Colour kTensionHighColour = Rgb(255, 102, 0);  // 81-100

// The word that ends counter k's expiry line: the effect's name for the barriers (0-10), the
// whole line for 17-20, empty for every other counter.
std::string_view StatusExpiryName(int k);

// Ends a timed effect that reads 1: the counter returns to 0, the holder's box shows
// "<name>の" and "効力が切れた。" (on one line for the mirror, otherwise on two), the affinities
// are rebuilt when asked, the stats are recomputed, and the line stays a second.
void EndTimedEffect(Game& game, SlotIndex slot, int k, std::string_view name, bool rebuildAffinities);

// Turn-start countdown of the barriers, counters 0-10 in order: 1 ends the barrier, 2 and more
// count down.
void CountDownBarriers(Game& game, SlotIndex slot);

// Changes the slot's tension by delta (multiplied by the tension boost) within 0-100, redraws the
// bar, and in the low band ends adrenaline and madness. A delta of 0 only redraws and checks.
void AdjustTension(Game& game, SlotIndex slot, int delta);

// Draws the slot's current status icon and moves on to its next active icon counter.
void ShowStatusIcon(Game& game, SlotIndex slot);

// Shows StPic(slot) exactly while one of the icon counters is in force.
void RefreshStatusIconVisibility(Game& game, SlotIndex slot);

} // namespace vk2
