#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "battle/targeting.h"
#include "model/game.h"
#include "model/status_sheet.h"
#include "play/manual_input.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

using Marks = std::array<int, kBattleSlots>; // CursorState of slots 0-5

enum Entry : int { kStrike, kPowerDrive, kGreyCrescent, kUseItem, kHandItem, kRetreat, kGuard };

constexpr const char* kCommandsShown = "ｽﾃｰﾀｽ参照";
constexpr const char* kSheetShown = "ｺﾏﾝﾄﾞ選択";

void SetUpBattle(Game& game) {
    test::PutOnField(game, {0, 1, 3, 4});
    for (SlotIndex s : {0, 1, 3, 4}) {
        game.form.ViewFrame[s].borderStyle = 0;
        game.f.maxHp[s] = 100;
        game.form.HP[s].text = "100";
        game.f.maxMp[s] = 50;
        game.form.MP[s].text = "50";
        game.f.position[s] = s < 3 ? 1 : 2;
        for (const char* command : {"たたかう", "パワードライブ", "灰色三日月", "アイテム使用",
                                    "アイテムをわたす", "後退", "ぼうぎょ"})
            game.form.Command[s].add(command, 0);
    }
    for (SlotIndex s : {2, 5}) {
        game.form.ViewUnder[s].visible = false;
        game.form.HPMP[s].visible = false;
    }
    for (ListBox& items : game.form.Item) items.visible = false;
    game.form.Item[0].add("薬草", 0);
    game.form.Item[0].add("薬草", 0);
    game.phase = 10;
}

Marks States(const Game& game) {
    Marks m{};
    for (SlotIndex s = 0; s < kBattleSlots; ++s) m[s] = CursorState(game, s);
    return m;
}

// Two against two (slots 0, 1 and 3, 4), every fighter with the same commands; slot 0 has its
// turn and carries two herbs.
class ManualInputTest : public ::testing::Test {
  protected:
    ManualInputTest() { SetUpBattle(game); }

    void Choose(int entry) { game.form.Command[0].selected = entry; }

    test::TestGame t;
    Game& game = t.game;
};

TEST_F(ManualInputTest, CommandKeysActOnTheirCodeModulo48) {
    struct Case {
        int keyCode;
        int selected; // afterwards, from entry 0
        bool paused;  // the pause menu reads "再開"
        int opposite; // CursorState of slot 3
    };
    const Case cases[] = {
        {'2', 1, false, 0},  {2, 1, false, 0},    {'b', 1, false, 0}, // 98 is 2 again
        {'.', 0, false, 0},  {' ', 0, true, 0},   {'P', 0, true, 0},  // 80 is 32: pause
        {13, 0, false, 10},  {'=', 0, false, 10},                     // 61 is 13: confirm
        {'3', 0, false, 10},
    };
    for (const Case& c : cases) {
        test::TestGame fresh;
        Game& g = fresh.game;
        SetUpBattle(g);
        g.form.Command[0].selected = kStrike;
        CommandListKey(g, 0, c.keyCode);
        EXPECT_EQ(g.form.Command[0].selected, c.selected) << "key " << c.keyCode;
        EXPECT_EQ(g.form.menus.findMenu("mnuPause")->caption == "再開", c.paused) << "key " << c.keyCode;
        EXPECT_EQ(CursorState(g, 3), c.opposite) << "key " << c.keyCode;
    }
}

TEST_F(ManualInputTest, CommandListStopsAtItsEnds) {
    Choose(kGuard);
    CommandListKey(game, 0, '2');
    EXPECT_EQ(game.form.Command[0].selected, kGuard);

    Choose(kStrike);
    CommandListKey(game, 0, '5');
    EXPECT_EQ(game.form.Command[0].selected, -1);
    EXPECT_EQ(game.form.focus, (Focus{FocusControl::WinCh, 0}));
}

