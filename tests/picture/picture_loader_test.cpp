#include <QImage>
#include <filesystem>
#include <gtest/gtest.h>

#include "picture/picture_files.h"
#include "picture/picture_loader.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

using Status = LoadedPicture::Status;

// The last two characters of the name choose the decoder; the content is never looked at first.
TEST(LoadPicture, NameEndingChoosesTheDecoder) {
    test::TempDir dir;
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 60));
    ASSERT_TRUE(image.save(QString::fromStdString(dir.file("real.png")), "PNG"));
    ASSERT_TRUE(image.save(QString::fromStdString(dir.file("real.jpg")), "JPEG"));
    const auto png = test::ReadBytes(dir.file("real.png"));
    const auto jpeg = test::ReadBytes(dir.file("real.jpg"));

    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        Status status;
        const char* error;
    } cases[] = {
        {"lower.png", png, Status::Ok, ""},
        {"UPPER.PNG", png, Status::Ok, ""},
        {"x.pNg", png, Status::Failed, "unsupported picture type"},
        {"x.PnG", png, Status::Failed, "unsupported picture type"},
        {"png.bmp", png, Status::Failed, "unsupported or corrupt BMP picture"},
        {"jpeg.png", jpeg, Status::Failed, "not a PNG file"},
        {"jpeg.PNG", jpeg, Status::Failed, "not a PNG file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::WriteBytes(dir.file(c.name), c.bytes);
        const LoadedPicture picture = LoadPicture(dir.file(c.name));
        EXPECT_EQ(picture.status, c.status);
        EXPECT_EQ(picture.error, c.error);
    }
}

TEST(LoadPicture, PathsThatHoldNoPictureFailWithAReason) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.file("folder.png"));
    std::filesystem::create_directory(dir.file("folder.bmp"));
    test::WriteBytes(dir.file("empty.png"), {});
    test::WriteBytes(dir.file("empty.gif"), {});

    const struct {
        std::string path;
        const char* error;
    } cases[] = {
        {dir.file("missing.png"), "no such file"},     {dir.file("missing.jpg"), "no such file"},
        {dir.file("no-folder/x.png"), "no such file"}, {"", "no such file"},
        {dir.file("folder.png"), "is a directory"},    {dir.file("folder.bmp"), "is a directory"},
        {dir.file("empty.png"), "file is empty"},      {dir.file("empty.gif"), "file is empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const LoadedPicture picture = LoadPicture(c.path);
        EXPECT_EQ(picture.status, Status::Failed);
        EXPECT_EQ(picture.error, c.error);
        EXPECT_EQ(picture.width, 0);
        EXPECT_EQ(picture.height, 0);
    }
}

} // namespace
} // namespace vk2
