// The screen: display check, suitable modes, full-screen switch and the
// two pointer loops.

#include "guithread_support.h"

#include "vordix/Fenster.h"
#include "vordix/ImplementorFactory.h"
#include "vordix/windows/DisplayCheck.h"
#include "vordix/windows/FullScreenWindow.h"
#include "vordix/windows/WinScreen.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

const std::wstring tooSmall = L"Die aktuelle Bildschirmauflösung ist geringer als 800 x 600 Pixel.";
const std::wstring noTrueColour = L"Der Bildschirm wird nicht im Echtfarbenmodus betrieben.";
const std::wstring cannotStart = L"SKAT kann deshalb nicht starten.";
const std::wstring opening =
    L"SKAT hat festgestellt, dass folgende Voraussetzungen auf Ihrem Rechner nicht erfüllt sind:\n\n";

bool contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

TEST(DisplayCheck, VerdictBySizeAndDepth)
{
    struct Case {
        int width, height, depth;
        bool ok, small, colour;
    };
    for (const Case c : {Case{640, 480, 8, false, true, true}, Case{1024, 768, 8, true, false, true},
                         Case{800, 600, 16, true, false, false}, Case{799, 600, 32, false, true, false},
                         Case{800, 599, 32, false, true, false}, Case{1920, 1080, 15, true, false, true}}) {
        const DisplayCheckResult r = evaluateDisplay(c.width, c.height, c.depth);
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + "x" + std::to_string(c.depth));
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(contains(r.message, tooSmall), c.small);
        EXPECT_EQ(contains(r.message, noTrueColour), c.colour);
        EXPECT_EQ(contains(r.message, cannotStart), !c.ok);
        EXPECT_EQ(r.message.empty(), !c.small && !c.colour);
        if (!r.message.empty())
            EXPECT_EQ(r.message.rfind(opening, 0), 0u);
    }
}

TEST(DisplayCheck, SuitableModesNeedTrueColourAndAtLeast800x600)
{
    struct Case {
        int screenWidth, screenHeight, depth, maxWidth, maxHeight;
        bool suitable;
    };
    for (const Case c : {Case{1024, 768, 32, 1024, 768, true}, Case{800, 600, 16, 1024, 768, true},
                         Case{2560, 1440, 24, 1024, 768, true}, Case{640, 480, 32, 1024, 768, false},
                         Case{1024, 768, 8, 1024, 768, false}, Case{1024, 768, 32, 640, 480, false}}) {
        EXPECT_EQ(WIN_SCREEN::suitableMode(c.screenWidth, c.screenHeight, c.depth, c.maxWidth, c.maxHeight), c.suitable)
            << c.screenWidth << "x" << c.screenHeight << "x" << c.depth;
    }
}

// Runs in a child process whose offscreen screen has the size given by the
// parent; reports the verdict through its exit code and output.
TEST(DisplayCheckChild, CheckConfiguredScreen)
{
    if (!std::getenv("SKAT_DISPLAY_CHECK_CHILD"))
        GTEST_SKIP() << "runs only as a child process";
    const bool ok = checkDisplayRequirements();
    std::printf("VERDICT %s\n", ok ? "start" : "refuse");
}

QString runCheckOnScreen(int width, int height)
{
    QTemporaryDir dir;
    const QString config = dir.filePath("screen.json");
    std::ofstream(config.toStdString()) << R"({"screens":[{"name":"test","x":0,"y":0,"width":)" << width
                                        << R"(,"height":)" << height << R"(,"logicalDpi":96}]})";
    QProcess child;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
    env.insert("SKAT_DISPLAY_CHECK_CHILD", "1");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=DisplayCheckChild.CheckConfiguredScreen"});
    child.waitForFinished(60000);
    return QString::fromUtf8(child.readAll());
}

