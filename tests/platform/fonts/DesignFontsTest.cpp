#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include "platform/fonts/DesignFonts.h"

namespace {

struct DesignEntry {
    const char* name;
    double points;
    bool bold;
    const char* family;
    int pixels;
};

// Every font entry the window designs use, with the size Windows gives it.
const DesignEntry kDesignEntries[] = {
    {"Verdana", 8.25, false, "DejaVu Sans", 11},
    {"Small Fonts", 6.75, false, "DejaVu Sans Condensed", 9},
    {"Small Fonts", 6.0, false, "DejaVu Sans Condensed", 8},
    {"MS Sans Serif", 9.75, true, "Liberation Sans", 13},
    {"MS Sans Serif", 8.25, false, "Liberation Sans", 11},
    {"Impact", 18.0, false, "Bebas Neue", 24},
    {"Impact", 14.25, false, "Bebas Neue", 19},
    {"PTron6", 11.25, true, "DSEG7 Classic", 15},
    {"Tahoma", 8.25, false, "DejaVu Sans Condensed", 11},
    {"Arial", 10.0, false, "Liberation Sans", 13},
};

}  // namespace

TEST(DesignFonts, EveryBundledFileRegistersOnceEvenWhenCalledAgain) {
    qx::registerBundledFonts();
    const QStringList first = qx::bundledFontFamilies();
    qx::registerBundledFonts();
    EXPECT_EQ(qx::bundledFontFamilies(), first);
    for (const char* family : {"DejaVu Sans", "Liberation Sans", "Bebas Neue", "DSEG7 Classic"}) {
        EXPECT_TRUE(first.contains(QString::fromLatin1(family))) << family;
    }
}

TEST(DesignFonts, DesignNamesResolveToTheBundledFamilyAtWindowsPixelSizes) {
    const QStringList bundled = (qx::registerBundledFonts(), qx::bundledFontFamilies());
    for (const DesignEntry& entry : kDesignEntries) {
        SCOPED_TRACE(entry.name);
        const QFont font =
            qx::designFont(QString::fromLatin1(entry.name), entry.points, entry.bold);
        const QFontInfo info(font);
        EXPECT_EQ(info.family(), QString::fromLatin1(entry.family));
        EXPECT_TRUE(bundled.contains(info.family()));
        EXPECT_EQ(font.pixelSize(), entry.pixels);
        EXPECT_EQ(info.pixelSize(), entry.pixels);
        EXPECT_EQ(info.bold(), entry.bold);
    }
}

TEST(DesignFonts, NamesIgnoreCaseAndUnknownNamesFallBackToABundledSans) {
    EXPECT_EQ(qx::designFontFamily("VERDANA"), qx::designFontFamily("Verdana"));
    EXPECT_EQ(qx::designFontFamily(" ms sans serif "), "Liberation Sans");
    const QFont unknown = qx::designFont("Wingdings Deluxe", 8.25);
    EXPECT_EQ(QFontInfo(unknown).family(), "DejaVu Sans");
    EXPECT_EQ(QFontInfo(qx::designFont("", 8.25)).family(), "DejaVu Sans");
}

TEST(DesignFonts, StyleFlagsAreApplied) {
    const QFont font = qx::designFont("Arial", 9.75, true, true, true);
    EXPECT_TRUE(QFontInfo(font).bold());
    EXPECT_TRUE(QFontInfo(font).italic());
    EXPECT_TRUE(font.underline());
}

TEST(DesignFonts, PixelSizeFollowsNinetySixDpiRounding) {
    EXPECT_EQ(qx::designPixelSize(8.25), 11);
    EXPECT_EQ(qx::designPixelSize(6.75), 9);
    EXPECT_EQ(qx::designPixelSize(11.25), 15);
    EXPECT_EQ(qx::designPixelSize(14.25), 19);
    EXPECT_EQ(qx::designPixelSize(0.0), 1);
}

// The clock label is 81 pixels wide and shows up to "00:00:00"; the option
// captions must fit their 73-pixel buttons beside the option mark.
TEST(DesignFonts, DesignTextsFitTheirControls) {
    EXPECT_LE(QFontMetrics(qx::designFont("PTron6", 11.25, true)).horizontalAdvance("00:00:00"),
              81);
    const QFontMetrics small(qx::designFont("Small Fonts", 6.75));
    for (const char* caption : {"Easy Jigsaw", "Hard Jigsaw", "Rectangular"}) {
        EXPECT_LE(small.horizontalAdvance(caption), 73 - 16) << caption;
    }
    EXPECT_LE(QFontMetrics(qx::designFont("Impact", 18)).horizontalAdvance("CONGRATULATIONS !!!"),
              217);
}

// Faces load one at a time as fonts ask for them: whatever order the styles
// are asked in, each is drawn with its own face (the style name tells faces
// apart; the bold and italic flags only echo the request).
TEST(DesignFonts, EachStyleGetsItsOwnFaceWhateverTheOrder) {
    struct Case {
        const char* name;
        bool bold;
        bool italic;
        const char* face;
    };
    const Case order[] = {
        {"Verdana", true, false, "Bold"},
        {"Verdana", false, false, "Book"},
        {"Arial", false, true, "Italic"},
        {"Arial", true, true, "Bold Italic"},
        {"Arial", false, false, "Regular"},

        {"Small Fonts", true, false, "Condensed Bold"},
        {"PTron6", true, false, "Bold"},
    };
    for (const Case& c : order) {
        SCOPED_TRACE(testing::Message() << c.name << " bold " << c.bold << " italic " << c.italic);
        const QFontInfo info(qx::designFont(QString::fromLatin1(c.name), 8.25, c.bold, c.italic));
        EXPECT_EQ(info.family(), qx::designFontFamily(QString::fromLatin1(c.name)));
        EXPECT_EQ(info.styleName().toStdString(), c.face);
        EXPECT_EQ(info.italic(), c.italic);
    }
}
