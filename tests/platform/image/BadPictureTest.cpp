// Files that are not usable pictures: each must come back Unreadable, quickly,
// without crashing and without a large allocation.
#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "LoaderFixture.h"

namespace qx::test {
namespace {

class BadPictureTest : public LoaderTest {
protected:
    void expectUnreadable(const QString& path, const char* what) {
        SCOPED_TRACE(what);
        const LoadedPicture picture = LoadPicture(path);
        EXPECT_EQ(picture.status, PictureLoadStatus::Unreadable);
        EXPECT_TRUE(picture.master.isNull());
        EXPECT_TRUE(picture.hint.isNull());
    }
};

// Collects Qt's warnings while alive.
class WarningLog {
public:
    WarningLog() { previous_ = qInstallMessageHandler(&WarningLog::collect); }
    ~WarningLog() { qInstallMessageHandler(previous_); }
    static QStringList& lines() {
        static QStringList collected;
        return collected;
    }

private:
    static void collect(QtMsgType, const QMessageLogContext&, const QString& message) {
        lines() << message;
    }
    QtMessageHandler previous_;
};

TEST_F(BadPictureTest, FilesThatAreNoPictureAreUnreadable) {
    const QByteArray jpeg = encode(coordinatePattern(300, 200), "jpeg", 90);
    const QByteArray png = encode(coordinatePattern(300, 200), "png");
    expectUnreadable(write("empty.jpg", QByteArray()), "zero bytes, .jpg");
    expectUnreadable(write("empty.bmp", QByteArray()), "zero bytes, .bmp");
    expectUnreadable(write("letter.jpg", "Dear player,\nthis is no photo.\n"), "text named .jpg");
    expectUnreadable(write("page.gif", "<html><body>GIF89a</body></html>"), "html named .gif");
    expectUnreadable(write("header.jpg", jpeg.left(20)), "JPEG cut inside its header");
    expectUnreadable(write("half.png", png.left(png.size() / 2)), "PNG cut in half");
    expectUnreadable(write("zero.ppm", "P6\n0 0\n255\n"), "decodes to an empty image");
    expectUnreadable(write("bmp.bmp", "BM"), "BMP signature only");

    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.jpg"));
    expectUnreadable(pathOf("folder.jpg"), "a directory");
    expectUnreadable(pathOf("missing.jpg"), "a path that does not exist");
    expectUnreadable(QString(), "an empty path");
    ASSERT_TRUE(QFile::link(pathOf("gone.jpg"), pathOf("dangling.jpg")));
    expectUnreadable(pathOf("dangling.jpg"), "a link to nothing");
    expectUnreadable(pathOf("half.png") + "/inside.jpg", "below a plain file");
    expectUnreadable("/dev/zero", "a device that never ends");

    // A pipe with no writer would block the reader forever.
    const QString pipe = pathOf("pipe.jpg");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    expectUnreadable(pipe, "a named pipe");

    // Qt would otherwise find photo.png when asked for photo.
    write("photo.png", png);
    expectUnreadable(pathOf("photo"), "a name Qt could complete with a suffix");
}

TEST_F(BadPictureTest, FileWithoutReadPermissionIsUnreadable) {
    const QString path = write("secret.png", coordinatePattern(100, 100), "png");
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0), 0);
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly)) GTEST_SKIP() << "running with rights that ignore modes";
    expectUnreadable(path, "no read permission");
}

TEST_F(BadPictureTest, HeadersClaimingHugeSizesAreRefusedBeforeDecoding) {
    const QByteArray jpeg = encode(quadrants(64, 64), "jpeg", 90);
    struct Claim {
        const char* name;
        QByteArray bytes;
    };
    const std::vector<Claim> claims = {
        {"huge.png", pngClaiming(60000, 60000)},
        {"huge.bmp", bmpClaiming(60000, 60000)},
        {"topdown.bmp", bmpClaiming(60000, -60000)},
        {"huge.gif", gifClaiming(60000, 60000)},
        {"huge.jpg", jpegClaiming(jpeg, 60000, 60000)},
        {"widest.jpg", jpegClaiming(jpeg, 65535, 65535)},
    };
    for (const Claim& claim : claims) {
        ASSERT_FALSE(claim.bytes.isEmpty()) << claim.name;
        const QString path = write(claim.name, claim.bytes);
        WarningLog log;
        WarningLog::lines().clear();
        expectUnreadable(path, claim.name);
        // Refused by our own header check, not by Qt's limit or the allocator.
        for (const QString& line : WarningLog::lines()) {
            EXPECT_FALSE(line.contains("allocation limit") || line.contains("out of memory"))
                << claim.name << ": " << line.toStdString();
        }
    }
}

}  // namespace
}  // namespace qx::test
