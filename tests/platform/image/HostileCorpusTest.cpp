// Every picture of the hostile corpus (tests/data/hostile/pictures), loaded
// again on each test run: each one is refused, quickly, and the readers
// underneath walk it without harm.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdint>
#include <span>

#include "LoaderFixture.h"
#include "tests/fuzz/BmpChecks.h"
#include "tests/fuzz/JpegChecks.h"

namespace qx::test {
namespace {

TEST(HostileCorpus, EveryPictureIsRefusedWithinASecond) {
    const QDir folder(qEnvironmentVariable("QUILTRIX_TEST_DATA") +
                      QStringLiteral("/hostile/pictures"));
    const QStringList names = folder.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(names.size(), 10) << folder.path().toStdString();
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QElapsedTimer clock;
        clock.start();
        const LoadedPicture picture = LoadPicture(folder.filePath(name));
        EXPECT_LT(clock.elapsed(), 1000);
        EXPECT_EQ(picture.status, PictureLoadStatus::Unreadable);

        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(checks::jpegWalkBounded(bytes, 300)) << "the walk stops one past its limit";
        const std::span<const std::uint8_t> raw(
            reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
        EXPECT_TRUE(checks::bmpHasItsBytes(raw)) << "no pixel without its bytes";
    }
}

}  // namespace
}  // namespace qx::test
