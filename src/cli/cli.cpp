#include "cli/cli.h"

#include <iostream>

#include "cli/analyse_command.h"
#include "cli/battle_command.h"
#include "cli/script_command.h"

namespace vk2::cli {
namespace {

constexpr const char* kUsage =
    "usage: vellumark2-cli analyse PICTURE... [--herbs 0|1|2] [--json] [--chart FILE.png]\n"
    "       vellumark2-cli script FILE\n"
    "       vellumark2-cli battle LEFT... -- RIGHT... [--seed N] [--booty on|off] [--max-turns N] [--json]\n"
    "                             [--repeat N] [--quiet]\n";

} // namespace

int Main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return Run(args, std::cout, std::cerr);
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? err : out) << kUsage;
        return args.empty() ? 2 : 0;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "analyse") return AnalyseCommand(rest, out, err);
    if (args[0] == "script") return ScriptCommand(rest, out, err);
    if (args[0] == "battle") return BattleCommand(rest, out, err);
    err << "unknown command " << args[0] << "\n" << kUsage;
    return 2;
}

} // namespace vk2::cli
