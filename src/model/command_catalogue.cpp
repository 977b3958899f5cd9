#include "model/command_catalogue.h"

#include <algorithm>
#include <string>

#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/mp_cost.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/equipment.h"
#include "model/game.h"
#include "play/manual_input.h"

namespace vk2 {

// What the usability tests look at, read once per description.
struct CommandSituation {
    const Game& game;
    SlotIndex slot;
    bool automatic;
    std::int64_t hp;
    std::int64_t mp;
    int items;

    std::uint8_t c(int k) const { return game.f.counter(slot, k); }
    bool field(Colour marker) const { return game.form.backColour == marker; }
};

namespace {

using Situation = const CommandSituation&;

// The bond value of a brainwashed fighter that attacks its own side.
inline constexpr std::uint8_t kBondAttackAllies = 1;
// A fighter carries at most this many items.
inline constexpr int kItemLimit = 10;
// The wandering madness counts 100 on its carrier, so more madness than this on the field means it
// is already out.
inline constexpr int kMadnessOnTheLoose = 99;
// The healing circles wait until someone has lost this much.
inline constexpr int kHealingMargin = 1500;
inline constexpr int kSummonMinimumMp = 2;
inline constexpr std::string_view kCostLine = "消費MP…";
// The entry panel's height while a background picture is being chosen.
inline constexpr int kBackgroundChoiceHeight = 224;

inline constexpr auto kAsIs = DescriptionLayout::AsWritten;
inline constexpr auto kPad = DescriptionLayout::FourLines;

bool IsStanding(const Game& game, SlotIndex s) {
    return game.form.ViewUnder[static_cast<std::size_t>(s)].visible;
}

template <typename Pred> bool AnyOnSide(const Game& game, SlotIndex member, Pred pred) {
    for (SlotIndex s = SideBase(member); s <= SideLast(game, member); ++s)
        if (pred(s)) return true;
    return false;
}

SlotIndex OppositeMember(SlotIndex slot) {
    return 3 - SideBase(slot);
}

template <int k> bool CounterSet(Situation x) {
    return x.c(k) != 0;
}

template <Colour marker> bool FieldIs(Situation x) {
    return x.field(marker);
}

bool Automatic(Situation x) {
    return x.automatic;
}

// An automatic fighter in hiding does not give itself away with a blow, unless madness or a bond
// drives it.
bool HiddenAutomaticStrike(Situation x) {
    return x.automatic && x.c(kHiddenCounter) != 0 && x.c(kMadnessCounter) == 0 &&
           x.c(kBondCounter) != kBondAttackAllies;
}

bool ItemsFull(Situation x) {
    return x.items >= kItemLimit;
}

bool NoItems(Situation x) {
    return x.items == 0;
}

bool NoPictures(Situation x) {
    return x.game.form.File1.count() == 0;
}

bool SummonRefused(Situation x) {
    return x.mp < kSummonMinimumMp || x.field(kSilentSnowField);
}

bool NoDefense(Situation x) {
    return x.game.f.defense[static_cast<std::size_t>(x.slot)] == 0;
}

bool NoSpirit(Situation x) {
    return x.game.f.spirit[static_cast<std::size_t>(x.slot)] == 0;
}

bool MpFull(Situation x) {
    return x.mp == x.game.f.maxMp[static_cast<std::size_t>(x.slot)];
}

bool NoMp(Situation x) {
    return x.mp == 0;
}

bool NothingToOffer(Situation x) {
    return x.game.f.maxMp[static_cast<std::size_t>(x.slot)] == 0 || x.items == 0;
}

// An automatic fighter raises a barrier only while a standing member of its side lacks it.
template <int barrier> bool NoAllyWithout(Situation x) {
    const auto lacks = [&](SlotIndex s) {
        return IsStanding(x.game, s) && x.game.f.counter(s, barrier) == 0;
    };
    return x.automatic && !AnyOnSide(x.game, x.slot, lacks);
}

// An automatic fighter heals the whole side only when a standing member is well down.
bool NoAllyWounded(Situation x) {
    const auto wounded = [&](SlotIndex s) {
        return IsStanding(x.game, s) &&
               HpOf(x.game, s) < x.game.f.maxHp[static_cast<std::size_t>(s)] - kHealingMargin;
    };
    return x.automatic && !AnyOnSide(x.game, x.slot, wounded);
}

// An automatic fighter with an even HP keeps its element.
bool StanceRefused(Situation x) {
    return x.game.f.element[static_cast<std::size_t>(x.slot)] == kNone || (x.automatic && Mod(x.hp, 2) == 0);
}

bool AdrenalineRefused(Situation x) {
    return x.c(kAdrenalineCounter) != 0 ||
           x.game.form.TGage[static_cast<std::size_t>(x.slot)].backColour == kTensionLowColour;
}

// Shifting the rows needs a standing fighter in another row whose row and ours do not add up to a
// multiple of three.
bool NoRowToShift(Situation x) {
    const int own = x.game.f.position[static_cast<std::size_t>(x.slot)];
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        const int other = x.game.f.position[static_cast<std::size_t>(s)];
        if (x.game.form.ViewFrame[static_cast<std::size_t>(s)].borderStyle == 0 && other != own &&
            Mod(own + other, 3) != 0)
            return false;
    }
    return true;
}

bool NothingToBreakDown(Situation x) {
    return x.c(kPoisonCounter) == 0 && x.c(kOilCounter) == 0;
}

// A manual fighter may always top up while not full; an automatic one waits until it is low.
bool PhotosynthesisRefused(Situation x) {
    const double maxHp = x.game.f.maxHp[static_cast<std::size_t>(x.slot)];
    if (!x.automatic) return static_cast<double>(x.hp) == maxHp;
    return !(x.c(kReversedHealingCounter) == 0 && static_cast<double>(x.hp) < 0.6 * maxHp);
}

bool ItemCountAttackRefused(Situation x) {
    return x.mp < ItemCountAttackMp(x.game, x.slot) || x.field(kSilentSnowField);
}

bool MadnessEverywhere(Situation x) {
    int sum = 0;
    for (SlotIndex s = 0; s < kBattleSlots; ++s) sum += x.game.f.counter(s, kMadnessCounter);
    return sum > kMadnessOnTheLoose;
}

// An automatic fighter raises the dead only when a fallen enemy still shows its numbers.
bool NoEnemyToRaise(Situation x) {
    const auto raisable = [&](SlotIndex s) {
        const auto i = static_cast<std::size_t>(s);
        return x.game.form.ViewFrame[i].borderStyle == 1 && x.game.form.HPMP[i].visible;
    };
    return x.automatic && !AnyOnSide(x.game, OppositeMember(x.slot), raisable);
}

// An automatic fighter averages everybody's HP and MP only as a last resort.
bool NotDesperate(Situation x) {
    const double maxHp = x.game.f.maxHp[static_cast<std::size_t>(x.slot)];
    return x.automatic && !(static_cast<double>(x.hp) < 0.22 * maxHp);
}

// keys, whole entry, description lines, layout, actionCode, actionKind, elements,
// [test, actionCode while it holds, cost note, shortfall, what comes from the weapon]
// clang-format off
constexpr CommandCatalogueRow kCatalogue[] = {
    {{"たた"}, {}, {"で攻撃。"}, kAsIs, 100, 2, {}, HiddenAutomaticStrike, kUnusable, {}, {}, FromWeapon::NameAndElements}, // たたかう
    {{"龍虎"}, {}, {"ドラゴンクローと虎咬を", "両方装備しての猛攻。"}, kAsIs, 100, 2, {}, HiddenAutomaticStrike, kUnusable, {}, {}, FromWeapon::Elements}, // 龍虎乱舞
    {{"ぼう"}, {}, {"守りに徹する。"}, kAsIs, 200, 0, {}}, // ぼうぎょ
    {{"前進"}, {}, {"敵との間合を詰める。"}, kAsIs, 200, 0, {}}, // 前進
    {{"後退"}, {}, {"敵との間合をとる。"}, kAsIs, 200, 0, {}}, // 後退
    {{"マグ"}, {}, {"仲間一人の", "魔法ダメージを半減する｡"}, kPad, 9, 1, {}}, // マグネティックシールド
    {{"オー"}, {}, {"敵一体の視界を奪う。"}, kPad, 120, 1, {}}, // オーロラ
    {{"アア"}, {}, {"アアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアァァァァーーーーーーーーーーーッ！！！！！"}, kAsIs, 100, 2, {}}, // アアアアアアアア！！！
    {{"二連"}, {}, {"敵一体を２回連続攻撃。"}, kPad, 100, 2, {}}, // 二連撃
    {{"三連"}, {}, {"敵一体を３回連続攻撃。"}, kPad, 100, 2, {}}, // 三連撃
    {{"エナ"}, {}, {"敵一体に無属性ダメージ。"}, kPad, 100, 1, {}}, // エナジーボール
    {{"パワ"}, {}, {"敵全体に無属性ダメージ。"}, kPad, 199, 1, {}}, // パワードライブ
    {{"気合"}, {}, {"次ターンの攻撃力を倍増。"}, kAsIs, 200, 0, {}, CounterSet<kChargeCounter>}, // 気合ため
    {{"精神"}, {}, {"次ターンの精神力を倍増。"}, kAsIs, 200, 0, {}, CounterSet<kConcentrationCounter>}, // 精神統一
    {{"突撃"}, {}, {"敵一体に物理ダメージ、", "さらに後列へ押し戻す。"}, kAsIs, 198, 2, {}}, // 突撃
    {{"ぬす"}, {}, {"アイテムを盗む。"}, kAsIs, 166, 0, {}, nullptr, kUnusable, {}, {ItemsFull, {"これ以上持てない。"}}}, // ぬすむ
    {{"下剋"}, {}, {"自分よりレベルの高い敵に", "のみ有効な物理攻撃。"}, kAsIs, 187, 3, {}}, // 下剋上
    {{"召喚"}, {}, {"ランダムで画像を召喚する。"}, kPad, 200, 0, {}, SummonRefused, kUnusable, "消費MP…半分", {NoPictures, {"指定のフォルダに", "画像がありません。"}}}, // 召喚
    {{"修羅"}, {}, {"物理攻撃を受けると", "守備力無視ダメージで", "反撃する。"}, kAsIs, 200, 0, {}}, // 修羅　相斬
    {{"こも", "コー", "催眠"}, {}, {"敵一体を眠らせる。"}, kPad, 123, 1, {}}, // こもりうた, コールドスリープ, 催眠アロマ
    {{"ブレ"}, {}, {"敵一体を混乱させる。"}, kPad, 124, 1, {}}, // ブレインスクラッチ
    {{"白無"}, {}, {"敵一体のHPをこれ以上", "回復できなくする。"}, kPad, 195, 1, {}}, // 白無常
    {{"黒無"}, {}, {"敵一体のHP・MPを", "確認不能にする。"}, kPad, 196, 1, {}}, // 黒無常
    {{"トラ"}, {}, {"敵一体に弱点属性を作る。"}, kPad, 189, 1, {}}, // トラウマ
    {{"かば"}, {}, {"仲間を物理攻撃から守る。"}, kAsIs, 68, 0, {}}, // かばう
    {{"イン"}, {}, {"自分のステータス異常を", "誰かに移す。"}, kPad, 167, 0, {}}, // インフェクション
    {{"ノー"}, {}, {"守備力０と引き換えに", "攻撃力・すばやさアップ。"}, kAsIs, 200, 0, {}, NoDefense}, // ノーガード戦法
    {{"瞑想"}, {}, {"一時的に無防備になって", "MPを回復。"}, kAsIs, 200, 0, {}, MpFull}, // 瞑想
    {{"レモ"}, {}, {"雷・風属性ダメージを", "無効化するバリアを張る。"}, kPad, 99, 1, {}, NoAllyWithout<kLemonBarrierCounter>}, // レモンバリアー
    {{"オレ"}, {}, {"炎・地属性ダメージを", "無効化するバリアを張る。"}, kPad, 99, 1, {}, NoAllyWithout<kOrangeBarrierCounter>}, // オレンジバリアー
    {{"ライ"}, {}, {"冷・水・木属性ダメージを", "無効化するバリアを張る。"}, kPad, 99, 1, {}, NoAllyWithout<kLimeBarrierCounter>}, // ライムバリアー
    {{"カボ"}, {}, {"無属性ダメージを", "無効化するバリアを張る。"}, kPad, 99, 1, {}, NoAllyWithout<kKabosuBarrierCounter>}, // カボスバリアー
    {{"無の"}, {}, {"自分自身と装備品の属性を", "捨て、無属性になる。"}, kAsIs, 200, 0, {}, StanceRefused}, // 無の構え
    {{"アド"}, {}, {"テンションゲージが青になる", "までの間、攻撃力アップ。", "すでに青だと使えない。"}, kPad, 200, 0, {}, AdrenalineRefused}, // アドレナリン
    {{"ダッ"}, {}, {"すばやさが上がる代わりに", "行動後、HPが減少する。"}, kAsIs, 200, 0, {}, CounterSet<kDashCounter>}, // ダッシュ
    {{"一期"}, {}, {"物理攻撃。これでとどめを", "刺された者は蘇生不能。"}, kAsIs, 100, 2, {}}, // 一期一会
    {{"スネ"}, {}, {"物理攻撃が確実に", "命中するようになる。"}, kPad, 200, 0, {}, CounterSet<kSureHitCounter>}, // スネークアイズ
    {{"灰色"}, {}, {"一定時間、敵味方全員の", "MP消費が０になる。"}, kPad, 250, 0, {}, FieldIs<kGreyCrescentField>}, // 灰色三日月
    {{"おど"}, {}, {"BGMのテンポ、長さに応じて", "行動回数が増える。"}, kAsIs, 200, 0, {}, CounterSet<kStepCounter>}, // おどる
    {{"こわ"}, {}, {"敵の装備品を破壊する。", "ただし素手では使えず、", "失敗すると自分の武器が", "壊れる。"}, kAsIs, 188, 2, {}}, // こわす
    {{"そぎ"}, {}, {"物理ダメージに加え、", "守備力ダウン。"}, kPad, 100, 2, {}}, // そぎ落とす
    {{"おし"}, {}, {"敵一体に守備力無視の", "物理ダメージ。"}, kPad, 100, 2, {}}, // おしびたる
    {{"風林"}, {}, {"風・木・炎・地のうち、", "相手に適した属性を", "付加した物理攻撃。"}, kPad, 100, 2, {}}, // 風林火山
    {{"カロ"}, {}, {"物理ダメージに加え、", "HP回復量を半減する。"}, kPad, 100, 2, {}}, // カロリーブレイク
    {{"スキ"}, {}, {"物理ダメージに加え、", "装備武器の熟練度ダウン。"}, kPad, 100, 2, {}}, // スキルブレイク
    {{"メモ"}, {}, {"物理ダメージに加え、", "技をいくつか忘れさせる。"}, kPad, 100, 2, {}}, // メモリーブレイク
    {{"プラ"}, {}, {"物理ダメージに加え、", "レベルを２つ下げる。"}, kPad, 100, 2, {}}, // プライドブレイク
    {{"プラ"}, "プラズマ", {"敵一体に", "雷・炎属性ダメージ。"}, kPad, 100, 1, {kFire, kThunder}}, // プラズマ
    {{"すり"}, {}, {"装備品以外のアイテムを", "丸ごと、誰かと交換する。"}, kAsIs, 191, 0, {}}, // すりかえ
    {{"ニュ"}, {}, {"装備品以外のアイテムを", "全員でシャッフルする。"}, kPad, 250, 0, {}}, // ニューディール
    {{"ぼっ"}, {}, {"HPとMPの半分を代価に、", "アイテムを１つ売りつける。"}, kPad, 197, 0, {}, NoItems}, // ぼったくり
    {{"時間"}, {}, {"敵一体のすばやさを盗む。"}, kPad, 198, 0, {}}, // 時間どろぼう
    {{"月下"}, {}, {"精神力が1/4になるが、", "攻撃力が大幅アップ。"}, kPad, 200, 0, {}, NoSpirit}, // 月下慟哭
    {{"ファ"}, {}, {"敵一体に炎属性ダメージ。"}, kPad, 100, 1, {kFire}}, // ファイヤーボール
    {{"鬼火"}, {}, {"敵一体に", "炎・魔属性ダメージ。"}, kPad, 100, 1, {kFire, kDark}}, // 鬼火
    {{"聖火"}, {}, {"敵一体に", "炎・聖属性ダメージ。"}, kPad, 100, 1, {kFire, kHoly}}, // 聖火
    {{"かげ"}, {}, {"敵一体の視界を奪う。"}, kPad, 100, 1, {}}, // かげろう
    {{"クリ", "火の"}, {}, {"敵全体に炎属性ダメージ。"}, kPad, 199, 1, {kFire}}, // クリムゾンフレア, 火の大絡
    {{"バー"}, {}, {"敵全体に", "炎・雷属性ダメージ。"}, kPad, 199, 1, {kFire, kThunder}}, // バーミリオンレイ
    {{"メギ"}, {}, {"MPの全てを炎に変換。"}, kPad, 199, 0, {kFire}, NoMp, kUnusable, "消費MP…全部"}, // メギド
    {{"ゾロ"}, {}, {"アイテムを１個捧げ", "MPを２倍に増幅。"}, kPad, 200, 0, {}, NothingToOffer}, // ゾロアスター
    {{"ハー"}, {}, {"誰か一人のテンションを", "最高潮にする。"}, kPad, 75, 1, {}}, // ハートに火をつけろ
    {{"通電"}, {}, {"仲間一人を蘇生。", "失敗することもある。"}, kPad, 94, 0, {}}, // 通電心肺蘇生
    {{"生命", "フェ"}, {}, {"仲間一人をHP全快で蘇生。"}, kPad, 94, 0, {}}, // 生命の息吹, フェニックス
    {{"フレ"}, {}, {"仲間一人の", "魔法ダメージを半減する｡"}, kPad, 8, 1, {}}, // フレイムカーテン
    {{"レッ"}, {}, {"「たたかう」に炎属性付加。", "さらに炎属性ダメージを", "吸収する。"}, kPad, 34, 1, {}}, // レッドスピリット
    {{"真紅"}, {}, {"敵味方全員が", "狂気に駆られる。"}, kPad, 250, 0, {}}, // 真紅の空
    {{"つら"}, {}, {"敵一体に冷属性ダメージ。"}, kPad, 100, 1, {kCold}}, // つらら落とし
    {{"ダイ", "氷の"}, {}, {"敵全体に冷属性ダメージ。"}, kPad, 199, 1, {kCold}}, // ダイヤモンドダスト, 氷の大絡
    {{"樹氷"}, {}, {"敵一体に", "冷・木属性ダメージ。"}, kPad, 100, 1, {kCold, kWood}}, // 樹氷
    {{"アイ"}, "アイスウォール", {"仲間一人の", "物理ダメージを半減する｡"}, kPad, 6, 1, {}}, // アイスウォール
    {{"アイ"}, "アイテム使用", {"アイテムを使う。"}, kAsIs, kUnusable, 0, {}, nullptr, kUnusable, {}, {NoItems, {"何も持っていない。"}}}, // アイテム使用
    {{"アイ"}, "アイテムをわたす", {"アイテムを譲り渡す。", "捨てるには、ピリオドキーか", "フィールド上クリック。"}, kAsIs, kUnusable, 0, {}, nullptr, kUnusable, {}, {NoItems, {"何も持っていない。"}}}, // アイテムをわたす
    {{"液体"}, {}, {"敵一体に冷属性ダメージ、", "さらに守備力ダウン。"}, kPad, 100, 1, {kCold}}, // 液体窒素
    {{"大氷"}, {}, {"敵全体に", "冷・水属性ダメージ。"}, kPad, 199, 1, {kCold, kWater}}, // 大氷河
    {{"ブリ"}, {}, {"敵全体に", "冷・風属性ダメージ。"}, kPad, 199, 1, {kCold, kWind}}, // ブリザード
    {{"静寂"}, {}, {"一定時間、敵味方全員が", "MP消費技を使用不能。"}, kPad, 250, 0, {}, FieldIs<kSilentSnowField>}, // 静寂の雪
    {{"レー"}, {}, {"敵一体に雷属性ダメージ。"}, kPad, 100, 1, {kThunder}}, // レーザー
    {{"サン"}, {}, {"敵一体に雷属性ダメージ、", "さらに麻痺させる。"}, kPad, 100, 1, {kThunder}}, // サンダーボルト
    {{"召雷", "輝の"}, {}, {"敵全体に雷属性ダメージ。"}, kPad, 199, 1, {kThunder}}, // 召雷, 輝の大絡
    {{"怪電"}, {}, {"敵一体を混乱させる。"}, kPad, 124, 1, {}}, // 怪電波
    {{"磁気"}, {}, {"一定時間、空間全体の", "MP消費量が３倍になる。"}, kPad, 250, 0, {}, FieldIs<kMagneticAnomalyField>}, // 磁気異常
    {{"スパ", "しび"}, {}, {"敵全体を麻痺させる。"}, kPad, 199, 1, {}}, // スパークシュート, しびれ花粉
    {{"帯電"}, {}, {"物理攻撃を受けるたびに", "雷属性ダメージを返す。"}, kPad, 200, 0, {}, CounterSet<kElectrifiedCounter>}, // 帯電
    {{"フラ"}, {}, {"敵全体の視界を奪う。"}, kPad, 199, 1, {}}, // フラッシュ
    {{"アー"}, {}, {"仲間一人の", "物理ダメージを半減する｡"}, kPad, 5, 1, {}}, // アースプロテクト
    {{"かま", "気の"}, {}, {"敵全体に風属性ダメージ。"}, kPad, 199, 1, {kWind}}, // かまいたち, 気の大絡
    {{"ソニ"}, {}, {"敵一体に守備力無視の", "風属性ダメージ。"}, kPad, 100, 1, {kWind}}, // ソニックブーム
    {{"マハ"}, {}, {"敵一体に風属性ダメージ、", "さらに前列へ引き寄せる。"}, kPad, 100, 1, {kWind}}, // マハンウイング
    {{"暴風"}, {}, {"敵全体に", "風・水属性ダメージ。"}, kPad, 199, 1, {kWind, kWater}}, // 暴風雨
    {{"追い"}, {}, {"仲間一人のすばやさアップ。"}, kPad, 28, 1, {}}, // 追い風
    {{"砂嵐"}, {}, {"敵全体に風・地属性", "ダメージ、さらに視界を奪う。"}, kPad, 199, 1, {kWind, kEarth}}, // 砂嵐
    {{"ウイ"}, {}, {"仲間一人の", "物理ダメージを半減する。"}, kPad, 7, 1, {}}, // ウインドガード
    {{"癒し", "ヒー", "森林"}, {}, {"仲間全員のHP回復。"}, kPad, 99, 1, {}, NoAllyWounded}, // 癒しの風, ヒーリングオーラ, 森林浴
    {{"疾風"}, {}, {"敵一体に風・雷属性付加の", "物理ダメージ。"}, kPad, 100, 2, {kThunder, kWind}}, // 疾風迅雷
    {{"エア"}, {}, {"敵全体のすばやさダウン。"}, kPad, 199, 1, {}}, // エアロプレッシャー
    {{"地の", "フォ", "土砂"}, {}, {"敵全体に地属性ダメージ。"}, kPad, 199, 1, {kEarth}}, // 地の大絡, フォッサマグナ, 土砂崩れ
    {{"土葬"}, {}, {"敵一体を即死させる。"}, kPad, 100, 1, {}}, // 土葬
    {{"永久"}, {}, {"敵一体に", "地・冷属性ダメージ。"}, kPad, 100, 1, {kCold, kEarth}}, // 永久凍土
    {{"鉱毒"}, {}, {"敵一体を毒に冒す。"}, kPad, 164, 1, {}}, // 鉱毒
    {{"地下"}, {}, {"敵一体に", "地・水属性ダメージ。"}, kPad, 161, 1, {kEarth, kWater}}, // 地下水
    {{"溶岩"}, {}, {"敵一体に", "地・炎属性ダメージ。"}, kPad, 100, 1, {kFire, kEarth}}, // 溶岩流
    {{"地盤"}, {}, {"敵味方全員の", "隊列を片寄せする。"}, kPad, 250, 0, {}, NoRowToShift}, // 地盤隆起
    {{"ぬか"}, {}, {"敵一体のすばやさダウン。"}, kPad, 128, 1, {}}, // ぬかるみ
    {{"大地", "救い"}, {}, {"仲間一人のHP回復。"}, kPad, 95, 1, {}}, // 大地の恵み, 救いの掌
    {{"大地"}, "大地震", {"敵味方全員に", "地属性ダメージ。"}, kPad, 250, 1, {kEarth}}, // 大地震
    {{"バク"}, {}, {"毒・油を分解してHP回復。"}, kPad, 200, 0, {}, NothingToBreakDown}, // バクテリア分解
    {{"水の", "大津"}, {}, {"敵全体に水属性ダメージ。"}, kPad, 199, 1, {kWater}}, // 水の大絡, 大津波
    {{"アク"}, {}, {"敵全体に", "水・雷属性ダメージ。"}, kPad, 199, 1, {kThunder, kWater}}, // アクアマリンパルサー
    {{"ポイ"}, {}, {"敵全体を毒に冒す。"}, kPad, 199, 1, {}}, // ポイズンミスト
    {{"奇跡"}, {}, {"仲間一人のHP全快、", "ステータス異常も回復。"}, kPad, 76, 1, {}}, // 奇跡の泉
    {{"清流"}, {}, {"仲間一人の", "ステータス異常を回復。"}, kPad, 92, 1, {}}, // 清流
    {{"うず"}, {}, {"敵一体に水属性ダメージ。"}, kPad, 161, 1, {kWater}}, // うずしお
    {{"水鏡"}, {}, {"魔法攻撃を反射する", "バリアを張る。"}, kPad, 10, 1, {}}, // 水鏡
    {{"霧が", "木の"}, {}, {"物理攻撃の回避率アップ。", "ただし、飛び道具以外で", "自ら物理攻撃すると解除。"}, kPad, 200, 0, {}, CounterSet<kHiddenCounter>}, // 霧がくれ, 木の葉がくれ
    {{"船幽"}, {}, {"敵一体に水・魔属性", "ダメージ、さらに麻痺させる。"}, kPad, 100, 1, {kWater, kDark}}, // 船幽霊
    {{"クラ"}, {}, {"敵一体の攻撃力、守備力、", "すばやさ、精神力のどれか", "を一定時間０にする。"}, kPad, 100, 1, {}}, // クラムボン
    {{"ドッ"}, {}, {"敵全体を老化させる。"}, kPad, 199, 1, {}}, // ドッドカーム
    {{"樹の", "リー"}, {}, {"敵全体に木属性ダメージ。"}, kPad, 199, 1, {kWood}}, // 樹の大絡, リーフカッター
    {{"栽培"}, {}, {"植物アイテムを", "ランダムで１つ得る。"}, kPad, 62, 0, {}}, // 栽培
    {{"狂気"}, {}, {"敵一体を", "狂気に駆り立てる。"}, kPad, 118, 1, {}}, // 狂気の桜
    {{"いば"}, {}, {"敵一体に木属性ダメージ。"}, kPad, 100, 1, {kWood}}, // いばら
    {{"養分"}, {}, {"敵一体からHP吸収。"}, kPad, 198, 3, {kWood}}, // 養分吸収
    {{"バイ"}, {}, {"敵一体に木属性ダメージ、", "さらに毒に冒す。"}, kPad, 100, 1, {kWood}, Automatic, 145}, // バイオスティング
    {{"ジギ"}, {}, {"敵一体を毒に冒す。", "ときどき即死。"}, kPad, 100, 1, {}, Automatic, 145}, // ジギタリス
    {{"ユグ"}, {}, {"仲間全員が", "薬草を１個ずつ獲得し、", "ステータス異常も回復。"}, kPad, 99, 0, {}}, // ユグドラシル
    {{"光合"}, {}, {"自分のHPを２倍に回復。"}, kPad, 200, 0, {}, PhotosynthesisRefused}, // 光合成
    {{"夾竹"}, {}, {"炎属性ダメージを受ける", "たびに、猛毒の煙で反撃。"}, kPad, 200, 0, {}, CounterSet<kOleanderCounter>}, // 夾竹桃
    {{"死の"}, {}, {"敵全体を即死させる。"}, kPad, 199, 1, {}}, // 死の大絡
    {{"ナイ"}, {}, {"眠っている敵からHP吸収。"}, kPad, 184, 0, {}}, // ナイトメア
    {{"丑の"}, {}, {"敵一体に、受けた傷の", "深さだけダメージ。"}, kPad, 100, 1, {}}, // 丑の刻参り
    {{"エミ"}, {}, {"敵全体に", "技の数×1000のダメージ。"}, kPad, 199, 1, {}, ItemCountAttackRefused, kUnusable, "消費MP…アイテム数×10"}, // エミトウルギョン
    {{"死神"}, {}, {"術者の死亡時に死神が", "契約内容を執行する。"}, kPad, 242, 0, {}}, // 死神との契約
    {{"ポル", "ダー"}, {}, {"敵全体に魔属性ダメージ。"}, kPad, 199, 1, {kDark}}, // ポルターガイスト, ダークネスフォールズ
    {{"ヴェ"}, {}, {"通常の回復がダメージ化し、", "毒で回復するようになる。"}, kPad, 145, 1, {}, Automatic, 163}, // ヴェノム・ゲノム
    {{"アヌ"}, {}, {"敵一体を瀕死状態にする。"}, kPad, 100, 1, {}}, // アヌビスの瞳
    {{"ワン"}, {}, {"狂気が彷徨う…"}, kPad, 250, 0, {}, MadnessEverywhere}, // ワンダリングインサニティ
    {{"カリ"}, {}, {"一定時間、空間全体の", "魔属性ダメージが３倍に、", "聖属性ダメージが1/3に", "なる。"}, kAsIs, 250, 0, {}, FieldIs<kKaliYugaField>}, // カリ・ユガ
    {{"魔界"}, {}, {"敵全体に", "魔・風属性ダメージ。"}, kPad, 199, 1, {kWind, kDark}}, // 魔界の嵐
    {{"コキ"}, {}, {"敵全体に", "魔・冷属性ダメージ。"}, kPad, 199, 1, {kCold, kDark}}, // コキュートス
    {{"血の"}, {}, {"敵全体からHP吸収。"}, kPad, 199, 0, {}}, // 血の大絡
    {{"魔弾"}, {}, {"敵一体に魔属性ダメージ。"}, kPad, 100, 1, {kDark}}, // 魔弾
    {{"吸血"}, {}, {"敵一体からHP吸収。"}, kPad, 198, 3, {kDark}}, // 吸血
    {{"黒ミ"}, {}, {"アイテムを１個捧げ、", "誰か一人を魔属性に", "生まれ変わらせる。"}, kPad, 85, 0, {}, NoItems}, // 黒ミサ
    {{"ネク"}, {}, {"敵側の死者をHP１の", "混乱状態で蘇生する。"}, kPad, 199, 1, {}, NoEnemyToRaise}, // ネクロマンシー
    {{"シャ"}, {}, {"敵一体を麻痺させる。"}, kPad, 100, 1, {}}, // シャドウステッチ
    {{"カオ"}, {}, {"「たたかう」に相手の", "弱点属性が自動付加する。"}, kPad, 200, 1, {}, CounterSet<kWeaknessSeekerCounter>}, // カオスマトリックス
    {{"神の"}, {}, {"敵味方全員のHP、MPが", "平均化される。"}, kPad, 250, 0, {}, NotDesperate}, // 神の見えざる手
    {{"一切"}, {}, {"全ての属性が弱点となる。"}, kPad, 189, 1, {}}, // 一切皆苦
    {{"愛別"}, {}, {"死ぬまで敵を孤立させる。"}, kPad, 190, 0, {}}, // 愛別離苦
    {{"求不"}, {}, {"敵一体のアイテムを", "使用できなくする。"}, kPad, 138, 0, {}}, // 求不得苦
    {{"因果"}, {}, {"あらゆるダメージに対して", "カウンターを返す。"}, kPad, 200, 0, {}, CounterSet<kKarmaCounter>}, // 因果応報
    {{"生老"}, {}, {"「生」 レベル０になる。", "「老」 老化する。", "「病」 多重ステータス異常。", "「死」 即死。"}, kAsIs, 100, 1, {}}, // 生老病死
    {{"沙羅"}, {}, {"敵一体に", "聖・木属性ダメージ。"}, kPad, 100, 1, {kWood, kHoly}}, // 沙羅双樹
    {{"神隠"}, {}, {"？"}, kPad, 100, 0, {}}, // 神隠し
    {{"天使"}, {}, {"敵全体のアイテムを", "１個ずつ失わせる。"}, kPad, 199, 1, {}}, // 天使のわけまえ
    {{"ラザ"}, {}, {"死亡時、自動的に復活。"}, kPad, 243, 0, {}}, // ラザロの遺言
    {{"世の"}, {}, {"敵一体に", "天からの命題を課す。"}, kPad, 112, 1, {}}, // 世の死を見つめる天の童
    {{"光の", "禊ぎ"}, {}, {"全ての魔法効果を消去。"}, kPad, 93, 0, {}}, // 光の渦, 禊ぎ祓い
    {{"ステ"}, {}, {"敵一体に聖属性ダメージ。"}, kPad, 100, 1, {kHoly}}, // スティグマータ
    {{"パニ"}, {}, {"敵全体に聖属性ダメージ。"}, kPad, 199, 1, {kHoly}}, // パニッシュメント
    {{"ドグ"}, {}, {"敵一体を洗脳する。"}, kPad, 198, 0, {}}, // ドグマ
    {{"アタ"}, {}, {"ステータス異常を完全防御。"}, kPad, 69, 0, {}}, // アタラクシア
    {{"バプ"}, {}, {"誰か一人を聖属性に", "生まれ変わらせる。"}, kPad, 186, 0, {}}, // バプテスマ
    {{"ホー"}, {}, {"装備品も含め、敵全体の", "属性効果を無にする。"}, kPad, 199, 1, {}}, // ホーリーヴォイド
    {{"もの"}, {}, {"最後に行った行動をまねる。"}, kAsIs, 190, 0, {}}, // ものまね
    {{"ラー"}, {}, {"受けた技を習得する。"}, kAsIs, 200, 0, {}}, // ラーニング
    {{"トリ"}, {}, {"お菓子を与える。"}, kAsIs, 82, 0, {}}, // トリート
};
// clang-format on

std::string TrimSpaces(const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Lines after the last written one, so that whatever is appended starts on the fifth line.
std::string PaddingToFourLines(std::span<const std::string_view> lines) {
    const auto written =
        std::count_if(lines.begin(), lines.end(), [](std::string_view l) { return !l.empty(); });
    std::string padding;
    for (auto n = written; n < 4; ++n) padding += kCrLf;
    return padding;
}

std::string Description(const CommandCatalogueRow& row, const CommandSituation& x, bool shortfall) {
    if (shortfall) return JoinDescriptionLines(row.shortfall.lines);
    std::string text = JoinDescriptionLines(row.lines);
    if (row.fromWeapon == FromWeapon::NameAndElements)
        text = TrimSpaces(x.game.f.weapon[static_cast<std::size_t>(x.slot)]) + text;
    if (row.layout == DescriptionLayout::FourLines) text += PaddingToFourLines(row.lines);
    if (!row.costNote.empty()) text += std::string(kCrLf) + std::string(row.costNote);
    return text;
}

std::uint8_t ActionCode(const CommandCatalogueRow& row, const CommandSituation& x, bool shortfall) {
    if (shortfall) return kUnusable;
    if (row.when != nullptr && row.when(x)) return row.whenCode;
    return row.actionCode;
}

void SetElements(Game& game, SlotIndex slot, const CommandCatalogueRow& row) {
    if (row.fromWeapon != FromWeapon::Nothing) {
        game.actionElements = game.f.weaponElements[static_cast<std::size_t>(slot)];
        return;
    }
    for (Element e : row.elements)
        if (e != kNone) game.actionElements[static_cast<std::size_t>(e - 1)] = 1;
}

void ApplyRow(Game& game, SlotIndex slot, const CommandCatalogueRow& row) {
    const CommandSituation x{game,
                             slot,
                             IsAutomatic(game, slot),
                             HpOf(game, slot),
                             MpOf(game, slot),
                             ItemList(game, slot).count()};
    const bool shortfall = row.shortfall.when != nullptr && row.shortfall.when(x);
    game.form.Message[static_cast<std::size_t>(slot)].text = Description(row, x, shortfall);
    game.actionCode = ActionCode(row, x, shortfall);
    game.actionKind = row.actionKind;
    SetElements(game, slot, row);
}

bool HasKey(const CommandCatalogueRow& row, std::string_view key) {
    return std::find(row.keys.begin(), row.keys.end(), key) != row.keys.end();
}

} // namespace

std::string JoinDescriptionLines(std::span<const std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        if (line.empty()) continue;
        if (!text.empty()) text += kCrLf;
        text += line;
    }
    return text;
}

