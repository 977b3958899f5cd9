#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/damage.h"
#include "battle/skills/execute_skill.h"
#include "battle/skills/skill_rules.h"
#include "core/text.h"
#include "model/command_catalogue.h"
#include "model/commands.h"
#include "model/elements.h"
#include "model/game.h"
#include "model/item_descriptions.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// Slot 0 casts at slot 3; slots 3 and 4 carry white marks, so a spell meant for one target that
// strikes every marked slot shows at once. All three have 5000 HP, 100 MP and spirit 40.
constexpr SlotIndex kCaster = 0;
constexpr SlotIndex kFoe = 3;
constexpr SlotIndex kOtherFoe = 4;
constexpr float kMidRoll = 0.5f;

struct Arena {
    Arena() {
        for (SlotIndex s = 0; s < kBattleSlots; ++s) {
            game.form.ViewUnder[s].visible = false;
            game.form.Cursor[s].visible = false;
        }
        game.partySize = {1, 2};
        for (SlotIndex s : {kCaster, kFoe, kOtherFoe}) {
            game.form.ViewUnder[s].visible = true;
            f.level[s] = 1;
            f.maxHp[s] = 5000;
            f.maxMp[s] = 100;
            f.spirit[s] = 40;
            f.attack[s] = 150;
            f.defense[s] = 60;
            f.tension[s] = 50;
            f.affinity[s].fill(kNormal);
            game.form.HP[s].text = "5000";
            game.form.MP[s].text = "100";
        }
        for (SlotIndex s : {kFoe, kOtherFoe}) {
            game.form.Cursor[s].visible = true;
            game.form.Cursor[s].foreColour = kWhite;
        }
    }

    // The caster's command as the player chose it: its kind and elements come from the catalogue.
    void Choose(const std::string& command) {
        ListBox& commands = game.form.Command[kCaster];
        commands.clear();
        commands.add(command, 0);
        commands.selected = 0;
        ShowCommandDescription(game, kCaster);
    }

    void ChooseItem(const std::string& item) {
        Choose(kUseItemCommand);
        ListBox& items = game.form.Item[kCaster];
        items.clear();
        items.add(item, kItemTool);
        items.selected = 0;
        ShowItemDescription(game, kCaster);
    }

    void Roll(int n) {
        for (int i = 0; i < n; ++i) t.random.push(kMidRoll);
    }

    void Cast(const std::string& key) {
        SlotIndex target = kFoe;
        std::string k = key;
        ExecuteSkill(game, kCaster, target, k);
    }

    std::string Hp(SlotIndex s) const { return game.form.HP[s].text; }
    const std::string& Box(SlotIndex s) const { return game.form.Message[s].text; }

    test::TestGame t;
    Game& game = t.game;
    FighterTable& f = game.f;
};

class AttackMagicTest : public ::testing::Test, protected Arena {
  protected:
    void TearDown() override { EXPECT_EQ(t.random.unused(), 0u) << "rolls left unused"; }
};

// What a plain spell must amount to: its animation, then exactly the blow of its power and flags.
struct Expected {
    std::string name;
    bool item;
    int power;
    int flags;
    std::optional<Animation> animation; // none for the strikes without their own animation
};

Colour ColourOf(Tint tint) {
    return tint.element < 0 ? tint.value : ElementColour(tint.element);
}

// The same arena, the same choice, and the blow given straight to ResolveAttack.
struct Reference : Arena {
    explicit Reference(const Expected& e, int rolls) {
        e.item ? ChooseItem(e.name) : Choose(e.name);
        Roll(rolls);
        ResolveAttack(game, kCaster, kFoe, e.power, e.flags);
    }
};

