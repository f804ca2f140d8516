#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sounds {

using Bytes = std::vector<std::uint8_t>;

struct Chunk {
    std::string id;  // four characters
    Bytes body;
};

struct PcmLayout {
    std::uint32_t sampleRate;
    std::uint16_t bitsPerSample;  // 8 (unsigned) or 16 (signed)
    // 16 for a plain PCMWAVEFORMAT, 18 when the writer added the (zero)
    // cbSize field of WAVEFORMATEX, as many Windows editors do.
    std::uint32_t fmtSize = 16;
};

// Mono samples in -1..1 as PCM bytes of the layout (clipped, rounded).
Bytes encodePcm(const std::vector<double>& samples, const PcmLayout& layout);

// A complete RIFF WAVE file: "fmt ", "data" (padded to even length), then
// the extra chunks in order.
Bytes buildWave(const Bytes& pcm, const PcmLayout& layout, const std::vector<Chunk>& extra);

// Bodies of the extra chunks the clips carry.
Bytes samplerChunk(std::uint32_t sampleRate, std::uint32_t frames);  // "smpl", 60 bytes
Bytes sonicLoopChunk(std::uint32_t frames);                          // "SyLp", 184 bytes
Bytes displayTextChunk(const std::string& sevenChars);               // "DISP", 12 bytes

}  // namespace sounds
