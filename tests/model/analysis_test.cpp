#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "model/analysis.h"
#include "model/elements.h"
#include "model/starting_equipment.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

std::vector<int> ProficiencyOf(const FighterTable& f) {
    return {f.proficiency[kPreviewSlot].begin(), f.proficiency[kPreviewSlot].end()};
}

class AnalysisTest : public ::testing::Test {
  protected:
    test::TestGame t;
    FighterTable& f = t.game.f;
    Form& form = t.game.form;

    AnalysisOutcome Analyse(const std::string& path, AnalysisMode mode = AnalysisMode::Full) {
        t.game.previewPicturePath = path;
        return AnalysePicture(t.game, mode);
    }
};

TEST_F(AnalysisTest, BuildsTheWholeProfileOfAPicture) {
    // Each sample is (200, 100, 50): R = 3200, G = 1600, B = 800, so 炎 and the code below.
    t.platform.addSolidPicture("a.bmp", 10, 10, Rgb(200, 100, 50));
    EXPECT_EQ(Analyse("a.bmp").kind, AnalysisOutcome::Kind::Analysed);

    EXPECT_EQ(f.redSum[kPreviewSlot], 3200);
    EXPECT_EQ(f.greenSum[kPreviewSlot], 1600);
    EXPECT_EQ(f.blueSum[kPreviewSlot], 800);
    EXPECT_EQ(f.pictureWidth[kPreviewSlot], 10);
    EXPECT_EQ(f.pictureHeight[kPreviewSlot], 10);
    EXPECT_EQ(f.element[kPreviewSlot], kFire);
    EXPECT_EQ(f.digitCode[kPreviewSlot], "7766602526184751");
    EXPECT_EQ(f.level[kPreviewSlot], 1); // d(1, 2) = 77

    // a = 47: 剣 71 - 44 = 27, ナイフ 33 - 3 = 30, 斧 70 - 28 = 42; level bonuses with L = 1:
    // P[76 mod 7 = 6] += 2, P[1 + 5] += 5, P[2 + 75 mod 5] += 2; an axe user (47 in 32-48)
    // with c = 51 gets トマホーク and 斧 += 2 + 10.
    EXPECT_EQ(ProficiencyOf(f), (std::vector<int>{27, 30, 2, 0, 54, 0, 7}));
    EXPECT_EQ(f.weapon[kPreviewSlot], "トマホーク");
    EXPECT_EQ(f.equippedKind[kPreviewSlot], kAxe);
    EXPECT_EQ(f.accessory[kPreviewSlot], "");
    // n = 847 gives オイル, m = 618 nothing; herb option 2 fills up to four.
    const std::vector<ListEntry> items{
        {"薬草", 0}, {"薬草", 0}, {"オイル", 0}, {"◆トマホーク", WeaponItemCode(kAxe)}};
    EXPECT_EQ(form.ItemPrev.entries, items);

    EXPECT_EQ(form.ViewFrame[kPreviewSlot].borderColour, ElementColour(kFire));
    EXPECT_EQ(form.ViewFrame[kPreviewSlot].borderStyle, 0);
    EXPECT_EQ(f.affinity[kPreviewSlot], (ElementCodes{7, 5, 3, 1, 3, 1, 5, 3, 3}));
    // Level 1 abilities (worked out for ApplyLevel's own tests: 7168 -> 8941 and so on).
    EXPECT_EQ(f.baseMaxHp[kPreviewSlot], 8941);
    EXPECT_EQ(f.baseMaxMp[kPreviewSlot], 92);
    EXPECT_EQ(f.baseAttack[kPreviewSlot], 68);
    EXPECT_EQ(f.baseDefense[kPreviewSlot], 58);
    EXPECT_EQ(f.baseSpeed[kPreviewSlot], 67);
    EXPECT_EQ(f.baseSpirit[kPreviewSlot], 56);

    // A second analysis starts from empty lists rather than adding to them.
    Analyse("a.bmp");
    EXPECT_EQ(form.ItemPrev.entries, items);
}

