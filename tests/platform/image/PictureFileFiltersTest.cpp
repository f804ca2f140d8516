#include <gtest/gtest.h>

#include "platform/image/PictureFileFilters.h"

namespace qx {
namespace {

TEST(PictureFileFilters, AllPicturesListsOnlyThePlayersKindsThatCanBeRead) {
    const QStringList filters = pictureNameFilters();
    ASSERT_EQ(filters.size(), 3);
    EXPECT_EQ(filters[0], QStringLiteral("Image Files (*.gif *.jpg *.bmp *.GIF *.JPG *.BMP)"));
    EXPECT_EQ(filters[2], QStringLiteral("All Files (*)"));
    QString expected;
    for (const char* kind : {"png", "jpg", "jpeg", "gif", "bmp", "webp", "tif", "tiff"}) {
        if (!readablePictureSuffixes().contains(QLatin1String(kind))) continue;
        expected += (expected.isEmpty() ? QString() : QStringLiteral(" ")) + QStringLiteral("*.") +
                    QLatin1String(kind);
    }
    EXPECT_EQ(filters[1], QStringLiteral("All Pictures (") + expected + QStringLiteral(")"));
    EXPECT_TRUE(expected.startsWith(QStringLiteral("*.png *.jpg *.jpeg *.gif *.bmp")));
    EXPECT_LE(filters[1].size(), 80) << "short enough to show whole";
}

}  // namespace
}  // namespace qx