TEST_F(ManualInputTest, ConfirmingACommandMarksWhatItReaches) {
    struct Case {
        const char* what;
        SlotIndex actor;
        int entry;
        Marks expected;
        Focus focus;
    };
    const Case cases[] = {
        {"nothing selected: strike, over to the right",
         0,
         -1,
         {0, 0, 0, 10, 0, 0},
         {FocusControl::ViewUnder, 3}},
        {"strike from the right, over to the left",
         4,
         kStrike,
         {0, 10, 0, 0, 0, 0},
         {FocusControl::ViewUnder, 1}},
        {"a whole enemy side", 0, kPowerDrive, {0, 0, 0, 10, 10, 0}, {FocusControl::ViewUnder, 3}},
        {"everybody", 0, kGreyCrescent, {10, 10, 0, 10, 10, 0}, {FocusControl::ViewUnder, 0}},
        {"the actor alone", 0, kGuard, {10, 0, 0, 0, 0, 0}, {FocusControl::ViewUnder, 0}},
    };
    for (const Case& c : cases) {
        test::TestGame fresh;
        Game& g = fresh.game;
        SetUpBattle(g);
        g.phase = static_cast<std::int16_t>(10 + c.actor);
        g.form.Command[c.actor].selected = c.entry;
        CommandListKey(g, c.actor, '\r');
        EXPECT_EQ(States(g), c.expected) << c.what;
        EXPECT_EQ(g.form.focus, c.focus) << c.what;
        EXPECT_EQ(g.form.Command[c.actor].selected, c.entry < 0 ? kStrike : c.entry) << c.what;
    }
}

TEST_F(ManualInputTest, FocusStaysWhileTheWindowIsInactive) {
    struct InactivePlatform : test::RecordingPlatform {
        bool isOwnWindowActive() override { return false; }
    } platform;
    Game g{platform, t.random};
    SetUpBattle(g);
    CommandListKey(g, 0, '\r');
    EXPECT_EQ(g.form.focus, Focus{});
    EXPECT_EQ(CursorState(g, 3), 10);
}

TEST_F(ManualInputTest, AnItemCommandOpensTheItemList) {
    Choose(kUseItem);
    game.form.Chara[0].visible = false;
    CommandListKey(game, 0, '1');
    EXPECT_TRUE(game.form.Item[0].visible);
    EXPECT_EQ(game.form.Item[0].selected, 0);
    EXPECT_EQ(game.form.WinCh[0].caption, kSheetShown);
    EXPECT_TRUE(game.form.Chara[0].visible);
    EXPECT_EQ(game.form.focus, (Focus{FocusControl::Item, 0}));
}

TEST_F(ManualInputTest, SealedOrEmptyBagsStayClosed) {
    Choose(kUseItem);
    game.f.counter(0, 38) = 2;
    OpenItemList(game, 0);
    EXPECT_FALSE(game.form.Item[0].visible);

    game.f.counter(0, 38) = 0;
    game.form.Item[0].clear();
    OpenItemList(game, 0);
    EXPECT_FALSE(game.form.Item[0].visible);
}

TEST_F(ManualInputTest, AHerbTurnsOnTheEnemyWhileAPropositionDemandsIt) {
    struct Case {
        int proposition; // counter 12
        int actionCode;
        int self;  // CursorState of the actor after confirming
        int enemy; // CursorState of an unhurt enemy when hovered
    };
    for (const Case& c : {Case{42, 0, 10, 10}, Case{39, 95, 11, 11}}) {
        test::TestGame fresh;
        Game& g = fresh.game;
        SetUpBattle(g);
        g.f.counter(0, 12) = static_cast<std::uint8_t>(c.proposition);
        g.form.Command[0].selected = kUseItem;
        CommandListKey(g, 0, '\r');
        ItemListKey(g, 0, '\r');
        EXPECT_EQ(g.actionCode, c.actionCode) << c.proposition;
        EXPECT_EQ(CursorState(g, 0), c.self) << c.proposition;
        HoverSlot(g, 3);
        EXPECT_EQ(CursorState(g, 3), c.enemy) << c.proposition;
    }
}

TEST_F(ManualInputTest, PeriodDiscardsOnlyWhileHandingAnItemOver) {
    Choose(kUseItem);
    OpenItemList(game, 0);
    ItemListKey(game, 0, '.');
    EXPECT_EQ(game.form.Item[0].count(), 2);

    Choose(kHandItem);
    ItemListKey(game, 0, '.');
    EXPECT_EQ(game.form.Item[0].count(), 1);
    EXPECT_EQ(game.form.Item[0].selected, 0);

    DiscardSelectedItem(game); // the window background's click
    EXPECT_EQ(game.form.Item[0].count(), 0);
    EXPECT_FALSE(game.form.Item[0].visible);
    EXPECT_TRUE(game.form.Command[0].visible);
    EXPECT_EQ(game.form.WinCh[0].caption, kCommandsShown);
}

