#include "model/analysis.h"

#include <algorithm>
#include <cstdlib>

#include "core/numbers.h"
#include "core/text.h"
#include "model/commands.h"
#include "model/digit_code.h"
#include "model/elements.h"
#include "model/equipment.h"
#include "model/game.h"
#include "model/growth.h"
#include "model/proficiency.h"
#include "model/starting_equipment.h"
#include "model/status_sheet.h"

namespace vk2 {

namespace {

constexpr const char* kTooLargeText = "画像が大きすぎます！";
constexpr const char* kHerb = "薬草";
constexpr const char* kMedal = "勲章";

struct ElementRule {
    Element element;
    bool (*holds)(int r, int g, int b);
};

// element, condition on the sums (the first rule that holds decides; otherwise 無)
constexpr std::array<ElementRule, 9> kElementRules{{
    {kHoly, [](int r, int g, int b) { return r >= 3501 && g >= 3501 && b >= 3501 && std::abs(r - b) >= 91; }},
    {kDark, [](int r, int g, int b) { return r <= 1689 && g <= 1689 && b <= 1689; }},
    {kWood, [](int r, int g, int b) { return g > b - 23 && g > r - 21 && g != r; }},
    {kWater, [](int r, int g, int b) { return b > g - 170 && b > r + 57; }},
    {kEarth, [](int r, int g, int b) { return std::abs(g - r) < 430 && r > b + 480; }},
    {kWind,
     [](int r, int g, int b) { return std::abs(g - r) < 299 && b > r - 210 && g > r - 210 && b != g; }},
    {kThunder, [](int r, int g, int b) { return std::abs(r - g) < 390 && r + g + b >= 7901 && b != g; }},
    {kCold, [](int r, int g, int b) { return std::abs(r - g) < 490 && b > g - 113 && r > g; }},
    {kFire, [](int r, int g, int b) { return r > b + 600 && r > g + 600; }},
}};

struct LevelRow {
    int from;
    int to;
    int level;
};

// d(1, 2) from, d(1, 2) to, level
constexpr std::array<LevelRow, 8> kLevels{{
    {0, 0, 7},
    {1, 3, 6},
    {4, 9, 5},
    {10, 21, 4},
    {22, 43, 3},
    {44, 69, 2},
    {70, 98, 1},
    {99, 99, 0},
}};

struct KindRow {
    int upTo;
    WeaponKind kind;
};

// a up to, kind (unless a is a multiple of 6, which makes a knife user)
constexpr std::array<KindRow, 6> kKindsByCode{{
    {15, kBowGun},
    {31, kStaff},
    {48, kAxe},
    {65, kSword},
    {82, kSpear},
    {99, kFist},
}};

constexpr int kKindBonusBase = 10;

void Receive(StartingKit& kit, const Gift& gift) {
    if (gift.kind == Gift::Kind::Item) kit.items.push_back({std::string(gift.name), gift.code});
    if (gift.kind == Gift::Kind::Accessory) kit.accessory = gift.name;
}

void ListEquipment(StartingKit& kit) {
    if (!kit.accessory.empty()) kit.items.push_back({kAccessoryMark + kit.accessory, kItemAccessory});
    if (kit.accessory == kMedal) kit.proficiency.fill(kMedalProficiency);
    if (!kit.weapon.empty()) {
        kit.items.push_back({kWeaponMark + kit.weapon, WeaponItemCode(kit.equippedKind)});
    } else {
        kit.weapon = kBareHands;
        kit.equippedKind = kFist;
    }
}

// Herb option 1 fills the list up to three entries, option 2 up to four; 0 gives none.
void AddHerbs(StartingKit& kit, int herbOption) {
    if (herbOption == 0) return;
    while (static_cast<int>(kit.items.size()) < herbOption + 2)
        kit.items.insert(kit.items.begin(), {kHerb, kItemConsumable});
}

Colour SamplePixel(const RgbImage& image, int x, int y) {
    return image.contains(x, y) ? image.pixel(x, y) : kWhite;
}

// Repeats x = Int((x + sizeTerm) * factor) + addend at least once, until x passes the limit.
std::int32_t Iterate(std::int32_t x, std::int32_t sizeTerm, double factor, std::int32_t addend,
                     std::int32_t limit) {
    do x = static_cast<std::int32_t>(Int((x + sizeTerm) * factor)) + addend;
    while (x <= limit);
    return x;
}

void RefuseTooLarge(Game& game) {
    game.form.StatusPrev.text = kTooLargeText;
    for (auto& button : game.form.LetsOpen) button.visible = false;
}

void ShowPreview(Game& game) {
    game.form.ViewFrame[kPreviewSlot].borderStyle = 0;
    game.form.View[kPreviewSlot].visible = true;
    game.form.ViewUnder[kPreviewSlot].visible = true;
}

} // namespace

ColourSums SampleSums(const RgbImage& image, int width, int height) {
    ColourSums sums;
    for (int j = 1; j <= 4; ++j) {
        for (int i = 1; i <= 4; ++i) {
            const auto x = static_cast<int>(RoundHalfEven(i * static_cast<double>(width) / 5));
            const auto y = static_cast<int>(RoundHalfEven(j * static_cast<double>(height) / 5));
            const Colour c = SamplePixel(image, x, y);
            sums.red += RedOf(c);
            sums.green += GreenOf(c);
            sums.blue += BlueOf(c);
        }
    }
    return sums;
}

int ElementFromSums(int r, int g, int b) {
    for (const auto& rule : kElementRules)
        if (rule.holds(r, g, b)) return rule.element;
    return kNone;
}

std::string MakeDigitCode(int r, int g, int b, int width, int height) {
    // The size terms are formed in 32 bits. In 16 bits 7W would overflow for widths 4682-5000,
    // which the size limit accepts; wider products give those pictures a code by the same formulas.
    const std::int32_t w = width;
    const std::int32_t h = height;
    const std::int32_t u = Iterate(31, 5 * h + 2 * w, 7.5, std::abs(r - g), 99'999'999);
    const std::int32_t v = Iterate(29, 2 * h + 5 * w, 3.5, std::abs(g - b), 333'333);
    const std::int32_t x = Iterate(23, 3 * h + 7 * w, 5.5, std::abs(b - r), 666'666);
    return Right(Num(u - std::abs(r - b)), 8) + Right(Num(v + std::abs(g - r)), 4) +
           Right(Num(x + std::abs(b - g)), 4);
}

int LevelFromCode(const std::string& code) {
    const int first = DigitAt(code, 1, 2);
    for (const auto& row : kLevels)
        if (first >= row.from && first <= row.to) return row.level;
    return 0;
}

int StartingKind(int a) {
    if (a % 6 == 0) return kKnife;
    for (const auto& row : kKindsByCode)
        if (a <= row.upTo) return row.kind;
    return kFist;
}

StartingKit DeriveStartingKit(const std::string& code, int element, int level, int greenSum, int herbOption) {
    const int a = DigitAt(code, 13, 2);
    StartingKit kit;
    kit.proficiency = CodeProficiencies(code, level, kAnalysisSwordPeak);
    kit.equippedKind = StartingKind(a);

    const StartingTraits traits{element, level, greenSum, kit.equippedKind};
    kit.weapon = StartingWeapon(kit.equippedKind, DigitAt(code, 15, 2), traits);
    const DefaultWeaponRow& fallback = DefaultWeapon(kit.equippedKind);
    if (kit.weapon.empty() && kit.proficiency[kFist] < fallback.fistBelow) kit.weapon = fallback.name;

    kit.proficiency[static_cast<std::size_t>(kit.equippedKind)] += a % 15 + kKindBonusBase;
    for (auto& p : kit.proficiency) p = std::min(p, kProficiencyCap);

    Receive(kit, StartingItem(DigitAt(code, 12, 3)));
    Receive(kit, AccessoryGift(DigitAt(code, 10, 3), traits));
    ListEquipment(kit);
    AddHerbs(kit, herbOption);
    return kit;
}

AnalysisOutcome AnalysePicture(Game& game, AnalysisMode mode) {
    game.form.Command[kPreviewSlot].clear();
    game.form.ItemPrev.clear();
    const LoadedPicture picture = game.platform.loadPicture(game.previewPicturePath);
    if (picture.status == LoadedPicture::Status::Failed)
        return {AnalysisOutcome::Kind::Unreadable, picture.error};
    if (picture.status == LoadedPicture::Status::TooLarge || picture.width > kMaxPictureSide ||
        picture.height > kMaxPictureSide) {
        RefuseTooLarge(game);
        return {AnalysisOutcome::Kind::TooLarge, kTooLargeText};
    }

    FighterTable& f = game.f;
    const ColourSums sums = SampleSums(picture.image, picture.width, picture.height);
    f.redSum[kPreviewSlot] = static_cast<std::int16_t>(sums.red);
    f.greenSum[kPreviewSlot] = static_cast<std::int16_t>(sums.green);
    f.blueSum[kPreviewSlot] = static_cast<std::int16_t>(sums.blue);
    f.pictureWidth[kPreviewSlot] = static_cast<std::int16_t>(picture.width);
    f.pictureHeight[kPreviewSlot] = static_cast<std::int16_t>(picture.height);
    if (mode == AnalysisMode::Full) ShowPreview(game);

    const int element = ElementFromSums(sums.red, sums.green, sums.blue);
    f.element[kPreviewSlot] = static_cast<std::uint8_t>(element);
    f.digitCode[kPreviewSlot] = MakeDigitCode(sums.red, sums.green, sums.blue, picture.width, picture.height);
    f.level[kPreviewSlot] = static_cast<std::uint8_t>(LevelFromCode(f.digitCode[kPreviewSlot]));
    if (mode == AnalysisMode::Search) return {AnalysisOutcome::Kind::Analysed, {}};

    StoreStartingKit(game, DeriveStartingKit(f.digitCode[kPreviewSlot], element, f.level[kPreviewSlot],
                                             sums.green, game.herbOption()));
    FinishProfile(game);
    return {AnalysisOutcome::Kind::Analysed, {}};
}

void StoreStartingKit(Game& game, const StartingKit& kit) {
    FighterTable& f = game.f;
    for (std::size_t k = 0; k < kit.proficiency.size(); ++k)
        f.proficiency[kPreviewSlot][k] = ToByte(kit.proficiency[k]);
    f.weapon[kPreviewSlot] = kit.weapon;
    f.equippedKind[kPreviewSlot] = static_cast<std::uint8_t>(kit.equippedKind);
    f.accessory[kPreviewSlot] = kit.accessory;
    game.form.ItemPrev.entries = kit.items;
    game.form.ItemPrev.selected = -1;
}

void FinishProfile(Game& game) {
    game.form.ViewFrame[kPreviewSlot].borderColour = ElementColour(game.f.element[kPreviewSlot]);
    RecomputeAffinities(game, kPreviewSlot);
    ApplyLevel(game, kPreviewSlot);
    ApplyAccessory(game, kPreviewSlot, kEquipRefresh);
    ApplyEquipment(game, kPreviewSlot, kEquipRefresh);
    AcquireCommands(game, kPreviewSlot);
    ShowPreviewSheets(game);
}

} // namespace vk2
