#include "battle/techniques/ailment_techniques.h"

namespace vk2 {

std::span<const KeyHandler> AilmentTechniqueHandlers() {
    return {};
}

} // namespace vk2
