// The application object: the menus follow the table, the help pages, the
// first-start copy of the sample files, the exercise comments and a start
// that fails on the way.

#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/TableTypes.h"
#include "skat/net/SkatServer.h"
#include "skat/shell/MenuCommands.h"
#include "skat/shell/MenuState.h"
#include "skat/shell/ShellDialogs.h"
#include "skat/shell/SkatApplication.h"
#include "skat/shell/UserFiles.h"
#include "skat/ui/WindowServerDialogs.h"
#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "tests/support/RecordingMessageSink.h"
#include "vordix/Message.h"
#include "vordix/MessageSink.h"
#include "vordix/Utf8.h"
#include "vordix/WinFilePath.h"
#include "vordix/WorkerThreads.h"
#include "vordix/windows/ControlIds.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QApplication>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string readText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeText(const fs::path& file, const std::string& text)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

fs::path scratch(const std::string& name)
{
    const fs::path dir = fs::temp_directory_path() / ("skat-app-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

} // namespace

bool within(int ms, const std::function<bool()>& condition);

// ---------------------------------------------------------------- menu state

TEST(MenuState, FollowsTheTable)
{
    struct Case {
        const char* what;
        MenuInputs in;
        std::vector<MenuGroup> on;
        bool analysisEnabled;
    };
    MenuInputs none;
    MenuInputs idle;
    idle.hasTable = true;
    MenuInputs busyEmpty = idle;
    busyEmpty.busy = true;
    MenuInputs sheet = idle;
    sheet.sheetRows = 3;
    sheet.sheetInProgress = true;
    MenuInputs bidding = sheet;
    bidding.busy = true;
    bidding.state = 4;
    MenuInputs firstTrick = sheet;
    firstTrick.busy = true;
    firstTrick.state = 8;
    MenuInputs laterTrick = firstTrick;
    laterTrick.tricks = 3;
    MenuInputs trickDone = firstTrick;
    trickDone.state = 9;
    trickDone.tricks = 1;
    MenuInputs freeViews = laterTrick;
    freeViews.interrupted = true;
    freeViews.pointsShown = true;
    freeViews.lastTricksShown = true;
    freeViews.openHands = true;
    MenuInputs shownOnly = laterTrick; // shown, but the game was not left
    shownOnly.pointsShown = true;
    shownOnly.lastTricksShown = true;
    MenuInputs exercise = firstTrick;
    exercise.exerciseMode = true;
    MenuInputs putAway = sheet;
    putAway.busy = true;
    putAway.state = 6;
    putAway.putAwayShown = true;

    const std::vector<Case> cases = {
        {"no table", none, {GROUP_NEW_OPEN}, false},
        {"idle, empty sheet", idle, {GROUP_NEW_OPEN}, false},
        {"busy, empty sheet", busyEmpty, {}, false},
        {"sheet in progress", sheet, {GROUP_NEW_OPEN, GROUP_CONTINUE, GROUP_SAVE_PRINT}, false},
        {"bidding", bidding, {GROUP_SAVE_PRINT, GROUP_STOP, GROUP_FREE_VIEWS}, true},
        {"first trick", firstTrick, {GROUP_SAVE_PRINT, GROUP_STOP, GROUP_LAY_DOWN, GROUP_FREE_VIEWS}, true},
        {"later trick",
         laterTrick,
         {GROUP_SAVE_PRINT, GROUP_STOP, GROUP_LAST_TRICK, GROUP_LAY_DOWN, GROUP_TAKE_BACK, GROUP_FREE_VIEWS},
         true},
        {"trick done", trickDone, {GROUP_SAVE_PRINT, GROUP_STOP, GROUP_LAST_TRICK, GROUP_TAKE_BACK}, true},
        {"free views checked",
         freeViews,
         {GROUP_SAVE_PRINT, GROUP_STOP, GROUP_LAST_TRICK, GROUP_LAY_DOWN, GROUP_TAKE_BACK, GROUP_FREE_VIEWS,
          GROUP_POINTS_CHECKED, GROUP_OPEN_HANDS_CHECKED, GROUP_LAST_TRICKS_CHECKED},
         true},
        {"shown but not left",
         shownOnly,
         {GROUP_SAVE_PRINT, GROUP_STOP, GROUP_LAST_TRICK, GROUP_LAY_DOWN, GROUP_TAKE_BACK, GROUP_FREE_VIEWS},
         true},
        {"exercise", exercise, {GROUP_SAVE_PRINT, GROUP_STOP, GROUP_LAY_DOWN, GROUP_FREE_VIEWS}, false},
        {"put away", putAway, {GROUP_SAVE_PRINT, GROUP_STOP, GROUP_FREE_VIEWS}, true},
    };
    for (const Case& c : cases) {
        const MenuStates states = menuStatesFor(c.in);
        for (int g = 0; g < MENU_GROUP_COUNT; ++g) {
            const bool expected = std::find(c.on.begin(), c.on.end(), MenuGroup(g)) != c.on.end();
            EXPECT_EQ(states.group[static_cast<std::size_t>(g)], expected) << c.what << ", group " << g;
        }
        EXPECT_EQ(states.analysisEnabled, c.analysisEnabled) << c.what;
    }
    EXPECT_TRUE(menuStatesFor(exercise).analysisChecked);
    EXPECT_FALSE(menuStatesFor(firstTrick).analysisChecked);
    MenuInputs noDiscovery;
    noDiscovery.serviceDiscovery = false;
    // A table is joined by its typed address where discovery is missing.
    EXPECT_TRUE(menuStatesFor(noDiscovery).networkEnabled);
}

TEST(MenuState, CommandIdsAreTheMenuActions)
{
    registerControlIds();
    const std::vector<std::pair<const char*, int>> names = {
        {"Spi_neu", menu::NEW_SHEET},          {"Liste_weiter", menu::CONTINUE_SHEET},
        {"Spiel_abbrechen", menu::STOP_GAME},  {"Spi_ende", menu::QUIT},
        {"Frei_voreinaus", menu::ANALYSIS},    {"Frei_kartenverteilung", menu::DISTRIBUTION},
        {"Frei_undo", menu::TAKE_BACK},        {"Opt_automatischSpielen", menu::AUTO_PLAY},
        {"Hil_skatordnung", menu::HELP_RULES}, {"Ska_info", menu::ABOUT},
        {"Liste_TB_Neu", menu::TB_NEW},        {"Liste_TB_Drucken", menu::TB_PRINT},
    };
    for (const auto& [name, id] : names)
        EXPECT_EQ(ControlIds::idOf(std::string(name)), id) << name;
}

// ---------------------------------------------------------------- help pages

TEST(HelpPages, EveryPageNamesAShippedFile)
{
    const fs::path help = fs::path(SKAT_BINARY_DIR) / "skat/windows/Ressourcen/Hilfe";
    for (bool english : {false, true}) {
        for (int page = 0; page <= 8; ++page) {
            const std::wstring name = SKAT_APPLICATION::helpFileOfPage(page, english);
            ASSERT_FALSE(name.empty()) << page;
            EXPECT_TRUE(fs::exists(help / name)) << fs::path(name).string();
        }
        EXPECT_TRUE(SKAT_APPLICATION::helpFileOfPage(9, english).empty());
        EXPECT_TRUE(SKAT_APPLICATION::helpFileOfPage(-1, english).empty());
    }
    // The bid factor has no English page: English readers get the German one.
    EXPECT_EQ(SKAT_APPLICATION::helpFileOfPage(7, true), L"einfuehrung/reizfaktor.html");
    EXPECT_EQ(SKAT_APPLICATION::helpFileOfPage(5, true), L"einfuehrung/spielwerte.en.html");
    EXPECT_EQ(SKAT_APPLICATION::helpFileOfPage(8, false), L"programmhilfe/programmhilfe.html");
}

// ---------------------------------------------------------------- first start

TEST(UserFiles, CopiesWhatIsMissingAndKeepsTheUsersFiles)
{
    const fs::path dir = scratch("userfiles");
    const fs::path resources = dir / "Ressourcen";
    writeText(resources / "Spiellisten/Beispiel.skt", "sample sheet");
    writeText(resources / "Spiellisten/Turnier/Runde1.skt", "round one");
    writeText(resources / "Kartenverteilungen/Demo.krt", "demo deal");
    const fs::path user = dir / "SKAT";
    writeText(user / "Kartenverteilungen/Demo.krt", "the user's own deal");
    fs::permissions(resources / "Spiellisten/Beispiel.skt", fs::perms::owner_read, fs::perm_options::replace);

    const UserFilesReport first = installUserFiles(resources, user);
    EXPECT_EQ(first.copied, 2);
    EXPECT_EQ(first.kept, 1);
    EXPECT_EQ(first.failed, 0);
    EXPECT_EQ(readText(user / "Spiellisten/Turnier/Runde1.skt"), "round one");
    EXPECT_EQ(readText(user / "Kartenverteilungen/Demo.krt"), "the user's own deal");
    // A copy of a read-only sample can be changed by the user.
    EXPECT_NE(fs::status(user / "Spiellisten/Beispiel.skt").permissions() & fs::perms::owner_write, fs::perms::none);

    writeText(user / "Spiellisten/Beispiel.skt", "changed by the user");
    const UserFilesReport second = installUserFiles(resources, user);
    EXPECT_EQ(second.copied, 0);
    EXPECT_EQ(second.kept, 3);
    EXPECT_EQ(readText(user / "Spiellisten/Beispiel.skt"), "changed by the user");

    // Without sample folders nothing happens.
    const UserFilesReport none = installUserFiles(dir / "missing", user);
    EXPECT_EQ(none.copied + none.kept + none.failed, 0);
    fs::remove_all(dir);
}

// ---------------------------------------------------------------- exercises

TEST(ExerciseComments, StandBeforeTheirGames)
{
    const std::string xml = "<?xml version=\"1.0\"?><Spielliste><Namen/><Spiele>"
                            "<!-- Erste Übung: Karo mit vier Buben --><Spiel/>"
                            "<Spiel/>"
                            "<!--\n  Dritte: Null  \n--><!-- the last comment counts --><Spiel/>"
                            "</Spiele></Spielliste>";
    const std::vector<std::wstring> comments = readGameComments(xml);
    ASSERT_EQ(comments.size(), 3u);
    EXPECT_EQ(comments[0], L"Erste Übung: Karo mit vier Buben");
    EXPECT_EQ(comments[1], L"");
    EXPECT_EQ(comments[2], L"the last comment counts");
    EXPECT_TRUE(readGameComments("<broken").empty());
    EXPECT_TRUE(readGameComments("<Spielliste/>").empty());
}

// ---------------------------------------------------------------- start-up

namespace {

class TestApplication : public SKAT_APPLICATION {
public:
    TestApplication() = default;
};

class StartUp : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_app";
        static char* argv[] = {name, nullptr};
        if (!qApp)
            new QApplication(argc, argv);
        registerControlIds();
        registerForms();
        WIN_IMPLEMENTORFACTORY::installDefault();
    }

    void SetUp() override
    {
        dir = scratch("startup");
        ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
        sink = std::make_shared<testsupport::RecordingMessageSink>();
        vordix::setMessageSink(sink);
        USER_PREFS::destroyInstance();
    }
    void TearDown() override
    {
        vordix::WorkerThreads::stopAll();
        USER_PREFS::destroyInstance();
        vordix::setMessageSink(std::make_shared<testsupport::RecordingMessageSink>());
        ::unsetenv("XDG_DATA_HOME");
        ::unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(dir);
    }

    fs::path dir;
    std::shared_ptr<testsupport::RecordingMessageSink> sink;
};

} // namespace

