#pragma once
// What the screen needs of a main-window implementor to switch it into and
// out of full screen. The main-window implementor derives from it.

class FullScreenWindow {
public:
    virtual ~FullScreenWindow() = default;
    virtual bool isInFullScreen() const = 0;
    // Starts the animation into full screen, or back when in full screen.
    virtual void toggleFullScreen() = 0;
};
