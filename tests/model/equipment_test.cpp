#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/text.h"
#include "model/proficiency.h"
#include "model/accessories.h"
#include "model/commands.h"
#include "model/equipment.h"
#include "model/starting_equipment.h"
#include "model/weapons.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// --- Catalogues -------------------------------------------------------------------------------

TEST(WeaponCatalogue, RowsAreInRangeAndKeysAreUnique) {
    std::set<std::string> keys;
    for (const WeaponCatalogueRow& row : WeaponCatalogue()) {
        SCOPED_TRACE(std::string(row.name));
        EXPECT_LT(row.kind, kWeaponKinds);
        EXPECT_GE(row.attack, 0);
        EXPECT_LE(row.attack, 404);
        EXPECT_GE(row.speed, -48);
        EXPECT_LE(row.speed, 45);
        EXPECT_LE(row.element, kHoly);
        EXPECT_FALSE(row.description[0].empty());
        // Spears, bows and guns always reach the back row.
        if (row.kind == kSpear || row.kind == kBowGun) {
            EXPECT_TRUE(row.longReach);
        }
        EXPECT_TRUE(keys.insert(WeaponKey(row.name)).second) << "two weapons share a key";
        EXPECT_EQ(FindWeapon(row.name), &row);
    }
    EXPECT_EQ(WeaponCatalogue().size(), 100u);
}

TEST(WeaponCatalogue, RecognisesWeaponsByKey) {
    EXPECT_EQ(WeaponKey("細雪"), "細雪　");
    EXPECT_EQ(WeaponKey("銀のフォーク"), "銀のフ");
    ASSERT_NE(FindWeapon("細雪"), nullptr);
    EXPECT_EQ(FindWeapon("細雪")->attack, 141);
    // A longer name sharing a short weapon's two characters is not that weapon.
    EXPECT_EQ(FindWeapon("細雪丸"), nullptr);
    ASSERT_NE(FindWeapon("エアガン　"), nullptr);
    EXPECT_EQ(FindWeapon("エアガン　")->attack, 37);
    EXPECT_EQ(FindWeapon("素手"), nullptr);
    EXPECT_EQ(FindWeapon(""), nullptr);
    EXPECT_EQ(WeaponAttack(nullptr, kWood), 0);
}

TEST(WeaponCatalogue, HoldsEveryWeaponAPictureCanGive) {
    for (int kind = 0; kind < kWeaponKinds; ++kind) {
        std::vector<std::string_view> names;
        for (const auto& row : WeaponTable(kind)) names.insert(names.end(), {row.name, row.otherwise});
        names.push_back(DefaultWeapon(kind).name);
        for (std::string_view name : names) {
            if (name.empty()) continue;
            SCOPED_TRACE(std::string(name));
            const WeaponCatalogueRow* row = FindWeapon(name);
            ASSERT_NE(row, nullptr);
            EXPECT_EQ(row->name, name);
            EXPECT_EQ(row->kind, kind);
        }
    }
}

TEST(AccessoryCatalogue, HoldsEveryAccessoryAPictureCanGive) {
    std::set<std::string> keys;
    for (const AccessoryCatalogueRow& row : AccessoryCatalogue()) {
        EXPECT_FALSE(row.description[0].empty()) << row.name;
        EXPECT_TRUE(keys.insert(Left(row.name, 2)).second) << row.name;
    }
    std::vector<std::string_view> names;
    for (const auto& row : AccessoryRows())
        for (const Gift& gift : {row.gift, row.otherwise})
            if (gift.kind == Gift::Kind::Accessory) names.push_back(gift.name);
    for (const auto& row : ElementAccessories()) names.push_back(row.name);
    for (std::string_view name : names) {
        const AccessoryCatalogueRow* row = FindAccessory(name);
        ASSERT_NE(row, nullptr) << name;
        EXPECT_EQ(row->name, name);
    }
}

// --- Equipping in battle ----------------------------------------------------------------------

// A fighter in slot 0 with "アイテム使用" chosen and a few items; proficiency in every kind but 槍・矛.
class EquipmentTest : public ::testing::Test {
  protected:
    static constexpr SlotIndex kSlot = 0;