TEST_F(StartUp, MissingLeadTablesEndTheStartCleanly)
{
    // A program whose logic files are gone: a resource folder with samples only.
    const fs::path resources = dir / "Ressourcen";
    writeText(resources / "Spiellisten/Beispiel.skt", "sample");
    const fs::path user = dir / "data/SKAT";
    writeText(user / "Spiellisten/Aktuell.skt", "the user's sheet");
    writeText(user / "Spiellisten/LfdSpiel.skt", "the user's running game");
    {
        TestApplication app;
        app.resourceFolder = resources;
        app.userFolder = user;
        EXPECT_FALSE(app.initialize());
        EXPECT_EQ(app.reachedStep(), SKAT_APPLICATION::STEP_LEAD_TABLES);
        ASSERT_FALSE(sink->texts.empty());
        EXPECT_EQ(sink->kinds.back(), vordix::MessageKind::Error);
        // No thread was started and no table was set up.
        EXPECT_EQ(vordix::WorkerThreads::count(), 0u);
        EXPECT_FALSE(SKAT_SERVER::instance().isBusy());
        EXPECT_FALSE(app.mainWindow.isOpen);
    }
    // The user's files are as they were; the samples of a first start came before.
    EXPECT_EQ(readText(user / "Spiellisten/Aktuell.skt"), "the user's sheet");
    EXPECT_EQ(readText(user / "Spiellisten/LfdSpiel.skt"), "the user's running game");
    EXPECT_EQ(readText(user / "Spiellisten/Beispiel.skt"), "sample");
}

