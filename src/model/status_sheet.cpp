#include "model/status_sheet.h"

#include <cstdint>
#include <string_view>

#include "core/text.h"
#include "model/elements.h"
#include "model/game.h"
#include "model/types.h"
#include "model/weapons.h"

namespace vk2 {
namespace {

inline constexpr int kWeakAffinity = 1;
inline constexpr std::int16_t kFirstTurnPhase = 10;

// A blank before numbers of up to four digits keeps the HP column aligned.
std::string HpLine(std::int64_t maxHp) {
    return "最大ＨＰ　" + std::string(maxHp > 9999 ? "" : " ") + Num(maxHp);
}

// The other abilities are two-digit columns; three digits push the blank out.
std::string AbilityLine(std::string_view label, std::int64_t value, std::string_view shown) {
    return std::string(label) + (value > 99 ? "" : " ") + std::string(shown);
}
std::string AbilityLine(std::string_view label, std::int64_t value) {
    return AbilityLine(label, value, Num(value));
}

std::string AbilityHalf(const FighterTable& f, SlotIndex s) {
    // The blade that borrows its enemy's strength shows no attack of its own.
    const std::string attackShown = f.weapon[s] == kSergenBlade ? "　？" : Num(f.attack[s]);
    std::string text;
    for (const std::string& line : {
             ElementName(f.element[s]) + "属性　レベル" + Num(f.level[s]),
             std::string(),
             HpLine(f.maxHp[s]),
             AbilityLine("最大ＭＰ　　", f.maxMp[s]),
             AbilityLine("攻撃力　　　", f.attack[s], attackShown),
             AbilityLine("守備力　　　", f.defense[s]),
             AbilityLine("すばやさ　　", f.speed[s]),
             AbilityLine("精神力　　　", f.spirit[s]),
         })
        text += line + std::string(kCrLf);
    return text;
}

std::string Weaknesses(const FighterTable& f, SlotIndex s) {
    std::string names;
    for (int i = 0; i < kElements; ++i)
        if (f.affinity[s][i] == kWeakAffinity) names += ElementName(i + 1);
    return names.empty() ? "なし" : names;
}

std::string EquipmentLines(const FighterTable& f, SlotIndex s) {
    const std::string crlf(kCrLf);
    const std::string indent = "　　　　";
    const std::string& weapon = f.weapon[s];
    const std::string& accessory = f.accessory[s];
    if (weapon != kBareHands) return "装備　" + weapon + crlf + indent + accessory + crlf;
    if (!accessory.empty()) return "装備　" + accessory + crlf + indent + crlf;
    return "装備　なし" + crlf + crlf;
}

// Two characters per kind up to 99: " ×" for a kind that cannot be wielded, a blank before one digit.
std::string ProficiencyCell(int p) {
    if (p == 0) return " ×";
    std::string cell = p < 10 ? " " : "";
    return cell += Num(p);
}

std::string ProficiencyLines(const FighterTable& f, SlotIndex s) {
    const auto p = [&](WeaponKind k) { return ProficiencyCell(f.proficiency[s][k]); };
    const std::string crlf(kCrLf);
    return "剣・刀　" + p(kSword) + "　　斧・槌　" + p(kAxe) + crlf +   //
           "ナイフ　" + p(kKnife) + "　　杖・鞭　" + p(kStaff) + crlf + //
           "拳・爪　" + p(kFist) + "　　弓・銃　" + p(kBowGun) + crlf + //
           "槍・矛　" + p(kSpear);
}

std::string EquipmentHalf(const FighterTable& f, SlotIndex s) {
    const std::string crlf(kCrLf);
    return crlf + "弱点　" + Weaknesses(f, s) + crlf + EquipmentLines(f, s) + ProficiencyLines(f, s);
}

} // namespace

std::string BuildStatusSheetFor(const Game& game, SlotIndex slot, int half) {
    if (slot < 0 || slot >= kSlots) return {};
    return half == kSheetAbilities ? AbilityHalf(game.f, slot) : EquipmentHalf(game.f, slot);
}

std::string BuildStatusSheet(const Game& game, int half) {
    if (game.phase >= 0 && game.phase < kBattleSlots) return BuildStatusSheetFor(game, kPreviewSlot, half);
    const SlotIndex turn = game.phase - kFirstTurnPhase;
    return IsBattleSlot(turn) ? BuildStatusSheetFor(game, turn, half) : std::string();
}

void ShowPreviewSheets(Game& game) {
    game.form.StatusPrev.text = BuildStatusSheetFor(game, kPreviewSlot, kSheetAbilities);
    game.form.StatusPrev2.text = BuildStatusSheetFor(game, kPreviewSlot, kSheetEquipment);
}

} // namespace vk2
