// The small shared vocabularies of the fighter model.
#pragma once

#include <cstdint>
#include <string>

namespace vk2 {

// Element of a fighter: 0 無, 1 炎, 2 冷, 3 雷, 4 風, 5 地, 6 水, 7 木, 8 魔, 9 聖.
enum Element : std::uint8_t {
    kNone = 0,
    kFire = 1,
    kCold = 2,
    kThunder = 3,
    kWind = 4,
    kEarth = 5,
    kWater = 6,
    kWood = 7,
    kDark = 8,
    kHoly = 9,
};

// Weapon kinds, the index of the proficiency array.
enum WeaponKind : std::uint8_t {
    kSword = 0,   // 剣・刀
    kKnife = 1,   // ナイフ
    kFist = 2,    // 拳・爪
    kSpear = 3,   // 槍・矛
    kAxe = 4,     // 斧・槌
    kStaff = 5,   // 杖・鞭
    kBowGun = 6,  // 弓・銃
};

// The number attached to an item-list entry.
enum ItemCode : std::int32_t {
    kItemConsumable = 0, // used up by use
    kItemTool = 1,       // not used up
    kItemAccessory = 3,
    kItemWeaponBase = 10, // + WeaponKind
};
constexpr std::int32_t WeaponItemCode(int kind) { return kItemWeaponBase + kind; }

// Marks on the equipped entries of an item list.
inline constexpr const char* kWeaponMark = "◆";
inline constexpr const char* kAccessoryMark = "★";
inline constexpr const char* kBareHands = "素手";

} // namespace vk2
