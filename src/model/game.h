// The one object that owns all state for the life of the program.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/platform.h"
#include "core/random.h"
#include "form/form.h"
#include "model/fighter_table.h"

namespace vk2 {

struct Game {
    Game(Platform& platform, Random& random) : platform(platform), random(random) {}

    Platform& platform;
    Random& random;

    FighterTable f;
    Form form;

    std::array<std::uint8_t, 2> partySize{2, 2};
    std::int16_t phase = 7;
    std::string previewPicturePath;
    std::int16_t comboSetting = 22; // 11 x herb option + music option
    std::array<std::uint8_t, 2> separatedMember{3, 3};
    std::array<std::uint8_t, 2> sidePresent{};
    // Turns left of the field effect whose marker is the window's background colour.
    std::uint8_t fieldEffectTurns = 0;
    // 1 while the battle music plays and is restarted whenever it stops.
    std::uint8_t musicPlaying = 0;
    // The length the music device reported for the chosen music when it was opened.
    std::int32_t musicLength = 0;
    // Where the music stood when the battle was paused.
    std::int32_t musicPausePosition = 0;

    // The action being prepared: its targeting class, 255 when no command is chosen.
    std::uint8_t actionCode = 255;
    // 0 other, 1 a spell that mirrors reflect, 2 or more physical.
    std::uint8_t actionKind = 0;
    // Element flags of the action; index i is element i + 1.
    ElementCodes actionElements{};
    std::int16_t mpCost = 0;
    // The slot last hovered while a command is chosen.
    std::int16_t targetSlot = 0;
    // The slot whose oversized picture the scroll bars pan.
    std::int16_t scrollSlot = 0;
    // The roll 0-15 every technique draws when it starts.
    std::int16_t techniqueRoll = 0;
    // The automatic player's choice so far: a command index, 245 + an item index, 255 for none.
    std::uint8_t autoChoice = 255;

    int herbOption() const { return comboSetting / 11; }
};

// The last slot of the slot's side in use: SideBase + partySize - 1.
inline std::uint8_t SideLast(const Game& game, SlotIndex slot) {
    return static_cast<std::uint8_t>(SideBase(slot) + game.partySize[SideOf(slot)] - 1);
}

} // namespace vk2