    EquipmentTest() {
        FighterTable& f = game.f;
        f.digitCode[kSlot] = "1020000000005830";
        f.level[kSlot] = 2;
        f.element[kSlot] = kFire;
        f.baseMaxMp[kSlot] = 40;
        f.baseMaxHp[kSlot] = 2000;
        f.baseAttack[kSlot] = 100;
        f.weapon[kSlot] = kBareHands;
        f.equippedKind[kSlot] = kFist;
        f.proficiency[kSlot] = {50, 50, 50, 0, 50, 50, 50};
        game.form.HP[kSlot].text = "2000";
        game.form.MP[kSlot].text = "40";
        AcquireCommands(game, kSlot);
        ChooseCommand(kUseItemCommand);
    }

    void ChooseCommand(const std::string& name) { commands().selected = commands().find(name); }
    ListBox& commands() { return game.form.Command[kSlot]; }
    ListBox& items() { return game.form.Item[kSlot]; }
    void GiveItems(std::initializer_list<ListEntry> entries) { items().entries = entries; }
    void Click(const std::string& text) {
        items().selected = items().find(text);
        ASSERT_GE(items().selected, 0) << text;
        ClickItemEntry(game, kSlot);
    }
    std::string BasicCommandShown() { return commands().entries.front().text; }
    std::vector<std::string> Texts(const ListBox& list) {
        std::vector<std::string> texts;
        for (const auto& e : list.entries) texts.push_back(e.text);
        return texts;
    }

    test::TestGame t;
    Game& game = t.game;
};

TEST_F(EquipmentTest, ClickingAWeaponEquipsItAndClickingItAgainTakesItOff) {
    GiveItems({{"薬草", kItemConsumable},
               {"◆木刀", WeaponItemCode(kSword)},
               {"トンファー", WeaponItemCode(kFist)}});
    game.f.weapon[kSlot] = "木刀";
    game.f.equippedKind[kSlot] = kSword;

    Click("トンファー");
    EXPECT_EQ(Texts(items()), (std::vector<std::string>{"薬草", "木刀", "◆トンファー"}));
    EXPECT_EQ(game.f.weapon[kSlot], "トンファー");
    EXPECT_EQ(game.f.equippedKind[kSlot], kFist);
    EXPECT_EQ(game.f.equipAttack[kSlot], 100);
    EXPECT_EQ(game.f.attack[kSlot], 200);

    Click("◆トンファー");
    EXPECT_EQ(Texts(items()), (std::vector<std::string>{"薬草", "木刀", "トンファー"}));
    EXPECT_EQ(game.f.weapon[kSlot], "素手");
    EXPECT_EQ(game.f.equippedKind[kSlot], kFist);
    EXPECT_EQ(game.f.equipAttack[kSlot], 0);
    EXPECT_EQ(game.f.attack[kSlot], 100);
    EXPECT_EQ(game.actionCode, 255);
}

TEST_F(EquipmentTest, ClickDoesNothingWithoutAProficiencyOrOutsideTheItemCommand) {
    GiveItems({{"スティールランス", WeaponItemCode(kSpear)}, {"木刀", WeaponItemCode(kSword)}, {"薬草", 0}});
    Click("スティールランス"); // no proficiency in 槍・矛
    Click("薬草");             // not equipment
    ChooseCommand("たたかう");
    Click("木刀");
    EXPECT_EQ(game.f.weapon[kSlot], "素手");
    EXPECT_EQ(Texts(items()), (std::vector<std::string>{"スティールランス", "木刀", "薬草"}));
}

struct BasicCommandCase {
    std::string weapon;
    std::string otherItem;
    std::string expected;
};

class BasicCommandTest : public EquipmentTest, public ::testing::WithParamInterface<BasicCommandCase> {};

TEST_P(BasicCommandTest, FollowsTheWeaponAndReturnsToFightingWhenItIsTakenOff) {
    const BasicCommandCase& c = GetParam();
    GiveItems({{c.weapon, WeaponItemCode(FindWeapon(c.weapon)->kind)}, {c.otherItem, WeaponItemCode(kFist)}});
    Click(c.weapon);
    EXPECT_EQ(BasicCommandShown(), c.expected);
    Click(kWeaponMark + c.weapon);
    EXPECT_EQ(BasicCommandShown(), "たたかう");
}

INSTANTIATE_TEST_SUITE_P(Weapons, BasicCommandTest,
                         ::testing::Values(BasicCommandCase{"眉間尺", "鈎爪", "アアアアアアアア！！！"},
                                           BasicCommandCase{"平和のためのミトン", "鈎爪", "トリート"},
                                           BasicCommandCase{"ドラゴンクロー", "虎咬", "龍虎乱舞"},
                                           BasicCommandCase{"虎咬", "ドラゴンクロー", "龍虎乱舞"},
                                           BasicCommandCase{"ドラゴンクロー", "鈎爪", "たたかう"},
                                           BasicCommandCase{"木刀", "鈎爪", "たたかう"}));