bool IsAutomatic(const Game& game, SlotIndex slot) {
    return game.form.Mode[static_cast<std::size_t>(slot)].backColour == kBlack;
}

std::span<const CommandCatalogueRow> CommandCatalogue() {
    return kCatalogue;
}

const CommandCatalogueRow* FindCommandRow(std::string_view entryText) {
    const std::string key = Left(entryText, 2);
    const CommandCatalogueRow* byKey = nullptr;
    for (const CommandCatalogueRow& row : kCatalogue) {
        if (!row.entry.empty()) {
            if (row.entry == entryText) return &row;
        } else if (byKey == nullptr && HasKey(row, key)) {
            byKey = &row;
        }
    }
    return byKey;
}

bool LeaveBackgroundChoice(Game& game) {
    if (game.form.Scouting.rect.height != kBackgroundChoiceHeight) return false;
    EndBackgroundChoice(game);
    return true;
}

void ShowCommandDescription(Game& game, SlotIndex slot) {
    if (!IsBattleSlot(slot)) return;
    LeaveBackgroundChoice(game);
    const ListBox& commands = game.form.Command[static_cast<std::size_t>(slot)];
    if (commands.selected < 0 || commands.selected >= commands.count()) return;
    const ListEntry& entry = commands.entries[static_cast<std::size_t>(commands.selected)];

    game.actionKind = 0;
    game.mpCost = 0;
    game.actionElements.fill(0);
    game.actionCode = kUnusable;
    const CommandCatalogueRow* row = FindCommandRow(entry.text);
    if (row != nullptr) ApplyRow(game, slot, *row);

    ComputeMpCost(game, slot, commands.selected);
    if (CommandRefusedForMp(game, slot)) game.actionCode = kUnusable;
    // A command without a row left the box as it was; a cost line would pile up under old text.
    if (row != nullptr && entry.number > 0)
        game.form.Message[static_cast<std::size_t>(slot)].text +=
            std::string(kCrLf) + std::string(kCostLine) + Str(game.mpCost);
}

} // namespace vk2
