#include "cli/script_command.h"

#include <array>
#include <fstream>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string_view>

#include "cli/script_context.h"

namespace vk2::cli {
namespace {

using Handler = void (*)(Script&, const Words&);

struct CommandRow {
    std::string_view keyword;
    Handler handler;
};

// keyword, handler
constexpr std::array<CommandRow, 19> kCommands{{
    {"picture", PictureCommand},
    {"fighter", FighterCommand},
    {"set", SetCommand},
    {"counter", CounterCommand},
    {"recompute", RecomputeCommand},
    {"background", BackgroundCommand},
    {"party", PartyCommand},
    {"phase", PhaseCommand},
    {"herbs", HerbsCommand},
    {"random", RandomCommand},
    {"print", PrintCommand},
    {"expect-unused-rolls", ExpectUnusedRollsCommand},
    {"tick", TickCommand},
    {"start", StartCommand},
    {"select", SelectEntryCommand},
    {"confirm", ConfirmEntryCommand},
    {"key", KeyCommand},
    {"hover", HoverCommand},
    {"click", ClickCommand},
}};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

Handler FindHandler(std::string_view keyword) {
    for (const CommandRow& row : kCommands)
        if (row.keyword == keyword) return row.handler;
    return nullptr;
}

void RunLine(Script& script, const std::string& line) {
    Words words;
    if (!SplitWords(line, words)) throw ScriptError{"unterminated quote"};
    if (words.empty()) return;
    const Handler handler = FindHandler(words.front());
    if (handler == nullptr) throw ScriptError{"unknown command " + words.front()};
    words.erase(words.begin());
    handler(script, words);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

bool SplitWords(const std::string& line, std::vector<std::string>& words) {
    words.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        std::string word;
        bool quoted = false;
        for (; i < line.size() && (quoted || !IsBlank(line[i])); ++i) {
            if (line[i] == '"')
                quoted = !quoted;
            else
                word += line[i];
        }
        if (quoted) return false;
        words.push_back(std::move(word));
    }
    return true;
}

int RunScript(std::istream& text, const std::filesystem::path& folder, std::ostream& out, std::ostream& err) {
    Script script(folder, out);
    std::string line;
    for (int number = 1; std::getline(text, line); ++number) {
        if (number == 1 && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
        try {
            RunLine(script, line);
        } catch (const ScriptError& e) {
            err << "line " << number << ": " << e.reason << "\n";
            return e.status;
        } catch (const std::exception& e) {
            // A rule that runs out of scripted rolls, or any other fault inside the game.
            err << "line " << number << ": " << e.what() << "\n";
            return kScriptCheckFailed;
        }
    }
    return 0;
}

int ScriptCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: vellumark2-cli script FILE\n";
        return kScriptMalformed;
    }
    std::ifstream file(args[0], std::ios::binary);
    if (!file) {
        err << "script: cannot open " << args[0] << "\n";
        return kScriptMalformed;
    }
    return RunScript(file, std::filesystem::path(args[0]).parent_path(), out, err);
}

} // namespace vk2::cli
