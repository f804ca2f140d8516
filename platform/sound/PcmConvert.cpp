#include "platform/sound/PcmConvert.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qx {
namespace {

// Sample `channel` of frame `frame` as -1..1.
float sampleAt(const WaveClip& clip, std::size_t frame, int channel) {
    const WaveFormat& f = clip.format;
    const std::uint8_t* p =
        clip.samples.data() + frame * f.blockAlign + channel * (f.bitsPerSample / 8);
    // 8-bit samples are written as 128 + 127 v: read them back the same way.
    if (f.bitsPerSample == 8) return std::max(-1.0f, (static_cast<int>(p[0]) - 128) / 127.0f);
    const auto v = static_cast<std::int16_t>(p[0] | (p[1] << 8));
    return v / 32768.0f;
}

float mixedSample(const WaveClip& clip, std::size_t frame, int channel, int targetChannels) {
    const int sourceChannels = clip.format.channels;
    if (targetChannels == 1 && sourceChannels == 2) {
        return 0.5f * (sampleAt(clip, frame, 0) + sampleAt(clip, frame, 1));
    }
    return sampleAt(clip, frame, std::min(channel, sourceChannels - 1));
}

void append(std::vector<std::uint8_t>& out, float v, SampleType type) {
    v = std::clamp(v, -1.0f, 1.0f);
    switch (type) {
        case SampleType::UInt8:
            out.push_back(static_cast<std::uint8_t>(std::lround(128.0f + v * 127.0f)));
            break;
        case SampleType::Int16: {
            const auto s = static_cast<std::int16_t>(std::lround(v * 32767.0f));
            out.push_back(static_cast<std::uint8_t>(s & 0xFF));
            out.push_back(static_cast<std::uint8_t>((s >> 8) & 0xFF));
            break;
        }
        case SampleType::Int32: {
            const auto s = static_cast<std::int32_t>(std::lround(v * 2147483647.0));
            for (int i = 0; i < 4; ++i)
                out.push_back(static_cast<std::uint8_t>((s >> (8 * i)) & 0xFF));
            break;
        }
        case SampleType::Float: {
            std::uint8_t raw[4];
            std::memcpy(raw, &v, 4);
            out.insert(out.end(), raw, raw + 4);
            break;
        }
    }
}

}  // namespace

int sampleBytes(SampleType type) {
    switch (type) {
        case SampleType::UInt8:
            return 1;
        case SampleType::Int16:
            return 2;
        case SampleType::Int32:
        case SampleType::Float:
            return 4;
    }
    return 2;
}

std::vector<std::uint8_t> convertPcm(const WaveClip& clip, const PcmTarget& target) {
    std::vector<std::uint8_t> out;
    const std::size_t frames = clip.frameCount();
    if (frames == 0 || target.sampleRate == 0 || target.channels < 1 ||
        clip.format.sampleRate == 0) {
        return out;
    }
    const double step = static_cast<double>(clip.format.sampleRate) / target.sampleRate;
    const auto outFrames = static_cast<std::size_t>(
        std::llround(static_cast<double>(frames) * target.sampleRate / clip.format.sampleRate));
    out.reserve(outFrames * target.channels * sampleBytes(target.type));
    for (std::size_t i = 0; i < outFrames; ++i) {
        const double pos = i * step;
        const auto left = std::min(static_cast<std::size_t>(pos), frames - 1);
        const std::size_t right = std::min(left + 1, frames - 1);
        const auto frac = static_cast<float>(pos - static_cast<double>(left));
        for (int c = 0; c < target.channels; ++c) {
            const float a = mixedSample(clip, left, c, target.channels);
            const float b = mixedSample(clip, right, c, target.channels);
            append(out, a + (b - a) * frac, target.type);
        }
    }
    return out;
}

}  // namespace qx
