#include "skat/shell/SkatApplication.h"

#include "skat/app/Bilder.h"
#include "skat/app/LogicTextsFromTable.h"
#include "skat/app/SkatFolders.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/AnswerCheck.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/logic/CharakterCreator.h"
#include "skat/logic/ComputerPlayer.h"
#include "skat/logic/LeadTables.h"
#include "skat/logic/PreplayTables.h"
#include "skat/net/GameMessages.h"
#include "skat/net/SkatNetworkMessage.h"
#include "skat/net/SkatServer.h"
#include "skat/net/TableDiscovery.h"
#include "skat/shell/MenuCommands.h"
#include "skat/shell/ShellServices.h"
#include "skat/shell/UserFiles.h"
#include "skat/ui/DialogHilfestellungen.h"
#include "skat/ui/DialogSpielAbkuerzen.h"
#include "skat/ui/FensterSkatTableWindows.h"
#include "skat/ui/LocalTableServer.h"
#include "skat/ui/TableAids.h"
#include "skat/ui/TableDialogSupport.h"
#include "skat/ui/TableSnapshot.h"
#include "skat/ui/WindowServerDialogs.h"
#include "vordix/Message.h"
#include "vordix/MessageSink.h"
#include "vordix/Screen.h"
#include "vordix/Stream.h"
#include "vordix/WinFilePath.h"
#include "vordix/WorkerThreads.h"
#include "vordix/windows/GuiThread.h"

#include <ctime>

namespace {

SKAT_APPLICATION* g_application = nullptr;
std::shared_ptr<SHELL_TABLE_SERVICES> g_tableServices;

std::filesystem::path defaultResources() { return WIN_FILEPATH::toFsPath(skat::resourceFolder().path()); }

std::filesystem::path defaultUserFolder() { return WIN_FILEPATH::toFsPath(skat::userDataFolder().path()); }

} // namespace

// ---------------------------------------------------------------- object

SKAT_APPLICATION& SKAT_APPLICATION::instance()
{
    if (!g_application)
        g_application = new SKAT_APPLICATION;
    return *g_application;
}

SKAT_APPLICATION* SKAT_APPLICATION::existing() { return g_application; }

SKAT_APPLICATION::SKAT_APPLICATION() : mainWindow(*this)
{
    g_application = this;
    menuCache_.fill(true);
}

SKAT_APPLICATION::SKAT_APPLICATION(VORDIX_APPLICATION_imp* imp) : VORDIX_APPLICATION(imp), mainWindow(*this)
{
    g_application = this;
    menuCache_.fill(true);
}

SKAT_APPLICATION::~SKAT_APPLICATION()
{
    // The table's game loop and queue worker end before the windows they
    // report to go away.
    if (tableAccess_)
        tableAccess_->stop();
    serverDialogs_.reset();
    installTableServer(nullptr);
    if (servicesInstalled_) {
        installTableServices(nullptr);
        installSheetServices(nullptr);
        g_tableServices.reset();
    }
    if (g_application == this)
        g_application = nullptr;
}

// ---------------------------------------------------------------- start-up

bool SKAT_APPLICATION::fail(StartStep step, const std::wstring& message)
{
    reachedStep_ = step;
    vordix::showMessage(vordix::MessageKind::Error, message);
    if (implementor())
        implementor()->quit();
    return false;
}

void SKAT_APPLICATION::installServices()
{
    g_tableServices = std::make_shared<SHELL_TABLE_SERVICES>(implementor(), random, randomMutex);
    installTableServices(g_tableServices);
    installSheetServices(std::make_shared<SHELL_SHEET_SERVICES>());
    servicesInstalled_ = true;
}

