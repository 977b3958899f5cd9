// A battle ready for a click: fighters put straight onto the field, a platform that remembers what
// every message box showed while the action paused, and helpers to mark and click a target.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "battle/resolution.h"
#include "core/text.h"
#include "model/commands.h"
#include "model/game.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2::test {

// A command that no effect handles: the action itself does nothing, so everything a test sees
// comes from the steps around it.
inline constexpr const char* kIdleCommand = "ＺＺＺ";
inline constexpr float kEffectRoll = 0.5f;

class SnapshotPlatform : public RecordingPlatform {
  public:
    const Game* game = nullptr;
    // The six message boxes as each pause showed them.
    std::vector<PerBattleSlot<std::string>> shown;

    void pause(int ms) override {
        RecordingPlatform::pause(ms);
        if (game == nullptr) return;
        PerBattleSlot<std::string> boxes;
        for (std::size_t s = 0; s < boxes.size(); ++s) boxes[s] = game->form.Message[s].text;
        shown.push_back(boxes);
    }

    // Whether some pause showed `text` in slot's box.
    bool showed(SlotIndex slot, const std::string& text) const {
        return std::any_of(shown.begin(), shown.end(), [&](const auto& boxes) {
            return boxes[static_cast<std::size_t>(slot)].find(text) != std::string::npos;
        });
    }
};

class ActionTest : public ::testing::Test {
  protected:
    SnapshotPlatform platform;
    ScriptedRandom random;
    Game game{platform, random};
    FighterTable& f = game.f;

    ActionTest() {
        platform.game = &game;
        for (Frame& picture : game.form.ViewUnder) picture.visible = false;
        Enter(0);
        Enter(3);
        // The booty rule draws rolls whenever someone falls; its own tests switch it on.
        Check("mnuBooty", false);
    }

    void TearDown() override { EXPECT_EQ(random.unused(), 0u) << "rolls left unused"; }

    std::size_t At(SlotIndex s) const { return static_cast<std::size_t>(s); }

    void Enter(SlotIndex s, int level = 1) {
        const std::size_t i = At(s);
        game.form.ViewUnder[i].visible = true;
        game.form.ViewFrame[i].borderStyle = 0;
        f.level[i] = f.baseLevel[i] = static_cast<std::uint8_t>(level);
        f.baseMaxHp[i] = f.maxHp[i] = 1000;
        f.baseMaxMp[i] = f.maxMp[i] = 100;
        f.baseSpirit[i] = f.spirit[i] = 40;
        f.weapon[i] = kBareHands;
        f.affinity[i].fill(3); // neither weak nor resistant
        f.timeGauge[i] = 1500;
        game.form.HP[i].text = "1000";
        game.form.MP[i].text = "100";
        ListBox& commands = game.form.Command[i];
        commands.clear();
        for (const char* command :
             {kIdleCommand, kUseItemCommand, kHandItemCommand, kRetreatCommand, kGuardCommand})
            commands.add(command, 0);
        commands.selected = 0;
    }

    void Choose(SlotIndex actor, const std::string& command, int cost = 0) {
        ListBox& commands = game.form.Command[At(actor)];
        commands.entries[0] = {command, cost};
        commands.selected = 0;
    }

    void Mark(SlotIndex s) {
        game.form.Cursor[At(s)].visible = true;
        game.form.Cursor[At(s)].foreColour = kWhite;
        game.form.CursorTail[At(s)].visible = true;
    }

    // The actor's turn, one white mark on the target, the click. `rolls` are fed in the order the
    // action draws them; the effect dispatcher draws one per run of the effect.
    void Act(SlotIndex actor, SlotIndex target, std::initializer_list<float> rolls = {kEffectRoll}) {
        game.phase = static_cast<std::int16_t>(10 + actor);
        game.actionCode = 0;
        game.targetSlot = static_cast<std::int16_t>(target);
        Mark(target);
        for (const float u : rolls) random.push(u);
        ResolveClickedAction(game, target);
    }

    void Check(const char* menuItem, bool checked) { game.form.menus.find(menuItem)->checked = checked; }

    std::string Hp(SlotIndex s) const { return game.form.HP[At(s)].text; }
    bool OnField(SlotIndex s) const { return game.form.ViewUnder[At(s)].visible; }
};

} // namespace vk2::test