TEST_F(EquipmentTest, TheStaffOpensEveryCommandAndDroppingItRebuildsTheList) {
    const std::vector<std::string> normal = Texts(commands());
    GiveItems({{"エシ・メサの杖", WeaponItemCode(kStaff)}, {"木刀", WeaponItemCode(kSword)}});

    Click("エシ・メサの杖");
    EXPECT_GT(commands().count(), static_cast<int>(normal.size()));
    EXPECT_EQ(game.f.weapon[kSlot], "エシ・メサの杖");
    ASSERT_GE(commands().selected, 0);
    EXPECT_EQ(commands().entries[static_cast<std::size_t>(commands().selected)].text, kUseItemCommand);
    EXPECT_TRUE(game.form.Message[kSlot].visible);
    EXPECT_TRUE(game.form.Message[kSlot].text.starts_with("いかにも怪しげな杖。"));

    Click("◆エシ・メサの杖");
    EXPECT_EQ(Texts(commands()), normal);
    EXPECT_EQ(game.f.weapon[kSlot], "素手");

    // Swapping the staff straight for another weapon also rebuilds the list for that weapon.
    Click("エシ・メサの杖");
    Click("木刀");
    EXPECT_EQ(Texts(commands()), normal);
    EXPECT_EQ(game.f.weapon[kSlot], "木刀");
    EXPECT_EQ(Texts(items()), (std::vector<std::string>{"エシ・メサの杖", "◆木刀"}));
}

TEST_F(EquipmentTest, TheMedalOverridesProficiencyUntilItIsTakenOff) {
    GiveItems({{"勲章", kItemAccessory}, {"お守り", kItemAccessory}});
    game.f.proficiency[kSlot] = {88, 31, 26, 0, 0, 10, 0}; // trained in battle and given a kind bonus

    const Proficiencies medal{99, 99, 99, 99, 99, 99, 99};
    const Proficiencies fromCode{73, 31, 26, 0, 0, 10, 0};
    Click("勲章");
    EXPECT_EQ(game.f.accessory[kSlot], "勲章");
    EXPECT_EQ(items().entries[0].text, "★勲章");
    EXPECT_EQ(game.f.proficiency[kSlot], medal);

    Click("★勲章");
    EXPECT_TRUE(game.f.accessory[kSlot].empty());
    EXPECT_EQ(game.f.proficiency[kSlot], fromCode);

    // Straight to another accessory: the medal's proficiency goes with it.
    Click("勲章");
    EXPECT_EQ(game.f.proficiency[kSlot], medal);
    Click("お守り");
    EXPECT_EQ(game.f.accessory[kSlot], "お守り");
    EXPECT_EQ(Texts(items()), (std::vector<std::string>{"勲章", "★お守り"}));
    EXPECT_EQ(game.f.proficiency[kSlot], fromCode);
}

TEST_F(EquipmentTest, TheHandkerchiefDreamEndsOnlyWhenItIsTakenOff) {
    GiveItems({{"アリスのハンカチ", kItemAccessory}, {"お守り", kItemAccessory}});
    Click("アリスのハンカチ");
    EXPECT_EQ(game.f.counter(kSlot, 29), 2);
    Click("★アリスのハンカチ");
    EXPECT_EQ(game.f.counter(kSlot, 29), 0);
    EXPECT_TRUE(game.f.accessory[kSlot].empty());

    Click("アリスのハンカチ");
    Click("お守り");
    EXPECT_EQ(game.f.counter(kSlot, 29), 2);
}

// --- Proficiency ------------------------------------------------------------------------------

// a = d(13, 2) = 58 sits at the sword's centre; d(2, 2) = 2 and d(14, 2) = 83 place the level
// bonuses on 拳・爪 (13 per level) and 杖・鞭 (2 + 3 per level); the knife gets 33 − 4 / 2.
TEST(RecomputeProficiency, FollowsTheCodeAndLevelAndCapsAt90) {
    test::TestGame t;
    FighterTable& f = t.game.f;
    f.digitCode[0] = "1020000000005830";
    for (const auto& [level, expected] : {std::pair{2, Proficiencies{73, 31, 26, 0, 0, 10, 0}},
                                          std::pair{20, Proficiencies{73, 31, 90, 0, 0, 90, 0}}}) {
        f.level[0] = static_cast<std::uint8_t>(level);
        RecomputeProficiency(t.game, 0);
        EXPECT_EQ(f.proficiency[0], expected) << "level " << level;
    }
    EXPECT_EQ(CodeProficiencies("1020000000005830", 0, 71)[kSword], 71);
}