TEST(SampleSums, ReadsFourByFourPointsAndCountsPointsOutsideAsWhite) {
    struct Case {
        int width, height;
        std::vector<int> xs, ys; // the sampled columns and rows, painted white on black
    };
    const Case cases[] = {
        {10, 10, {2, 4, 6, 8}, {2, 4, 6, 8}},
        {3, 7, {1, 2}, {1, 3, 4, 6}}, // from 0.6 1.2 1.8 2.4 and 1.4 2.8 4.2 5.6
    };
    for (const Case& c : cases) {
        RgbImage image(c.width, c.height, kBlack);
        for (const int y : c.ys)
            for (const int x : c.xs) image.setPixel(x, y, kWhite);
        const ColourSums sums = SampleSums(image, c.width, c.height);
        EXPECT_EQ(sums.red, 4080) << c.width << "x" << c.height;
        EXPECT_EQ(sums.green, 4080) << c.width << "x" << c.height;
        EXPECT_EQ(sums.blue, 4080) << c.width << "x" << c.height;
    }

    // A 1 x 1 picture: only the points from 0.2 and 0.4 round to 0; the other twelve fall
    // outside and count as white.
    const ColourSums tiny = SampleSums(RgbImage(1, 1, kBlack), 1, 1);
    EXPECT_EQ(tiny.red, 12 * 255);
    EXPECT_EQ(tiny.green, 12 * 255);
    EXPECT_EQ(tiny.blue, 12 * 255);
}

TEST_F(AnalysisTest, BlackIsDarkAndWhiteIsNeutral) {
    t.platform.addSolidPicture("black.png", 8, 8, kBlack);
    t.platform.addSolidPicture("white.png", 8, 8, kWhite);
    Analyse("black.png");
    EXPECT_EQ(f.element[kPreviewSlot], kDark);
    EXPECT_EQ(form.ViewFrame[kPreviewSlot].borderColour, kBlack);
    Analyse("white.png");
    EXPECT_EQ(f.element[kPreviewSlot], kNone);
    EXPECT_EQ(form.ViewFrame[kPreviewSlot].borderColour, Rgb(169, 169, 169));
}

TEST(ElementFromSums, FirstRuleThatHoldsDecides) {
    struct Case {
        int r, g, b;
        int element;
    };
    const Case cases[] = {
        {4080, 4080, 3900, kHoly},    // all bright, |R - B| = 180
        {4080, 4080, 4000, kWind},    // |R - B| = 80 is too close for 聖
        {0, 0, 0, kDark},             //
        {1689, 1689, 1689, kDark},    // the top of the dark range
        {1690, 1690, 1690, kNone},    // one above: grey, no rule holds
        {2000, 2100, 2000, kWood},    //
        {1000, 1500, 2500, kWater},   //
        {3000, 2800, 1000, kEarth},   //
        {3000, 2900, 2950, kWind},    //
        {4000, 3650, 3950, kThunder}, // |R - B| = 50 keeps it from 聖
        {2000, 1600, 1600, kCold},    //
        {3200, 1600, 800, kFire},     //
        {4080, 4080, 4080, kNone},    // white
    };
    for (const Case& c : cases)
        EXPECT_EQ(ElementFromSums(c.r, c.g, c.b), c.element) << c.r << " " << c.g << " " << c.b;
}

TEST(MakeDigitCode, IteratesTheThreeGroups) {
    // R 3200, G 1600, B 800, 10 x 10:
    //   u: 31 -> Int((31 + 70) * 7.5) + 1600 = 2357 -> 19802 -> 150640 -> 1131925 -> 8491562
    //      -> 63688840 -> 477668425; 477668425 - 2400 = 477666025 -> "77666025"
    //   v: 29 -> Int((29 + 70) * 3.5) + 800 = 1146 -> 5056 -> 18741 -> 66638 -> 234278 -> 821018;
    //      821018 + 1600 -> "2618"
    //   w: 23 -> Int((23 + 100) * 5.5) + 2400 = 3076 -> 19868 -> 112224 -> 620182 -> 3413951;
    //      3413951 + 800 -> "4751"
    EXPECT_EQ(MakeDigitCode(3200, 1600, 800, 10, 10), "7766602526184751");
}

TEST_F(AnalysisTest, WidePicturesGetACodeBeyondSixteenBitProducts) {
    // 4700 x 5 black: 7W = 32900 leaves 16 bits, the formulas carry on in wider integers.
    //   u: 31 -> Int((31 + 9425) * 7.5) = 70920 -> 602587 -> 4590090 -> 34496362 -> 258793402 -> "58793402"
    //   v: 29 -> Int((29 + 23510) * 3.5) = 82386 -> 370636 -> "0636"
    //   w: 23 -> Int((23 + 32915) * 5.5) = 181159 -> 1177407 -> "7407"
    t.platform.addSolidPicture("wide.bmp", 4700, 5, kBlack);
    EXPECT_EQ(Analyse("wide.bmp").kind, AnalysisOutcome::Kind::Analysed);
    EXPECT_EQ(f.digitCode[kPreviewSlot], "5879340206367407");
    EXPECT_EQ(f.level[kPreviewSlot], 2);
}

