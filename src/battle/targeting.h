// Choosing the targets of the command being prepared: the "◆" marks over the fighters' pictures,
// white for a sensible target and grey for a useless or harmful one, with the mouse or the keys.
#pragma once

#include "core/colour.h"
#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// The colour of a mark on a target the command should not be used on.
inline constexpr Colour kGreyMark = Rgb(96, 96, 96);

// 10 marked as a valid target, 11 marked grey, 0 unmarked.
int CursorState(const Game& game, SlotIndex slot);

// Its frame keeps the single border of an empty slot while its HP and MP labels stay shown.
bool HasFallen(const Game& game, SlotIndex slot);

// The mouse moves over slot's picture (the keys and the automatic player hover the same way):
// places the scroll bars over an oversized picture and, during a turn with a command chosen,
// marks the targets the command would hit.
void HoverSlot(Game& game, SlotIndex slot);

// Shows slot's mark for the actor's command, grey when the greying rules advise against it.
void MarkTarget(Game& game, SlotIndex actor, SlotIndex slot);

// A key typed while slot's picture has the focus: 0 back to the command, 1 and 3 to the other
// side, 2 and 5 to the next and previous member, Enter to act, Space to pause.
void TargetKey(Game& game, SlotIndex slot, int keyCode);

} // namespace vk2
