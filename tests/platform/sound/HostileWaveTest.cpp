// Every WAV file of the hostile corpus: the parser must refuse it or keep its
// samples inside the file, whatever the chunk lengths claim.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <gtest/gtest.h>

#include "platform/sound/WaveParser.h"

namespace {

TEST(HostileWaveCorpus, EveryFileIsRefusedOrStaysInsideItsBytes) {
    const char* data = std::getenv("QUILTRIX_TEST_DATA");
    ASSERT_NE(data, nullptr);
    const std::filesystem::path folder = std::filesystem::path(data) / "hostile" / "sound";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
        const qx::WaveParseResult result = qx::parseWave(bytes);
        if (result.ok()) {
            EXPECT_GE(result.clip.samples.data(), bytes.data());
            EXPECT_LE(result.clip.samples.data() + result.clip.samples.size(),
                      bytes.data() + bytes.size());
            EXPECT_GT(result.clip.format.blockAlign, 0);
        }
        for (const qx::RiffChunk& chunk : qx::riffChunks(bytes))
            EXPECT_LE(chunk.size, bytes.size());
        ++files;
    }
    EXPECT_GE(files, 3);
}

}  // namespace
