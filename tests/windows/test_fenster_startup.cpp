// The program's run: start-up with an application object, the file named on
// the command line, the display check, the end of the session and the
// ordered teardown.
#include "guithread_support.h"
#include "test_dialog_forms.h"
#include "tests/support/RecordingMessageSink.h"

#include "vordix/Application.h"
#include "vordix/CommandLine.h"
#include "vordix/MessageSink.h"
#include "vordix/WorkerThreads.h"
#include "vordix/windows/DisplayCheck.h"
#include "vordix/windows/GuiThread.h"
#include "vordix/windows/ProgramRun.h"
#include "vordix/windows/TerminationSignals.h"
#include "vordix/windows/WinHauptfenster.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

#include <csignal>
#include <string>
#include <vector>

using namespace testforms;
using guitest::pumpUntil;
using vordix::StartRequest;
using vordix::windows::ProgramRun;
using vordix::windows::ProgramServices;

namespace {

std::vector<std::string> events;

class TestApplication;

class TestMainWindow : public RecordingWindow<VORDIX_HAUPTFENSTER> {
public:
    explicit TestMainWindow(TestApplication& app) : app_(app) { }
    void onMessage(VORDIX_MESSAGE& message) override;

private:
    TestApplication& app_;
};

// An application object as the game's is: it builds its main window, may
// run a worker that keeps calling the GUI thread, and quits on close.
class TestApplication : public VORDIX_APPLICATION {
public:
    explicit TestApplication(bool withWorker) : withWorker_(withWorker), window(*this) { }
    ~TestApplication() override { events.push_back("application deleted"); }

    bool initialize() override
    {
        events.push_back("initialize");
        window.mainImplementor()->createMenuBar(WINDOW_FORM);
        window.isOpen = true;
        window.show();
        if (withWorker_) {
            vordix::WorkerThreads::start("redraw", [this](std::stop_token stop) {
                while (!stop.stop_requested())
                    runOnGuiThread([this] { window.updateRect(0, 0, -1, -1); });
                events.push_back("worker stopped");
            });
        }
        return true;
    }
    void shutdown() override
    {
        events.push_back("shutdown");
        if (implementor())
            implementor()->quit();
    }
    bool executeCommand(const VORDIX_MESSAGE& message) override
    {
        commands.push_back(message);
        return true;
    }
    void afterMessage() override { ++afterMessages; }
    void dispatchMessage(const PostedMessage&) override { }

    bool withWorker_;
    TestMainWindow window;
    std::vector<VORDIX_MESSAGE> commands;
    int afterMessages = 0;
};

void TestMainWindow::onMessage(VORDIX_MESSAGE& message)
{
    messages.push_back(message);
    if (message.kind == MESSAGE_CLOSE)
        app_.shutdown();
}

using RecordingSink = testsupport::RecordingMessageSink;

class StartupTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        events.clear();
        sink = std::make_shared<RecordingSink>();
        previousSink = vordix::setMessageSink(sink);
        previousDir = QDir::currentPath();
        QDir::setCurrent(folder.path());
        QFile liste(folder.filePath("Liste.skt"));
        liste.open(QIODevice::WriteOnly);
    }
    void TearDown() override
    {
        QDir::setCurrent(previousDir);
        vordix::setMessageSink(previousSink);
        vordix::windows::refuseGuiCalls(false);
        FormsTest::TearDown();
    }

    ProgramServices services(bool withWorker = false)
    {
        ProgramServices s;
        s.installCrashHandler = [] { events.push_back("crash handler installed"); };
        s.removeCrashHandler = [] { events.push_back("crash handler removed"); };
        s.createApplication = [this, withWorker]() -> VORDIX_APPLICATION* {
            ++created;
            application = new TestApplication(withWorker);
            return application;
        };
        s.deleteGameSingletons = [] { events.push_back("singletons deleted"); };
        s.screenSize = [this] { return screen; };
        return s;
    }

    static StartRequest parse(std::vector<std::string> args)
    {
        args.insert(args.begin(), "Skat");
        std::vector<const char*> argv;
        for (const auto& a : args)
            argv.push_back(a.c_str());
        StartRequest request;
        vordix::parseCommandLine(static_cast<int>(argv.size()), argv.data(), request);
        return request;
    }

    QTemporaryDir folder;
    QString previousDir;
    std::shared_ptr<RecordingSink> sink;
    std::shared_ptr<vordix::MessageSink> previousSink;
    RECTANGLE screen{0, 0, 1280, 1024};
    TestApplication* application = nullptr;
    int created = 0;
};

} // namespace