bool SKAT_APPLICATION::initialize()
{
    if (resourceFolder.empty())
        resourceFolder = defaultResources();
    if (userFolder.empty())
        userFolder = defaultUserFolder();

    // 1. The texts and the computer player's bidding tables.
    reachedStep_ = STEP_TEXTS;
    // A text file that cannot be read was reported; the built-in texts stand in.
    SKAT_TEXT::instance();
    skat::installEngineTextsFromTable();
    skat::installLogicTextsFromTable();
    VL_TABELLEN::instance();
    registerComputerLogic();

    // 2. The stored preferences.
    reachedStep_ = STEP_PREFERENCES;
    USER_PREFS& prefs = USER_PREFS::instance();
    prefs.load();
    setComputerPlayStyle(prefs.playStyle);
    setComputerMemory(prefs.memory);
    if (implementor())
        implementor()->reserved(0, 0); // theme colours: no use on this platform

    // 3. The card sets and their images.
    reachedStep_ = STEP_CARD_SETS;
    BILDER::instance().initialize();

    // 4. A first start gives the user the sample files.
    reachedStep_ = STEP_USER_FILES;
    if (prefs.freshInstall)
        installUserFiles(resourceFolder, userFolder);

    // 5. The computer player's lead tables.
    reachedStep_ = STEP_LEAD_TABLES;
    if (!leadTables.loadFromPreferences(prefs, resourceFolder / "Spiellogik"))
        return fail(STEP_LEAD_TABLES, skat::text(TextKey::Alert_SKAT_konnte_nicht_starten));
    random.seed = static_cast<std::uint32_t>(std::time(nullptr));

    // 6. The windows' platform parts.
    reachedStep_ = STEP_WINDOWS;
    installServices();
    mainWindow.create();
    installTableWindowsFor(mainWindow);
    tricksWindow.create();
    sheetWindow.create();
    sheetWindow.sendCommand = [this](VORDIX_MESSAGE& message) { executeCommand(message); };
    sheetWindow.print = [](const LISTE& sheet) { return sheetServices()->exportPdf(sheet); };
    {
        VORDIX_FOLDER deals;
        deals.setPath(WIN_FILEPATH::fromFsPath(userFolder / "Kartenverteilungen"));
        dealEditor.document.file = VORDIX_FILE(deals, L"Demo.krt");
    }
    dealEditor.create();
    const auto editDeal = [this](const KARTENVERTEILUNG& deal) {
        dealEditor.setDistribution(deal);
        dealEditor.open();
    };
    tricksWindow.editDeal = editDeal;
    sheetWindow.tricks.editDeal = editDeal;
    aboutDialog.openHelpPage = [this](HelpPage page) { showHelp(page); };
    exerciseDialog.playGame = [this](LISTE& list, int index) { tricksWindow.showExerciseForReplay(list, index); };
    exerciseDialog.showCourse = [this](LISTE& list, int index) {
        tricksWindow.showExercise(list, index);
        tricksWindow.show();
    };
    SERVER_WINDOWS windows;
    windows.sheetWindow = &sheetWindow;
    windows.tricksWindow = &tricksWindow;
    windows.exerciseDialog = [this] { runExerciseDialog(); };
    windows.freeGameDialog = [this](Seat) { return static_cast<int>(runFreeGameDialog()); };
    hostDialog = std::make_unique<DIALOG_NETZ_SPIEL_EINLEITEN>(&mainWindow, SKAT_SERVER::instance());
    joinDialog = std::make_unique<DIALOG_NETZ_SPIEL_TEILNEHMEN>(&mainWindow, SKAT_SERVER::instance());
    windows.hostDialog = [this] { return hostDialog->run(); };
    windows.joinDialog = [this] { return joinDialog->run(); };
    windows.networkSeatsChanged = [this] {
        hostDialog->updateSeats();
        joinDialog->fillSeatLines();
        // The seats' hands and pictures follow the seating.
        mainWindow.attachSeats();
        mainWindow.seatPicturesChanged();
        startHostedGameWhenComplete(SKAT_SERVER::instance(), networkStart);
    };
    windows.endJoinDialog = [this](int) { return joinDialog->endForGame(); };
    serverDialogs_ = installWindowServerDialogs(windows);

    // 7. The current sheet and the running game; a game stopped in the
    // middle resumes at once.
    reachedStep_ = STEP_RUNNING_GAME;
    SKAT_SERVER& server = SKAT_SERVER::instance();
    // Game messages from other programs are handled on the GUI thread.
    server.setMessagePosting([this](PostedMessage message) { postMessage(message); });
    // Hosted tables are advertised over DNS-SD where its library is installed.
    installTableAdvertising();
    tableAccess_ = std::make_shared<LOCAL_TABLE_SERVER>(server);
    installTableServer(tableAccess_);
    tableAccess_->loadRunningGame();
    refreshSheetWindow();

    // 8. High scores and the game history for the computer players' profiles.
    reachedStep_ = STEP_DATA_LOADING;
    startDataLoading();

    // 9. The exercise list of the language, the help folder.
    reachedStep_ = STEP_EXERCISES;
    const bool english = implementor() && implementor()->isEnglish();
    VORDIX_FOLDER exercises;
    exercises.setPath(WIN_FILEPATH::fromFsPath(resourceFolder / "Uebungspartien"));
    exerciseDialog.loadGames(VORDIX_FILE(exercises, english ? L"uebungsliste.en.skt" : L"uebungsliste.de.skt"));
    helpFolder.setPath(WIN_FILEPATH::fromFsPath(resourceFolder / "Hilfe"));

    // 10. The screen: too low a screen ends the start; a small one plays
    // in full screen.
    reachedStep_ = STEP_SCREEN;
    placeForScreen();

    // 11. The main window opens once the event loop runs.
    reachedStep_ = STEP_WINDOW_OPENER;
    vordix::WorkerThreads::start("window opener", [this](std::stop_token) {
        mainWindow.show();
        if (networkStart.kind != NetworkStart::NONE)
            runOnGuiThread([this] { runNetworkStart(SKAT_SERVER::instance(), networkStart); });
    });
    reachedStep_ = STEP_DONE;
    return true;
}