TEST_F(AttackMagicTest, EachSpellAnimatesThenStrikesWithItsPowerAndFlags) {
    const Tint t = kTransparent;
    const std::vector<Expected> cases{
        {"エナジーボール", false, 17, 0, Animation{EffectSlot::Target, 19, 5, Ec(0), t, 13}},
        {"パワードライブ", false, 25, kEveryMarkedSlot, Animation{EffectSlot::Marked, 26, 3, Ec(0), t, 112}},
        {"鬼火", false, 24, 0, Animation{EffectSlot::Target, 19, 4, Ec(1), Ec(8), 115}},
        {"クリムゾンフレア", false, 23, kEveryMarkedSlot,
         Animation{EffectSlot::Marked, 23, 3, Ec(1), t, 114}},
        {"プラズマ", false, 19, 0, Animation{EffectSlot::Target, 20, 3, Ec(3), Ec(1), 130}},
        {"雷神太鼓", true, 19, kEveryMarkedSlot, Animation{EffectSlot::Marked, 23, 6, Ec(3), t, 132}},
        {"大地震", false, 34, kEveryMarkedSlot, Animation{EffectSlot::Marked, 31, 4, Ec(5), t, 152}},
        {"血の大絡", false, 26, kEveryMarkedSlot,
         Animation{EffectSlot::Marked, 25, 2, Ec(8), Fixed(0x002299), 3}},
        {"沙羅双樹", false, 23, 0, Animation{EffectSlot::Target, 25, 2, Ec(9), Ec(7), 154}},
        {"疾風迅雷", false, 307, 0, std::nullopt},
        {"吸血", false, 69, 0, std::nullopt},
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(e.name);
        const bool group = e.flags == kEveryMarkedSlot;
        const Reference reference(e, group ? 2 : 1);
        Arena cast;
        e.item ? cast.ChooseItem(e.name) : cast.Choose(e.name);
        cast.Roll(group ? 2 : 1);
        cast.Cast(Left(e.name, 2));

        EXPECT_EQ(cast.t.random.unused(), 0u);
        for (SlotIndex s = 0; s < kBattleSlots; ++s) {
            EXPECT_EQ(cast.Hp(s), reference.Hp(s)) << "slot " << s;
            EXPECT_EQ(cast.Box(s), reference.Box(s)) << "slot " << s;
        }
        EXPECT_NE(cast.Hp(kFoe), "5000");
        std::vector<int> sounds = reference.t.platform.sounds;
        if (e.animation) {
            const ActionEffect& played = cast.game.form.actionEffect;
            const Animation& a = *e.animation;
            sounds.insert(sounds.begin(), a.sound);
            EXPECT_EQ(played.frames, a.frames);
            EXPECT_EQ(played.halfPeriod, a.halfPeriod);
            EXPECT_EQ(played.colourA, ColourOf(a.a));
            EXPECT_EQ(played.colourB, ColourOf(a.b));
            EXPECT_TRUE(played.animated[kFoe]);
            EXPECT_EQ(played.animated[kOtherFoe], a.slot == EffectSlot::Marked);
        }
        EXPECT_EQ(cast.t.platform.sounds, sounds);
    }
}

TEST_F(AttackMagicTest, TargetAbsorbingTheElementIsHealedByTheSpell) {
    Choose("ファイヤーボール");
    f.affinity[kFoe][kFire - 1] = kAbsorb;
    SetHp(game, kFoe, 500);
    t.random.push(0.0f); // no luck: 18 x 100 x (0.66 + 0.003 x 40) = 1404
    Cast("ファ");
    EXPECT_EQ(Hp(kFoe), "1904");
    EXPECT_EQ(Box(kFoe), " 1404 HP回復。\r\n");
    EXPECT_EQ(Hp(kOtherFoe), "5000");
}

TEST_F(AttackMagicTest, MegidoSpendsAllMpForHalfItAsPower) {
    for (const int mp : {61, 1, 0}) {
        SCOPED_TRACE("MP " + std::to_string(mp));
        Arena cast;
        cast.Choose("メギド");
        SetMp(cast.game, kCaster, mp);
        cast.Roll(2);
        cast.Cast("メギ");
        Reference reference({"メギド", false, mp / 2 + 20, kEveryMarkedSlot, std::nullopt}, 2);
        EXPECT_EQ(cast.Hp(kFoe), reference.Hp(kFoe));
        EXPECT_EQ(cast.Hp(kOtherFoe), reference.Hp(kOtherFoe));
        EXPECT_EQ(cast.game.form.MP[kCaster].text, "0");
        EXPECT_EQ(cast.t.random.unused(), 0u);
    }
}

