// Every picture of the hostile corpus (tests/data/hostile/pictures), loaded
// again on each test run: each one is refused, quickly, and the readers
// underneath walk it without harm.
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <span>

#include "LoaderFixture.h"
#include "platform/image/JpegFrame.h"
#include "platform/raster/BmpFile.h"

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
        QByteArray bytes = file.readAll();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const std::optional<JpegLayout> layout = walkJpeg(buffer, 300);
        EXPECT_LE(layout ? layout->scans : 0, 301) << "the walk stops one past its limit";
        const auto* raw = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        const std::optional<Bitmap> bitmap =
            DecodeBmp24(std::span<const std::uint8_t>(raw, std::size_t(bytes.size())));
        const qint64 decoded = bitmap ? qint64(bitmap->width()) * bitmap->height() * 3 : 0;
        EXPECT_LE(decoded, bytes.size()) << "no pixel without its bytes";
    }
}

}  // namespace
}  // namespace qx::test
