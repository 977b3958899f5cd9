#include "model/elements.h"

#include <array>

#include "battle/counters.h"
#include "core/text.h"
#include "model/game.h"

namespace vk2 {

namespace {

struct ElementRow {
    std::string_view name;
    Colour colour;
    std::string_view codes; // affinity towards 炎 冷 雷 風 地 水 木 魔 聖
};

// name, frame colour, affinity codes
constexpr std::array<ElementRow, 10> kElementTable{{
    {"無", Rgb(169, 169, 169), "333333333"},
    {"炎", Rgb(255, 0, 0), "753131533"},
    {"冷", Rgb(187, 187, 255), "173333533"},
    {"雷", Rgb(255, 255, 105), "337315333"},
    {"風", Rgb(204, 255, 232), "533713333"},
    {"地", Rgb(160, 100, 16), "335571133"},
    {"水", Rgb(51, 51, 255), "531357133"},
    {"木", Rgb(96, 221, 0), "113355733"},
    {"魔", Rgb(0, 0, 0), "333333371"},
    {"聖", Rgb(255, 248, 255), "333333317"},
}};

constexpr bool IsElement(int e) {
    return e >= 0 && e < static_cast<int>(kElementTable.size());
}

// Index of an attacking element in the nine-entry arrays.
constexpr int At(Element e) {
    return e - 1;
}

void RaiseTo(ElementCodes& a, std::uint8_t floor) {
    for (auto& code : a)
        if (code < floor) code = floor;
}

// A digit 1-9 naming an attacking element; other values name none. Counters are bytes, so a
// digit read from one is guarded rather than trusted as an index.
void SetByDigit(ElementCodes& a, int digit, std::uint8_t code) {
    if (digit >= 1 && digit <= kElements) a[static_cast<std::size_t>(digit - 1)] = code;
}

// Returns false when an effect freezes the affinities: weapon and accessory then add nothing.
bool ApplyStatusOverrides(Game& game, SlotIndex slot, ElementCodes& a) {
    const auto c = [&](int k) { return static_cast<int>(game.f.counter(slot, k)); };
    if (c(kNoElementStanceCounter) != 0) return false;
    if (c(kHolyVoidCounter) != 0) {
        for (auto& code : a) code = code == kWeak ? kWeak : kNormal;
        return false;
    }
    if (c(kElementFactorCounter) == 200)
        a.fill(kWeak);
    else if (c(kElementFactorCounter) >= 100)
        RaiseTo(a, kResist);
    SetByDigit(a, c(kElementFactorCounter) % 10, kWeak);
    if (c(kOilCounter) == 1)
        for (const Element e : {kThunder, kWater})
            if (a[At(e)] <= kNormal) a[At(e)] = kResist;
    if (c(kWardCounter) != 0) a[At(kDark)] = kImmune;
    if (c(kLemonBarrierCounter) != 0) a[At(kThunder)] = a[At(kWind)] = kImmune;
    if (c(kOrangeBarrierCounter) != 0) a[At(kFire)] = a[At(kEarth)] = kImmune;
    if (c(kLimeBarrierCounter) != 0) a[At(kCold)] = a[At(kWater)] = a[At(kWood)] = kImmune;
    if (c(kRedSpiritCounter) == 1) {
        game.f.weaponElements[slot][At(kFire)] = 1;
        a[At(kFire)] = kAbsorb;
    }
    SetByDigit(a, c(kAbsorbedElementsCounter) % 10, kAbsorb);
    SetByDigit(a, c(kAbsorbedElementsCounter) / 10, kAbsorb);
    if (c(kTensionBoostCounter) == 3) {
        const Colour bar = game.form.TGage[static_cast<std::size_t>(slot)].backColour;
        if (bar == kTensionHighColour) a[At(kFire)] = kAbsorb;
        if (bar == kTensionLowColour) a[At(kCold)] = kAbsorb;
    }
    return true;
}

// The parasol has no element; instead it shields against every element.
constexpr std::string_view kParasol = "プリ";

struct WeaponElementRow {
    std::string_view prefix; // first two characters of the weapon's name
    Element element;
};

// prefix, element carried by the basic attack
constexpr std::array<WeaponElementRow, 15> kWeaponElementTable{{
    {"フレ", kFire},
    {"細雪", kCold},
    {"ウイ", kWind},
    {"白鯨", kWater},
    {"海神", kWater},
    {"木刀", kWood},
    {"髑髏", kDark},
    {"ブラ", kDark},
    {"デス", kDark},
    {"魔女", kDark},
    {"エク", kHoly},
    {"ブリ", kHoly},
    {"真理", kHoly},
    {"セイ", kHoly},
    {"倶利", kHoly},
}};

void ApplyWeapon(Game& game, SlotIndex slot, ElementCodes& a) {
    const std::string prefix = Left(game.f.weapon[slot], 2);
    if (prefix == kParasol) RaiseTo(a, kResist);
    for (const auto& row : kWeaponElementTable)
        if (prefix == row.prefix) game.f.weaponElements[slot][At(row.element)] = 1;
}

void ApplyAccessory(Game& game, SlotIndex slot, ElementCodes& a) {
    const std::string prefix = Left(game.f.accessory[slot], 2);
    if (prefix == "エレ") {
        const int e = game.f.element[slot];
        if (e != kNone && e <= kElements) {
            game.f.weaponElements[slot][static_cast<std::size_t>(e - 1)] = 1;
            a[static_cast<std::size_t>(e - 1)] = kAbsorb;
        }
    } else if (prefix == "レッ") {
        a[At(kFire)] = kAbsorb;
    } else if (prefix == "ブル") {
        a[At(kCold)] = a[At(kWater)] = kAbsorb;
    } else if (prefix == "堕天") {
        a[At(kDark)] = kAbsorb;
        a[At(kHoly)] = kImmune;
    } else if (prefix == "アリ") {
        a.fill(kImmune);
    }
}

} // namespace

std::string ElementName(int e) {
    return IsElement(e) ? std::string(kElementTable[e].name) : std::string();
}

Colour ElementColour(int e) {
    return IsElement(e) ? kElementTable[e].colour : kBlack;
}

std::string_view ElementCodeRow(int e) {
    return IsElement(e) ? kElementTable[e].codes : kElementTable[0].codes;
}

void RecomputeAffinities(Game& game, SlotIndex slot) {
    game.f.weaponElements[slot].fill(0);
    ElementCodes a{};
    const std::string_view row = ElementCodeRow(game.f.element[slot]);
    for (std::size_t i = 0; i < a.size(); ++i) a[i] = static_cast<std::uint8_t>(row[i] - '0');

    const bool open = !IsBattleSlot(slot) || ApplyStatusOverrides(game, slot, a);
    if (open) {
        ApplyWeapon(game, slot, a);
        ApplyAccessory(game, slot, a);
    }
    game.f.affinity[slot] = a;
}

} // namespace vk2
