#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/skills/execute_skill.h"
#include "core/text.h"
#include "model/accessories.h"
#include "model/commands.h"
#include "model/elements.h"
#include "model/game.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// Slot 0 acts; slot 1 is its ally and slots 3 and 4 its foes. Everyone stands on the field with
// 5000 HP of 5000, 100 MP of 100, spirit 40 and tension 50, their totals matching their own parts
// so that a recomputation changes nothing by itself.
constexpr SlotIndex kCaster = 0;
constexpr SlotIndex kAlly = 1;
constexpr SlotIndex kFoe = 3;
constexpr SlotIndex kOtherFoe = 4;

struct Ward {
    Ward() {
        for (SlotIndex s = 0; s < kBattleSlots; ++s) {
            game.form.ViewUnder[s].visible = false;
            game.form.Cursor[s].visible = false;
        }
        game.actionCode = 0;
        test::PutOnField(game, {kCaster, kAlly, kFoe, kOtherFoe});
        for (SlotIndex s : {kCaster, kAlly, kFoe, kOtherFoe}) {
            game.form.ViewFrame[s].borderStyle = 0;
            f.level[s] = f.baseLevel[s] = 1;
            f.element[s] = f.baseElement[s] = kFire;
            f.baseMaxHp[s] = f.maxHp[s] = 5000;
            f.baseMaxMp[s] = f.maxMp[s] = 100;
            f.baseAttack[s] = f.attack[s] = 150;
            f.baseDefense[s] = f.defense[s] = 60;
            f.baseSpeed[s] = f.speed[s] = 50;
            f.baseSpirit[s] = f.spirit[s] = 40;
            f.tension[s] = 50;
            game.form.HP[s].text = "5000";
            game.form.MP[s].text = "100";
        }
        Choose("ＺＺＺ");
    }

    // The caster's selected command: it tells apart the two commands of a shared key.
    void Choose(const std::string& command) {
        ListBox& commands = game.form.Command[kCaster];
        commands.clear();
        commands.add(command, 0);
        commands.selected = 0;
    }

    void Use(const std::string& key, SlotIndex target) {
        std::string k = key;
        ExecuteSkill(game, kCaster, target, k);
    }

    void Mark(SlotIndex s) {
        game.form.Cursor[s].visible = true;
        game.form.Cursor[s].foreColour = kWhite;
    }

    std::string Hp(SlotIndex s) const { return game.form.HP[s].text; }
    std::string Mp(SlotIndex s) const { return game.form.MP[s].text; }
    const std::string& Box(SlotIndex s) const { return game.form.Message[s].text; }
    std::uint8_t& Counter(SlotIndex s, int k) { return f.counter(s, k); }
    const std::vector<int>& Sounds() const { return t.platform.sounds; }

    test::TestGame t;
    Game& game = t.game;
    FighterTable& f = game.f;
};

class HealingTest : public ::testing::Test, protected Ward {
  protected:
    void TearDown() override { EXPECT_EQ(t.random.unused(), 0u) << "rolls left unused"; }
};

TEST_F(HealingTest, GroupHealsReachEveryMarkedSlotBySpirit) {
    struct Case {
        const char* key;
        Colour colourA;
    };
    for (const Case c :
         {Case{"ヒー", 0xAAFFCC}, Case{"癒し", ElementColour(4)}, Case{"森林", ElementColour(7)}}) {
        SCOPED_TRACE(c.key);
        Ward ward;
        ward.f.spirit[kCaster] = 100; // 100 x 9 + 1143 = 2043
        for (SlotIndex s : {kAlly, kFoe, kOtherFoe}) ward.Mark(s);
        SetHp(ward.game, kCaster, 1000);
        SetHp(ward.game, kAlly, 1000);
        ward.f.tension[kAlly] = 30;
        SetHp(ward.game, kFoe, 1000);
        ward.Counter(kFoe, kHealHalvingCounter) = 1;
        ward.Counter(kOtherFoe, kReversedHealingCounter) = 1;

        ward.Use(c.key, kAlly);

        EXPECT_EQ(ward.Hp(kAlly), "3043");
        EXPECT_EQ(ward.Box(kAlly), " 2043 HP回復。\r\n");
        EXPECT_EQ(ward.Hp(kFoe), "2021");
        EXPECT_EQ(ward.Box(kFoe), " 1021 HP回復。\r\n");
        EXPECT_EQ(ward.Hp(kOtherFoe), "2957");
        EXPECT_EQ(ward.Box(kOtherFoe), " 2043 のダメージ！\r\n");
        EXPECT_EQ(ward.Hp(kCaster), "1000") << "not marked";
        EXPECT_EQ(ward.f.tension[kAlly], 33);
        EXPECT_EQ(ward.f.tension[kFoe], 47);
        EXPECT_EQ(ward.game.form.actionEffect.colourA, c.colourA);
        EXPECT_TRUE(ward.game.form.actionEffect.animated[kOtherFoe]);
        EXPECT_EQ(ward.Sounds(), std::vector<int>{91});
    }
}

