// The weapon catalogue: what each weapon adds to its wielder and how it describes itself.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "model/types.h"

namespace vk2 {

// Weapons the rules single out by name.
inline constexpr std::string_view kStaffEshiMesa = "エシ・メサの杖";
inline constexpr std::string_view kMikenjaku = "眉間尺";
inline constexpr std::string_view kPeaceMitten = "平和のためのミトン";
inline constexpr std::string_view kDragonClaw = "ドラゴンクロー";
inline constexpr std::string_view kTigerFang = "虎咬";
inline constexpr std::string_view kSergenBlade = "セルゲンブレイド";

// Equipment parts a few weapons add besides attack and speed.
struct WeaponBonus {
    int hp = 0;
    int mp = 0;
    int defense = 0;
    int spirit = 0;
};

struct WeaponCatalogueRow {
    std::string_view name;
    WeaponKind kind;
    int attack;
    int speed;
    bool longReach;                              // attacks from the back row without penalty
    Element element;                             // element the basic attack takes on; kNone for none
    std::array<std::string_view, 3> description; // unused lines are empty
    WeaponBonus bonus{};
    Element wielderElement = kNone; // a wielder of this element gets wielderAttack instead of attack
    int wielderAttack = 0;
};

std::span<const WeaponCatalogueRow> WeaponCatalogue();

// The key a weapon is recognised by: its first three characters, or a two-character name followed
// by a full-width space so that it cannot collide with a longer name.
std::string WeaponKey(std::string_view name);

// The catalogue row of a weapon name (the key decides); nullptr for bare hands and unknown names.
const WeaponCatalogueRow* FindWeapon(std::string_view name);

// The attack a weapon adds for a wielder of the given element; 0 without a row.
int WeaponAttack(const WeaponCatalogueRow* row, int wielderElement);

} // namespace vk2
