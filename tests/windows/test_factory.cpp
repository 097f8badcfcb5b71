// The platform factory and the program's message sink.

#include "guithread_support.h"

#include "vordix/Dialog.h"
#include "vordix/Folder.h"
#include "vordix/Preference.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/GuiThread.h"
#include "vordix/windows/QtMessageSink.h"
#include "vordix/windows/WinApplication.h"
#include "vordix/windows/WinImplementorFactory.h"
#include "vordix/windows/WinScreen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

using guitest::onGuiThread;
using guitest::pumpUntil;
using vordix::MessageAnswer;
using vordix::MessageButtons;
using vordix::MessageKind;

namespace {

class FactoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WIN_APPLICATION::destroyInstance();
        VORDIX_IMPLEMENTORFACTORY::installInstance(new WIN_IMPLEMENTORFACTORY);
    }
    void TearDown() override
    {
        WIN_APPLICATION::destroyInstance();
        VORDIX_IMPLEMENTORFACTORY::deleteInstance();
    }
};

TEST_F(FactoryTest, PlainAndProcessWideImplementors)
{
    auto* factory = VORDIX_IMPLEMENTORFACTORY::instance();
    EXPECT_EQ(factory->getApplication(), nullptr); // never made by the factory

    std::unique_ptr<VORDIX_FOLDER_imp> folder(factory->createFolder());
    EXPECT_NE(dynamic_cast<WIN_FILEPATH*>(folder.get()), nullptr);
    std::unique_ptr<VORDIX_PREFERENCE_imp> preference(factory->createPreference());
    EXPECT_NE(preference, nullptr);

    VORDIX_SCREEN_imp* screen = factory->createScreen();
    EXPECT_NE(dynamic_cast<WIN_SCREEN*>(screen), nullptr);
    EXPECT_EQ(factory->createScreen(), screen);

    auto* platform = WIN_APPLICATION::instance(WIN_APPLICATION::LanguageStore{});
    EXPECT_EQ(factory->getApplication(), platform);
}

TEST_F(FactoryTest, InstallDefaultKeepsAnInstalledFactory)
{
    auto* installed = VORDIX_IMPLEMENTORFACTORY::instance();
    EXPECT_EQ(WIN_IMPLEMENTORFACTORY::installDefault(), installed);
    VORDIX_IMPLEMENTORFACTORY::deleteInstance();
    EXPECT_EQ(VORDIX_IMPLEMENTORFACTORY::instance(), nullptr);
    EXPECT_NE(WIN_IMPLEMENTORFACTORY::installDefault(), nullptr);
}

// A dialog-like widget object: built and destroyed on the GUI thread only.
class ProbeDialog : public QObject {
public:
    static inline std::atomic<int> alive{0};
    static inline std::atomic<int> wrongThread{0};
    explicit ProbeDialog(std::atomic<bool>* destroyedFlag) : destroyed(destroyedFlag)
    {
        if (!onGuiThread())
            ++wrongThread;
        ++alive;
    }
    ~ProbeDialog() override
    {
        if (!onGuiThread())
            ++wrongThread;
        --alive;
        *destroyed = true;
    }
    std::atomic<bool>* destroyed;
};

TEST(WidgetImplementors, CreatedFromWorkerExistOnReturnAndDieOnGuiThread)
{
    constexpr int workers = 3;
    std::atomic<int> finished{0};
    std::atomic<int> existedOnReturn{0};
    std::atomic<int> goneAfterRelease{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < workers; ++i) {
        threads.emplace_back([&] {
            std::atomic<bool> destroyed{false};
            auto dialog = vordix::windows::createSharedOnGuiThread<QObject, ProbeDialog>(
                [&] { return new ProbeDialog(&destroyed); });
            if (dialog && dialog->thread() == QCoreApplication::instance()->thread())
                ++existedOnReturn;
            dialog.reset();
            if (destroyed)
                ++goneAfterRelease; // deleted before the release returned
            ++finished;
        });
    }
    ASSERT_TRUE(pumpUntil([&] { return finished == workers; }));
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(existedOnReturn, workers);
    EXPECT_EQ(goneAfterRelease, workers);
    EXPECT_EQ(ProbeDialog::alive, 0);
    EXPECT_EQ(ProbeDialog::wrongThread, 0);
}