TEST_F(HealingTest, GroupHealHoldsEachAmountAt9999) {
    f.spirit[kCaster] = 1200; // a base of 11943
    for (SlotIndex s : {kAlly, kFoe}) {
        Mark(s);
        f.maxHp[s] = 30000;
        SetHp(game, s, 100);
    }
    Counter(kFoe, kHealHalvingCounter) = 1;
    Use("ヒー", kAlly);
    EXPECT_EQ(Box(kAlly), " 9999 HP回復。\r\n");
    EXPECT_EQ(Box(kFoe), " 5971 HP回復。\r\n") << "halved first, then held";
}

TEST_F(HealingTest, SingleHealsByTheirBaseWithTheirTensionRule) {
    struct Case {
        std::string command; // the caster's selected command
        std::string key;
        int spirit;
        int halving;
        int reversed;
        int tension;
        std::string hpAfter;
        std::string box;
        int tensionAfter;
    };
    const std::vector<Case> cases{
        {"救いの掌", "救い", 40, 0, 0, 30, "3640", " 2640 HP回復。\r\n", 33},
        {"救いの掌", "救い", 1500, 0, 0, 70, "33767", " 32767 HP回復。\r\n", 67}, // the 16-bit base saturates
        {"大地の恵み", "大地", 40, 0, 0, 30, "3640", " 2640 HP回復。\r\n", 30},
        {kUseItemCommand, "薬草", 40, 2, 0, 60, "1675", " 675 HP回復。\r\n", 57},
        {kUseItemCommand, "薬草", 40, 0, 1, 60, "0", " 2700 のダメージ！\r\n", 57},
        {kUseItemCommand, "バイ", 40, 0, 0, 30, "7800", " 6800 HP回復。\r\nテンション上昇。\r\n", 88},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command + " " + c.key + " spirit " + std::to_string(c.spirit));
        Ward ward;
        ward.Choose(c.command);
        ward.f.spirit[kCaster] = static_cast<std::int16_t>(c.spirit);
        ward.f.maxHp[kAlly] = 50000;
        SetHp(ward.game, kAlly, 1000);
        ward.Counter(kAlly, kHealHalvingCounter) = static_cast<std::uint8_t>(c.halving);
        ward.Counter(kAlly, kReversedHealingCounter) = static_cast<std::uint8_t>(c.reversed);
        ward.f.tension[kAlly] = static_cast<std::uint8_t>(c.tension);

        ward.Use(c.key, kAlly);

        EXPECT_EQ(ward.Hp(kAlly), c.hpAfter);
        EXPECT_EQ(ward.Box(kAlly), c.box);
        EXPECT_EQ(ward.f.tension[kAlly], c.tensionAfter);
        EXPECT_EQ(ward.Box(kCaster), "");
    }
}

TEST_F(HealingTest, HerbGivenToAFoeFulfilsTheHerbProposition) {
    struct Case {
        SlotIndex target;
        int proposition;
        int after;
    };
    for (const Case c : {Case{kFoe, 43, 20}, Case{kFoe, 143, 20}, Case{kAlly, 43, 43}, Case{kFoe, 33, 33}}) {
        SCOPED_TRACE("target " + std::to_string(c.target) + ", proposition " + std::to_string(c.proposition));
        Ward ward;
        ward.Counter(kCaster, kPropositionCounter) = static_cast<std::uint8_t>(c.proposition);
        ward.Use("薬草", c.target);
        EXPECT_EQ(ward.Counter(kCaster, kPropositionCounter), c.after);
    }
}

