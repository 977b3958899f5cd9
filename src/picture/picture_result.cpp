#include "picture/picture_result.h"

#include <utility>

#include "core/colour.h"

namespace vk2 {
namespace {

// c over the background at opacity a, rounded to nearest (255 is odd, so there are no halves).
std::uint8_t Over(unsigned c, unsigned a, unsigned background) {
    return static_cast<std::uint8_t>((c * a + background * (255 - a) + 127) / 255);
}

} // namespace

bool ExceedsMaxPictureSide(long long width, long long height) {
    return width > kMaxPictureSide || height > kMaxPictureSide;
}

LoadedPicture FailedPicture(std::string reason) {
    LoadedPicture picture;
    picture.status = LoadedPicture::Status::Failed;
    picture.error = std::move(reason);
    return picture;
}

LoadedPicture TooLargePicture(int width, int height) {
    LoadedPicture picture;
    picture.status = LoadedPicture::Status::TooLarge;
    picture.width = width;
    picture.height = height;
    return picture;
}

LoadedPicture DecodedPicture(RgbImage image) {
    LoadedPicture picture;
    picture.status = LoadedPicture::Status::Ok;
    picture.width = image.width;
    picture.height = image.height;
    picture.image = std::move(image);
    return picture;
}

void CompositeOverButtonFace(const std::uint8_t* rgba, std::uint8_t* rgb, std::size_t pixels) {
    const unsigned face[3] = {static_cast<unsigned>(RedOf(kButtonFace)),
                              static_cast<unsigned>(GreenOf(kButtonFace)),
                              static_cast<unsigned>(BlueOf(kButtonFace))};
    for (std::size_t i = 0; i < pixels; ++i, rgba += 4, rgb += 3) {
        const unsigned alpha = rgba[3];
        const std::uint8_t r = Over(rgba[0], alpha, face[0]);
        const std::uint8_t g = Over(rgba[1], alpha, face[1]);
        const std::uint8_t b = Over(rgba[2], alpha, face[2]);
        rgb[0] = r;
        rgb[1] = g;
        rgb[2] = b;
    }
}

} // namespace vk2
