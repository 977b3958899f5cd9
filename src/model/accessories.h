// The accessory catalogue. What an accessory does is carried out by the rules it touches
// (affinities, damage, MP costs); the catalogue names it and describes it.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace vk2 {

// Accessories the equipment rules single out by name.
inline constexpr std::string_view kMedal = "勲章";
inline constexpr std::string_view kAliceHandkerchief = "アリスのハンカチ";
inline constexpr std::string_view kBlessingBell = "祝福の鈴";

struct AccessoryCatalogueRow {
    std::string_view name;
    std::array<std::string_view, 3> description; // unused lines are empty
};

std::span<const AccessoryCatalogueRow> AccessoryCatalogue();

// The catalogue row whose first two characters match those of the name; nullptr when none.
const AccessoryCatalogueRow* FindAccessory(std::string_view name);

} // namespace vk2
