#include <QAccessible>
#include <QPointer>
#include <QTest>
#include <functional>

#include <gtest/gtest.h>

#include "GameTestSupport.h"
#include "platform/qt/SingleInstanceLock.h"
#include "quiltrix/Version.h"
#include "shell/About.h"
#include "shell/Accessibility.h"
#include "shell/Start.h"
#include "shell/Win.h"

namespace qx {
namespace {

// One line of a window's accessibility tree, as a screen reader reads it.
struct Seen {
    QAccessible::Role role;
    QString name;
    QAccessibleInterface* iface;
};

void collect(QAccessibleInterface* iface, std::vector<Seen>& out) {
    if (!iface || !iface->isValid()) return;
    out.push_back({iface->role(), iface->text(QAccessible::Name), iface});
    for (int i = 0; i < iface->childCount(); ++i) collect(iface->child(i), out);
}

std::vector<Seen> treeOf(QWidget& window) {
    std::vector<Seen> seen;
    collect(QAccessible::queryAccessibleInterface(&window), seen);
    return seen;
}

QAccessibleInterface* find(const std::vector<Seen>& tree, QAccessible::Role role,
                           const QString& name) {
    for (const Seen& s : tree)
        if (s.role == role && s.name == name) return s.iface;
    return nullptr;
}

// What a player can use or read must say what it is.
void expectEveryControlNamed(const std::vector<Seen>& tree) {
    using R = QAccessible::Role;
    for (const Seen& s : tree) {
        for (R role : {R::Button, R::CheckBox, R::RadioButton, R::StaticText, R::Graphic, R::Link,
                       R::Dialog, R::Window, R::TitleBar})
            if (s.role == role) {
                EXPECT_FALSE(s.name.trimmed().isEmpty()) << "unnamed role " << int(role);
            }
    }
}

const QString kVersion = QStringLiteral(QUILTRIX_VERSION);

// As at program start: the interfaces are known before any window is made
// (a widget's first change of name already asks for its interface).
class ShellAccessibility : public GameTest {
protected:
    void SetUp() override {
        installAccessibility();
        GameTest::SetUp();
    }
};

TEST_F(ShellAccessibility, StartWindowReadsAsAWindowWithTwoButtons) {
    SingleInstanceLock lock(lockPath());
    Start start(lock);
    const std::vector<Seen> tree = treeOf(start);
    expectEveryControlNamed(tree);
    EXPECT_EQ(tree.front().role, QAccessible::Window);
    EXPECT_EQ(tree.front().name, "Quiltrix");
    EXPECT_NE(find(tree, QAccessible::Graphic, "Quiltrix"), nullptr);
    QAccessibleInterface* startButton = find(tree, QAccessible::Button, "START");
    ASSERT_NE(startButton, nullptr);
    EXPECT_TRUE(startButton->state().defaultButton);
    ASSERT_NE(find(tree, QAccessible::Button, "CANCEL"), nullptr);
    EXPECT_FALSE(find(tree, QAccessible::Button, "CANCEL")->state().defaultButton);
}

TEST_F(ShellAccessibility, MainWindowNamesEveryControl) {
    const std::vector<Seen> tree = treeOf(*window);
    expectEveryControlNamed(tree);
    EXPECT_EQ(tree.front().role, QAccessible::Window);
    const struct {
        QAccessible::Role role;
        const char* name;
    } expected[] = {
        {QAccessible::Button, "NEW GAME"},
        {QAccessible::RadioButton, "Easy Jigsaw"},
        {QAccessible::RadioButton, "Hard Jigsaw"},
        {QAccessible::RadioButton, "Rectangular"},
        {QAccessible::Button, "Scatter the pieces"},
        {QAccessible::Button, "Board colour"},
        {QAccessible::CheckBox, "HINT IMAGE"},
        {QAccessible::Button, "Move the board up"},
        {QAccessible::Button, "Move the board left"},
        {QAccessible::Button, "Move the board right"},
        {QAccessible::Button, "Move the board down"},
        {QAccessible::StaticText, "Timer"},
        {QAccessible::StaticText, "Time played"},
        {QAccessible::Graphic, "Hint image"},
        {QAccessible::Graphic, "Play area"},
        {QAccessible::TitleBar, "Quiltrix"},
        {QAccessible::Button, "Minimize"},
        {QAccessible::Button, "Maximize"},
        {QAccessible::Button, "Close"},
    };
    for (const auto& e : expected)
        EXPECT_NE(find(tree, e.role, QString::fromLatin1(e.name)), nullptr) << e.name;
    EXPECT_TRUE(find(tree, QAccessible::RadioButton, "Easy Jigsaw")->state().checked);
    EXPECT_TRUE(find(tree, QAccessible::CheckBox, "HINT IMAGE")->state().checked);
    EXPECT_TRUE(find(tree, QAccessible::Button, "Maximize")->state().disabled);
    EXPECT_EQ(find(tree, QAccessible::Button, "NEW GAME")->text(QAccessible::Description),
              "New Game");
    EXPECT_EQ(find(tree, QAccessible::Graphic, "Play area")->text(QAccessible::Description),
              "No puzzle yet");
}

TEST_F(ShellAccessibility, ClockTextAndPlayAreaFollowTheGame) {
    startGame(Rectangular, 150, 100);  // 4 x 3 cells
    const std::vector<Seen> tree = treeOf(*window);
    QAccessibleInterface* clock = find(tree, QAccessible::StaticText, "Time played");
    ASSERT_NE(clock, nullptr);
    ASSERT_NE(clock->textInterface(), nullptr);
    EXPECT_EQ(clock->textInterface()->text(0, -1), "0:00");
    window->Timer1_Timer();
    EXPECT_EQ(clock->textInterface()->text(0, -1), window->lblElapsed().Caption());
    EXPECT_NE(clock->textInterface()->text(0, -1), "0:00");
    EXPECT_EQ(clock->text(QAccessible::Name), "Time played");
    EXPECT_EQ(find(tree, QAccessible::Graphic, "Play area")->text(QAccessible::Description),
              "A puzzle of 12 pieces");
}

TEST_F(ShellAccessibility, CaptionBarButtonsActAsTheirClick) {
    QPointer<frmMain> shown = window.get();
    QAccessibleInterface* minimise = find(treeOf(*window), QAccessible::Button, "Minimize");
    ASSERT_NE(minimise, nullptr);
    minimise->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(window->isMinimized());

    QAccessibleInterface* close = find(treeOf(*window), QAccessible::Button, "Close");
    close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(!window->isVisible());
}

TEST_F(ShellAccessibility, WinAndAboutReadAsDialogsWithTheirTexts) {
    Win win(window.get(), QStringLiteral("00:03:27"));
    std::vector<Seen> tree = treeOf(win);
    expectEveryControlNamed(tree);
    EXPECT_EQ(tree.front().role, QAccessible::Dialog);
    EXPECT_EQ(tree.front().name, "Quiltrix " + kVersion);
    for (const char* text : {"CONGRATULATIONS !!!", "You have succesfully solved the Puzzle !",
                             "Your Time:", "00:03:27"})
        EXPECT_NE(find(tree, QAccessible::StaticText, QString::fromLatin1(text)), nullptr) << text;
    EXPECT_NE(find(tree, QAccessible::Button, "Close"), nullptr);

    About about;
    tree = treeOf(about);
    expectEveryControlNamed(tree);
    EXPECT_EQ(tree.front().role, QAccessible::Dialog);
    EXPECT_EQ(tree.front().name, "About Quiltrix " + kVersion);
    EXPECT_NE(find(tree, QAccessible::Graphic, "Quiltrix logo"), nullptr);
    EXPECT_NE(find(tree, QAccessible::StaticText, "Quiltrix " + kVersion), nullptr);
    QAccessibleInterface* link = find(tree, QAccessible::Link, "www.quiltrix.example");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->actionInterface()->actionNames().value(0),
              QAccessibleActionInterface::pressAction());
}

TEST_F(ShellAccessibility, LinkActionClicksTheLabel) {
    QWidget form;
    auto* label = new DesignLabel(&form);
    label->setCaption(QStringLiteral("www.example.org"));
    label->resize(100, 20);
    int clicks = 0;
    QObject::connect(label, &DesignLabel::Click, [&] { ++clicks; });
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
    EXPECT_EQ(iface->role(), QAccessible::StaticText);
    EXPECT_TRUE(iface->actionInterface()->actionNames().isEmpty());
    label->setLink(true);
    EXPECT_EQ(iface->role(), QAccessible::Link);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 0);  // not before the caller has its answer
    QTRY_COMPARE(clicks, 1);
}

}  // namespace
}  // namespace qx
