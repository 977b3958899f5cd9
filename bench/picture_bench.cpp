// How many pictures a second become fighters: decoding alone (LoadPicture) beside the whole
// analysis of the entry panel (decoding, sampling, profile, commands, sheets), for a
// photograph-sized JPEG and PNG with varied content and a small BMP like a hand-drawn fighter.
// The analysis should cost hardly more than one decode.
#include <QImage>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include "cli/headless_platform.h"
#include "core/random.h"
#include "model/analysis.h"
#include "model/game.h"
#include "picture/picture_loader.h"

namespace {

// Gradients with a ripple, so that neither compressor finds long runs.
QImage VariedImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb(x * 255 / width, y * 255 / height, (x * 7 + y * 13 + (x * y) % 97) & 0xFF);
    }
    return image;
}

class BenchPictures {
  public:
    BenchPictures()
        : dir_(std::filesystem::temp_directory_path() / ("vk2-bench-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(dir_);
        const QImage large = VariedImage(4000, 3000);
        Save(large, "large.jpg", "JPEG");
        Save(large, "large.png", "PNG");
        Save(VariedImage(64, 64), "small.bmp", "BMP");
    }
    ~BenchPictures() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    BenchPictures(const BenchPictures&) = delete;
    BenchPictures& operator=(const BenchPictures&) = delete;

    std::string path(const char* name) const { return (dir_ / name).string(); }

  private:
    void Save(const QImage& image, const char* name, const char* format) const {
        if (!image.save(QString::fromStdString(path(name)), format))
            throw std::runtime_error(std::string("cannot write ") + name);
    }

    std::filesystem::path dir_;
};

const BenchPictures& Pictures() {
    static const BenchPictures pictures;
    return pictures;
}

void LoadPictureFile(benchmark::State& state, const char* name) {
    const std::string path = Pictures().path(name);
    for (auto _ : state) {
        vk2::LoadedPicture picture = vk2::LoadPicture(path);
        if (picture.status != vk2::LoadedPicture::Status::Ok) {
            state.SkipWithError(picture.error.c_str());
            break;
        }
        benchmark::DoNotOptimize(picture.image.rgb.data());
    }
    state.SetItemsProcessed(state.iterations());
}

void AnalysePictureFile(benchmark::State& state, const char* name) {
    vk2::cli::HeadlessPlatform platform;
    vk2::SeededRandom random(0);
    vk2::Game game(platform, random);
    game.previewPicturePath = Pictures().path(name);
    for (auto _ : state) {
        const vk2::AnalysisOutcome outcome = vk2::AnalysePicture(game);
        if (outcome.kind != vk2::AnalysisOutcome::Kind::Analysed) {
            state.SkipWithError(outcome.reason.c_str());
            break;
        }
        benchmark::DoNotOptimize(game.f.digitCode[vk2::kPreviewSlot].data());
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
