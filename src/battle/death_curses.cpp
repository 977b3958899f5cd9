// What a fallen fighter's contract with the reaper (counter 42) does once it has fallen: gifts to
// its allies (1-4), taking its killer along (5), cursing the killer's side (6), darkness (7).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "battle/action_effect.h"
#include "battle/after_action_steps.h"
#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/messages.h"
#include "core/colour.h"
#include "core/numbers.h"
#include "model/game.h"
#include "model/types.h"

namespace vk2 {
namespace {

enum DeathCurse : int {
    kGiftOfWings = 1,
    kGiftOfScythe = 2,
    kGiftOfFruit = 3,
    kGiftOfHorn = 4,
    kTakenAlong = 5,
    kReapersCurse = 6,
    kDarkness = 7,
};

struct ReaperGift {
    int curse;
    std::string_view item;
    std::int32_t code;
};

// curse, item, item code
inline constexpr std::array<ReaperGift, 4> kReaperGifts{{
    {kGiftOfWings, "堕天使の羽根", kItemAccessory},
    {kGiftOfScythe, "デスサイズ", WeaponItemCode(kAxe)},
    {kGiftOfFruit, "罪の果実", kItemConsumable},
    {kGiftOfHorn, "悪魔の角笛", kItemConsumable},
}};

inline constexpr std::size_t kBagLimit = 10;
inline constexpr Colour kDarknessColour = Rgb(0, 32, 32);
inline constexpr int kDarknessTurnsPerFighter = 5;
inline constexpr int kDarknessHpCycle = 444;
inline constexpr int kDarknessBlindness = 5;
inline constexpr int kBlindnessIcon = kBlindnessCounter - kHiddenCounter;
inline constexpr int kCurseDraws = 10;
inline constexpr int kCurseStrength = 3;
inline constexpr int kCursedCounters = 8; // counters 18-25: madness to ageing
inline constexpr int kTakenAlongSound = 184;

std::size_t At(SlotIndex s) {
    return static_cast<std::size_t>(s);
}

bool Unguarded(const Game& game, SlotIndex slot) {
    return game.f.counter(slot, kStatusGuardCounter) < 2;
}

void ShowIcon(Game& game, SlotIndex slot) {
    game.form.StPic[At(slot)].visible = true;
    ShowStatusIcon(game, slot);
}

void GiveReaperGift(Game& game, SlotIndex actor, SlotIndex fallen, const ReaperGift& gift) {
    for (SlotIndex h = SideBase(fallen); h <= SideLast(game, fallen); ++h) {
        if (h == fallen || h == actor || !OnField(game, h)) continue;
        ListBox& items = game.form.Item[At(h)];
        if (items.entries.size() >= kBagLimit) {
            AppendLine(game, h, "これ以上持てません。");
            continue;
        }
        items.add(std::string(gift.item), gift.code);
        AppendLine(game, h, std::string(gift.item) + "を");
        AppendLine(game, h, "死神から与えられた。");
    }
}

void TakeKillerAlong(Game& game, SlotIndex actor, SlotIndex fallen) {
    const std::string& accessory = game.f.accessory[At(actor)];
    if (HpOf(game, actor) <= 0 || accessory == "アリスのハンカチ" || accessory == "お守り" || actor == fallen)
        return;
    RemoveFromField(game, actor);
    SetHp(game, actor, 0);
    AppendLine(game, actor, "道連れにされた。");
    PlaySoundEffect(game, kTakenAlongSound);
}

void CurseKillersSide(Game& game, SlotIndex actor, SlotIndex target) {
    for (SlotIndex s = SideBase(actor); s <= SideLast(game, actor); ++s) {
        if (s == target || !OnField(game, s) || !Unguarded(game, s)) continue;
        for (int draw = 0; draw < kCurseDraws; ++draw) {
            game.random.reseed();
            const int k = kMadnessCounter + static_cast<int>(Int(game.random.next() * kCursedCounters));
            game.f.counter(s, k) = ToByte(game.f.counter(s, k) + kCurseStrength);
        }
        ShowIcon(game, s);
        AppendLine(game, s, "死神の呪いを受けた。");
    }
}

void BringDarkness(Game& game, SlotIndex actor) {
    game.form.backColour = kDarknessColour;
    game.fieldEffectTurns = ToByte((game.partySize[0] + game.partySize[1]) * kDarknessTurnsPerFighter);
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        if (s == actor || !OnField(game, s)) continue;
        SetHp(game, s, static_cast<double>(Mod(HpOf(game, s), kDarknessHpCycle) + 1));
        if (!Unguarded(game, s)) continue;
        std::uint8_t& blindness = game.f.counter(s, kBlindnessCounter);
        blindness = ToByte(blindness + kDarknessBlindness);
        game.f.statusIconIndex[At(s)] = kBlindnessIcon;
        ShowIcon(game, s);
        AppendLine(game, s, "闇が降りてきた。");
    }
}

} // namespace

void ApplyDeathCurse(Game& game, SlotIndex actor, SlotIndex target, SlotIndex f) {
    const int curse = game.f.counter(f, kDeathContractCounter);
    for (const ReaperGift& gift : kReaperGifts)
        if (gift.curse == curse) return GiveReaperGift(game, actor, f, gift);
    if (curse == kTakenAlong) TakeKillerAlong(game, actor, f);
    if (curse == kReapersCurse) CurseKillersSide(game, actor, target);
    if (curse == kDarkness) BringDarkness(game, actor);
}

} // namespace vk2
