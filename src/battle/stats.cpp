#include "battle/stats.h"

#include <cstdint>

#include "battle/boxes.h"
#include "core/numbers.h"
#include "model/game.h"

namespace vk2 {
namespace {

// Which ability the lock counter holds at 0, by its tens digit.
enum class LockedStat { None = 0, Spirit = 1, Defense = 2, Speed = 3, Attack = 4 };

inline constexpr int kTransformedMaxMp = 666;

LockedStat LockedBy(const FighterTable& f, SlotIndex slot) {
    return static_cast<LockedStat>(f.counter(slot, kStatLockCounter) / 10);
}

std::int64_t Effective(std::int64_t equip, std::int64_t base, std::int64_t mod, bool locked) {
    if (locked || equip + base < -mod) return 0;
    return equip + base + mod;
}

void SumPreviewStats(FighterTable& f) {
    const SlotIndex s = kPreviewSlot;
    f.maxHp[s] = ToInt32(std::int64_t{f.baseMaxHp[s]} + f.equipHp[s]);
    f.maxMp[s] = ToInt16(f.baseMaxMp[s] + f.equipMp[s]);
    f.attack[s] = ToInt16(f.baseAttack[s] + f.equipAttack[s]);
    f.defense[s] = ToInt16(f.baseDefense[s] + f.equipDefense[s]);
    f.speed[s] = ToInt16(f.baseSpeed[s] + f.equipSpeed[s]);
    f.spirit[s] = ToInt16(f.baseSpirit[s] + f.equipSpirit[s]);
}

} // namespace

void RecomputeStats(Game& game, SlotIndex slot) {
    FighterTable& f = game.f;
    if (slot == kPreviewSlot) return SumPreviewStats(f);
    if (!IsBattleSlot(slot) || f.maxMp[slot] == kTransformedMaxMp) return;

    const LockedStat locked = LockedBy(f, slot);
    f.maxHp[slot] = ToInt32(Effective(f.equipHp[slot], f.baseMaxHp[slot], f.hpMod[slot], false));
    f.maxMp[slot] = ToInt16(Effective(f.equipMp[slot], f.baseMaxMp[slot], f.mpMod[slot], false));
    f.attack[slot] = ToInt16(
        Effective(f.equipAttack[slot], f.baseAttack[slot], f.attackMod[slot], locked == LockedStat::Attack));
    f.defense[slot] = ToInt16(Effective(f.equipDefense[slot], f.baseDefense[slot], f.defenseMod[slot],
                                        locked == LockedStat::Defense));
    f.speed[slot] = ToInt16(
        Effective(f.equipSpeed[slot], f.baseSpeed[slot], f.speedMod[slot], locked == LockedStat::Speed));
    f.spirit[slot] = ToInt16(
        Effective(f.equipSpirit[slot], f.baseSpirit[slot], f.spiritMod[slot], locked == LockedStat::Spirit));

    if (HpOf(game, slot) > f.maxHp[slot]) SetHp(game, slot, f.maxHp[slot]);
    if (MpOf(game, slot) > f.maxMp[slot]) SetMp(game, slot, f.maxMp[slot]);
}

} // namespace vk2