TEST_F(HealingTest, PhotosynthesisHealsTheCasterByItsOwnHp) {
    struct Case {
        int hp;
        int halving;
        std::string after;
    };
    const std::vector<Case> cases{
        {1500, 0, "3000"}, {12000, 0, "21999"}, {12000, 1, "18000"}, {30000, 1, "39999"}};
    for (const Case& c : cases) {
        SCOPED_TRACE("HP " + std::to_string(c.hp) + ", halving " + std::to_string(c.halving));
        Ward ward;
        ward.f.maxHp[kCaster] = 50000;
        SetHp(ward.game, kCaster, c.hp);
        SetHp(ward.game, kFoe, 1000);
        ward.Counter(kCaster, kHealHalvingCounter) = static_cast<std::uint8_t>(c.halving);

        ward.Use("光合", kFoe);

        EXPECT_EQ(ward.Hp(kCaster), c.after);
        EXPECT_TRUE(EndsWith(ward.Box(kCaster), " HP回復。\r\n")) << ward.Box(kCaster);
        EXPECT_EQ(ward.Hp(kFoe), "1000");
        EXPECT_TRUE(ward.game.form.actionEffect.animated[kCaster]);
        EXPECT_FALSE(ward.game.form.actionEffect.animated[kFoe]);
    }
}

// Whether the box reads "full" depends on the HP the heal left: a halved heal falls short and says
// how much it gave.
struct FillCase {
    int hp;
    int halving;
    std::string hpAfter;
    std::string healLine;
};
const std::vector<FillCase> kFillCases{
    {5000, 0, "5000", ""},
    {4500, 0, "5000", ""},
    {4500, 1, "4750", " 250 HP回復。\r\n"},
};

TEST_F(HealingTest, MiracleSpringFillsHpAndCuresEvenAtFullHp) {
    for (const FillCase& c : kFillCases) {
        SCOPED_TRACE("HP " + std::to_string(c.hp) + ", halving " + std::to_string(c.halving));
        Ward ward;
        SetHp(ward.game, kAlly, c.hp);
        ward.Counter(kAlly, kHealHalvingCounter) = static_cast<std::uint8_t>(c.halving);
        ward.Counter(kAlly, kPoisonCounter) = 5;
        ward.Use("奇跡", kAlly);
        EXPECT_EQ(ward.Hp(kAlly), c.hpAfter);
        const std::string hpLine = c.healLine.empty() ? "HP全快。\r\n" : c.healLine;
        EXPECT_EQ(ward.Box(kAlly), hpLine + "ステータス回復。\r\n");
        EXPECT_EQ(ward.Counter(kAlly, kPoisonCounter), 0);
        EXPECT_EQ(ward.Sounds(), std::vector<int>{94}) << "the cure that follows plays nothing";
    }
}

TEST_F(HealingTest, PeachesRestoreHpAndMp) {
    for (const char* key : {"仙人", "ピー"}) {
        for (const FillCase& c : kFillCases) {
            SCOPED_TRACE(std::string(key) + " at HP " + std::to_string(c.hp) + ", halving " +
                         std::to_string(c.halving));
            Ward ward;
            SetHp(ward.game, kAlly, c.hp);
            SetMp(ward.game, kAlly, 10);
            ward.Counter(kAlly, kHealHalvingCounter) = static_cast<std::uint8_t>(c.halving);
            ward.Use(key, kAlly);
            EXPECT_EQ(ward.Hp(kAlly), c.hpAfter);
            EXPECT_EQ(ward.Mp(kAlly), "100");
            EXPECT_EQ(ward.Box(kAlly), c.healLine.empty() ? "HP、MP全快。\r\n" : c.healLine + "MP全快。\r\n");
        }
    }
}

