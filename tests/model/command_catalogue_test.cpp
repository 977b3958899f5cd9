#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "battle/mp_cost.h"
#include "core/text.h"
#include "model/command_catalogue.h"
#include "model/command_tables.h"
#include "model/commands.h"
#include "model/game.h"
#include "model/weapons.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

constexpr SlotIndex kActor = 0;
constexpr SlotIndex kAlly = 1;
constexpr SlotIndex kEnemy = 3;

// Six standing fighters at full HP and MP, the actor a manual 炎 fighter with bare hands, and one
// picture in the browser to summon.
void PrepareFighters(Game& game) {
    test::PutAllOnField(game);
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        game.f.maxHp[s] = 1000;
        game.f.maxMp[s] = 100;
        game.form.HP[s].text = "1000";
        game.form.MP[s].text = "100";
        game.form.ViewFrame[s].borderStyle = 0;
        game.form.TGage[s].backColour = Rgb(0x80, 0xFF, 0x80);
    }
    game.f.weapon[kActor] = "素手";
    game.f.element[kActor] = kFire;
    game.f.defense[kActor] = 50;
    game.f.spirit[kActor] = 50;
    game.form.File1.add("a.png", 0);
}

class CommandDescriptionTest : public ::testing::Test {
  protected:
    test::TestGame t;
    Game& game = t.game;

    CommandDescriptionTest() { PrepareFighters(game); }

    // Selects the only entry of Command(actor) and describes it.
    void Describe(const std::string& entry, int code = 0) {
        ListBox& commands = game.form.Command[kActor];
        commands.clear();
        commands.add(entry, code);
        commands.selected = 0;
        ShowCommandDescription(game, kActor);
    }

    const std::string& Box() const { return game.form.Message[kActor].text; }
    void GiveItems(SlotIndex s, int n) {
        for (int i = 0; i < n; ++i) game.form.Item[s].add("薬草", 0);
    }
};

