#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/mp_cost.h"
#include "battle/skills/execute_skill.h"
#include "battle/stats.h"
#include "model/game.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// Slot 0 acts. Slots 0, 1, 3 and 4 stand on the field, slot 2 has fallen and slot 5 is empty; every
// box starts with one line. The platform notes what the caster's box showed at each sound, so the
// order of sound and messages shows.
constexpr SlotIndex kCaster = 0;
constexpr SlotIndex kAlly = 1;
constexpr SlotIndex kFallen = 2;
constexpr SlotIndex kFoe = 3;
constexpr SlotIndex kOtherFoe = 4;
constexpr const char* kFirstLine = "前の行\r\n";

class SoundWatchingPlatform : public test::RecordingPlatform {
  public:
    const Game* game = nullptr;
    std::vector<std::string> casterBoxAtSound;

    void playSound(int number) override {
        RecordingPlatform::playSound(number);
        casterBoxAtSound.push_back(game->form.Message[kCaster].text);
    }
};

struct Field {
    Field() {
        platform.game = &game;
        game.partySize = {3, 2};
        for (SlotIndex s = 0; s < kBattleSlots; ++s) {
            game.form.ViewUnder[s].visible = false;
            game.form.Message[s].text = kFirstLine;
        }
        test::PutOnField(game, {kCaster, kAlly, kFoe, kOtherFoe});
        for (SlotIndex s : {kCaster, kAlly, kFallen, kFoe, kOtherFoe}) {
            f.maxHp[s] = 9000;
            f.maxMp[s] = 500;
            f.spirit[s] = 40;
            f.tension[s] = 50;
            game.form.HP[s].text = "1000";
            game.form.MP[s].text = "100";
        }
        game.form.HP[kFallen].text = "0";
    }

    void Use(const std::string& key) {
        SlotIndex target = kCaster;
        std::string k = key;
        ExecuteSkill(game, kCaster, target, k);
    }

    std::string Hp(SlotIndex s) const { return game.form.HP[s].text; }
    std::string Mp(SlotIndex s) const { return game.form.MP[s].text; }
    const std::string& Box(SlotIndex s) const { return game.form.Message[s].text; }

    SoundWatchingPlatform platform;
    ScriptedRandom random;
    Game game{platform, random};
    FighterTable& f = game.f;
};

class FieldEffectsTest : public ::testing::Test, protected Field {
  protected:
    void TearDown() override { EXPECT_EQ(random.unused(), 0u) << "rolls left unused"; }
};

TEST_F(FieldEffectsTest, FieldEffectsTakeHoldWithTheirMessagesAndSound) {
    struct Case {
        const char* key;
        int sound;
        bool soundFirst;
        std::string line;
        bool replaces;
        Colour colour;
        int casterTension;
    };
    const std::vector<Case> cases{
        {"静寂", 10, true, "…………", false, kSilentSnowField, 43},
        {"カリ", 182, true, "暗黒時代に突入！", false, kKaliYugaField, 50},
        {"磁気", 2, false, "MP消費３倍！", true, kMagneticAnomalyField, 50},
        {"灰色", 15, true, "MP消費ゼロ！", false, kGreyCrescentField, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        Field field;
        field.game.form.backColour = kKaliYugaField; // a field effect already in force gives way
        field.game.fieldEffectTurns = 3;
        field.f.spirit[kCaster] = 100;
        field.game.partySize = {2, 2};

        field.Use(c.key);

        const std::string expected = (c.replaces ? "" : kFirstLine) + c.line + "\r\n";
        for (SlotIndex s : {kCaster, kAlly, kFoe, kOtherFoe})
            EXPECT_EQ(field.Box(s), expected) << "slot " << s;
        EXPECT_EQ(field.Box(kFallen), kFirstLine);
        EXPECT_EQ(field.platform.sounds, std::vector<int>{c.sound});
        EXPECT_EQ(field.platform.casterBoxAtSound,
                  std::vector<std::string>{c.soundFirst ? kFirstLine : expected});
        EXPECT_EQ(field.game.form.backColour, c.colour);
        EXPECT_EQ(field.game.fieldEffectTurns, 16); // Int(100 / 49 + 2) x 4 fighters
        EXPECT_EQ(field.f.tension[kCaster], c.casterTension);
    }
}

TEST_F(FieldEffectsTest, AveragingGivesEveryoneOnTheFieldTheMeanHpAndMp) {
    struct Case {
        std::vector<int> hp; // of the caster, a foe and maybe the ally; the others stand aside
        std::vector<int> mp;
        std::string hpAfter;
        std::string mpAfter;
    };
    const std::vector<Case> cases{
        {{1000, 500}, {100, 51}, "750", "75"},
        {{1234, 567}, {0, 0}, "900", "0"},
        {{1364, 274}, {3, 3}, "818", "3"}, // tenths summed at single precision: a point short of 819
        {{1000, 500, 600}, {100, 51, 0}, "700", "50"},
    };
    const std::vector<SlotIndex> order{kCaster, kFoe, kAlly};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hpAfter);
        Field field;
        field.game.form.ViewUnder[kOtherFoe].visible = false;
        field.game.form.ViewUnder[kAlly].visible = c.hp.size() > 2;
        const std::vector<SlotIndex> present(order.begin(), order.begin() + static_cast<long>(c.hp.size()));
        for (std::size_t i = 0; i < present.size(); ++i) {
            SetHp(field.game, present[i], c.hp[i]);
            SetMp(field.game, present[i], c.mp[i]);
        }

        field.Use("神の");

        for (SlotIndex s : present) {
            EXPECT_EQ(field.Hp(s), c.hpAfter) << "slot " << s;
            EXPECT_EQ(field.Mp(s), c.mpAfter) << "slot " << s;
            EXPECT_EQ(field.Box(s), "HP、MP平均化。\r\n") << "slot " << s;
        }
        EXPECT_EQ(field.Hp(kOtherFoe), "1000");
        EXPECT_EQ(field.Box(kOtherFoe), kFirstLine);
        EXPECT_EQ(field.platform.sounds, std::vector<int>{16});
    }
}