TEST(DisplayCheck, RefusesConfigured640x480ScreenWithItsText)
{
    const QString output = runCheckOnScreen(640, 480);
    EXPECT_TRUE(output.contains("VERDICT refuse")) << output.toStdString();
    EXPECT_TRUE(output.contains(QString::fromStdWString(tooSmall))) << output.toStdString();
    EXPECT_TRUE(output.contains(QString::fromStdWString(cannotStart))) << output.toStdString();
}

TEST(DisplayCheck, AcceptsConfigured800x600Screen)
{
    const QString output = runCheckOnScreen(800, 600);
    EXPECT_TRUE(output.contains("VERDICT start")) << output.toStdString();
    EXPECT_FALSE(output.contains(QString::fromStdWString(tooSmall))) << output.toStdString();
}

TEST(Screen, SizeAndWorkAreaOfPrimaryScreen)
{
    WIN_SCREEN screen;
    const QScreen* primary = QGuiApplication::primaryScreen();
    ASSERT_NE(primary, nullptr);
    EXPECT_EQ(screen.getScreenSize(), (RECTANGLE{0, 0, primary->size().width(), primary->size().height()}));
    const QRect area = primary->availableGeometry();
    EXPECT_EQ(screen.getWorkArea(), (RECTANGLE{area.x(), area.y(), area.width(), area.height()}));
}

// A main-window implementor reduced to its full-screen part.
class FakeFullScreenWindow : public VORDIX_FENSTER_imp, public FullScreenWindow {
public:
    bool isInFullScreen() const override { return inFullScreen; }
    void toggleFullScreen() override
    {
        ++toggles;
        inFullScreen = !inFullScreen;
    }
    void createFromForm(int) override { }
    void close() override { }
    void show() override { }
    void hide() override { }
    void move(int, int) override { }
    void resize(int, int) override { }
    void setTitle(const std::wstring&) override { }
    void embedInScrollArea(VORDIX_VIEW*, int, int, int, int) override { }
    void setSizingHandler(SizingHandler) override { }
    void enableAction(int, bool) override { }
    void setFixedSize(int, int, int, int) override { }
    void setFocus(VORDIX_VIEW*) override { }
    void showControl(int) override { }
    void hideControl(int) override { }
    void setControlGeometry(int, int, int, int, int) override { }
    void setControlText(int, const std::wstring&) override { }
    void bringToFront() override { }
    void repaintRect(int, int, int, int) override { }
    void updateRectNow(int, int, int, int) override { }
    void updateRect(int, int, int, int) override { }
    bool isVisible() override { return true; }
    RECTANGLE mapToGlobal() override { return {}; }
    RECTANGLE getFrameGeometry() override { return {}; }
    int getSystemMetric() override { return 0; }
    RECTANGLE getVisibleRect(VORDIX_VIEW*) override { return {}; }

    bool inFullScreen = false;
    int toggles = 0;
};

// A window whose implementor the test supplies.
class WindowWith : public VORDIX_FENSTER {
public:
    explicit WindowWith(std::shared_ptr<VORDIX_FENSTER_imp> imp) : VORDIX_FENSTER(NoImplementor{})
    {
        setImplementor(std::move(imp));
    }
};

TEST(Screen, FullScreenSwitchesOnlyWhenNeeded)
{
    auto imp = std::make_shared<FakeFullScreenWindow>();
    WindowWith window(imp);
    WIN_SCREEN screen; // the offscreen screen is 800 x 600 at 32 bits or more

    screen.leaveFullScreen(&window); // not in full screen: left alone
    EXPECT_EQ(imp->toggles, 0);
    EXPECT_FALSE(screen.isFullScreen());

    screen.enterFullScreen(&window, 1024, 768);
    screen.enterFullScreen(&window, 1024, 768);
    EXPECT_EQ(imp->toggles, 1);
    EXPECT_TRUE(screen.isFullScreen());

    screen.leaveFullScreen(&window);
    EXPECT_EQ(imp->toggles, 2);
    EXPECT_FALSE(screen.isFullScreen());

    screen.enterFullScreen(&window, 640, 480); // no suitable mode within that size
    EXPECT_EQ(imp->toggles, 2);
    EXPECT_FALSE(screen.isFullScreen());
}

