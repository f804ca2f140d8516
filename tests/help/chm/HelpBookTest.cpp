#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include "help/chm/HelpBook.h"

namespace qx::chm {
namespace {

const QString kBuiltFile = QStringLiteral(QUILTRIX_HELP_FILE);

class HelpBookTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString error;
        book = HelpBook::open(kBuiltFile, &error);
        ASSERT_TRUE(book) << error.toStdString();
    }
    std::unique_ptr<HelpBook> book;
};

TEST_F(HelpBookTest, TheMenuTopicsResolveThroughTheContextMap) {
    EXPECT_EQ(book->topicForContext(1), QStringLiteral("/howto.html"));
    EXPECT_EQ(book->topicForContext(6), QStringLiteral("/ordering.html"));
    EXPECT_EQ(book->topicForContext(7), QStringLiteral("/license.html"));
    EXPECT_EQ(book->topicForContext(2), QString());
}

TEST_F(HelpBookTest, TheMainWindowTypeCarriesTheTitleAndPages) {
    const auto type = book->windowType(QStringLiteral("main"));
    ASSERT_TRUE(type);
    EXPECT_EQ(type->caption, QStringLiteral("Quiltrix Help"));
    EXPECT_EQ(book->defaultTopic(QStringLiteral("Main")), QStringLiteral("/howto.html"));
    EXPECT_FALSE(book->windowType(QStringLiteral("Other")));
    EXPECT_EQ(book->windowType(QStringLiteral(" "))->name, QStringLiteral("Main"));
    const auto contents = book->contents(QStringLiteral("Main"));
    ASSERT_EQ(contents.size(), 3);
    EXPECT_EQ(contents[0].name, QStringLiteral("How to Use"));
    EXPECT_GT(contents[0].children.size(), 5);
    EXPECT_GT(flattenSitemap(book->index(QStringLiteral("Main"))).size(), 15);
}

TEST_F(HelpBookTest, KeywordsALinksSearchAndPopupsFindTheirPages) {
    EXPECT_EQ(book->keywordTopics(QStringLiteral("nothing; HINT BOX")),
              QStringList{QStringLiteral("/howto.html#hint")});
    EXPECT_TRUE(book->keywordTopics(QStringLiteral("no such word")).isEmpty());
    EXPECT_EQ(book->alinkTopics(QStringLiteral("Fonts;Ordering")),
              (QStringList{QStringLiteral("/license.html"), QStringLiteral("/ordering.html")}));
    const auto hits = book->search(QStringLiteral("OFL bitstream"));
    ASSERT_EQ(hits.size(), 1) << "only the licence page quotes the font licences";
    EXPECT_EQ(hits[0].title, QStringLiteral("License Agreement"));
    EXPECT_TRUE(book->search(QStringLiteral("lattice zzzunknown")).isEmpty());
    EXPECT_TRUE(book->popupText(QStringLiteral("popups.txt"), 1002)->contains(QStringLiteral("R")));
    EXPECT_FALSE(book->popupText(QStringLiteral("popups.txt"), 5));
    EXPECT_FALSE(book->popupText(QStringLiteral("missing.txt"), 1002));
}

TEST_F(HelpBookTest, TheLicencePageQuotesTheGameAndFontLicences) {
    const QByteArray page =
        book->archive().read(QStringLiteral("/license.html")).value_or(QByteArray());
    for (const char* text : {"MIT License", "Bitstream Vera", "Liberation", "Bebas Neue", "DSEG"})
        EXPECT_TRUE(page.contains(text)) << text;
    EXPECT_TRUE(book->archive().contains(QStringLiteral("/images/game.png")));
}

TEST(HelpBookOpen, MissingEmptyAndDamagedFilesAreRefusedWithAReason) {
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.chm"));
    const QString garbage = dir.filePath(QStringLiteral("garbage.chm"));
    QFile(empty).open(QIODevice::WriteOnly);
    QFile g(garbage);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write(QByteArray(4096, 'x'));
    g.close();
    const struct {
        QString path;
        const char* reason;
    } cases[] = {{dir.filePath(QStringLiteral("none.chm")), "does not exist"},
                 {empty, "is empty"},
                 {garbage, "is damaged"}};
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(HelpBook::open(c.path, &error));
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.reason))) << error.toStdString();
    }
}

TEST(HelpBookOpen, AFileCutShortAnywhereIsDamaged) {
    QFile built(kBuiltFile);
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    const QByteArray whole = built.readAll();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quiltrix.chm"));
    // Early cuts lose the directory, late ones only the compressed pages' end.
    for (const qsizetype kept : {qsizetype(700), qsizetype(5000), whole.size() / 2,
                                 whole.size() * 9 / 10, whole.size() - 1}) {
        QFile cut(path);
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly | QIODevice::Truncate));
        cut.write(whole.left(kept));
        cut.close();
        QString error;
        EXPECT_FALSE(HelpBook::open(path, &error)) << kept;
        EXPECT_TRUE(error.contains(QStringLiteral("is damaged"))) << kept << error.toStdString();
    }
}

}  // namespace
}  // namespace qx::chm
