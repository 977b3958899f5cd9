#include "picture/picture_files.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vk2::test {
namespace {

class PngWriter {
  public:
    explicit PngWriter(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {
        if (!file_) throw std::runtime_error("cannot write " + path);
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        info_ = png_create_info_struct(png_);
        png_init_io(png_, file_);
    }
    ~PngWriter() {
        png_destroy_write_struct(&png_, &info_);
        std::fclose(file_);
    }
    PngWriter(const PngWriter&) = delete;
    PngWriter& operator=(const PngWriter&) = delete;

    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

  private:
    std::FILE* file_;
    png_structp png_;
    png_infop info_;
};

std::vector<png_color> PaletteOf(const PngSpec& layout) {
    std::vector<png_color> colours;
    for (Colour c : layout.palette)
        colours.push_back({static_cast<png_byte>(RedOf(c)), static_cast<png_byte>(GreenOf(c)),
                           static_cast<png_byte>(BlueOf(c))});
    return colours;
}

// Owns nothing, so that a libpng error can leave it.
void SetHeader(const PngWriter& writer, const PngSpec& layout, std::vector<png_color>& palette) {
    png_set_IHDR(writer.png(), writer.info(), layout.width, layout.height, layout.bitDepth, layout.colourType,
                 layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty())
        png_set_PLTE(writer.png(), writer.info(), palette.data(), static_cast<int>(palette.size()));
    if (!layout.paletteAlpha.empty())
        png_set_tRNS(writer.png(), writer.info(), layout.paletteAlpha.data(),
                     static_cast<int>(layout.paletteAlpha.size()), nullptr);
    if (layout.transparentColour) {
        png_set_tRNS(writer.png(), writer.info(), nullptr, 0, &*layout.transparentColour);
    }
}

void PutLe16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutLe16(out, v & 0xFFFF);
    PutLe16(out, v >> 16);
}

// LZW codes of 3 bits, with a clear code after every second pixel so that the code table never
// grows past what 3 bits can name.
std::vector<std::uint8_t> GifImageData(const std::vector<std::uint8_t>& indices) {
    constexpr unsigned kClear = 4, kEnd = 5, kCodeBits = 3;
    std::vector<unsigned> codes{kClear};
    for (std::size_t i = 0; i < indices.size(); ++i) {
        if (i > 0 && i % 2 == 0) codes.push_back(kClear);
        codes.push_back(indices[i]);
    }
    codes.push_back(kEnd);

    std::vector<std::uint8_t> packed;
    unsigned bitCount = 0;
    for (unsigned code : codes)
        for (unsigned bit = 0; bit < kCodeBits; ++bit, ++bitCount) {
            if (bitCount % 8 == 0) packed.push_back(0);
            packed.back() |= static_cast<std::uint8_t>(((code >> bit) & 1) << (bitCount % 8));
        }

    std::vector<std::uint8_t> out{2}; // minimum code size for a four-colour table
    for (std::size_t start = 0; start < packed.size(); start += 255) {
        const std::size_t length = std::min<std::size_t>(255, packed.size() - start);
        out.push_back(static_cast<std::uint8_t>(length));
        out.insert(out.end(), packed.begin() + start, packed.begin() + start + length);
    }
    out.push_back(0);
    return out;
}

void PutBmpFileHeader(std::vector<std::uint8_t>& out, std::uint32_t fileSize, std::uint32_t dataOffset) {
    out.push_back('B');
    out.push_back('M');
    PutLe32(out, fileSize);
    PutLe32(out, 0);
    PutLe32(out, dataOffset);
}

} // namespace

