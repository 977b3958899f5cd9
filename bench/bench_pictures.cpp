#include "bench_pictures.h"

#include <stdexcept>
#include <unistd.h>

namespace vk2::bench {

QImage VariedImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb(x * 255 / width, y * 255 / height, (x * 7 + y * 13 + (x * y) % 97) & 0xFF);
    }
    return image;
}

BenchPictures::BenchPictures()
    : dir_(std::filesystem::temp_directory_path() / ("vk2-bench-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(dir_);
}

BenchPictures::~BenchPictures() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::string BenchPictures::save(const QImage& image, const std::string& name, const char* format) const {
    const std::string file = path(name);
    if (!image.save(QString::fromStdString(file), format)) throw std::runtime_error("cannot write " + name);
    return file;
}

} // namespace vk2::bench
