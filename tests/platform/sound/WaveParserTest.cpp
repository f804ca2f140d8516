#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "WaveBytes.h"
#include "platform/sound/WaveParser.h"

using namespace wavetest;
using qx::parseWave;
using qx::WaveError;

namespace {

Bytes readClip(int n) {
    std::ifstream in(std::string(QX_SOUNDS_DIR) + "/SOUND" + std::to_string(n) + ".wav",
                     std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

struct ClipFacts {
    std::size_t fileBytes;
    std::uint32_t rate;
    std::uint16_t bits;
    std::size_t dataBytes;
    double seconds;
    std::vector<std::pair<std::string, std::uint32_t>> extra;
};

const ClipFacts kClips[5] = {
    {584, 11025, 8, 540, 0.05, {}},
    {8320, 44100, 16, 8206, 0.09, {{"smpl", 60}}},
    {19356, 11025, 8, 19098, 1.73, {{"SyLp", 184}, {"DISP", 12}}},
    {3672, 11025, 8, 3436, 0.31, {{"SyLp", 184}}},
    {9528, 44100, 16, 9416, 0.11, {{"smpl", 60}}},
};

bool insideBuffer(const qx::WaveParseResult& r, const Bytes& b) {
    if (!r.ok()) return r.clip.samples.empty();
    return r.clip.samples.data() >= b.data() &&
           r.clip.samples.data() + r.clip.samples.size() <= b.data() + b.size();
}

}  // namespace

TEST(WaveParser, TheFiveClipsHaveTheirSizesFormatsAndChunks) {
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        const ClipFacts& facts = kClips[n - 1];
        const Bytes file = readClip(n);
        ASSERT_EQ(file.size(), facts.fileBytes);
        const auto r = parseWave(view(file));
        ASSERT_TRUE(r.ok()) << qx::describe(r.error);
        EXPECT_EQ(r.clip.format.formatTag, 1);
        EXPECT_EQ(r.clip.format.channels, 1);
        EXPECT_EQ(r.clip.format.sampleRate, facts.rate);
        EXPECT_EQ(r.clip.format.bitsPerSample, facts.bits);
        EXPECT_EQ(r.clip.format.bytesPerSecond, facts.rate * facts.bits / 8);
        EXPECT_EQ(r.clip.samples.size(), facts.dataBytes);
        EXPECT_NEAR(r.clip.seconds(), facts.seconds, 0.005);

        const auto chunks = qx::riffChunks(view(file));
        ASSERT_EQ(chunks.size(), 2 + facts.extra.size());
        EXPECT_EQ(chunks[0].id, "fmt ");
        EXPECT_EQ(chunks[1].id, "data");
        EXPECT_EQ(chunks[1].size, facts.dataBytes);
        for (std::size_t i = 0; i < facts.extra.size(); ++i) {
            EXPECT_EQ(chunks[2 + i].id, facts.extra[i].first);
            EXPECT_EQ(chunks[2 + i].size, facts.extra[i].second);
        }
        // Clips begin and end in silence, so they never click.
        const std::uint8_t silence = facts.bits == 8 ? 128 : 0;
        EXPECT_EQ(r.clip.samples.front(), silence);
        EXPECT_EQ(r.clip.samples.back(), silence);
    }
}

TEST(WaveParser, HeadersThatAreNotRiffWaveAreRejected) {
    EXPECT_EQ(parseWave({}).error, WaveError::TooShort);
    Bytes good = simpleWave(11025, 8, 10);
    EXPECT_EQ(parseWave(view(Bytes(good.begin(), good.begin() + 11))).error, WaveError::TooShort);
    Bytes rifx = good;
    rifx[3] = 'X';
    EXPECT_EQ(parseWave(view(rifx)).error, WaveError::NotRiff);
    Bytes avi = good;
    std::copy_n("AVI ", 4, avi.begin() + 8);
    EXPECT_EQ(parseWave(view(avi)).error, WaveError::NotWave);
}

TEST(WaveParser, LengthsRunningPastTheEndAreRejected) {
    const Bytes fmt = chunk("fmt ", fmtBody(1, 1, 11025, 8));
    const Bytes samples(100, 128);
    // A truncated real clip: its RIFF length promises more than there is.
    const Bytes clip = readClip(3);
    EXPECT_EQ(parseWave(view(Bytes(clip.begin(), clip.begin() + 5000))).error,
              WaveError::BadChunkSize);
    EXPECT_EQ(parseWave(view(Bytes(clip.begin(), clip.end() - 1))).error, WaveError::BadChunkSize);
    // A data chunk longer than the file, by a little and by nearly 4 GiB.
    EXPECT_EQ(parseWave(view(riff({fmt, chunk("data", samples, 101)}))).error,
              WaveError::BadChunkSize);
    EXPECT_EQ(parseWave(view(riff({fmt, chunk("data", samples, 0xFFFFFFFF)}))).error,
              WaveError::BadChunkSize);
    EXPECT_EQ(parseWave(view(riff({fmt, chunk("data", samples, 0xFFFFFFF8)}))).error,
              WaveError::BadChunkSize);
    // A RIFF length of 4 GiB, and one too small to hold even "WAVE".
    EXPECT_EQ(parseWave(view(riff({fmt, chunk("data", samples)}, 0xFFFFFFFF))).error,
              WaveError::BadChunkSize);
    EXPECT_EQ(parseWave(view(riff({fmt, chunk("data", samples)}, 2))).error,
              WaveError::BadChunkSize);
    // An extra chunk with a huge length before the data.
    EXPECT_EQ(
        parseWave(view(riff({fmt, chunk("LIST", Bytes(4), 0x7FFFFFFF), chunk("data", samples)})))
            .error,
        WaveError::BadChunkSize);
}

TEST(WaveParser, MissingOrBadFormatAndDataChunksAreRejected) {
    const Bytes samples(100, 128);
    const Bytes fmt = chunk("fmt ", fmtBody(1, 1, 11025, 8));
    EXPECT_EQ(parseWave(view(riff({chunk("data", samples)}))).error, WaveError::MissingFormat);
    EXPECT_EQ(parseWave(view(riff({fmt}))).error, WaveError::MissingData);
    EXPECT_EQ(parseWave(view(riff({fmt, chunk("smpl", Bytes(60))}))).error, WaveError::MissingData);
    EXPECT_EQ(parseWave(view(riff({}))).error, WaveError::MissingFormat);
    EXPECT_EQ(parseWave(view(riff({chunk("fmt ", fmtBody(1, 1, 11025, 8, 0, 14)),
                                   chunk("data", samples)})))
                  .error,
              WaveError::BadFormat);
    EXPECT_EQ(
        parseWave(view(riff({chunk("fmt ", fmtBody(1, 1, 11025, 16, 1)), chunk("data", samples)})))
            .error,
        WaveError::BadFormat);
    for (const Bytes& unsupported :
         {fmtBody(3, 1, 44100, 32), fmtBody(0xFFFE, 2, 44100, 16), fmtBody(1, 1, 44100, 24),
          fmtBody(1, 6, 44100, 16), fmtBody(1, 0, 44100, 16, 2), fmtBody(1, 1, 0, 8)}) {
        EXPECT_EQ(parseWave(view(riff({chunk("fmt ", unsupported), chunk("data", samples)}))).error,
                  WaveError::UnsupportedFormat);
    }
}

TEST(WaveParser, ZeroLengthDataOrLessThanOneFrameHasNoSamples) {
    const Bytes fmt16 = chunk("fmt ", fmtBody(1, 1, 44100, 16));
    EXPECT_EQ(parseWave(view(riff({fmt16, chunk("data", {})}))).error, WaveError::NoSamples);
    EXPECT_EQ(parseWave(view(riff({fmt16, chunk("data", {0x12})}))).error, WaveError::NoSamples);
    // An odd data length keeps whole frames only.
    const auto r = parseWave(view(riff({fmt16, chunk("data", Bytes(9, 1))})));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.clip.samples.size(), 8u);
    EXPECT_EQ(r.clip.frameCount(), 4u);
}

