#include "picture/image_reader_loader.h"

#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "picture/picture_result.h"

namespace vk2 {
namespace {

struct ReaderFormat {
    std::string_view extension; // lower case, without the dot
    const char* format;         // Qt's name for the decoder
    std::string_view name;      // as written in a message
};

// extension, Qt format, name in messages
constexpr std::array kReaderFormats{
    ReaderFormat{"bmp", "bmp", "BMP"},    // bitmap
    ReaderFormat{"dib", "bmp", "BMP"},    // bitmap under its older name
    ReaderFormat{"gif", "gif", "GIF"},    // GIF
    ReaderFormat{"jpg", "jpeg", "JPEG"},  // JPEG
    ReaderFormat{"jpeg", "jpeg", "JPEG"}, // JPEG
    ReaderFormat{"jpe", "jpeg", "JPEG"},  // JPEG
    ReaderFormat{"jfif", "jpeg", "JPEG"}, // JPEG
};

// Room for a picture of the largest accepted size in 32-bit pixels, with a margin for the
// decoder's own buffers.
constexpr int kReaderAllocationLimitMb = 256;

std::string LowerCaseExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    if (!extension.empty()) extension.erase(0, 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

const ReaderFormat* FormatForPath(const std::string& path) {
    const std::string extension = LowerCaseExtension(path);
    const auto it = std::find_if(kReaderFormats.begin(), kReaderFormats.end(),
                                 [&](const ReaderFormat& row) { return row.extension == extension; });
    return it == kReaderFormats.end() ? nullptr : &*it;
}

RgbImage ToRgbImage(const QImage& image) {
    RgbImage out;
    out.width = image.width();
    out.height = image.height();
    const std::size_t rowBytes = static_cast<std::size_t>(out.width) * 3;
    out.rgb.resize(rowBytes * static_cast<std::size_t>(out.height));
    if (image.hasAlphaChannel()) {
        const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
        for (int y = 0; y < out.height; ++y)
            CompositeOverButtonFace(rgba.constScanLine(y), out.rgb.data() + y * rowBytes,
                                    static_cast<std::size_t>(out.width));
    } else {
        const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
        for (int y = 0; y < out.height; ++y)
            std::memcpy(out.rgb.data() + y * rowBytes, rgb.constScanLine(y), rowBytes);
    }
    return out;
}

} // namespace

LoadedPicture LoadWithImageReader(const std::string& path) {
    const ReaderFormat* format = FormatForPath(path);
    if (!format) return FailedPicture("unsupported picture type");

    QImageReader::setAllocationLimit(std::max(QImageReader::allocationLimit(), kReaderAllocationLimitMb));
    QImageReader reader(QString::fromStdString(path), format->format);
    reader.setAutoDetectImageFormat(false);

    const std::string corrupt = "unsupported or corrupt " + std::string(format->name) + " picture";
    const QSize claimed = reader.size();
    if (claimed.isValid() && ExceedsMaxPictureSide(claimed.width(), claimed.height()))
        return TooLargePicture(claimed.width(), claimed.height());
    const QImage image = reader.read();
    if (image.isNull()) return FailedPicture(corrupt);
    if (ExceedsMaxPictureSide(image.width(), image.height()))
        return TooLargePicture(image.width(), image.height());
    return DecodedPicture(ToRgbImage(image));
}

} // namespace vk2
