#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "battle/clock.h"
#include "battle/counters.h"
#include "battle/mp_cost.h"
#include "battle/targeting.h"
#include "core/text.h"
#include "model/elements.h"
#include "model/game.h"
#include "model/types.h"
#include "play/auto_player.h"
#include "play/manual_input.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// The row move sits at count - 2. A command without an effect stands in for it, so that moving
// forward here marks no one and its click resolves nothing.
constexpr const char* kMoveStandIn = "ＺＺＺ";

// What the window showed when the automatic player repainted before its click.
struct Shown {
    std::string command;
    std::string item; // the item of an item command, else empty
    int target = -1;
    int actionCode = -1;
};

// Records the repaint before each click, then takes the marks away so that the click resolves
// nothing: what an action does is up to its effect, and these tests end with the choice.
class DecisionPlatform : public test::RecordingPlatform {
  public:
    const Game* game = nullptr;
    Form* form = nullptr;
    bool withdrawMarks = true;
    std::vector<Shown> shown;

    void repaint() override {
        if (game == nullptr || !AnyMark()) return;
        const auto actor = static_cast<std::size_t>(game->phase - kPhaseTurn);
        const std::string command = SelectedCommand(*game, static_cast<SlotIndex>(actor));
        const ListBox& items = game->form.Item[actor];
        Shown s{command, "", game->targetSlot, game->actionCode};
        if (IsItemCommand(command) && items.visible && items.selected >= 0)
            s.item = items.entries[static_cast<std::size_t>(items.selected)].text;
        shown.push_back(s);
        if (withdrawMarks)
            for (Label& cursor : form->Cursor) cursor.visible = false;
    }

  private:
    bool AnyMark() const {
        for (const Label& cursor : game->form.Cursor)
            if (cursor.visible) return true;
        return false;
    }
};

// Two against two: the automatic fighter in slot 0 (back row) and its ally in slot 1 (front row)
// against slots 3 (front) and 4 (back). Nobody is hurt or carries anything, and with half its MP,
// even HP and a strong attack in the back row the actor would just move forward.
struct Battle {
    DecisionPlatform platform;
    ScriptedRandom random;
    SeededRandom seeded{7};
    Game game;
    FighterTable& f = game.f;

    explicit Battle(bool seededRolls = false)
        : game(platform, seededRolls ? static_cast<Random&>(seeded) : static_cast<Random&>(random)) {
        platform.game = &game;
        platform.form = &game.form;
        for (SlotIndex s = 0; s < kBattleSlots; ++s) {
            game.form.ViewUnder[At(s)].visible = false;
            game.form.Item[At(s)].visible = false;
        }
        for (SlotIndex s : {0, 1, 3, 4}) Enter(s);
        game.form.Mode[0].text = "Auto";
        game.form.Mode[0].backColour = kBlack;
    }

    static std::size_t At(SlotIndex s) { return static_cast<std::size_t>(s); }

    void Enter(SlotIndex s) {
        const std::size_t i = At(s);
        static constexpr std::uint8_t kPositions[] = {0, 1, 0, 2, 3, 3}; // back, front, -, front, back, back
        game.form.ViewUnder[i].visible = true;
        game.form.ViewFrame[i].borderStyle = 0;
        f.filePath[i] = "fighter.png";
        f.level[i] = 5;
        f.maxHp[i] = 200;
        f.maxMp[i] = 40;
        f.attack[i] = 150;
        f.affinity[i].fill(kNormal);
        f.weapon[i] = kBareHands;
        f.position[i] = kPositions[i];
        f.timeGauge[i] = 1501;
        game.form.HP[i].text = "200";
        game.form.MP[i].text = "20";
        ListBox& commands = game.form.Command[i];
        commands.clear();
        for (const char* command : {"たたかう", "アイテム使用", "アイテムをわたす", kMoveStandIn, "ぼうぎょ"})
            commands.add(command, 0);
    }

    // Commands inserted after the basic attack, in order.
    void Give(SlotIndex s, std::initializer_list<const char*> commands, int cost = 0) {
        ListBox& list = game.form.Command[At(s)];
        std::size_t at = 1;
        for (const char* command : commands) list.insert(at++, command, cost);
    }

    void Carry(SlotIndex s, std::initializer_list<const char*> items) {
        for (const char* item : items) {
            const bool equipped = StartsWith(item, kWeaponMark);
            game.form.Item[At(s)].add(item, equipped ? kItemWeaponBase : kItemConsumable);
        }
    }

