// The table's owner-drawn button: hit tests, what a hidden or disabled
// button ignores, and its pressed look while it flashes.

#include "skat/ui/SkatButton.h"
#include "vordix/Bitmap.h"
#include "vordix/Message.h"
#include "vordix/Zeichenbereich.h"
#include "vordix/windows/WinBitmap.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

class SkatButtonTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { WIN_IMPLEMENTORFACTORY::installDefault(); }
};

SKAT_BUTTON labelled(int x, int y, int width)
{
    SKAT_BUTTON button;
    button.x = x;
    button.y = y;
    button.width = width;
    button.text = L"Neues Spiel";
    button.visible = true;
    return button;
}

TEST_F(SkatButtonTest, LabelledHitTestExcludesEveryEdge)
{
    // Width 120 is drawn 168 wide; font size 13 makes it 52 high.
    const SKAT_BUTTON button = labelled(100, 200, 120);
    ASSERT_EQ(button.drawnWidth(), 168);
    struct Case {
        int x, y;
        bool hit;
    };
    const Case cases[] = {
        {101, 201, true},  {267, 251, true},  {180, 220, true},  {100, 220, false}, // left edge
        {268, 220, false},                                                          // right edge: 100 + 168
        {180, 200, false},                                                          // top edge
        {180, 252, false},                                                          // bottom edge: 200 + 4 * 13
        {99, 220, false},  {300, 220, false}, {180, 199, false}, {180, 260, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(button.contains(c.x, c.y), c.hit) << c.x << "," << c.y;
}

TEST_F(SkatButtonTest, WidthIsTruncatedTowardTheLowerPixel)
{
    struct Case {
        int width, drawn;
    };
    // 1.4 as a float is a little below 1.4, so 1.4 * 5 stays 7 and 1.4 * 27 gives 37.
    for (const Case& c : {Case{0, 0}, Case{5, 7}, Case{27, 37}, Case{60, 84}, Case{80, 112}, Case{140, 196}}) {
        SKAT_BUTTON button = labelled(0, 0, c.width);
        EXPECT_EQ(button.drawnWidth(), c.drawn) << c.width;
    }
}

TEST_F(SkatButtonTest, ImageButtonIsHitOnItsImageOnly)
{
    VORDIX_BITMAP canvasTarget;
    VORDIX_ZEICHENBEREICH canvas(&canvasTarget, 36, 46);
    canvas.beginPaint();
    canvas.endPaint();
    ASSERT_TRUE(canvasTarget.isLoaded());

    SKAT_BUTTON button;
    button.x = -7;
    button.y = -5;
    button.width = 27;
    button.visible = true;
    EXPECT_FALSE(button.contains(0, 0)) << "no label and no image: never hit";
    button.image = &canvasTarget;
    EXPECT_TRUE(button.contains(0, 0));
    EXPECT_TRUE(button.contains(28, 40));
    EXPECT_FALSE(button.contains(29, 0)) << "right edge -7 + 36";
    EXPECT_FALSE(button.contains(0, 41)) << "bottom edge -5 + 46";
    EXPECT_FALSE(button.contains(-7, 0)) << "left edge";
}

TEST_F(SkatButtonTest, HiddenOrDisabledButtonsIgnorePressesAndFlashes)
{
    struct Case {
        bool visible, enabled;
    };
    for (const Case& c : {Case{false, true}, Case{true, false}, Case{false, false}}) {
        SKAT_BUTTON button = labelled(0, 0, 100);
        button.visible = c.visible;
        button.enabled = c.enabled;
        EXPECT_FALSE(button.press(50, 20));
        EXPECT_FALSE(button.pressed);
        button.flashPressed();
        EXPECT_FALSE(button.pressed);
    }
}

TEST_F(SkatButtonTest, APressBesideTheButtonLeavesItUnpressed)
{
    SKAT_BUTTON button = labelled(0, 0, 100);
    button.pressed = true;
    EXPECT_FALSE(button.press(500, 20));
    EXPECT_FALSE(button.pressed);
}

// The pixels a button leaves on a transparent canvas.
QImage rendered(SKAT_BUTTON& button)
{
    VORDIX_BITMAP target;
    {
        VORDIX_ZEICHENBEREICH area(&target, 200, 80);
        area.beginPaint();
        button.draw(area);
        area.endPaint();
    }
    auto* platform = dynamic_cast<WIN_BITMAP*>(target.implementor());
    return platform && platform->image() ? platform->image()->copy() : QImage();
}

TEST_F(SkatButtonTest, HiddenButtonDrawsNothingAndPressedLooksDifferent)
{
    SKAT_BUTTON button = labelled(10, 10, 120);
    button.visible = false;
    const QImage hidden = rendered(button);
    ASSERT_FALSE(hidden.isNull());
    for (int y = 0; y < hidden.height(); ++y)
        for (int x = 0; x < hidden.width(); ++x)
            ASSERT_EQ(qAlpha(hidden.pixel(x, y)), 0) << x << "," << y;
    button.visible = true;
    const QImage normal = rendered(button);
    button.pressed = true;
    const QImage pressed = rendered(button);
    // Same place, another look: the face of the button changes colour.
    EXPECT_NE(qAlpha(normal.pixel(20, 14)), 0);
    EXPECT_NE(normal.pixel(20, 14), pressed.pixel(20, 14));
    // Nothing is drawn beyond the button's 168 pixels.
    EXPECT_EQ(qAlpha(normal.pixel(190, 30)), 0);
}

// A disabled table button ("Drücken" before two cards are chosen) keeps its
// label readable on the grey inactive picture.
TEST_F(SkatButtonTest, ADisabledLabelStandsOutOnTheInactivePicture)
{
    auto load = [](const char* name, VORDIX_BITMAP& bitmap) {
        QFile file(QStringLiteral(SKAT_BINARY_DIR "/skat/windows/Ressourcen/Grafik/") + QLatin1String(name));
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray data = file.readAll();
        return bitmap.loadFromData(reinterpret_cast<const unsigned char*>(data.constData()),
                                   static_cast<std::size_t>(data.size()));
    };
    VORDIX_BITMAP normal, inactive;
    ASSERT_TRUE(load("Button.png", normal));
    ASSERT_TRUE(load("Button_inactive.png", inactive));
    SKAT_BUTTON button = labelled(10, 10, 100);
    button.image = &normal;
    button.disabledImage = &inactive;
    button.stretched = true;
    button.enabled = false;
    button.text = L"Dr\u00fccken";
    const QImage labelled = rendered(button);
    button.text.clear();
    const QImage bare = rendered(button);
    ASSERT_EQ(labelled.size(), bare.size());
    int strongest = 0;
    for (int y = 0; y < bare.height(); ++y)
        for (int x = 0; x < bare.width(); ++x)
            strongest = std::max(strongest, std::abs(qGray(labelled.pixel(x, y)) - qGray(bare.pixel(x, y))));
    EXPECT_GT(strongest, 110) << "the label hardly differs from the grey button";
}

} // namespace
