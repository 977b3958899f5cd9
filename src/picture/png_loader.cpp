#include "picture/png_loader.h"

#include <csetjmp>
#include <cstdio>
#include <png.h>
#include <utility>
#include <vector>

#include "picture/picture_result.h"

namespace vk2 {
namespace {

constexpr std::size_t kSignatureSize = 8;
constexpr const char* kCorrupt = "truncated or corrupt PNG data";

// Owns the open file and libpng's read structures for the length of one load.
class PngReader {
  public:
    explicit PngReader(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}
    ~PngReader() {
        if (png_) png_destroy_read_struct(&png_, info_ ? &info_ : nullptr, nullptr);
        if (file_) std::fclose(file_);
    }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    bool opened() const { return file_ != nullptr; }

    bool hasSignature() {
        png_byte signature[kSignatureSize];
        return std::fread(signature, 1, kSignatureSize, file_) == kSignatureSize &&
               png_sig_cmp(signature, 0, kSignatureSize) == 0;
    }

    bool createDecoder() {
        png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
        if (png_) info_ = png_create_info_struct(png_);
        if (!info_) return false;
        png_init_io(png_, file_);
        png_set_sig_bytes(png_, kSignatureSize);
        // Our own size limit is applied to what the header claims, so libpng must not stop first.
        png_set_user_limits(png_, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
        return true;
    }

    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

  private:
    [[noreturn]] static void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
    static void OnWarning(png_structp, png_const_charp) {}

    std::FILE* file_;
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

// Runs one libpng step, turning a libpng error into false. The step must own nothing that needs
// destroying: libpng leaves it by longjmp.
template <class Step> bool Guarded(png_structp png, Step step) {
    if (setjmp(png_jmpbuf(png))) return false;
    step();
    return true;
}

// Every colour type, depth and transparency comes out as 8-bit RGB, or RGBA when the file says
// how see-through its pixels are. 16-bit channels are rounded, not truncated, to 8 bits.
void RequestRgb8(png_structp png, png_infop info) {
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

std::vector<png_bytep> RowPointers(std::vector<std::uint8_t>& pixels, std::size_t rowBytes, int height) {
    std::vector<png_bytep> rows(static_cast<std::size_t>(height));
    for (std::size_t y = 0; y < rows.size(); ++y) rows[y] = pixels.data() + y * rowBytes;
    return rows;
}

} // namespace

LoadedPicture LoadPng(const std::string& path) {
    PngReader reader(path);
    if (!reader.opened()) return FailedPicture("cannot open the file");
    if (!reader.hasSignature()) return FailedPicture("not a PNG file");
    if (!reader.createDecoder()) return FailedPicture("out of memory");
    png_structp png = reader.png();
    png_infop info = reader.info();

    const bool headerRead = Guarded(png, [&] { png_read_info(png, info); });
    // A header that claims a huge picture is refused even when the data after it is damaged.
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (ExceedsMaxPictureSide(width, height))
        return TooLargePicture(static_cast<int>(width), static_cast<int>(height));
    if (!headerRead || !Guarded(png, [&] { RequestRgb8(png, info); })) return FailedPicture(kCorrupt);

    const std::size_t channels = png_get_channels(png, info);
    const std::size_t pixelCount = static_cast<std::size_t>(width) * height;
    std::vector<std::uint8_t> pixels(pixelCount * channels);
    std::vector<png_bytep> rows = RowPointers(pixels, width * channels, static_cast<int>(height));
    if (!Guarded(png, [&] { png_read_image(png, rows.data()); })) return FailedPicture(kCorrupt);

    if (channels == 4) {
        CompositeOverButtonFace(pixels.data(), pixels.data(), pixelCount);
        pixels.resize(pixelCount * 3);
    }
    RgbImage image;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.rgb = std::move(pixels);
    return DecodedPicture(std::move(image));
}

} // namespace vk2
