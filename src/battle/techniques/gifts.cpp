#include "battle/techniques/gifts.h"

#include <array>
#include <string>
#include <string_view>

#include "battle/action_effect.h"
#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/messages.h"
#include "battle/skills/skill_rules.h"
#include "battle/techniques/technique_rules.h"
#include "model/game.h"
#include "model/types.h"

namespace vk2 {
namespace {

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

constexpr int kNoRoll = -1;

// A gift chosen by the technique roll: each row names the rolls that give it.
struct Gift {
    std::array<int, 2> rolls;
    std::string_view name;
    ItemCode code;
};

template <std::size_t N> const Gift& GiftFor(const std::array<Gift, N>& gifts, int r) {
    for (const Gift& gift : gifts)
        if (gift.rolls[0] == r || gift.rolls[1] == r) return gift;
    return gifts.front();
}

void GiveItem(Game& game, SlotIndex slot, const Gift& gift) {
    game.form.Item[At(slot)].add(std::string(gift.name), gift.code);
}

// --- 栽培 ------------------------------------------------------------------------------------

constexpr Animation kGrowAnimation{EffectSlot::Target, 20, 7, Fixed(0x50EEB0), Fixed(0x88EEDD), 23};

//                          rolls               name              code
constexpr std::array<Gift, 12> kPlants{{
    {{0, kNoRoll}, "天狗の葉うちわ", kItemTool},
    {{1, 11}, "毒消し草", kItemConsumable},
    {{2, kNoRoll}, "薬草", kItemConsumable},
    {{3, 7}, "ミント", kItemConsumable},
    {{4, kNoRoll}, "レッドローズ", kItemAccessory},
    {{5, kNoRoll}, "フラワークラウン", kItemAccessory},
    {{6, 12}, "アロエ", kItemConsumable},
    {{8, kNoRoll}, "仙人の桃", kItemConsumable},
    {{9, 13}, "罪の果実", kItemConsumable},
    {{10, kNoRoll}, "ゴータミーの芥子粒", kItemConsumable},
    {{14, kNoRoll}, "高麗人参", kItemConsumable},
    {{15, kNoRoll}, "ブルーローズ", kItemAccessory},
}};

// Gifts never look at how full the bag already is.
void Grow(Game& game, Action& action) {
    PlayAnimation(game, action.target, kGrowAnimation);
    const Gift& plant = GiftFor(kPlants, game.techniqueRoll);
    GiveItem(game, action.target, plant);
    AppendLine(game, action.target, std::string(plant.name) + "を獲得。");
}

// --- トリート --------------------------------------------------------------------------------

constexpr int kTreatSound = 93;

//                          rolls              name              code
constexpr std::array<Gift, 14> kSweets{{
    {{0, 2}, "どんぐりクッキー", kItemConsumable},
    {{1, kNoRoll}, "キャロットケーキ", kItemConsumable},
    {{3, kNoRoll}, "三色ういろう", kItemConsumable},
    {{4, 12}, "中華まん", kItemConsumable},
    {{5, kNoRoll}, "よもぎ蒸しパン", kItemConsumable},
    {{6, kNoRoll}, "コスモドロップ", kItemConsumable},
    {{7, kNoRoll}, "マドレーヌ", kItemConsumable},
    {{8, kNoRoll}, "ピーチクラフティ", kItemConsumable},
    {{9, kNoRoll}, "ピロシキ", kItemConsumable},
    {{10, kNoRoll}, "豆乳プリン", kItemConsumable},
    {{11, kNoRoll}, "シルキークレープ", kItemConsumable},
    {{13, kNoRoll}, "プチショコラ", kItemConsumable},
    {{14, kNoRoll}, "八ツ橋", kItemConsumable},
    {{15, kNoRoll}, "うさぎ餅", kItemConsumable},
}};

// The key carries the sweet's name back, so the action's repeats hand over the same sweet.
void Treat(Game& game, Action& action) {
    PlaySoundEffect(game, kTreatSound);
    const Gift& sweet = GiftFor(kSweets, game.techniqueRoll);
    action.key = sweet.name;
    GiveItem(game, action.target, sweet);
    AppendLine(game, action.target, std::string(sweet.name) + "を");
    AppendLine(game, action.target, "受け取った。");
}

// --- うさぎ餅 and バクテリア分解 -------------------------------------------------------------

constexpr Animation kRiceCakeAnimation{EffectSlot::Target, 27, 7, Fixed(0xFFFFFF), Fixed(0xF0F0FF), 92};
constexpr int kChokingRoll = 10;
constexpr double kRiceCakeHeal = 4600;

void EatRiceCake(Game& game, Action& action) {
    PlayAnimation(game, action.target, kRiceCakeAnimation);
    if (game.techniqueRoll == kChokingRoll) {
        AppendLine(game, action.target, "のどに詰まらせて窒息！");
        FellFighter(game, action.target);
        return;
    }
    AppendLine(game, action.target, Heal(game, action.target, kRiceCakeHeal));
}

constexpr Animation kBacteriaAnimation{EffectSlot::Target, 15, 4, Ec(kEarth), Fixed(0x66DDBB), 23};
constexpr double kBacteriaHealRate = 0.46;

void Decompose(Game& game, Action& action) {
    const SlotIndex t = action.target;
    PlayAnimation(game, t, kBacteriaAnimation);
    game.f.counter(t, kPoisonCounter) = 0;
    game.f.counter(t, kOilCounter) = 0;
    RefreshStatusIconVisibility(game, t);
    AppendLine(game, t, "毒、油を分解。");
    AppendLine(game, t, Heal(game, t, game.f.maxHp[At(t)] * kBacteriaHealRate));
}

// --- 通電心肺蘇生 ----------------------------------------------------------------------------

constexpr Animation kShockAnimation{EffectSlot::Target, 25, 13, Ec(kThunder), kTransparent, 134};
constexpr int kReviveFromRoll = 6;
constexpr int kReviveHpOverSpirit = 30;

// The fallen fighter comes back with whatever counters and modifiers it fell with.
void Resuscitate(Game& game, Action& action) {
    const SlotIndex t = action.target;
    PlayAnimation(game, t, kShockAnimation);
    if (game.techniqueRoll < kReviveFromRoll) {
        ReplaceLine(game, t, "ミス！");
        // The shock's blink leaves the element colour on an empty frame.
        game.form.ViewFrame[At(t)].borderColour = kButtonFace;
        return;
    }
    PlaceMessageBox(game, t, 0);
    ReplaceLine(game, t, "生き返った！");
    SetHp(game, t, game.f.spirit[At(action.actor)] + kReviveHpOverSpirit);
    game.form.ViewUnder[At(t)].visible = true;
    game.form.ViewFrame[At(t)].borderStyle = 0;
    game.form.TGage[At(t)].visible = true;
}

//                                            key     handler
constexpr std::array<KeyHandler, 5> kGiftHandlers{{
    {"栽培", Grow},        // 栽培
    {"トリ", Treat},       // トリート
    {"うさ", EatRiceCake}, // the item うさぎ餅
    {"バク", Decompose},   // バクテリア分解
    {"通電", Resuscitate}, // 通電心肺蘇生
}};

} // namespace

std::span<const KeyHandler> GiftHandlers() {
    return kGiftHandlers;
}

} // namespace vk2
