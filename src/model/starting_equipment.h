// What a fighter brings from its picture besides its abilities: the weapon tables of each kind,
// the default weapons, the starting item and the accessory. Rows are looked up from the top and
// the first row that covers the code's number decides.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/types.h"

namespace vk2 {

// What the conditional rows look at.
struct StartingTraits {
    int element = 0;
    int level = 0;
    int greenSum = 0;
    int kind = 0; // the weapon kind the code chose, before any weapon is known
};

using TraitTest = bool (*)(const StartingTraits&);

// c from..to gives `name` when `when` holds (or there is no test) and `otherwise` when it does
// not; an empty name means no weapon.
struct WeaponRow {
    int from;
    int to;
    std::string_view name;
    TraitTest when = nullptr;
    std::string_view otherwise = {};
};

// The weapon table of a kind; empty for a value outside the seven kinds.
std::span<const WeaponRow> WeaponTable(int kind);
// The starting weapon of the kind for c = d(15, 2); empty when none.
std::string_view StartingWeapon(int kind, int c, const StartingTraits& traits);

// The weapon a fighter of the kind gets when its table gave none and its fist proficiency is
// below `fistBelow`; an empty name for a kind without one.
struct DefaultWeaponRow {
    WeaponKind kind;
    std::string_view name;
    int fistBelow;
};
std::span<const DefaultWeaponRow> DefaultWeapons();
const DefaultWeaponRow& DefaultWeapon(int kind);

// A starting item or accessory.
struct Gift {
    enum class Kind : std::uint8_t { None, Item, Accessory, AccessoryByElement };
    Kind kind = Kind::None;
    std::string_view name = {};
    ItemCode code = kItemConsumable;
};

struct ItemRow {
    int from;
    int to;
    std::string_view name;
    ItemCode code;
};
std::span<const ItemRow> StartingItems();
// The item for n = d(12, 3); Kind::None when no row covers n.
Gift StartingItem(int n);

struct NumberSpan {
    int from = -1;
    int to = -1;
};

// m in any of `spans` gives `gift` when `when` holds (or there is no test), `otherwise` when not.
struct AccessoryRow {
    std::array<NumberSpan, 4> spans;
    Gift gift;
    TraitTest when = nullptr;
    Gift otherwise = {};
};
std::span<const AccessoryRow> AccessoryRows();

// The accessories chosen by element for the AccessoryByElement row.
struct ElementAccessoryRow {
    Element element;
    std::string_view name;
};
std::span<const ElementAccessoryRow> ElementAccessories();

// The accessory or extra item for m = d(10, 3): Kind::Accessory, Kind::Item or Kind::None.
Gift AccessoryGift(int m, const StartingTraits& traits);

} // namespace vk2
