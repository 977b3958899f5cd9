#include "model/starting_equipment.h"

#include <algorithm>
#include <initializer_list>

namespace vk2 {

namespace {

constexpr bool ElementIn(const StartingTraits& t, std::initializer_list<int> elements) {
    return std::find(elements.begin(), elements.end(), t.element) != elements.end();
}

constexpr bool NotDark(const StartingTraits& t) {
    return t.element != kDark;
}
constexpr bool BelowLevel4(const StartingTraits& t) {
    return t.level < 4;
}

// c from, c to, weapon, condition, weapon when the condition fails
constexpr std::array<WeaponRow, 15> kKnives{{
    {1, 1, "銀のフォーク"},
    {3, 9, "アイスピック"},
    {10, 10, "円空のノミ", NotDark},
    {29, 29, "細雪", [](const StartingTraits& t) { return t.element != kFire; }},
    {30, 45, "くない"},
    {46, 54, "柳葉包丁"},
    {55, 75, "サバイバルナイフ"},
    {79, 81, "御用十手"},
    {83, 84, "セイントダガー", NotDark},
    {85, 87, "ブラッディシザー"},
    {89, 89, "双匕首", [](const StartingTraits& t) { return t.level % 2 == 0; }},
    {90, 94, "鉄扇"},
    {95, 96, "クォーツスライサー"},
    {97, 97, "パレットナイフ", [](const StartingTraits& t) { return t.element % 2 == t.level % 2; },
     "忘れられたメス"},
    {99, 99, "オッカムの剃刀",
     [](const StartingTraits& t) {
         return ElementIn(t, {0, 2, 4});
     }},
}};

// c from, c to, weapon, condition, weapon when the condition fails
constexpr std::array<WeaponRow, 12> kBowsAndGuns{{
    {0, 15, "ボウガン"},
    {26, 28, "滋藤の弓"},
    {31, 32, "千里の弓"},
    {34, 34, "ガーンディーヴァ"},
    {35, 49, "ロングボウ"},
    {50, 65, "エアガン　"},
    {66, 68, "アサルトライフル"},
    {81, 85, "コルトガバメント"},
    {86, 86, "ゴッドファーザー"},
    {87, 93, "ベレッタM92"},
    {94, 97, "トカレフTT-33"},
    {98, 99, "ノワールダーツ",
     [](const StartingTraits& t) {
         return ElementIn(t, {0, 8, 9});
     }},
}};

// c from, c to, weapon, condition, weapon when the condition fails
constexpr std::array<WeaponRow, 15> kStavesAndWhips{{
    {1, 1, "エシ・メサの杖", [](const StartingTraits& t) { return t.element == kNone; }},
    {3, 3, "プリンセスパラソル",
     [](const StartingTraits& t) {
         return !ElementIn(t, {5, 8});
     }},
    {6, 7, "真理の錫杖"},
    {9, 9, "トゥインクルロッド"},
    {10, 10, "巨鯉の脊椎"},
    {11, 31, "カルストスタッフ"},
    {33, 38, "フラボノビュート"},
    {40, 46, "グラスウィップ"},
    {47, 54, "フレイムワンド",
     [](const StartingTraits& t) {
         return !ElementIn(t, {2, 6});
     }},
    {55, 56, "白鯨の髭"},
    {57, 65, "ウインドラッシュ"},
    {69, 71, "髑髏の杖",
     [](const StartingTraits& t) {
         return !ElementIn(t, {1, 9});
     }},
    {72, 72, "スレイブメーカー", [](const StartingTraits& t) { return t.level % 2 + t.element != 1; }},
    {73, 94, "革の鞭"},
    {95, 99, "魔女のほうき",
     [](const StartingTraits& t) {
         return ElementIn(t, {7, 8});
     }},
}};

// c from, c to, weapon, condition, weapon when the condition fails
constexpr std::array<WeaponRow, 12> kAxesAndHammers{{
    {0, 0, "ぴよぴよハンマー", BelowLevel4},
    {1, 1, "うさぎの杵", BelowLevel4},
    {2, 12, "草刈り鎌", [](const StartingTraits& t) { return t.element != kWood; }},
    {29, 38, "つるはし"},
    {43, 44, "平八郎"},
    {45, 57, "トマホーク"},
    {58, 61, "チェーンソー"},
    {62, 75, "バトルアクス"},
    {76, 82, "鏖殺大斧", [](const StartingTraits& t) { return t.element == kDark; }},
    {83, 86, "山姥の鉈"},
    {87, 87, "ラスコリニコフ"},
    {92, 96, "釘バット"},
}};

// c from, c to, weapon, condition, weapon when the condition fails
constexpr std::array<WeaponRow, 13> kSwords{{
    {0, 6, "木刀"},
    {35, 38, "シャムシール"},
    {43, 51, "クローバーレイピア"},
    {52, 63, "バスターソード"},
    {64, 66, "キリングサーベル"},
    {67, 67, "クトネシリカ"},
    {72, 73, "エクスカリバー"},
    {74, 74, "眉間尺"},
    {75, 76, "倶利伽羅不動",
     [](const StartingTraits& t) {
         return ElementIn(t, {0, 1, 9});
     },
     "斬鉄剣"},
    {77, 77, "セルゲンブレイド", BelowLevel4},
    {78, 82, "白鷺"},
    {83, 84, "備前長船兼光"},
    {89, 99, "小太刀"},
}};

// c from, c to, weapon, condition, weapon when the condition fails
constexpr std::array<WeaponRow, 11> kSpears{{
    {0, 21, "スティールランス"},
    {28, 32, "マサイの槍"},
    {43, 53, "海神の銛", [](const StartingTraits& t) { return t.element % 3 == 0; }},
    {58, 59, "如意棒"},
    {60, 60, "三途之舟漕"},
    {61, 66, "蜻蛉切"},
    {67, 70, "さすまた"},
    {74, 87, "竹槍"},
    {88, 90, "青龍偃月刀"},
    {95, 96, "ブリューナク",
     [](const StartingTraits& t) {
         return ElementIn(t, {3, 4, 9});
     }},
    {97, 98, "パラドクス",
     [](const StartingTraits& t) {
         return ElementIn(t, {0, 8});
     },
     "岩融"},
}};

// c from, c to, weapon, condition, weapon when the condition fails
constexpr std::array<WeaponRow, 10> kFistsAndClaws{{
    {0, 22, "ファイターグローブ"},
    {23, 24, "平和のためのミトン", [](const StartingTraits& t) { return t.greenSum % 5 == 3; },
     "キャットハンド"},
    {25, 34, "ヌンチャク"},
    {35, 38, "一握の砂",
     [](const StartingTraits& t) {
         return ElementIn(t, {0, 5});
     }},
    {39, 52, "カイザーナックル"},
    {57, 64, "トンファー"},
    {66, 66, "トゥミテクンペ"},
    {67, 77, "鈎爪"},
    {85, 88, "ドラゴンクロー",
     [](const StartingTraits& t) {
         return ElementIn(t, {3, 6, 7, 9});
     },
     "虎咬"},
    {89, 89, "極楽鳥の爪",
     [](const StartingTraits& t) {
         return !ElementIn(t, {0, 5, 8});
     }},
}};

// kind, default weapon, given while the fist proficiency is below
constexpr std::array<DefaultWeaponRow, 7> kDefaultWeapons{{
    {kKnife, "果物ナイフ", 45},
    {kBowGun, "吹き矢", 45},
    {kStaff, "ヒイラギの杖", 40},
    {kAxe, "大木槌", 40},
    {kSword, "レギュラーソード", 45},
    {kSpear, "ショートスピアー", 45},
    {kFist, "", 0},
}};

// n from, n to, item, item code
constexpr std::array<ItemRow, 18> kStartingItems{{
    {0, 100, "バイタルドリンク", kItemConsumable},
    {124, 154, "時限爆弾", kItemConsumable},
    {169, 172, "悪魔の角笛", kItemConsumable},
    {178, 204, "手裏剣", kItemConsumable},
    {289, 297, "クイッククロック", kItemConsumable},
    {335, 337, "ミント", kItemConsumable},
    {353, 358, "マドレーヌ", kItemConsumable},
    {379, 403, "目薬", kItemConsumable},
    {404, 436, "ハリセン", kItemTool},
    {509, 543, "罪の果実", kItemConsumable},
    {603, 618, "けむりだま", kItemConsumable},
    {708, 714, "ゴータミーの芥子粒", kItemConsumable},
    {727, 775, "アロエ", kItemConsumable},
    {808, 817, "パイナップルフラッシュ", kItemConsumable},
    {828, 864, "オイル", kItemConsumable},
    {888, 898, "仙人の桃", kItemConsumable},
    {911, 917, "天面鏡", kItemConsumable},
    {969, 999, "マンドラゴラ", kItemConsumable},
}};

constexpr Gift Accessory(std::string_view name) {
    return {Gift::Kind::Accessory, name, kItemAccessory};
}
constexpr Gift Item(std::string_view name, ItemCode code) {
    return {Gift::Kind::Item, name, code};
}
constexpr Gift kByElement{Gift::Kind::AccessoryByElement};

// m spans, gift, condition, gift when the condition fails
constexpr std::array<AccessoryRow, 26> kAccessoryRows{{
    {{{{1, 1}, {5, 5}}}, Accessory("仕置きのかんざし")},
    {{{{25, 25}}}, Accessory("コバルトの的")},
    {{{{40, 40}}}, Accessory("勲章")},
    {{{{101, 103}}}, Item("レムの振り子", kItemTool)},
    {{{{108, 108}, {824, 824}}}, Accessory("仏罰の数珠")},
    {{{{109, 111}}}, Item("雷神太鼓", kItemTool)},
    {{{{117, 119}}}, Item("天狗の葉うちわ", kItemTool)},
    {{{{177, 181}}}, Accessory("祝福の鈴")},
    {{{{188, 193}}},
     Accessory("トルマリン"),
     [](const StartingTraits& t) {
         return ElementIn(t, {3, 5});
     },
     Item("覇手丸", kItemConsumable)},
    {{{{200, 280}}}, Item("バイタルドリンク", kItemConsumable)},
    {{{{290, 299}}}, Accessory("マジックプリズム")},
    {{{{303, 303}}}, Accessory("アリスのハンカチ")},
    {{{{304, 454}}}, Item("毒針", kItemConsumable)},
    {{{{468, 474}}}, Accessory("根性はちまき")},
    {{{{494, 508}}},
     Accessory("火龍のうろこ"),
     [](const StartingTraits& t) { return t.element == kFire; },
     Accessory("お守り")},
    {{{{525, 535}}}, kByElement},
    {{{{8, 8}, {64, 64}, {88, 88}, {888, 888}}}, Item("八卦盤", kItemTool)},
    {{{{620, 720}}}, Item("毒消し草", kItemConsumable)},
    {{{{750, 821}}}, Item("クロロホルム", kItemConsumable)},
    {{{{825, 857}}}, Accessory("狩人の帽子"), [](const StartingTraits& t) { return t.kind == kBowGun; }},
    {{{{879, 896}}}, Item("魔除けの札", kItemConsumable)},
    {{{{903, 905}}}, Accessory("イラキの貝殻")},
    {{{{908, 910}}}, Accessory("黒狼の牙")},
    {{{{913, 913}, {999, 999}}}, Accessory("ミラクルピアス")},
    {{{{919, 925}}}, Item("コスモドロップ", kItemConsumable)},
    {{{{975, 998}}},
     Accessory("エレメンタルリング"),
     [](const StartingTraits& t) { return t.element != kNone; }},
}};

// element, accessory
constexpr std::array<ElementAccessoryRow, 4> kElementAccessories{{
    {kCold, "寒椿の櫛"},
    {kWind, "かざぐるま"},
    {kWater, "マーメイドティアラ"},
    {kWood, "フラワークラウン"},
}};

constexpr bool Covers(const AccessoryRow& row, int m) {
    return std::any_of(row.spans.begin(), row.spans.end(),
                       [m](const NumberSpan& s) { return m >= s.from && m <= s.to; });
}

Gift AccessoryByElement(int element) {
    for (const auto& row : kElementAccessories)
        if (row.element == element) return Accessory(row.name);
    return {};
}

} // namespace

std::span<const WeaponRow> WeaponTable(int kind) {
    switch (kind) {
    case kSword:
        return kSwords;
    case kKnife:
        return kKnives;
    case kFist:
        return kFistsAndClaws;
    case kSpear:
        return kSpears;
    case kAxe:
        return kAxesAndHammers;
    case kStaff:
        return kStavesAndWhips;
    case kBowGun:
        return kBowsAndGuns;
    default:
        return {};
    }
}

std::string_view StartingWeapon(int kind, int c, const StartingTraits& traits) {
    for (const auto& row : WeaponTable(kind))
        if (c >= row.from && c <= row.to) return !row.when || row.when(traits) ? row.name : row.otherwise;
    return {};
}

std::span<const DefaultWeaponRow> DefaultWeapons() {
    return kDefaultWeapons;
}

const DefaultWeaponRow& DefaultWeapon(int kind) {
    const auto* row = std::find_if(kDefaultWeapons.begin(), kDefaultWeapons.end(),
                                   [kind](const DefaultWeaponRow& r) { return r.kind == kind; });
    return row != kDefaultWeapons.end() ? *row : kDefaultWeapons.back();
}

std::span<const ItemRow> StartingItems() {
    return kStartingItems;
}

Gift StartingItem(int n) {
    for (const auto& row : kStartingItems)
        if (n >= row.from && n <= row.to) return Item(row.name, row.code);
    return {};
}

std::span<const AccessoryRow> AccessoryRows() {
    return kAccessoryRows;
}

std::span<const ElementAccessoryRow> ElementAccessories() {
    return kElementAccessories;
}

Gift AccessoryGift(int m, const StartingTraits& traits) {
    for (const auto& row : kAccessoryRows) {
        if (!Covers(row, m)) continue;
        const Gift gift = !row.when || row.when(traits) ? row.gift : row.otherwise;
        return gift.kind == Gift::Kind::AccessoryByElement ? AccessoryByElement(traits.element) : gift;
    }
    return {};
}

} // namespace vk2
