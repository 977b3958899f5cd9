#include "battle/counters.h"

#include <array>
#include <string>

#include "battle/messages.h"
#include "battle/stats.h"
#include "core/numbers.h"
#include "model/elements.h"
#include "model/game.h"

namespace vk2 {
namespace {

struct ExpiryRow {
    int counter;
    std::string_view text;
};

// counter, text
inline constexpr std::array<ExpiryRow, 15> kExpiryNames{{
    {kWardCounter, "魔除けの札"},
    {kLemonBarrierCounter, "レモンバリアー"},
    {kOrangeBarrierCounter, "オレンジバリアー"},
    {kLimeBarrierCounter, "ライムバリアー"},
    {kKabosuBarrierCounter, "カボスバリアー"},
    {kEarthProtectCounter, "アースプロテクト"},
    {kIceWallCounter, "アイスウォール"},
    {kWindGuardCounter, "ウインドガード"},
    {kFlameCurtainCounter, "フレイムカーテン"},
    {kMagneticShieldCounter, "マグネティックシールド"},
    {kMirrorCounter, "鏡"},
    {kElectrifiedCounter, "帯電の効力が切れた。"},
    {kMadnessCounter, "理性を取り戻した。"},
    {kParalysisCounter, "麻痺が解けた。"},
    {kBlindnessCounter, "視界を取り戻した。"},
}};

struct TensionBand {
    int lowest;
    int highest;
    Colour colour;
};

// lowest, highest, colour
inline constexpr std::array<TensionBand, 4> kTensionBands{{
    {0, 0, kTensionMidColour},
    {1, 20, kTensionLowColour},
    {21, 80, kTensionMidColour},
    {81, 100, kTensionHighColour},
}};

inline constexpr int kMaxTension = 100;
inline constexpr int kExpiryPauseMs = 1000;

Colour TensionColour(int tension) {
    for (const TensionBand& band : kTensionBands)
        if (tension >= band.lowest && tension <= band.highest) return band.colour;
    return kTensionMidColour;
}

// The barriers whose effect lives in the affinity codes rather than in the damage rules.
bool BarrierShapesAffinities(int k) {
    return k <= kLimeBarrierCounter;
}

int ClampedTension(int tension, int d) {
    if (d < -tension) return 0;
    if (d > kMaxTension - tension) return kMaxTension;
    return tension + d;
}

void EndAdrenaline(Game& game, SlotIndex slot) {
    std::uint8_t& amount = game.f.counter(slot, kAdrenalineCounter);
    if (amount == 0) return;
    const auto s = static_cast<std::size_t>(slot);
    game.f.attackMod[s] = ToInt16(game.f.attackMod[s] - amount);
    amount = 0;
    // Without the recomputation the boost would stay in the attack until some other change.
    RecomputeStats(game, slot);
    game.form.Message[s].text = "アドレナリンの効果が切れた。\r\n";
}

void EndMadness(Game& game, SlotIndex slot) {
    std::uint8_t& madness = game.f.counter(slot, kMadnessCounter);
    if (madness == 0) return;
    madness = 0;
    RefreshStatusIconVisibility(game, slot);
    AppendLine(game, slot, "理性を取り戻した。");
}

void RedrawTensionBar(Game& game, SlotIndex slot) {
    const auto s = static_cast<std::size_t>(slot);
    Label& bar = game.form.TGage[s];
    const int room = game.form.Mode[s].rect.left - bar.rect.left;
    bar.rect.width = static_cast<int>(RoundHalfEven(room * 0.01 * game.f.tension[s]));
    bar.backColour = TensionColour(game.f.tension[s]);
}

} // namespace

std::string_view StatusExpiryName(int k) {
    for (const ExpiryRow& row : kExpiryNames)
        if (row.counter == k) return row.text;
    return {};
}

void EndTimedEffect(Game& game, SlotIndex slot, int k, std::string_view name, bool rebuildAffinities) {
    game.f.counter(slot, k) = 0;
    std::string line{name};
    line += "の";
    if (k != kMirrorCounter) line += "\r\n";
    line += "効力が切れた。";
    AppendLine(game, slot, line);
    if (rebuildAffinities) RecomputeAffinities(game, slot);
    RecomputeStats(game, slot);
    game.platform.pause(kExpiryPauseMs);
}

void CountDownBarriers(Game& game, SlotIndex slot) {
    for (int k = kWardCounter; k <= kMirrorCounter; ++k) {
        std::uint8_t& turns = game.f.counter(slot, k);
        if (turns == 1)
            EndTimedEffect(game, slot, k, StatusExpiryName(k), BarrierShapesAffinities(k));
        else if (turns >= 2)
            --turns;
    }
}

void AdjustTension(Game& game, SlotIndex slot, int delta) {
    const auto s = static_cast<std::size_t>(slot);
    const int d = (game.f.counter(slot, kTensionBoostCounter) + 1) * delta;
    game.f.tension[s] = static_cast<std::uint8_t>(ClampedTension(game.f.tension[s], d));
    RedrawTensionBar(game, slot);
    if (TensionColour(game.f.tension[s]) == kTensionLowColour) {
        EndAdrenaline(game, slot);
        EndMadness(game, slot);
    }
    if (game.f.counter(slot, kTensionBoostCounter) == 3) RecomputeAffinities(game, slot);
}

void ShowStatusIcon(Game& game, SlotIndex slot) {
    const auto s = static_cast<std::size_t>(slot);
    const int index = game.f.statusIconIndex[s];
    game.form.StPic[s].picture = index;
    game.platform.repaint();
    for (int n = 1; n < kStatusIcons; ++n) {
        const int next = (index + n) % kStatusIcons;
        if (game.f.counter(slot, kHiddenCounter + next) != 0) {
            game.f.statusIconIndex[s] = static_cast<std::uint8_t>(next);
            return;
        }
    }
}

void RefreshStatusIconVisibility(Game& game, SlotIndex slot) {
    bool any = false;
    for (int i = 0; i < kStatusIcons; ++i) any = any || game.f.counter(slot, kHiddenCounter + i) != 0;
    game.form.StPic[static_cast<std::size_t>(slot)].visible = any;
}

} // namespace vk2