TEST_F(CommandDescriptionTest, WritesPaddedDescriptionsWithTheCostOnTheFifthLine) {
    struct Case {
        const char* entry;
        int code;
        const char* text;
    };
    const Case cases[] = {
        {"ファイヤーボール", 12, "敵一体に炎属性ダメージ。\r\n\r\n\r\n\r\n消費MP… 12"},
        {"マグネティックシールド", 9, "仲間一人の\r\n魔法ダメージを半減する｡\r\n\r\n\r\n消費MP… 9"},
        {"アドレナリン", 8,
         "テンションゲージが青になる\r\nまでの間、攻撃力アップ。\r\nすでに青だと使えない。\r\n\r\n消費MP… 8"},
        {"こわす", 0,
         "敵の装備品を破壊する。\r\nただし素手では使えず、\r\n失敗すると自分の武器が\r\n壊れる。"},
        {"ぼうぎょ", 0, "守りに徹する。"},
        {"突撃", 0, "敵一体に物理ダメージ、\r\nさらに後列へ押し戻す。"},
        {"エナジーボール", 0, "敵一体に無属性ダメージ。\r\n\r\n\r\n"},
        {"メギド", 0, "MPの全てを炎に変換。\r\n\r\n\r\n\r\n消費MP…全部"},
        {"エミトウルギョン", 0, "敵全体に\r\n技の数×1000のダメージ。\r\n\r\n\r\n消費MP…アイテム数×10"},
        {"召喚", 0, "ランダムで画像を召喚する。\r\n\r\n\r\n\r\n消費MP…半分"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        Describe(c.entry, c.code);
        EXPECT_EQ(Box(), c.text);
    }
}

TEST_F(CommandDescriptionTest, CostLineShowsTheCostActuallyCharged) {
    game.f.accessory[kActor] = "火龍のうろこ";
    game.form.backColour = kMagneticAnomalyField;
    Describe("ファイヤーボール", 12);
    EXPECT_EQ(game.mpCost, 3);
    EXPECT_TRUE(EndsWith(Box(), "\r\n消費MP… 3"));
}

TEST_F(CommandDescriptionTest, BasicAttackNamesTheWeaponAndCarriesItsElements) {
    Describe("たたかう");
    EXPECT_EQ(Box(), "素手で攻撃。");
    EXPECT_EQ(game.actionCode, 100);
    EXPECT_EQ(game.actionKind, 2);

    game.f.weapon[kActor] = " 炎の剣 ";
    game.f.weaponElements[kActor] = {1, 0, 0, 0, 0, 0, 0, 1, 0};
    Describe("たたかう");
    EXPECT_EQ(Box(), "炎の剣で攻撃。");
    EXPECT_EQ(game.actionElements, game.f.weaponElements[kActor]);
}

TEST_F(CommandDescriptionTest, WholeEntryRowsTakePrecedenceOverTheirKey) {
    Describe("プラズマ", 20);
    EXPECT_EQ(game.actionKind, 1);
    EXPECT_EQ(game.actionElements, (ElementCodes{1, 0, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(StartsWith(Box(), "敵一体に\r\n雷・炎属性ダメージ。"));

    Describe("プライドブレイク", 27);
    EXPECT_EQ(game.actionKind, 2);
    EXPECT_EQ(game.actionElements, ElementCodes{});
    EXPECT_TRUE(StartsWith(Box(), "物理ダメージに加え、\r\nレベルを２つ下げる。"));

    Describe("大地震", 30);
    EXPECT_EQ(game.actionCode, 250);
    Describe("大地の恵み", 14);
    EXPECT_EQ(game.actionCode, 95);
    Describe("アイスウォール", 10);
    EXPECT_EQ(game.actionCode, 6);
}

TEST_F(CommandDescriptionTest, ElementsOfOneCommandDoNotLeakIntoTheNext) {
    Describe("バーミリオンレイ", 20);
    EXPECT_EQ(game.actionElements, (ElementCodes{1, 0, 1, 0, 0, 0, 0, 0, 0}));
    Describe("ぼうぎょ");
    EXPECT_EQ(game.actionElements, ElementCodes{});
    EXPECT_EQ(game.actionKind, 0);
}

TEST_F(CommandDescriptionTest, UnknownCommandLeavesTheBoxAndCannotBeUsed) {
    game.form.Message[kActor].text = "前の行";
    Describe("謎の技", 12);
    EXPECT_EQ(Box(), "前の行");
    EXPECT_EQ(game.actionCode, kUnusable);
}

TEST_F(CommandDescriptionTest, NothingHappensWithoutASelectionOrForThePreviewSlot) {
    game.actionCode = 100;
    game.form.Command[kActor].add("ファイヤーボール", 12);
    ShowCommandDescription(game, kActor);
    game.form.Command[kPreviewSlot].add("ファイヤーボール", 12);
    game.form.Command[kPreviewSlot].selected = 0;
    ShowCommandDescription(game, kPreviewSlot);
    EXPECT_EQ(game.actionCode, 100);
}

TEST_F(CommandDescriptionTest, EndsTheBackgroundChoiceAndStillDescribes) {
    game.form.Scouting.rect.height = 224;
    Describe("ぼうぎょ");
    EXPECT_NE(game.form.Scouting.rect.height, 224);
    EXPECT_EQ(Box(), "守りに徹する。");
}

TEST_F(CommandDescriptionTest, ShortfallTextsReplaceTheDescription) {
    GiveItems(kActor, 10);
    Describe("ぬすむ");
    EXPECT_EQ(Box(), "これ以上持てない。");
    EXPECT_EQ(game.actionCode, kUnusable);
    game.form.Item[kActor].entries.pop_back();
    Describe("ぬすむ");
    EXPECT_EQ(Box(), "アイテムを盗む。");
    EXPECT_EQ(game.actionCode, 166);

    game.form.Item[kActor].clear();
    Describe(kUseItemCommand);
    EXPECT_EQ(Box(), "何も持っていない。");
    Describe(kHandItemCommand);
    EXPECT_EQ(Box(), "何も持っていない。");
    GiveItems(kActor, 1);
    Describe(kHandItemCommand);
    EXPECT_EQ(Box(), "アイテムを譲り渡す。\r\n捨てるには、ピリオドキーか\r\nフィールド上クリック。");
    EXPECT_EQ(game.actionCode, kUnusable); // the item list decides

    game.form.File1.clear();
    Describe("召喚");
    EXPECT_EQ(Box(), "指定のフォルダに\r\n画像がありません。");
    EXPECT_EQ(game.actionCode, kUnusable);
}

struct UsabilityCase {
    const char* what;
    const char* entry;
    int code;
    std::function<void(Game&)> setUp;
    int expected;
};

TEST_F(CommandDescriptionTest, UsabilityTests) {
    const auto automatic = [](Game& g) { g.form.Mode[kActor].backColour = kBlack; };
    const auto both = [](auto first, auto second) {
        return [=](Game& g) {
            first(g);
            second(g);
        };
    };
    const auto hp = [](SlotIndex s, const char* v) { return [=](Game& g) { g.form.HP[s].text = v; }; };
    const auto counter = [](SlotIndex s, int k, int v) {
        return [=](Game& g) { g.f.counter(s, k) = static_cast<std::uint8_t>(v); };
    };
    // A member with 3000 maximum HP left at `v`.
    const auto wounded = [](SlotIndex s, const char* v) {
        return [=](Game& g) {
            g.f.maxHp[s] = 3000;
            g.form.HP[s].text = v;
        };
    };
    const auto field = [](Colour c) { return [=](Game& g) { g.form.backColour = c; }; };
    const auto nothing = [](Game&) {};
    const UsabilityCase cases[] = {
        {"MP short of the cost", "ファイヤーボール", 12, [](Game& g) { g.form.MP[kActor].text = "11"; }, 255},
        {"MP exactly the cost", "ファイヤーボール", 12, [](Game& g) { g.form.MP[kActor].text = "12"; }, 100},
        {"silent snow, costed", "ファイヤーボール", 12, field(kSilentSnowField), 255},
        {"silent snow, free", "ぼうぎょ", 0, field(kSilentSnowField), 200},
        {"silent snow, summon", "召喚", 0, field(kSilentSnowField), 255},
        {"summon with 1 MP", "召喚", 0, [](Game& g) { g.form.MP[kActor].text = "1"; }, 255},
        {"item-count attack short of MP", "エミトウルギョン", 0,
         [](Game& g) {
             for (int i = 0; i < 11; ++i) g.form.Item[kActor].add("薬草", 0);
         },
         255},
        {"charged already", "気合ため", 0, counter(kActor, 30, 1), 255},
        {"not charged", "気合ため", 0, nothing, 200},
        {"hidden automatic fighter holds its blow", "たたかう", 0, both(automatic, counter(kActor, 15, 3)), 255},
        {"hidden but mad", "たたかう", 0, both(both(automatic, counter(kActor, 15, 3)), counter(kActor, 18, 2)),
         100},
        {"hidden manual fighter", "たたかう", 0, counter(kActor, 15, 3), 100},
        {"stance, automatic, even HP", "無の構え", 0, automatic, 255},
        {"stance, automatic, odd HP", "無の構え", 0, both(automatic, hp(kActor, "999")), 200},
        {"stance, manual, even HP", "無の構え", 0, nothing, 200},
        {"stance, already 無", "無の構え", 0, [](Game& g) { g.f.element[kActor] = kNone; }, 255},
        {"barrier, manual, all covered", "カボスバリアー", 35,
         both(counter(kActor, 4, 2), counter(kAlly, 4, 2)), 99},
        {"barrier, automatic, ally uncovered", "カボスバリアー", 35, both(automatic, counter(kActor, 4, 2)), 99},
        {"barrier, automatic, all covered", "カボスバリアー", 35,
         both(both(automatic, counter(kActor, 4, 2)), counter(kAlly, 4, 2)), 255},
        {"barrier, automatic, only a fallen ally uncovered", "カボスバリアー", 35,
         both(both(automatic, counter(kActor, 4, 2)), [](Game& g) { g.form.ViewUnder[kAlly].visible = false; }),
         255},
        {"healing circle, automatic, nobody hurt", "癒しの風", 20, automatic, 255},
        {"healing circle, automatic, ally barely hurt", "癒しの風", 20, both(automatic, wounded(kAlly, "1500")), 255},
        {"healing circle, automatic, ally hurt", "癒しの風", 20, both(automatic, wounded(kAlly, "1499")), 99},
        {"healing circle, automatic, enemy hurt", "癒しの風", 20, both(automatic, wounded(kEnemy, "1")), 255},
        {"adrenaline with a blue bar", "アドレナリン", 8,
         [](Game& g) { g.form.TGage[kActor].backColour = 0xFFDD66; }, 255},
        {"venom, manual", "ヴェノム・ゲノム", 22, nothing, 145},
        {"venom, automatic", "ヴェノム・ゲノム", 22, automatic, 163},
        {"bio sting, automatic", "バイオスティング", 14, automatic, 145},
        {"photosynthesis, manual, full HP", "光合成", 0, nothing, 255},
        {"photosynthesis, manual, hurt", "光合成", 0, hp(kActor, "999"), 200},
        {"photosynthesis, automatic, barely hurt", "光合成", 0, both(automatic, hp(kActor, "600")), 255},
        {"photosynthesis, automatic, low", "光合成", 0, both(automatic, hp(kActor, "599")), 200},
        {"photosynthesis, automatic, low, healing reversed", "光合成", 0,
         both(both(automatic, hp(kActor, "100")), counter(kActor, 45, 1)), 255},
        {"unseen hand, manual", "神の見えざる手", 0, nothing, 250},
        {"unseen hand, automatic, healthy", "神の見えざる手", 0, automatic, 255},
        {"unseen hand, automatic, desperate", "神の見えざる手", 0, both(automatic, hp(kActor, "219")), 250},
        {"wandering madness already out", "ワンダリングインサニティ", 0, counter(kEnemy, 18, 100), 255},
        {"madness below the mark", "ワンダリングインサニティ", 0, counter(kEnemy, 18, 99), 250},
        {"necromancy, automatic, no fallen enemy", "ネクロマンシー", 0, automatic, 255},
        {"necromancy, automatic, fallen enemy", "ネクロマンシー", 0,
         both(automatic, [](Game& g) { g.form.ViewFrame[kEnemy].borderStyle = 1; }), 199},
        {"necromancy, automatic, fallen enemy with hidden numbers", "ネクロマンシー", 0,
         both(automatic,
              [](Game& g) {
                  g.form.ViewFrame[kEnemy].borderStyle = 1;
                  g.form.HPMP[kEnemy].visible = false;
              }),
         255},
        {"rows: everybody in the front row", "地盤隆起", 0,
         [](Game& g) {
             for (SlotIndex s = 0; s < kBattleSlots; ++s) g.f.position[s] = 1;
         },
         255},
        {"rows: an enemy in another row", "地盤隆起", 0,
         [](Game& g) {
             g.f.position[kActor] = 1;
             g.f.position[kEnemy] = 0;
         },
         250},
        {"rows: the other row adds up to three", "地盤隆起", 0,
         [](Game& g) {
             for (SlotIndex s = 0; s < kBattleSlots; ++s) g.f.position[s] = 1;
             g.f.position[kEnemy] = 2;
         },
         255},
        {"bacteria, nothing to break down", "バクテリア分解", 0, nothing, 255},
        {"bacteria, oiled", "バクテリア分解", 0, counter(kActor, 22, 1), 200},
        {"meditation at full MP", "瞑想", 0, nothing, 255},
        {"zoroaster without items", "ゾロアスター", 0, nothing, 255},
        {"grey crescent in force", "灰色三日月", 23, field(kGreyCrescentField), 255},
        {"kali yuga in force", "カリ・ユガ", 0, field(kKaliYugaField), 255},
        {"mega fire with empty MP", "メギド", 0, [](Game& g) { g.form.MP[kActor].text = "0"; }, 255},
    };
    for (const UsabilityCase& c : cases) {
        SCOPED_TRACE(c.what);
        test::TestGame local;
        Game& g = local.game;
        PrepareFighters(g);
        c.setUp(g);
        g.form.Command[kActor].add(c.entry, c.code);
        g.form.Command[kActor].selected = 0;
        ShowCommandDescription(g, kActor);
        EXPECT_EQ(g.actionCode, c.expected);
    }
}

TEST(CommandCatalogue, RowsAreInRangeAndNoRowIsShadowed) {
    std::set<std::string> keys;
    for (const CommandCatalogueRow& row : CommandCatalogue()) {
        SCOPED_TRACE(std::string(row.keys[0]) + " " + std::string(row.entry));
        EXPECT_LE(row.actionKind, 3);
        EXPECT_TRUE((row.actionCode >= 5 && row.actionCode <= 250) || row.actionCode == kUnusable);
        EXPECT_FALSE(row.lines[0].empty());
        std::vector<std::string> rowKeys;
        for (std::string_view key : row.keys) {
            if (key.empty()) continue;
            EXPECT_EQ(Len(key), 2u);
            rowKeys.emplace_back(key);
        }
        if (!row.entry.empty()) {
            EXPECT_EQ(row.keys[0], Left(row.entry, 2));
            EXPECT_EQ(FindCommandRow(row.entry), &row);
            continue;
        }
        for (const std::string& key : rowKeys) EXPECT_TRUE(keys.insert(key).second) << key << " has two rows";
    }
}

TEST(CommandCatalogue, DescribesEveryCommandAFighterCanHave) {
    std::set<std::string> names{kLearningCommand, kUseItemCommand, kHandItemCommand, kAdvanceCommand,
                                kRetreatCommand,  kGuardCommand,   "龍虎乱舞"};
    for (const char* weapon : {"素手", "眉間尺", "平和のためのミトン"}) names.insert(BasicCommand(weapon));
    for (const CommandTable& table : AcquisitionTables())
        for (const CommandRow& row : table.rows) names.insert(std::string(row.name));
    for (const std::string& name : names) EXPECT_NE(FindCommandRow(name), nullptr) << name;
}

} // namespace
} // namespace vk2
