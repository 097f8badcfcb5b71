#include "guithread_support.h"
#include "test_dialog_forms.h"
#include "tests/support/CountingApplication.h"

#include "vordix/Application.h"
#include "vordix/windows/ClientFenster.h"
#include "vordix/windows/WinApplication.h"
#include "vordix/windows/WinHauptfenster.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <functional>
#include <memory>

#include "vordix/View.h"

using namespace testforms;
using guitest::pumpUntil;

namespace {

using testsupport::CountingApplication;

class MainWindowTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        window = std::make_unique<RecordingWindow<VORDIX_HAUPTFENSTER>>();
        window->mainImplementor()->createMenuBar(WINDOW_FORM);
        window->isOpen = true;
        win = dynamic_cast<WIN_HAUPTFENSTER*>(window->implementor().get());
        ASSERT_NE(win, nullptr);
    }
    void TearDown() override
    {
        window.reset();
        FormsTest::TearDown();
    }

    QAction* action(const char* name) const
    {
        return win->currentMenuBar()->findChild<QAction*>(QString::fromLatin1(name));
    }

    std::unique_ptr<RecordingWindow<VORDIX_HAUPTFENSTER>> window;
    WIN_HAUPTFENSTER* win = nullptr;
};

// Exposes the rectangle arithmetic of repaints and updates.
class ExposedWindow : public WIN_FENSTER {
public:
    using WIN_FENSTER::clientRect;
    using WIN_FENSTER::WIN_FENSTER;
};

} // namespace

TEST_F(MainWindowTest, FormAndMenuBuildTheWindowAndAMenuClickIsACommand)
{
    ASSERT_NE(win->clientWidget(), nullptr);
    EXPECT_EQ(win->centralWidget(), win->clientWidget());
    EXPECT_EQ(win->clientWidget()->ownerWindow, window.get());
    ASSERT_NE(win->currentMenuBar(), nullptr);
    EXPECT_EQ(win->menuWidget(), win->currentMenuBar());

    action("h7_menu_new")->trigger();
    const auto commands = window->ofKind(MESSAGE_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].commandId, MENU_NEW);
}

TEST_F(MainWindowTest, ActionsWithoutAnIdAreNoCommands)
{
    for (int id : {0, -1, -42})
        win->onActionTriggered(id);
    EXPECT_TRUE(window->ofKind(MESSAGE_COMMAND).empty());
    win->onActionTriggered(MENU_NEW);
    EXPECT_EQ(window->ofKind(MESSAGE_COMMAND).size(), 1u);
}

TEST_F(MainWindowTest, MenuItemStatesByIdAndAnUnknownStateChangesNothing)
{
    window->enableMenuItem(MENU_NEW, VORDIX_HAUPTFENSTER::MENU_OFF);
    EXPECT_FALSE(action("h7_menu_new")->isEnabled());
    win->enableMenuItem(MENU_NEW, 2);
    EXPECT_FALSE(action("h7_menu_new")->isEnabled());
    window->enableMenuItem(MENU_NEW, VORDIX_HAUPTFENSTER::MENU_ON);
    EXPECT_TRUE(action("h7_menu_new")->isEnabled());

    window->checkMenuItem(MENU_QUIT, VORDIX_HAUPTFENSTER::MENU_ON);
    EXPECT_TRUE(action("h7_menu_quit")->isChecked());
    win->checkMenuItem(MENU_QUIT, 7);
    EXPECT_TRUE(action("h7_menu_quit")->isChecked());

    win->setMenuItemText(MENU_QUIT, L"Beenden");
    EXPECT_EQ(action("h7_menu_quit")->text(), QStringLiteral("Beenden"));
    win->enableMenuItem(UNNAMED, VORDIX_HAUPTFENSTER::MENU_OFF); // no such action: nothing
}

