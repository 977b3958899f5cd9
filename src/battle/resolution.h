// The click on a marked fighter's picture carries the acting fighter's command out: protection,
// a grey mark's lost turn, mirrors, the command's key and the used-up item, the effect itself and
// everything that follows it.
#pragma once

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// The Click of View(target). Does nothing outside a turn, for the preview slot or for an unmarked
// picture.
void ResolveClickedAction(Game& game, SlotIndex target);

} // namespace vk2
