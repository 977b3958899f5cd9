// Weapon proficiency from the digit code: one table serves the first analysis of a picture and
// the recomputation after the medal comes off.
#pragma once

#include <array>
#include <string>

#include "model/fighter_table.h"

namespace vk2 {

inline constexpr int kMedalProficiency = 99;
inline constexpr int kProficiencyCap = 90;
// The sword's base value at the centre of its range. The recomputation without the medal is a
// little kinder to swords than the first analysis of a picture.
inline constexpr int kAnalysisSwordPeak = 71;
inline constexpr int kRecomputedSwordPeak = 73;

// Base values by kind for a = d(13, 2) plus the three level bonuses, before any kind bonus or cap.
std::array<int, kWeaponKinds> CodeProficiencies(const std::string& digitCode, int level, int swordPeak);

} // namespace vk2
