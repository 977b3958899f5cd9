#include "battle/skills/field_effects.h"

namespace vk2 {

std::span<const KeyHandler> FieldEffectHandlers() {
    return {};
}

} // namespace vk2
