#include "support/test_support.h"

#include <atomic>
#include <unistd.h>

namespace vk2::test {

LoadedPicture RecordingPlatform::loadPicture(const std::string& path) {
    const auto it = pictures.find(path);
    if (it != pictures.end()) return it->second;
    LoadedPicture missing;
    missing.error = "no such test picture: " + path;
    return missing;
}

void RecordingPlatform::addSolidPicture(const std::string& path, int width, int height, Colour colour) {
    LoadedPicture picture;
    picture.status = LoadedPicture::Status::Ok;
    picture.width = width;
    picture.height = height;
    picture.image = RgbImage(width, height, colour);
    pictures[path] = std::move(picture);
}

void PutOnField(Game& game, std::initializer_list<SlotIndex> slots) {
    for (const SlotIndex s : slots) {
        game.form.ViewUnder[static_cast<std::size_t>(s)].visible = true;
        game.form.View[static_cast<std::size_t>(s)].visible = true;
    }
}

void PutAllOnField(Game& game) {
    PutOnField(game, {0, 1, 2, 3, 4, 5});
}

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("vk2-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace vk2::test