TEST(WaveParser, OtherChunksAndPaddingAreSkipped) {
    const Bytes samples{1, 2, 3, 4, 5, 6};
    // An odd-sized chunk before "fmt " and "data" is followed by its pad byte;
    // a second "fmt " or "data" does not replace the first.
    const Bytes file =
        riff({chunk("LIST", Bytes(5, 'x')), chunk("fmt ", fmtBody(1, 2, 22050, 8, 0, 18)),
              chunk("data", samples), chunk("fmt ", fmtBody(1, 1, 8000, 16)),
              chunk("data", Bytes(40, 0)), chunk("DISP", Bytes(12, 0))});
    const auto r = parseWave(view(file));
    ASSERT_TRUE(r.ok()) << qx::describe(r.error);
    EXPECT_EQ(r.clip.format.channels, 2);
    EXPECT_EQ(r.clip.format.sampleRate, 22050u);
    ASSERT_EQ(r.clip.samples.size(), 6u);
    EXPECT_EQ(r.clip.samples[0], 1);
    EXPECT_EQ(r.clip.frameCount(), 3u);

    // "data" before "fmt ", a last odd chunk without its pad byte, and a few
    // stray bytes after the RIFF body are all tolerated.
    Bytes tail = riff({chunk("data", Bytes(4, 9)), chunk("fmt ", fmtBody(1, 1, 11025, 8))});
    Bytes odd = chunk("note", Bytes(3, 'n'));
    odd.pop_back();
    Bytes file2 = riff({chunk("data", Bytes(4, 9)), chunk("fmt ", fmtBody(1, 1, 11025, 8)), odd});
    EXPECT_TRUE(parseWave(view(file2)).ok());
    tail.insert(tail.end(), {0, 0, 0});
    EXPECT_TRUE(parseWave(view(tail)).ok());
}

// Every cut and every damaged byte of a real clip must either parse to
// samples inside the buffer or fail: never a read outside it.
TEST(WaveParser, DamagedCopiesOfTheRealClipsStayInsideTheirBuffers) {
    for (int n = 1; n <= 5; ++n) {
        const Bytes clip = readClip(n);
        for (std::size_t length = 0; length < clip.size(); ++length) {
            const Bytes cut(clip.begin(), clip.begin() + length);
            const auto r = parseWave(view(cut));
            EXPECT_FALSE(r.ok()) << n << " cut at " << length;
        }
        std::uint32_t seed = 12345 + n;
        for (int round = 0; round < 400; ++round) {
            Bytes damaged = clip;
            for (int k = 0; k < 3; ++k) {
                seed = seed * 1664525u + 1013904223u;
                // Mostly the headers, where the lengths are.
                const std::size_t span = k < 2 ? 48 : damaged.size();
                damaged[(seed >> 8) % span] ^= static_cast<std::uint8_t>(seed >> 24);
            }
            const auto r = parseWave(view(damaged));
            ASSERT_TRUE(insideBuffer(r, damaged)) << n << " round " << round;
        }
    }
}
