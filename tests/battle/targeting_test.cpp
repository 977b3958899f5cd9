#include <gtest/gtest.h>

#include <array>
#include <string>

#include "battle/targeting.h"
#include "model/game.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

using Marks = std::array<int, kBattleSlots>; // CursorState of slots 0-5

// Two against two (slots 0, 1 and 3, 4; slots 2 and 5 empty), slot 0 has its turn with the
// plain strike chosen.
struct Battle {
    Battle() {
        test::PutOnField(game, {0, 1, 3, 4});
        for (SlotIndex s : {0, 1, 3, 4}) {
            game.form.ViewFrame[s].borderStyle = 0;
            game.f.maxHp[s] = 100;
            game.form.HP[s].text = "100";
            game.f.maxMp[s] = 50;
            game.form.MP[s].text = "50";
            game.f.position[s] = s < 3 ? 1 : 2;
        }
        for (SlotIndex s : {2, 5}) {
            game.form.ViewUnder[s].visible = false;
            game.form.HPMP[s].visible = false;
        }
        for (ListBox& items : game.form.Item) items.visible = false;
        game.phase = 10;
        game.form.Command[0].add("たたかう", 0);
        game.form.Command[0].add("ファイアボール", 0);
        game.form.Command[0].selected = 0;
        game.actionCode = 100;
    }

    void Fall(SlotIndex s) {
        game.form.ViewFrame[s].borderStyle = 1;
        game.form.ViewUnder[s].visible = false;
        game.form.HP[s].text = "0";
    }

    Marks States() const {
        Marks m{};
        for (SlotIndex s = 0; s < kBattleSlots; ++s) m[s] = CursorState(game, s);
        return m;
    }

    test::TestGame t;
    Game& game = t.game;
};

class TargetingTest : public ::testing::Test, protected Battle {};

void MakeAutomatic(Game& game, SlotIndex s) {
    game.form.Mode[s].backColour = kBlack;
}

void FireSpell(Game& game) {
    game.actionElements[kFire - 1] = 1;
    game.form.Command[0].selected = 1;
}

TEST_F(TargetingTest, GreyingRulesJudgeTheMarkedFighter) {
    struct Case {
        const char* what;
        int actionCode;
        SlotIndex target;
        void (*setup)(Game&);
        int expected;
    };
    const Case cases[] = {
        {"automatic fire caster, fire enemy", 100, 3,
         [](Game& g) { MakeAutomatic(g, 0), FireSpell(g), g.f.element[3] = kFire; }, 11},
        {"automatic, first entry strikes anyway", 100, 3,
         [](Game& g) {
             MakeAutomatic(g, 0), FireSpell(g), g.form.Command[0].selected = 0, g.f.element[3] = kFire;
         },
         10},
        {"automatic fire caster, fire ally", 100, 1,
         [](Game& g) { MakeAutomatic(g, 0), FireSpell(g), g.f.element[1] = kFire; }, 10},
        {"manual fire caster, fire enemy", 100, 3, [](Game& g) { FireSpell(g), g.f.element[3] = kFire; }, 10},
        {"automatic, reflectable spell at a mirror", 0, 3,
         [](Game& g) { MakeAutomatic(g, 0), g.actionKind = 1, g.f.counter(3, 10) = 2; }, 11},
        {"manual, spell at a mirror", 0, 3, [](Game& g) { g.actionKind = 1, g.f.counter(3, 10) = 2; }, 10},
        {"poison on the poisoned", 21, 3, [](Game& g) { g.f.counter(3, 21) = 1; }, 11},
        {"poison on the healthy", 21, 3, [](Game&) {}, 10},
        {"self effect already running", 230, 0, [](Game& g) { g.f.counter(0, 30) = 1; }, 11},
        {"speed raise on the raised", 28, 1, [](Game& g) { g.f.counter(1, 28) = 1; }, 11},
        {"speed cut on the raised", 128, 3, [](Game& g) { g.f.counter(3, 28) = 1; }, 10},
        {"speed cut on the slowed", 128, 3, [](Game& g) { g.f.counter(3, 28) = 2; }, 11},
        {"revival on the living", 94, 1, [](Game&) {}, 11},
        {"revival on the fallen", 94, 1,
         [](Game& g) { g.form.ViewFrame[1].borderStyle = 1, g.form.ViewUnder[1].visible = false; }, 10},
        {"heal on a full ally", 95, 1, [](Game&) {}, 11},
        {"heal on a hurt ally", 95, 1, [](Game& g) { g.form.HP[1].text = "99"; }, 10},
        {"automatic heal on a lightly hurt ally", 95, 1,
         [](Game& g) { MakeAutomatic(g, 0), g.form.HP[1].text = "71"; }, 11},
        {"automatic heal on a badly hurt ally", 95, 1,
         [](Game& g) { MakeAutomatic(g, 0), g.form.HP[1].text = "70"; }, 10},
        {"cure with nothing to cure", 92, 1, [](Game&) {}, 11},
        {"cure of a bomb", 92, 1, [](Game& g) { g.f.counter(1, 16) = 3; }, 10},
        {"crêpe on the parasol's bearer", 78, 1, [](Game& g) { g.f.weapon[1] = "プリンセスパラソル"; }, 11},
        {"crêpe on another weapon", 78, 1, [](Game& g) { g.f.weapon[1] = "アイスブランド"; }, 10},
        {"bag swap with an empty bag", 66, 3, [](Game&) {}, 11},
        {"bag swap that fits", 66, 3,
         [](Game& g) { g.form.Item[3].add("薬草", 0), g.form.Item[0].add("◆ロングソード", 10); }, 10},
        {"take equipment from one who has only equipment", 166, 3,
         [](Game& g) { g.form.Item[3].add("★お守り", 3); }, 11},
        {"borrow a command from one who chose none", 90, 3, [](Game&) {}, 11},
        {"borrow an item command", 90, 3,
         [](Game& g) { g.form.Command[3].add("アイテム使用", 0), g.form.Command[3].selected = 0; }, 11},
        {"borrow a spell", 90, 3,
         [](Game& g) { g.form.Command[3].add("ファイアボール", 0), g.form.Command[3].selected = 0; }, 10},
        {"everybody", 250, 3, [](Game& g) { g.f.counter(3, 21) = 1; }, 10},
    };
    for (const Case& c : cases) {
        Battle b;
        Game& g = b.game;
        g.actionCode = static_cast<std::uint8_t>(c.actionCode);
        c.setup(g);
        MarkTarget(g, 0, c.target);
        EXPECT_EQ(CursorState(g, c.target), c.expected) << c.what;
        EXPECT_EQ(g.form.CursorTail[c.target].visible, g.form.Cursor[c.target].visible) << c.what;
        EXPECT_EQ(g.form.CursorTail[c.target].foreColour, g.form.Cursor[c.target].foreColour) << c.what;
    }
}

