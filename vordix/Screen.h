#pragma once
// The screen: its size and work area, the display check, full screen for the
// main window, the two standard cursors, and the two pointer loops the game
// runs while the user drags or is waited for. GUI thread only.

#include "vordix/Rectangle.h"

class VORDIX_FENSTER;

// What the modal pointer loop saw: the pointer position on screen and
// whether the left button is up.
struct ModalLoopResult {
    int x = 0;
    int y = 0;
    bool buttonUp = true;
};

class VORDIX_SCREEN_imp {
public:
    virtual ~VORDIX_SCREEN_imp() = default;
    virtual void leaveFullScreen(VORDIX_FENSTER* mainWindow) = 0;
    virtual void enterFullScreen(VORDIX_FENSTER* mainWindow, int width, int height) = 0;
    virtual void showArrowCursor() = 0;
    virtual void showWaitCursor() = 0;
    // (0, 0, width, height) of the primary screen.
    virtual RECTANGLE getScreenSize() = 0;
    virtual RECTANGLE getWorkArea() = 0;
    // True when the display offers a suitable mode within the size.
    virtual bool listDisplayModes(int maxWidth, int maxHeight) = 0;
    // One poll of a drag with the left button; false once it has ended.
    virtual bool trackMouseCapture() = 0;
    // Waits for the next pointer move, press or release.
    virtual ModalLoopResult runModalLoop() = 0;
};

class VORDIX_SCREEN {
public:
    // The single screen object, created on first use.
    static VORDIX_SCREEN& instance();
    // Program end: deletes the screen object (a later instance() makes a new one).
    static void destroyInstance();

    // Full screen at 1024 × 768.
    void enterFullScreen(VORDIX_FENSTER* mainWindow);
    void leaveFullScreen(VORDIX_FENSTER* mainWindow);

    // The process-wide platform screen (owned by the factory; may be null
    // when no factory is installed).
    VORDIX_SCREEN_imp* implementor() const { return imp_; }

    ~VORDIX_SCREEN();
    VORDIX_SCREEN(const VORDIX_SCREEN&) = delete;
    VORDIX_SCREEN& operator=(const VORDIX_SCREEN&) = delete;

private:
    VORDIX_SCREEN();
    VORDIX_SCREEN_imp* imp_ = nullptr;
};
