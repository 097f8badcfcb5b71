#pragma once
// The table server's questions and refreshes in the program with windows:
// its yes/no questions go through the message sink (so the application's
// sink shows them), with the texts of the text table; refreshes reach the
// main window through the installed table windows, and the score-sheet and
// tricks windows that the application owns.

#include "skat/net/ServerDialogs.h"

#include <functional>
#include <memory>

class FENSTER_LISTE;
class FENSTER_STICHE;

// The application's windows and dialogs that the table server and the
// table events reach; every member may be left empty.
struct SERVER_WINDOWS {
    FENSTER_LISTE* sheetWindow = nullptr;
    FENSTER_STICHE* tricksWindow = nullptr;
    // The free-game dialog: the chosen forehand seat, or -1 when it was
    // closed other than by its start button. Without one the command says
    // that it is not available yet.
    std::function<int(Seat proposedForehand)> freeGameDialog;
    // Shows the exercise-games dialog again after an exercise game.
    std::function<void()> exerciseDialog;
    // The network dialogs (modal): the host dialog is true when the user
    // started the game, the join dialog when the host's game began; the
    // open one refreshes its seat lines, and the join dialog ends (from any
    // thread: false when none runs).
    std::function<bool()> hostDialog;
    std::function<bool()> joinDialog;
    std::function<void()> networkSeatsChanged;
    std::function<bool(int result)> endJoinDialog;
};

class WINDOW_SERVER_DIALOGS : public SERVER_DIALOGS {
public:
    explicit WINDOW_SERVER_DIALOGS(SERVER_WINDOWS windows = {});

    bool askStartNewSheet(int rows) override;
    bool askLeaveGame(LeaveQuestion question) override;
    int runFreeGameDialog(Seat proposedForehand) override;
    void sheetReplaced(const LISTE& sheet) override;
    void refreshStartState() override;
    void notAvailable(const std::wstring& command) override;
    void networkNotice(NetworkNotice notice) override;
    void networkSeatsChanged() override;
    bool hasNetworkDialogs() const override;
    bool runHostDialog() override;
    bool runJoinDialog() override;
    bool endJoinDialog(int result) override;

    // The steps of table events that reach the application's windows
    // (posted to the GUI thread).
    void refreshSheetWindow(bool withTitle);
    void refreshTricksWindow();
    void showExerciseDialog();

private:
    SERVER_WINDOWS windows_;
};

// Installs the program's server dialogs for the windows. The application
// object calls it once its windows exist and keeps the result while they
// live: dropping it restores the defaults (no windows are reached).
[[nodiscard]] std::shared_ptr<void> installWindowServerDialogs(SERVER_WINDOWS windows = {});

// The installed program's dialogs, or null while the defaults are in force.
std::shared_ptr<WINDOW_SERVER_DIALOGS> windowServerDialogs();