TEST_F(TargetingTest, DispelWeighsWhatTheFighterHasGainedOrLost) {
    struct Case {
        const char* what;
        bool automatic;
        SlotIndex target;
        void (*setup)(Game&);
        int expected;
    };
    const Case cases[] = {
        {"manual, a plain fighter", false, 3, [](Game&) {}, 11},
        {"manual, a raised attack", false, 3, [](Game& g) { g.f.attackMod[3] = 5; }, 10},
        {"manual, a changed element", false, 3, [](Game& g) { g.f.element[3] = kHoly; }, 10},
        {"manual, a barrier", false, 3, [](Game& g) { g.f.counter(3, 1) = 3; }, 10},
        {"manual, karma and undead mark alone", false, 3,
         [](Game& g) { g.f.counter(3, 48) = 9, g.f.counter(3, 39) = 1; }, 11},
        {"manual, protected by another", false, 3, [](Game& g) { g.f.counter(4, 40) = 13; }, 10},
        {"automatic, an enemy with a barrier", true, 3, [](Game& g) { g.f.counter(3, 1) = 3; }, 10},
        {"automatic, an ally with a barrier", true, 1, [](Game& g) { g.f.counter(1, 1) = 3; }, 11},
        {"automatic, a blood-marked ally", true, 1, [](Game& g) { g.f.counter(1, 49) = 1; }, 10},
        {"automatic, a plain enemy", true, 3, [](Game&) {}, 11},
    };
    for (const Case& c : cases) {
        Battle b;
        Game& g = b.game;
        if (c.automatic) MakeAutomatic(g, 0);
        g.actionCode = 93;
        c.setup(g);
        MarkTarget(g, 0, c.target);
        EXPECT_EQ(CursorState(g, c.target), c.expected) << c.what;
    }
}

TEST_F(TargetingTest, HoveringMarksWhatTheTargetingClassReaches) {
    struct Case {
        int actionCode;
        SlotIndex hovered;
        Marks expected;
    };
    const Case cases[] = {
        {100, 3, {0, 0, 0, 10, 0, 0}},    // one target
        {199, 4, {0, 0, 0, 10, 10, 0}},   // the hovered side; the other side's marks go
        {99, 1, {10, 10, 0, 0, 0, 0}},    // the hovered side, here the actor's own
        {200, 0, {10, 10, 0, 10, 0, 0}},  // self, hovering the actor
        {200, 3, {0, 10, 0, 10, 0, 0}},   // self, hovering anyone else
        {250, 3, {10, 10, 0, 10, 10, 0}}, // everybody
        {255, 3, {0, 0, 0, 0, 0, 0}},     // no command chosen: back to the panel
    };
    for (const Case& c : cases) {
        for (SlotIndex s = 0; s < kBattleSlots; ++s)
            game.form.Cursor[s].visible = s == 1 || s == 3; // earlier marks
        game.actionCode = static_cast<std::uint8_t>(c.actionCode);
        HoverSlot(game, c.hovered);
        EXPECT_EQ(States(), c.expected) << "code " << c.actionCode << " over slot " << c.hovered;
    }
}

