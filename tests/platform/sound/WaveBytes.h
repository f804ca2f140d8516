#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace wavetest {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::uint32_t v);
void put32(Bytes& b, std::uint32_t v);
// A chunk with the given id and body; `declared` overrides its length field.
Bytes chunk(const std::string& id, const Bytes& body, std::int64_t declared = -1);
Bytes fmtBody(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
              std::uint16_t blockAlign = 0, std::size_t size = 16);
// "RIFF", the length of what follows (or `declared`), "WAVE", then the chunks.
Bytes riff(const std::vector<Bytes>& chunks, std::int64_t declared = -1);
// A well-formed mono clip with `frames` frames.
Bytes simpleWave(std::uint32_t rate, std::uint16_t bits, std::size_t frames);

inline std::span<const std::uint8_t> view(const Bytes& b) {
    return {b.data(), b.size()};
}

}  // namespace wavetest
