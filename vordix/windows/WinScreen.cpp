#include "vordix/windows/WinScreen.h"

#include "vordix/Fenster.h"
#include "vordix/windows/FullScreenWindow.h"
#include "vordix/windows/GuiThread.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

namespace {

FullScreenWindow* fullScreenWindowOf(VORDIX_FENSTER* window)
{
    if (!window || !window->implementor())
        return nullptr;
    return dynamic_cast<FullScreenWindow*>(window->implementor().get());
}

bool isPointerEvent(QEvent::Type type)
{
    return type == QEvent::MouseMove || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
           || type == QEvent::MouseButtonDblClick;
}

// Watches the GUI thread's mouse input while a loop pumps events.
template <class Handler>
class PointerFilter : public QObject {
public:
    explicit PointerFilter(Handler handler) : handler_(std::move(handler))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~PointerFilter() override { QCoreApplication::instance()->removeEventFilter(this); }

    bool eventFilter(QObject* target, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(target);
        if (!widget || !isPointerEvent(event->type()))
            return false;
        return handler_(widget, static_cast<QMouseEvent*>(event));
    }

private:
    Handler handler_;
};

} // namespace

WIN_SCREEN::WIN_SCREEN() = default;
WIN_SCREEN::~WIN_SCREEN() = default;

bool WIN_SCREEN::suitableMode(int screenWidth, int screenHeight, int depth, int maxWidth, int maxHeight)
{
    return depth >= 16 && screenWidth >= 800 && screenHeight >= 600 && maxWidth >= 800 && maxHeight >= 600;
}

void WIN_SCREEN::leaveFullScreen(VORDIX_FENSTER* mainWindow)
{
    runOnGuiThread([&] {
        if (auto* window = fullScreenWindowOf(mainWindow); window && window->isInFullScreen())
            window->toggleFullScreen();
    });
    fullScreen_ = false;
}

void WIN_SCREEN::enterFullScreen(VORDIX_FENSTER* mainWindow, int width, int height)
{
    if (!listDisplayModes(width, height))
        return;
    runOnGuiThread([&] {
        if (auto* window = fullScreenWindowOf(mainWindow); window && !window->isInFullScreen())
            window->toggleFullScreen();
    });
    fullScreen_ = true;
}

void WIN_SCREEN::showArrowCursor()
{
    runOnGuiThread([] {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    });
}

void WIN_SCREEN::showWaitCursor()
{
    runOnGuiThread([] {
        const QCursor* current = QGuiApplication::overrideCursor();
        if (!current || current->shape() != Qt::WaitCursor)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    });
}

RECTANGLE WIN_SCREEN::getScreenSize()
{
    RECTANGLE size;
    runOnGuiThread([&] {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            size = {0, 0, screen->size().width(), screen->size().height()};
    });
    return size;
}

RECTANGLE WIN_SCREEN::getWorkArea()
{
    RECTANGLE area;
    runOnGuiThread([&] {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect r = screen->availableGeometry();
            area = {r.x(), r.y(), r.width(), r.height()};
        }
    });
    return area;
}

int WIN_SCREEN::colourDepth() const
{
    int depth = 0;
    runOnGuiThread([&] {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            depth = screen->depth();
    });
    return depth;
}

bool WIN_SCREEN::listDisplayModes(int maxWidth, int maxHeight)
{
    const RECTANGLE size = getScreenSize();
    return suitableMode(size.width, size.height, colourDepth(), maxWidth, maxHeight);
}

QPoint WIN_SCREEN::getCursorPos() const { return QCursor::pos(); }

void WIN_SCREEN::releaseCapture()
{
    if (captureWidget_)
        captureWidget_->releaseMouse();
    captureWidget_ = nullptr;
    capturing_ = false;
}

bool WIN_SCREEN::trackMouseCapture()
{
    bool result = true;
    runOnGuiThread([&] {
        bool ended = false;
        PointerFilter filter([&](QWidget* widget, QMouseEvent* event) {
            if (ended)
                return false;
            if (event->type() == QEvent::MouseButtonRelease && event->button() == Qt::LeftButton) {
                // The release stays for its widget: the drag's owner sees it.
                if (capturing_)
                    releaseCapture();
                result = false;
                ended = true;
                return false;
            }
            if (event->type() == QEvent::MouseButtonPress && event->button() == Qt::LeftButton && !capturing_) {
                widget->grabMouse();
                captureWidget_ = widget;
                capturing_ = true;
            }
            const QPoint at = event->position().toPoint();
            if (at.x() < 0 || at.y() < 0 || at.x() > widget->width() || at.y() > widget->height()) {
                releaseCapture();
                result = false;
                ended = true;
                return true;
            }
            result = (event->buttons() & Qt::LeftButton) != 0;
            return true; // taken out of the queue
        });
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    });
    return result;
}

ModalLoopResult WIN_SCREEN::runModalLoop()
{
    ModalLoopResult result;
    runOnGuiThread([&] {
        QEventLoop loop;
        bool seen = false;
        PointerFilter filter([&](QWidget* widget, QMouseEvent* event) {
            if (event->type() == QEvent::MouseButtonDblClick)
                return false;
            if (seen) {
                // Later pointer input of the same batch waits for the caller's
                // next loop, as it would in a native message queue.
                QCoreApplication::postEvent(widget, event->clone());
                return true;
            }
            const QPoint at = widget->mapToGlobal(event->position().toPoint());
            result = {at.x(), at.y(), (event->buttons() & Qt::LeftButton) == 0};
            seen = true;
            loop.quit();
            return false; // dispatched as usual; the loop ends after it
        });
        // Never outlive the application's own loop.
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
        loop.exec();
    });
    return result;
}
