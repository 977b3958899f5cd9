#include "model/accessories.h"

#include <algorithm>
#include <string>

#include "core/text.h"

namespace vk2 {
namespace {

// name, description lines
// clang-format off
constexpr std::array<AccessoryCatalogueRow, 23> kAccessories{{
    {"仕置きのかんざし", {"会心の一撃が", "出やすくなる。"}},
    {"コバルトの的", {"単体魔法によるダメージを", "全て無効化。しかも自動的", "に仲間をかばう。"}},
    {"勲章", {"全種類の武器熟練度が", "99になる。"}},
    {"仏罰の数珠", {"因果応報の教えを説く。"}},
    {"祝福の鈴", {"行動後にHPが", "少しずつ回復。"}},
    {"マジックプリズム", {"行動後にMPが", "少しずつ回復。"}},
    {"アリスのハンカチ", {"夢の完全防御が実現。", "しかし唯一の弱点は…"}},
    {"根性はちまき", {"力尽きそうになっても、", "HP１でふんばる。"}},
    {"お守り", {"即死を防ぐ。"}},
    {"火龍のうろこ", {"炎属性攻撃の", "消費MPが１になる。"}},
    {"寒椿の櫛", {"冷属性攻撃の", "消費MPが１になる。"}},
    {"トルマリン", {"雷・地属性攻撃の", "消費MPが１になる。"}},
    {"かざぐるま", {"風属性攻撃の", "消費MPが１になる。"}},
    {"マーメイドティアラ", {"水属性攻撃の", "消費MPが１になる。"}},
    {"フラワークラウン", {"木属性攻撃の", "消費MPが１になる。"}},
    {"狩人の帽子", {"弓・銃による攻撃が", "必ず命中する。"}},
    {"イラキの貝殻", {"物理ダメージを受ける", "たびに守備力アップ。"}},
    {"黒狼の牙", {"物理ダメージを受ける", "たびに攻撃力アップ。"}},
    {"ミラクルピアス", {"攻撃魔法の威力が上がる。"}},
    {"エレメンタルリング", {"「たたかう」に自属性付加。", "さらに自属性ダメージを", "吸収する。"}},
    {"レッドローズ", {"炎属性ダメージを吸収。"}},
    {"ブルーローズ", {"冷・水属性ダメージを吸収。"}},
    {"堕天使の羽根", {"聖属性ダメージを無効化し、", "魔属性ダメージを吸収。"}},
}};
// clang-format on

} // namespace

std::span<const AccessoryCatalogueRow> AccessoryCatalogue() {
    return kAccessories;
}

const AccessoryCatalogueRow* FindAccessory(std::string_view name) {
    const std::string key = Left(name, 2);
    const auto it = std::find_if(kAccessories.begin(), kAccessories.end(),
                                 [&](const AccessoryCatalogueRow& row) { return Left(row.name, 2) == key; });
    return it == kAccessories.end() ? nullptr : &*it;
}

} // namespace vk2
