// Posted records and open-file requests reach the application object on
// the GUI thread; the platform application pumps events, keeps the language
// and probes the service-discovery library.

#include "guithread_support.h"

#include "vordix/Application.h"
#include "vordix/Message.h"
#include "vordix/windows/GuiThread.h"
#include "vordix/windows/MessageFenster.h"
#include "vordix/windows/MessageQueue.h"
#include "vordix/windows/WinApplication.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <atomic>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using guitest::onGuiThread;
using guitest::pumpUntil;

namespace {

// The application object as far as the queue sees it.
class RecordingApplication : public VORDIX_APPLICATION {
public:
    bool initialize() override { return true; }
    void shutdown() override { }
    bool executeCommand(const VORDIX_MESSAGE& message) override
    {
        commands.push_back(message);
        return true;
    }
    void afterMessage() override { }
    void dispatchMessage(const PostedMessage& message) override
    {
        std::lock_guard lock(mutex);
        if (!onGuiThread())
            offGuiThread = true;
        texts.push_back(message.text());
        senders.push_back(message.senderId);
    }
    std::size_t dispatched()
    {
        std::lock_guard lock(mutex);
        return texts.size();
    }

    std::mutex mutex;
    std::vector<std::string> texts;
    std::vector<std::uint32_t> senders;
    bool offGuiThread = false;
    std::vector<VORDIX_MESSAGE> commands;
};

WIN_APPLICATION::LanguageStore fixedLanguage(std::optional<std::wstring> value, std::wstring* written = nullptr)
{
    WIN_APPLICATION::LanguageStore store;
    store.read = [value] { return value; };
    store.write = [written](const std::wstring& v) {
        if (written)
            *written = v;
    };
    return store;
}

class MessageQueueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WIN_APPLICATION::destroyInstance();
        VORDIX_IMPLEMENTORFACTORY::installInstance(new WIN_IMPLEMENTORFACTORY);
        WIN_APPLICATION::instance(fixedLanguage(std::nullopt));
        app = std::make_unique<RecordingApplication>();
    }
    void TearDown() override
    {
        QCoreApplication::processEvents();
        app.reset();
        WIN_APPLICATION::destroyInstance();
        VORDIX_IMPLEMENTORFACTORY::deleteInstance();
    }
    std::unique_ptr<RecordingApplication> app;
};

TEST_F(MessageQueueTest, RecordsFromTwoThreadsArriveInOrderOnGuiThread)
{
    constexpr int perThread = 200;
    auto producer = [](char tag, std::uint32_t sender) {
        for (int i = 0; i < perThread; ++i) {
            const std::string text = std::string(1, tag) + std::to_string(i);
            WIN_APPLICATION::existing()->postMessage(sender ? PostedMessage::received(sender, text)
                                                            : PostedMessage::local(text));
        }
    };
    std::thread a(producer, 'A', 0);
    std::thread b(producer, 'B', 42);
    a.join();
    b.join();
    ASSERT_TRUE(pumpUntil([&] { return app->dispatched() == 2 * perThread; }));

    EXPECT_FALSE(app->offGuiThread);
    int nextA = 0, nextB = 0;
    for (std::size_t i = 0; i < app->texts.size(); ++i) {
        const std::string& text = app->texts[i];
        if (text[0] == 'A') {
            EXPECT_EQ(text, "A" + std::to_string(nextA++));
            EXPECT_EQ(app->senders[i], 0u);
        } else {
            EXPECT_EQ(text, "B" + std::to_string(nextB++));
            EXPECT_EQ(app->senders[i], 42u);
        }
    }
    EXPECT_EQ(nextA, perThread);
    EXPECT_EQ(nextB, perThread);
    EXPECT_EQ(CCustomMessageQueue::instance().waitingCount(), 0u);
}

TEST_F(MessageQueueTest, IdsFollowPostingOrderAndTakeIsOnce)
{
    QObject target; // receives the announcements, ignores them
    auto& queue = CCustomMessageQueue::instance();
    ASSERT_TRUE(queue.post(&target, PostedMessage::local("erste")));
    ASSERT_TRUE(queue.post(&target, PostedMessage::local("zweite")));
    // The announcements name consecutive ids in posting order.
    struct Collector : QObject {
        std::vector<std::uint32_t> ids;
        QEvent::Type type;
        bool event(QEvent* e) override
        {
            if (e->type() != type)
                return QObject::event(e);
            ids.push_back(static_cast<PostedRecordEvent*>(e)->id);
            return true;
        }
    } collector;
    collector.type = queue.registeredMessage();
    ASSERT_TRUE(queue.post(&collector, PostedMessage::local("dritte")));
    ASSERT_TRUE(queue.post(&collector, PostedMessage::local("vierte")));
    QCoreApplication::processEvents();
    ASSERT_EQ(collector.ids.size(), 2u);
    EXPECT_EQ(collector.ids[1], collector.ids[0] + 1);

    EXPECT_EQ(queue.take(collector.ids[0]).text(), "dritte");
    EXPECT_FALSE(queue.take(collector.ids[0]).hasPayload());
    EXPECT_EQ(queue.take(collector.ids[1]).text(), "vierte");
    EXPECT_EQ(queue.take(collector.ids[0] - 2).text(), "erste");
    EXPECT_EQ(queue.take(collector.ids[0] - 1).text(), "zweite");
    EXPECT_EQ(queue.waitingCount(), 0u);

    EXPECT_FALSE(queue.post(nullptr, PostedMessage::local("verloren")));
    EXPECT_EQ(queue.waitingCount(), 0u);
}