void SKAT_APPLICATION::startDataLoading()
{
    SKAT_SERVER& server = SKAT_SERVER::instance();
    server.setProfileFeeder([](const LISTE& sheet) { profileStore().learnFromSheet(sheet); });
    std::shared_ptr<SHELL_TABLE_SERVICES> services = g_tableServices;
    vordix::WorkerThreads::start("data loading", [services, &server](std::stop_token) {
        if (services)
            services->loadHighScores();
        server.loadData();
        profileStore().setLoaded(server.dataLoaded());
    });
}

void SKAT_APPLICATION::placeForScreen()
{
    VORDIX_SCREEN_imp* screen = VORDIX_SCREEN::instance().implementor();
    if (!screen)
        return;
    const RECTANGLE size = screen->getScreenSize();
    if (size.height > 0 && size.height < 600) {
        vordix::showMessage(vordix::MessageKind::Information, skat::text(TextKey::Alert_Monitor_zu_klein));
        if (implementor())
            implementor()->quit();
    }
    USER_PREFS& prefs = USER_PREFS::instance();
    if (size.height > 0 && size.height <= 768)
        prefs.fullScreen = true;
    if (prefs.fullScreen) {
        VORDIX_SCREEN::instance().enterFullScreen(&mainWindow);
        mainWindow.fullScreenChanged(true);
        sheetWindow.placeWindow();
    }
}

// ---------------------------------------------------------------- shutdown

void SKAT_APPLICATION::shutdown()
{
    shutDown_ = true;
    if (g_tableServices)
        g_tableServices->setClosing();
    SKAT_SERVER& server = SKAT_SERVER::instance();
    SKATTISCH_SERVER* table = server.serverTable();
    if (table && table->isLoopRunning())
        table->stopGameLoop();
    server.waitUntilIdle();
    if (table && table->sheet.modified) {
        table->sheet.save();
        table->runningGame.save();
    }
    mainWindow.close();
    tricksWindow.close();
    sheetWindow.close();
    dealEditor.close();
    BILDER::instance().unloadAll();
    USER_PREFS::instance().save();
    if (implementor())
        implementor()->quit();
}

// ---------------------------------------------------------------- commands

void SKAT_APPLICATION::runSettingsDialog()
{
    if (!settingsDialog) {
        settingsDialog = std::make_unique<DIALOG_EINSTELLUNGEN>();
        settingsDialog->onApplied = [this] {
            mainWindow.preferencesChanged();
            refreshSheetWindow();
        };
        settingsDialog->onPictureChanged = [this] { mainWindow.seatPicturesChanged(); };
    }
    settingsDialog->open();
}

void SKAT_APPLICATION::runExerciseDialog()
{
    if (exerciseDialog.implementor())
        exerciseDialog.implementor()->show();
}