    void Hp(SlotIndex s, int hp) { game.form.HP[At(s)].text = std::to_string(hp); }
    void Fall(SlotIndex s) {
        Hp(s, 0);
        game.form.ViewUnder[At(s)].visible = false;
        game.form.ViewFrame[At(s)].borderStyle = 1;
    }
    void FrontRow(SlotIndex s) { f.position[At(s)] = static_cast<std::uint8_t>(SideOf(s) + 1); }
    void BackRow(SlotIndex s) { f.position[At(s)] = static_cast<std::uint8_t>(SideOf(s) == 0 ? 0 : 3); }

    void Feed(const std::vector<float>& rolls) {
        for (const float u : rolls) random.push(u);
    }

    // The clock has just handed the actor its turn.
    void Turn(SlotIndex actor, const std::vector<float>& rolls = {}) {
        game.phase = static_cast<std::int16_t>(kPhaseTurn + actor);
        game.actionCode = 255;
        Feed(rolls);
        ChooseAutoAction(game, actor);
    }

    const ListBox& Commands(SlotIndex s) const { return game.form.Command[At(s)]; }
    int MoveEntry(SlotIndex s) const { return Commands(s).count() - 2; }
};

// What a case expects of the turn: the command and item used on the target, or (no command) that
// the actor moved forward without any repaint.
struct Expected {
    const char* command = nullptr;
    const char* item = "";
    SlotIndex target = -1;
};

void ExpectChoice(const Battle& b, const Expected& e, const std::string& name) {
    if (e.command == nullptr) {
        EXPECT_TRUE(b.platform.shown.empty()) << name;
        EXPECT_EQ(b.Commands(0).selected, b.MoveEntry(0)) << name;
    } else if (b.platform.shown.size() != 1) {
        ADD_FAILURE() << name << ": " << b.platform.shown.size() << " clicks";
    } else {
        const Shown& s = b.platform.shown.front();
        EXPECT_EQ(s.command, e.command) << name;
        EXPECT_EQ(s.item, e.item) << name;
        EXPECT_EQ(s.target, e.target) << name;
    }
    EXPECT_EQ(b.random.unused(), 0u) << name;
}