TEST(LevelFromCode, FollowsTheFirstTwoDigits) {
    const std::pair<const char*, int> cases[] = {
        {"00", 7}, {"01", 6}, {"03", 6}, {"04", 5}, {"09", 5}, {"10", 4}, {"21", 4},
        {"22", 3}, {"43", 3}, {"44", 2}, {"69", 2}, {"70", 1}, {"98", 1}, {"99", 0},
    };
    for (const auto& [start, level] : cases)
        EXPECT_EQ(LevelFromCode(std::string(start) + "00000000000000"), level) << start;
}

TEST_F(AnalysisTest, SizeLimitAcceptsFiveThousandAndRefusesMore) {
    struct Case {
        int width, height;
        bool refusedByHeader;
        AnalysisOutcome::Kind kind;
    };
    const Case cases[] = {
        {5000, 1, false, AnalysisOutcome::Kind::Analysed},
        {1, 5000, false, AnalysisOutcome::Kind::Analysed},
        {5001, 1, false, AnalysisOutcome::Kind::TooLarge},
        {1, 5001, false, AnalysisOutcome::Kind::TooLarge},
        {6000, 6000, true, AnalysisOutcome::Kind::TooLarge},
    };
    for (const Case& c : cases) {
        LoadedPicture picture;
        picture.width = c.width;
        picture.height = c.height;
        if (c.refusedByHeader) {
            picture.status = LoadedPicture::Status::TooLarge;
        } else {
            picture.status = LoadedPicture::Status::Ok;
            picture.image = RgbImage(c.width, c.height, kWhite);
        }
        t.platform.pictures["p.bmp"] = picture;
        EXPECT_EQ(Analyse("p.bmp").kind, c.kind) << c.width << "x" << c.height;
    }
}

TEST_F(AnalysisTest, RefusedPictureKeepsTheCandidateButClearsItsLists) {
    t.platform.addSolidPicture("a.bmp", 10, 10, Rgb(200, 100, 50));
    Analyse("a.bmp");
    form.Command[kPreviewSlot].add("ファイア", 4);
    LoadedPicture huge;
    huge.status = LoadedPicture::Status::TooLarge;
    huge.width = 5001;
    huge.height = 20;
    t.platform.pictures["huge.bmp"] = huge;

    const AnalysisOutcome outcome = Analyse("huge.bmp");
    EXPECT_EQ(outcome.kind, AnalysisOutcome::Kind::TooLarge);
    EXPECT_EQ(form.StatusPrev.text, "画像が大きすぎます！");
    EXPECT_FALSE(form.LetsOpen[0].visible);
    EXPECT_FALSE(form.LetsOpen[1].visible);
    EXPECT_EQ(form.Command[kPreviewSlot].count(), 0);
    EXPECT_EQ(form.ItemPrev.count(), 0);
    EXPECT_EQ(f.pictureWidth[kPreviewSlot], 10);
    EXPECT_EQ(f.digitCode[kPreviewSlot], "7766602526184751");
    EXPECT_EQ(f.weapon[kPreviewSlot], "トマホーク");
    EXPECT_EQ(f.baseMaxHp[kPreviewSlot], 8941);
}

TEST_F(AnalysisTest, UnreadableFileReportsTheLoadersReason) {
    form.ItemPrev.add("薬草", 0);
    f.element[kPreviewSlot] = kWind;
    const AnalysisOutcome outcome = Analyse("missing.bmp");
    EXPECT_EQ(outcome.kind, AnalysisOutcome::Kind::Unreadable);
    EXPECT_EQ(outcome.reason, "no such test picture: missing.bmp");
    EXPECT_EQ(form.ItemPrev.count(), 0);
    EXPECT_EQ(f.element[kPreviewSlot], kWind);
    EXPECT_TRUE(form.LetsOpen[0].visible);
    EXPECT_EQ(form.StatusPrev.text, "");
}