TEST_F(TargetingTest, HoveringAnnouncesTheChoiceAndRemembersTheSlot) {
    game.form.Chara[0].visible = true;
    HoverSlot(game, 4);
    EXPECT_EQ(game.targetSlot, 4);
    EXPECT_FALSE(game.form.Chara[0].visible);
    EXPECT_EQ(game.form.Message[0].text, "たたかう\r\n");
}

TEST_F(TargetingTest, FallenFightersTakeAMarkOnlyFromARevival) {
    Fall(3);
    HoverSlot(game, 3);
    EXPECT_EQ(CursorState(game, 3), 0);

    game.actionCode = 94;
    HoverSlot(game, 3);
    EXPECT_EQ(CursorState(game, 3), 10);
}

TEST_F(TargetingTest, HoveringDoesNothingOutsideTheActorsTurn) {
    game.phase = 9;
    HoverSlot(game, 3);
    EXPECT_EQ(States(), Marks{});
    EXPECT_EQ(game.targetSlot, 0);
}

TEST_F(TargetingTest, TargetKeysMoveTheMark) {
    struct Case {
        const char* what;
        SlotIndex from;
        int keyCode;
        bool fourthFallen;
        Marks expected;
        Focus focus;
    };
    const Case cases[] = {
        {"'2' to the next member", 3, '2', false, {0, 0, 0, 0, 10, 0}, {FocusControl::ViewUnder, 4}},
        {"'2' past a fallen member back to the start",
         3,
         '2',
         true,
         {0, 0, 0, 10, 0, 0},
         {FocusControl::ViewUnder, 3}},
        {"'5' to the previous member", 3, '5', false, {0, 0, 0, 0, 10, 0}, {FocusControl::ViewUnder, 4}},
        {"'3' from the left to the same row opposite",
         1,
         '3',
         false,
         {0, 0, 0, 0, 10, 0},
         {FocusControl::ViewUnder, 4}},
        {"'3' from the right goes nowhere", 4, '3', false, {0, 0, 0, 0, 10, 0}, {}},
        {"'1' from the right to the left", 4, '1', false, {0, 10, 0, 0, 0, 0}, {FocusControl::ViewUnder, 1}},
        {"'0' back to the command", 3, '0', false, {0, 0, 0, 0, 0, 0}, {FocusControl::Command, 0}},
    };
    for (const Case& c : cases) {
        Battle b;
        Game& g = b.game;
        if (c.fourthFallen) b.Fall(4);
        HoverSlot(g, c.from);
        g.form.focus = {};
        TargetKey(g, c.from, c.keyCode);
        EXPECT_EQ(b.States(), c.expected) << c.what;
        EXPECT_EQ(g.form.focus, c.focus) << c.what;
    }
}

TEST_F(TargetingTest, EnterOnAMarkedTargetRecordsIt) {
    // Enter clicks the target, which carries out the blow and its rolls.
    for (int i = 0; i < 20; ++i) t.random.push(0.5f);
    HoverSlot(game, 3);
    game.targetSlot = 0;
    TargetKey(game, 3, '\r');
    EXPECT_EQ(game.targetSlot, 3);
}

TEST_F(TargetingTest, TheTailTakesTheCursorColourOnAnyKey) {
    game.form.Cursor[3].foreColour = kGreyMark;
    TargetKey(game, 3, 'z');
    EXPECT_EQ(game.form.CursorTail[3].foreColour, kGreyMark);
}

TEST_F(TargetingTest, AnOversizedPictureGetsScrollBarsAlongItsFrame) {
    game.form.menus.find("mnuResize")->checked = false;
    game.form.ViewFrame[4].rect = {600, 10, 100, 100};
    game.form.ViewUnder[4].rect = {5, 5, 90, 90};
    game.form.View[4].rect = {-20, 0, 300, 80};
    game.f.pictureWidth[4] = 300;
    game.f.pictureHeight[4] = 80;
    HoverSlot(game, 4);
    const ScrollBar& h = game.form.HScroll;
    EXPECT_TRUE(h.visible);
    EXPECT_EQ(h.rect.left, 600);
    EXPECT_EQ(h.rect.top, 109);
    EXPECT_EQ(h.rect.width, 100);
    EXPECT_EQ(h.max, 210);
    EXPECT_EQ(h.largeChange, 22);
    EXPECT_EQ(h.value, 20);
    EXPECT_FALSE(game.form.VScroll.visible);
    EXPECT_EQ(game.form.VScroll.rect.left, 699); // right side: outside the frame's right edge
    EXPECT_EQ(game.scrollSlot, 4);
}

TEST_F(TargetingTest, ResizedPicturesNeedNoScrollBars) {
    game.f.pictureWidth[4] = 300;
    HoverSlot(game, 4);
    EXPECT_FALSE(game.form.HScroll.visible);
}

} // namespace
} // namespace vk2
