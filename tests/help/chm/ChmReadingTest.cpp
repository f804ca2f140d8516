#include <gtest/gtest.h>
#include <QtEndian>

#include "help/chm/ContextMap.h"
#include "help/chm/PageText.h"
#include "help/chm/Sitemap.h"
#include "help/chm/TextPopups.h"

namespace qx::chm {
namespace {

QByteArray ivb(std::initializer_list<std::pair<quint32, quint32>> pairs, quint32 declared) {
    QByteArray out(4, '\0');
    qToLittleEndian<quint32>(declared, out.data());
    for (const auto& [id, offset] : pairs) {
        char bytes[8];
        qToLittleEndian<quint32>(id, bytes);
        qToLittleEndian<quint32>(offset, bytes + 4);
        out.append(bytes, 8);
    }
    return out;
}

TEST(ContextMap, PairsBeyondTheDeclaredCountOrTheStringsAreIgnored) {
    const QByteArray strings("\0/abs/a.html\0b.html\0", 20);
    const auto map = parseContextMap(ivb({{1, 1}, {6, 13}, {9, 500}, {7, 1}}, 24), strings);
    EXPECT_EQ(map.value(1), QStringLiteral("/abs/a.html"));
    EXPECT_EQ(map.value(6), QStringLiteral("b.html"));
    EXPECT_FALSE(map.contains(9)) << "an offset past /#STRINGS names nothing";
    EXPECT_FALSE(map.contains(7)) << "the fourth pair lies past the byte count";
    EXPECT_TRUE(parseContextMap(QByteArray("\x01", 1), strings).isEmpty());
}

TEST(ContextMap, TargetsResolveByTheLongestPathSuffixTheFileHolds) {
    const QStringList files{QStringLiteral("/howto.html"), QStringLiteral("/sub/Page.htm"),
                            QStringLiteral("/images/a.png")};
    const struct {
        const char* target;
        const char* expected;
    } cases[] = {
        {"/work/build/help/howto.html", "/howto.html"},
        {"C:\\build\\sub\\page.htm", "/sub/Page.htm"},
        {"howto.html#clock", "/howto.html#clock"},
        {"/x/sub/missing.html", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(resolveTopicPath(QString::fromUtf8(c.target), files),
                  QString::fromUtf8(c.expected))
            << c.target;
}

TEST(Sitemap, NestedListsBecomeChildrenAndEveryLocalIsKept) {
    const QByteArray hhc = R"(<ul>
      <li><OBJECT type="text/sitemap"><param name="Name" value="One &amp; Two">
          <param name="Local" value="a.html"><param name="Local" value="b.html"></OBJECT>
      <UL><li><object type="text/sitemap"><param name="Name" value="Child"><param name="Local" value="c.html#x"></object></UL>
      <li><object type="text/sitemap"><param name="Name" value="Last"></object>
      <li><object type="application/x-other"><param name="Name" value="Skipped"></object>
    </ul>)";
    const auto tree = parseSitemap(hhc);
    ASSERT_EQ(tree.size(), 2);
    EXPECT_EQ(tree[0].name, QStringLiteral("One & Two"));
    EXPECT_EQ(tree[0].locals, (QStringList{QStringLiteral("a.html"), QStringLiteral("b.html")}));
    ASSERT_EQ(tree[0].children.size(), 1);
    EXPECT_EQ(tree[0].children[0].locals.value(0), QStringLiteral("c.html#x"));
    EXPECT_EQ(tree[1].name, QStringLiteral("Last"));
    EXPECT_EQ(flattenSitemap(tree).size(), 3);
    EXPECT_TRUE(parseSitemap("<ul><ul></ul></ul></ul>").isEmpty()) << "stray tags are harmless";
}

TEST(PageText, TextTitleAndLinkNamesComeOutOfTheMarkup) {
    const QByteArray html = R"(<html><head><title>A &lt;b&gt;</title><style>p{}</style></head>
        <body><object><param name="ALink Name" value="One; Two"><param name="Keyword" value="k">
        </object><p>Hello&nbsp;&#65;&#x42;
        world</p><script>var hidden;</script></body></html>)";
    EXPECT_EQ(pageText(html), QStringLiteral("Hello AB world"));
    EXPECT_EQ(pageTitle(html), QStringLiteral("A <b>"));
    EXPECT_EQ(pageLinkNames(html, QStringLiteral("alink name")),
              (QStringList{QStringLiteral("One"), QStringLiteral("Two")}));
    EXPECT_EQ(decodeEntities(QStringLiteral("&bogus; &#0; &amp")),
              QStringLiteral("&bogus; &#0; &amp"));
}

TEST(TextPopups, TopicsCollectTheirLinesUpToTheNext) {
    const QByteArray source =
        ".topic 10\nfirst line\nsame paragraph\n\nsecond paragraph\n.topic x\nno number\n"
        ".TOPIC 11\r\nlast\r\n";
    const auto popups = parseTextPopups(source);
    EXPECT_EQ(popups.size(), 2);
    EXPECT_EQ(popups.value(10), QStringLiteral("first line same paragraph\nsecond paragraph"));
    EXPECT_EQ(popups.value(11), QStringLiteral("last"));
}

}  // namespace
}  // namespace qx::chm
