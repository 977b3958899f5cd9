#include <gtest/gtest.h>

#include <string>

#include "model/status_sheet.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// A 炎 fighter at level 3 weak to 冷 and 水, with a sword and a charm, in the preview slot.
class StatusSheetTest : public ::testing::Test {
  protected:
    StatusSheetTest() { Fill(kPreviewSlot); }

    void Fill(SlotIndex s) {
        FighterTable& f = game.f;
        f.element[s] = kFire;
        f.level[s] = 3;
        f.maxHp[s] = 4321;
        f.maxMp[s] = 45;
        f.attack[s] = 180;
        f.defense[s] = 7;
        f.speed[s] = -12;
        f.spirit[s] = 100;
        f.affinity[s] = {3, 1, 3, 3, 5, 1, 3, 3, 3};
        f.weapon[s] = "バスターソード";
        f.accessory[s] = "お守り";
        f.proficiency[s] = {99, 5, 0, 10, 0, 0, 0};
    }

    std::string Line(int half, int index) {
        std::string text = BuildStatusSheetFor(game, kPreviewSlot, half);
        for (int i = 0; i < index; ++i) text = text.substr(text.find("\r\n") + 2);
        return text.substr(0, text.find("\r\n"));
    }

    test::TestGame t;
    Game& game = t.game;
};

TEST_F(StatusSheetTest, WritesBothHalvesCharacterForCharacter) {
    EXPECT_EQ(BuildStatusSheetFor(game, kPreviewSlot, kSheetAbilities), "炎属性　レベル3\r\n"
                                                                        "\r\n"
                                                                        "最大ＨＰ　 4321\r\n"
                                                                        "最大ＭＰ　　 45\r\n"
                                                                        "攻撃力　　　180\r\n"
                                                                        "守備力　　　 7\r\n"
                                                                        "すばやさ　　 -12\r\n"
                                                                        "精神力　　　100\r\n");
    EXPECT_EQ(BuildStatusSheetFor(game, kPreviewSlot, kSheetEquipment), "\r\n"
                                                                        "弱点　冷水\r\n"
                                                                        "装備　バスターソード\r\n"
                                                                        "　　　　お守り\r\n"
                                                                        "剣・刀　99　　斧・槌　 ×\r\n"
                                                                        "ナイフ　 5　　杖・鞭　 ×\r\n"
                                                                        "拳・爪　 ×　　弓・銃　 ×\r\n"
                                                                        "槍・矛　10");
}

TEST_F(StatusSheetTest, PadsNumbersUpToTheirColumnWidth) {
    struct Case {
        std::int32_t hp;
        std::int16_t mp;
        std::string hpLine;
        std::string mpLine;
    };
    for (const Case& c : {Case{9999, 99, "最大ＨＰ　 9999", "最大ＭＰ　　 99"},
                          Case{10000, 100, "最大ＨＰ　10000", "最大ＭＰ　　100"}}) {
        game.f.maxHp[kPreviewSlot] = c.hp;
        game.f.maxMp[kPreviewSlot] = c.mp;
        EXPECT_EQ(Line(kSheetAbilities, 2), c.hpLine);
        EXPECT_EQ(Line(kSheetAbilities, 3), c.mpLine);
    }
}

TEST_F(StatusSheetTest, TheBorrowingBladeShowsAQuestionMarkForAttack) {
    game.f.weapon[kPreviewSlot] = "セルゲンブレイド";
    EXPECT_EQ(Line(kSheetAbilities, 4), "攻撃力　　　　？");
    game.f.attack[kPreviewSlot] = 40;
    EXPECT_EQ(Line(kSheetAbilities, 4), "攻撃力　　　 　？");
}

TEST_F(StatusSheetTest, EquipmentLinesForEachCombination) {
    struct Case {
        std::string weapon;
        std::string accessory;
        std::string expected; // weakness line onwards, up to the proficiency table
    };
    game.f.affinity[kPreviewSlot].fill(3);
    for (const Case& c : {
             Case{"木刀", "", "弱点　なし\r\n装備　木刀\r\n　　　　\r\n"},
             Case{"素手", "勲章", "弱点　なし\r\n装備　勲章\r\n　　　　\r\n"},
             Case{"素手", "", "弱点　なし\r\n装備　なし\r\n\r\n"},
         }) {
        game.f.weapon[kPreviewSlot] = c.weapon;
        game.f.accessory[kPreviewSlot] = c.accessory;
        const std::string sheet = BuildStatusSheetFor(game, kPreviewSlot, kSheetEquipment);
        EXPECT_EQ(sheet.substr(2, sheet.find("剣・刀") - 2), c.expected) << c.weapon << " " << c.accessory;
    }
}

TEST_F(StatusSheetTest, ShowsThePreviewDuringAnEntryAndTheActingFighterInBattle) {
    Fill(2);
    game.f.level[2] = 7;
    game.phase = 4;
    EXPECT_TRUE(BuildStatusSheet(game, kSheetAbilities).starts_with("炎属性　レベル3\r\n"));
    game.phase = 12;
    EXPECT_TRUE(BuildStatusSheet(game, kSheetAbilities).starts_with("炎属性　レベル7\r\n"));
    for (const std::int16_t phase : {7, 9, 16}) {
        game.phase = phase;
        EXPECT_EQ(BuildStatusSheet(game, kSheetAbilities), "") << "phase " << phase;
    }
}

} // namespace
} // namespace vk2
