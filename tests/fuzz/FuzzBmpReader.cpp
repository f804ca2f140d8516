// Any bytes as the game's own 24-bit BMP: nothing decoded without its bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>

#include "platform/raster/BmpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<qx::Bitmap> bitmap =
        qx::DecodeBmp24(std::span<const std::uint8_t>(data, size));
    if (bitmap && std::size_t(bitmap->width()) * std::size_t(bitmap->height()) * 3 > size)
        std::abort();
    return 0;
}
