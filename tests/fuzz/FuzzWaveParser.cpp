// Any bytes as a WAV clip: the parser must stay inside the buffer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/sound/WaveParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const qx::WaveParseResult result = qx::parseWave(bytes);
    if (result.ok()) {
        const auto& samples = result.clip.samples;
        if (samples.data() < data || samples.data() + samples.size() > data + size) std::abort();
        if (result.clip.format.blockAlign == 0) std::abort();
    }
    for (const qx::RiffChunk& chunk : qx::riffChunks(bytes)) {
        if (chunk.size > size) std::abort();
    }
    return 0;
}
