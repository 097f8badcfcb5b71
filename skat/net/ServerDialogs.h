#pragma once
// What the table server's commands ask of the windows: the questions before
// a sheet is emptied or a running game is left, the free-game dialog, the
// choice of a sheet file and the refreshes after the table changed. The
// defaults suit a program without windows (tests, batch play): every
// question is answered yes, the free-game dialog is closed without starting.

#include "skat/engine/CardTypes.h"

#include <memory>
#include <string>

class LISTE;

class SERVER_DIALOGS {
public:
    virtual ~SERVER_DIALOGS();

    // Which leave-the-game question is shown (by the next-game mode).
    enum LeaveQuestion {
        LEAVE_REPEATED_GAME = 0, // the repeat flag is set
        LEAVE_GAME = 1,          // a game of the sheet or a free game
        LEAVE_SPECIAL_GAME = 2,  // a replayed, stored, exercise or distribution game
    };

    // Asked before a sheet with rows is emptied; the text depends on whether
    // it holds 36 rows or more. True for yes.
    virtual bool askStartNewSheet(int rows);
    // Asked before a running game is stopped. True for yes.
    virtual bool askLeaveGame(LeaveQuestion question);
    // The free-game dialog with the proposed forehand; the chosen forehand
    // seat, or -1 when it was closed other than by its start button.
    virtual int runFreeGameDialog(Seat proposedForehand);
    // Lets the user choose a sheet file and loads it into the sheet.
    virtual void openSheetWithDialog(LISTE& sheet);
    // The score-sheet window shows another sheet (title, rows, views).
    virtual void sheetReplaced(const LISTE& sheet);
    // The main window refreshes its start state (start buttons, info text).
    virtual void refreshStartState();
    // A command that is not available yet (network games).
    virtual void notAvailable(const std::wstring& command);
    // What a network table tells the user (each a critical message box).
    enum NetworkNotice {
        NOTICE_ALREADY_SEATED,          // the host has a seat for this program already
        NOTICE_TABLE_FULL,              // every seat is taken
        NOTICE_TABLE_CLOSED,            // the host closed the table
        NOTICE_CLIENT_LEFT,             // a guest left the hosted table
        NOTICE_CLIENT_CONNECTION_ENDED, // the connection to a guest ended
        NOTICE_HOST_CONNECTION_ENDED,   // the connection to the host ended
        NOTICE_HOSTING_FAILED,          // no table could be offered (the port is taken)
    };
    virtual void networkNotice(NetworkNotice notice);
    // The seats of a network table changed (a guest joined or left, the
    // host's seating arrived): the open host or join dialog refreshes.
    virtual void networkSeatsChanged();
    // The network dialogs; a program without windows has none, and its
    // network commands say that they are not available.
    virtual bool hasNetworkDialogs() const;
    // Runs the host dialog while the table is offered: true when the user
    // started the game.
    virtual bool runHostDialog();
    // Runs the join dialog: true when it ended because the host started a
    // game at which the user sits.
    virtual bool runJoinDialog();
    // While the join dialog runs: ends it with the result (a new game
    // arrived) and returns true; false when no join dialog runs.
    virtual bool endJoinDialog(int result);
};

std::shared_ptr<SERVER_DIALOGS> serverDialogs();
// Installs the dialogs; null restores the defaults.
void installServerDialogs(std::shared_ptr<SERVER_DIALOGS> dialogs);
