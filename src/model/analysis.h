// The picture analysis: sixteen sample pixels and the picture's size make a fighter, always the
// same fighter for the same picture. It fills the preview slot.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/image.h"
#include "form/controls.h"
#include "model/fighter_table.h"

namespace vk2 {

struct Game;

enum class AnalysisMode {
    Full,   // the whole profile, shown in the entry panel
    Search, // only element and level, nothing shown
};

struct AnalysisOutcome {
    enum class Kind { Analysed, TooLarge, Unreadable } kind;
    std::string reason; // the loader's words for an unreadable file, the refusal text for a large one
};

// Analyses the picture at game.previewPicturePath into slot 6. A refused picture leaves the
// earlier candidate's values, but its command and item lists are cleared.
AnalysisOutcome AnalysePicture(Game& game, AnalysisMode mode = AnalysisMode::Full);

struct ColourSums {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Sums of the sixteen sample pixels; a sample point outside the picture counts as white.
ColourSums SampleSums(const RgbImage& image, int width, int height);
// The element the colour sums give (0-9).
int ElementFromSums(int r, int g, int b);
// The sixteen-digit code of the sums and the picture size.
std::string MakeDigitCode(int r, int g, int b, int width, int height);
// The level (0-7) the first two digits of the code give.
int LevelFromCode(const std::string& code);
// The weapon kind that a = d(13, 2) chooses.
int StartingKind(int a);

// Everything the code gives besides element, level and abilities.
struct StartingKit {
    std::array<int, kWeaponKinds> proficiency{};
    std::string weapon; // "素手" when none
    int equippedKind = 0;
    std::string accessory;
    std::vector<ListEntry> items; // in list order, herbs first
};
StartingKit DeriveStartingKit(const std::string& code, int element, int level, int greenSum, int herbOption);

// Puts the kit into the preview slot: proficiency, weapon, accessory and the item list.
void StoreStartingKit(Game& game, const StartingKit& kit);

// The profile of the preview slot is complete: the frame colour, affinities, abilities,
// equipment bonuses, commands and status sheets follow from it.
void FinishProfile(Game& game);

} // namespace vk2
