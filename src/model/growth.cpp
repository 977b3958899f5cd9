#include "model/growth.h"

#include "core/numbers.h"
#include "model/commands.h"
#include "model/digit_code.h"
#include "model/equipment.h"
#include "model/game.h"
#include "model/types.h"

namespace vk2 {

namespace {

struct BaseAbilities {
    std::int64_t maxHp, maxMp, attack, defense, speed, spirit;
};

BaseAbilities LevelZeroAbilities(const FighterTable& f, SlotIndex slot) {
    const std::string& code = f.digitCode[slot];
    const double r = f.redSum[slot];
    const double g = f.greenSum[slot];
    const double b = f.blueSum[slot];
    const auto d = [&](int p) { return DigitAt(code, p, 2); };

    int h = d(3);
    if (h > 80) h -= 50;

    std::int64_t m = Int(2 * b / (r + g + 35)) + d(4) + 16;
    if (m > 90)
        m -= 30;
    else if (m < 20)
        m = f.element[slot] == kDark ? m + 100 : 0;

    return {
        .maxHp = Int((2 * g + 200) / (r + b + 1)) + 48 * h + 4000,
        .maxMp = m,
        .attack = Int(2 * r / (b + g + 64) + 0.5 * d(5)) + 24,
        .defense = Int((r + g + 30) / (2 * b + 30) + 0.7 * d(6)) + 36,
        .speed = Int((b + r + 180) / (2 * g + 60)) + Mod(d(7), 40) + 33,
        .spirit = Int((b + g + 29) / (2 * r + 46) + 0.7 * d(8)) + 5,
    };
}

void Grow(BaseAbilities& a) {
    a.maxHp = Int(static_cast<double>(a.maxHp) * 1.08 + 1200);
    a.maxMp = Int(static_cast<double>(a.maxMp) * 1.13);
    a.attack = Int(static_cast<double>(a.attack) * 1.04 + 10);
    a.defense = Int(static_cast<double>(a.defense) * 1.09 + 15);
    a.speed = Int(static_cast<double>(a.speed) * 1.06 + 5);
    a.spirit = Int(static_cast<double>(a.spirit) * 1.07 + 13);
}

} // namespace

void ApplyLevel(Game& game, SlotIndex slot) {
    FighterTable& f = game.f;
    BaseAbilities a = LevelZeroAbilities(f, slot);
    for (int i = 0; i < f.level[slot]; ++i) Grow(a);

    // Levels far above what a picture gives could push the values past their fields; they
    // saturate there rather than wrap.
    f.baseMaxHp[slot] = ToInt32(a.maxHp);
    f.baseMaxMp[slot] = ToInt16(a.maxMp);
    f.baseAttack[slot] = ToInt16(a.attack);
    f.baseDefense[slot] = ToInt16(a.defense);
    f.baseSpeed[slot] = ToInt16(a.speed);
    f.baseSpirit[slot] = ToInt16(a.spirit);

    // A battle fighter's commands and equipment bonuses follow its new level at once; the
    // preview's caller rebuilds them itself.
    if (IsBattleSlot(slot)) {
        AcquireCommands(game, slot);
        ApplyEquipment(game, slot, kEquipRefresh);
    }
}

} // namespace vk2
