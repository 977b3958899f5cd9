#include "battle/skills/attack_magic.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/damage.h"
#include "battle/messages.h"
#include "battle/mp_cost.h"
#include "battle/skills/execute_skill.h"
#include "battle/skills/skill_rules.h"
#include "battle/stats.h"
#include "battle/techniques/execute_technique.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/accessories.h"
#include "model/elements.h"
#include "model/game.h"
#include "model/growth.h"
#include "model/types.h"

namespace vk2 {
namespace {

struct Spell;
// How a spell finds its power and what it does around the blow.
using Cast = void (*)(Game&, Action&, const Spell&);

struct Spell {
    std::string_view key;
    Animation animation;
    int power; // the whole power, or the fixed part of a power worked out when the spell is cast
    int flags;
    Cast cast;
    std::string_view followUp = {}; // a technique key run after the blow
};

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

// A fixed amount is passed as a whole number, halves to even.
int FixedAmount(double amount) {
    return static_cast<int>(RoundHalfEven(amount));
}

void Strike(Game& game, Action& action, const Spell& spell) {
    PlayAnimation(game, action.target, spell.animation);
    ResolveAttack(game, action.actor, action.target, spell.power, spell.flags);
    if (spell.followUp.empty()) return;
    std::string key(spell.followUp);
    ExecuteTechnique(game, action.actor, action.target, key);
}

// Spends the caster's MP: half of it strengthens the blow, and none is left afterwards.
void StrikeWithAllMp(Game& game, Action& action, const Spell& spell) {
    const int power =
        static_cast<int>(Int(static_cast<double>(MpOf(game, action.actor)) * 0.5)) + spell.power;
    PlayAnimation(game, action.target, spell.animation);
    ResolveAttack(game, action.actor, action.target, power, spell.flags);
    SetMp(game, action.actor, 0);
}

void StrikeAndChill(Game& game, Action& action, const Spell& spell) {
    Strike(game, action, spell);
    const std::int64_t cut = Int(game.f.spirit[At(action.actor)] * 0.1) + 22;
    std::int16_t& defenseMod = game.f.defenseMod[At(action.target)];
    defenseMod = ToInt16(defenseMod - cut);
    RecomputeStats(game, action.target);
    AppendText(game, action.target, "守備力" + Str(cut) + " ダウン。");
}

constexpr int kPrideBreakLevelLimit = 10;
constexpr int kPrideBreakLevels = 2;

void StrikeAndHumble(Game& game, Action& action, const Spell& spell) {
    const SlotIndex t = action.target;
    const int power = static_cast<int>(Int(game.f.attack[At(action.actor)] / 6.0));
    ResolveAttack(game, action.actor, t, power, spell.flags);
    std::uint8_t& level = game.f.level[At(t)];
    if (!StrikeConnected(game, t) || level >= kPrideBreakLevelLimit) return;
    level = static_cast<std::uint8_t>(level <= kPrideBreakLevels ? 0 : level - kPrideBreakLevels);
    AppendLine(game, t, "レベル" + Str(level) + "にダウン。");
    ApplyLevel(game, t);
    SetHp(game, t, static_cast<double>(HpOf(game, t)));
    SetMp(game, t, static_cast<double>(MpOf(game, t)));
}

// The share of the target's HP that the sonic boom takes, by the target's wind affinity.
float SonicShare(int affinity) {
    switch (affinity) {
    case kWeak:
        return 0.6f;
    case kNormal:
        return 0.4f;
    case kResist:
        return 0.2f;
    case kAbsorb:
        return -0.4f;
    default:
        return 0.0f;
    }
}

constexpr double kDamageLimit = 9999;

void StrikeByShareOfHp(Game& game, Action& action, const Spell& spell) {
    const SlotIndex t = action.target;
    const float share = SonicShare(game.f.affinity[At(t)][kWind - 1]);
    double amount = static_cast<double>(HpOf(game, t)) * static_cast<double>(share);
    if (amount >= kDamageLimit) amount = kDamageLimit;
    PlayAnimation(game, t, spell.animation);
    ResolveAttack(game, action.actor, t, FixedAmount(amount), spell.flags);
}

bool InBackRow(const Game& game, SlotIndex slot) {
    return game.f.position[At(slot)] % 3 == 0;
}

// The target changes row by its own row-change command.
void MoveRow(Game& game, SlotIndex target, std::string key, std::string_view line) {
    SlotIndex self = target;
    ExecuteSkill(game, target, self, key);
    AppendLine(game, target, line);
}

void StrikeAndPullForward(Game& game, Action& action, const Spell& spell) {
    Strike(game, action, spell);
    if (InBackRow(game, action.target)) MoveRow(game, action.target, "前進", "前列に引き寄せた。");
}

void StrikeAndPushBack(Game& game, Action& action, const Spell& spell) {
    Strike(game, action, spell);
    if (!InBackRow(game, action.target)) MoveRow(game, action.target, "後退", "後列に押し戻した。");
}

constexpr int kStingDose = 4;

void StrikeAndPoison(Game& game, Action& action, const Spell& spell) {
    Strike(game, action, spell);
    if (!IsGuarded(game, action.target)) Poison(game, action.target, kStingDose);
}

// The elements this strike may take on, each only when the target is weak to it.
constexpr std::array<Element, 4> kChosenElements{kFire, kWind, kEarth, kWood};

void StrikeAtWeakness(Game& game, Action& action, const Spell& spell) {
    for (const Element e : kChosenElements) {
        const std::size_t i = e - 1u;
        game.actionElements[i] = game.f.affinity[At(action.target)][i] == kWeak ? 1 : 0;
    }
    ResolveAttack(game, action.actor, action.target, game.f.attack[At(action.actor)], spell.flags);
}

constexpr int kCurseTension = -4;

// The caster's own missing HP falls on the target.
void StrikeWithOwnWounds(Game& game, Action& action, const Spell& spell) {
    const std::int64_t missing = game.f.maxHp[At(action.actor)] - HpOf(game, action.actor);
    PlayAnimation(game, action.target, spell.animation);
    ResolveAttack(game, action.actor, action.target, FixedAmount(static_cast<double>(missing)), spell.flags);
    AdjustTension(game, action.actor, kCurseTension);
}

constexpr int kFewCommands = 5;
constexpr int kManyCommands = 35;
constexpr int kDamagePerCommand = 1000;
constexpr int kManyCommandsDamage = 30000;

// The more commands a fighter knows, the harder the item-count curse strikes it.
int DamageByCommands(const Game& game, SlotIndex slot) {
    if (game.f.accessory[At(slot)] == kAliceHandkerchief) return 0;
    const int n = game.form.Command[At(slot)].count();
    return n < kManyCommands ? (n - kFewCommands) * kDamagePerCommand : kManyCommandsDamage;
}

void StrikeByCommandCount(Game& game, Action& action, const Spell& spell) {
    PlayAnimation(game, action.target, spell.animation);
    SetMp(game, action.actor,
          static_cast<double>(MpOf(game, action.actor) - ItemCountAttackMp(game, action.actor)));
    ForEachOnSide(game, action.target, SlotTest::OnField, [&](SlotIndex j) {
        ResolveAttack(game, action.actor, j, DamageByCommands(game, j), spell.flags);
    });
}

constexpr int kUpstartTension = -7;
constexpr int kPowerPerLevel = 100;

// Only a fighter of higher level can be struck down.
void StrikeUpward(Game& game, Action& action, const Spell& spell) {
    const int actorLevel = game.f.level[At(action.actor)];
    const int targetLevel = game.f.level[At(action.target)];
    if (actorLevel >= targetLevel) {
        game.form.Message[At(action.target)].text = "ミス！";
        AdjustTension(game, action.actor, kUpstartTension);
        return;
    }
    ResolveAttack(game, action.actor, action.target, (targetLevel - actorLevel) * kPowerPerLevel,
                  spell.flags);
}

constexpr EffectSlot kOne = EffectSlot::Target;
constexpr EffectSlot kAll = EffectSlot::Marked;
constexpr Animation kNoAnimation{};
constexpr int kThis = 0;
constexpr int kEach = kEveryMarkedSlot;
constexpr int kFixed = kFixedDamage;
constexpr Tint kT = kTransparent;

// clang-format off
// By element, single target before group. The commands of a shared key go by their full names.
//   key                  slot frames/half colour A/colour B  sound   power  flags  cast                follow-up
constexpr std::array kSpells{
    Spell{"エナ",             {kOne, 19, 5, Ec(0), kT, 13},      17, kThis, Strike},               // エナジーボール
    Spell{"パワ",             {kAll, 26, 3, Ec(0), kT, 112},     25, kEach, Strike},               // パワードライブ
    Spell{"ファ",             {kOne, 19, 5, Ec(1), kT, 13},      18, kThis, Strike},               // ファイヤーボール
    Spell{"鬼火",             {kOne, 19, 4, Ec(1), Ec(8), 115},  24, kThis, Strike},               // 鬼火
    Spell{"聖火",             {kOne, 19, 4, Ec(1), Ec(9), 116},  25, kThis, Strike},               // 聖火
    Spell{"クリ",             {kAll, 23, 3, Ec(1), kT, 114},     23, kEach, Strike},               // クリムゾンフレア
    Spell{"バー",             {kAll, 17, 2, Ec(1), Ec(3), 133},  29, kEach, Strike},               // バーミリオンレイ
    Spell{"火の",             {kAll, 29, 1, Ec(1), kT, 151},     48, kEach, Strike},               // 火の大絡
    Spell{"メギ",             {kAll, 35, 2, Ec(1), kT, 112},     20, kEach, StrikeWithAllMp},      // メギド
    Spell{"つら",             {kOne, 19, 5, Ec(2), kT, 123},     16, kThis, Strike},               // つらら落とし
    Spell{"ダイ",             {kAll, 23, 3, Ec(2), kT, 121},     15, kEach, Strike},               // ダイヤモンドダスト
    Spell{"樹氷",             {kOne, 19, 5, Ec(2), Ec(7), 14},   27, kThis, Strike},               // 樹氷
    Spell{"ブリ",             {kAll, 26, 3, Ec(2), Ec(4), 141},  23, kEach, Strike},               // ブリザード
    Spell{"液体",             {kOne, 19, 4, Ec(2), kT, 123},     35, kThis, StrikeAndChill},       // 液体窒素
    Spell{"大氷",             {kAll, 26, 2, Ec(2), Ec(6), 163},  30, kEach, Strike},               // 大氷河
    Spell{"氷の",             {kAll, 29, 1, Ec(2), kT, 122},     46, kEach, Strike},               // 氷の大絡
    Spell{"レー",             {kOne, 17, 1, Ec(3), kT, 133},     17, kThis, Strike},               // レーザー
    Spell{"プラズマ",         {kOne, 20, 3, Ec(3), Ec(1), 130},  19, kThis, Strike},
    Spell{"プライドブレイク", kNoAnimation,                      0,  kThis, StrikeAndHumble},
    Spell{"サン",             {kOne, 20, 3, Ec(3), kT, 134},     23, kThis, Strike, "しゃ"},       // サンダーボルト
    Spell{"召雷",             {kAll, 21, 11, Ec(3), kT, 132},    27, kEach, Strike},               // 召雷
    Spell{"輝の",             {kAll, 29, 1, Ec(3), kT, 123},     45, kEach, Strike},               // 輝の大絡
    Spell{"雷神",             {kAll, 23, 6, Ec(3), kT, 132},     19, kEach, Strike},               // 雷神太鼓
    Spell{"気の",             {kAll, 29, 1, Ec(4), kT, 171},     45, kEach, Strike},               // 気の大絡
    Spell{"かま",             {kAll, 23, 4, Ec(4), kT, 18},      14, kEach, Strike},               // かまいたち
    Spell{"カマ",             {kAll, 23, 4, Ec(4), kT, 18},      19, kEach, Strike},               // the wind blade's slash
    Spell{"ソニ",             {kOne, 23, 3, Ec(4), kT, 14},      0,  kFixed, StrikeByShareOfHp},   // ソニックブーム
    Spell{"マハ",             {kOne, 27, 1, Ec(4), kT, 145},     22, kThis, StrikeAndPullForward}, // マハンウイング
    Spell{"天狗",             {kOne, 24, 5, Ec(4), kT, 141},     17, kThis, StrikeAndPushBack},    // 天狗の葉うちわ
    Spell{"暴風",             {kAll, 26, 3, Ec(4), Ec(6), 163},  17, kEach, Strike},               // 暴風雨
    Spell{"砂嵐",             {kAll, 18, 1, Ec(4), Ec(5), 111},  18, kEach, Strike, "ふら"},       // 砂嵐
    Spell{"疾風",             kNoAnimation,                      307, kThis, Strike},              // 疾風迅雷
    Spell{"地の",             {kAll, 29, 1, Ec(5), kT, 151},     48, kEach, Strike},               // 地の大絡
    Spell{"フォ",             {kAll, 26, 3, Ec(5), kT, 113},     28, kEach, Strike},               // フォッサマグナ
    Spell{"地下",             {kOne, 19, 5, Ec(5), Ec(6), 154},  16, kThis, Strike},               // 地下水
    Spell{"溶岩",             {kOne, 23, 8, Ec(5), Ec(1), 115},  38, kThis, Strike},               // 溶岩流
    Spell{"永久",             {kOne, 26, 3, Ec(5), Ec(2), 121},  35, kThis, Strike},               // 永久凍土
    Spell{"大地震",           {kAll, 31, 4, Ec(5), kT, 152},     34, kEach, Strike},
    Spell{"土砂",             {kAll, 23, 6, Ec(5), kT, 110},     20, kEach, Strike},               // 土砂崩れ
    Spell{"水の",             {kAll, 29, 1, Ec(6), kT, 164},     45, kEach, Strike},               // 水の大絡
    Spell{"アク",             {kAll, 19, 1, Ec(6), Ec(3), 162},  25, kEach, Strike},               // アクアマリンパルサー
    Spell{"大津",             {kAll, 27, 4, Ec(6), kT, 163},     35, kEach, Strike},               // 大津波
    Spell{"うず",             {kOne, 19, 4, Ec(6), kT, 160},     19, kThis, Strike},               // うずしお
    Spell{"船幽",             {kOne, 27, 7, Ec(6), Ec(8), 181},  26, kThis, Strike, "しゃ"},       // 船幽霊
    Spell{"樹の",             {kAll, 29, 1, Ec(7), kT, 113},     44, kEach, Strike},               // 樹の大絡
    Spell{"いば",             {kOne, 24, 5, Ec(7), kT, 9},       23, kThis, Strike},               // いばら
    Spell{"養分",             kNoAnimation,                      69, kThis, Strike},               // 養分吸収
    Spell{"吸血",             kNoAnimation,                      69, kThis, Strike},               // 吸血
    Spell{"バイオスティング", {kOne, 27, 7, Ec(7), Fixed(0x668811), 0}, 26, kThis, StrikeAndPoison},
    Spell{"リー",             {kAll, 27, 4, Ec(7), kT, 140},     17, kEach, Strike},               // リーフカッター
    Spell{"ポル",             {kAll, 23, 6, Ec(8), kT, 115},     16, kEach, Strike},               // ポルターガイスト
    Spell{"ダー",             {kAll, 27, 4, Ec(8), kT, 181},     35, kEach, Strike},               // ダークネスフォールズ
    Spell{"魔界",             {kAll, 25, 2, Ec(8), Ec(4), 132},  30, kEach, Strike},               // 魔界の嵐
    Spell{"コキ",             {kAll, 27, 7, Ec(8), Ec(2), 162},  36, kEach, Strike},               // コキュートス
    Spell{"魔弾",             {kOne, 26, 3, Ec(8), kT, 13},      25, kThis, Strike},               // 魔弾
    Spell{"血の",             {kAll, 25, 2, Ec(8), Fixed(0x002299), 3}, 26, kEach, Strike},        // 血の大絡
    Spell{"ステ",             {kOne, 23, 8, Ec(9), kT, 9},       30, kThis, Strike},               // スティグマータ
    Spell{"パニ",             {kAll, 25, 2, Ec(9), kT, 14},      15, kEach, Strike},               // パニッシュメント
    Spell{"沙羅",             {kOne, 25, 2, Ec(9), Ec(7), 154},  23, kThis, Strike},               // 沙羅双樹
    Spell{"風林",             kNoAnimation,                      0,  kThis, StrikeAtWeakness},     // 風林火山
    Spell{"丑の",             {kOne, 29, 10, Fixed(0x555555), kT, 190}, 0, kFixed, StrikeWithOwnWounds}, // 丑の刻参り
    Spell{"エミ",             {kAll, 24, 5, Ec(8), Fixed(0x553C11), 183}, 0, kFixed, StrikeByCommandCount}, // エミトウルギョン
    Spell{"下剋",             kNoAnimation,                      0,  kThis, StrikeUpward},         // 下剋上
};
// clang-format on

template <std::size_t I> void CastSpell(Game& game, Action& action) {
    kSpells[I].cast(game, action, kSpells[I]);
}

template <std::size_t... I> constexpr auto HandlersOf(std::index_sequence<I...>) {
    return std::array<KeyHandler, sizeof...(I)>{KeyHandler{kSpells[I].key, &CastSpell<I>}...};
}

constexpr auto kHandlers = HandlersOf(std::make_index_sequence<kSpells.size()>{});

} // namespace

std::span<const KeyHandler> AttackMagic() {
    return kHandlers;
}

} // namespace vk2