TEST_F(AnalysisTest, SearchStopsOnceElementAndLevelAreKnown) {
    t.platform.addSolidPicture("a.bmp", 10, 10, Rgb(200, 100, 50));
    EXPECT_EQ(Analyse("a.bmp", AnalysisMode::Search).kind, AnalysisOutcome::Kind::Analysed);
    EXPECT_EQ(f.element[kPreviewSlot], kFire);
    EXPECT_EQ(f.level[kPreviewSlot], 1);
    EXPECT_EQ(f.weapon[kPreviewSlot], "");
    EXPECT_EQ(f.baseMaxHp[kPreviewSlot], 0);
    EXPECT_EQ(form.ItemPrev.count(), 0);
    EXPECT_EQ(form.ViewFrame[kPreviewSlot].borderStyle, 1);
    EXPECT_EQ(form.ViewFrame[kPreviewSlot].borderColour, kBlack);
}

TEST(StartingKind, MultiplesOfSixMakeKnifeUsers) {
    const std::pair<int, int> cases[] = {
        {0, kKnife},  {6, kKnife},  {12, kKnife}, {1, kBowGun}, {15, kBowGun}, {16, kStaff},
        {31, kStaff}, {32, kAxe},   {48, kKnife}, {47, kAxe},   {49, kSword},  {65, kSword},
        {66, kKnife}, {67, kSpear}, {82, kSpear}, {83, kFist},  {96, kKnife},  {99, kFist},
    };
    for (const auto& [a, kind] : cases) EXPECT_EQ(StartingKind(a), kind) << a;
}

// Codes below are laid out as: digits 2-3 pick the first level bonus, 10-12 the accessory,
// 12-14 the item, 13-14 a, 14-15 the third level bonus, 15-16 the weapon.
TEST(DeriveStartingKit, ProficiencyTakesLevelBonusesKindBonusAndCap) {
    // a = 58 at level 3: 剣 71, ナイフ 33 - 2 = 31; P[14 mod 7 = 0] += 13 * 3, P[1 + 4] += 2 * 3,
    // P[2 + 85 mod 5] += 3 * 3; sword user with バスターソード: 剣 71 + 39 + 23 = 133, capped at 90.
    const StartingKit kit = DeriveStartingKit("0140000000005852", kNone, 3, 0, 0);
    EXPECT_EQ(kit.proficiency, (std::array<int, 7>{90, 31, 9, 0, 0, 6, 0}));
    EXPECT_EQ(kit.weapon, "バスターソード");
    EXPECT_EQ(kit.equippedKind, kSword);
    const std::vector<ListEntry> items{{"バイタルドリンク", 0}, {"◆バスターソード", WeaponItemCode(kSword)}};
    EXPECT_EQ(kit.items, items);
}

TEST(DeriveStartingKit, FistUserWithoutWeaponStaysBareHandedWithTheKindBonus) {
    // a = 95: 拳 75 - 4 = 71, plus 95 mod 15 + 10; c = 90 has no row and fists have no default.
    const StartingKit kit = DeriveStartingKit("0000000000029590", kNone, 0, 0, 0);
    EXPECT_EQ(kit.proficiency, (std::array<int, 7>{0, 0, 86, 0, 0, 0, 0}));
    EXPECT_EQ(kit.weapon, "素手");
    EXPECT_EQ(kit.equippedKind, kFist);
    const std::vector<ListEntry> items{{"クイッククロック", 0}};
    EXPECT_EQ(kit.items, items);
}

TEST(DeriveStartingKit, KnifeUsersBelowSixteen) {
    struct Case {
        const char* code;
        int level;
        const char* weapon;
        int kind;
        std::array<int, 7> proficiency;
    };
    const Case cases[] = {
        // a = 0: 弓 72 - 32 = 40, no knife row for c = 0, so the fruit knife; ナイフ 0 + 10.
        {"0000000000000000", 0, "果物ナイフ", kKnife, {0, 10, 0, 0, 0, 0, 40}},
        // a = 6: c = 1 is the silver fork.
        {"0000000000000601", 0, "銀のフォーク", kKnife, {0, 16, 0, 0, 0, 0, 64}},
        // a = 12 at level 3: P[2] = 12 * 3 = 36 stays below 45, so the fruit knife.
        {"0020000000001220", 3, "果物ナイフ", kKnife, {0, 37, 36, 0, 6, 0, 56}},
        // a = 12 at level 4: P[2] = 48 is too skilled with fists for a default; bare hands, yet
        // the knife got its kind bonus (5 * 4 + 12 + 10).
        {"0020000000001220", 4, "素手", kFist, {0, 42, 48, 0, 8, 0, 56}},
    };
    for (const Case& c : cases) {
        const StartingKit kit = DeriveStartingKit(c.code, kNone, c.level, 0, 0);
        EXPECT_EQ(kit.weapon, c.weapon) << c.code << " L" << c.level;
        EXPECT_EQ(kit.equippedKind, c.kind) << c.code << " L" << c.level;
        EXPECT_EQ(kit.proficiency, c.proficiency) << c.code << " L" << c.level;
    }
}