void SKAT_APPLICATION::runStatisticsDialog()
{
    if (!statisticsDialog) {
        STATISTICS_SOURCES sources;
        if (g_tableServices) {
            sources.highScores = &g_tableServices->highScores;
            sources.highScoreMutex = &g_tableServices->highScoreMutex;
        }
        sources.server = &SKAT_SERVER::instance();
        statisticsDialog = std::make_unique<DIALOG_SPIELERSTATISTIK>(&mainWindow, sources);
    }
    statisticsDialog->run();
}

Seat SKAT_APPLICATION::runFreeGameDialog()
{
    if (!freeGameDialog)
        freeGameDialog = std::make_unique<DIALOG_FREIES_SPIEL>(&mainWindow);
    return freeGameDialog->run();
}

void SKAT_APPLICATION::showAssistanceDialog()
{
    if (!assistanceDialog)
        assistanceDialog = std::make_unique<DIALOG_HILFESTELLUNGEN>(&mainWindow);
    assistanceDialog->open();
}

void SKAT_APPLICATION::showShorteningDialog()
{
    if (!shorteningDialog)
        shorteningDialog = std::make_unique<DIALOG_SPIEL_ABKUERZEN>(&mainWindow);
    shorteningDialog->open();
}

void SKAT_APPLICATION::toggleAid(bool TableAids::*aid)
{
    // An aid goes off at once; it goes on only in a game that is, or may
    // become, a free game.
    const bool shown = shownAids(mainWindow).*aid;
    SKATTISCH* table = nullptr;
    if (!shown && !guard(table))
        return;
    TableAids aids = wantedAids(mainWindow);
    aids.*aid = !shown;
    applyAids(mainWindow, aids);
}

bool SKAT_APPLICATION::guard(SKATTISCH*& table)
{
    table = currentTable();
    if (!table)
        return false;
    if (table->isNetworkGame()) {
        vordix::showMessage(vordix::MessageKind::Information,
                            skat::text(TextKey::Alert_Netzwerkspiel_Keine_Hilfestellungen));
        return false;
    }
    if (auto* server = dynamic_cast<SKATTISCH_SERVER*>(table))
        server->confirmInterruption();
    return TableSnapshot(*table).modus.freeGame;
}

void SKAT_APPLICATION::takeBack()
{
    SKATTISCH* table = currentTable();
    if (!table)
        return;
    if (table->isNetworkGame()) {
        vordix::showMessage(vordix::MessageKind::Information,
                            skat::text(TextKey::Alert_Netzwerkspiel_Keine_Hilfestellungen));
        return;
    }
    if (!takeBackPossible(*table))
        return;
    if (auto* server = dynamic_cast<SKATTISCH_SERVER*>(table))
        server->confirmInterruption();
    // The game went on while the question was open: look again.
    if (!TableSnapshot(*table).modus.freeGame || !takeBackPossible(*table))
        return;
    table->takeBackFlag = 1;
    // The awaited human gives up the open request; the game flow then takes back.
    if (isAwaited(REQUEST_PLAY_CARD))
        HUMAN_PLAYER::answerCard(NO_CARD);
    else if (isAwaited(REQUEST_CONFIRM_TRICK))
        HUMAN_PLAYER::answerConfirm();
}

void SKAT_APPLICATION::showSheetWindow()
{
    refreshSheetWindow();
    sheetWindow.show();
}

void SKAT_APPLICATION::refreshSheetWindow()
{
    SKATTISCH* table = currentTable();
    if (!sheetWindow.isOpen)
        return;
    // Attaching an open window sets its title and redraws it.
    sheetWindow.attachList(table ? &table->sheet : nullptr);
}