TEST_F(ManualInputTest, NothingIsDiscardedWithoutAChosenEntryOrBetweenTurns) {
    Choose(kHandItem);
    DiscardSelectedItem(game);
    EXPECT_EQ(game.form.Item[0].count(), 2);

    game.form.Item[0].selected = 0;
    game.phase = 9;
    DiscardSelectedItem(game);
    EXPECT_EQ(game.form.Item[0].count(), 2);
}

TEST_F(ManualInputTest, ItemListKeys) {
    Choose(kUseItem);
    OpenItemList(game, 0);
    ItemListKey(game, 0, '2');
    EXPECT_EQ(game.form.Item[0].selected, 1);
    ItemListKey(game, 0, '2');
    EXPECT_EQ(game.form.Item[0].selected, 1);
    ItemListKey(game, 0, '5');
    ItemListKey(game, 0, '5');
    EXPECT_EQ(game.form.Item[0].selected, -1);
    EXPECT_EQ(game.form.focus, (Focus{FocusControl::WinCh, 0}));

    ItemListKey(game, 0, '0');
    EXPECT_FALSE(game.form.Item[0].visible);
    EXPECT_EQ(game.form.WinCh[0].caption, kCommandsShown);
    EXPECT_EQ(game.form.focus, (Focus{FocusControl::Command, 0}));
}

TEST_F(ManualInputTest, TheButtonSwitchesBetweenCommandsAndTheStatusSheet) {
    game.f.level[0] = 5;
    ToggleStatusView(game, 0);
    EXPECT_FALSE(game.form.Command[0].visible);
    EXPECT_FALSE(game.form.Message[0].visible);
    EXPECT_EQ(game.form.WinCh[0].caption, kSheetShown);
    EXPECT_EQ(game.form.Status[0].text,
              BuildStatusSheet(game, kSheetAbilities) + BuildStatusSheet(game, kSheetEquipment));
    EXPECT_FALSE(game.form.Status[0].text.empty());

    ToggleStatusView(game, 0);
    EXPECT_TRUE(game.form.Command[0].visible);
    EXPECT_EQ(game.form.WinCh[0].caption, kCommandsShown);
}

TEST_F(ManualInputTest, TheStatusSheetSlidesBetweenThreePositions) {
    struct Step {
        int keyCode;
        int top;
        int height;
        int left;
        int border;
    };
    ToggleStatusView(game, 0);
    for (const Step& s : {
             Step{'2', -77, 246, -2, 1},
             Step{'2', -152, 246, -2, 1},
             Step{'3', -152, 246, -2, 1},
             Step{'5', -77, 246, -2, 1},
             Step{'1', 0, 96, 0, 0},
             Step{'1', 0, 96, 0, 0},
         }) {
        StatusSheetKey(game, 0, s.keyCode);
        const Rect& r = game.form.Status[0].rect;
        EXPECT_EQ(r.top, s.top) << static_cast<char>(s.keyCode);
        EXPECT_EQ(r.height, s.height) << static_cast<char>(s.keyCode);
        EXPECT_EQ(r.left, s.left) << static_cast<char>(s.keyCode);
        EXPECT_EQ(game.form.StatusUnder[0].borderStyle, s.border) << static_cast<char>(s.keyCode);
    }
    EXPECT_EQ(game.form.focus, Focus{});
    StatusSheetKey(game, 0, '5');
    EXPECT_EQ(game.form.focus, (Focus{FocusControl::WinCh, 0}));
}

TEST_F(ManualInputTest, ReleasingTheMouseFoldsAScrolledSheet) {
    ToggleStatusView(game, 0);
    StatusSheetKey(game, 0, '2');
    StatusSheetKey(game, 0, '2');
    CollapseStatusSheet(game, 0);
    EXPECT_EQ(game.form.Status[0].rect.top, 0);
    EXPECT_EQ(game.form.Status[0].rect.height, 96);
    EXPECT_EQ(game.form.StatusUnder[0].borderStyle, 0);
}

TEST_F(ManualInputTest, EnterOnTheSheetReturnsToTheCommands) {
    Choose(kStrike);
    ToggleStatusView(game, 0);
    StatusSheetKey(game, 0, '\r');
    EXPECT_TRUE(game.form.Command[0].visible);
    EXPECT_EQ(game.actionCode, 100); // the selected command is described again
    EXPECT_EQ(game.form.focus, (Focus{FocusControl::Command, 0}));
}