TEST(AutoPlayerTest, AlliesInTroubleAreCaredForFirst) {
    struct Case {
        const char* name;
        void (*setup)(Battle&);
        Expected expected;
        std::vector<float> rolls = {};
    };
    const Case cases[] = {
        {"a fallen ally is revived",
         [](Battle& b) {
             b.Fall(1);
             b.Give(0, {"フェニックス"}, 10);
         },
         {"フェニックス", "", 1}},
        {"no revival on a turn whose time counter is a multiple of 4",
         [](Battle& b) {
             b.Fall(1);
             b.Give(0, {"フェニックス"}, 10);
             b.f.timeGauge[0] = 1500;
         },
         {}},
        {"the last usable cure of the list wins",
         [](Battle& b) {
             b.f.counter(1, kPoisonCounter) = 3;
             b.Carry(0, {"毒消し草"});
             b.Give(0, {"清流"}, 5);
         },
         {"清流", "", 1}},
        {"of two poisoned fighters the later slot is cured",
         [](Battle& b) {
             b.f.counter(0, kPoisonCounter) = 3;
             b.f.counter(1, kPoisonCounter) = 3;
             b.Give(0, {"清流"}, 5);
         },
         {"清流", "", 1}},
        {"up to level 6 the venom genome is left out",
         [](Battle& b) {
             b.f.counter(1, kPoisonCounter) = 3;
             b.f.level[0] = 6;
             b.Give(0, {"清流", "ヴェノム・ゲノム"}, 5);
         },
         {"清流", "", 1}},
        {"silence leaves the cure to the item",
         [](Battle& b) {
             b.f.counter(1, kPoisonCounter) = 3;
             b.Carry(0, {"毒消し草"});
             b.Give(0, {"清流"}, 5);
             b.game.form.backColour = kSilentSnowField;
         },
         {"アイテム使用", "毒消し草", 1}},
        {"a poisoned actor with the curing claw strikes a random enemy",
         [](Battle& b) {
             b.f.counter(0, kPoisonCounter) = 3;
             b.f.weapon[0] = "極楽鳥の爪";
         },
         {"たたかう", "", 4},
         {0.0f}},
        {"a bomb is washed off",
         [](Battle& b) {
             b.f.counter(1, kTimeBombCounter) = 3;
             b.Give(0, {"清流"}, 5);
         },
         {"清流", "", 1}},
        {"a weak actor strikes to bring a confused ally round",
         [](Battle& b) {
             b.f.counter(1, kConfusionCounter) = 2;
             b.f.attack[0] = 89;
         },
         {"たたかう", "", 4},
         {0.0f}},
        {"an ally below a quarter of its HP gets the herb",
         [](Battle& b) {
             b.Hp(1, 49);
             b.Carry(0, {"薬草"});
         },
         {"アイテム使用", "薬草", 1}},
        {"an ally at a quarter of its HP is not wounded enough",
         [](Battle& b) {
             b.Hp(1, 50);
             b.Carry(0, {"薬草"});
         },
         {}},
        {"the most wounded of two wounded fighters comes first",
         [](Battle& b) {
             b.Hp(0, 45);
             b.Hp(1, 30);
             b.Carry(0, {"薬草"});
         },
         {"アイテム使用", "薬草", 1}},
        {"the actor heals itself when it is the worse off",
         [](Battle& b) {
             b.Hp(0, 30);
             b.Hp(1, 45);
             b.Carry(0, {"薬草"});
         },
         {"アイテム使用", "薬草", 0}},
        {"a blacked-out HP display hides the wound",
         [](Battle& b) {
             b.Hp(1, 30);
             b.game.form.HPMP[1].backColour = kBlack;
             b.Carry(0, {"薬草"});
         },
         {}},
        {"a spell too dear in MP is passed over",
         [](Battle& b) {
             b.Hp(1, 30);
             b.Give(0, {"奇跡の泉"}, 20);
             b.Give(0, {"救いの掌"}, 21);
         },
         {"奇跡の泉", "", 1}},
        {"healing that would harm the ally turns to poison",
         [](Battle& b) {
             b.Hp(1, 30);
             b.f.counter(1, kReversedHealingCounter) = 1;
             b.Carry(0, {"薬草", "毒針"});
         },
         {"アイテム使用", "毒針", 1}},
        {"an ally absorbing fire takes a fire spell",
         [](Battle& b) {
             b.Hp(1, 30);
             b.f.affinity[1][kFire - 1] = kAbsorb;
             b.Give(0, {"ファイヤーボール"}, 4);
         },
         {"ファイヤーボール", "", 1}},
        {"an actor behind a mirror casts no healing attack",
         [](Battle& b) {
             b.Hp(1, 30);
             b.f.affinity[1][kFire - 1] = kAbsorb;
             b.f.counter(0, kMirrorCounter) = 2;
             b.Give(0, {"ファイヤーボール"}, 4);
         },
         {}},
        {"wind for a front-row ally pulls it along",
         [](Battle& b) {
             b.Hp(1, 30);
             b.f.affinity[1][kWind - 1] = kAbsorb;
             b.Give(0, {"ソニックブーム", "マハンウイング"}, 4);
         },
         {"マハンウイング", "", 1}},
        {"wind for a back-row fighter comes from the fan",
         [](Battle& b) {
             b.Hp(0, 30);
             b.f.affinity[0][kWind - 1] = kAbsorb;
             b.Give(0, {"ソニックブーム", "マハンウイング"}, 4);
             b.Carry(0, {"天狗の葉うちわ"});
         },
         {"アイテム使用", "天狗の葉うちわ", 0}},
        {"with nothing to heal it covers an ally of its level",
         [](Battle& b) {
             b.Hp(1, 30);
             b.FrontRow(0);
             b.Give(0, {"かばう"});
         },
         {"かばう", "", 1}},
        {"a mad actor cares for no one",
         [](Battle& b) {
             b.Hp(1, 30);
             b.Carry(0, {"薬草"});
             b.f.counter(0, kMadnessCounter) = 3;
         },
         {}},
    };
    for (const Case& c : cases) {
        Battle b;
        c.setup(b);
        b.Turn(0, c.rolls);
        ExpectChoice(b, c.expected, c.name);
    }
}

TEST(AutoPlayerTest, CareThatFindsNoValidMarkGivesThePanelBackAndMovesOn) {
    // The poison needle is advised against on a poisoned ally.
    Battle b;
    b.Hp(1, 30);
    b.f.counter(1, kReversedHealingCounter) = 1;
    b.f.counter(1, kPoisonCounter) = 2;
    b.Carry(0, {"毒針"});

    b.Turn(0);

    EXPECT_EQ(b.game.autoChoice, kItemChoiceBase + 0);
    EXPECT_FALSE(b.game.form.Item[0].visible);
    EXPECT_EQ(b.game.form.WinCh[0].caption, "ｽﾃｰﾀｽ参照");
    ExpectChoice(b, {}, "moves forward");
    EXPECT_EQ(b.game.phase, kPhaseTurn + 0) << "the move forward stand-in resolves nothing";
}

