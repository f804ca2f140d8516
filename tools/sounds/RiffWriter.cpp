#include "tools/sounds/RiffWriter.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace sounds {
namespace {

void put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putId(Bytes& out, const std::string& id) {
    if (id.size() != 4) throw std::invalid_argument("chunk id must have four characters");
    out.insert(out.end(), id.begin(), id.end());
}

void putChunk(Bytes& out, const std::string& id, const Bytes& body) {
    putId(out, id);
    put32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) out.push_back(0);
}

}  // namespace

Bytes encodePcm(const std::vector<double>& samples, const PcmLayout& layout) {
    Bytes out;
    for (double s : samples) {
        const double v = std::clamp(s, -1.0, 1.0);
        if (layout.bitsPerSample == 8) {
            out.push_back(static_cast<std::uint8_t>(std::lround(128.0 + v * 127.0)));
        } else {
            const auto i = static_cast<std::int16_t>(std::lround(v * 32767.0));
            put16(out, static_cast<std::uint16_t>(i));
        }
    }
    return out;
}

Bytes buildWave(const Bytes& pcm, const PcmLayout& layout, const std::vector<Chunk>& extra) {
    const std::uint16_t blockAlign = layout.bitsPerSample / 8;
    Bytes fmt;
    put16(fmt, 1);  // PCM
    put16(fmt, 1);  // mono
    put32(fmt, layout.sampleRate);
    put32(fmt, layout.sampleRate * blockAlign);
    put16(fmt, blockAlign);
    put16(fmt, layout.bitsPerSample);
    if (layout.fmtSize == 18) put16(fmt, 0);

    Bytes body;
    putId(body, "WAVE");
    putChunk(body, "fmt ", fmt);
    putChunk(body, "data", pcm);
    for (const Chunk& c : extra) putChunk(body, c.id, c.body);

    Bytes file;
    putId(file, "RIFF");
    put32(file, static_cast<std::uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

Bytes samplerChunk(std::uint32_t sampleRate, std::uint32_t frames) {
    Bytes b;
    put32(b, 0);                                                      // manufacturer
    put32(b, 0);                                                      // product
    put32(b, static_cast<std::uint32_t>(1000000000.0 / sampleRate));  // sample period, ns
    put32(b, 60);                                                     // unity note: middle C
    put32(b, 0);                                                      // pitch fraction
    put32(b, 0);                                                      // SMPTE format
    put32(b, 0);                                                      // SMPTE offset
    put32(b, 1);                                                      // one loop
    put32(b, 0);                                                      // no sampler data
    // The loop: the whole clip, forward, played once.
    put32(b, 0);           // cue point id
    put32(b, 0);           // forward
    put32(b, 0);           // start frame
    put32(b, frames - 1);  // end frame
    put32(b, 0);           // fraction
    put32(b, 1);           // play count
    return b;
}

Bytes sonicLoopChunk(std::uint32_t frames) {
    // An editor's private loop table: a version, one loop over the whole
    // clip with its mode, and an empty name field.
    Bytes b;
    put32(b, 0x0100);  // version 1.0
    put32(b, 1);       // loops
    put32(b, 0);       // loop start
    put32(b, frames);  // loop length
    put32(b, 0);       // mode: play once
    while (b.size() < 184) b.push_back(0);
    return b;
}

Bytes displayTextChunk(const std::string& sevenChars) {
    Bytes b;
    put32(b, 1);  // clipboard text
    std::string text = sevenChars.substr(0, 7);
    text.resize(7, ' ');
    b.insert(b.end(), text.begin(), text.end());
    b.push_back(0);
    return b;
}

}  // namespace sounds