void WritePng(const std::string& path, const PngSpec& layout) {
    PngWriter writer(path);
    std::vector<png_color> palette = PaletteOf(layout);
    if (setjmp(png_jmpbuf(writer.png()))) throw std::runtime_error("libpng could not write " + path);
    SetHeader(writer, layout, palette);
    png_write_info(writer.png(), writer.info());
    const int passes = png_set_interlace_handling(writer.png());
    const std::size_t rowBytes = layout.rows.size() / static_cast<std::size_t>(layout.height);
    for (int pass = 0; pass < passes; ++pass)
        for (int y = 0; y < layout.height; ++y)
            png_write_row(writer.png(), layout.rows.data() + static_cast<std::size_t>(y) * rowBytes);
    png_write_end(writer.png(), nullptr);
}

void WritePngHeader(const std::string& path, std::uint32_t width, std::uint32_t height) {
    PngWriter writer(path);
    if (setjmp(png_jmpbuf(writer.png()))) throw std::runtime_error("libpng could not write " + path);
    png_set_IHDR(writer.png(), writer.info(), width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(writer.png(), writer.info());
}

void WriteGif(const std::string& path, int width, int height, const std::vector<Colour>& palette,
              const std::vector<std::uint8_t>& indices, std::optional<std::uint8_t> transparentIndex) {
    std::vector<std::uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
    PutLe16(out, static_cast<unsigned>(width));
    PutLe16(out, static_cast<unsigned>(height));
    out.insert(out.end(), {0xF1, 0, 0}); // a global table of four colours
    for (std::size_t i = 0; i < 4; ++i) {
        const Colour c = i < palette.size() ? palette[i] : kBlack;
        out.insert(out.end(), {static_cast<std::uint8_t>(RedOf(c)), static_cast<std::uint8_t>(GreenOf(c)),
                               static_cast<std::uint8_t>(BlueOf(c))});
    }
    if (transparentIndex) out.insert(out.end(), {0x21, 0xF9, 4, 1, 0, 0, *transparentIndex, 0});
    out.insert(out.end(), {0x2C, 0, 0, 0, 0});
    PutLe16(out, static_cast<unsigned>(width));
    PutLe16(out, static_cast<unsigned>(height));
    out.push_back(0);
    const std::vector<std::uint8_t> data = GifImageData(indices);
    out.insert(out.end(), data.begin(), data.end());
    out.push_back(0x3B);
    WriteBytes(path, out);
}

void WriteBmpWithAlpha(const std::string& path, int width, int height, const std::vector<Rgba>& pixels) {
    constexpr std::uint32_t kFileHeader = 14, kV4Header = 108;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(pixels.size() * 4);
    std::vector<std::uint8_t> out;
    PutBmpFileHeader(out, kFileHeader + kV4Header + dataSize, kFileHeader + kV4Header);
    PutLe32(out, kV4Header);
    PutLe32(out, static_cast<std::uint32_t>(width));
    PutLe32(out, static_cast<std::uint32_t>(-height)); // rows top to bottom
    PutLe16(out, 1);
    PutLe16(out, 32);
    PutLe32(out, 3); // bit fields
    PutLe32(out, dataSize);
    PutLe32(out, 2835);
    PutLe32(out, 2835);
    PutLe32(out, 0);
    PutLe32(out, 0);
    for (std::uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u}) PutLe32(out, mask);
    PutLe32(out, 0x73524742); // sRGB
    out.resize(kFileHeader + kV4Header, 0);
    for (const Rgba& p : pixels) out.insert(out.end(), {p.b, p.g, p.r, p.a});
    WriteBytes(path, out);
}

void WriteBmpHeader(const std::string& path, std::int32_t width, std::int32_t height) {
    constexpr std::uint32_t kHeaders = 14 + 40;
    std::vector<std::uint8_t> out;
    PutBmpFileHeader(out, kHeaders, kHeaders);
    PutLe32(out, 40);
    PutLe32(out, static_cast<std::uint32_t>(width));
    PutLe32(out, static_cast<std::uint32_t>(height));
    PutLe16(out, 1);
    PutLe16(out, 24);
    out.resize(kHeaders, 0);
    WriteBytes(path, out);
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace vk2::test