TEST(AutoPlayerTest, FindUsableEntryWeighsCostBansAndPropositions) {
    struct Case {
        const char* name;
        void (*setup)(Battle&);
        bool isItem;
        const char* candidate;
        int expected;
    };
    constexpr int kUnchanged = 7;
    const Case cases[] = {
        {"an affordable command", [](Battle&) {}, false, "清流", 2},
        {"a command costing more than the MP", [](Battle&) {}, false, "救いの掌", kUnchanged},
        {"the first copy the MP covers", [](Battle& b) { b.game.form.Command[0].add("救いの掌", 20); }, false,
         "救いの掌", 7},
        {"a command not in the list", [](Battle&) {}, false, "フェニックス", kUnchanged},
        {"an item", [](Battle&) {}, true, "薬草", kItemChoiceBase + 1},
        {"a missing item", [](Battle&) {}, true, "毒針", kUnchanged},
        {"an item under an item ban", [](Battle& b) { b.f.counter(0, kItemBanCounter) = 2; }, true, "薬草",
         kUnchanged},
        {"an item under a proposition against items",
         [](Battle& b) { b.f.counter(0, kPropositionCounter) = 23; }, true, "薬草", kUnchanged},
        {"an item under another proposition", [](Battle& b) { b.f.counter(0, kPropositionCounter) = 33; },
         true, "薬草", kItemChoiceBase + 1},
    };
    for (const Case& c : cases) {
        Battle b;
        b.Give(0, {"救いの掌", "清流"}, 21); // 1, 2
        b.game.form.Command[0].entries[2].number = 20;
        b.Carry(0, {"毒消し草", "薬草"});
        c.setup(b);
        b.game.autoChoice = kUnchanged;
        EXPECT_EQ(FindUsableEntry(b.game, 0, c.isItem, c.candidate), c.expected) << c.name;
    }
}

TEST(AutoPlayerTest, FindUsableEntryLeavesTheCandidatesCost) {
    Battle b;
    b.Give(0, {"清流"}, 12);
    FindUsableEntry(b.game, 0, false, "清流");
    EXPECT_EQ(b.game.mpCost, 12);
}

TEST(AutoPlayerTest, RandomiseTargetStepsToAValidMarkOfTheRightSide) {
    struct Case {
        const char* name;
        void (*setup)(Battle&);
        const char* command;
        std::vector<float> rolls;
        SlotIndex target;
        int actionCode;
    };
    const Case cases[] = {
        {"one step from the default target", [](Battle&) {}, "たたかう", {0.0f}, 4, 100},
        {"two steps along a side of three",
         [](Battle& b) {
             b.game.partySize[1] = 3;
             b.Enter(5);
         },
         "たたかう",
         {0.5f},
         5,
         100},
        {"a grey mark is passed over",
         [](Battle& b) { b.f.element[4] = kFire; },
         "ファイヤーボール",
         {0.0f, 0.0f},
         3,
         100},
        {"a lone enemy keeps the mark", [](Battle& b) { b.game.partySize[1] = 1; }, "たたかう", {}, 3, 100},
        {"a side-wide command keeps its marks", [](Battle&) {}, "パニッシュメント", {}, 3, 199},
        {"confusion turns the attack on the own side",
         [](Battle& b) { b.f.counter(0, kConfusionCounter) = 2; },
         "たたかう",
         {0.0f},
         1,
         0},
        {"so does an order to attack the allies",
         [](Battle& b) { b.f.counter(0, kBondCounter) = 1; },
         "たたかう",
         {0.0f},
         1,
         0},
        {"a dispel looks across from the sixth try",
         [](Battle& b) { b.f.counter(3, kMirrorCounter) = 2; }, // something worth dispelling
         "禊ぎ祓い",
         {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},
         3,
         93},
    };
    for (const Case& c : cases) {
        Battle b;
        c.setup(b);
        b.Give(0, {c.command});
        b.game.phase = kPhaseTurn + 0;
        b.game.form.Command[0].selected = 1;
        CommandListKey(b.game, 0, '\r');
        b.Feed(c.rolls);

        RandomiseTarget(b.game);

        EXPECT_EQ(b.game.targetSlot, c.target) << c.name;
        EXPECT_EQ(CursorState(b.game, c.target), 10) << c.name;
        EXPECT_EQ(b.game.actionCode, c.actionCode) << c.name;
        EXPECT_EQ(b.random.unused(), 0u) << c.name;
    }
}

