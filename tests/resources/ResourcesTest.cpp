#include <QFile>

#include <gtest/gtest.h>

#include "platform/qt/FormDesign.h"
#include "platform/qt/OwnPicture.h"
#include "resources/ResourceCatalog.h"

namespace qx {
namespace {

const char* const kForms[] = {"frmMain", "Start", "About"};

TEST(Resources, EveryWindowDesignIsCompiledInAndReadable) {
    ASSERT_TRUE(resourcesAvailable());
    for (const char* form : kForms) {
        const QString path =
            resourcePath("designs", QString::fromLatin1(form) + QStringLiteral(".json"));
        ASSERT_TRUE(QFile::exists(path)) << form;
        FormDesign design;
        ASSERT_NO_THROW(design = loadFormDesign(path)) << form;
        EXPECT_EQ(design.name, QString::fromLatin1(form));
        EXPECT_FALSE(design.controls.empty()) << form;
    }
}

// A picture a design names but the program lacks would leave a blank spot.
TEST(Resources, EveryPictureADesignNamesIsCompiledIn) {
    for (const char* form : kForms) {
        const FormDesign design = loadFormDesign(
            resourcePath("designs", QString::fromLatin1(form) + QStringLiteral(".json")));
        std::vector<const ControlDesign*> pending;
        for (const ControlDesign& c : design.controls) pending.push_back(&c);
        while (!pending.empty()) {
            const ControlDesign* c = pending.back();
            pending.pop_back();
            for (const ControlDesign& child : c->children) pending.push_back(&child);
            for (const char* key : {"Picture", "Image", "MouseIcon"}) {
                const QString path = c->properties.picturePath(QString::fromLatin1(key));
                if (path.isEmpty()) continue;
                EXPECT_TRUE(path.startsWith(QLatin1String(":/bitmaps/")) ||
                            path.startsWith(QLatin1String(":/stencil/")))
                    << qPrintable(c->properties.owner()) << " " << qPrintable(path);
                EXPECT_FALSE(readOwnPicture(path).isNull())
                    << qPrintable(c->properties.owner()) << " " << qPrintable(path);
            }
        }
    }
}

}  // namespace
}  // namespace qx