bool SKAT_APPLICATION::executeCommand(const VORDIX_MESSAGE& message)
{
    SKAT_SERVER& server = SKAT_SERVER::instance();
    if (message.kind == MESSAGE_OPEN_FILE) {
        server.openList(message.file);
        refreshSheetWindow();
        return true;
    }
    if (message.kind != MESSAGE_COMMAND)
        return true;
    SKATTISCH* table = currentTable();
    switch (message.commandId) {
    case menu::NEW_SHEET: server.startNewSheet(); break;
    case menu::OPEN_SHEET:
        server.openList(VORDIX_FILE());
        refreshSheetWindow();
        break;
    case menu::CONTINUE_SHEET: server.startNewGameOfList(); break;
    case menu::EXERCISES: runExerciseDialog(); break;
    case menu::FREE_GAME: server.startFreeGame(); break;
    case menu::DEAL_EDITOR: dealEditor.open(); break;
    case menu::SETTINGS: runSettingsDialog(); break;
    case menu::STATISTICS: runStatisticsDialog(); break;
    case menu::BID_VALUES: showBidCalculator(); break;
    case menu::HOST_NETWORK: server.hostNetworkGame(); break;
    case menu::JOIN_NETWORK: server.joinNetworkGame(); break;
    case menu::STOP_GAME: server.stopRunningGame(); break;
    case menu::SAVE_SHEET:
        if (auto* own = server.serverTable()) {
            own->sheet.saveWithDialog();
            refreshSheetWindow();
        } else {
            vordix::showMessage(vordix::MessageKind::Information,
                                skat::text(TextKey::Alert_Netzwerkspiel_Nur_Einladender_Kann));
        }
        break;
    case menu::PRINT_SHEET:
        if (table)
            sheetServices()->exportPdf(table->sheet);
        break;
    case menu::SHOW_SHEET: showSheetWindow(); break;
    case menu::QUIT: shutdown(); break;
    case menu::LAST_TRICK: mainWindow.toggleLastTrick(); break;
    case menu::ANALYSIS: toggleAid(&TableAids::suggestions); break;
    case menu::POINTS: toggleAid(&TableAids::points); break;
    case menu::LAST_TRICKS: toggleAid(&TableAids::history); break;
    case menu::OPEN_HANDS: toggleAid(&TableAids::otherHands); break;
    case menu::DISTRIBUTION:
        if (guard(table)) {
            dealEditor.setDistribution(TableSnapshot(*table).cards.dealAsDealt);
            dealEditor.open();
        }
        break;
    case menu::UNDO_KEY:
    case menu::TAKE_BACK: takeBack(); break;
    case menu::LAY_DOWN:
    case menu::AUTO_PLAY:
        if (table)
            shortenGame(*table, message.commandId == menu::LAY_DOWN);
        break;
    case menu::COMPUTER_LOGIC: break;
    case menu::HELP_PROGRAM: showHelp(HelpPage::Program); break;
    case menu::HELP_INTRODUCTION: showHelp(HelpPage::Introduction); break;
    case menu::HELP_RULES: showHelp(HelpPage::Rules); break;
    case menu::ABOUT:
        if (aboutDialog.implementor())
            aboutDialog.implementor()->show();
        break;
    default: break;
    }
    return true;
}

// ---------------------------------------------------------------- help

void SKAT_APPLICATION::showHelp(HelpPage page)
{
    const bool english = implementor() && implementor()->isEnglish();
    const std::wstring name = helpFileOf(page, english);
    if (name.empty())
        return;
    if (!helpDialog) {
        helpDialog = std::make_unique<DIALOG_HELP>();
        helpDialog->openHelpPage = [this](HelpPage next) { showHelp(next); };
    }
    helpDialog->showFile(VORDIX_FILE(helpFolder, name), topicOf(page));
}

// ---------------------------------------------------------------- messages

void SKAT_APPLICATION::dispatchMessage(const PostedMessage& posted)
{
    auto services = tableServices();
    services->setSuppressTableCallbacks(false);
    SKAT_NETWORKMESSAGE message(0);
    // The table server takes what it may from the connection and acts on it.
    if (!SKAT_SERVER::instance().handlePosted(posted, message))
        return;
    if (message.kind == CHAT_MESSAGE) {
        // A chat line shows in the balloon of the sender's screen position.
        mainWindow.showSeatText((message.seat + 1) % 3, message.getChatText());
    }
    services->setSuppressTableCallbacks(false);
    afterMessage();
}

// ---------------------------------------------------------------- menu state

