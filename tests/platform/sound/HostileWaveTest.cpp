// Every WAV file of the hostile corpus: the parser must refuse it or keep its
// samples inside the file, whatever the chunk lengths claim.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <gtest/gtest.h>

#include "tests/fuzz/WaveChecks.h"

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
        EXPECT_TRUE(qx::checks::waveStaysInside(bytes));
        ++files;
    }
    EXPECT_GE(files, 3);
}

}  // namespace