TEST_F(StartupTest, FileOnTheCommandLineReachesTheCommandHandlerWithItsAbsolutePath)
{
    struct Case {
        std::vector<std::string> args;
        int batchWord;
    };
    const Case cases[] = {{{"--OPEN", "Liste.skt"}, 0}, {{"--batch", "./Liste.skt"}, 1}, {{"Liste.skt"}, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front());
        ProgramRun run(services());
        ASSERT_TRUE(run.start(parse(c.args)));
        ASSERT_NE(application, nullptr);
        EXPECT_TRUE(application->commands.empty()); // only once the loop runs
        ASSERT_TRUE(pumpUntil([&] { return !application->commands.empty(); }));
        const VORDIX_MESSAGE& message = application->commands.front();
        EXPECT_EQ(message.kind, MESSAGE_OPEN_FILE);
        EXPECT_EQ(message.value, c.batchWord);
        EXPECT_EQ(QString::fromStdWString(message.file.fullPath()), QDir(folder.path()).absoluteFilePath("Liste.skt"));
        EXPECT_EQ(message.file.name, L"Liste.skt");
        EXPECT_GE(application->afterMessages, 1); // main asks once; window events add more
        run.teardown();
    }
    EXPECT_TRUE(sink->texts.empty());
}

TEST_F(StartupTest, MissingFileIsNamedAndNothingIsOpened)
{
    ProgramRun run(services());
    ASSERT_TRUE(run.start(parse({"--OPEN", "Fehlt.skt"})));
    ASSERT_TRUE(pumpUntil([&] { return !sink->texts.empty(); }));
    EXPECT_EQ(sink->texts[0], L"Die Datei|Fehlt.skt|wurde nicht gefunden.");
    QCoreApplication::processEvents();
    EXPECT_TRUE(application->commands.empty());
    run.teardown();
}

TEST_F(StartupTest, SmallScreenExplainsWhyAndStartsNoWindow)
{
    screen = {0, 0, 640, 480};
    const auto visibleBefore = QApplication::topLevelWidgets().size();
    ProgramRun run(services());
    EXPECT_FALSE(run.start(parse({"--OPEN", "Liste.skt"})));
    EXPECT_EQ(created, 0);
    ASSERT_EQ(sink->texts.size(), 1u);
    EXPECT_EQ(sink->kinds[0], vordix::MessageKind::Error);
    EXPECT_NE(sink->texts[0].find(L"800 x 600"), std::wstring::npos);
    EXPECT_TRUE(sink->texts[0].ends_with(L"SKAT kann deshalb nicht starten."));
    EXPECT_EQ(QApplication::topLevelWidgets().size(), visibleBefore);
    run.teardown();
    EXPECT_EQ(events,
              (std::vector<std::string>{"crash handler installed", "singletons deleted", "crash handler removed"}));
}

TEST_F(StartupTest, ClosingTheMainWindowTearsDownInOrderWithoutHanging)
{
    ProgramRun run(services(/*withWorker=*/true));
    ASSERT_TRUE(run.start(parse({})));
    auto* window = dynamic_cast<WIN_HAUPTFENSTER*>(application->window.implementor().get());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    QTimer::singleShot(20, window, [window] { window->QWidget::close(); });
    QApplication::exec();
    events.push_back("loop ended");
    run.teardown();
    EXPECT_EQ(events, (std::vector<std::string>{"crash handler installed", "initialize", "shutdown", "loop ended",
                                                "worker stopped", "application deleted", "singletons deleted",
                                                "crash handler removed"}));
}

TEST_F(StartupTest, EndOfSessionClosesTheMainWindowSoTheGameIsSaved)
{
    ProgramRun run(services());
    ASSERT_TRUE(run.start(parse({})));
    std::raise(SIGTERM);
    ASSERT_TRUE(pumpUntil([&] { return !application->window.ofKind(MESSAGE_CLOSE).empty(); }));
    EXPECT_EQ(events.back(), "shutdown");
    run.teardown();
}

