#include "cli/analyse_command.h"

#include <ostream>

#include "cli/headless_platform.h"
#include "cli/profile.h"
#include "core/random.h"
#include "model/analysis.h"
#include "model/chart.h"
#include "picture/png_save.h"

namespace vk2::cli {
namespace {

struct AnalyseOptions {
    std::vector<std::string> pictures;
    int herbs = 2; // as in a fresh game
    bool json = false;
    std::string chart; // where to save the chart of the last analysed picture
};

// Returns an error text, empty when the arguments are well formed.
std::string ParseOptions(const std::vector<std::string>& args, AnalyseOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            options.json = true;
        } else if (a == "--herbs") {
            if (i + 1 >= args.size() || (args[i + 1] != "0" && args[i + 1] != "1" && args[i + 1] != "2"))
                return "--herbs takes 0, 1 or 2";
            options.herbs = args[++i][0] - '0';
        } else if (a == "--chart") {
            if (i + 1 >= args.size()) return "--chart takes a file name";
            options.chart = args[++i];
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            return "unknown option " + a;
        } else {
            options.pictures.push_back(a);
        }
    }
    if (options.pictures.empty()) return "no picture given";
    return {};
}

// A message the player would read for a refused picture, or the loader's reason.
std::string FailureText(const AnalysisOutcome& outcome) {
    return outcome.kind == AnalysisOutcome::Kind::TooLarge ? "画像が大きすぎます！" : outcome.reason;
}

} // namespace

int AnalyseCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    AnalyseOptions options;
    if (const std::string problem = ParseOptions(args, options); !problem.empty()) {
        err << "analyse: " << problem
            << "\nusage: vellumark2-cli analyse PICTURE... [--herbs 0|1|2] [--json] [--chart FILE.png]\n";
        return 2;
    }
    int status = 0;
    for (const std::string& path : options.pictures) {
        HeadlessPlatform platform;
        SeededRandom random(0); // the analysis draws nothing; the game still needs a source
        Game game(platform, random);
        game.comboSetting = static_cast<std::int16_t>(options.herbs * 11);
        game.previewPicturePath = path;
        const AnalysisOutcome outcome = AnalysePicture(game);
        if (outcome.kind != AnalysisOutcome::Kind::Analysed) {
            status = 1;
            if (options.json)
                out << Json{{"path", path}, {"error", FailureText(outcome)}}.dump() << "\n";
            else
                err << path << ": " << FailureText(outcome) << "\n";
            continue;
        }
        if (options.json)
            out << ProfileJson(game, path).dump() << "\n";
        else
            out << ProfileText(game, path);
        if (!options.chart.empty()) {
            if (const std::string problem = SavePng(options.chart, DrawChart(game)); !problem.empty()) {
                err << "analyse: " << problem << "\n";
                status = 1;
            }
        }
    }
    return status;
}

} // namespace vk2::cli