TEST(Screen, WindowWithoutFullScreenPartIsNotSwitched)
{
    WindowWith window(nullptr);
    WIN_SCREEN screen;
    screen.enterFullScreen(&window, 1024, 768);
    screen.leaveFullScreen(&window);
    EXPECT_FALSE(screen.isFullScreen());
}

TEST(Screen, CursorsOverrideAndRestore)
{
    WIN_SCREEN screen;
    screen.showWaitCursor();
    screen.showWaitCursor();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    screen.showArrowCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Notes the mouse events that reach it.
class MouseTarget : public QWidget {
public:
    MouseTarget() { resize(200, 100); }
    std::vector<QEvent::Type> seen;

protected:
    void mousePressEvent(QMouseEvent* e) override { seen.push_back(e->type()); }
    void mouseReleaseEvent(QMouseEvent* e) override { seen.push_back(e->type()); }
    void mouseMoveEvent(QMouseEvent* e) override { seen.push_back(e->type()); }
};

// Posts a mouse event; returns its screen position.
QPoint postMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPoint global = widget->mapToGlobal(at);
    QCoreApplication::postEvent(widget,
                                new QMouseEvent(type, QPointF(at), QPointF(global), button, buttons, Qt::NoModifier));
    return global;
}

TEST(Screen, DragPollWithEmptyQueueGoesOn)
{
    QCoreApplication::processEvents();
    WIN_SCREEN screen;
    EXPECT_TRUE(screen.trackMouseCapture());
}

TEST(Screen, DragPollEndsAtReleaseAndLeavesItForTheWidget)
{
    MouseTarget target;
    target.show();
    WIN_SCREEN screen;
    postMouse(&target, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(screen.trackMouseCapture());
    EXPECT_TRUE(screen.isCapturing());
    EXPECT_TRUE(target.seen.empty()); // taken by the drag

    postMouse(&target, QEvent::MouseButtonRelease, {12, 10}, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(screen.trackMouseCapture());
    EXPECT_FALSE(screen.isCapturing());
    EXPECT_EQ(target.seen, std::vector<QEvent::Type>{QEvent::MouseButtonRelease});
}

TEST(Screen, MoveOutsideTheWindowEndsTheDrag)
{
    MouseTarget target;
    target.show();
    WIN_SCREEN screen;
    postMouse(&target, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    postMouse(&target, QEvent::MouseMove, {50, 20}, Qt::NoButton, Qt::LeftButton);
    EXPECT_TRUE(screen.trackMouseCapture());
    EXPECT_TRUE(screen.isCapturing());

    postMouse(&target, QEvent::MouseMove, {250, 20}, Qt::NoButton, Qt::LeftButton);
    EXPECT_FALSE(screen.trackMouseCapture());
    EXPECT_FALSE(screen.isCapturing());
}

TEST(Screen, ModalLoopReturnsFirstPointerEvent)
{
    MouseTarget target;
    target.show();
    WIN_SCREEN screen;
    postMouse(&target, QEvent::MouseMove, {30, 40}, Qt::NoButton, Qt::LeftButton);
    postMouse(&target, QEvent::MouseButtonRelease, {31, 41}, Qt::LeftButton, Qt::NoButton);

    const ModalLoopResult moved = screen.runModalLoop();
    const QPoint first = target.mapToGlobal(QPoint(30, 40));
    EXPECT_EQ(moved.x, first.x());
    EXPECT_EQ(moved.y, first.y());
    EXPECT_FALSE(moved.buttonUp);

    const ModalLoopResult released = screen.runModalLoop();
    EXPECT_TRUE(released.buttonUp);
    // Both events were dispatched to the widget as usual.
    EXPECT_EQ(target.seen, (std::vector<QEvent::Type>{QEvent::MouseMove, QEvent::MouseButtonRelease}));
}

} // namespace