TEST(DeriveStartingKit, HerbsFillTheListFromTheTop) {
    // "0000000000253450": 罪の果実 (n = 534), コバルトの的 (m = 25), トマホーク (a = 34, c = 50).
    // "0000000000000000": バイタルドリンク and the fruit knife.
    struct Case {
        const char* code;
        int herbOption;
        int herbs;
    };
    const Case cases[] = {
        {"0000000000253450", 2, 1}, {"0000000000253450", 1, 0}, {"0000000000253450", 0, 0},
        {"0000000000000000", 2, 2}, {"0000000000000000", 1, 1}, {"0000000000000000", 0, 0},
    };
    for (const Case& c : cases) {
        const StartingKit kit = DeriveStartingKit(c.code, kNone, 0, 0, c.herbOption);
        const StartingKit bare = DeriveStartingKit(c.code, kNone, 0, 0, 0);
        ASSERT_EQ(kit.items.size(), bare.items.size() + static_cast<std::size_t>(c.herbs)) << c.code;
        for (int i = 0; i < c.herbs; ++i)
            EXPECT_EQ(kit.items[static_cast<std::size_t>(i)], (ListEntry{"薬草", 0}));
        EXPECT_TRUE(std::equal(bare.items.begin(), bare.items.end(), kit.items.begin() + c.herbs)) << c.code;
    }
    const StartingKit full = DeriveStartingKit("0000000000253450", kNone, 0, 0, 2);
    const std::vector<ListEntry> items{{"薬草", 0},
                                       {"罪の果実", 0},
                                       {"★コバルトの的", kItemAccessory},
                                       {"◆トマホーク", WeaponItemCode(kAxe)}};
    EXPECT_EQ(full.items, items);
}

TEST(DeriveStartingKit, MedalMakesEveryKindMastered) {
    const StartingKit kit = DeriveStartingKit("0000000000400000", kNone, 0, 0, 0);
    EXPECT_EQ(kit.accessory, "勲章");
    EXPECT_EQ(kit.proficiency, (std::array<int, 7>{99, 99, 99, 99, 99, 99, 99}));
    const std::vector<ListEntry> items{
        {"バイタルドリンク", 0}, {"★勲章", kItemAccessory}, {"◆果物ナイフ", WeaponItemCode(kKnife)}};
    EXPECT_EQ(kit.items, items);
}

