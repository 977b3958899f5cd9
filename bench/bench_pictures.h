// Pictures made once per benchmark run in a temporary folder, removed at exit.
#pragma once

#include <QImage>
#include <filesystem>
#include <string>

namespace vk2::bench {

// Gradients with a ripple, so that neither compressor finds long runs.
QImage VariedImage(int width, int height);

class BenchPictures {
  public:
    BenchPictures();
    ~BenchPictures();
    BenchPictures(const BenchPictures&) = delete;
    BenchPictures& operator=(const BenchPictures&) = delete;

    // Saves the image under name in the given format ("PNG", "JPEG", "BMP") and returns its path.
    std::string save(const QImage& image, const std::string& name, const char* format) const;
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

  private:
    std::filesystem::path dir_;
};

} // namespace vk2::bench
