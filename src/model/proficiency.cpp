#include "model/proficiency.h"

#include "core/numbers.h"
#include "model/digit_code.h"
#include "model/types.h"

namespace vk2 {
namespace {

// Base proficiency of a kind: peak − |centre − a| × multiplier ÷ divisor (floored) for
// above < a < below, else 0.
struct ProficiencyBaseRow {
    WeaponKind kind;
    int above;
    int below;
    int peak;
    int centre;
    int multiplier;
    int divisor;
};

// kind, above, below, peak, centre, multiplier, divisor
constexpr std::array<ProficiencyBaseRow, 7> kProficiencyBases{{
    {kBowGun, -1, 20, 72, 8, 4, 1},
    {kStaff, 12, 35, 70, 25, 4, 1},
    {kAxe, 27, 52, 70, 40, 4, 1},
    {kSword, 42, 73, 71, 58, 4, 1},
    {kSpear, 62, 87, 70, 75, 4, 1},
    {kFist, 77, 100, 75, 94, 4, 1},
    {kKnife, 20, 87, 33, 54, 1, 2},
}};

} // namespace

std::array<int, kWeaponKinds> CodeProficiencies(const std::string& digitCode, int level, int swordPeak) {
    const int a = DigitAt(digitCode, 13, 2);
    std::array<int, kWeaponKinds> p{};
    for (const ProficiencyBaseRow& row : kProficiencyBases) {
        if (a <= row.above || a >= row.below) continue;
        const int peak = row.kind == kSword ? swordPeak : row.peak;
        p[row.kind] = peak - static_cast<int>(Abs(row.centre - a) * row.multiplier / row.divisor);
    }
    p[DigitAt(digitCode, 2, 2) % 7] += (a % 15) * level;
    p[1 + a % 6] += (a % 7) * level;
    p[2 + DigitAt(digitCode, 14, 2) % 5] += (a % 5) * level;
    return p;
}

} // namespace vk2