TEST(TerminationSignals, SignalArrivesOnTheGuiThread)
{
    std::vector<int> received;
    {
        TerminationSignals watcher([&](int signal) { received.push_back(signal); });
        std::raise(SIGHUP);
        EXPECT_TRUE(received.empty()); // the handler only notes it
        ASSERT_TRUE(pumpUntil([&] { return !received.empty(); }));
        EXPECT_EQ(received, std::vector<int>{SIGHUP});
    }
    struct sigaction current { };
    sigaction(SIGTERM, nullptr, &current);
    EXPECT_EQ(current.sa_handler, SIG_DFL); // the previous handling is back
}

namespace {

// Whether the process has its own handler for the signal (Linux /proc).
bool catchesSignal(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

} // namespace

// The program itself: it starts, opens its window and ends cleanly (exit
// code 0, no abort from a thread left running) when the session ends.
TEST(SkatProgram, StartsAndEndsCleanlyWhenTheSessionEnds)
{
    const QString program = QStringLiteral(SKAT_BINARY_DIR "/skat/windows/Skat");
    if (!QFile::exists(program))
        GTEST_SKIP() << "Skat is not built";
    QTemporaryDir config;
    QProcess skat;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", config.path());
    skat.setProcessEnvironment(env);
    skat.setProcessChannelMode(QProcess::MergedChannels);
    skat.start(program, {});
    ASSERT_TRUE(skat.waitForStarted(30000));
    // Its handler stands once the main window is up.
    ASSERT_TRUE(pumpUntil([&] { return catchesSignal(skat.processId(), SIGTERM); }, 60000));
    skat.terminate();
    ASSERT_TRUE(skat.waitForFinished(60000)) << skat.readAll().toStdString();
    EXPECT_EQ(skat.exitStatus(), QProcess::NormalExit) << skat.readAll().toStdString();
    EXPECT_EQ(skat.exitCode(), 0);
}

// The same under a real X server: the main window is mapped on the virtual
// screen at a usable size (a refusing message box would be far smaller).
TEST(SkatProgram, StartsUnderXvfbWithItsMainWindow)
{
    const QString program = QStringLiteral(SKAT_BINARY_DIR "/skat/windows/Skat");
    if (!QFile::exists(program))
        GTEST_SKIP() << "Skat is not built";
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    const QString xwininfo = QStandardPaths::findExecutable("xwininfo");
    if (xvfb.isEmpty() || xwininfo.isEmpty())
        GTEST_SKIP() << "Xvfb or xwininfo is not installed";

    // -displayfd picks a free display and writes its number once it is ready.
    QProcess server;
    server.start(xvfb, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    ASSERT_TRUE(server.waitForStarted(10000));
    ASSERT_TRUE(pumpUntil([&] { return server.canReadLine(); }, 30000)) << server.readAllStandardError().toStdString();
    const QString display = ":" + QString::fromLatin1(server.readLine()).trimmed();

    QTemporaryDir config;
    QProcess skat;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("XDG_CONFIG_HOME", config.path());
    skat.setProcessEnvironment(env);
    skat.setProcessChannelMode(QProcess::MergedChannels);
    skat.start(program, {});
    ASSERT_TRUE(skat.waitForStarted(30000));
    ASSERT_TRUE(pumpUntil([&] { return catchesSignal(skat.processId(), SIGTERM); }, 60000))
        << skat.readAll().toStdString();

    // The top-level windows of class Skat with their sizes, as the X server sees them.
    const QRegularExpression skatWindow(QStringLiteral(R"(\("Skat" "Skat"\)\s+(\d+)x(\d+))"));
    QString tree;
    const bool mapped = pumpUntil(
        [&] {
            QProcess query;
            query.start(xwininfo, {"-display", display, "-root", "-children"});
            query.waitForFinished(10000);
            tree = QString::fromLocal8Bit(query.readAllStandardOutput());
            for (const auto& m : skatWindow.globalMatch(tree))
                if (m.captured(1).toInt() >= 800 && m.captured(2).toInt() >= 500)
                    return true;
            QThread::msleep(100);
            return false;
        },
        30000);
    EXPECT_TRUE(mapped) << tree.toStdString();

    skat.terminate();
    ASSERT_TRUE(skat.waitForFinished(60000)) << skat.readAll().toStdString();
    EXPECT_EQ(skat.exitStatus(), QProcess::NormalExit) << skat.readAll().toStdString();
    EXPECT_EQ(skat.exitCode(), 0);
    server.terminate();
    server.waitForFinished(10000);
}
