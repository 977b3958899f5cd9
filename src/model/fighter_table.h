// The table of every fighter: parallel arrays indexed by slot. Slots 0-2 are the left side,
// 3-5 the right side, 6 the preview candidate of the entry panel. Arrays marked "battle" have
// no preview element. Widths and signedness are those the file format and the arithmetic
// limits rely on.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vk2 {

using SlotIndex = int;

inline constexpr int kSlots = 7;       // six battle slots and the preview slot
inline constexpr int kBattleSlots = 6;
inline constexpr SlotIndex kPreviewSlot = 6;
inline constexpr int kCounters = 50;   // status and effect counters per battle slot
inline constexpr int kElements = 9;    // attacking elements, index i for Element i + 1
inline constexpr int kWeaponKinds = 7;

template <typename T> using PerSlot = std::array<T, kSlots>;
template <typename T> using PerBattleSlot = std::array<T, kBattleSlots>;
using ElementCodes = std::array<std::uint8_t, kElements>;
using Proficiencies = std::array<std::uint8_t, kWeaponKinds>;

struct FighterTable {
    // Picture and identity.
    PerSlot<std::string> filePath{};
    PerSlot<std::int16_t> pictureWidth{};
    PerSlot<std::int16_t> pictureHeight{};
    PerSlot<std::int16_t> redSum{};
    PerSlot<std::int16_t> greenSum{};
    PerSlot<std::int16_t> blueSum{};
    PerSlot<std::string> digitCode{};
    PerSlot<std::uint8_t> level{};
    PerSlot<std::uint8_t> element{};
    PerBattleSlot<std::uint8_t> baseLevel{};
    PerBattleSlot<std::uint8_t> baseElement{};

    // Abilities: base part (saved), equipment part, battle modifier, effective value.
    PerSlot<std::int32_t> baseMaxHp{};
    PerSlot<std::int16_t> equipHp{};
    PerBattleSlot<std::int32_t> hpMod{};
    PerSlot<std::int32_t> maxHp{};

    PerSlot<std::int16_t> baseMaxMp{};
    PerSlot<std::uint8_t> equipMp{};
    PerBattleSlot<std::int16_t> mpMod{};
    PerSlot<std::int16_t> maxMp{};

    PerSlot<std::int16_t> baseAttack{};
    PerSlot<std::int16_t> equipAttack{};
    PerBattleSlot<std::int16_t> attackMod{};
    PerSlot<std::int16_t> attack{};

    PerSlot<std::int16_t> baseDefense{};
    PerSlot<std::uint8_t> equipDefense{};
    PerBattleSlot<std::int16_t> defenseMod{};
    PerSlot<std::int16_t> defense{};

    PerSlot<std::int16_t> baseSpeed{};
    PerSlot<std::int16_t> equipSpeed{};
    PerBattleSlot<std::int16_t> speedMod{};
    PerSlot<std::int16_t> speed{};

    PerSlot<std::int16_t> baseSpirit{};
    PerSlot<std::uint8_t> equipSpirit{};
    PerBattleSlot<std::int16_t> spiritMod{};
    PerSlot<std::int16_t> spirit{};

    // Elements and equipment.
    PerSlot<ElementCodes> affinity{};
    PerSlot<ElementCodes> weaponElements{};
    PerSlot<Proficiencies> proficiency{};
    PerSlot<std::string> weapon{};
    PerSlot<std::uint8_t> equippedKind{};
    PerSlot<std::string> accessory{};
    PerSlot<std::uint8_t> longReach{};

    // Battle state. Counter k of slot s lives at s * 50 + k.
    std::array<std::uint8_t, kBattleSlots * kCounters> statusCounters{};
    PerBattleSlot<std::uint8_t> tension{};
    PerSlot<std::uint8_t> learnedCount{};
    PerSlot<std::uint8_t> statusIconIndex{};
    PerSlot<std::uint8_t> messageOffset{};
    PerSlot<std::uint8_t> position{};
    PerSlot<std::int16_t> timeGauge{};

    FighterTable();

    std::uint8_t& counter(SlotIndex s, int k) { return statusCounters[static_cast<std::size_t>(s * kCounters + k)]; }
    std::uint8_t counter(SlotIndex s, int k) const {
        return statusCounters[static_cast<std::size_t>(s * kCounters + k)];
    }
};

// Int(slot / 3): 0 left, 1 right.
inline std::uint8_t SideOf(SlotIndex slot) { return static_cast<std::uint8_t>(slot / 3); }
// The first slot of the slot's side.
inline std::uint8_t SideBase(SlotIndex slot) { return static_cast<std::uint8_t>(3 * SideOf(slot)); }

inline bool IsBattleSlot(SlotIndex slot) { return slot >= 0 && slot < kBattleSlots; }

} // namespace vk2
