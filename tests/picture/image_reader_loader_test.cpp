#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>

#include "picture/picture_files.h"
#include "picture/picture_loader.h"
#include "picture/picture_test_util.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

using Status = LoadedPicture::Status;
using test::PixelsOf;

const std::vector<Colour> kSixColours = {Rgb(255, 0, 0),  Rgb(0, 255, 0),    Rgb(0, 0, 255),
                                         Rgb(12, 34, 56), Rgb(200, 100, 50), Rgb(255, 255, 255)};

QImage SixColourImage() {
    QImage image(3, 2, QImage::Format_RGB32);
    for (int i = 0; i < 6; ++i) {
        const Colour c = kSixColours[static_cast<std::size_t>(i)];
        image.setPixel(i % 3, i / 3, qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
    }
    return image;
}

TEST(ImageReaderLoader, BmpKeepsItsPixelsWhateverTheExtensionsCase) {
    test::TempDir dir;
    for (const char* name : {"six.bmp", "SIX.BMP", "six.dib"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(SixColourImage().save(QString::fromStdString(dir.file(name)), "BMP"));
        const LoadedPicture picture = LoadPicture(dir.file(name));
        ASSERT_EQ(picture.status, Status::Ok) << picture.error;
        EXPECT_EQ(picture.width, 3);
        EXPECT_EQ(picture.height, 2);
        EXPECT_EQ(PixelsOf(picture), kSixColours);
    }
}

TEST(ImageReaderLoader, GifShowsTheButtonFaceThroughItsTransparentColour) {
    test::TempDir dir;
    const std::vector<Colour> palette = {Rgb(10, 20, 30), Rgb(200, 100, 50), Rgb(0, 128, 255), kWhite};
    const std::vector<std::uint8_t> indices = {0, 1, 2, 3, 2, 1};
    test::WriteGif(dir.file("opaque.gif"), 3, 2, palette, indices, std::nullopt);
    test::WriteGif(dir.file("clear.gif"), 3, 2, palette, indices, 2);

    const LoadedPicture opaque = LoadPicture(dir.file("opaque.gif"));
    ASSERT_EQ(opaque.status, Status::Ok) << opaque.error;
    EXPECT_EQ(PixelsOf(opaque), (std::vector<Colour>{Rgb(10, 20, 30), Rgb(200, 100, 50), Rgb(0, 128, 255),
                                                     kWhite, Rgb(0, 128, 255), Rgb(200, 100, 50)}));
    const LoadedPicture clear = LoadPicture(dir.file("clear.gif"));
    ASSERT_EQ(clear.status, Status::Ok) << clear.error;
    EXPECT_EQ(PixelsOf(clear), (std::vector<Colour>{Rgb(10, 20, 30), Rgb(200, 100, 50), kButtonFace, kWhite,
                                                    kButtonFace, Rgb(200, 100, 50)}));
}

// The same see-through pixels read through either decoder must give the same picture.
TEST(ImageReaderLoader, BmpWithAlphaBlendsLikeTheSamePng) {
    const std::vector<test::Rgba> pixels = {
        {0, 255, 100, 128}, {10, 20, 30, 0}, {50, 60, 70, 255}, {200, 200, 200, 64}};
    test::PngSpec png{.width = 2, .height = 2, .colourType = PNG_COLOR_TYPE_RGBA};
    for (const test::Rgba& p : pixels) png.rows.insert(png.rows.end(), {p.r, p.g, p.b, p.a});
    test::TempDir dir;
    test::WriteBmpWithAlpha(dir.file("alpha.bmp"), 2, 2, pixels);
    test::WritePng(dir.file("alpha.png"), png);

    const LoadedPicture bmp = LoadPicture(dir.file("alpha.bmp"));
    ASSERT_EQ(bmp.status, Status::Ok) << bmp.error;
    EXPECT_EQ(PixelsOf(bmp), PixelsOf(LoadPicture(dir.file("alpha.png"))));
    EXPECT_EQ(PixelsOf(bmp),
              (std::vector<Colour>{Rgb(120, 248, 170), kButtonFace, Rgb(50, 60, 70), Rgb(230, 230, 230)}));
}

TEST(ImageReaderLoader, JpegOfOneColourKeepsThatColour) {
    test::TempDir dir;
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 60));
    for (const char* name : {"green.jpg", "green.jpeg", "GREEN.JPG"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(image.save(QString::fromStdString(dir.file(name)), "JPEG", 100));
        const LoadedPicture picture = LoadPicture(dir.file(name));
        ASSERT_EQ(picture.status, Status::Ok) << picture.error;
        EXPECT_EQ(picture.width, 16);
        EXPECT_EQ(picture.height, 8);
        for (Colour c : PixelsOf(picture)) {
            EXPECT_NEAR(RedOf(c), 10, 3);
            EXPECT_NEAR(GreenOf(c), 200, 3);
            EXPECT_NEAR(BlueOf(c), 60, 3);
        }
    }
}

// The size is judged from the header: the header-only files would fail if they were decoded.
TEST(ImageReaderLoader, SidesOver5000AreRefused) {
    test::TempDir dir;
    QImage wide(5001, 1, QImage::Format_RGB32);
    wide.fill(qRgb(1, 2, 3));
    ASSERT_TRUE(wide.save(QString::fromStdString(dir.file("wide.bmp")), "BMP"));
    test::WriteBmpHeader(dir.file("tall.bmp"), 5000, 6000);
    test::WriteBmpHeader(dir.file("huge.bmp"), 100000, 100000);

    const struct {
        const char* name;
        Status status;
        int width, height;
    } cases[] = {
        {"wide.bmp", Status::TooLarge, 5001, 1},
        {"tall.bmp", Status::TooLarge, 5000, 6000},
        // Qt's reader refuses such a header itself, before telling its size.
        {"huge.bmp", Status::Failed, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LoadedPicture picture = LoadPicture(dir.file(c.name));
        EXPECT_EQ(picture.status, c.status);
        EXPECT_EQ(picture.width, c.width);
        EXPECT_EQ(picture.height, c.height);
        EXPECT_TRUE(picture.image.rgb.empty());
    }
}

TEST(ImageReaderLoader, DamagedOrUnknownFilesFailWithAReason) {
    test::TempDir dir;
    ASSERT_TRUE(SixColourImage().save(QString::fromStdString(dir.file("whole.jpg")), "JPEG"));
    std::vector<std::uint8_t> jpeg = test::ReadBytes(dir.file("whole.jpg"));
    jpeg.resize(jpeg.size() / 3);
    const std::vector<std::uint8_t> text = {'h', 'e', 'l', 'l', 'o', '\n'};

    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* error;
    } cases[] = {
        {"text.bmp", text, "unsupported or corrupt BMP picture"},
        {"text.gif", text, "unsupported or corrupt GIF picture"},
        {"cut.jpg", jpeg, "unsupported or corrupt JPEG picture"},
        {"header.gif", {'G', 'I', 'F', '8', '9', 'a'}, "unsupported or corrupt GIF picture"},
        {"text.txt", text, "unsupported picture type"},
        {"jpeg.tga", test::ReadBytes(dir.file("whole.jpg")), "unsupported picture type"},
        {"no-extension", text, "unsupported picture type"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::WriteBytes(dir.file(c.name), c.bytes);
        const LoadedPicture picture = LoadPicture(dir.file(c.name));
        EXPECT_EQ(picture.status, Status::Failed);
        EXPECT_EQ(picture.error, c.error);
    }
}

} // namespace
} // namespace vk2