TEST_F(ManualInputTest, ModeSwitchesBetweenManualAndAuto) {
    ToggleMode(game, 0); // Ctrl+Q on the acting fighter
    EXPECT_EQ(game.form.Mode[0].text, "Auto");
    EXPECT_EQ(game.form.Mode[0].backColour, kBlack);
    EXPECT_TRUE(game.form.menus.find("mnuAuto", 0)->checked);
    EXPECT_FALSE(game.form.Chara[0].visible);
    EXPECT_EQ(game.phase, 9);

    ToggleAutoMenu(game, 0);
    EXPECT_EQ(game.form.Mode[0].text, "Manual");
    EXPECT_EQ(game.form.Mode[0].backColour, kWhite);
    EXPECT_FALSE(game.form.menus.find("mnuAuto", 0)->checked);
}

TEST_F(ManualInputTest, AutoMenuPositionsSkipTheSeparator) {
    ToggleAutoMenu(game, 4);
    EXPECT_EQ(game.form.Mode[3].text, "Auto");
    EXPECT_TRUE(game.form.menus.find("mnuAuto", 4)->checked);
    EXPECT_EQ(game.phase, 10); // not slot 3's turn

    ToggleAutoMenu(game, 3);
    for (SlotIndex s : {0, 1, 2, 4, 5}) EXPECT_EQ(game.form.Mode[s].text, "Manual") << s;
}

TEST_F(ManualInputTest, EnterOnAModeBoxClicksAWhiteTargetOrSwitchesTheMode) {
    // Enter clicks the target, which carries out the blow and its rolls.
    for (int i = 0; i < 20; ++i) t.random.push(0.5f);
    CommandListKey(game, 0, '\r');
    game.targetSlot = 0;
    ModeKey(game, 3, '\r');
    EXPECT_EQ(game.targetSlot, 3);
    EXPECT_EQ(game.form.Mode[3].text, "Manual");

    ModeKey(game, 4, '\r');
    EXPECT_EQ(game.form.Mode[4].text, "Auto");
}

TEST_F(ManualInputTest, MovingOverTheBackgroundClearsTheMarks) {
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        game.form.Cursor[s] = {"◆", true, kGreyMark};
        game.form.CursorTail[s].visible = true;
    }
    game.form.HScroll.visible = true;
    game.form.Scouting.rect.height = 224;
    ClearTargetMarks(game);
    EXPECT_EQ(States(game), Marks{});
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        EXPECT_EQ(game.form.Cursor[s].foreColour, kWhite);
        EXPECT_FALSE(game.form.CursorTail[s].visible);
    }
    EXPECT_FALSE(game.form.HScroll.visible);
    EXPECT_EQ(game.form.Scouting.rect.height, 456);
    EXPECT_EQ(game.form.focus, (Focus{FocusControl::LetsClose, -1}));
}

TEST_F(ManualInputTest, MovingOverTheMessageBoxBringsThePanelBack) {
    CommandListKey(game, 0, '\r');
    EXPECT_FALSE(game.form.Chara[0].visible);
    ReturnToPanel(game, 0);
    EXPECT_EQ(States(game), Marks{});
    EXPECT_TRUE(game.form.Chara[0].visible);
    EXPECT_EQ(game.f.messageOffset[0], 1);
    EXPECT_EQ(game.form.focus, (Focus{FocusControl::Command, 0}));
}

TEST_F(ManualInputTest, PauseWorksOnlyWhileABattleRuns) {
    game.phase = 7;
    TogglePause(game);
    EXPECT_EQ(game.form.menus.findMenu("mnuPause")->caption, "ポーズ");
    EXPECT_TRUE(t.platform.musicCommands.empty());

    game.phase = 9;
    TogglePause(game);
    EXPECT_EQ(game.form.menus.findMenu("mnuPause")->caption, "再開");
    EXPECT_FALSE(game.form.ATB.enabled);
    TogglePause(game);
    EXPECT_EQ(game.form.menus.findMenu("mnuPause")->caption, "ポーズ");
    EXPECT_TRUE(game.form.ATB.enabled);
    EXPECT_EQ(t.platform.musicCommands,
              (std::vector<std::string>{"Status bgm position", "Stop bgm", "Play bgm from -4 notify"}));
}

} // namespace
} // namespace vk2
