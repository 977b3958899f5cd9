#include <gtest/gtest.h>

#include "picture/picture_files.h"
#include "picture/picture_loader.h"
#include "picture/picture_test_util.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

using Status = LoadedPicture::Status;
using test::PixelsOf;
using test::PngSpec;

struct ColourTypeCase {
    const char* name;
    PngSpec layout;
    std::vector<Colour> expected;
};

// Transparent parts show the button face (240, 240, 240); half-covered ones blend with it.
TEST(PngLoader, EveryColourTypeComesBackAsTheFilesRgb) {
    const std::vector<ColourTypeCase> cases = {
        {"rgb",
         {.width = 2, .height = 2, .rows = {255, 0, 0, 0, 255, 0, 0, 0, 255, 12, 34, 56}},
         {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(12, 34, 56)}},
        {"rgb 16-bit rounds to nearest",
         {.width = 2,
          .height = 1,
          .bitDepth = 16,
          .rows = {0x00, 0xFF, 0x01, 0xFF, 0xFF, 0xFF, 0x80, 0x80, 0x7F, 0x80, 0x00, 0x00}},
         {Rgb(1, 2, 255), Rgb(128, 127, 0)}},
        {"rgb with a transparent colour",
         {.width = 2,
          .height = 1,
          .rows = {10, 20, 30, 40, 50, 60},
          .transparentColour = png_color_16{0, 10, 20, 30, 0}},
         {kButtonFace, Rgb(40, 50, 60)}},
        {"rgba",
         {.width = 2,
          .height = 2,
          .colourType = PNG_COLOR_TYPE_RGBA,
          .rows = {0, 255, 100, 128, 10, 20, 30, 0, 50, 60, 70, 255, 200, 200, 200, 64}},
         {Rgb(120, 248, 170), kButtonFace, Rgb(50, 60, 70), Rgb(230, 230, 230)}},
        {"rgba 16-bit",
         {.width = 1,
          .height = 1,
          .colourType = PNG_COLOR_TYPE_RGBA,
          .bitDepth = 16,
          .rows = {0x01, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x80, 0x80}},
         {Rgb(121, 120, 248)}},
        {"palette",
         {.width = 2,
          .height = 2,
          .colourType = PNG_COLOR_TYPE_PALETTE,
          .rows = {0, 1, 2, 1},
          .palette = {Rgb(10, 20, 30), Rgb(200, 100, 50), Rgb(0, 128, 255)}},
         {Rgb(10, 20, 30), Rgb(200, 100, 50), Rgb(0, 128, 255), Rgb(200, 100, 50)}},
        {"2-bit palette with alpha entries",
         {.width = 3,
          .height = 1,
          .colourType = PNG_COLOR_TYPE_PALETTE,
          .bitDepth = 2,
          .rows = {0b00'01'10'00},
          .palette = {Rgb(10, 20, 30), Rgb(200, 100, 50), Rgb(0, 255, 100)},
          .paletteAlpha = {255, 0, 128}},
         {Rgb(10, 20, 30), kButtonFace, Rgb(120, 248, 170)}},
        {"1-bit grey",
         {.width = 3, .height = 1, .colourType = PNG_COLOR_TYPE_GRAY, .bitDepth = 1, .rows = {0b101'00000}},
         {kWhite, kBlack, kWhite}},
        {"grey",
         {.width = 2, .height = 2, .colourType = PNG_COLOR_TYPE_GRAY, .rows = {0, 77, 200, 255}},
         {kBlack, Rgb(77, 77, 77), Rgb(200, 200, 200), kWhite}},
        {"grey 16-bit",
         {.width = 2,
          .height = 1,
          .colourType = PNG_COLOR_TYPE_GRAY,
          .bitDepth = 16,
          .rows = {1, 0xFF, 0xFF, 0xFF}},
         {Rgb(2, 2, 2), kWhite}},
        {"grey with a transparent level",
         {.width = 2,
          .height = 1,
          .colourType = PNG_COLOR_TYPE_GRAY,
          .rows = {77, 200},
          .transparentColour = png_color_16{0, 0, 0, 0, 77}},
         {kButtonFace, Rgb(200, 200, 200)}},
        {"grey with alpha",
         {.width = 2, .height = 1, .colourType = PNG_COLOR_TYPE_GRAY_ALPHA, .rows = {0, 128, 255, 128}},
         {Rgb(120, 120, 120), Rgb(248, 248, 248)}},
        {"grey with alpha 16-bit",
         {.width = 2,
          .height = 1,
          .colourType = PNG_COLOR_TYPE_GRAY_ALPHA,
          .bitDepth = 16,
          .rows = {0, 0, 0x80, 0x80, 0xFF, 0xFF, 0xFF, 0xFF}},
         {Rgb(120, 120, 120), kWhite}},
    };
    test::TempDir dir;
    for (const ColourTypeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.file("picture.png");
        test::WritePng(path, c.layout);
        const LoadedPicture picture = LoadPicture(path);
        ASSERT_EQ(picture.status, Status::Ok) << picture.error;
        EXPECT_EQ(picture.width, c.layout.width);
        EXPECT_EQ(picture.height, c.layout.height);
        EXPECT_EQ(PixelsOf(picture), c.expected);
    }
}

TEST(PngLoader, InterlacedPictureGivesTheSamePixels) {
    PngSpec layout{.width = 13, .height = 11};
    std::vector<Colour> written;
    for (int y = 0; y < layout.height; ++y)
        for (int x = 0; x < layout.width; ++x) {
            const Colour c = Rgb(x * 19, y * 23, (x * y) % 256);
            written.push_back(c);
            layout.rows.insert(layout.rows.end(),
                             {static_cast<std::uint8_t>(RedOf(c)), static_cast<std::uint8_t>(GreenOf(c)),
                              static_cast<std::uint8_t>(BlueOf(c))});
        }
    layout.interlaced = true;
    test::TempDir dir;
    test::WritePng(dir.file("interlaced.png"), layout);

    const LoadedPicture picture = LoadPicture(dir.file("interlaced.png"));
    ASSERT_EQ(picture.status, Status::Ok) << picture.error;
    EXPECT_EQ(PixelsOf(picture), written);
}

// A 16 x 16 gradient, large enough to have several filter rows and a real compressed stream.
std::vector<std::uint8_t> GradientPngBytes(const test::TempDir& dir) {
    PngSpec layout{.width = 16, .height = 16};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            layout.rows.insert(layout.rows.end(),
                             {static_cast<std::uint8_t>(x * 16), static_cast<std::uint8_t>(y * 16),
                              static_cast<std::uint8_t>(x ^ y)});
    test::WritePng(dir.file("whole.png"), layout);
    return test::ReadBytes(dir.file("whole.png"));
}

TEST(PngLoader, DamagedFilesFailWithAReason) {
    test::TempDir dir;
    const std::vector<std::uint8_t> whole = GradientPngBytes(dir);
    const auto firstBytes = [&](std::size_t n) {
        return std::vector<std::uint8_t>(whole.begin(), whole.begin() + n);
    };
    std::vector<std::uint8_t> flipped = whole;
    flipped[whole.size() / 2] ^= 0x5A; // inside the image data

    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* error;
    } cases[] = {
        {"text", {'h', 'e', 'l', 'l', 'o', '\n'}, "not a PNG file"},
        {"half a signature", firstBytes(4), "not a PNG file"},
        {"signature only", firstBytes(8), "truncated or corrupt PNG data"},
        {"cut inside the header", firstBytes(20), "truncated or corrupt PNG data"},
        {"cut after the header", firstBytes(33), "truncated or corrupt PNG data"},
        {"cut inside the image data", firstBytes(whole.size() / 2), "truncated or corrupt PNG data"},
        {"image data damaged", flipped, "truncated or corrupt PNG data"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.file("damaged.png");
        test::WriteBytes(path, c.bytes);
        const LoadedPicture picture = LoadPicture(path);
        EXPECT_EQ(picture.status, Status::Failed);
        EXPECT_EQ(picture.error, c.error);
        EXPECT_TRUE(picture.image.rgb.empty());
    }
}

TEST(PngLoader, SidesUpTo5000AreAccepted) {
    // One bit a pixel keeps the file and the test's own buffer small.
    PngSpec layout{.width = 5000, .height = 5000, .colourType = PNG_COLOR_TYPE_GRAY, .bitDepth = 1};
    layout.rows.assign(5000 / 8 * 5000, 0xFF);
    layout.rows.back() = 0xFE;
    test::TempDir dir;
    test::WritePng(dir.file("big.png"), layout);

    const LoadedPicture picture = LoadPicture(dir.file("big.png"));
    ASSERT_EQ(picture.status, Status::Ok) << picture.error;
    EXPECT_EQ(picture.width, 5000);
    EXPECT_EQ(picture.height, 5000);
    EXPECT_EQ(picture.image.pixel(0, 0), kWhite);
    EXPECT_EQ(picture.image.pixel(4998, 4999), kWhite);
    EXPECT_EQ(picture.image.pixel(4999, 4999), kBlack);
}

TEST(PngLoader, LargerSidesAreRefusedFromTheHeader) {
    test::TempDir dir;
    const std::string path = dir.file("large.png");
    for (const auto& [width, height] : {std::pair{5001, 1}, std::pair{1, 5001}}) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        test::WritePng(path, {.width = width,
                              .height = height,
                              .colourType = PNG_COLOR_TYPE_GRAY,
                              .rows = std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height)});
        const LoadedPicture picture = LoadPicture(path);
        EXPECT_EQ(picture.status, Status::TooLarge);
        EXPECT_EQ(picture.width, width);
        EXPECT_EQ(picture.height, height);
        EXPECT_TRUE(picture.image.rgb.empty());
    }
}

// Only the header exists: decoding would need 30 GB, so the size must be judged before that.
TEST(PngLoader, HugeClaimInAHeaderWithNothingAfterItIsTooLarge) {
    test::TempDir dir;
    test::WritePngHeader(dir.file("huge.png"), 100000, 100000);

    const LoadedPicture picture = LoadPicture(dir.file("huge.png"));
    EXPECT_EQ(picture.status, Status::TooLarge);
    EXPECT_EQ(picture.width, 100000);
    EXPECT_EQ(picture.height, 100000);
    EXPECT_EQ(picture.image.rgb.capacity(), 0u);
}

} // namespace
} // namespace vk2
