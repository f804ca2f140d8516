#pragma once

#include <cstdint>
#include <vector>

#include "platform/sound/WaveParser.h"

namespace qx {

enum class SampleType { UInt8, Int16, Int32, Float };

struct PcmTarget {
    std::uint32_t sampleRate;
    int channels;
    SampleType type;
};

// Bytes per sample of one channel.
int sampleBytes(SampleType type);

// The clip's samples in another rate, channel count and sample type, for an
// output device that does not take the clip as it is. Rates are changed by
// linear interpolation; stereo to mono averages, mono to more channels copies.
std::vector<std::uint8_t> convertPcm(const WaveClip& clip, const PcmTarget& target);

}  // namespace qx
