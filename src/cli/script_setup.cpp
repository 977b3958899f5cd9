// Script commands that put fighters into slots and set the scene around them.
#include <algorithm>
#include <array>
#include <optional>

#include "cli/script_context.h"
#include "core/colour.h"
#include "core/numbers.h"
#include "core/picture_source.h"
#include "core/text.h"
#include "files/entry.h"
#include "model/accessories.h"
#include "model/analysis.h"
#include "model/commands.h"
#include "model/elements.h"
#include "model/equipment.h"
#include "model/growth.h"
#include "model/types.h"
#include "model/weapons.h"

namespace vk2::cli {
namespace {

constexpr int kMaxColourSum = 16 * 255; // sixteen sample pixels

// A fighter described field by field; what is not given follows from the rest as the analysis of
// a picture with those sums and that size would give it.
struct FighterSpec {
    std::string name = "fighter";
    int red = 2048;
    int green = 2048;
    int blue = 2048;
    int width = 64;
    int height = 64;
    std::optional<std::string> digits;
    std::optional<int> element;
    std::optional<int> level;
    std::optional<std::string> weapon;
    std::optional<std::string> accessory;
};

std::string RequireDigitCode(const std::string& value) {
    if (value.size() != 16 || value.find_first_not_of("0123456789") != std::string::npos)
        throw ScriptError{"digits must be sixteen digits, not \"" + value + "\""};
    return value;
}

std::string RequireWeapon(const std::string& value) {
    if (value != kBareHands && FindWeapon(value) == nullptr) throw ScriptError{"unknown weapon " + value};
    return value;
}

std::string RequireAccessory(const std::string& value) {
    if (!value.empty() && FindAccessory(value) == nullptr) throw ScriptError{"unknown accessory " + value};
    return value;
}

int ColourSum(const std::string& value, std::string_view what) {
    return static_cast<int>(ParseInteger(value, 0, kMaxColourSum, what));
}

int PictureSide(const std::string& value, std::string_view what) {
    return static_cast<int>(ParseInteger(value, 1, kMaxPictureSide, what));
}

struct FighterKey {
    std::string_view key;
    void (*apply)(FighterSpec&, const std::string&);
};

// key, what its value sets
constexpr std::array<FighterKey, 11> kFighterKeys{{
    {"name", [](FighterSpec& f, const std::string& v) { f.name = v; }},
    {"element", [](FighterSpec& f, const std::string& v) { f.element = ParseInteger(v, 0, 9, "element"); }},
    {"level", [](FighterSpec& f, const std::string& v) { f.level = ParseInteger(v, 0, 255, "level"); }},
    {"digits", [](FighterSpec& f, const std::string& v) { f.digits = RequireDigitCode(v); }},
    {"r", [](FighterSpec& f, const std::string& v) { f.red = ColourSum(v, "r"); }},
    {"g", [](FighterSpec& f, const std::string& v) { f.green = ColourSum(v, "g"); }},
    {"b", [](FighterSpec& f, const std::string& v) { f.blue = ColourSum(v, "b"); }},
    {"width", [](FighterSpec& f, const std::string& v) { f.width = PictureSide(v, "width"); }},
    {"height", [](FighterSpec& f, const std::string& v) { f.height = PictureSide(v, "height"); }},
    {"weapon", [](FighterSpec& f, const std::string& v) { f.weapon = RequireWeapon(v); }},
    {"accessory", [](FighterSpec& f, const std::string& v) { f.accessory = RequireAccessory(v); }},
}};

void ApplyFighterKey(FighterSpec& wanted, const std::string& word) {
    const std::size_t equals = word.find('=');
    if (equals == std::string::npos) throw ScriptError{"expected key=value, not \"" + word + "\""};
    const std::string_view key = std::string_view(word).substr(0, equals);
    for (const FighterKey& row : kFighterKeys) {
        if (row.key == key) return row.apply(wanted, word.substr(equals + 1));
    }
    throw ScriptError{"unknown fighter key " + std::string(key)};
}

// The list holds at most one entry with each mark: the equipped weapon and accessory. The new
// one takes the old one's place, or goes last.
void ReplaceMarkedEntry(std::vector<ListEntry>& items, std::string_view mark, const std::string& name,
                        std::int32_t code) {
    auto at = std::find_if(items.begin(), items.end(),
                           [mark](const ListEntry& entry) { return StartsWith(entry.text, mark); });
    if (at != items.end()) at = items.erase(at);
    if (!name.empty()) items.insert(at, {std::string(mark) + name, code});
}

// Given equipment replaces what the code would have given.
void GiveEquipment(StartingKit& kit, const FighterSpec& wanted) {
    if (wanted.weapon) {
        const bool bare = *wanted.weapon == kBareHands;
        kit.weapon = *wanted.weapon;
        kit.equippedKind = bare ? kFist : FindWeapon(*wanted.weapon)->kind;
        ReplaceMarkedEntry(kit.items, kWeaponMark, bare ? std::string() : kit.weapon,
                           WeaponItemCode(kit.equippedKind));
    }
    if (wanted.accessory) {
        kit.accessory = *wanted.accessory;
        ReplaceMarkedEntry(kit.items, kAccessoryMark, kit.accessory, kItemAccessory);
    }
}

void BuildPreviewFighter(Game& game, const FighterSpec& wanted) {
    FighterTable& f = game.f;
    constexpr SlotIndex p = kPreviewSlot;
    // Named as a fighter file would be, so a name with a dot keeps it.
    f.filePath[p] = wanted.name + ".vk2";
    f.redSum[p] = static_cast<std::int16_t>(wanted.red);
    f.greenSum[p] = static_cast<std::int16_t>(wanted.green);
    f.blueSum[p] = static_cast<std::int16_t>(wanted.blue);
    f.pictureWidth[p] = static_cast<std::int16_t>(wanted.width);
    f.pictureHeight[p] = static_cast<std::int16_t>(wanted.height);
    f.digitCode[p] =
        wanted.digits.value_or(MakeDigitCode(wanted.red, wanted.green, wanted.blue, wanted.width, wanted.height));
    f.element[p] =
        static_cast<std::uint8_t>(wanted.element.value_or(ElementFromSums(wanted.red, wanted.green, wanted.blue)));
    f.level[p] = static_cast<std::uint8_t>(wanted.level.value_or(LevelFromCode(f.digitCode[p])));
    StartingKit kit =
        DeriveStartingKit(f.digitCode[p], f.element[p], f.level[p], wanted.green, game.herbOption());
    const bool medalGiven = kit.accessory == kMedal;
    GiveEquipment(kit, wanted);
    StoreStartingKit(game, kit);
    // Putting the medal on or taking it off changes the proficiencies as it does in battle.
    if ((kit.accessory == kMedal) != medalGiven) RecomputeProficiency(game, p);

    FinishProfile(game);
}

// Entering a slot beyond its side's party first enlarges the party, as opening its entry does.
void EnterPreview(Game& game, SlotIndex slot, std::optional<int> row) {
    std::uint8_t& partySize = game.partySize[SideOf(slot)];
    if (slot % 3 >= partySize) partySize = static_cast<std::uint8_t>(slot % 3 + 1);
    game.phase = static_cast<std::int16_t>(slot);
    EnterFighter(game, slot, row.value_or(AutoRow(game)));
}

std::string RefusalText(const AnalysisOutcome& outcome) {
    return outcome.kind == AnalysisOutcome::Kind::TooLarge ? "画像が大きすぎます！" : outcome.reason;
}

} // namespace

void PictureCommand(Script& script, const Words& words) {
    RequireWords(words, 3, 3, "picture SLOT front|back|auto PATH");
    const SlotIndex slot = ParseSlot(words[0], kLastBattleSlot);
    const std::optional<int> row = ParseRow(words[1]);
    const std::string path = (script.folder / words[2]).string();
    Game& game = script.game;
    game.previewPicturePath = path;
    game.f.filePath[kPreviewSlot] = path;
    const AnalysisOutcome outcome = AnalysePicture(game);
    if (outcome.kind != AnalysisOutcome::Kind::Analysed)
        throw ScriptError{words[2] + ": " + RefusalText(outcome)};
    EnterPreview(game, slot, row);
}

void FighterCommand(Script& script, const Words& words) {
    RequireWords(words, 2, 2 + kFighterKeys.size(), "fighter SLOT front|back|auto key=value...");
    const SlotIndex slot = ParseSlot(words[0], kLastBattleSlot);
    const std::optional<int> row = ParseRow(words[1]);
    FighterSpec wanted;
    for (std::size_t i = 2; i < words.size(); ++i) ApplyFighterKey(wanted, words[i]);
    BuildPreviewFighter(script.game, wanted);
    EnterPreview(script.game, slot, row);
}

void BackgroundCommand(Script& script, const Words& words) {
    RequireWords(words, 3, 3, "background R G B");
    const auto part = [&words](std::size_t i, std::string_view what) {
        return static_cast<int>(ParseInteger(words[i], 0, 255, what));
    };
    script.game.form.backColour = Rgb(part(0, "red"), part(1, "green"), part(2, "blue"));
}

void PartyCommand(Script& script, const Words& words) {
    RequireWords(words, 2, 2, "party LEFT RIGHT");
    for (std::size_t side = 0; side < 2; ++side)
        script.game.partySize[side] =
            static_cast<std::uint8_t>(ParseInteger(words[side], 1, 3, "party size"));
}

void PhaseCommand(Script& script, const Words& words) {
    RequireWords(words, 1, 1, "phase N");
    script.game.phase = static_cast<std::int16_t>(ParseInteger(words[0], INT16_MIN, INT16_MAX, "phase"));
}

void HerbsCommand(Script& script, const Words& words) {
    RequireWords(words, 1, 1, "herbs 0|1|2");
    Game& game = script.game;
    const auto herbs = ParseInteger(words[0], 0, 2, "herbs");
    game.comboSetting = static_cast<std::int16_t>(herbs * 11 + game.comboSetting % 11);
}

void RandomCommand(Script& script, const Words& words) {
    RequireWords(words, 1, SIZE_MAX, "random U1 U2 ...");
    for (const std::string& word : words) {
        // The source hands out single-precision values; one that rounds up to 1 is out of range too.
        const auto u = static_cast<float>(ParseReal(word, "a random value"));
        if (u < 0 || u >= 1) throw ScriptError{"a random value must lie in [0, 1), not " + word};
        script.random.push(u);
    }
}

} // namespace vk2::cli
