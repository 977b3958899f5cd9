#include "model/item_descriptions.h"

#include <algorithm>
#include <string>

#include "battle/counters.h"
#include "core/text.h"
#include "model/command_catalogue.h"
#include "model/commands.h"
#include "model/equipment.h"
#include "model/game.h"

namespace vk2 {
namespace {

// A proposition with tens digit 4 demands a herb used on an enemy.
inline constexpr std::uint8_t kHerbOnEnemyProposition = 40;

// The herb is turned on the enemy while the proposition demands it.
bool HerbDemandedOnEnemy(const Game& game, SlotIndex slot) {
    return game.f.counter(slot, kPropositionCounter) >= kHerbOnEnemyProposition;
}

// key, description lines, actionCode, actionKind, element, [test, actionCode while it holds]
// clang-format off
constexpr ItemDescriptionRow kItemDescriptions[] = {
    {"薬草", {"仲間一人のHP回復。"}, 95, 0, kNone, HerbDemandedOnEnemy, 0}, // 薬草
    {"バイ", {"仲間一人のHP回復、", "テンションも少し上昇。"}, 0, 0, kNone, IsAutomatic, 95}, // バイタルドリンク
    {"時限", {"数ターン後に爆発、守備力", "無視のダメージを与える。"}, 116}, // 時限爆弾
    {"悪魔", {"敵味方全員に", "不吉がもたらされる。"}, 250}, // 悪魔の角笛
    {"手裏", {"敵一体に", "守備力無視ダメージ。"}, 100, 3}, // 手裏剣
    {"クイ", {"仲間全員のすばやさアップ。"}, 99}, // クイッククロック
    {"ミン", {"眠気を予防、", "または眠っている者を", "目覚めさせる。"}, 29}, // ミント
    {"マド", {"仲間一人のHP、MPを回復。"}, 74}, // マドレーヌ
    {"目薬", {"仲間一人の", "盲目状態を治す。"}, 81}, // 目薬
    {"罪の", {"仲間一人を蘇生。ただし", "聖属性ダメージで即死する", "体質になる。"}, 94}, // 罪の果実
    {"ゴー", {"仲間一人を蘇生。"}, 94}, // ゴータミーの芥子粒
    {"天面", {"魔法攻撃を反射する", "バリアを張る。"}, 10}, // 天面鏡
    {"マン", {"仲間一人のMPを完全回復。", "ただし毒に冒される。"}, 72}, // マンドラゴラ
    {"レム", {"敵全体を眠らせる。"}, 199}, // レムの振り子
    {"雷神", {"敵全体に雷属性ダメージ。"}, 199, 0, kThunder}, // 雷神太鼓
    {"天狗", {"敵一体に風属性ダメージ、", "さらに後列へ押し戻す。"}, 100, 0, kWind}, // 天狗の葉うちわ
    {"覇手", {"敵一体から攻撃力を奪う。"}, 198}, // 覇手丸
    {"毒針", {"敵一体を毒に冒す。"}, 164}, // 毒針
    {"けむ", {"敵全体の視界を奪う。"}, 199}, // けむりだま
    {"八卦", {"使用者がランダムで別の", "属性に生まれ変わる。"}, 200}, // 八卦盤
    {"毒消", {"仲間一人の毒を治療。"}, 80}, // 毒消し草
    {"ハリ", {"全ての魔法効果を消去。"}, 193}, // ハリセン
    {"クロ", {"敵一体を眠らせる。"}, 123}, // クロロホルム
    {"魔除", {"仲間一人に魔属性ダメージ", "を無効化するバリアを張る。"}, 73}, // 魔除けの札
    {"オイ", {"ミスが増え、炎属性ダメージ", "が１回だけ強化される。", "雷・水属性ダメージは半減。"}, 122}, // オイル
    {"仙人", {"仲間一人のHP、MP全快。"}, 74}, // 仙人の桃
    {"ピー", {"仲間一人のHP、MP全快。"}, 74}, // ピーチクラフティ
    {"パイ", {"テンションの上下が", "極端になる。"}, 32}, // パイナップルフラッシュ
    {"コス", {"ランダムで１つの属性を", "吸収する。"}, 35}, // コスモドロップ
    {"アロ", {"仲間一人の", "ステータス異常を治す。"}, 92}, // アロエ
    {"うさ", {"仲間一人のHP回復。"}, 95}, // うさぎ餅
    {"高麗", {"仲間一人のHP、MP、", "ステータス異常を回復。", "ただしテンションは下がる。"}, 71}, // 高麗人参
    {"キャ", {"仲間一人のHP、MP、", "ステータス異常を回復。"}, 71}, // キャロットケーキ
    {"どん", {"現在のHPの1/200だけ", "守備力アップ。"}, 0}, // どんぐりクッキー
    {"プチ", {"レベルが２つ上がる。"}, 79}, // プチショコラ
    {"シル", {"全ての属性ダメージを半減。"}, 78}, // シルキークレープ
    {"ピロ", {"現在のテンションだけ", "攻撃力、守備力アップ。"}, 0}, // ピロシキ
    {"豆乳", {"仲間一人のHP回復、", "最大HPアップ。"}, 0}, // 豆乳プリン
    {"八ツ", {"仲間一人のHP、MP回復。", "魔法効果を消去。"}, 70}, // 八ツ橋
    {"よも", {"ステータス異常を完全防御。"}, 77}, // よもぎ蒸しパン
    {"中華", {"全能力値が少しずつ上昇。"}, 0}, // 中華まん
    {"三色", {"ランダムで３種類の", "能力値が上昇。"}, 0}, // 三色ういろう
};
// clang-format on

// Commands that take the chosen item as their price or gift, and the targets they take.
struct ItemCommandRow {
    std::string_view command;
    std::uint8_t actionCode;
};

// command, actionCode
constexpr std::array<ItemCommandRow, 4> kItemCommands{{
    {kHandItemCommand, 65},
    {"ぼったくり", 197},
    {"黒ミサ", 198},
    {"ゾロアスター", 200},
}};

const ListEntry* Selected(const ListBox& list) {
    if (list.selected < 0 || list.selected >= list.count()) return nullptr;
    return &list.entries[static_cast<std::size_t>(list.selected)];
}

void DescribeItem(Game& game, SlotIndex slot, const ListEntry& entry) {
    if (entry.number >= kItemWeaponBase) {
        ApplyEquipment(game, slot, kEquipDescribe);
        return;
    }
    if (entry.number == kItemAccessory) {
        ApplyAccessory(game, slot, kEquipDescribe);
        return;
    }
    const ItemDescriptionRow* row = FindItemDescription(entry.text);
    if (row == nullptr) return;
    game.form.Message[static_cast<std::size_t>(slot)].text = JoinDescriptionLines(row->lines);
    game.actionCode = row->when != nullptr && row->when(game, slot) ? row->whenCode : row->actionCode;
    game.actionKind = row->actionKind;
    if (row->element != kNone) game.actionElements[static_cast<std::size_t>(row->element - 1)] = 1;
}

void ApplyItemCommand(Game& game, SlotIndex slot) {
    const ListEntry* command = Selected(game.form.Command[static_cast<std::size_t>(slot)]);
    if (command == nullptr) return;
    for (const ItemCommandRow& row : kItemCommands)
        if (command->text == row.command) game.actionCode = row.actionCode;
}

} // namespace

std::span<const ItemDescriptionRow> ItemDescriptions() {
    return kItemDescriptions;
}

const ItemDescriptionRow* FindItemDescription(std::string_view entryText) {
    const std::string key = Left(entryText, 2);
    const auto it = std::find_if(std::begin(kItemDescriptions), std::end(kItemDescriptions),
                                 [&](const ItemDescriptionRow& row) { return row.key == key; });
    return it == std::end(kItemDescriptions) ? nullptr : it;
}

void ShowItemDescription(Game& game, SlotIndex slot) {
    if (!IsBattleSlot(slot) || LeaveBackgroundChoice(game)) return;
    const ListEntry* entry = Selected(ItemList(game, slot));
    if (entry == nullptr) return;
    game.form.Message[static_cast<std::size_t>(slot)].visible = true;
    game.actionCode = kUnusable;
    game.actionKind = 0;
    game.actionElements.fill(0);
    DescribeItem(game, slot, *entry);
    ApplyItemCommand(game, slot);
}

} // namespace vk2
