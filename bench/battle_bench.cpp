// Whole automatic 3-vs-3 battles per second with every pause skipped: the clock, the automatic
// player, every action and its after-action steps, with the message boxes read at each pause.
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

#include "bench_pictures.h"
#include "cli/battle_runner.h"
#include "cli/headless_platform.h"

namespace vk2 {
namespace {

// Six small pictures of different colours, hence different elements, levels and commands.
const std::vector<std::string>& Fighters() {
    static const bench::BenchPictures pictures;
    static const std::vector<std::string> paths = [] {
        const QColor colours[] = {{230, 30, 30}, {30, 60, 220},   {40, 200, 60},
                                  {20, 20, 20},  {235, 235, 200}, {190, 170, 120}};
        std::vector<std::string> made;
        for (int i = 0; i < 6; ++i) {
            QImage image = bench::VariedImage(40 + 7 * i, 50 + 3 * i);
            image.fill(colours[i]);
            made.push_back(pictures.save(image, "fighter" + std::to_string(i) + ".png", "PNG"));
        }
        return made;
    }();
    return paths;
}

void AutomaticBattle(benchmark::State& state) {
    const auto& fighters = Fighters();
    cli::HeadlessPlatform files;
    std::uint64_t seed = 1;
    long long turns = 0;
    for (auto _ : state) {
        cli::BattleSetup setup;
        setup.left.assign(fighters.begin(), fighters.begin() + 3);
        setup.right.assign(fighters.begin() + 3, fighters.end());
        setup.seed = seed++;
        const cli::BattleResult result = cli::RunBattle(setup, files);
        if (result.ending == cli::BattleResult::Ending::Refused) {
            state.SkipWithError(result.problem.c_str());
            break;
        }
        turns += result.turns;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["turns_per_battle"] = benchmark::Counter(
        static_cast<double>(turns) / static_cast<double>(std::max<long long>(1, state.iterations())));
}

BENCHMARK(AutomaticBattle)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vk2
