#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "controls/zbbutton/zbButtons_H.h"

namespace qx {
namespace {

PropertyBag store(const char* json) {
    return PropertyBag(QJsonDocument::fromJson(QByteArray(json)).object(),
                       QStringLiteral("frmTest.btn"));
}

zbButtons_H* button(QWidget& container, long mode, const QRect& rect = {0, 0, 60, 20}) {
    auto* b = new zbButtons_H(&container);
    b->setGeometry(rect);
    b->setMode(mode);
    return b;
}

TEST(zbButtons, LoadsEveryKeyAndGivesLoadDefaultsForMissingOnes) {
    QWidget form;
    QPalette ground;
    ground.setColor(QPalette::Window, QColor(136, 143, 131));
    form.setPalette(ground);

    zbButtons_H plain(&form);
    plain.ReadProperties(store("{}"));
    EXPECT_EQ(plain.Caption(), QString());
    EXPECT_EQ(plain.Mode(), zbButtons_H::CommandMode);
    EXPECT_FALSE(plain.Value());
    EXPECT_TRUE(plain.Enabled());
    EXPECT_EQ(plain.ForeColor(), kButtonText);
    EXPECT_EQ(plain.BackColor(), oleRgb(136, 143, 131))
        << "cBack defaults to the container's colour";
    EXPECT_EQ(plain.HoverBackColor(), plain.BackColor());
    EXPECT_EQ(plain.CaptionAlign(), 2);
    EXPECT_EQ(plain.ImagePixelSize(), 16);
    EXPECT_TRUE(plain.ShowFocusRect());

    zbButtons_H set(&form);
    set.ReadProperties(
        store(R"({"caption": "HINT IMAGE", "MODE": 1, "Value": -1, "cBack": "&H007C96C0&",
        "cFore": "&H00FFFFFF&", "cBhover": "&H00C0FFFF&", "ImgSize": 32, "Enabled": 0, "CapAlign": 0,
        "Font": {"Name": "Small Fonts", "Size": 6}})"));
    EXPECT_EQ(set.Caption(), QStringLiteral("HINT IMAGE"));
    EXPECT_EQ(set.Mode(), zbButtons_H::CheckMode);
    EXPECT_TRUE(set.Value());
    EXPECT_EQ(set.BackColor(), oleRgb(192, 150, 124));
    EXPECT_EQ(set.ForeColor(), oleRgb(255, 255, 255));
    EXPECT_EQ(set.HoverBackColor(), oleRgb(255, 255, 192)) << "written as cBhover, read as cBHover";
    EXPECT_EQ(set.ImagePixelSize(), 32);
    EXPECT_FALSE(set.Enabled());
    EXPECT_EQ(set.CaptionAlign(), 0);
    EXPECT_EQ(set.Font().name, QStringLiteral("Small Fonts"));
    EXPECT_DOUBLE_EQ(set.Font().size, 6.0);
}

TEST(zbButtons, ValueRulesFollowTheMode) {
    QWidget form;
    zbButtons_H* command = button(form, zbButtons_H::CommandMode);
    command->setValue(true);
    EXPECT_FALSE(command->Value()) << "a command button cannot be set";
    command->setMode(7);
    EXPECT_EQ(command->Mode(), zbButtons_H::CommandMode) << "out-of-range modes are ignored";

    zbButtons_H* check = button(form, zbButtons_H::CheckMode);
    check->setValue(true);
    EXPECT_TRUE(check->Value());
    check->setMode(zbButtons_H::CommandMode);
    EXPECT_FALSE(check->Value()) << "becoming a command button clears the value";

    zbButtons_H stored(&form);
    stored.ReadProperties(store(R"({"Mode": 0, "Value": true})"));
    EXPECT_FALSE(stored.Value());
}

TEST(zbButtons, OptionsOfOneContainerFormAGroup) {
    QWidget form, other;
    zbButtons_H* a = button(form, zbButtons_H::OptionMode, {0, 0, 60, 20});
    zbButtons_H* b = button(form, zbButtons_H::OptionMode, {0, 20, 60, 20});
    zbButtons_H* c = button(form, zbButtons_H::OptionMode, {0, 40, 60, 20});
    zbButtons_H* check = button(form, zbButtons_H::CheckMode, {0, 60, 60, 20});
    zbButtons_H* elsewhere = button(other, zbButtons_H::OptionMode);
    a->setValue(true);
    c->setValue(true);
    check->setValue(true);
    elsewhere->setValue(true);
    EXPECT_FALSE(a->Value());

    QSignalSpy clicks(b, &zbButtons_H::Click);
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(b->Value());
    EXPECT_FALSE(a->Value());
    EXPECT_FALSE(c->Value());
    EXPECT_TRUE(check->Value()) << "check buttons are not in the group";
    EXPECT_TRUE(elsewhere->Value()) << "another container's options are not touched";

    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1) << "clicking a selected option raises nothing";
    EXPECT_TRUE(b->Value());
}

TEST(zbButtons, LoadingSeveralSelectedOptionsLeavesTheLastOne) {
    QWidget form;
    zbButtons_H first(&form), second(&form);
    first.ReadProperties(store(R"({"Mode": 2, "Value": true})"));
    second.ReadProperties(store(R"({"Mode": 2, "Value": true})"));
    EXPECT_FALSE(first.Value());
    EXPECT_TRUE(second.Value());
}

TEST(zbButtons, ClicksNeedAPressAndAReleaseOnTheButton) {
    QWidget form;
    form.resize(200, 100);
    zbButtons_H* check = button(form, zbButtons_H::CheckMode, {10, 10, 60, 20});
    QSignalSpy clicks(check, &zbButtons_H::Click);

    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(check->Value());
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_FALSE(check->Value()) << "a selected check button clears and still clicks";

    QTest::mouseClick(check, Qt::RightButton);
    EXPECT_EQ(clicks.count(), 2) << "only the left button clicks";

    QTest::mousePress(check, Qt::LeftButton, {}, {5, 5});
    QTest::mouseMove(check, {150, 5});
    QTest::mouseRelease(check, Qt::LeftButton, {}, {150, 5});
    EXPECT_EQ(clicks.count(), 2) << "a release off the button is no click";

    check->setEnabled(false);
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2) << "a disabled button takes no input";
}

