// Fighters at 0 HP fall after an action: the headband may hold one on, the fallen leave the field,
// a stronger victim raises the actor's level, and a fall sets death curses and testaments off.
#include <cstdint>
#include <string>
#include <string_view>

#include "battle/after_action_steps.h"
#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/messages.h"
#include "battle/skills/skill_rules.h"
#include "core/colour.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/elements.h"
#include "model/game.h"
#include "model/growth.h"

namespace vk2 {
namespace {

inline constexpr std::string_view kHeadband = "根性はちまき";
inline constexpr int kHeadbandGaugeCycle = 8;
inline constexpr int kHeadbandLuckyFrom = 5;
// Counters 42 (death contract) and 43 (testament) outlive the fall; they are settled afterwards.
inline constexpr int kLastResetBeforeFall = kAdrenalineCounter;
inline constexpr int kFirstResetAfterFall = kNoElementStanceCounter;
inline constexpr int kTestamentHpPerPoint = 50;

inline constexpr int kLevelUpPauseMs = 300;
inline constexpr int kFallPauseMs = 300;
inline constexpr int kCursePauseMs = 1000;
inline constexpr int kTestamentPauseMs = 300;
inline constexpr int kRevivalPauseMs = 250;

std::size_t At(SlotIndex s) {
    return static_cast<std::size_t>(s);
}

// A sleep counter that reads a whole number of tens beats the headband.
bool HoldsOnByHeadband(const Game& game, SlotIndex actor, SlotIndex slot) {
    const int sleep = game.f.counter(actor, kSleepCounter);
    return game.f.accessory[At(slot)] == kHeadband &&
           Mod(game.f.timeGauge[At(slot)], kHeadbandGaugeCycle) >= kHeadbandLuckyFrom &&
           !(sleep != 0 && sleep % 10 == 0);
}

void MarkFalls(Game& game, SlotIndex actor) {
    for (int side = 0; side < 2; ++side) {
        for (SlotIndex s = 3 * side; s <= SideLast(game, 3 * side); ++s) {
            if (!OnField(game, s) || HpOf(game, s) > 0) continue;
            std::string& box = game.form.Message[At(s)].text;
            if (HoldsOnByHeadband(game, actor, s)) {
                SetHp(game, s, 1);
                box = "根性で耐えた！" + std::string(kCrLf);
            } else {
                box = kFallenLine;
            }
        }
    }
}

void ResetBattleState(Game& game, SlotIndex slot) {
    FighterTable& f = game.f;
    const std::size_t s = At(slot);
    f.hpMod[s] = f.mpMod[s] = f.attackMod[s] = f.defenseMod[s] = f.speedMod[s] = f.spiritMod[s] = 0;
    f.maxHp[s] = ToInt32(std::int64_t{f.equipHp[s]} + f.baseMaxHp[s]);
    f.maxMp[s] = ToInt16(f.equipMp[s] + f.baseMaxMp[s]);
    f.attack[s] = ToInt16(f.equipAttack[s] + f.baseAttack[s]);
    f.defense[s] = ToInt16(f.equipDefense[s] + f.baseDefense[s]);
    f.speed[s] = ToInt16(f.equipSpeed[s] + f.baseSpeed[s]);
    f.spirit[s] = ToInt16(f.equipSpirit[s] + f.baseSpirit[s]);
    f.level[s] = f.baseLevel[s];
    f.element[s] = f.baseElement[s];
    for (int k = 0; k < kCounters; ++k)
        if (k <= kLastResetBeforeFall || k >= kFirstResetAfterFall) f.counter(slot, k) = 0;
    f.timeGauge[s] = 0;
}

// Protection, cover and blood marks held on the fallen fighter end with it.
void ReleaseHoldsOn(Game& game, SlotIndex slot) {
    for (SlotIndex u = 0; u < kBattleSlots; ++u) {
        for (const int k : {kBondCounter, kKarmaCounter})
            if (game.f.counter(u, k) == slot + 10) game.f.counter(u, k) = 0;
        if (game.f.counter(u, kBloodMarkCounter) == slot + 1) game.f.counter(u, kBloodMarkCounter) = 0;
    }
}

bool LevelUpsSwitchedOff(Game& game) {
    const MenuItem* item = game.form.menus.find("mnuNotLvup");
    return item != nullptr && item->checked;
}

// Defeating a stronger fighter lifts the actor straight to the fallen fighter's own level.
void LevelUpFrom(Game& game, SlotIndex actor, SlotIndex fallen) {
    FighterTable& f = game.f;
    if (f.level[At(actor)] >= f.level[At(fallen)] || LevelUpsSwitchedOff(game)) return;
    AppendLine(game, actor, "レベルアップ！");
    f.baseLevel[At(actor)] = f.baseLevel[At(fallen)];
    f.level[At(actor)] = f.baseLevel[At(actor)];
    ApplyLevel(game, actor);
    game.platform.pause(kLevelUpPauseMs);
}

void SettleDeathContract(Game& game, SlotIndex actor, SlotIndex target, SlotIndex fallen) {
    std::uint8_t& contract = game.f.counter(fallen, kDeathContractCounter);
    if (contract == 0) return;
    ApplyDeathCurse(game, actor, target, fallen);
    contract = 0;
    game.platform.pause(kCursePauseMs);
}

void ReviveByTestament(Game& game, SlotIndex fallen) {
    std::uint8_t& testament = game.f.counter(fallen, kTestamentCounter);
    if (testament != 0) {
        game.platform.pause(kTestamentPauseMs);
        Frame& frame = game.form.ViewFrame[At(fallen)];
        frame.borderColour = ElementColour(game.f.element[At(fallen)]);
        frame.borderStyle = 0;
        game.form.ViewUnder[At(fallen)].visible = true;
        game.form.Message[At(fallen)].text = "遺言により復活！";
        game.platform.pause(kRevivalPauseMs);
        SetHp(game, fallen, testament * kTestamentHpPerPoint);
    }
    testament = 0;
}

} // namespace

void RemoveFromField(Game& game, SlotIndex slot) {
    game.form.ViewUnder[At(slot)].visible = false;
    Frame& frame = game.form.ViewFrame[At(slot)];
    frame.borderColour = kButtonFace;
    frame.borderStyle = 1;
    game.form.HScroll.visible = false;
    game.form.VScroll.visible = false;
    ResetBattleState(game, slot);
    ReleaseHoldsOn(game, slot);
}

void ResolveFalls(Game& game, SlotIndex actor, SlotIndex target) {
    MarkFalls(game, actor);
    for (SlotIndex f = 0; f < kBattleSlots; ++f) {
        if (!ShowsFallenLine(game, f)) continue;
        RemoveFromField(game, f);
        LevelUpFrom(game, actor, f);
    }
    game.platform.pause(kFallPauseMs);
    for (SlotIndex f = 0; f < kBattleSlots; ++f) {
        if (!ShowsFallenLine(game, f)) continue;
        EndSeparation(game, f);
        SettleDeathContract(game, actor, target, f);
        ReviveByTestament(game, f);
    }
}

} // namespace vk2
