// The table server: its queue and on-demand worker, the start-up load with
// the resume of a saved game, the history sheet and the start commands with
// scripted answers to their questions.

#include "skat/engine/SheetServices.h"
#include "skat/net/ServerDialogs.h"
#include "skat/net/SkatServer.h"
#include "tests/engine/test_table_support.h"
#include "tests/support/RecordingMessageSink.h"
#include "vordix/MessageSink.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <unistd.h>

using namespace table_test;
namespace fs = std::filesystem;

namespace {

// Forehand of the first game of an empty sheet is seat 2.
constexpr Seat V = SEAT_2, M = SEAT_0, H = SEAT_1;

// Answers the server's questions from a script and logs every question.
class ScriptedDialogs : public SERVER_DIALOGS {
public:
    bool askStartNewSheet(int rows) override { return answer("sheet:" + std::to_string(rows)); }
    bool askLeaveGame(LeaveQuestion question) override { return answer("leave:" + std::to_string(question)); }
    int runFreeGameDialog(Seat proposed) override
    {
        log("free:" + std::to_string(proposed));
        return freeGameSeat;
    }
    void notAvailable(const std::wstring&) override { log("unavailable"); }
    void refreshStartState() override { ++refreshes; }

    std::vector<std::string> asked()
    {
        std::lock_guard lock(mutex);
        return questions;
    }
    std::deque<bool> answers; // missing answers are "yes"
    int freeGameSeat = -1;
    std::atomic<int> refreshes{0};

private:
    bool answer(const std::string& question)
    {
        log(question);
        std::lock_guard lock(mutex);
        if (answers.empty())
            return true;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void log(const std::string& question)
    {
        std::lock_guard lock(mutex);
        questions.push_back(question);
    }
    std::mutex mutex;
    std::vector<std::string> questions;
};

void script(Seat seat, int limit, GameType type)
{
    SeatScript& s = seatScripts()[static_cast<std::size_t>(seat)];
    s.bidLimit = limit;
    s.type = type;
    s.winLevel = WIN_LEVEL_WITH_SKAT;
}

// Forehand plays diamonds for 18; the others pass.
void scriptDiamondsGame()
{
    seatScripts() = {};
    script(V, 18, GAME_DIAMONDS);
    script(M, 0, GAME_CLUBS);
    script(H, 0, GAME_HEARTS);
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every test gets a data folder of its own and a fresh server whose tables
// have computer players (or a human in slot 0 answered by nobody, which
// keeps a game loop running) and a recording observer.
class ServerTest : public testing::Test {
protected:
    void SetUp() override
    {
        const char* name = testing::UnitTest::GetInstance()->current_test_info()->name();
        home = fs::temp_directory_path() / ("skat-server-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(home);
        fs::create_directories(home);
        if (const char* old = std::getenv("XDG_DATA_HOME"))
            oldHome = old;
        ::setenv("XDG_DATA_HOME", home.c_str(), 1);
        sheets = home / "SKAT" / "Spiellisten";
        installTableServices(services);
        installServerDialogs(dialogs);
        setComputerLogicFactory([] { return std::make_unique<ScriptedLogic>(); });
        scriptDiamondsGame();
        server = std::make_unique<SKAT_SERVER>();
        server->setTableSetup([this](SKATTISCH_SERVER& table) { setUpTable(table); });
    }
    void TearDown() override
    {
        server.reset();
        setComputerLogicFactory({});
        installServerDialogs(nullptr);
        installTableServices(nullptr);
        if (oldHome.empty())
            ::unsetenv("XDG_DATA_HOME");
        else
            ::setenv("XDG_DATA_HOME", oldHome.c_str(), 1);
        fs::remove_all(home);
    }

    void setUpTable(SKATTISCH_SERVER& table)
    {
        for (int slot = 0; slot < 3; ++slot)
            table.setPlayer(slot, slot == 0 && humanInSlot0 ? PLAYER_KIND_HUMAN : PLAYER_KIND_COMPUTER);
        table.setFixedSeed(4711);
        table.setSavesFiles(savesFiles);
        table.observers.clear();
        auto recording = std::make_unique<RecordingObserver>(table);
        observer = recording.get();
        observer->onEvent = [this, &table](int event, int) {
            if (event != GAME_FINISHED && event != ALL_PASSED)
                return;
            {
                std::lock_guard lock(mutex);
                finished.push_back(table.recordCopy());
            }
            table.stopGameLoop();
        };
        table.observers.add(std::move(recording));
    }

    std::vector<SPIELSTRUCT> finishedGames()
    {
        std::lock_guard lock(mutex);
        return finished;
    }
    SKATTISCH_SERVER& table() { return *server->serverTable(); }

    fs::path home;
    fs::path sheets;
    std::string oldHome;
    std::shared_ptr<TestServices> services = std::make_shared<TestServices>();
    std::shared_ptr<ScriptedDialogs> dialogs = std::make_shared<ScriptedDialogs>();
    std::unique_ptr<SKAT_SERVER> server;
    RecordingObserver* observer = nullptr;
    bool humanInSlot0 = false;
    bool savesFiles = false;
    std::mutex mutex;
    std::vector<SPIELSTRUCT> finished;
};

// --- queue and worker ----------------------------------------------------------

SKAT_NETWORKMESSAGE requestNumbered(int n)
{
    SKAT_NETWORKMESSAGE message(PLAYER_ACTION_REQUEST);
    message.event = n; // only a tag here: there is no table to run it
    return message;
}

TEST_F(ServerTest, WorkerRunsMessagesInOrderOneAtATimeAndStartsOnDemand)
{
    std::mutex logMutex;
    std::vector<int> order;
    std::atomic<int> inside{0}, mostInside{0};
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    server->setInspector([&](const SKAT_NETWORKMESSAGE& message) {
        const int now = ++inside;
        mostInside = std::max(mostInside.load(), now);
        if (message.event == 1)
            released.wait(); // the next messages arrive while the worker is busy
        {
            std::lock_guard lock(logMutex);
            order.push_back(message.event);
        }
        --inside;
    });
    EXPECT_FALSE(server->isWorkerRunning());
    EXPECT_EQ(server->workersStarted(), 0); // no idle thread before the first message
    for (int n = 1; n <= 3; ++n)
        server->queueMessage(requestNumbered(n));
    EXPECT_TRUE(server->isWorkerRunning());
    release.set_value();
    server->waitUntilIdle();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(server->workersStarted(), 1);

    // After the worker found the queue empty, the next message starts a new one.
    server->queueMessage(requestNumbered(4));
    server->waitUntilIdle();
    EXPECT_EQ(server->workersStarted(), 2);

    // Four threads queue at once: each one's messages keep their order and
    // never two workers run.
    std::vector<std::thread> senders;
    for (int t = 0; t < 4; ++t)
        senders.emplace_back([&, t] {
            for (int i = 0; i < 50; ++i)
                server->queueMessage(requestNumbered(1000 * (t + 1) + i));
        });
    for (std::thread& sender : senders)
        sender.join();
    server->waitUntilIdle();
    EXPECT_EQ(mostInside.load(), 1);
    ASSERT_EQ(order.size(), 204u);
    std::array<int, 4> last{-1, -1, -1, -1};
    for (std::size_t i = 4; i < order.size(); ++i) {
        const int thread = order[i] / 1000 - 1;
        ASSERT_GE(thread, 0);
        EXPECT_GT(order[i] % 1000, last[static_cast<std::size_t>(thread)]);
        last[static_cast<std::size_t>(thread)] = order[i] % 1000;
    }
}

// A table is replaced (here: by none, as the server ends) only after the
// worker has handled the messages queued for it.
TEST_F(ServerTest, TheTableGoesOnlyAfterTheWorkerHandledItsMessages)
{
    server->prepareLocalTable();
    SKATTISCH* const table = server->currentTable();
    ASSERT_NE(table, nullptr);
    std::atomic<bool> inside{false};
    std::vector<SKATTISCH*> seen;
    SKAT_SERVER* const ending = server.get();
    server->setInspector([&, ending](const SKAT_NETWORKMESSAGE&) {
        inside = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        seen.push_back(ending->currentTable());
    });
    server->queueMessage(requestNumbered(1));
    server->queueMessage(requestNumbered(2));
    ASSERT_TRUE(eventually([&] { return inside.load(); }));
    server.reset();
    EXPECT_EQ(seen, (std::vector<SKATTISCH*>{table, table}));
}

TEST_F(ServerTest, TableEventWithoutTableIsDroppedAndReleasesTheWaitingLoop)
{
    ASSERT_EQ(server->currentTable(), nullptr);
    SKAT_NETWORKMESSAGE event(TABLE_NOTIFICATION);
    event.event = NEW_GAME;
    // Would wait for ever if the dropped event were not counted as handled.
    EVENT_HANDOFF::instance().postAndWait(
        [&] {
            server->queueMessage(event);
            return true;
        },
        [] { return false; });
    server->waitUntilIdle();
    // The same for an event the local table handed over as a value; a
    // request without a table is dropped without a word.
    EVENT_HANDOFF::instance().postAndWait(
        [&] { return server->queueLocal(LocalTableCall::eventOf(0, CARD_PLAYED, 1)); }, [] { return false; });
    server->queueLocal(LocalTableCall::requestOf(0, 0, REQUEST_PLAY_CARD));
    server->waitUntilIdle();
    EXPECT_EQ(server->currentTable(), nullptr);
}

// --- start-up ----------------------------------------------------------------------

// Plays gamesBefore + 1 diamonds games uninterrupted (their records are
// returned), then the same games again until the program shuts down in the
// fifth card request of the last one, which leaves the running game and the
// sheet with the earlier games where start-up looks for them.
std::vector<SPIELSTRUCT> saveGameInCardPlay(int gamesBefore = 0)
{
    std::vector<SPIELSTRUCT> uninterrupted;
    {
        TableHarness harness;
        for (int game = 0; game <= gamesBefore; ++game)
            harness.scriptDeal(DEAL, V);
        scriptDiamondsGame();
        harness.stopAfterGames = gamesBefore + 1;
        harness.table->modus.setNextOfList(harness.table->sheet);
        EXPECT_TRUE(harness.playToEnd());
        uninterrupted = harness.settled();
        EXPECT_EQ(uninterrupted.size(), static_cast<std::size_t>(gamesBefore + 1));
    }
    TableHarness harness;
    for (int game = 0; game <= gamesBefore; ++game)
        harness.scriptDeal(DEAL, V);
    scriptDiamondsGame();
    harness.table->setSavesFiles(true);
    harness.table->runningGame.file = fileInSheetsFolder(L"LfdSpiel.skt");
    harness.table->sheet.file = fileInSheetsFolder(L"Aktuell.skt");
    int cardStates = 0;
    harness.onStateEntered = [&](int index) {
        if (harness.gamesEnded == gamesBefore && index == STATE_KARTE_AUSSPIELEN && ++cardStates == 5) {
            harness.services->closing = true;
            harness.table->stopGameLoop();
        }
    };
    harness.table->modus.setNextOfList(harness.table->sheet);
    EXPECT_TRUE(harness.playToEnd());
    return uninterrupted;
}

TEST_F(ServerTest, StartUpResumesAGameSavedInCardPlayWithTheSameResultAndKeepsTheEarlierRows)
{
    for (const int gamesBefore : {0, 2}) {
        SCOPED_TRACE(gamesBefore);
        fs::remove_all(sheets);
        const std::vector<SPIELSTRUCT> uninterrupted = saveGameInCardPlay(gamesBefore);
        ASSERT_TRUE(fs::exists(sheets / "LfdSpiel.skt"));
        // The harness restored the defaults; the server runs with this test's.
        installTableServices(services);
        setComputerLogicFactory([] { return std::make_unique<ScriptedLogic>(); });
        scriptDiamondsGame();
        {
            std::lock_guard lock(mutex);
            finished.clear();
        }
        dialogs = std::make_shared<ScriptedDialogs>();
        installServerDialogs(dialogs);
        server = std::make_unique<SKAT_SERVER>();
        server->setTableSetup([this](SKATTISCH_SERVER& table) { setUpTable(table); });

        server->loadRunningGame();
        EXPECT_FALSE(server->noGameResumed);
        ASSERT_NE(server->serverTable(), nullptr);
        ASSERT_TRUE(eventually([&] { return finishedGames().size() == 1; }));
        ASSERT_TRUE(table().waitForLoopEnd(20000));
        EXPECT_EQ(finishedGames()[0], uninterrupted.back());
        EXPECT_EQ(observer->codes().front(), GAME_RESUMED);
        // The sheet came from the file: no question, and the earlier games
        // stay before the resumed one.
        EXPECT_EQ(dialogs->asked(), std::vector<std::string>{});
        std::lock_guard lock(table().tableLock);
        ASSERT_EQ(table().sheet.rowCount(), gamesBefore + 1);
        for (int row = 0; row <= gamesBefore; ++row)
            EXPECT_EQ(table().sheet.rowAt(row).record, uninterrupted[static_cast<std::size_t>(row)]) << row;
    }
}

// Finished games go to the server's history sheet, as in the program.
class ServerStatistics : public TestServices {
public:
    explicit ServerStatistics(SKAT_SERVER& server) : server_(server) { }
    void addToStatisticsSheet(const SPIELSTRUCT& record, const SPIELKARTEN& cards) override
    {
        adding = true;
        server_.addToStatisticsSheet(record, cards);
    }
    std::atomic<bool> adding{false};
    void saveStatisticsSheet() override { server_.saveStatisticsSheet(); }

private:
    SKAT_SERVER& server_;
};

TEST_F(ServerTest, ResumedGameSettledWhileTheDataLoadsDoesNotDeadlock)
{
    saveGameInCardPlay();
    auto statistics = std::make_shared<ServerStatistics>(*server);
    installTableServices(statistics);
    setComputerLogicFactory([] { return std::make_unique<ScriptedLogic>(); });
    scriptDiamondsGame();
    VORDIX_FOLDER folder;
    folder.setPath(home.wstring() + L"/");
    {
        LISTE shipped; // an empty shipped history, so that the load completes
        shipped.file = VORDIX_FILE(folder, L"Shipped.skt");
        ASSERT_TRUE(shipped.save());
    }
    server->setHistoryFiles(VORDIX_FILE(folder, L"Historie.skt"), VORDIX_FILE(folder, L"Shipped.skt"));
    // The profiles are built slowly: the resumed game settles meanwhile and
    // its statistics wait for the data lock.
    server->setProfileFeeder([&](const LISTE&) {
        for (int i = 0; i < 500 && !statistics->adding; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    });
    // The start-state refresh stands for the GUI thread, which may be busy
    // reading the history sheet (the statistics dialog) when it comes: it
    // must not come while the data lock is held.
    std::atomic<int> refreshFailures{0};
    struct Refresh : ScriptedDialogs {
        SKAT_SERVER* server = nullptr;
        std::atomic<int>* failures = nullptr;
        void refreshStartState() override
        {
            if (!server->dataLoaded())
                return;
            auto read = std::make_shared<std::promise<void>>();
            std::future<void> done = read->get_future();
            std::thread([s = server, read] {
                s->withStatisticsSheet([](LISTE&) {});
                read->set_value();
            }).detach();
            if (done.wait_for(std::chrono::seconds(5)) != std::future_status::ready)
                ++*failures;
        }
    };
    auto refresh = std::make_shared<Refresh>();
    refresh->server = server.get();
    refresh->failures = &refreshFailures;
    installServerDialogs(refresh);

    server->startDataLoading();
    server->loadRunningGame();
    ASSERT_TRUE(eventually([&] { return finishedGames().size() == 1; }));
    ASSERT_TRUE(table().waitForLoopEnd(20000));
    server->joinDataLoading();
    EXPECT_TRUE(server->dataLoaded());
    EXPECT_EQ(refreshFailures.load(), 0);
    int rows = 0;
    server->withStatisticsSheet([&](LISTE& sheet) { rows = sheet.rowCount(); });
    EXPECT_EQ(rows, 1);
}

TEST_F(ServerTest, StartUpWithoutSavedGameWaitsAndKeepsAnUnreadableSheetAside)
{
    struct Case {
        const char* name;
        const char* content; // null: no file
        bool keptAside;
    };
    const Case cases[] = {
        {"missing", nullptr, false},
        {"damaged", "<Spielliste", true},
        {"newer", "<?xml version=\"1.0\"?><Spielliste DokumentVersion=\"99\"/>", true},
        {"foreign", "<?xml version=\"1.0\"?><Kartenverteilung/>", true},
    };
    auto sink = std::make_shared<testsupport::RecordingMessageSink>();
    const auto previousSink = vordix::setMessageSink(sink);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sink->clear();
        server = std::make_unique<SKAT_SERVER>();
        server->setTableSetup([this](SKATTISCH_SERVER& table) { setUpTable(table); });
        savesFiles = true;
        fs::remove_all(sheets);
        fs::create_directories(sheets);
        if (c.content)
            std::ofstream(sheets / "Aktuell.skt") << c.content;
        const int refreshesBefore = dialogs->refreshes;
        server->loadRunningGame();
        EXPECT_TRUE(server->noGameResumed);
        EXPECT_FALSE(table().isLoopRunning());
        EXPECT_GT(dialogs->refreshes.load(), refreshesBefore);
        EXPECT_EQ(table().sheet.rowCount(), 0);
        // The sheet file exists afterwards; an unreadable one was not overwritten.
        EXPECT_TRUE(fs::exists(sheets / "Aktuell.skt"));
        bool aside = false;
        for (const auto& entry : fs::directory_iterator(sheets))
            if (entry.path().filename().string().rfind("Aktuell.skt.", 0) == 0) {
                aside = true;
                EXPECT_EQ(readFile(entry.path()), c.content);
            }
        EXPECT_EQ(aside, c.keptAside);
        // The user is told about a file that was kept aside, and only then.
        EXPECT_EQ(!sink->texts.empty(), c.keptAside);
        for (const std::wstring& text : sink->texts)
            EXPECT_NE(text.find(L"Aktuell.skt"), std::wstring::npos);
    }
    vordix::setMessageSink(previousSink);
}

// A history that cannot be read (damaged, or written by a newer program) is
// told to the user once the data lock is free again, and kept aside by the
// next save instead of being overwritten.
TEST_F(ServerTest, AnUnreadableOrNewerHistoryIsToldAfterTheLoadAndKeptAside)
{
    struct ProbingSink : testsupport::RecordingMessageSink {
        SKAT_SERVER* server = nullptr;
        std::atomic<int> shownUnderLock{0};
        vordix::MessageAnswer show(vordix::MessageKind kind, const std::wstring& caption, const std::wstring& text,
                                   vordix::MessageButtons buttons) override
        {
            auto read = std::make_shared<std::promise<void>>();
            std::future<void> done = read->get_future();
            std::thread([s = server, read] {
                s->withStatisticsSheet([](LISTE&) {});
                read->set_value();
            }).detach();
            if (done.wait_for(std::chrono::seconds(2)) != std::future_status::ready)
                ++shownUnderLock;
            return RecordingMessageSink::show(kind, caption, text, buttons);
        }
    };
    const char* contents[] = {"<Spielliste", "<?xml version=\"1.0\"?><Spielliste DokumentVersion=\"99\"/>"};
    VORDIX_FOLDER folder;
    folder.setPath(home.wstring() + L"/");
    for (const char* content : contents) {
        SCOPED_TRACE(content);
        fs::remove_all(home / "user");
        fs::create_directories(home / "user");
        VORDIX_FOLDER userFolder;
        userFolder.setPath((home / "user").wstring() + L"/");
        std::ofstream(home / "user" / "Historie.skt") << content;
        server = std::make_unique<SKAT_SERVER>();
        auto sink = std::make_shared<ProbingSink>();
        sink->server = server.get();
        const auto previousSink = vordix::setMessageSink(sink);
        server->setHistoryFiles(VORDIX_FILE(userFolder, L"Historie.skt"), VORDIX_FILE(folder, L"missing.skt"));
        server->startDataLoading();
        server->joinDataLoading();
        vordix::setMessageSink(previousSink);
        ASSERT_EQ(sink->texts.size(), 1u);
        EXPECT_NE(sink->texts[0].find(L"Historie.skt"), std::wstring::npos);
        EXPECT_EQ(sink->shownUnderLock.load(), 0);
        server->addToStatisticsSheet(SPIELSTRUCT{}, SPIELKARTEN{});
        ASSERT_TRUE(server->saveStatisticsSheet());
        std::vector<std::string> aside;
        for (const auto& entry : fs::directory_iterator(home / "user"))
            if (entry.path().filename() != "Historie.skt")
                aside.push_back(readFile(entry.path()));
        EXPECT_EQ(aside, std::vector<std::string>{content});
    }
}

// --- history sheet -------------------------------------------------------------------

TEST_F(ServerTest, HistorySheetWaitsForTheDataLoadAndAnUnreadableOneIsKept)
{
    const fs::path user = home / "Historie.skt";
    const fs::path shipped = home / "shipped" / "Historie.skt";
    std::ofstream(user) << "not a sheet";
    VORDIX_FOLDER userFolder, shippedFolder;
    userFolder.setPath(home.wstring() + L"/");
    shippedFolder.setPath((home / "shipped").wstring() + L"/");
    server->setHistoryFiles(VORDIX_FILE(userFolder, L"Historie.skt"), VORDIX_FILE(shippedFolder, L"Historie.skt"));
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<int> fed{0};
    server->setProfileFeeder([&](const LISTE&) {
        ++fed;
        released.wait();
    });
    // A shipped sheet with one game, made through the server itself.
    {
        SKAT_SERVER maker;
        fs::create_directories(home / "shipped");
        maker.setHistoryFiles(VORDIX_FILE(shippedFolder, L"Historie.skt"), {});
        maker.loadData();
        SPIELSTRUCT record;
        SPIELKARTEN cards;
        maker.addToStatisticsSheet(record, cards);
        ASSERT_TRUE(maker.saveStatisticsSheet());
    }
    ASSERT_TRUE(fs::exists(shipped));

    server->startDataLoading();
    ASSERT_TRUE(eventually([&] { return fed.load() == 1; })); // the shipped sheet; the user's was unreadable
    std::atomic<bool> added{false};
    std::thread bookkeeping([&] {
        server->addToStatisticsSheet(SPIELSTRUCT{}, SPIELKARTEN{});
        added = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(added.load()); // waits for the load to finish
    EXPECT_FALSE(server->dataLoaded());
    release.set_value();
    bookkeeping.join();
    server->joinDataLoading();
    EXPECT_TRUE(server->dataLoaded());
    int rows = -1;
    server->withStatisticsSheet([&](LISTE& sheet) { rows = sheet.rowCount(); });
    EXPECT_EQ(rows, 1);
    ASSERT_TRUE(server->saveStatisticsSheet());
    // The unreadable history was moved aside, not overwritten.
    bool aside = false;
    for (const auto& entry : fs::directory_iterator(home))
        if (entry.path().filename().string().rfind("Historie.skt.", 0) == 0)
            aside = readFile(entry.path()) == "not a sheet";
    EXPECT_TRUE(aside);
    server->resetStatisticsSheet();
    server->withStatisticsSheet([&](LISTE& sheet) { rows = sheet.rowCount(); });
    EXPECT_EQ(rows, 0);
}

// --- commands ------------------------------------------------------------------------

// The deal of the diamonds game as a stored row of a sheet.
EIN_SPIEL storedDeal()
{
    EIN_SPIEL game;
    CardSet all = 0;
    for (Seat s = SEAT_0; s < 3; ++s) {
        game.deal.hands[s].assignCards(DEAL[static_cast<std::size_t>(s)]);
        all |= DEAL[static_cast<std::size_t>(s)];
    }
    const CardId first = cardIdOfBit(lowestBit(~all));
    game.deal.skat = SKAT(first, cardIdOfBit(lowestBit(~all & ~cardMaskOfId(first))));
    game.deal.vhPos = V;
    game.pile.setVh(V);
    return game;
}

TEST_F(ServerTest, CommandsAskBeforeLeavingARunningGameAndRestartTheTable)
{
    humanInSlot0 = true; // the human is asked and nobody answers: the loop keeps running
    const EIN_SPIEL stored = storedDeal();
    struct Case {
        const char* name;
        std::function<void(SKAT_SERVER&)> command;
        std::vector<bool> answers;
        std::vector<std::string> asked;
        bool restarted;
    };
    const Case cases[] = {
        {"new game, stay", [](SKAT_SERVER& s) { s.startNewGameOfList(); }, {false}, {"leave:1"}, false},
        {"new game, leave", [](SKAT_SERVER& s) { s.startNewGameOfList(); }, {true}, {"leave:1"}, true},
        // The sheet has no rows, so only leaving is asked.
        {"new sheet, leave", [](SKAT_SERVER& s) { s.startNewSheet(); }, {true}, {"leave:1"}, true},
        {"replay, leave", [](SKAT_SERVER& s) { s.replayGame(SPIELKARTEN{}); }, {true}, {"leave:1"}, true},
        {"free game, dialog closed", [](SKAT_SERVER& s) { s.startFreeGame(); }, {true}, {"leave:1", "free:2"}, false},
        {"repeat, leave", [](SKAT_SERVER& s) { s.repeatGame(); }, {true}, {"leave:1"}, true},
        {"given game, leave", [&](SKAT_SERVER& s) { s.playGivenGame(stored, 0); }, {true}, {"leave:1"}, true},
        {"exercise, stay", [&](SKAT_SERVER& s) { s.playExerciseGame(stored); }, {false}, {"leave:1"}, false},
        {"exercise, leave", [&](SKAT_SERVER& s) { s.playExerciseGame(stored); }, {true}, {"leave:1"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs = std::make_shared<ScriptedDialogs>();
        installServerDialogs(dialogs);
        server->startNewGameOfList();
        ASSERT_TRUE(table().isLoopRunning());
        const std::uint32_t run = table().tableRunId;
        dialogs->answers.assign(c.answers.begin(), c.answers.end());
        c.command(*server);
        EXPECT_EQ(dialogs->asked(), c.asked);
        if (c.restarted) {
            EXPECT_TRUE(table().isLoopRunning());
            EXPECT_NE(table().tableRunId.load(), run);
        } else if (c.answers.front()) {
            EXPECT_FALSE(table().isLoopRunning()); // left, then nothing started
        } else {
            EXPECT_TRUE(table().isLoopRunning());
            EXPECT_EQ(table().tableRunId.load(), run);
        }
        server->shutdown();
    }
}

TEST_F(ServerTest, FreeGameStartsWithTheChosenForehandOnlyFromTheDialog)
{
    dialogs->freeGameSeat = 1;
    savesFiles = false;
    server->startFreeGame();
    ASSERT_TRUE(eventually([&] { return finishedGames().size() == 1; }));
    EXPECT_TRUE(table().modus.freeGame);
    EXPECT_EQ(table().modus.forehand, 1);
    EXPECT_EQ(dialogs->asked(), (std::vector<std::string>{"free:1"}));
    server->shutdown();
    // Then the next game of the sheet is no free game.
    server->startNewGameOfList();
    ASSERT_TRUE(eventually([&] { return finishedGames().size() == 2; }));
    EXPECT_FALSE(table().modus.freeGame);
}

TEST_F(ServerTest, SheetQuestionsOnlyForSheetsWithRows)
{
    savesFiles = true;
    server->startNewSheet(); // an empty sheet: no question; one game is played
    ASSERT_TRUE(eventually([&] { return finishedGames().size() == 1; }));
    ASSERT_TRUE(table().waitForLoopEnd(20000));
    ASSERT_EQ(table().sheet.rowCount(), 1);
    EXPECT_EQ(dialogs->asked(), std::vector<std::string>{});

    // Declined: the sheet and its file stay as they are.
    const std::string saved = readFile(sheets / "Aktuell.skt");
    dialogs->answers = {false};
    server->startNewSheet();
    dialogs->answers = {false};
    server->openList(VORDIX_FILE{});
    EXPECT_EQ(dialogs->asked(), (std::vector<std::string>{"sheet:1", "sheet:1"}));
    EXPECT_EQ(table().sheet.rowCount(), 1);
    EXPECT_FALSE(table().isLoopRunning());
    EXPECT_EQ(readFile(sheets / "Aktuell.skt"), saved);

    // Agreed: emptied, saved, and the first game of the new sheet starts.
    dialogs->answers = {true};
    server->startNewSheet();
    ASSERT_TRUE(eventually([&] { return finishedGames().size() == 2; }));
    ASSERT_TRUE(table().waitForLoopEnd(20000));
    EXPECT_EQ(table().sheet.rowCount(), 1);
}

TEST_F(ServerTest, NetworkCommandsAreNotAvailableAndLeaveTheTable)
{
    server->startNewGameOfList();
    ASSERT_TRUE(eventually([&] { return finishedGames().size() == 1; }));
    SKATTISCH* before = server->currentTable();
    server->hostNetworkGame();
    server->joinNetworkGame();
    EXPECT_EQ(dialogs->asked(), (std::vector<std::string>{"unavailable", "unavailable"}));
    EXPECT_EQ(server->currentTable(), before);
}

} // namespace

namespace {

TEST_F(ServerTest, DistributionCommandsDealTheEditorsCardsToTheirPlayers)
{
    humanInSlot0 = true; // the game then waits for the user's bid
    KARTENVERTEILUNG deal;
    CardSet all = 0;
    for (Seat s = SEAT_0; s < 3; ++s) {
        deal.hands[s].assignCards(DEAL[static_cast<std::size_t>(s)]);
        all |= DEAL[static_cast<std::size_t>(s)];
    }
    const CardId first = cardIdOfBit(lowestBit(~all));
    deal.skat = SKAT(first, cardIdOfBit(lowestBit(~all & ~cardMaskOfId(first))));
    deal.vhPos = H;
    struct Case {
        const char* name;
        bool byUser;
        std::array<int, 3> kinds; // by slot
    };
    const Case cases[] = {
        {"current players", false, {PLAYER_KIND_HUMAN, PLAYER_KIND_COMPUTER, PLAYER_KIND_COMPUTER}},
        {"the user plays all hands", true, {PLAYER_KIND_HUMAN, PLAYER_KIND_HUMAN, PLAYER_KIND_HUMAN}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.byUser)
            server->playDistributionByUser(deal);
        else
            server->playDistribution(deal);
        EXPECT_TRUE(table().isLoopRunning());
        EXPECT_EQ(table().modus.mode, MODE_DISTRIBUTION);
        EXPECT_TRUE(table().modus.freeGame);
        for (int slot = 0; slot < 3; ++slot)
            EXPECT_EQ(table().playerInSlot(slot)->kind(), c.kinds[static_cast<std::size_t>(slot)]);
        EXPECT_TRUE(eventually([&] {
            std::lock_guard lock(table().tableLock);
            for (Seat s = SEAT_0; s < 3; ++s)
                if (table().cards.hands[static_cast<std::size_t>(s)].cardSet() != DEAL[static_cast<std::size_t>(s)])
                    return false;
            return true;
        }));
        dialogs->answers = {true}; // leave this game for the next case
    }
    // Leaving the running distribution game was asked with the question for special games.
    EXPECT_EQ(dialogs->asked(), (std::vector<std::string>{"leave:2"}));
}

} // namespace
