#include "WaveBytes.h"

namespace wavetest {

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}

void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

Bytes chunk(const std::string& id, const Bytes& body, std::int64_t declared) {
    Bytes b(id.begin(), id.end());
    put32(b, declared >= 0 ? static_cast<std::uint32_t>(declared)
                           : static_cast<std::uint32_t>(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() % 2) b.push_back(0);
    return b;
}

Bytes fmtBody(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
              std::uint16_t blockAlign, std::size_t size) {
    if (blockAlign == 0) blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    Bytes b;
    put16(b, tag);
    put16(b, channels);
    put32(b, rate);
    put32(b, rate * blockAlign);
    put16(b, blockAlign);
    put16(b, bits);
    b.resize(size, 0);
    return b;
}

Bytes riff(const std::vector<Bytes>& chunks, std::int64_t declared) {
    Bytes body{'W', 'A', 'V', 'E'};
    for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    Bytes b{'R', 'I', 'F', 'F'};
    put32(b, declared >= 0 ? static_cast<std::uint32_t>(declared)
                           : static_cast<std::uint32_t>(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

Bytes simpleWave(std::uint32_t rate, std::uint16_t bits, std::size_t frames) {
    Bytes samples(frames * bits / 8);
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::uint8_t>(i * 7);
    return riff({chunk("fmt ", fmtBody(1, 1, rate, bits)), chunk("data", samples)});
}

}  // namespace wavetest