TEST_F(FactoryTest, DialogMadeOnWorkerIsBuiltAndDeletedOnGuiThread)
{
    constexpr int unregisteredForm = 9990; // a dialog without form: no controls
    std::atomic<bool> done{false};
    std::atomic<bool> builtOnGui{false};
    std::atomic<bool> deleted{false};
    bool deletedBeforeReturn = false;
    std::thread worker([&] {
        {
            VORDIX_DIALOG dialog(unregisteredForm);
            auto* widget = dynamic_cast<QObject*>(dialog.implementor().get());
            builtOnGui = widget && widget->thread() == QCoreApplication::instance()->thread();
            if (widget)
                QObject::connect(
                    widget, &QObject::destroyed, widget, [&] { deleted = onGuiThread(); }, Qt::DirectConnection);
        }
        deletedBeforeReturn = deleted;
        done = true;
    });
    ASSERT_TRUE(pumpUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_TRUE(builtOnGui);
    EXPECT_TRUE(deletedBeforeReturn);
}

struct Shown {
    MessageKind kind;
    QString caption;
    QString text;
    bool onGui;
};

TEST(QtMessageSinkTest, BarsBecomeLines)
{
    EXPECT_EQ(QtMessageSink::displayText(L"eins|zwei|drei"), QString("eins\nzwei\ndrei"));
    EXPECT_EQ(QtMessageSink::displayText(L"eins|zwei|drei").split('\n').size(), 3);
}

TEST(QtMessageSinkTest, NoticeFromWorkerDoesNotWaitForGui)
{
    auto shown = std::make_shared<std::vector<Shown>>();
    QtMessageSink sink([shown](MessageKind k, const QString& c, const QString& t, MessageButtons) {
        shown->push_back({k, c, t, onGuiThread()});
        return MessageAnswer::Ok;
    });
    MessageAnswer answer = MessageAnswer::Cancel;
    std::thread worker([&] { answer = sink.show(MessageKind::Error, L"SKAT", L"a|b", MessageButtons::Ok); });
    worker.join(); // returned although the GUI thread pumped nothing
    EXPECT_EQ(answer, MessageAnswer::Ok);
    EXPECT_TRUE(shown->empty());
    ASSERT_TRUE(pumpUntil([&] { return !shown->empty(); }));
    EXPECT_TRUE((*shown)[0].onGui);
    EXPECT_EQ((*shown)[0].kind, MessageKind::Error);
    EXPECT_EQ((*shown)[0].caption, QString("SKAT"));
    EXPECT_EQ((*shown)[0].text, QString("a\nb"));
}

TEST(QtMessageSinkTest, QuestionFromWorkerWaitsForTheAnswer)
{
    QtMessageSink sink([](MessageKind, const QString&, const QString&, MessageButtons) {
        return onGuiThread() ? MessageAnswer::Yes : MessageAnswer::Cancel;
    });
    std::atomic<bool> done{false};
    MessageAnswer answer = MessageAnswer::Cancel;
    std::thread worker([&] {
        answer = sink.show(MessageKind::Question, L"SKAT", L"Weiter?", MessageButtons::YesNo);
        done = true;
    });
    ASSERT_TRUE(pumpUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_EQ(answer, MessageAnswer::Yes);
}

TEST(QtMessageSinkTest, RefusedQuestionGetsTheRefusingAnswer)
{
    vordix::windows::refuseGuiCalls(true);
    auto presented = std::make_shared<int>(0);
    QtMessageSink sink([presented](MessageKind, const QString&, const QString&, MessageButtons) {
        ++*presented;
        return MessageAnswer::Yes;
    });
    MessageAnswer yesNo = MessageAnswer::Yes, okCancel = MessageAnswer::Ok, notice = MessageAnswer::Cancel;
    std::thread worker([&] {
        yesNo = sink.show(MessageKind::Question, L"SKAT", L"?", MessageButtons::YesNo);
        okCancel = sink.show(MessageKind::Question, L"SKAT", L"?", MessageButtons::OkCancel);
        notice = sink.show(MessageKind::Error, L"SKAT", L"Ende", MessageButtons::Ok);
    });
    worker.join();
    QCoreApplication::processEvents(); // nothing was queued for a loop that has ended
    vordix::windows::refuseGuiCalls(false);
    EXPECT_EQ(yesNo, MessageAnswer::No);
    EXPECT_EQ(okCancel, MessageAnswer::Cancel);
    EXPECT_EQ(notice, MessageAnswer::Ok);
    EXPECT_EQ(*presented, 0);
}

TEST(QtMessageSinkTest, RealMessageBoxShowsTextAndAnswers)
{
    QString seenText, seenTitle;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seenText = box->text();
        seenTitle = box->windowTitle();
        box->button(QMessageBox::No)->click();
    });
    QtMessageSink sink;
    EXPECT_EQ(sink.show(MessageKind::Question, L"SKAT", L"Neue|Liste?", MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(seenText, QString("Neue\nListe?"));
    EXPECT_EQ(seenTitle, QString("SKAT"));
}

} // namespace