TEST_F(HealingTest, RefreshmentsRestoreHpAndMpAndFinishTheirOwnWay) {
    struct Case {
        const char* key;
        std::string hpAfter;
        std::string mpAfter;
        std::string box;
        int tensionAfter; // from 60; the cure first moves it by -5 for an excited giver
        bool curesPoison;
        bool dispels;
    };
    const std::vector<Case> cases{
        {"高麗", "3500", "50", " 2500 HP回復。\r\n 50 MP回復。\r\nステータス回復。\r\n", 8, true, false},
        {"キャ", "3500", "50", " 2500 HP回復。\r\n 50 MP回復。\r\nステータス回復。\r\n", 57, true, false},
        {"マド", "3000", "50", " 2000 HP回復。\r\n 50 MP回復。\r\n", 60, false, false},
        {"八ツ", "3000", "40", " 2000 HP回復。\r\n 40 MP回復\r\n魔法効果消去。\r\n", 60, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        Ward ward;
        SetHp(ward.game, kAlly, 1000);
        SetMp(ward.game, kAlly, 0);
        ward.f.tension[kCaster] = 60;
        ward.f.tension[kAlly] = 60;
        ward.Counter(kAlly, kPoisonCounter) = 5;
        ward.Counter(kAlly, kIceWallCounter) = 5;
        ward.f.level[kAlly] = 10; // keeps the dispel from taking the fighter back to its own level

        ward.Use(c.key, kAlly);

        EXPECT_EQ(ward.Hp(kAlly), c.hpAfter);
        EXPECT_EQ(ward.Mp(kAlly), c.mpAfter);
        EXPECT_EQ(ward.Box(kAlly), c.box);
        EXPECT_EQ(ward.f.tension[kAlly], c.tensionAfter);
        EXPECT_EQ(ward.Counter(kAlly, kPoisonCounter), c.curesPoison ? 0 : 5);
        EXPECT_EQ(ward.Counter(kAlly, kIceWallCounter), c.dispels ? 0 : 5);
    }
}

TEST_F(HealingTest, SoyPuddingHealsWithinTheOldMaximumThenRaisesIt) {
    SetHp(game, kAlly, 4500);
    Use("豆乳", kAlly);
    EXPECT_EQ(f.hpMod[kAlly], 4000);
    EXPECT_EQ(f.maxHp[kAlly], 9000);
    EXPECT_EQ(Hp(kAlly), "5000");
    EXPECT_EQ(Box(kAlly), "最大HP 4000 アップ、\r\n 4000 HP回復。\r\n");
}

TEST_F(HealingTest, MandrakeFillsMpAndPoisonsUnlessGuarded) {
    for (const int guard : {0, 1, 2}) {
        SCOPED_TRACE("guard " + std::to_string(guard));
        Ward ward;
        SetMp(ward.game, kFoe, 3);
        ward.Counter(kFoe, kStatusGuardCounter) = static_cast<std::uint8_t>(guard);
        ward.Use("マン", kFoe);
        EXPECT_EQ(ward.Mp(kFoe), "100");
        EXPECT_EQ(ward.Counter(kFoe, kPoisonCounter), guard < 2 ? 2 : 0);
        EXPECT_EQ(ward.Box(kFoe), guard < 2 ? "MP全快。\r\n毒に冒された。\r\n" : "MP全快。\r\n");
    }
}

TEST_F(HealingTest, RevivalsRaiseTheFallenAndFillTheStanding) {
    struct Case {
        const char* key;
        bool fallen;
        int sound;
        bool undead;
    };
    const std::vector<Case> cases{
        {"フェ", true, 93, false}, {"フェ", false, 93, false}, {"生命", true, 93, false},
        {"ゴー", true, 93, false}, {"罪の", true, 183, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + (c.fallen ? " on the fallen" : " on the standing"));
        Ward ward;
        Form& form = ward.game.form;
        ward.f.element[kAlly] = kWater;
        if (c.fallen) {
            form.ViewUnder[kAlly].visible = false;
            form.ViewFrame[kAlly].borderStyle = 1;
            form.ViewFrame[kAlly].borderColour = kButtonFace;
            form.TGage[kAlly].visible = false;
            SetHp(ward.game, kAlly, 0);
        } else {
            SetHp(ward.game, kAlly, 1200);
        }

        ward.Use(c.key, kAlly);

        EXPECT_EQ(ward.Hp(kAlly), "5000");
        EXPECT_TRUE(EndsWith(ward.Box(kAlly), "生き返った！\r\n")) << ward.Box(kAlly);
        EXPECT_TRUE(form.ViewUnder[kAlly].visible);
        EXPECT_EQ(form.ViewFrame[kAlly].borderStyle, 0);
        EXPECT_EQ(form.ViewFrame[kAlly].borderColour, ElementColour(kWater));
        EXPECT_TRUE(form.TGage[kAlly].visible);
        EXPECT_EQ(ward.Counter(kAlly, kUndeadMarkCounter), c.undead ? 1 : 0);
        EXPECT_EQ(ward.Sounds(), std::vector<int>{c.sound});
    }
}

TEST_F(HealingTest, TestamentPromisesRevivalBySpiritHeldToAByte) {
    for (const int spirit : {120, 255, 256, 900}) {
        SCOPED_TRACE("spirit " + std::to_string(spirit));
        Ward ward;
        ward.f.spirit[kCaster] = static_cast<std::int16_t>(spirit);
        ward.Use("ラザ", kAlly);
        EXPECT_EQ(ward.Counter(kAlly, kTestamentCounter), spirit < 256 ? spirit : 255);
        EXPECT_EQ(ward.Box(kAlly), "死後の復活が約束された。");
    }
}

TEST_F(HealingTest, StatusCureEndsAfflictionsAndTheBombButNoMagic) {
    struct Case {
        const char* key;
        int giverTension;
        int tensionAfter;
        std::vector<int> sounds;
    };
    const std::vector<Case> cases{
        {"清流", 40, 51, {94}},
        {"アロ", 60, 45, {94}},
        {"あろ", 50, 45, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        Ward ward;
        for (int k = 0; k < kCounters; ++k)
            if (k != kTensionBoostCounter) ward.Counter(kAlly, k) = 3;
        ward.f.tension[kCaster] = static_cast<std::uint8_t>(c.giverTension);

        ward.Use(c.key, kAlly);

        for (int k = 0; k < kCounters; ++k) {
            const bool cured = k == kStatLockCounter || k == kWetCounter || k == kTimeBombCounter ||
                               (k >= kMadnessCounter && k <= kAgeingCounter);
            const int before = k == kTensionBoostCounter ? 0 : 3;
            EXPECT_EQ(ward.Counter(kAlly, k), cured ? 0 : before) << "counter " << k;
        }
        EXPECT_EQ(ward.Box(kAlly), "ステータス回復。\r\n");
        EXPECT_EQ(ward.f.tension[kAlly], c.tensionAfter);
        EXPECT_EQ(ward.Sounds(), c.sounds);
    }
}

TEST_F(HealingTest, EyeDropsRestoreSightAndSayNothingToTheSighted) {
    for (const int blindness : {4, 0}) {
        SCOPED_TRACE("blindness " + std::to_string(blindness));
        Ward ward;
        ward.Counter(kAlly, kBlindnessCounter) = static_cast<std::uint8_t>(blindness);
        ward.game.form.StPic[kAlly].visible = blindness != 0;
        ward.Use("目薬", kAlly);
        EXPECT_EQ(ward.Counter(kAlly, kBlindnessCounter), 0);
        EXPECT_EQ(ward.Box(kAlly), blindness != 0 ? "視界を取り戻した。\r\n" : "");
        EXPECT_FALSE(ward.game.form.StPic[kAlly].visible);
        EXPECT_EQ(ward.Sounds(), std::vector<int>{120});
    }
}

TEST_F(HealingTest, AntidoteEndsThePoison) {
    Counter(kAlly, kPoisonCounter) = 9;
    game.form.StPic[kAlly].visible = true;
    Use("毒消", kAlly);
    EXPECT_EQ(Counter(kAlly, kPoisonCounter), 0);
    EXPECT_EQ(Box(kAlly), "毒が治った。");
    EXPECT_FALSE(game.form.StPic[kAlly].visible);
    EXPECT_EQ(Sounds(), std::vector<int>{120});
}

TEST_F(HealingTest, MintWakesTheSleeperAndLeavesItAtLeastPartlyGuarded) {
    struct Case {
        int guard;
        int after;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{2, 2}, Case{3, 1}}) {
        SCOPED_TRACE("guard " + std::to_string(c.guard));
        Ward ward;
        ward.Counter(kAlly, kSleepCounter) = 6;
        ward.Counter(kAlly, kStatusGuardCounter) = static_cast<std::uint8_t>(c.guard);
        ward.Use("ミン", kAlly);
        EXPECT_EQ(ward.Counter(kAlly, kSleepCounter), 0);
        EXPECT_EQ(ward.Counter(kAlly, kStatusGuardCounter), c.after);
        EXPECT_EQ(ward.Box(kAlly), "目覚める清涼感！\r\n");
    }
}

TEST_F(HealingTest, DispelWipesMagicButLeavesAfflictionsAndTheFightersOwnNature) {
    struct Case {
        const char* key;
        bool handkerchief;
        int level;
        int levelAfter;
        std::vector<int> sounds;
    };
    const std::vector<Case> cases{
        {"光の", false, 7, 3, {19}},
        {"禊ぎ", true, 12, 12, {163}},
        {"ハリ", false, 9, 3, {4}},
        {"はり", true, 10, 10, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        Ward ward;
        Form& form = ward.game.form;
        FighterTable& f = ward.f;
        for (int k = 0; k < kCounters; ++k) ward.Counter(kFoe, k) = 3;
        if (c.handkerchief) f.accessory[kFoe] = std::string(kAliceHandkerchief);
        ward.Counter(kOtherFoe, kBondCounter) = 10 + kFoe; // protects the target
        ward.Counter(kCaster, kBondCounter) = 10 + kOtherFoe;
        f.level[kFoe] = static_cast<std::uint8_t>(c.level);
        f.baseLevel[kFoe] = 3;
        f.element[kFoe] = kDark;
        f.hpMod[kFoe] = 500;
        f.mpMod[kFoe] = 20;
        f.attackMod[kFoe] = 30;
        f.defenseMod[kFoe] = -20;
        f.speedMod[kFoe] = 10;
        f.spiritMod[kFoe] = -5;
        form.HPMP[kFoe].backColour = kBlack;
        form.HP[kFoe].visible = false;
        form.MP[kFoe].visible = false;

        ward.Use(c.key, kFoe);

        for (int k = 0; k < kCounters; ++k) {
            const bool kept = k == kWardCounter || k == kTimeBombCounter ||
                              (k >= kMadnessCounter && k <= kAgeingCounter) || k == kStepCounter ||
                              k == kUndeadMarkCounter || k == kKarmaCounter;
            const int guard = c.handkerchief ? 2 : 0;
            EXPECT_EQ(ward.Counter(kFoe, k), kept                       ? 3
                                             : k == kStatusGuardCounter ? guard
                                                                        : 0)
                << "counter " << k;
        }
        EXPECT_EQ(ward.Counter(kOtherFoe, kBondCounter), 0);
        EXPECT_EQ(ward.Counter(kCaster, kBondCounter), 10 + kOtherFoe);
        EXPECT_EQ(f.hpMod[kFoe], 500);
        EXPECT_EQ(f.mpMod[kFoe], 20);
        EXPECT_EQ(f.attackMod[kFoe], 0);
        EXPECT_EQ(f.defenseMod[kFoe], 0);
        EXPECT_EQ(f.speedMod[kFoe], 0);
        EXPECT_EQ(f.spiritMod[kFoe], 0);
        EXPECT_EQ(f.element[kFoe], kFire);
        EXPECT_EQ(form.ViewFrame[kFoe].borderColour, ElementColour(kFire));
        EXPECT_EQ(form.HPMP[kFoe].backColour, kWhite);
        EXPECT_TRUE(form.HP[kFoe].visible);
        EXPECT_TRUE(form.MP[kFoe].visible);
        EXPECT_EQ(f.level[kFoe], c.levelAfter);
        EXPECT_TRUE(EndsWith(ward.Box(kFoe), "魔法効果消去。\r\n")) << ward.Box(kFoe);
        EXPECT_EQ(ward.Sounds(), c.sounds);
    }
}

TEST_F(HealingTest, DispelBringsBackTheStandingMembersOfASeparatedSide) {
    struct Case {
        int separated; // 3: no separation in force
        bool shown;
    };
    for (const Case c : {Case{1, true}, Case{3, false}}) {
        SCOPED_TRACE("separated member " + std::to_string(c.separated));
        Ward ward;
        Form& form = ward.game.form;
        ward.game.partySize = {2, 3};
        ward.game.separatedMember[1] = static_cast<std::uint8_t>(c.separated);
        form.ViewUnder[kOtherFoe].visible = false; // set apart
        form.ViewFrame[5].borderStyle = 1;         // fallen
        ward.Use("はり", kFoe);
        EXPECT_EQ(form.ViewUnder[kOtherFoe].visible, c.shown);
        EXPECT_FALSE(form.ViewUnder[5].visible);
        EXPECT_EQ(ward.game.separatedMember[1], c.separated);
    }
}

} // namespace
} // namespace vk2
