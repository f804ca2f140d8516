// Any bytes as a JPEG: the marker walk ends, counts scans within its limit
// and gives sizes that add up.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "tests/fuzz/JpegChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!qx::checks::jpegWalkBounded(bytes, 20)) std::abort();
    return 0;
}
