// A worker posts records and open-file requests while the GUI thread keeps
// pumping, as the game's table thread does during play: everything arrives
// on the GUI thread in posting order, and the hand-over between the threads
// is one ThreadSanitizer can follow.

#include "guithread_support.h"
#include "test_dialog_forms.h"

#include "vordix/Application.h"
#include "vordix/Message.h"
#include "vordix/windows/MessageFenster.h"
#include "vordix/windows/QtMessageSink.h"
#include "vordix/windows/WinApplication.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

using guitest::onGuiThread;
using guitest::pumpUntil;
using vordix::MessageAnswer;
using vordix::MessageButtons;
using vordix::MessageKind;

namespace {

// Everything it is handed arrives on the GUI thread, so it needs no lock.
class LiveApplication : public VORDIX_APPLICATION {
public:
    bool initialize() override { return true; }
    void shutdown() override { }
    bool executeCommand(const VORDIX_MESSAGE& message) override
    {
        if (!onGuiThread())
            offGuiThread = true;
        commands.push_back(message);
        return true;
    }
    void afterMessage() override { }
    void dispatchMessage(const PostedMessage& message) override
    {
        if (!onGuiThread())
            offGuiThread = true;
        texts.push_back(message.text());
    }

    std::vector<std::string> texts;
    std::vector<VORDIX_MESSAGE> commands;
    bool offGuiThread = false;
};

class WorkerPostsWhilePumping : public ::testing::Test {
protected:
    void SetUp() override
    {
        WIN_APPLICATION::destroyInstance();
        VORDIX_IMPLEMENTORFACTORY::installInstance(new WIN_IMPLEMENTORFACTORY);
        WIN_APPLICATION::LanguageStore store;
        store.read = [] { return std::optional<std::wstring>{}; };
        store.write = [](const std::wstring&) {};
        WIN_APPLICATION::instance(store);
        app = std::make_unique<LiveApplication>();
    }
    void TearDown() override
    {
        QCoreApplication::processEvents();
        app.reset();
        WIN_APPLICATION::destroyInstance();
        VORDIX_IMPLEMENTORFACTORY::deleteInstance();
    }
    std::unique_ptr<LiveApplication> app;
};

TEST_F(WorkerPostsWhilePumping, RecordsArriveInOrder)
{
    constexpr int count = 300;
    std::atomic<bool> started{false};
    std::thread worker([&] {
        started = true;
        for (int i = 0; i < count; ++i)
            WIN_APPLICATION::existing()->postMessage(PostedMessage::local(std::to_string(i)));
    });
    ASSERT_TRUE(pumpUntil([&] { return started && app->texts.size() == count; }));
    worker.join();
    EXPECT_FALSE(app->offGuiThread);
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(app->texts[static_cast<std::size_t>(i)], std::to_string(i));
}

TEST_F(WorkerPostsWhilePumping, OpenFileRequestsArrive)
{
    std::thread worker([] {
        MessageFenster::instance()->postOpenFile(1, L"/home/s/Erste.skt");
        MessageFenster::instance()->postOpenFile(2, L"/home/s/Zweite.skt");
    });
    ASSERT_TRUE(pumpUntil([&] { return app->commands.size() == 2; }));
    worker.join();
    EXPECT_FALSE(app->offGuiThread);
    EXPECT_EQ(app->commands[0].file.name, L"Erste.skt");
    EXPECT_EQ(app->commands[0].value, 0);
    EXPECT_EQ(app->commands[1].file.name, L"Zweite.skt");
    EXPECT_EQ(app->commands[1].value, 1);
}

TEST(NoticeWhilePumping, ShownOnTheGuiThread)
{
    struct Notice {
        QString text;
        bool onGui;
    };
    auto shown = std::make_shared<std::vector<Notice>>();
    QtMessageSink sink([shown](MessageKind, const QString&, const QString& text, MessageButtons) {
        shown->push_back({text, onGuiThread()});
        return MessageAnswer::Ok;
    });
    std::thread worker([&] {
        for (const wchar_t* text : {L"erste", L"zweite"})
            sink.show(MessageKind::Error, L"SKAT", text, MessageButtons::Ok);
    });
    ASSERT_TRUE(pumpUntil([&] { return shown->size() == 2; }));
    worker.join();
    EXPECT_EQ((*shown)[0].text, QString("erste"));
    EXPECT_EQ((*shown)[1].text, QString("zweite"));
    EXPECT_TRUE((*shown)[0].onGui && (*shown)[1].onGui);
}

class DialogPostsWhilePumping : public testforms::FormsTest { };

TEST_F(DialogPostsWhilePumping, RecordsReachOnNotifyInOrder)
{
    testforms::RecordingDialog dialog(testforms::DIALOG_FORM);
    constexpr int count = 100;
    std::thread worker([&] {
        for (int i = 0; i < count; ++i)
            dialog.implementor()->postMessage(PostedMessage::local(std::to_string(i)));
    });
    ASSERT_TRUE(pumpUntil([&] { return dialog.notes.size() == count; }));
    worker.join();
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(dialog.notes[static_cast<std::size_t>(i)].text(), std::to_string(i));
}

} // namespace