TEST(zbButtons, TheSpaceBarClicksOnRelease) {
    QWidget form;
    zbButtons_H* command = button(form, zbButtons_H::CommandMode);
    QSignalSpy clicks(command, &zbButtons_H::Click);
    QTest::keyPress(command, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyRelease(command, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyRelease(command, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1) << "a release without a press does nothing";
}

TEST(zbButtons, TheFaceShowsColourPictureAndSelection) {
    QWidget form;
    zbButtons_H* b = button(form, zbButtons_H::OptionMode, {0, 0, 40, 30});
    b->setBackColor(oleRgb(192, 150, 124));
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    picture.setPixel(0, 0, qRgb(255, 0, 255));  // the top-left colour is the background
    b->setPicture(picture);
    const QImage up = b->grab().toImage();
    EXPECT_EQ(up.pixelColor(4, 25), QColor(192, 150, 124));
    EXPECT_EQ(up.pixelColor(10, 15), QColor(0, 0, 255))
        << "a picture without caption sits at the left edge, centred vertically";

    b->setValue(true);
    const QImage down = b->grab().toImage();
    EXPECT_NE(down.pixelColor(0, 0), up.pixelColor(0, 0)) << "a selected option looks sunken";
    EXPECT_EQ(down.pixelColor(20, 23), QColor(0, 0, 255)) << "and its content shifts by a pixel";
    EXPECT_NE(up.pixelColor(20, 23), QColor(0, 0, 255));
}

}  // namespace
}  // namespace qx