TEST(AutoPlayerTest, ABoostedTurnUsesItsBoost) {
    struct Case {
        const char* name;
        void (*setup)(Battle&);
        Expected expected;
        std::vector<float> rolls;
    };
    const Case cases[] = {
        {"a charged fighter uses its strongest strike",
         [](Battle& b) {
             b.f.counter(0, kChargeCounter) = 15;
             b.Give(0, {"二連撃", "三連撃"}, 10);
         },
         {"三連撃", "", 4},
         {0.0f}},
        {"a charged fighter without the MP strikes plainly",
         [](Battle& b) {
             b.f.counter(0, kChargeCounter) = 15;
             b.Give(0, {"三連撃"}, 30);
         },
         {"たたかう", "", 4},
         {0.0f}},
        {"a concentrating fighter draws commands until a spell",
         [](Battle& b) {
             b.f.counter(0, kConcentrationCounter) = 8;
             b.Give(0, {"二連撃", "ファイヤーボール"});
         },
         {"ファイヤーボール", "", 4},
         {0.0f, 0.5f, 0.0f}}, // 二連撃, ファイヤーボール, then the target
    };
    for (const Case& c : cases) {
        Battle b;
        c.setup(b);
        b.Turn(0, c.rolls);
        ExpectChoice(b, c.expected, c.name);
    }
}

// Rolls of a random action from the list たたかう, アイテム使用, アイテムをわたす, ...
constexpr float kPickAttack = 0.0f;
constexpr float kPickUseItem = 0.4f;
constexpr float kPickHandOver = 0.7f;

TEST(AutoPlayerTest, AFrontRowFighterTakesARandomAction) {
    struct Case {
        const char* name;
        void (*setup)(Battle&);
        Expected expected;
        std::vector<float> rolls;
    };
    const Case cases[] = {
        {"a random attack", [](Battle&) {}, {"たたかう", "", 4}, {kPickAttack, 0.0f}},
        {"a random item, equipment skipped",
         [](Battle& b) {
             b.Carry(0, {"◆木の棒", "天狗の葉うちわ"});
         },
         {"アイテム使用", "天狗の葉うちわ", 4},
         {kPickUseItem, 0.0f, 0.6f, 0.0f}},
        {"only equipment to pick: the basic attack",
         [](Battle& b) { b.Carry(0, {"◆木の棒"}); },
         {"たたかう", "", 4},
         {kPickUseItem, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}},
        {"handing over becomes using the last listed item",
         [](Battle& b) {
             b.Carry(0, {"薬草", "レムの振り子", "雷神太鼓"});
         },
         {"アイテム使用", "雷神太鼓", 3}, // the whole side is marked
         {kPickHandOver}},
        {"handing over without a listed item becomes the basic attack",
         [](Battle& b) { b.Carry(0, {"薬草"}); },
         {"たたかう", "", 4},
         {kPickHandOver, 0.0f}},
        {"an item ban keeps handing over from turning into an item use",
         [](Battle& b) {
             b.Carry(0, {"雷神太鼓"});
             b.f.counter(0, kItemBanCounter) = 2;
         },
         {"たたかう", "", 4},
         {kPickHandOver, kPickAttack, 0.0f}},
    };
    for (const Case& c : cases) {
        Battle b;
        b.FrontRow(0);
        c.setup(b);
        b.Turn(0, c.rolls);
        ExpectChoice(b, c.expected, c.name);
        EXPECT_EQ(b.platform.pauses, std::vector<int>{200}) << c.name;
    }
}

TEST(AutoPlayerTest, EachReasonForARandomActionIsEnough) {
    struct Case {
        const char* name;
        void (*setup)(Battle&);
    };
    const Case cases[] = {
        {"MP above three quarters", [](Battle& b) { b.game.form.MP[0].text = "31"; }},
        {"odd HP", [](Battle& b) { b.Hp(0, 199); }},
        {"a modest attack", [](Battle& b) { b.f.attack[0] = 124; }},
        {"long reach", [](Battle& b) { b.f.longReach[0] = 1; }},
    };
    for (const Case& c : cases) {
        Battle b;
        c.setup(b);
        b.Turn(0, {kPickAttack, 0.0f});
        ExpectChoice(b, {"たたかう", "", 4}, c.name);
    }
}