TEST_F(MessageQueueTest, AnnouncementWithoutRecordDispatchesNothing)
{
    auto& queue = CCustomMessageQueue::instance();
    QCoreApplication::postEvent(MessageFenster::instance(),
                                new PostedRecordEvent(queue.registeredMessage(), 0xFFFFFFF0u));
    QCoreApplication::processEvents();
    EXPECT_EQ(app->dispatched(), 0u);
}

TEST_F(MessageQueueTest, OpenFileRequestsReachExecuteCommand)
{
    struct Case {
        int mode;
        std::wstring path;
        bool delivered;
        int batch;
        std::wstring folder;
        std::wstring name;
    };
    const std::wstring cwd = std::filesystem::current_path().wstring() + L"/";
    const Case cases[] = {
        {1, L"/A/b.skt", true, 0, L"/A/", L"b.skt"},
        {2, L"/A/b.skt", true, 1, L"/A/", L"b.skt"},
        {0, L"/A/b.skt", false, 0, L"", L""},
        {3, L"/A/b.skt", false, 0, L"", L""},
        {1, L"/b.skt", true, 0, L"/", L"b.skt"},
        {1, L"b.skt", true, 0, cwd, L"b.skt"}, // relative: made absolute first
        {1, L"", true, 0, L"", L""},
    };
    for (const Case& c : cases) {
        app->commands.clear();
        EXPECT_EQ(MessageFenster::instance()->openFileMessage(c.mode, c.path), c.delivered ? 1 : 0);
        ASSERT_EQ(app->commands.size(), c.delivered ? 1u : 0u);
        if (!c.delivered)
            continue;
        const VORDIX_MESSAGE& m = app->commands[0];
        EXPECT_EQ(m.kind, MESSAGE_OPEN_FILE);
        EXPECT_EQ(m.value, c.batch);
        EXPECT_EQ(m.file.folder.path(), c.folder);
        EXPECT_EQ(m.file.name, c.name);
    }
}

TEST_F(MessageQueueTest, OpenFilePostedFromWorkerArrivesOnGuiThread)
{
    std::thread worker([] { MessageFenster::instance()->postOpenFile(2, L"/home/s/Aktuell.skt"); });
    worker.join();
    ASSERT_TRUE(pumpUntil([&] { return !app->commands.empty(); }));
    EXPECT_EQ(app->commands[0].value, 1);
    EXPECT_EQ(app->commands[0].file.folder.path(), L"/home/s/");
    EXPECT_EQ(app->commands[0].file.name, L"Aktuell.skt");
}

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

TEST_F(MessageQueueTest, ProcessEventsWaitsWithoutSpinningAndServesCalls)
{
    auto* platform = WIN_APPLICATION::existing();
    EXPECT_EQ(platform->processEvents(0), 0u);

    const double cpuBefore = processCpuSeconds();
    EXPECT_GE(platform->processEvents(100), 100u);
    // A busy loop would burn about the whole 100 ms.
    EXPECT_LT(processCpuSeconds() - cpuBefore, 0.05);

    // While it pumps, a worker's marshalled call gets served.
    std::atomic<bool> served{false};
    std::thread worker([&] { served = vordix::windows::runOnGuiThreadWithResult([] { return true; }); });
    while (!served)
        platform->processEvents(20);
    worker.join();
    EXPECT_TRUE(served);
}

TEST(PlatformApplication, LanguagePreferenceChoosesTranslator)
{
    struct Case {
        std::optional<std::wstring> stored;
        bool english;
    };
    for (const Case& c :
         {Case{std::nullopt, false}, Case{L"Deutsch", false}, Case{L"English", true}, Case{L"Klingonisch", true}}) {
        WIN_APPLICATION::destroyInstance();
        auto* platform = WIN_APPLICATION::instance(fixedLanguage(c.stored));
        EXPECT_EQ(platform->isEnglish(), c.english);
        EXPECT_EQ(platform->translatorInstalled(), c.english);
        WIN_APPLICATION::destroyInstance();
    }
}

TEST(PlatformApplication, LanguageChangeIsStoredAndAnsweredAtOnce)
{
    WIN_APPLICATION::destroyInstance();
    std::wstring written;
    auto* platform = WIN_APPLICATION::instance(fixedLanguage(L"Deutsch", &written));
    platform->setLanguage(true);
    EXPECT_TRUE(platform->isEnglish());
    EXPECT_EQ(written, L"English");
    EXPECT_FALSE(platform->translatorInstalled()); // texts change at the next start
    platform->setLanguage(false);
    EXPECT_EQ(written, L"Deutsch");
    WIN_APPLICATION::destroyInstance();
}

TEST(PlatformApplication, ProgramPathCursorsAndLibraryProbe)
{
    WIN_APPLICATION::destroyInstance();
    auto* platform = WIN_APPLICATION::instance(fixedLanguage(std::nullopt));
    EXPECT_EQ(platform->programPath(), QCoreApplication::applicationFilePath().toStdWString());
    ASSERT_FALSE(platform->programFolder().empty());
    EXPECT_EQ(platform->programFolder().back(), L'/');
    EXPECT_EQ(platform->eraserCursor().hotSpot(), QPoint(31, 25));
    EXPECT_EQ(platform->panCursor().hotSpot(), QPoint(15, 15));
    EXPECT_EQ(platform->eraserCursor().bitmap().size(), QSize(32, 32));
    EXPECT_EQ(platform->isServiceDiscoveryAvailable(), WIN_APPLICATION::libraryLoadable("libdns_sd.so.1"));
    EXPECT_TRUE(WIN_APPLICATION::libraryLoadable("libc.so.6"));
    EXPECT_FALSE(WIN_APPLICATION::libraryLoadable("libgibtsnicht_skat.so.1"));
    WIN_APPLICATION::destroyInstance();
}

} // namespace
