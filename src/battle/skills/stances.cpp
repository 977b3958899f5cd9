#include "battle/skills/stances.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "battle/action_effect.h"
#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/messages.h"
#include "battle/skills/execute_skill.h"
#include "battle/skills/skill_rules.h"
#include "battle/stats.h"
#include "battle/techniques/technique_rules.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/accessories.h"
#include "model/commands.h"
#include "model/elements.h"
#include "model/game.h"
#include "model/growth.h"
#include "model/types.h"

namespace vk2 {
namespace {

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

// --- Abilities ------------------------------------------------------------------------------

enum class Stat : std::uint8_t { Hp, Mp, Attack, Defense, Speed, Spirit };

std::int64_t Total(const FighterTable& f, SlotIndex s, Stat stat) {
    switch (stat) {
    case Stat::Hp:
        return f.maxHp[At(s)];
    case Stat::Mp:
        return f.maxMp[At(s)];
    case Stat::Attack:
        return f.attack[At(s)];
    case Stat::Defense:
        return f.defense[At(s)];
    case Stat::Speed:
        return f.speed[At(s)];
    case Stat::Spirit:
        return f.spirit[At(s)];
    }
    return 0;
}

// Modifiers saturate at their field's range, so stacking rises never turns into a loss.
void AddToModifier(FighterTable& f, SlotIndex s, Stat stat, std::int64_t amount) {
    const std::size_t i = At(s);
    switch (stat) {
    case Stat::Hp:
        f.hpMod[i] = ToInt32(f.hpMod[i] + amount);
        return;
    case Stat::Mp:
        f.mpMod[i] = ToInt16(f.mpMod[i] + amount);
        return;
    case Stat::Attack:
        f.attackMod[i] = ToInt16(f.attackMod[i] + amount);
        return;
    case Stat::Defense:
        f.defenseMod[i] = ToInt16(f.defenseMod[i] + amount);
        return;
    case Stat::Speed:
        f.speedMod[i] = ToInt16(f.speedMod[i] + amount);
        return;
    case Stat::Spirit:
        f.spiritMod[i] = ToInt16(f.spiritMod[i] + amount);
        return;
    }
}

void AddToTimeGauge(Game& game, SlotIndex s, std::int64_t amount) {
    game.f.timeGauge[At(s)] = ToInt16(game.f.timeGauge[At(s)] + amount);
}

std::string Change(std::string_view ability, std::int64_t amount, bool up) {
    return std::string(ability) + Str(amount) + (up ? " アップ。" : " ダウン。");
}

// --- Rows -----------------------------------------------------------------------------------

constexpr bool InBackRow(int position) {
    return position % 3 == 0;
}

// The list always offers the move to the row the fighter is not in.
void RelabelRowCommand(Game& game, SlotIndex s) {
    std::vector<ListEntry>& entries = game.form.Command[At(s)].entries;
    const char* move = InBackRow(game.f.position[At(s)]) ? kAdvanceCommand : kRetreatCommand;
    for (int n = static_cast<int>(entries.size()) - 2; n >= 2; --n) {
        std::string& text = entries[At(n)].text;
        if (text == kAdvanceCommand || text == kRetreatCommand) text = move;
    }
}

constexpr int kSlideSteps = 8;
constexpr int kSlideStep = 19;

// The fighter steps to the other row of its side, its picture sliding there.
void ChangeRow(Game& game, Action& action) {
    const SlotIndex s = action.actor;
    const int d = game.f.position[At(s)] % 2 == 0 ? 1 : -1;
    game.f.position[At(s)] = static_cast<std::uint8_t>(game.f.position[At(s)] + d);
    for (int i = 0; i < kSlideSteps; ++i) {
        game.form.ViewUnder[At(s)].rect.left += kSlideStep * d;
        game.platform.repaint();
        game.platform.pause(game.form.Idou.value * 2 - 2);
    }
    RelabelRowCommand(game, s);
}

// Every marked fighter is thrown into the caster's row, at the same depth on its own side.
void RaiseGround(Game& game, Action& action) {
    PlayAnimation(game, action.target, {EffectSlot::Marked, 31, 8, Ec(kEarth), kTransparent, 150});
    const int own = game.f.position[At(action.actor)];
    ForEachSlot(game, SlotTest::MarkedWhite, [&](SlotIndex j) {
        game.f.position[At(j)] = static_cast<std::uint8_t>(SideOf(j) == SideOf(action.actor) ? own : 3 - own);
        RelabelRowCommand(game, j);
    });
    game.platform.repaint();
}

// --- Announced stances ----------------------------------------------------------------------

// A stance that only speaks: its effect waits for the next turn, an attack or the end of the action.
struct Announcement {
    std::string_view key;
    std::array<std::string_view, 2> lines; // the second is empty for a one-line announcement
    bool actorBox;                         // written to the actor's box rather than the target's
    int tension;
    int sound; // 0 for none
};

// clang-format off
//   key, lines, actor box, tension, sound
constexpr std::array<Announcement, 6> kAnnouncements{{
    {"ぼう", {"身を守っている…", ""}, false, 0, 0},
    {"修羅", {"刺し違える覚悟で", "敵の懐を狙う…"}, false, 0, 15},
    {"気合", {"力をみなぎらせている…", ""}, false, 5, 20},
    {"精神", {"心を研ぎ澄ませている…", ""}, false, 3, 11},
    {"瞑想", {"MP回復中…", ""}, true, -10, 11},
    {"ラー", {"敵の動きを観察…", ""}, true, 0, 16},
}};
// clang-format on

constexpr int kTensionMiddle = 50;

// Concentration calms a fighter past the middle of the tension bar and rouses one below it.
int TensionChange(const Game& game, SlotIndex actor, const Announcement& a) {
    if (a.key != "精神") return a.tension;
    return game.f.tension[At(actor)] < kTensionMiddle ? a.tension : -a.tension;
}

void Announce(Game& game, Action& action) {
    for (const Announcement& a : kAnnouncements) {
        if (a.key != action.key) continue;
        const SlotIndex box = a.actorBox ? action.actor : action.target;
        for (std::string_view line : a.lines)
            if (!line.empty()) AppendLine(game, box, line);
        if (a.sound != 0) PlaySoundEffect(game, a.sound);
        if (a.tension != 0) AdjustTension(game, action.actor, TensionChange(game, action.actor, a));
        return;
    }
}

void SnakeEyes(Game& game, Action& action) {
    game.f.counter(action.target, kSureHitCounter) = 1;
    PlaySoundEffect(game, 15);
    AppendLine(game, action.actor, "確実に標的を狙う…");
    AdjustTension(game, action.actor, -4);
    ShowAfflictionIcon(game, action.target, kSureHitCounter);
}

// A stance the actor takes on itself, shown by its own animation.
struct SelfStance {
    std::string_view key;
    Animation animation;
    std::string_view message;
    int counter;
    std::uint8_t value;
};

// clang-format off
//   key, animation (on the actor), message, counter, value
constexpr std::array<SelfStance, 2> kSelfStances{{
    {"夾竹", {EffectSlot::Target, 26, 9, Fixed(0xDDCCFF), Fixed(0x55DDAA), 94}, "美しい花を咲かせた。", kOleanderCounter, 5},
    {"カオ", {EffectSlot::Target, 26, 9, Fixed(0x999955), Fixed(0x664444), 181}, "混沌の源泉を垣間見た！", kWeaknessSeekerCounter, 1},
}};
// clang-format on

void TakeStance(Game& game, Action& action) {
    for (const SelfStance& stance : kSelfStances) {
        if (stance.key != action.key) continue;
        PlayAnimation(game, action.actor, stance.animation);
        AppendLine(game, action.actor, stance.message);
        game.f.counter(action.actor, stance.counter) = stance.value;
        return;
    }
}

void CastOffElement(Game& game, Action& action) {
    game.f.counter(action.target, kNoElementStanceCounter) = 1;
    game.f.element[At(action.actor)] = 0;
    game.form.ViewFrame[At(action.actor)].borderColour = ElementColour(0);
    AppendLine(game, action.actor, "属性を捨てた。");
    RecomputeAffinities(game, action.target);
}

// --- Tension and time -----------------------------------------------------------------------

void SetHeartOnFire(Game& game, Action& action) {
    PlayAnimation(game, action.target, {EffectSlot::Target, 19, 5, Ec(kFire), Fixed(0xEEFFFF), 20});
    AppendLine(game, action.target, "テンションMAX！");
    AdjustTension(game, action.target, 100);
}

// The boost counter makes this rise, and every change for a while, four times as large.
void PineappleFlash(Game& game, Action& action) {
    PlayAnimation(game, action.target, {EffectSlot::Target, 26, 9, Fixed(0x6666FF), Fixed(0x55FFFF), 20});
    AppendLine(game, action.target, "「テンション上がって");
    AppendLine(game, action.target, "　きたぜーーーーッ！！！」");
    game.f.counter(action.target, kTensionBoostCounter) = 3;
    AdjustTension(game, action.target, 25);
}

constexpr int kDashTime = 599;

void Dash(Game& game, Action& action) {
    const SlotIndex a = action.actor;
    PlaySoundEffect(game, 18);
    game.f.counter(a, kDashCounter) = 1;
    AddToModifier(game.f, a, Stat::Speed, Mod(game.f.blueSum[At(a)], 30) + 50);
    RecomputeStats(game, a);
    AddToTimeGauge(game, a, kDashTime);
    AppendLine(game, a, "体力消耗を惜しまず速攻！");
    AdjustTension(game, a, 6);
}

// --- The dance ------------------------------------------------------------------------------

constexpr std::string_view kIronFan = "鉄扇";
constexpr int kDanceTime = 388;
constexpr int kMusicEntries = 11;

// The last character of the chosen music entry's caption tells what kind of music plays.
std::string ChosenMusicKind(Game& game) {
    const MenuItem* item = game.form.menus.find("mnuBGM", game.comboSetting % kMusicEntries);
    return item == nullptr ? std::string() : Right(item->caption, 1);
}

// The dance steps to the music's beat. An answer the music device gives that is no number dances
// as to a tempo of 0; steps beyond a byte keep the fastest step there is.
std::uint8_t DanceStep(Game& game, SlotIndex actor, const std::string& music) {
    if (music == "d" || music == "D") {
        const std::int64_t tempo = BoxValue(TextBox{game.platform.musicCommand("Status bgm tempo")});
        AppendLine(game, actor, "ステップ開始♪");
        return ToByte(RoundHalfEven(static_cast<double>(tempo) * 0.5) + 35);
    }
    if (music.empty() || std::string_view("3aAvV").find(music) == std::string_view::npos) {
        AppendLine(game, actor, "サイレントダンス");
        return ToByte(game.f.level[At(actor)] * 5 + 35);
    }
    const std::int64_t leading = BoxValue(TextBox{Left(Num(game.musicLength), 2)});
    AppendLine(game, actor, "ステップ開始♪");
    return ToByte(leading + 45);
}

// The iron fan strikes harder by the dance step; a new dance replaces the old bonus.
void Dance(Game& game, Action& action) {
    const SlotIndex a = action.actor;
    const bool fan = game.f.weapon[At(a)] == kIronFan;
    std::uint8_t& step = game.f.counter(a, kStepCounter);
    const std::string music = ChosenMusicKind(game);
    if (fan) AddToModifier(game.f, a, Stat::Attack, -step);
    step = DanceStep(game, a, music);
    AddToTimeGauge(game, a, kDanceTime);
    if (fan) {
        AddToModifier(game.f, a, Stat::Attack, step);
        RecomputeStats(game, a);
    }
    AdjustTension(game, a, 5);
}

// --- Abilities of the actor -----------------------------------------------------------------

constexpr int kAdrenalineCentre = 224;

// The further the spirit lies from the centre, either way, the stronger the rush.
void Adrenaline(Game& game, Action& action) {
    const SlotIndex a = action.actor;
    PlayAnimation(game, action.target, {EffectSlot::Target, 23, 3, Fixed(0x220099), Fixed(0x4422FF), 20});
    std::uint8_t& rush = game.f.counter(a, kAdrenalineCounter);
    rush = ToByte(Abs(kAdrenalineCentre - game.f.spirit[At(a)]));
    AddToModifier(game.f, a, Stat::Attack, rush);
    AppendLine(game, a, Change("攻撃力", rush, true));
    AdjustTension(game, a, 8);
    RecomputeStats(game, a);
}

void NoGuard(Game& game, Action& action) {
    const SlotIndex a = action.actor;
    AppendLine(game, a, "捨て身の攻撃体勢！");
    const std::int16_t d = game.f.defense[At(a)];
    AddToModifier(game.f, a, Stat::Attack, d);
    AddToModifier(game.f, a, Stat::Speed, Int(d * 0.25));
    game.f.defenseMod[At(a)] = ToInt16(-d);
    RecomputeStats(game, a);
}

constexpr int kMoonlitAttackLimit = 1000;

void MoonlitLament(Game& game, Action& action) {
    const SlotIndex a = action.actor;
    const std::int64_t lost = Int(game.f.spirit[At(a)] * 0.75);
    AddToModifier(game.f, a, Stat::Spirit, -lost);
    AppendLine(game, action.target, Change("精神力", lost, false));
    const std::int64_t gained = game.f.attackMod[At(a)] < kMoonlitAttackLimit ? Int(lost * 1.8) : 0;
    AddToModifier(game.f, a, Stat::Attack, gained);
    AppendLine(game, action.target, Change("攻撃力", gained, true));
    RecomputeStats(game, a);
    AdjustTension(game, a, 20);
}

constexpr std::int64_t kMpLimit = 999;

// The offering in the item list is consumed, and the MP (and its maximum) doubles up to 999.
void Zoroaster(Game& game, Action& action) {
    const SlotIndex a = action.actor;
    PlayAnimation(game, action.target, {EffectSlot::Target, 21, 11, Ec(kFire), Fixed(0xBBBBBB), 191});
    AppendLine(game, a, "MP、最大MP倍増。");
    ListBox& items = game.form.Item[At(a)];
    if (items.selected >= 0) RemoveEntry(items, items.selected);
    const std::int64_t raised = game.f.mpMod[At(a)] + game.f.maxMp[At(a)];
    game.f.mpMod[At(a)] = ToInt16(raised < kMpLimit ? raised : kMpLimit);
    RecomputeStats(game, a);
    const std::int64_t doubled = MpOf(game, a) * 2;
    SetMp(game, a, static_cast<double>(doubled < kMpLimit ? doubled : kMpLimit));
}

// --- Transfers between actor and target -----------------------------------------------------

// The actor takes amount of an ability from the target.
void TakeAbility(Game& game, Action& action, Stat stat, std::int64_t amount) {
    AddToModifier(game.f, action.actor, stat, amount);
    AddToModifier(game.f, action.target, stat, -amount);
    RecomputeStats(game, action.actor);
    RecomputeStats(game, action.target);
}

void ReportTaken(Game& game, Action& action, std::string_view ability, std::int64_t amount) {
    AppendLine(game, action.actor, Change(ability, amount, true));
    AppendLine(game, action.target, Change(ability, amount, false));
}

bool ShieldedFromTheft(const Game& game, SlotIndex target) {
    return IsGuarded(game, target) || game.f.accessory[At(target)] == kAliceHandkerchief;
}

void StealAttack(Game& game, Action& action) {
    PlayAnimation(game, action.target, {EffectSlot::Target, 23, 4, Fixed(0x3399FF), Fixed(0x0055EE), 112});
    const std::int64_t a =
        ShieldedFromTheft(game, action.target) ? 0 : Int(game.f.attack[At(action.target)] * 0.4);
    TakeAbility(game, action, Stat::Attack, a);
    AdjustTension(game, action.actor, 10);
    ReportTaken(game, action, "攻撃力", a);
}

void StealTime(Game& game, Action& action) {
    const std::int64_t a = IsGuarded(game, action.target) ? 0 : Int(game.f.speed[At(action.target)] * 0.3);
    TakeAbility(game, action, Stat::Speed, a);
    AddToTimeGauge(game, action.actor, game.f.timeGauge[At(action.target)]);
    game.f.timeGauge[At(action.target)] = 0;
    PlayAnimation(game, action.target, {EffectSlot::Target, 19, 5, kTransparent, kTransparent, 7});
    ReportTaken(game, action, "すばやさ", a);
}

// --- Speed of others ------------------------------------------------------------------------

void Hasten(Game& game, SlotIndex target, std::int64_t amount) {
    game.f.counter(target, kSpeedMarkCounter) = 1;
    AddToModifier(game.f, target, Stat::Speed, amount);
    AppendLine(game, target, Change("すばやさ", amount, true));
    RecomputeStats(game, target);
}

void Tailwind(Game& game, Action& action) {
    PlayAnimation(game, action.target, {EffectSlot::Target, 23, 4, Ec(kWind), Fixed(0xFFDDDD), 141});
    Hasten(game, action.target, Int(game.f.spirit[At(action.actor)] * 0.3 + 55));
}

constexpr int kClockHaste = 91;

void ClockHaste(Game& game, Action& action) {
    Hasten(game, action.target, kClockHaste);
}

void QuickClock(Game& game, Action& action) {
    PlayAnimation(game, action.target, {EffectSlot::Marked, 24, 5, kTransparent, kTransparent, 7});
    ForEachOnSide(game, action.target, SlotTest::MarkedWhite, [&](SlotIndex j) {
        std::string key = "おい";
        ExecuteSkill(game, action.actor, j, key);
    });
}

// A fully guarded fighter is not slowed at all, and nothing is said.
void Mire(Game& game, Action& action) {
    const SlotIndex t = action.target;
    PlayAnimation(game, t, {EffectSlot::Target, 19, 5, Ec(kEarth), Fixed(0x66A0AA), 160});
    if (IsGuarded(game, t)) return;
    const std::int64_t a = Int(game.f.spirit[At(action.actor)] * 0.16 + 36);
    AppendLine(game, t, Change("すばやさ", a, false));
    game.f.counter(t, kSpeedMarkCounter) = 2;
    AddToModifier(game.f, t, Stat::Speed, -a);
    RecomputeStats(game, t);
}

// --- Sweets ---------------------------------------------------------------------------------

constexpr Animation Sweet(Colour a, Colour b = 0xFFFFFF) {
    return {EffectSlot::Target, 27, 7, Fixed(a), Fixed(b), 92};
}

constexpr std::array<Stat, 6> kStats{Stat::Hp,      Stat::Mp,    Stat::Attack,
                                     Stat::Defense, Stat::Speed, Stat::Spirit};

// The whole percentage is what the message shows; the share itself is the single-precision
// value, so 8 % of 1000 is Int(79.99...) = 79.
void ChineseBun(Game& game, Action& action) {
    const SlotIndex t = action.target;
    PlayAnimation(game, t, Sweet(0x226688));
    const std::int64_t percent = Mod(HpOf(game, action.actor), 5) + 8;
    const float share = static_cast<float>(static_cast<double>(percent) * 0.01);
    for (const Stat stat : kStats)
        AddToModifier(game.f, t, stat,
                      Int(static_cast<double>(share) * static_cast<double>(Total(game.f, t, stat))));
    RecomputeStats(game, t);
    AppendLine(game, t, "全能力値" + Str(percent) + " ％アップ！");
}

// Names of the abilities the tricolour sweet raises, stat 1 to 6.
constexpr std::array<std::string_view, 6> kRaisedNames{"最大HP、", "最大MP、",   "攻撃力、",
                                                       "守備力、", "すばやさ、", "精神力、"};

constexpr int kUirouLevel = 20;

// Three different abilities, drawn one after another, rise by 20 - level percent.
void TricolourUirou(Game& game, Action& action) {
    const SlotIndex t = action.target;
    PlayAnimation(game, t, Sweet(0x55DDAA, 0xEEDDFF));
    const std::int64_t p = kUirouLevel - game.f.level[At(t)];
    const int a = 1 + DrawIndex(game, 6);
    int b = 1 + DrawIndex(game, 6);
    while (b == a) b = 1 + DrawIndex(game, 6);
    int c = 1 + DrawIndex(game, 6);
    while (c == a || c == b) c = 1 + DrawIndex(game, 6);
    const std::array<int, 3> order{c, b, a};
    for (std::size_t n = 0; n < order.size(); ++n) {
        const Stat stat = kStats[At(order[n] - 1)];
        AddToModifier(game.f, t, stat,
                      Int(static_cast<double>(Total(game.f, t, stat)) * 0.01 * static_cast<double>(p)));
        AppendText(game, t, kRaisedNames[At(order[n] - 1)]);
        if (n == 1) AppendText(game, t, kCrLf);
    }
    RecomputeStats(game, t);
    AppendLine(game, t, Str(p) + "％アップ！");
}

constexpr int kChocolateLevelCap = 9;

void PetitChocolat(Game& game, Action& action) {
    const SlotIndex t = action.target;
    PlayAnimation(game, t, Sweet(0x446699));
    std::uint8_t& level = game.f.level[At(t)];
    if (level >= kChocolateLevelCap) {
        AppendLine(game, t, "効果がなかった。");
        return;
    }
    level = static_cast<std::uint8_t>(level >= kChocolateLevelCap - 2 ? kChocolateLevelCap : level + 2);
    AppendLine(game, t, "レベル" + Str(level) + "にアップ！");
    ApplyLevel(game, t);
}

std::int64_t AcornShare(const Game& game, SlotIndex t) {
    return Int(static_cast<double>(HpOf(game, t)) * 0.005);
}

void AcornCookie(Game& game, Action& action) {
    const SlotIndex t = action.target;
    PlayAnimation(game, t, Sweet(0x88DDEE));
    AddToModifier(game.f, t, Stat::Defense, AcornShare(game, t));
    RecomputeStats(game, t);
    AppendLine(game, t, Change("守備力", AcornShare(game, t), true));
}

void Pirozhki(Game& game, Action& action) {
    const SlotIndex t = action.target;
    PlayAnimation(game, t, Sweet(0x407080));
    const std::uint8_t tension = game.f.tension[At(t)];
    AddToModifier(game.f, t, Stat::Defense, tension);
    AddToModifier(game.f, t, Stat::Attack, tension);
    AppendLine(game, t, Change("攻撃力、守備力", tension, true));
    RecomputeStats(game, t);
}

// clang-format off
//   key    handler
constexpr std::array<KeyHandler, 32> kStanceHandlers{{
    {"前進", ChangeRow},
    {"後退", ChangeRow},
    {"地盤", RaiseGround},
    {"ぼう", Announce},
    {"修羅", Announce},
    {"気合", Announce},
    {"精神", Announce},
    {"瞑想", Announce},
    {"ラー", Announce},
    {"ダッ", Dash},
    {"スネ", SnakeEyes},
    {"アド", Adrenaline},
    {"ノー", NoGuard},
    {"月下", MoonlitLament},
    {"無の", CastOffElement},
    {"夾竹", TakeStance},
    {"カオ", TakeStance},
    {"ハー", SetHeartOnFire},
    {"おど", Dance},
    {"ゾロ", Zoroaster},
    {"覇手", StealAttack},
    {"時間", StealTime},
    {"追い", Tailwind},
    {"おい", ClockHaste},
    {"クイ", QuickClock},
    {"ぬか", Mire},
    {"パイ", PineappleFlash},
    {"中華", ChineseBun},
    {"三色", TricolourUirou},
    {"プチ", PetitChocolat},
    {"どん", AcornCookie},
    {"ピロ", Pirozhki},
}};
// clang-format on

} // namespace

std::span<const KeyHandler> StanceHandlers() {
    return kStanceHandlers;
}

} // namespace vk2