TEST_F(FieldEffectsTest, HornCursesEveryUnguardedFighterToFixedNumbersForGood) {
    FighterTable& t = f;
    for (SlotIndex s : {kCaster, kAlly, kFoe, kOtherFoe}) {
        t.baseMaxHp[s] = 4000;
        t.equipHp[s] = 300;
        t.baseMaxMp[s] = 80;
        t.equipMp[s] = 20;
        t.baseAttack[s] = 120;
        t.equipAttack[s] = 40;
        t.baseDefense[s] = 70;
        t.equipDefense[s] = 5;
        t.baseSpeed[s] = 90;
        t.equipSpeed[s] = -10;
        t.baseSpirit[s] = 30;
        t.equipSpirit[s] = 3;
        t.counter(s, kChargeCounter) = 4;
        t.counter(s, kConcentrationCounter) = 4;
    }
    t.counter(kFoe, kStatusGuardCounter) = 1;
    t.counter(kOtherFoe, kStatusGuardCounter) = 2;
    t.maxHp[kOtherFoe] = 4300;

    Use("悪魔");

    for (SlotIndex s : {kCaster, kAlly, kFoe}) {
        SCOPED_TRACE("slot " + std::to_string(s));
        EXPECT_EQ(t.hpMod[s], 6666 - 4300);
        EXPECT_EQ(t.mpMod[s], 666 - 100);
        EXPECT_EQ(t.attackMod[s], 66 - 160);
        EXPECT_EQ(t.defenseMod[s], 66 - 75);
        EXPECT_EQ(t.speedMod[s], 66 - 80);
        EXPECT_EQ(t.spiritMod[s], 66 - 33);
        EXPECT_EQ(Hp(s), "6666");
        EXPECT_EQ(Mp(s), "666");
        EXPECT_EQ(t.counter(s, kChargeCounter), 0);
        EXPECT_EQ(t.counter(s, kConcentrationCounter), 0);
        EXPECT_EQ(Box(s), std::string(kFirstLine) + "不吉がもたらされた。\r\n");
        t.attackMod[s] = 500; // what later modifiers do to a cursed fighter
        RecomputeStats(game, s);
        for (const std::int16_t total : {t.attack[s], t.defense[s], t.speed[s], t.spirit[s]})
            EXPECT_EQ(total, 66);
        EXPECT_EQ(t.maxHp[s], 6666);
        EXPECT_EQ(t.maxMp[s], 666);
    }
    EXPECT_EQ(Hp(kOtherFoe), "1000");
    EXPECT_EQ(t.maxHp[kOtherFoe], 4300);
    EXPECT_EQ(t.hpMod[kOtherFoe], 0);
    EXPECT_EQ(t.counter(kOtherFoe, kChargeCounter), 4);
    EXPECT_EQ(Box(kOtherFoe), kFirstLine);
    EXPECT_EQ(Hp(kFallen), "0");
    EXPECT_EQ(platform.sounds, std::vector<int>{184});
}

} // namespace
} // namespace vk2
