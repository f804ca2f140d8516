#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qx {

// PCM format from a "fmt " chunk.
struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t bytesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
};

enum class WaveError {
    None,
    TooShort,           // not even a RIFF header
    NotRiff,            // no "RIFF" at the start
    NotWave,            // a RIFF file of another form
    BadChunkSize,       // a declared length runs past the end of the file
    MissingFormat,      // no "fmt " chunk
    BadFormat,          // a "fmt " chunk too short or inconsistent
    UnsupportedFormat,  // not 8- or 16-bit PCM, mono or stereo
    MissingData,        // no "data" chunk
    NoSamples,          // a "data" chunk without one whole sample frame
};

const char* describe(WaveError error);

// A parsed clip: its format and a view of its sample bytes inside the buffer
// it was parsed from (whole frames only).
struct WaveClip {
    WaveFormat format;
    std::span<const std::uint8_t> samples;
    std::size_t frameCount() const { return samples.size() / format.blockAlign; }
    double seconds() const { return static_cast<double>(frameCount()) / format.sampleRate; }
};

struct WaveParseResult {
    WaveError error = WaveError::None;
    WaveClip clip;
    bool ok() const { return error == WaveError::None; }
};

// Reads a complete RIFF WAVE file held in memory. Only "fmt " and "data"
// matter; other chunks are skipped. Every length is checked against the
// buffer, so no input makes it read outside `bytes`.
WaveParseResult parseWave(std::span<const std::uint8_t> bytes);

// The chunks of a RIFF WAVE file in order (id and declared body size), as far
// as they lie wholly inside the file; empty for anything that is not one.
struct RiffChunk {
    std::string id;
    std::uint32_t size;
};
std::vector<RiffChunk> riffChunks(std::span<const std::uint8_t> bytes);

}  // namespace qx
