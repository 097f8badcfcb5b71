#pragma once
// Framework windows: the platform-neutral window and the interface of its
// platform implementor. Every implementor operation may be called from any
// thread; the platform side runs it on the GUI thread.

#include "vordix/OpenRegistry.h"
#include "vordix/Rectangle.h"
#include "vordix/ViewInterface.h"

#include <memory>
#include <string>

class VORDIX_FENSTER;
class VORDIX_VIEW;
class VORDIX_ZEICHENBEREICH;
struct VORDIX_MESSAGE;

class VORDIX_FENSTER_imp {
public:
    // May change a proposed client size while the user drags a border.
    using SizingHandler = void (*)(int* width, int* height);

    virtual ~VORDIX_FENSTER_imp() = default;
    virtual void createFromForm(int formId) = 0;
    virtual void close() = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void move(int x, int y) = 0;
    virtual void resize(int clientWidth, int clientHeight) = 0;
    virtual void setTitle(const std::wstring& title) = 0;
    virtual void embedInScrollArea(VORDIX_VIEW* view, int x, int y, int rightMargin, int bottomMargin) = 0;
    virtual void setSizingHandler(SizingHandler handler) = 0;
    virtual void enableAction(int controlId, bool enabled) = 0;
    virtual void setFixedSize(int minWidth, int minHeight, int maxWidth, int maxHeight) = 0;
    virtual void setFocus(VORDIX_VIEW* view) = 0;
    virtual void showControl(int controlId) = 0;
    virtual void hideControl(int controlId) = 0;
    virtual void setControlGeometry(int controlId, int x, int y, int width, int height) = 0;
    virtual void setControlText(int controlId, const std::wstring& text) = 0;
    virtual void bringToFront() = 0;
    // A negative width or height means "to the far edge" in the three below.
    virtual void repaintRect(int x, int y, int width, int height) = 0;
    virtual void updateRectNow(int x, int y, int width, int height) = 0;
    virtual void updateRect(int x, int y, int width, int height) = 0;
    virtual bool isVisible() = 0;
    virtual RECTANGLE mapToGlobal() = 0;
    virtual RECTANGLE getFrameGeometry() = 0;
    // Width of a vertical scroll bar.
    virtual int getSystemMetric() = 0;
    // The part of the view that is visible, in view coordinates.
    virtual RECTANGLE getVisibleRect(VORDIX_VIEW* view) = 0;
    virtual bool queryFlag() { return false; }

    virtual void setOwner(VORDIX_FENSTER* owner) { owner_ = owner; }
    // Hands the message to the owner's onMessage, then lets the application
    // refresh its state (afterMessage). Runs on the calling thread.
    virtual void deliverMessage(VORDIX_MESSAGE& message);
    // Lets the application refresh its state (afterMessage) without a
    // message, e.g. before a menu opens.
    static void refreshApplication();
    // The owner's paint.
    virtual void deliverPaint(VORDIX_ZEICHENBEREICH& area);
    virtual VORDIX_FENSTER* getOwner() const { return owner_; }

protected:
    VORDIX_FENSTER* owner_ = nullptr; // not owned
};

class VORDIX_FENSTER : public VORDIX_VIEW_INTERFACE {
public:
    // Builds a window implementor (createWindow) and registers the window.
    VORDIX_FENSTER();
    ~VORDIX_FENSTER() override;
    VORDIX_FENSTER(const VORDIX_FENSTER&) = delete;
    VORDIX_FENSTER& operator=(const VORDIX_FENSTER&) = delete;

    // Forwarded only while the window is open.
    void resize(int width, int height) override;
    void updateRect(int x, int y, int width, int height) override;
    RECTANGLE mapToGlobal() override;
    virtual void close();
    // Window events (mouse, keys, commands, close, resize ...).
    virtual void onMessage(VORDIX_MESSAGE& message);
    virtual void paint(VORDIX_ZEICHENBEREICH& area);

    // Shows the window; reports a critical message when it stays hidden.
    void show();
    void move(int x, int y);
    // Repaints at once while open; repaintInProgress is set meanwhile.
    void repaintRect(const RECTANGLE& rect);
    // Geometry of control 9, the window's drawing control.
    void setControlGeometry(int x, int y, int width, int height);

    // Every registered window that is open and visible gets a full update.
    static void updateAllWindows();
    static OpenRegistry<VORDIX_FENSTER>& openWindows();

    const std::shared_ptr<VORDIX_FENSTER_imp>& implementor() const { return imp_; }

    bool isOpen = false; // true once the platform window exists
    bool repaintInProgress = false;

protected:
    struct NoImplementor { };
    // For derived windows that bring their own implementor (main window).
    explicit VORDIX_FENSTER(NoImplementor);
    void setImplementor(std::shared_ptr<VORDIX_FENSTER_imp> imp) { imp_ = std::move(imp); }

private:
    std::shared_ptr<VORDIX_FENSTER_imp> imp_;
};
