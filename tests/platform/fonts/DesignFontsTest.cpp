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

// The first window's faces are registered on the fonts-ahead thread, just
// those, and the main thread then draws with them without registering any
// face again. Application fonts are numbered from 0 as they are registered.
TEST(FontsAhead, RegistersJustTheFacesItIsGivenForTheMainThreadToUse) {
    if (!QFontDatabase::applicationFontFamilies(0).isEmpty())
        GTEST_SKIP() << "needs a process that has registered no font yet";
    {
        qx::FontsAhead ahead;
        ahead.prepare({{"Verdana", true}, {"MS Sans Serif"}});
        ahead.prepare({{"Impact"}});  // only the first call counts
    }                                 // its thread has ended
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(0), QStringList{"DejaVu Sans"});
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(1), QStringList{"Liberation Sans"});
    EXPECT_TRUE(QFontDatabase::applicationFontFamilies(2).isEmpty());

    const QFontInfo bold(qx::designFont("Verdana", 8.25, true));
    EXPECT_EQ(bold.family(), "DejaVu Sans");
    EXPECT_EQ(bold.styleName(), "Bold");
    EXPECT_EQ(QFontInfo(qx::designFont("MS Sans Serif", 8.25)).styleName(), "Regular");
    EXPECT_TRUE(QFontDatabase::applicationFontFamilies(2).isEmpty())
        << "the thread registered the faces asked for";
}

// The main thread may ask for a face while the thread is registering it, or
// before the thread got to it: either way it gets that face.
TEST(FontsAhead, FacesAskedForMeanwhileAreTheRightOnes) {
    struct Case {
        const char* name;
        bool bold;
        const char* face;
    };
    const Case cases[] = {{"Verdana", true, "Bold"},
                          {"Verdana", false, "Book"},
                          {"Arial", true, "Bold"},
                          {"Impact", false, "Regular"},
                          {"Small Fonts", false, "Condensed"},
                          {"PTron6", true, "Bold"}};
    QList<qx::FontFace> faces;
    for (const Case& c : cases) faces.append({QString::fromLatin1(c.name), c.bold});
    qx::FontsAhead ahead;
    ahead.prepare(faces);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " bold " << c.bold);
        const QFontInfo info(qx::designFont(QString::fromLatin1(c.name), 8.25, c.bold));
        EXPECT_EQ(info.family(), qx::designFontFamily(QString::fromLatin1(c.name)));
        EXPECT_EQ(info.styleName().toStdString(), c.face);
    }
}

TEST(FontsAhead, NeverGivenAnyFontsItStillEndsAndFontsStillLoad) {
    { const qx::FontsAhead ahead; }
    EXPECT_EQ(QFontInfo(qx::designFont("Impact", 18)).family(), "Bebas Neue");
}
