#include "battle/techniques/execute_technique.h"

#include <array>
#include <span>

#include "battle/action.h"
#include "battle/counters.h"
#include "battle/skills/skill_rules.h"
#include "battle/targeting.h"
#include "battle/techniques/ailment_techniques.h"
#include "battle/techniques/alterations.h"
#include "battle/techniques/breaks.h"
#include "battle/techniques/curses.h"
#include "battle/techniques/finishing_moves.h"
#include "battle/techniques/gifts.h"
#include "battle/techniques/strikes.h"
#include "battle/techniques/technique_rules.h"
#include "core/text.h"
#include "model/game.h"
#include "model/types.h"

namespace vk2 {
namespace {

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

constexpr std::string_view kPlainStrikeKey = "たた";

// Charged means the tension bar in its top band and the wielded kind trained above 79.
constexpr int kChargedProficiencyAbove = 79;
// The whole side of the slot last pointed at is marked for a side-wide move.
constexpr std::uint8_t kSideWideActionCode = 199;
constexpr int kKeepActionKind = -1;
constexpr int kNoKind = -1;

// A finishing move of a charged strike. A fighter qualifies by its element (or 無), one of the
// wielded kinds and a proficiency above the row's bar in that kind, or by the signature weapon
// whatever its element and kind.
struct FinishingMove {
    Element element;
    std::array<int, 2> kinds;
    int proficiencyAbove;
    std::string_view signatureWeapon;
    std::string_view name;
    bool marksSide;
    int actionKind;
};
// The rows are tried in order: a 無 fighter with a staff or whip gets オーシャンディバイド, never
// マグヌス・オプス, and the last move is reached by 聖 fighters only.
//  element   kinds   proficiencyAbove   signatureWeapon   name   marksSide   actionKind
constexpr std::array<FinishingMove, 9> kFinishingMoves{{
    {kWind, {kSword, kNoKind}, 79, "", "飛旋断", true, kKeepActionKind},
    {kCold, {kKnife, kNoKind}, 89, "細雪", "血肉よ紅い霜となれ", false, kKeepActionKind},
    {kFire, {kFist, kNoKind}, 79, "", "烈火焦魂拳", false, kKeepActionKind},
    {kWood, {kSpear, kNoKind}, 79, "", "ウッドピアシング", false, 3},
    {kEarth, {kAxe, kNoKind}, 79, "", "アトラスクラッシュ", true, kKeepActionKind},
    {kWater, {kStaff, kNoKind}, 79, "", "オーシャンディバイド", true, kKeepActionKind},
    {kThunder, {kBowGun, kNoKind}, 79, "", "ジュピターストライク", false, kKeepActionKind},
    {kDark, {kStaff, kNoKind}, 79, "", "マグヌス・オプス", true, 0},
    {kHoly, {kFist, kAxe}, 79, "", "骨を砕きても謝すべし", false, kKeepActionKind},
}};

// Named weapons that now and then (a roll below 3) strike with a move of their own.
struct LuckyMove {
    std::string_view weapon;
    std::string_view name;
    bool onlyAgainstDark;
};
//                                     weapon        name              onlyAgainstDark
constexpr std::array<LuckyMove, 4> kLuckyMoves{{
    {"三途之舟漕", "黄泉送り", false},
    {"鏖殺大斧", "皆殺し", false},
    {"岩融", "刀狩り", false},
    {"銀のフォーク", "シルバーモーニング", true},
}};
constexpr int kLuckyRollBelow = 3;

bool Qualifies(const Game& game, SlotIndex actor, const FinishingMove& move) {
    const auto a = At(actor);
    if (!move.signatureWeapon.empty() && game.f.weapon[a] == move.signatureWeapon) return true;
    const int element = game.f.element[a];
    const int kind = game.f.equippedKind[a];
    if (element != move.element && element != kNone) return false;
    if (kind != move.kinds[0] && kind != move.kinds[1]) return false;
    return game.f.proficiency[a][At(kind)] > move.proficiencyAbove;
}

bool IsCharged(const Game& game, SlotIndex actor) {
    const auto a = At(actor);
    const int kind = game.f.equippedKind[a];
    return game.form.TGage[a].backColour == kTensionHighColour && kind < kWeaponKinds &&
           game.f.proficiency[a][At(kind)] > kChargedProficiencyAbove;
}

void SelectChargedMove(Game& game, SlotIndex actor) {
    // The weapon's elements are gone even when no move fits: the strike goes out plain.
    game.actionElements.fill(0);
    for (const FinishingMove& move : kFinishingMoves) {
        if (!Qualifies(game, actor, move)) continue;
        game.actionElements[At(move.element - 1)] = 1;
        if (move.marksSide) {
            game.actionCode = kSideWideActionCode;
            HoverSlot(game, game.targetSlot);
        }
        if (move.actionKind != kKeepActionKind) game.actionKind = static_cast<std::uint8_t>(move.actionKind);
        ReplaceLine(game, actor, move.name);
        return;
    }
}

void SelectLuckyMove(Game& game, SlotIndex actor, SlotIndex target) {
    if (game.techniqueRoll >= kLuckyRollBelow) return;
    for (const LuckyMove& move : kLuckyMoves) {
        if (game.f.weapon[At(actor)] != move.weapon) continue;
        if (!move.onlyAgainstDark || game.f.element[At(target)] == kDark) ReplaceLine(game, actor, move.name);
        break;
    }
    game.actionElements.fill(0);
}

// The technique families, each a table of its own keys. The finishing moves are rewritten into
// their own keys by SelectFinishingMove even while no family carries them out yet: such a key
// simply finds no handler here.
std::span<const std::span<const KeyHandler>> TechniqueFamilies() {
    static const std::array<std::span<const KeyHandler>, 7> families{
        StrikeHandlers(), FinishingMoveHandlers(), AilmentTechniqueHandlers(),
        BreakHandlers(),  AlterationHandlers(),    GiftHandlers(),
        CurseHandlers()};
    return families;
}

} // namespace

void SelectFinishingMove(Game& game, SlotIndex actor, SlotIndex target, std::string& key) {
    if (IsCharged(game, actor))
        SelectChargedMove(game, actor);
    else
        SelectLuckyMove(game, actor, target);
    key = Left(game.form.Message[At(actor)].text, 2);
}

void ExecuteTechnique(Game& game, SlotIndex actor, SlotIndex& target, std::string& key) {
    game.techniqueRoll = static_cast<std::int16_t>(DrawTechniqueRoll(game));
    if (key == kPlainStrikeKey) SelectFinishingMove(game, actor, target, key);
    if (const ActionHandler handler = FindHandler(TechniqueFamilies(), key)) {
        Action action{actor, target, key};
        handler(game, action);
    }
}

bool HasTechniqueHandler(std::string_view key) {
    return FindHandler(TechniqueFamilies(), key) != nullptr;
}

} // namespace vk2