// --- Equipment parts --------------------------------------------------------------------------

struct BonusCase {
    std::string weapon;
    int element;
    int hp, mp, attack, defense, speed, spirit;
    int longReach;
};

class WeaponBonusTest : public ::testing::TestWithParam<BonusCase> {};

TEST_P(WeaponBonusTest, RefreshSetsTheEquipmentPartsAndThePreviewAbilities) {
    const BonusCase& c = GetParam();
    test::TestGame t;
    FighterTable& f = t.game.f;
    const SlotIndex s = kPreviewSlot;
    f.weapon[s] = c.weapon;
    f.element[s] = static_cast<std::uint8_t>(c.element);
    f.baseMaxHp[s] = 1000;
    f.baseSpeed[s] = 10;
    f.equipHp[s] = 999; // left from an earlier weapon
    t.game.actionCode = 3;

    ApplyEquipment(t.game, s, kEquipRefresh);
    EXPECT_EQ(f.equipHp[s], c.hp);
    EXPECT_EQ(f.equipMp[s], c.mp);
    EXPECT_EQ(f.equipAttack[s], c.attack);
    EXPECT_EQ(f.equipDefense[s], c.defense);
    EXPECT_EQ(f.equipSpeed[s], c.speed);
    EXPECT_EQ(f.equipSpirit[s], c.spirit);
    EXPECT_EQ(f.longReach[s], c.longReach);
    EXPECT_EQ(f.maxHp[s], 1000 + c.hp);
    EXPECT_EQ(f.speed[s], 10 + c.speed); // the preview shows a heavy weapon's negative speed as it is
    EXPECT_EQ(t.game.actionCode, 255);
}

INSTANTIATE_TEST_SUITE_P(Weapons, WeaponBonusTest,
                         ::testing::Values(BonusCase{"トゥミテクンペ", kFire, 1800, 19, 79, 26, 11, 11, 0},
                                           BonusCase{"ヒイラギの杖", kFire, 0, 50, 36, 0, -3, 29, 0},
                                           BonusCase{"ファイターグローブ", kFire, 4084, 0, 48, 0, 0, 0, 0},
                                           BonusCase{"フラボノビュート", kWood, 0, 0, 177, 0, 0, 0, 1},
                                           BonusCase{"フラボノビュート", kFire, 0, 0, 107, 0, 0, 0, 1},
                                           BonusCase{"鏖殺大斧", kFire, 0, 0, 404, 0, -48, 0, 0},
                                           BonusCase{"ボウガン", kFire, 0, 0, 82, 0, -14, 0, 1},
                                           BonusCase{"素手", kFire, 0, 0, 0, 0, 0, 0, 0}));

// --- Descriptions -----------------------------------------------------------------------------

TEST_F(EquipmentTest, DescribesTheSelectedWeaponOrAccessory) {
    struct Case {
        ListEntry entry;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{"ボウガン", 16}, "別名クロスボウ｡\r\n引鉄で矢を射ち出す｡\r\n\r\n攻 +82　速-14"},
        {{"◆キャットハンド", 12}, "爪と肉球が付いたグローブ。\r\n元はコスプレ用。\r\n\r\n攻 +96　速+45"},
        {{"◆セルゲンブレイド", 10}, "敵の攻撃力がそのまま自分\r\nの攻撃力となる､謎の剣｡\r\n\r\n攻 +？　速-8"},
        {{"鈎爪", 12}, "先端が鈎状に曲がった\r\n長い鉄爪｡\r\n\r\n攻 +111　速-9"},
        {{"謎の棒", 15}, "\r\n攻 +0"},
        {{"★勲章", 3}, "全種類の武器熟練度が\r\n99になる。"},
        {{"お守り", 3}, "即死を防ぐ。"},
        {{"謎の指輪", 3}, ""},
    };
    for (const Case& c : cases) {
        GiveItems({c.entry});
        items().selected = 0;
        if (c.entry.number == kItemAccessory)
            ApplyAccessory(game, kSlot, kEquipDescribe);
        else
            ApplyEquipment(game, kSlot, kEquipDescribe);
        EXPECT_EQ(game.form.Message[kSlot].text, c.expected) << c.entry.text;
    }
    EXPECT_EQ(game.f.weapon[kSlot], "素手"); // describing equips nothing
}

} // namespace
} // namespace vk2
