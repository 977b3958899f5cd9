// The hit animation and the sound effects of an action: the frames of the affected fighters blink
// between two colours while their pictures shake, each frame waiting by the speed slider.
#pragma once

#include "core/colour.h"
#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// The colour argument that blinks a frame by transparency instead of by a second colour; as the
// only colour it leaves the frame's colour alone.
inline constexpr Colour kBlinkMarker = 1;

// The slot argument that animates every slot marked as a valid target.
inline constexpr SlotIndex kMarkedSlots = 6;

// Plays effect sound n unless sound effects are switched off.
void PlaySoundEffect(Game& game, int n);

// Animates slot (or every validly marked slot for kMarkedSlots) for frames + 1 frames: the frame
// blinks with the given half period between colourA and colourB, physical actions shake the
// picture, and at the end the frame shows its element colour and the picture stands where it was.
void PlayActionEffect(Game& game, SlotIndex slot, int frames, int halfPeriod, Colour colourA, Colour colourB,
                      int sound);

} // namespace vk2
