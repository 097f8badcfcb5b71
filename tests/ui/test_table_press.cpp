// The table's press machine: the first region that covers a press takes
// it, a button follows the pointer and acts only when released over
// itself, and a press whose release was lost is cancelled, not acted on.

#include "skat/ui/SkatButton.h"
#include "skat/ui/TablePress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

SKAT_BUTTON labelled(int x, int y)
{
    SKAT_BUTTON button;
    button.x = x;
    button.y = y;
    button.width = 100; // 140 wide, 52 high
    button.text = L"Weiter";
    button.visible = true;
    return button;
}

struct Log {
    std::vector<std::string> acts;
    std::function<void()> act(const std::string& name)
    {
        return [this, name] { acts.push_back(name); };
    }
    std::function<void(int, int)> actAt(const std::string& name)
    {
        return [this, name](int x, int y) { acts.push_back(name + "@" + std::to_string(x) + "," + std::to_string(y)); };
    }
};

TEST(TablePress, TheFirstRegionThatCoversThePressTakesIt)
{
    Log log;
    SKAT_BUTTON button = labelled(100, 100);
    bool buttonActive = true;
    const std::vector<HitRegion> regions = {
        actingRegion(
            "corner", [](int x, int y) { return x < 50 && y < 50; }, log.actAt("corner")),
        buttonRegion(
            "button", button, [&] { return buttonActive; }, log.act("button")),
        actingRegion(
            "anywhere", [](int, int) { return true; }, log.actAt("anywhere")),
    };
    struct Case {
        const char* name;
        int x, y;
        bool active;
        std::string taker;
        std::vector<std::string> acts; // right after the press
    };
    const Case cases[] = {
        {"the corner acts at once", 10, 20, true, "corner", {"corner@10,20"}},
        {"the button waits for its release", 150, 120, true, "button", {}},
        {"an inactive button lets the press through", 150, 120, false, "anywhere", {"anywhere@150,120"}},
        {"beside the button", 400, 300, true, "anywhere", {"anywhere@400,300"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.acts.clear();
        buttonActive = c.active;
        TABLE_PRESS press;
        EXPECT_EQ(press.press(regions, c.x, c.y), c.taker);
        EXPECT_EQ(log.acts, c.acts);
        EXPECT_EQ(press.following(), c.taker == "button");
        press.cancel();
    }
    TABLE_PRESS press;
    EXPECT_EQ(press.press({}, 10, 10), "") << "no region: nobody takes it";
}

TEST(TablePress, AButtonActsOnlyWhenReleasedOverItself)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> moves;
        std::pair<int, int> release;
        bool acts;
    };
    const std::pair<int, int> inside{150, 120}, outside{150, 300};
    const Case cases[] = {
        {"a click", {}, inside, true},
        {"released outside", {outside}, outside, false},
        {"out and back", {outside, inside}, inside, true},
        {"moved out, released outside after coming back", {outside, inside, outside}, outside, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Log log;
        SKAT_BUTTON button = labelled(100, 100);
        const std::vector<HitRegion> regions = {buttonRegion("button", button, {}, log.act("button"))};
        TABLE_PRESS press;
        ASSERT_EQ(press.press(regions, inside.first, inside.second), "button");
        EXPECT_TRUE(button.pressed);
        for (const auto& [x, y] : c.moves) {
            press.move(x, y);
            EXPECT_EQ(button.pressed, button.contains(x, y)) << "pressed while the pointer is over it";
        }
        EXPECT_TRUE(log.acts.empty()) << "nothing before the release";
        press.release(c.release.first, c.release.second);
        EXPECT_EQ(log.acts.size(), c.acts ? 1u : 0u);
        EXPECT_FALSE(button.pressed);
        EXPECT_FALSE(press.following());
        press.release(c.release.first, c.release.second);
        EXPECT_EQ(log.acts.size(), c.acts ? 1u : 0u) << "a second release does nothing";
    }
}

TEST(TablePress, APressWhoseReleaseWasLostIsCancelled)
{
    Log log;
    SKAT_BUTTON first = labelled(100, 100);
    SKAT_BUTTON second = labelled(300, 100);
    const std::vector<HitRegion> regions = {buttonRegion("first", first, {}, log.act("first")),
                                            buttonRegion("second", second, {}, log.act("second"))};
    TABLE_PRESS press;
    press.press(regions, 150, 120);
    ASSERT_TRUE(first.pressed);
    // The next press comes before the first one's release: the first
    // button is not clicked by it.
    press.press(regions, 350, 120);
    EXPECT_FALSE(first.pressed);
    EXPECT_TRUE(second.pressed);
    press.release(350, 120);
    EXPECT_EQ(log.acts, std::vector<std::string>{"second"});
}

} // namespace