MenuInputs SKAT_APPLICATION::menuInputs()
{
    MenuInputs in;
    FENSTER_SKAT_CONTROLLER* controller = mainWindow.windowController();
    SKAT_SERVER& server = SKAT_SERVER::instance();
    in.busy = server.isBusy();
    SKATTISCH* table = currentTable();
    in.hasTable = table != nullptr;
    if (table) {
        const TableSnapshot shown(*table);
        in.sheetRows = shown.sheet.rowCount();
        in.sheetInProgress = table->mayStartNextOfList();
        in.state = shown.currentIndex;
        in.tricks = shown.cards.pile.trickCount();
        in.interrupted = shown.modus.freeGame;
        in.exerciseMode = shown.modus.exerciseFlag;
    }
    if (controller) {
        in.putAwayShown = controller->input.mode == INPUT_PUT_AWAY;
        in.openHands = controller->allHandsOpen;
        in.analysisShown = controller->isAnalysisShown();
    }
    in.pointsShown = mainWindow.pileController.labels;
    in.lastTricksShown = controller && controller->courseWanted;
    in.serviceDiscovery = !implementor() || implementor()->isServiceDiscoveryAvailable();
    return in;
}

void SKAT_APPLICATION::applyMenuStates(const MenuStates& states)
{
    struct Group {
        MenuGroup group;
        std::vector<int> items;
        std::vector<int> toolbar;
        bool check;
    };
    static const std::vector<Group> groups = {
        {GROUP_NEW_OPEN, {menu::NEW_SHEET, menu::OPEN_SHEET}, {menu::TB_NEW, menu::TB_OPEN}, false},
        {GROUP_CONTINUE, {menu::CONTINUE_SHEET}, {menu::TB_CONTINUE}, false},
        {GROUP_SAVE_PRINT, {menu::SAVE_SHEET, menu::PRINT_SHEET}, {menu::TB_SAVE, menu::TB_PRINT}, false},
        {GROUP_STOP, {menu::STOP_GAME}, {}, false},
        {GROUP_LAST_TRICK, {menu::LAST_TRICK}, {}, false},
        {GROUP_LAY_DOWN, {menu::LAY_DOWN, menu::AUTO_PLAY}, {}, false},
        {GROUP_TAKE_BACK, {menu::TAKE_BACK}, {}, false},
        {GROUP_FREE_VIEWS, {menu::POINTS, menu::LAST_TRICKS, menu::OPEN_HANDS, menu::DISTRIBUTION}, {}, false},
        {GROUP_POINTS_CHECKED, {menu::POINTS}, {}, true},
        {GROUP_OPEN_HANDS_CHECKED, {menu::OPEN_HANDS}, {}, true},
        {GROUP_LAST_TRICKS_CHECKED, {menu::LAST_TRICKS}, {}, true},
    };
    const auto on = [](bool value) { return value ? VORDIX_HAUPTFENSTER::MENU_ON : VORDIX_HAUPTFENSTER::MENU_OFF; };
    const bool sheetOpen = sheetWindow.isOpen && sheetWindow.implementor();
    for (const Group& g : groups) {
        const bool value = states.group[g.group];
        if (menuCache_[g.group] == value)
            continue;
        for (int item : g.items) {
            if (g.check)
                mainWindow.checkMenuItem(item, on(value));
            else
                mainWindow.enableMenuItem(item, on(value));
        }
        if (!g.toolbar.empty()) {
            if (sheetOpen)
                for (int action : g.toolbar)
                    sheetWindow.implementor()->enableAction(action, value);
            if (!sheetOpen)
                continue; // the toolbar follows once the window exists
        }
        menuCache_[g.group] = value;
    }
    mainWindow.enableMenuItem(menu::ANALYSIS, on(states.analysisEnabled));
    mainWindow.checkMenuItem(menu::ANALYSIS, on(states.analysisChecked));
    if (!states.networkEnabled) {
        mainWindow.enableMenuItem(menu::HOST_NETWORK, VORDIX_HAUPTFENSTER::MENU_OFF);
        mainWindow.enableMenuItem(menu::JOIN_NETWORK, VORDIX_HAUPTFENSTER::MENU_OFF);
    }
}

void SKAT_APPLICATION::afterMessage()
{
    if (!mainWindow.windowController() || !mainWindow.isOpen || !mainWindow.mainImplementor())
        return;
    applyMenuStates(menuStatesFor(menuInputs()));
}