TEST_F(StartUp, AStaleSettingsStampCopiesNothing)
{
    const fs::path resources = dir / "Ressourcen";
    writeText(resources / "Spiellisten/Beispiel.skt", "sample");
    const fs::path user = dir / "data/SKAT";
    // The first-start mark is set, the stamp is of an older version (too short to be current).
    writeText(dir / "config/Quorvenel/SKAT.ini",
              "[Software]\nQuorvenel\\SKAT\\Preferences\\19=A\nQuorvenel\\SKAT\\Preferences\\20=A\n");
    {
        TestApplication app;
        app.resourceFolder = resources;
        app.userFolder = user;
        EXPECT_FALSE(app.initialize());
        EXPECT_TRUE(USER_PREFS::instance().firstStart);
        EXPECT_FALSE(USER_PREFS::instance().freshInstall);
    }
    EXPECT_FALSE(fs::exists(user / "Spiellisten/Beispiel.skt"));
}

// ---------------------------------------------------------------- whole program

bool within(int ms, const std::function<bool()>& condition)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
}

namespace {

// Whether the process handles the signal: it does once its event loop is about to run.
bool handles(qint64 pid, int signal)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

// One run of the program in the scratch home, ended as a session end ends it.
int runProgramOnce(const fs::path& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", QString::fromStdString(home.string()));
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString((home / "runtime").string()));
    env.insert("XDG_DATA_HOME", QString::fromStdString((home / "data").string()));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString((home / "config").string()));
    fs::create_directories(home / "runtime");
    fs::permissions(home / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    QProcess skat;
    skat.setProcessEnvironment(env);
    skat.setProcessChannelMode(QProcess::MergedChannels);
    skat.start(QStringLiteral(SKAT_BINARY_DIR "/skat/windows/Skat"), {});
    if (!skat.waitForStarted(30000))
        return -1;
    const qint64 pid = skat.processId();
    if (!within(60000, [&] { return handles(pid, SIGTERM); }))
        return -2;
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    if (!skat.waitForFinished(60000))
        return -3;
    return skat.exitStatus() == QProcess::NormalExit ? skat.exitCode() : -4;
}

} // namespace

