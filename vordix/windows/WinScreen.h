#pragma once
// The platform screen on Qt: the primary screen's size and work area, the
// display check, full screen for the main window, the standard cursors and
// the two pointer loops (a local event loop with an event filter).
// Operations run on the GUI thread (marshalled when called elsewhere).

#include "vordix/Screen.h"

#include <QPoint>

class QWidget;

class WIN_SCREEN : public VORDIX_SCREEN_imp {
public:
    WIN_SCREEN();
    ~WIN_SCREEN() override;

    void leaveFullScreen(VORDIX_FENSTER* mainWindow) override;
    void enterFullScreen(VORDIX_FENSTER* mainWindow, int width, int height) override;
    void showArrowCursor() override;
    void showWaitCursor() override;
    RECTANGLE getScreenSize() override;
    RECTANGLE getWorkArea() override;
    bool listDisplayModes(int maxWidth, int maxHeight) override;
    bool trackMouseCapture() override;
    ModalLoopResult runModalLoop() override;

    bool isFullScreen() const { return fullScreen_; }
    bool isCapturing() const { return capturing_; }
    QPoint getCursorPos() const;
    // Bits per pixel of the primary screen (0 without a screen).
    int colourDepth() const;

    // A display can show a mode of the size when it runs at 16 bits or more
    // and is at least 800 × 600: every such display offers 800 × 600, and no
    // list of modes exists to consult beyond that.
    static bool suitableMode(int screenWidth, int screenHeight, int depth, int maxWidth, int maxHeight);

private:
    void releaseCapture();

    bool capturing_ = false;
    bool fullScreen_ = false;
    QWidget* captureWidget_ = nullptr;
};
