#include "skat/ui/TablePress.h"

#include "skat/ui/SkatButton.h"

HitRegion actingRegion(std::string name, std::function<bool(int x, int y)> covers,
                       std::function<void(int x, int y)> act)
{
    HitRegion region;
    region.name = std::move(name);
    region.covers = std::move(covers);
    region.pressed = [act = std::move(act)](int x, int y) -> std::optional<PressFollower> {
        act(x, y);
        return std::nullopt;
    };
    return region;
}

HitRegion buttonRegion(std::string name, SKAT_BUTTON& button, std::function<bool()> active, std::function<void()> act)
{
    HitRegion region;
    region.name = std::move(name);
    region.covers = [&button, active = std::move(active)](int x, int y) {
        return (!active || active()) && button.visible && button.enabled && button.contains(x, y);
    };
    region.pressed = [&button, act = std::move(act)](int x, int y) -> std::optional<PressFollower> {
        if (!button.press(x, y))
            return std::nullopt;
        PressFollower follower;
        follower.moved = [&button](int px, int py) { button.follow(px, py); };
        follower.released = [&button, act](int px, int py) {
            if (button.release(px, py))
                act();
        };
        follower.cancelled = [&button] { button.invalidate(); };
        return follower;
    };
    return region;
}

std::string TABLE_PRESS::press(const std::vector<HitRegion>& regions, int x, int y)
{
    cancel();
    for (const HitRegion& region : regions) {
        if (!region.covers || !region.covers(x, y))
            continue;
        if (region.pressed)
            follower_ = region.pressed(x, y);
        return region.name;
    }
    return {};
}

void TABLE_PRESS::move(int x, int y)
{
    if (follower_ && follower_->moved)
        follower_->moved(x, y);
}

void TABLE_PRESS::cancel()
{
    if (!follower_)
        return;
    const PressFollower follower = std::move(*follower_);
    follower_.reset();
    if (follower.cancelled)
        follower.cancelled();
}

void TABLE_PRESS::release(int x, int y)
{
    if (!follower_)
        return;
    // Taken out first: the release may open a dialog, and presses on it
    // must not reach this follower again.
    const PressFollower follower = std::move(*follower_);
    follower_.reset();
    if (follower.released)
        follower.released(x, y);
}
