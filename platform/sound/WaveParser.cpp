#include "platform/sound/WaveParser.h"

#include <algorithm>
#include <cstring>

namespace qx {
namespace {

std::uint32_t read32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t read16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

bool isId(const std::uint8_t* p, const char* id) {
    return std::memcmp(p, id, 4) == 0;
}

WaveParseResult failure(WaveError error) {
    WaveParseResult result;
    result.error = error;
    return result;
}

WaveError checkFormat(const WaveFormat& f) {
    if (f.formatTag != 1) return WaveError::UnsupportedFormat;
    if (f.channels < 1 || f.channels > 2) return WaveError::UnsupportedFormat;
    if (f.bitsPerSample != 8 && f.bitsPerSample != 16) return WaveError::UnsupportedFormat;
    if (f.sampleRate < 1000 || f.sampleRate > 192000) return WaveError::UnsupportedFormat;
    if (f.blockAlign != f.channels * (f.bitsPerSample / 8)) return WaveError::BadFormat;
    return WaveError::None;
}

}  // namespace

const char* describe(WaveError error) {
    switch (error) {
        case WaveError::None:
            return "ok";
        case WaveError::TooShort:
            return "too short for a RIFF header";
        case WaveError::NotRiff:
            return "not a RIFF file";
        case WaveError::NotWave:
            return "not a WAVE file";
        case WaveError::BadChunkSize:
            return "a chunk runs past the end of the file";
        case WaveError::MissingFormat:
            return "no format chunk";
        case WaveError::BadFormat:
            return "malformed format chunk";
        case WaveError::UnsupportedFormat:
            return "not 8- or 16-bit PCM with one or two channels";
        case WaveError::MissingData:
            return "no data chunk";
        case WaveError::NoSamples:
            return "no samples";
    }
    return "unknown";
}

WaveParseResult parseWave(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kHeader = 12;
    constexpr std::size_t kChunkHeader = 8;
    if (bytes.size() < kHeader) return failure(WaveError::TooShort);
    const std::uint8_t* base = bytes.data();
    if (!isId(base, "RIFF")) return failure(WaveError::NotRiff);
    if (!isId(base + 8, "WAVE")) return failure(WaveError::NotWave);
    // All arithmetic in 64 bits: a declared length near 4 GiB must not wrap.
    const std::uint64_t riffEnd = std::uint64_t{8} + read32(base + 4);
    if (riffEnd < kHeader || riffEnd > bytes.size()) return failure(WaveError::BadChunkSize);

    bool haveFormat = false;
    bool haveData = false;
    WaveFormat format;
    std::uint64_t dataOffset = 0;
    std::uint64_t dataSize = 0;
    std::uint64_t at = kHeader;
    while (riffEnd - at >= kChunkHeader) {
        const std::uint8_t* chunk = base + at;
        const std::uint64_t size = read32(chunk + 4);
        const std::uint64_t body = at + kChunkHeader;
        if (size > riffEnd - body) return failure(WaveError::BadChunkSize);
        if (isId(chunk, "fmt ") && !haveFormat) {
            if (size < 16) return failure(WaveError::BadFormat);
            const std::uint8_t* f = base + body;
            format.formatTag = read16(f);
            format.channels = read16(f + 2);
            format.sampleRate = read32(f + 4);
            format.bytesPerSecond = read32(f + 8);
            format.blockAlign = read16(f + 12);
            format.bitsPerSample = read16(f + 14);
            haveFormat = true;
        } else if (isId(chunk, "data") && !haveData) {
            dataOffset = body;
            dataSize = size;
            haveData = true;
        }
        // Chunks start on even offsets; the last pad byte may be missing.
        at = body + size + (size & 1);
        if (at > riffEnd) at = riffEnd;
    }
    if (!haveFormat) return failure(WaveError::MissingFormat);
    if (const WaveError e = checkFormat(format); e != WaveError::None) return failure(e);
    if (!haveData) return failure(WaveError::MissingData);
    const std::uint64_t whole = dataSize - dataSize % format.blockAlign;
    if (whole == 0) return failure(WaveError::NoSamples);

    WaveParseResult result;
    result.clip.format = format;
    result.clip.samples =
        bytes.subspan(static_cast<std::size_t>(dataOffset), static_cast<std::size_t>(whole));
    return result;
}

std::vector<RiffChunk> riffChunks(std::span<const std::uint8_t> bytes) {
    std::vector<RiffChunk> chunks;
    if (bytes.size() < 12 || !isId(bytes.data(), "RIFF") || !isId(bytes.data() + 8, "WAVE")) {
        return chunks;
    }
    const std::uint64_t end =
        std::min<std::uint64_t>(bytes.size(), 8ull + read32(bytes.data() + 4));
    std::uint64_t at = 12;
    while (end >= at + 8) {
        const std::uint8_t* chunk = bytes.data() + at;
        const std::uint32_t size = read32(chunk + 4);
        if (size > end - at - 8) break;
        chunks.push_back({std::string(reinterpret_cast<const char*>(chunk), 4), size});
        at += 8ull + size + (size & 1);
    }
    return chunks;
}

}  // namespace qx