TEST(AutoPlayerTest, AfterEightFailedTriesTheFallbackIsClickedAnyway) {
    struct Case {
        const char* name;
        void (*setup)(Battle&);
        float pick; // every try draws an unusable command
        Expected expected;
    };
    const Case cases[] = {
        {"the basic attack", [](Battle&) {}, kPickUseItem, {"たたかう", "", 3}},
        {"peaceful mittens defend",
         [](Battle& b) { b.f.weapon[0] = "平和のためのミトン"; },
         kPickUseItem,
         {"ぼうぎょ", "", 0}},
        {"a hidden fighter defends",
         [](Battle& b) { b.f.counter(0, kHiddenCounter) = 2; },
         kPickAttack,
         {"ぼうぎょ", "", 0}},
    };
    for (const Case& c : cases) {
        Battle b;
        b.FrontRow(0);
        c.setup(b);
        b.Turn(0, std::vector<float>(8, c.pick));
        ExpectChoice(b, c.expected, c.name);
        EXPECT_EQ(b.platform.pauses, std::vector<int>{100}) << c.name;
    }
}

TEST(AutoPlayerTest, AConfusedFighterSkipsAllyCareAndTurnsOnItsOwnSide) {
    Battle b;
    b.FrontRow(0);
    b.Hp(1, 30);
    b.Carry(0, {"薬草"});
    b.f.counter(0, kConfusionCounter) = 3;

    b.Turn(0, {kPickAttack, 0.0f});

    ExpectChoice(b, {"たたかう", "", 1}, "confused");
    ASSERT_EQ(b.platform.shown.size(), 1u);
    EXPECT_EQ(b.platform.shown.front().actionCode, 0) << "aimed at allies";
}

// The clock hands the turn over; the fighter's gauge is the only one to pass 1000.
void HandTurnToSlot0(Battle& b) {
    for (SlotIndex s = 0; s < kBattleSlots; ++s) b.f.timeGauge[Battle::At(s)] = 0;
    b.f.timeGauge[0] = 1500;
    b.game.phase = kPhaseClockRuns;
    BattleClockTick(b.game);
}

TEST(AutoPlayerTest, TheClockMakesAMadOrOrderedFighterStrikeARandomTarget) {
    struct Case {
        const char* name;
        int counter;
        SlotIndex target;
    };
    for (const Case& c :
         {Case{"berserk", kMadnessCounter, 4}, Case{"ordered to attack allies", kBondCounter, 1}}) {
        Battle b;
        b.game.form.Mode[0].text = "Manual";
        b.game.form.Mode[0].backColour = kWhite;
        b.f.counter(0, c.counter) = c.counter == kBondCounter ? 1 : 5;
        b.Feed({0.0f});

        HandTurnToSlot0(b);

        ExpectChoice(b, {"たたかう", "", c.target}, c.name);
    }
}

TEST(AutoPlayerTest, TheClockLetsTheAutomaticPlayerFinishTheTurn) {
    struct Case {
        const char* name;
        const char* mode;
        int confusion;
        int phase;
        int gauge;
    };
    const Case cases[] = {
        {"an automatic fighter moves forward", "Auto", 0, kPhaseClockRuns, 510},
        {"so does a confused manual fighter", "Manual", 2, kPhaseClockRuns, 510},
        {"a manual fighter waits for the player", "Manual", 0, kPhaseTurn + 0, 1510},
    };
    for (const Case& c : cases) {
        // The move resolves for real here, with whatever rolls its effect draws.
        Battle b(true);
        b.platform.withdrawMarks = false;
        b.game.form.Mode[0].text = c.mode;
        b.game.form.Mode[0].backColour = std::string(c.mode) == "Auto" ? kBlack : kWhite;
        b.f.counter(0, kConfusionCounter) = static_cast<std::uint8_t>(c.confusion);
        ListBox& commands = b.game.form.Command[0];
        commands.entries[static_cast<std::size_t>(b.MoveEntry(0))].text = "前進";

        HandTurnToSlot0(b);

        EXPECT_EQ(b.game.phase, c.phase) << c.name;
        EXPECT_EQ(b.f.timeGauge[0], c.gauge) << c.name;
        if (c.phase == kPhaseClockRuns) {
            EXPECT_EQ(b.game.targetSlot, 0) << c.name;
        }
    }
}

} // namespace
} // namespace vk2
