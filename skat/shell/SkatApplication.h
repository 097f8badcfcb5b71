#pragma once
// The game's one application object. The program's main function creates it
// after the platform application and calls initialize(); from then on the
// framework routes into it every menu or button command of the main window
// (executeCommand), every posted cross-thread record (dispatchMessage) and a
// hook after every delivered window message (afterMessage), which keeps the
// main menu in step with the table. Closing the main window ends in
// shutdown(), which saves and quits the event loop.

#include "skat/net/NetworkStart.h"
#include "skat/shell/MenuState.h"
#include "skat/shell/ShellDialogs.h"
#include "skat/ui/DialogEinstellungen.h"
#include "skat/ui/DialogFreiesSpiel.h"
#include "skat/ui/DialogHilfestellungen.h"
#include "skat/ui/DialogNetzSpiel.h"
#include "skat/ui/DialogSpielAbkuerzen.h"
#include "skat/ui/DialogSpielerstatistik.h"
#include "skat/ui/FensterListe.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/FensterStiche.h"
#include "skat/ui/FensterVerteilen.h"
#include "skat/ui/MainWindowShell.h"
#include "vordix/Application.h"
#include "vordix/Folder.h"
#include "vordix/Random.h"

#include <array>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>

class LOCAL_TABLE_SERVER;
struct TableAids;
class SKATTISCH;

class SKAT_APPLICATION : public VORDIX_APPLICATION, public MAIN_WINDOW_SHELL {
public:
    // Start-up steps, in their order; initialize() reports the one it
    // stopped at.
    enum StartStep {
        STEP_TEXTS = 1,
        STEP_PREFERENCES,
        STEP_CARD_SETS,
        STEP_USER_FILES,
        STEP_LEAD_TABLES,
        STEP_WINDOWS,
        STEP_RUNNING_GAME,
        STEP_DATA_LOADING,
        STEP_EXERCISES,
        STEP_SCREEN,
        STEP_WINDOW_OPENER,
        STEP_DONE
    };

    // The one object, created on first use (GUI thread, before any other
    // thread exists); main deletes it after the event loop.
    static SKAT_APPLICATION& instance();
    // Null before instance() and after the object was deleted.
    static SKAT_APPLICATION* existing();

    ~SKAT_APPLICATION() override;

    // Start-up in its fixed order. A step that fails shows its message and
    // stops the start there: no game loop, no thread and nothing saved; the
    // result is then false and the program ends without its event loop.
    bool initialize() override;
    // Saves the running game and the sheet (a stopped game resumes at the
    // next start), closes the windows, saves the preferences and quits.
    void shutdown() override;
    bool executeCommand(const VORDIX_MESSAGE& message) override;
    void afterMessage() override;
    void dispatchMessage(const PostedMessage& message) override;

    // The help window at the page, in the program's language (made on
    // first use and kept).
    void showHelp(HelpPage page) override;
    // The help file of the pages 0..8 (empty for an unknown page).
    static std::wstring helpFileOfPage(int page, bool english) { return ::helpFileOfPage(page, english); }

    // What the main window asks of its shell.
    void runCommand(const VORDIX_MESSAGE& message) override { executeCommand(message); }
    void runSettingsDialog() override;
    void runExerciseDialog() override;
    void showBidCalculator() override { mainWindow.openBidCalculator(); }
    // The hints panel (the bulb) and shortening (">>"), made on first use.
    void showAssistanceDialog() override;
    void showShorteningDialog() override;
    // The player statistics and high scores (made on first use and kept).
    void runStatisticsDialog();
    // The free game's aids and seat (kept: it remembers the seat); the
    // forehand seat of the choice, or SEAT_NONE when not started.
    Seat runFreeGameDialog();
    VORDIX_APPLICATION_imp* applicationImplementor() override { return implementor(); }

    // The inputs of the menu state as the table and the windows stand now.
    MenuInputs menuInputs();
    // The step initialize() reached (STEP_DONE after a whole start).
    StartStep reachedStep() const { return reachedStep_; }
    bool isShutDown() const { return shutDown_; }

    // The folders the start-up reads from and writes to; the defaults are
    // the program's "Ressourcen" and the user's "SKAT" data folder.
    std::filesystem::path resourceFolder;
    std::filesystem::path userFolder;

    VORDIX_RANDOM random;
    std::mutex randomMutex;
    FENSTER_SKAT mainWindow;
    FENSTER_STICHE tricksWindow;
    FENSTER_LISTE sheetWindow;
    FENSTER_VERTEILEN dealEditor;
    DIALOG_INFO aboutDialog;
    DIALOG_UBUNGSPARTIEN exerciseDialog;
    std::unique_ptr<DIALOG_HELP> helpDialog;
    // Created when first opened.
    std::unique_ptr<DIALOG_EINSTELLUNGEN> settingsDialog;
    std::unique_ptr<DIALOG_SPIELERSTATISTIK> statisticsDialog;
    std::unique_ptr<DIALOG_FREIES_SPIEL> freeGameDialog;
    // The network dialogs, made at start-up (the join dialog is ended from
    // the table server's worker when the host's game begins).
    std::unique_ptr<DIALOG_NETZ_SPIEL_EINLEITEN> hostDialog;
    std::unique_ptr<DIALOG_NETZ_SPIEL_TEILNEHMEN> joinDialog;
    // A scripted run's hosting or joining at start-up (SKAT_NETWORK_START).
    NetworkStart networkStart = NetworkStart::fromEnvironment();
    std::unique_ptr<DIALOG_HILFESTELLUNGEN> assistanceDialog;
    std::unique_ptr<DIALOG_SPIEL_ABKUERZEN> shorteningDialog;
    VORDIX_FOLDER helpFolder;

protected:
    SKAT_APPLICATION();
    // For tests that bring their own platform application.
    explicit SKAT_APPLICATION(VORDIX_APPLICATION_imp* imp);

private:
    bool fail(StartStep step, const std::wstring& message);
    void installServices();
    void startDataLoading();
    void placeForScreen();
    // Commands 475 to 479: false when they may not go on.
    bool guard(SKATTISCH*& table);
    // Commands 475 to 478: one aid on or off.
    void toggleAid(bool TableAids::*aid);
    void takeBack();
    void showSheetWindow();
    void refreshSheetWindow();
    void applyMenuStates(const MenuStates& states);

    std::shared_ptr<LOCAL_TABLE_SERVER> tableAccess_;
    std::shared_ptr<void> serverDialogs_; // the table server's questions reach the windows
    std::array<bool, MENU_GROUP_COUNT> menuCache_;
    StartStep reachedStep_ = STEP_TEXTS;
    bool shutDown_ = false;
    bool servicesInstalled_ = false;
};
