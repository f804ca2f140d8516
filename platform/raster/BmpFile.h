#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/raster/Bitmap.h"

namespace qx {

// Uncompressed 24-bit Windows bitmaps: enough for the pictures the game
// generates and stores itself (the piece stencil), without any image library.

// The complete file: BITMAPFILEHEADER, BITMAPINFOHEADER, bottom-up rows padded
// to four bytes.
std::vector<std::uint8_t> EncodeBmp24(const Bitmap& bitmap);

// Reads a 24-bit uncompressed file, bottom-up or top-down. Anything else, a
// truncated file or an absurd size gives nothing.
std::optional<Bitmap> DecodeBmp24(std::span<const std::uint8_t> bytes);

bool WriteBmp24File(const std::string& path, const Bitmap& bitmap);
std::optional<Bitmap> ReadBmp24File(const std::string& path);

}  // namespace qx