// The menu shows what the game offers now: presses, releases and keys on the
// client let the application refresh its menu state (moves do not), and so
// does a menu that opens, since the game may have gone on without input.
TEST_F(MainWindowTest, InputAndAnOpeningMenuLetTheApplicationRefreshTheMenu)
{
    // The platform application carries the messages' hook to its owner.
    const bool hadPlatform = WIN_APPLICATION::existing() != nullptr;
    if (!hadPlatform)
        WIN_APPLICATION::instance({[] { return std::optional<std::wstring>(); }, [](const std::wstring&) {}});
    auto application = std::make_unique<CountingApplication>();
    ClientFenster* client = win->clientWidget();
    struct Case {
        const char* name;
        std::function<void()> send;
        int refreshes;
    };
    auto mouse = [client](QEvent::Type type, Qt::MouseButton button) {
        return [client, type, button] {
            QMouseEvent event(type, QPointF(20, 30), client->mapToGlobal(QPointF(20, 30)), button,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : button, {});
            QApplication::sendEvent(client, &event);
        };
    };
    auto key = [client](QEvent::Type type) {
        return [client, type] {
            QKeyEvent event(type, Qt::Key_Left, {});
            QApplication::sendEvent(client, &event);
        };
    };
    const Case cases[] = {
        {"left press", mouse(QEvent::MouseButtonPress, Qt::LeftButton), 1},
        {"left release", mouse(QEvent::MouseButtonRelease, Qt::LeftButton), 1},
        {"double click", mouse(QEvent::MouseButtonDblClick, Qt::LeftButton), 1},
        {"right press", mouse(QEvent::MouseButtonPress, Qt::RightButton), 0},
        {"move", mouse(QEvent::MouseMove, Qt::NoButton), 0},
        {"key press", key(QEvent::KeyPress), 1},
        {"key release", key(QEvent::KeyRelease), 1},
        {"a menu opens",
         [this] {
             QMenu* menu = win->currentMenuBar()->findChild<QMenu*>();
             ASSERT_NE(menu, nullptr);
             emit menu->aboutToShow();
         },
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        application->afterMessages = 0;
        c.send();
        EXPECT_EQ(application->afterMessages, c.refreshes);
    }
    application.reset();
    if (!hadPlatform)
        WIN_APPLICATION::destroyInstance();
}

// The form's entries are plain actions; one the game checks shows its mark,
// and choosing it keeps the mark the game sets, not the one Qt flips.
TEST_F(MainWindowTest, ACheckedEntryShowsTheGamesMark)
{
    QAction* quit = action("h7_menu_quit");
    ASSERT_FALSE(quit->isCheckable());
    window->checkMenuItem(MENU_QUIT, VORDIX_HAUPTFENSTER::MENU_ON);
    EXPECT_TRUE(quit->isChecked());
    quit->trigger();
    EXPECT_TRUE(quit->isChecked()) << "the game did not take the mark away";
    window->checkMenuItem(MENU_QUIT, VORDIX_HAUPTFENSTER::MENU_OFF);
    EXPECT_FALSE(quit->isChecked());
    quit->trigger();
    EXPECT_FALSE(quit->isChecked());
}

TEST_F(MainWindowTest, FullScreenKeepsTheMenuOverTheClientAndItsItemStates)
{
    window->enableMenuItem(MENU_NEW, VORDIX_HAUPTFENSTER::MENU_OFF);
    window->checkMenuItem(MENU_QUIT, VORDIX_HAUPTFENSTER::MENU_ON);
    win->show();
    const QRect normal = win->geometry();

    win->toggleFullScreen();
    EXPECT_FALSE(win->isInFullScreen()); // flips when the animation ends
    ASSERT_TRUE(pumpUntil([&] { return win->isInFullScreen(); }));
    EXPECT_TRUE(win->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(win->geometry(), win->screen()->geometry());
    EXPECT_TRUE(win->clientWidget()->fullScreen);
    QMenuBar* bar = win->currentMenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->parentWidget(), win->clientWidget());
    EXPECT_EQ(bar->y(), 0);
    EXPECT_FALSE(action("h7_menu_new")->isEnabled());
    EXPECT_TRUE(action("h7_menu_quit")->isChecked());

    // The menu stays over the top of the client wherever the pointer goes.
    for (int y : {40, 0, 300}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(10, y), win->clientWidget()->mapToGlobal(QPointF(10, y)),
                         Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(win->clientWidget(), &move);
        pumpUntil([] { return false; }, 350);
        EXPECT_EQ(bar->y(), 0) << y;
        EXPECT_TRUE(bar->isVisible());
    }

    win->toggleFullScreen();
    ASSERT_TRUE(pumpUntil([&] { return !win->isInFullScreen(); }));
    EXPECT_FALSE(win->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(win->geometry(), normal);
    EXPECT_FALSE(win->clientWidget()->fullScreen);
    ASSERT_NE(win->currentMenuBar(), nullptr);
    EXPECT_EQ(win->menuWidget(), win->currentMenuBar());
    EXPECT_FALSE(action("h7_menu_new")->isEnabled());
    EXPECT_TRUE(action("h7_menu_quit")->isChecked());
}

TEST_F(MainWindowTest, CloseGoesToTheOwnerAndWithoutOwnerIsRefused)
{
    win->show();
    EXPECT_TRUE(win->QWidget::close()); // the owner decides what follows
    EXPECT_EQ(window->ofKind(MESSAGE_CLOSE).size(), 1u);

    WIN_FENSTER orphan(nullptr);
    orphan.createFromForm(WINDOW_FORM);
    orphan.QWidget::show();
    EXPECT_FALSE(orphan.QWidget::close());
    EXPECT_TRUE(orphan.QWidget::isVisible());
}

TEST_F(MainWindowTest, EndOfSessionReachesTheMainWindowAsAClose)
{
    WIN_HAUPTFENSTER::endSession();
    EXPECT_EQ(window->ofKind(MESSAGE_CLOSE).size(), 1u);
}

TEST_F(MainWindowTest, SessionManagersCommitRequestIsWiredToTheMainWindow)
{
    // A QSessionManager cannot be made in a test, so the request cannot be
    // raised; disconnecting succeeds only if the window listens for it.
    EXPECT_TRUE(QObject::disconnect(qApp, SIGNAL(commitDataRequest(QSessionManager&)), win, nullptr));
    EXPECT_FALSE(QObject::disconnect(qApp, SIGNAL(commitDataRequest(QSessionManager&)), win, nullptr));
}

TEST_F(MainWindowTest, ResizeSetsTheClientSizeExactly)
{
    win->show();
    ClientFenster* client = win->clientWidget();
    const QSize before = win->size();
    win->resize(client->width(), client->height());
    EXPECT_EQ(win->size(), before);

    window->resize(500, 300);
    EXPECT_EQ(client->size(), QSize(500, 300));
    QCoreApplication::processEvents();
    EXPECT_EQ(client->size(), QSize(500, 300));
    EXPECT_FALSE(window->ofKind(MESSAGE_RESIZE).empty());
}

TEST_F(MainWindowTest, SizingHandlerKeepsTheClientWithinItsSizes)
{
    win->show();
    // The game lets the client grow in steps of ten only.
    win->setSizingHandler([](int* width, int* height) {
        *width -= *width % 10;
        *height -= *height % 10;
    });
    win->QWidget::resize(613, 457);
    ASSERT_TRUE(pumpUntil([&] {
        const QSize s = win->clientWidget()->size();
        return s.width() % 10 == 0 && s.height() % 10 == 0;
    }));
    EXPECT_LE(win->clientWidget()->width(), 613);
}

TEST_F(MainWindowTest, ControlsOfTheWindowById)
{
    win->setControlText(WINDOW_LABEL, L"Spielstand");
    auto* label = win->findChild<QLabel*>("h7_window_label");
    EXPECT_EQ(label->text(), QStringLiteral("Spielstand"));
    win->setControlGeometry(WINDOW_LABEL, 5, 6, 70, 20);
    EXPECT_EQ(label->geometry(), QRect(5, 6, 70, 20));
    win->hideControl(WINDOW_LABEL);
    EXPECT_TRUE(label->isHidden());
    win->showControl(WINDOW_LABEL);
    EXPECT_FALSE(label->isHidden());
    win->setControlText(UNNAMED, L"nichts"); // no widget: nothing happens
    win->enableAction(MENU_QUIT, false);
    EXPECT_FALSE(action("h7_menu_quit")->isEnabled());
}

TEST(WindowRects, NegativeExtentsRunToTheFarEdge)
{
    testforms::registerForms();
    ExposedWindow window(nullptr);
    window.createFromForm(WINDOW_FORM);
    window.clientWidget()->resize(400, 300);
    EXPECT_EQ(window.clientRect(10, 20, -1, -1), QRect(0, 0, 400, 300));
    EXPECT_EQ(window.clientRect(10, 20, 30, -1), QRect(10, 0, 30, 300));
    EXPECT_EQ(window.clientRect(10, 20, -5, 40), QRect(0, 20, 400, 40));
    EXPECT_EQ(window.clientRect(10, 20, 30, 40), QRect(10, 20, 30, 40));
}

TEST(WindowWithoutForm, GetsAPlainClientArea)
{
    WIN_FENSTER window(nullptr);
    window.createFromForm(987654); // no such form
    ASSERT_NE(window.clientWidget(), nullptr);
    EXPECT_EQ(window.centralWidget(), window.clientWidget());
}

namespace {
class BlankView : public VORDIX_VIEW {
public:
    void draw(VORDIX_ZEICHENBEREICH&) override { }
};
} // namespace

TEST_F(MainWindowTest, ViewsScrollInsideTheClientAndTakeTheInput)
{
    win->show();
    window->resize(600, 400);
    BlankView sheet;
    auto* sheetWidget = dynamic_cast<QWidget*>(sheet.implementor().get());
    ASSERT_NE(sheetWidget, nullptr);
    sheetWidget->resize(1000, 900);

    // Without a scroll area the whole view is visible.
    EXPECT_EQ(win->getVisibleRect(&sheet), (RECTANGLE{0, 0, 1000, 900}));

    win->embedInScrollArea(&sheet, 10, 20, 30, 40);
    auto* area = win->clientWidget()->findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->geometry(), QRect(10, 20, 600 - 30 - 10, 400 - 40 - 20));
    area->horizontalScrollBar()->setValue(50);
    area->verticalScrollBar()->setValue(70);
    EXPECT_EQ(win->getVisibleRect(&sheet), (RECTANGLE{50, 70, area->width(), area->height()}));

    // The scroll area follows the window's size.
    const QSize before = area->size();
    win->QWidget::resize(win->size() + QSize(40, 30));
    EXPECT_EQ(area->size(), before + QSize(40, 30));

    BlankView table;
    win->setFocus(&table);
    auto* tableWidget = dynamic_cast<QWidget*>(table.implementor().get());
    EXPECT_EQ(win->clientWidget()->inputView, tableWidget);
    EXPECT_EQ(tableWidget->size(), win->clientWidget()->size());
}

TEST_F(MainWindowTest, FixedSizeHoldsTheClientAndTheFrameAroundIt)
{
    win->show();
    window->resize(500, 350);
    const QSize overhead = win->size() - win->clientWidget()->size();
    win->setFixedSize(500, 350, 800, 600);
    EXPECT_EQ(win->clientWidget()->minimumSize(), QSize(500, 350));
    EXPECT_EQ(win->clientWidget()->maximumSize(), QSize(800, 600));
    EXPECT_EQ(win->minimumSize(), QSize(500, 350) + overhead);
    EXPECT_EQ(win->maximumSize(), QSize(800, 600) + overhead);
}
