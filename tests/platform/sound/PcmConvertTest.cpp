#include <cstring>

#include <gtest/gtest.h>

#include "WaveBytes.h"
#include "platform/sound/PcmConvert.h"

using namespace wavetest;

namespace {

qx::WaveClip clipOf(const Bytes& samples, std::uint16_t channels, std::uint32_t rate,
                    std::uint16_t bits) {
    qx::WaveClip clip;
    clip.format = {1,
                   channels,
                   rate,
                   rate * channels * bits / 8,
                   static_cast<std::uint16_t>(channels * bits / 8),
                   bits};
    clip.samples = view(samples);
    return clip;
}

std::int16_t int16At(const std::vector<std::uint8_t>& b, std::size_t i) {
    return static_cast<std::int16_t>(b[2 * i] | (b[2 * i + 1] << 8));
}

}  // namespace

TEST(PcmConvert, EightBitBecomesSignedSixteenBitAroundZero) {
    const Bytes samples{128, 255, 0, 192};
    const auto out =
        qx::convertPcm(clipOf(samples, 1, 11025, 8), {11025, 1, qx::SampleType::Int16});
    ASSERT_EQ(out.size(), 8u);
    EXPECT_EQ(int16At(out, 0), 0);
    EXPECT_GT(int16At(out, 1), 32000);
    EXPECT_EQ(int16At(out, 2), -32767);
    EXPECT_NEAR(int16At(out, 3), 16384, 200);
}

TEST(PcmConvert, ChangingTheRateKeepsTheDurationAndInterpolates) {
    Bytes ramp;
    for (int i = 0; i < 100; ++i) put16(ramp, static_cast<std::uint16_t>(i * 100));
    const auto clip = clipOf(ramp, 1, 11025, 16);
    const auto out = qx::convertPcm(clip, {44100, 1, qx::SampleType::Int16});
    ASSERT_EQ(out.size() / 2, 400u);
    EXPECT_NEAR(int16At(out, 4), 100, 2);
    EXPECT_NEAR(int16At(out, 6), 150, 2);
    const auto down = qx::convertPcm(clip, {5512, 1, qx::SampleType::Int16});
    EXPECT_EQ(down.size() / 2, 50u);
}

TEST(PcmConvert, ChannelsAreCopiedOrMixed) {
    const Bytes mono{255, 0};
    const auto stereo = qx::convertPcm(clipOf(mono, 1, 8000, 8), {8000, 2, qx::SampleType::UInt8});
    EXPECT_EQ(stereo, (std::vector<std::uint8_t>{255, 255, 1, 1}));
    const Bytes leftRight{255, 128, 0, 128};
    const auto mixed =
        qx::convertPcm(clipOf(leftRight, 2, 8000, 8), {8000, 1, qx::SampleType::UInt8});
    ASSERT_EQ(mixed.size(), 2u);
    EXPECT_NEAR(mixed[0], 128 + 63, 1);
    EXPECT_NEAR(mixed[1], 128 - 64, 1);
}

TEST(PcmConvert, FloatAndThirtyTwoBitTargets) {
    const Bytes samples{0, 128};
    const auto clip = clipOf(samples, 1, 8000, 8);
    const auto f = qx::convertPcm(clip, {8000, 1, qx::SampleType::Float});
    ASSERT_EQ(f.size(), 8u);
    float first = 0, second = 1;
    std::memcpy(&first, f.data(), 4);
    std::memcpy(&second, f.data() + 4, 4);
    EXPECT_FLOAT_EQ(first, -1.0f);
    EXPECT_FLOAT_EQ(second, 0.0f);
    EXPECT_EQ(qx::convertPcm(clip, {8000, 1, qx::SampleType::Int32}).size(), 8u);
}

TEST(PcmConvert, NothingToConvertGivesNothing) {
    const Bytes none;
    EXPECT_TRUE(qx::convertPcm(clipOf(none, 1, 8000, 8), {8000, 1, qx::SampleType::Int16}).empty());
    const Bytes one{1};
    EXPECT_TRUE(qx::convertPcm(clipOf(one, 1, 8000, 8), {0, 1, qx::SampleType::Int16}).empty());
}