TEST_F(StartUp, TheFirstStartCopiesTheSamplesAndTheSecondNothing)
{
    const fs::path samples = dir / "data/SKAT";
    ASSERT_EQ(runProgramOnce(dir), 0);
    // Preferences were saved, the samples copied.
    EXPECT_TRUE(fs::exists(dir / "config/Quorvenel/SKAT.ini"));
    for (const char* file : {"Spiellisten/Beispielliste.skt", "Kartenverteilungen/Demo.krt"})
        EXPECT_TRUE(fs::exists(samples / file)) << file;

    writeText(samples / "Spiellisten/Beispielliste.skt", "the user's own list");
    fs::remove(samples / "Kartenverteilungen/Demo.krt");
    ASSERT_EQ(runProgramOnce(dir), 0);
    EXPECT_EQ(readText(samples / "Spiellisten/Beispielliste.skt"), "the user's own list");
    EXPECT_FALSE(fs::exists(samples / "Kartenverteilungen/Demo.krt"));
}

TEST(SampleFiles, ExerciseListsHoldADozenCommentedGames)
{
    const fs::path folder = fs::path(SKAT_BINARY_DIR) / "skat/windows/Ressourcen/Uebungspartien";
    for (const char* name : {"uebungsliste.de.skt", "uebungsliste.en.skt"}) {
        LISTE list;
        VORDIX_FOLDER where;
        where.setPath(WIN_FILEPATH::fromFsPath(folder));
        ASSERT_EQ(list.open(VORDIX_FILE(where, vordix::fromUtf8(name))), 0) << name;
        EXPECT_EQ(list.rowCount(), 12) << name;
        const std::vector<std::wstring> comments = readGameComments(readText(folder / name));
        ASSERT_EQ(comments.size(), 12u) << name;
        for (int i = 0; i < list.rowCount(); ++i) {
            EXPECT_FALSE(comments[static_cast<std::size_t>(i)].empty()) << name << " " << i;
            EXPECT_TRUE(list.rowAt(i).deal.isValid()) << name << " " << i;
        }
    }
}

