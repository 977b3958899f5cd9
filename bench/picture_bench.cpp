// How many pictures a second become fighters: decoding alone (LoadPicture) beside the whole
// analysis of the entry panel (decoding, sampling, profile, commands, sheets), for a
// photograph-sized JPEG and PNG with varied content and a small BMP like a hand-drawn fighter.
// The analysis should cost hardly more than one decode.
#include <benchmark/benchmark.h>
#include <string>

#include "bench_pictures.h"
#include "cli/headless_platform.h"
#include "core/random.h"
#include "model/analysis.h"
#include "model/game.h"
#include "picture/picture_loader.h"

namespace vk2 {
namespace {

// The three pictures of this benchmark, made once.
const bench::BenchPictures& Pictures() {
    static const bench::BenchPictures pictures;
    static const bool made = [] {
        const QImage large = bench::VariedImage(4000, 3000);
        pictures.save(large, "large.jpg", "JPEG");
        pictures.save(large, "large.png", "PNG");
        pictures.save(bench::VariedImage(64, 64), "small.bmp", "BMP");
        return true;
    }();
    (void)made;
    return pictures;
}

void LoadPictureFile(benchmark::State& state, const char* name) {
    const std::string path = Pictures().path(name);
    for (auto _ : state) {
        LoadedPicture picture = LoadPicture(path);
        if (picture.status != LoadedPicture::Status::Ok) {
            state.SkipWithError(picture.error.c_str());
            break;
        }
        benchmark::DoNotOptimize(picture.image.rgb.data());
    }
    state.SetItemsProcessed(state.iterations());
}

void AnalysePictureFile(benchmark::State& state, const char* name) {
    cli::HeadlessPlatform platform;
    SeededRandom random(0);
    Game game(platform, random);
    game.previewPicturePath = Pictures().path(name);
    for (auto _ : state) {
        const AnalysisOutcome outcome = AnalysePicture(game);
        if (outcome.kind != AnalysisOutcome::Kind::Analysed) {
            state.SkipWithError(outcome.reason.c_str());
            break;
        }
        benchmark::DoNotOptimize(game.f.digitCode[kPreviewSlot].data());
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(LoadPictureFile, jpeg_4000x3000, "large.jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadPictureFile, png_4000x3000, "large.png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadPictureFile, bmp_64x64, "small.bmp")->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(AnalysePictureFile, jpeg_4000x3000, "large.jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnalysePictureFile, png_4000x3000, "large.png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnalysePictureFile, bmp_64x64, "small.bmp")->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vk2
