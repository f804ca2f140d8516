#include <QFile>

#include <gtest/gtest.h>

#include "resources/ResourceCatalog.h"

TEST(Resources, AreCompiledIntoTheProgram) {
    EXPECT_TRUE(qx::resourcesAvailable());
    EXPECT_TRUE(QFile::exists(qx::resourcePath("designs", "probe.txt")));
}