TEST_F(StartUp, AWholeStartShowsTheTableAndQuitSavesTheRunningGame)
{
    const fs::path user = dir / "data/SKAT";
    TestApplication app;
    app.userFolder = user;
    ASSERT_TRUE(app.initialize());
    EXPECT_EQ(app.reachedStep(), SKAT_APPLICATION::STEP_DONE);
    EXPECT_TRUE(fs::exists(user / "Spiellisten/Beispielliste.skt"));
    // The window opener shows the main window once the GUI thread runs.
    ASSERT_TRUE(within(20000, [&] {
        QCoreApplication::processEvents();
        return app.mainWindow.implementor() && app.mainWindow.implementor()->isVisible();
    }));
    EXPECT_NE(windowServerDialogs(), nullptr);
    MenuInputs idle = app.menuInputs();
    EXPECT_TRUE(idle.hasTable);
    EXPECT_EQ(idle.state, 0);

    VORDIX_MESSAGE start(MESSAGE_COMMAND);
    start.commandId = menu::NEW_SHEET;
    app.executeCommand(start);
    ASSERT_TRUE(within(20000, [&] {
        QCoreApplication::processEvents();
        return app.menuInputs().state >= STATE_REIZEN;
    }));
    const MenuStates playing = menuStatesFor(app.menuInputs());
    EXPECT_TRUE(playing.group[GROUP_STOP]);
    EXPECT_FALSE(playing.group[GROUP_NEW_OPEN]);

    app.shutdown();
    EXPECT_TRUE(app.isShutDown());
    EXPECT_FALSE(SKAT_SERVER::instance().isBusy());
    // The game stays saved where it stood and resumes at the next start.
    const std::string running = readText(user / "Spiellisten/LfdSpiel.skt");
    EXPECT_NE(running.find("ZUSTANDINDEX"), std::string::npos);
    EXPECT_EQ(running.find("ZUSTANDINDEX=\"0\""), std::string::npos);
}

// The menu's commands of the aids and information open their windows; none
// of them answers that it is not available yet. Modal dialogs are closed as
// they come (the free game then starts nothing).
TEST_F(StartUp, TheAidsAndInformationCommandsOpenTheirWindows)
{
    TestApplication app;
    app.userFolder = dir / "data/SKAT";
    ASSERT_TRUE(app.initialize());
    ASSERT_TRUE(within(20000, [&] {
        QCoreApplication::processEvents();
        return app.mainWindow.implementor() && app.mainWindow.implementor()->isVisible();
    }));
    // An earlier start in this process may have left a game running.
    sink->answer = vordix::MessageAnswer::Yes;
    ASSERT_TRUE(SKAT_SERVER::instance().stopRunningGame());
    sink->clear();
    std::vector<QString> modal;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* open = QApplication::activeModalWidget()) {
            modal.push_back(open->windowTitle());
            open->close();
        }
    });
    closer.start(20);
    const auto shown = [](const char* title) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowTitle() == QString::fromUtf8(title))
                return true;
        return false;
    };
    const struct {
        int command;
        const char* title;
        bool modal;
    } cases[] = {
        // clang-format off
        {menu::ABOUT, "Über Skat", false},
        {menu::HELP_PROGRAM, "SKAT Hilfe", false},
        {menu::STATISTICS, "Statistik", true},
        {menu::FREE_GAME, "Übungstisch - Freies Spiel starten", true},
        {menu::EXERCISES, "Übungspartien", false},
        {menu::DEAL_EDITOR, "Karteneditor", false},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        modal.clear();
        VORDIX_MESSAGE command(MESSAGE_COMMAND);
        command.commandId = c.command;
        app.executeCommand(command);
        QCoreApplication::processEvents();
        if (c.modal)
            EXPECT_EQ(modal, std::vector<QString>{QString::fromUtf8(c.title)});
        else
            EXPECT_TRUE(shown(c.title));
    }
    EXPECT_FALSE(SKAT_SERVER::instance().isBusy()) << "the closed free-game dialog started nothing";
    // The commands that need a game say nothing without one; none says "not yet".
    for (int command : {menu::ANALYSIS, menu::POINTS, menu::LAST_TRICKS, menu::OPEN_HANDS, menu::TAKE_BACK,
                        menu::LAY_DOWN, menu::AUTO_PLAY, menu::HELP_INTRODUCTION, menu::HELP_RULES}) {
        VORDIX_MESSAGE message(MESSAGE_COMMAND);
        message.commandId = command;
        app.executeCommand(message);
    }
    closer.stop();
    for (const std::wstring& text : sink->texts)
        EXPECT_NE(text, skat::text(TextKey::Alert_Noch_nicht_verfuegbar));
    app.shutdown();
}