TEST(StartingWeapon, ConditionalRowsFollowElementLevelAndGreen) {
    struct Case {
        int kind, c;
        StartingTraits traits; // element, level, green sum
        const char* weapon;
    };
    const Case cases[] = {
        {kKnife, 97, {2, 4}, "パレットナイフ"},   // both even
        {kKnife, 97, {1, 4}, "忘れられたメス"},   //
        {kKnife, 10, {8, 0}, ""},                 // 円空のノミ unless 魔
        {kKnife, 2, {0, 0}, ""},                  // no row
        {kStaff, 72, {0, 1}, ""},                 // (L mod 2) + E = 1
        {kStaff, 72, {1, 0}, ""},                 //
        {kStaff, 72, {1, 1}, "スレイブメーカー"}, //
        {kFist, 23, {0, 0, 1603}, "平和のためのミトン"},
        {kFist, 24, {0, 0, 1600}, "キャットハンド"},
        {kFist, 53, {0, 0}, ""},
        {kSword, 75, {9, 0}, "倶利伽羅不動"},
        {kSword, 76, {2, 0}, "斬鉄剣"},
        {kSword, 77, {0, 4}, ""},
        {kSpear, 97, {8, 0}, "パラドクス"},
        {kSpear, 98, {3, 0}, "岩融"},
        {kSpear, 43, {6, 0}, "海神の銛"},
        {kSpear, 53, {4, 0}, ""},
        {kAxe, 0, {0, 3}, "ぴよぴよハンマー"},
        {kAxe, 0, {0, 4}, ""},
        {kBowGun, 50, {0, 0}, "エアガン　"},
        {kBowGun, 99, {9, 0}, "ノワールダーツ"},
        {kBowGun, 99, {1, 0}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StartingWeapon(c.kind, c.c, c.traits), c.weapon) << "kind " << c.kind << " c " << c.c;
}

TEST(StartingItem, CoversTheListedNumbersOnly) {
    const std::tuple<int, const char*, Gift::Kind, ItemCode> cases[] = {
        {0, "バイタルドリンク", Gift::Kind::Item, kItemConsumable},
        {100, "バイタルドリンク", Gift::Kind::Item, kItemConsumable},
        {101, "", Gift::Kind::None, kItemConsumable},
        {404, "ハリセン", Gift::Kind::Item, kItemTool},
        {999, "マンドラゴラ", Gift::Kind::Item, kItemConsumable},
    };
    for (const auto& [n, name, kind, code] : cases) {
        const Gift gift = StartingItem(n);
        EXPECT_EQ(gift.name, name) << n;
        EXPECT_EQ(gift.kind, kind) << n;
        EXPECT_EQ(gift.code, code) << n;
    }
}

TEST(AccessoryGift, FirstCoveringRowDecides) {
    struct Case {
        int m;
        StartingTraits traits; // element, level, green sum, kind
        Gift::Kind kind;
        const char* name;
        ItemCode code;
    };
    const Case cases[] = {
        {5, {}, Gift::Kind::Accessory, "仕置きのかんざし", kItemAccessory},
        {2, {}, Gift::Kind::None, "", kItemConsumable},
        {102, {}, Gift::Kind::Item, "レムの振り子", kItemTool},
        {824, {}, Gift::Kind::Accessory, "仏罰の数珠", kItemAccessory},
        {190, {kEarth}, Gift::Kind::Accessory, "トルマリン", kItemAccessory},
        {190, {kFire}, Gift::Kind::Item, "覇手丸", kItemConsumable},
        {500, {kFire}, Gift::Kind::Accessory, "火龍のうろこ", kItemAccessory},
        {500, {kCold}, Gift::Kind::Accessory, "お守り", kItemAccessory},
        {530, {kWater}, Gift::Kind::Accessory, "マーメイドティアラ", kItemAccessory},
        {530, {kFire}, Gift::Kind::None, "", kItemConsumable},
        {888, {}, Gift::Kind::Item, "八卦盤", kItemTool}, // ahead of 879-896
        {890, {}, Gift::Kind::Item, "魔除けの札", kItemConsumable},
        {830, {0, 0, 0, kBowGun}, Gift::Kind::Accessory, "狩人の帽子", kItemAccessory},
        {830, {0, 0, 0, kSword}, Gift::Kind::None, "", kItemConsumable},
        {999, {}, Gift::Kind::Accessory, "ミラクルピアス", kItemAccessory},
        {998, {kHoly}, Gift::Kind::Accessory, "エレメンタルリング", kItemAccessory},
        {998, {kNone}, Gift::Kind::None, "", kItemConsumable},
    };
    for (const Case& c : cases) {
        const Gift gift = AccessoryGift(c.m, c.traits);
        EXPECT_EQ(gift.kind, c.kind) << c.m;
        EXPECT_EQ(gift.name, c.name) << c.m;
        EXPECT_EQ(gift.code, c.code) << c.m;
    }
}

TEST(StartingTables, RowsAreOrderedAndInRange) {
    for (int kind = 0; kind < kWeaponKinds; ++kind) {
        const auto table = WeaponTable(kind);
        ASSERT_FALSE(table.empty()) << kind;
        int previous = -1;
        for (const WeaponRow& row : table) {
            EXPECT_GT(row.from, previous) << row.name;
            EXPECT_LE(row.from, row.to) << row.name;
            EXPECT_LE(row.to, 99) << row.name;
            EXPECT_FALSE(row.name.empty());
            EXPECT_TRUE(row.when || row.otherwise.empty()) << row.name;
            previous = row.to;
        }
        EXPECT_EQ(DefaultWeapon(kind).kind, kind);
    }
    int previous = -1;
    for (const ItemRow& row : StartingItems()) {
        EXPECT_GT(row.from, previous) << row.name;
        EXPECT_LE(row.from, row.to) << row.name;
        EXPECT_LE(row.to, 999) << row.name;
        previous = row.to;
    }
    for (const AccessoryRow& row : AccessoryRows())
        for (const NumberSpan& span : row.spans) EXPECT_LE(span.from, span.to);
}

} // namespace
} // namespace vk2
