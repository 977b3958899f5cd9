#include "model/fighter_table.h"

namespace vk2 {

FighterTable::FighterTable() {
    pictureWidth.fill(1);
    pictureHeight.fill(1);
    for (SlotIndex s = 0; s < kSlots; ++s) position[s] = static_cast<std::uint8_t>(SideOf(s) + 1);
}

} // namespace vk2
