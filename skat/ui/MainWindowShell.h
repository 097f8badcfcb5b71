#pragma once
// What the main game window asks of the application around it: the command
// dispatcher of the menu ids, shutdown, the dialogs it opens, and the
// platform application for sleeping. The application object implements it.

#include "skat/ui/HelpPages.h"

struct VORDIX_MESSAGE;
class VORDIX_APPLICATION_imp;

class MAIN_WINDOW_SHELL {
public:
    virtual ~MAIN_WINDOW_SHELL() = default;
    // Runs a menu or table command (a MESSAGE_COMMAND with its id).
    virtual void runCommand(const VORDIX_MESSAGE& message) = 0;
    virtual void shutdown() = 0;
    virtual void runSettingsDialog() { }
    // The help window at the page (HelpPages.h: showHelp).
    virtual void showHelp(HelpPage) { }
    virtual void showAssistanceDialog() { }
    virtual void showShorteningDialog() { }
    virtual void runExerciseDialog() { }
    // The bid-value calculator (the bidding panel's small button and the
    // menu); the application opens the window's (FENSTER_SKAT::openBidCalculator).
    virtual void showBidCalculator() { }
    // Null in tests without a platform application.
    virtual VORDIX_APPLICATION_imp* applicationImplementor() { return nullptr; }
};
