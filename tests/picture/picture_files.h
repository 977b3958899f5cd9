// Picture files written by the tests themselves: PNGs of any colour type through libpng, and
// GIF and BMP files with transparency, which Qt can read but not write.
#pragma once

#include <cstdint>
#include <optional>
#include <png.h>
#include <string>
#include <vector>

#include "core/colour.h"

namespace vk2::test {

struct PngSpec {
    int width = 0;
    int height = 0;
    int colourType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<std::uint8_t> rows{}; // packed rows as stored in the file, 16-bit samples big-endian
    std::vector<Colour> palette{};
    std::vector<std::uint8_t> paletteAlpha{};        // tRNS for a palette picture
    std::optional<png_color_16> transparentColour{}; // tRNS for a grey or RGB picture
};

void WritePng(const std::string& path, const PngSpec& layout);
// Only the signature and the header chunk, as at the start of a picture of the given size.
void WritePngHeader(const std::string& path, std::uint32_t width, std::uint32_t height);

// A GIF of palette indices; the palette has at most four colours.
void WriteGif(const std::string& path, int width, int height, const std::vector<Colour>& palette,
              const std::vector<std::uint8_t>& indices, std::optional<std::uint8_t> transparentIndex);

struct Rgba {
    std::uint8_t r, g, b, a;
};
// A 32-bit BMP whose header carries an alpha mask.
void WriteBmpWithAlpha(const std::string& path, int width, int height, const std::vector<Rgba>& pixels);
// A BMP header for a 24-bit picture of the given size, with no pixel data after it.
void WriteBmpHeader(const std::string& path, std::int32_t width, std::int32_t height);

std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace vk2::test
