#pragma once
// A press of the left button on the game table, from the press to the
// release, as a state machine instead of a nested event loop. The table
// is a list of hit regions in priority order; the first region that covers
// the press point takes the press. It acts at once, or it follows the
// pointer until the release: a button acts when it is released over itself,
// a card of the own hand is dragged and played or put back. Moves and the
// release reach the region that took the press, wherever they happen.

#include <functional>
#include <optional>
#include <string>
#include <vector>

class SKAT_BUTTON;

// What a region that took a press does with the pointer until the release.
struct PressFollower {
    std::function<void(int x, int y)> moved;
    std::function<void(int x, int y)> released;
    // The press ends without a release (a new press came first).
    std::function<void()> cancelled;
};

struct HitRegion {
    std::string name; // for traces and tests
    // The press lies in the region and the region takes presses now.
    std::function<bool(int x, int y)> covers;
    // What a press in the region does: at once (nothing to follow), or the
    // follower of the pointer until the release.
    std::function<std::optional<PressFollower>(int x, int y)> pressed;
};

// A region that acts at once on a press.
HitRegion actingRegion(std::string name, std::function<bool(int x, int y)> covers,
                       std::function<void(int x, int y)> act);
// A button region (when active): the button follows the press and act runs
// when it is released over the button.
HitRegion buttonRegion(std::string name, SKAT_BUTTON& button, std::function<bool()> active, std::function<void()> act);

class TABLE_PRESS {
public:
    // The press at a point: the first region that covers it takes it; the
    // region's name, or empty when none took it. A press that is still
    // followed is cancelled first (its release was lost).
    std::string press(const std::vector<HitRegion>& regions, int x, int y);
    void move(int x, int y);
    void release(int x, int y);
    void cancel();
    // A region follows the pointer (between press and release).
    bool following() const { return follower_.has_value(); }

private:
    std::optional<PressFollower> follower_;
};
