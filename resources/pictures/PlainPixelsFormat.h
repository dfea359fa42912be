#pragma once
// How a picture kept as plain pixels is laid out: written at build time by
// tools/pixelpack, read by PlainPixels::Find.

#include <cstdint>

namespace PlainPixels {

// Then the rows, four bytes a pixel, in the build machine's byte order.
struct Header {
    std::uint32_t tag;    // Tag
    std::uint32_t width;  // pixels
    std::uint32_t height; // pixels
    std::uint32_t format; // QImage::Format_ARGB32 or QImage::Format_RGB32
};
inline constexpr std::uint32_t Tag = 0x5850584bu; // "KXPX"

// Pictures whose pixels take more are drawn too seldom to be worth the
// room in the program.
inline constexpr long long MostBytes = 64 * 1024;

} // namespace PlainPixels