TEST_F(AttackMagicTest, SonicBoomTakesAShareOfTheTargetsHpByWindAffinity) {
    struct Case {
        int affinity;
        int hp;
        std::string after;
        std::string line;
    };
    const std::vector<Case> cases{
        {kWeak, 1000, "400", " 600 のダメージ！\r\n"},   {kNormal, 1000, "600", " 400 のダメージ！\r\n"},
        {kResist, 1000, "800", " 200 のダメージ！\r\n"}, {kImmune, 1000, "1000", " 0 のダメージ！\r\n"},
        {kAbsorb, 1000, "1400", " 400 HP回復。\r\n"},    {kWeak, 20000, "10001", " 9999 のダメージ！\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("affinity " + std::to_string(c.affinity) + ", HP " + std::to_string(c.hp));
        Choose("ソニックブーム");
        f.maxHp[kFoe] = 30000;
        SetHp(game, kFoe, c.hp);
        f.affinity[kFoe][kWind - 1] = static_cast<std::uint8_t>(c.affinity);
        game.form.Message[kFoe].text.clear();
        Cast("ソニ");
        EXPECT_EQ(Hp(kFoe), c.after);
        EXPECT_EQ(Box(kFoe), c.line);
    }
}

TEST_F(AttackMagicTest, PrideBreakLowersTheLevelOfALowLevelTargetItHits) {
    struct Case {
        int level;
        bool hidden;
        int after;
        bool line;
    };
    const std::vector<Case> cases{
        {2, false, 0, true},    {3, false, 1, true}, {9, false, 7, true},
        {10, false, 10, false}, {5, true, 5, false}, // the blow missed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.level) + (c.hidden ? ", hidden" : ""));
        Arena cast;
        cast.Choose("プライドブレイク");
        cast.f.level[kFoe] = static_cast<std::uint8_t>(c.level);
        cast.f.counter(kFoe, kHiddenCounter) = c.hidden ? 3 : 0;
        cast.Roll(1);
        cast.Cast("プラ");
        EXPECT_EQ(cast.f.level[kFoe], c.after);
        const std::string line = "レベル" + Str(c.after) + "にダウン。\r\n";
        EXPECT_EQ(EndsWith(cast.Box(kFoe), line), c.line) << cast.Box(kFoe);
        EXPECT_LE(HpOf(cast.game, kFoe), cast.f.maxHp[kFoe]);
        EXPECT_LE(MpOf(cast.game, kFoe), cast.f.maxMp[kFoe]);
        EXPECT_EQ(cast.Hp(kOtherFoe), "5000");
        EXPECT_EQ(cast.t.random.unused(), 0u);
    }
}

TEST_F(AttackMagicTest, LiquidNitrogenCutsDefenceBySpirit) {
    Choose("液体窒素");
    f.spirit[kCaster] = 85;
    Roll(1);
    Cast("液体");
    EXPECT_EQ(f.defenseMod[kFoe], -30); // 22 + Int(8.5)
    EXPECT_TRUE(EndsWith(Box(kFoe), " のダメージ！\r\n守備力 30 ダウン。")) << Box(kFoe);
}

TEST_F(AttackMagicTest, BioStingPoisonsUnlessTheTargetIsGuarded) {
    for (const int guard : {0, 1, 2}) {
        SCOPED_TRACE("guard " + std::to_string(guard));
        Arena cast;
        cast.Choose("バイオスティング");
        ASSERT_GE(cast.game.actionCode, 100);
        cast.f.counter(kFoe, kStatusGuardCounter) = static_cast<std::uint8_t>(guard);
        cast.Roll(1);
        cast.Cast("バイ");
        EXPECT_EQ(cast.t.platform.sounds.front(), 0);
        EXPECT_EQ(cast.f.counter(kFoe, kPoisonCounter), guard < 2 ? 4 : 0);
        EXPECT_EQ(EndsWith(cast.Box(kFoe), "毒に冒された。\r\n"), guard < 2);
        EXPECT_EQ(cast.t.random.unused(), 0u);
    }
}

TEST_F(AttackMagicTest, FuurinkazanTakesOnOnlyTheElementsTheTargetIsWeakTo) {
    Choose("風林火山");
    game.actionElements.fill(1);
    f.affinity[kFoe][kEarth - 1] = kWeak;
    Roll(1);
    Cast("風林");
    EXPECT_EQ(game.actionElements, (ElementCodes{0, 1, 1, 0, 1, 1, 0, 1, 1}));

    Arena reference;
    reference.Choose("風林火山");
    reference.game.actionElements = game.actionElements;
    reference.f.affinity[kFoe][kEarth - 1] = kWeak;
    reference.Roll(1);
    ResolveAttack(reference.game, kCaster, kFoe, 150, 0);
    EXPECT_EQ(Hp(kFoe), reference.Hp(kFoe));
}

TEST_F(AttackMagicTest, UshiNoKokuMairiPassesTheCastersWoundsAndCostsTension) {
    Choose("丑の刻参り");
    SetHp(game, kCaster, 1800);
    Cast("丑の");
    EXPECT_EQ(Hp(kFoe), "1800");
    EXPECT_EQ(Box(kFoe), " 3200 のダメージ！\r\n");
    EXPECT_EQ(f.tension[kCaster], 46);
    EXPECT_EQ(t.platform.sounds.front(), 190);
}

TEST_F(AttackMagicTest, EmitourugyonStrikesTheSideByCommandCount) {
    Choose("エミトウルギョン");
    game.partySize = {1, 3};
    game.form.ViewUnder[5].visible = true;
    game.form.ViewUnder[kOtherFoe].visible = false; // off the field: spared
    for (SlotIndex s : {kFoe, kOtherFoe, 5}) {
        f.maxHp[s] = 50000;
        SetHp(game, s, 40000);
    }
    f.maxHp[kCaster] = 50000;
    const auto giveCommands = [&](SlotIndex s, int n) {
        game.form.Command[s].clear();
        for (int i = 0; i < n; ++i) game.form.Command[s].add("たたかう", 0);
    };
    giveCommands(kFoe, 35);
    giveCommands(kOtherFoe, 12);
    giveCommands(5, 2);
    for (const char* item : {"薬草", "目薬", "ミント"}) game.form.Item[kCaster].add(item, kItemConsumable);

    Cast("エミ");
    EXPECT_EQ(game.form.MP[kCaster].text, "70");
    EXPECT_EQ(Hp(kFoe), "10000");
    EXPECT_EQ(Hp(kOtherFoe), "40000");
    EXPECT_EQ(Hp(5), "43000");
    EXPECT_EQ(Box(5), " 3000 HP回復。\r\n");
}

TEST_F(AttackMagicTest, GekokujouStrikesOnlyUpward) {
    struct Case {
        int actorLevel;
        int targetLevel;
    };
    for (const Case c : {Case{5, 5}, Case{6, 5}, Case{3, 5}}) {
        SCOPED_TRACE(std::to_string(c.actorLevel) + " against " + std::to_string(c.targetLevel));
        const bool upward = c.actorLevel < c.targetLevel;
        Arena cast;
        cast.Choose("下剋上");
        cast.f.level[kCaster] = static_cast<std::uint8_t>(c.actorLevel);
        cast.f.level[kFoe] = static_cast<std::uint8_t>(c.targetLevel);
        cast.game.form.Message[kFoe].text = "前の行\r\n";
        cast.Roll(upward ? 1 : 0);
        cast.Cast("下剋");
        EXPECT_EQ(cast.t.random.unused(), 0u);
        if (!upward) {
            EXPECT_EQ(cast.Box(kFoe), "ミス！");
            EXPECT_EQ(cast.f.tension[kCaster], 43);
            EXPECT_EQ(cast.Hp(kFoe), "5000");
            continue;
        }
        Arena reference;
        reference.Choose("下剋上");
        reference.f.level[kCaster] = static_cast<std::uint8_t>(c.actorLevel);
        reference.f.level[kFoe] = static_cast<std::uint8_t>(c.targetLevel);
        reference.Roll(1);
        ResolveAttack(reference.game, kCaster, kFoe, 200, 0);
        EXPECT_EQ(cast.Hp(kFoe), reference.Hp(kFoe));
        EXPECT_NE(cast.Hp(kFoe), "5000");
    }
}

TEST_F(AttackMagicTest, WingAndFanMoveNobodyAlreadyInTheRowTheyAimFor) {
    struct Case {
        const char* command;
        bool item;
        int position;
    };
    for (const Case c : {Case{"マハンウイング", false, 2}, Case{"天狗の葉うちわ", true, 3}}) {
        SCOPED_TRACE(c.command);
        Arena cast;
        c.item ? cast.ChooseItem(c.command) : cast.Choose(c.command);
        cast.f.position[kFoe] = static_cast<std::uint8_t>(c.position);
        cast.Roll(1);
        cast.Cast(Left(c.command, 2));
        EXPECT_TRUE(EndsWith(cast.Box(kFoe), " のダメージ！\r\n")) << cast.Box(kFoe);
        EXPECT_EQ(cast.f.position[kFoe], c.position);
        EXPECT_EQ(cast.t.random.unused(), 0u);
    }
}

} // namespace
} // namespace vk2
