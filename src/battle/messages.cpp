#include "battle/messages.h"

#include <string>

#include "core/text.h"
#include "model/game.h"

namespace vk2 {
namespace {

inline constexpr int kPanelShift = 184; // pixels

} // namespace

void AppendLine(Game& game, SlotIndex slot, std::string_view text) {
    std::string& box = game.form.Message[static_cast<std::size_t>(slot)].text;
    box += text;
    box += kCrLf;
}

void PlaceMessageBox(Game& game, SlotIndex slot, int shifted) {
    const auto s = static_cast<std::size_t>(slot);
    game.f.messageOffset[s] = static_cast<std::uint8_t>(shifted);
    const int panelLeft = game.form.Chara[s].rect.left;
    int left = 0;
    if (game.partySize[SideOf(slot)] == 1) {
        left = SideOf(slot) == 0 ? panelLeft + kPanelShift : panelLeft - kPanelShift;
    } else {
        const int sign = game.f.position[s] % 2 == 0 ? 1 : -1; // (-1)^position
        left = panelLeft - sign * kPanelShift * shifted;
    }
    game.form.Message[s].rect.left = left;
}

} // namespace vk2
