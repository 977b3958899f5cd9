#include "picture/png_save.h"

#include <csetjmp>
#include <png.h>

#include "core/safe_file.h"

namespace vk2 {
namespace {

void AppendToString(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}

void NoFlush(png_structp) {}

// Encodes into memory so the file on disk is only replaced by a complete picture.
bool EncodePng(const RgbImage& image, std::string& out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, AppendToString, NoFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height; ++y) {
        const auto row =
            image.rgb.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) * 3;
        png_write_row(png, const_cast<png_bytep>(row));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

std::string SavePng(const std::string& path, const RgbImage& image) {
    if (image.width <= 0 || image.height <= 0) return "cannot save an empty picture";
    std::string encoded;
    if (!EncodePng(image, encoded)) return "cannot encode the picture as PNG";
    return WriteFileSafely(path, encoded);
}

} // namespace vk2
