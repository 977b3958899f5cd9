#include "cli/battle_command.h"

#include <chrono>
#include <ostream>

#include "cli/battle_runner.h"
#include "cli/headless_platform.h"
#include "cli/profile.h"
#include "core/text.h"

namespace vk2::cli {
namespace {

constexpr const char* kBattleUsage =
    "usage: vellumark2-cli battle LEFT... -- RIGHT... [--seed N] [--booty on|off] "
    "[--max-turns N] [--json] [--repeat N] [--quiet]\n";

struct BattleOptions {
    BattleSetup setup;
    bool seeded = false;
    bool json = false;
    bool quiet = false;
    int repeat = 1;
};

// A whole number in [low, high] from an option's argument.
bool ParseCount(const std::string& text, std::uint64_t low, std::uint64_t high, std::uint64_t& value) {
    if (text.empty() || text.size() > 19 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoull(text);
    return value >= low && value <= high;
}

std::string ParseOptions(const std::vector<std::string>& args, BattleOptions& options) {
    bool right = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto next = [&]() -> const std::string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
        std::uint64_t n = 0;
        if (a == "--") {
            if (right) return "only one -- separates the sides";
            right = true;
        } else if (a == "--json") {
            options.json = true;
        } else if (a == "--quiet") {
            options.quiet = true;
        } else if (a == "--seed") {
            const std::string* v = next();
            if (!v || !ParseCount(*v, 0, UINT64_MAX, n)) return "--seed takes a whole number";
            options.setup.seed = n;
            options.seeded = true;
        } else if (a == "--booty") {
            const std::string* v = next();
            if (!v || (*v != "on" && *v != "off")) return "--booty takes on or off";
            options.setup.booty = *v == "on";
        } else if (a == "--max-turns") {
            const std::string* v = next();
            if (!v || !ParseCount(*v, 1, 10000000, n)) return "--max-turns takes a whole number from 1";
            options.setup.maxTurns = static_cast<int>(n);
        } else if (a == "--repeat") {
            const std::string* v = next();
            if (!v || !ParseCount(*v, 1, 1000000, n)) return "--repeat takes a whole number from 1";
            options.repeat = static_cast<int>(n);
        } else if (StartsWith(a, "--")) {
            return "unknown option " + a;
        } else {
            (right ? options.setup.right : options.setup.left).push_back(a);
        }
    }
    if (!right) return "-- must separate the left side's pictures from the right side's";
    if (options.setup.left.empty() || options.setup.left.size() > 3 || options.setup.right.empty() ||
        options.setup.right.size() > 3)
        return "each side takes one to three pictures";
    return {};
}

std::string SlotName(const std::string& name, SlotIndex slot) {
    return name + "[" + Num(slot) + "]";
}

void PrintTurn(const TurnRecord& turn, bool json, std::ostream& out) {
    if (json) {
        Json lines = Json::array();
        for (const auto& [slot, text] : turn.lines) lines.push_back(Json::array({slot, text}));
        out << Json{{"turn", turn.turn},       {"actor", turn.actor},   {"name", turn.actorName},
                    {"command", turn.command}, {"target", turn.target}, {"lines", lines}}
                   .dump()
            << "\n";
        return;
    }
    out << "turn " << turn.turn << ": ";
    if (turn.actor < 0)
        out << "-";
    else
        out << SlotName(turn.actorName, turn.actor) << " " << turn.command
            << (turn.target >= 0 ? " -> " + SlotName(turn.targetName, turn.target) : "");
    out << "\n";
    for (const auto& [slot, text] : turn.lines) out << "  [" << slot << "] " << text << "\n";
}

// FNV-1a over everything the battles showed, so two runs can be compared at a glance.
void Mix(std::uint64_t& hash, std::string_view text) {
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001B3ull;
    }
}

void MixTurn(std::uint64_t& hash, const TurnRecord& turn) {
    Mix(hash, Num(turn.actor) + turn.command + Num(turn.target));
    for (const auto& [slot, text] : turn.lines) Mix(hash, Num(slot) + text);
}

} // namespace

int BattleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    BattleOptions options;
    if (const std::string problem = ParseOptions(args, options); !problem.empty()) {
        err << "battle: " << problem << "\n" << kBattleUsage;
        return 2;
    }
    if (!options.seeded)
        options.setup.seed =
            static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());

    HeadlessPlatform files;
    std::uint64_t checksum = 0xCBF29CE484222325ull;
    std::array<int, 5> endings{};
    long long turns = 0;
    const auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < options.repeat; ++i) {
        BattleSetup setup = options.setup;
        setup.seed += static_cast<std::uint64_t>(i);
        if (!options.quiet && !options.json) out << "seed " << setup.seed << "\n";
        BattleObserver observer;
        observer.turn = [&](const TurnRecord& turn) {
            MixTurn(checksum, turn);
            if (!options.quiet) PrintTurn(turn, options.json, out);
        };
        const BattleResult result = RunBattle(setup, files, observer);
        if (result.ending == BattleResult::Ending::Refused) {
            err << "battle: " << result.problem << "\n";
            return 1;
        }
        ++endings[static_cast<std::size_t>(result.ending)];
        turns += result.turns;
        if (options.quiet) continue;
        if (options.json)
            out << Json{{"seed", setup.seed}, {"result", EndingText(result)}, {"turns", result.turns}}.dump()
                << "\n";
        else
            out << EndingText(result) << "\n";
    }
    if (options.repeat > 1 || options.quiet) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        out << options.repeat << " battles from seed " << options.setup.seed << ": left " << endings[0]
            << ", right " << endings[1] << ", none " << endings[2] << ", turn limit " << endings[3] << "; "
            << turns << " turns; checksum " << std::hex << checksum << std::dec << "; "
            << (seconds > 0 ? static_cast<long long>(options.repeat / seconds) : 0) << " battles/s\n";
    }
    return 0;
}

} // namespace vk2::cli
