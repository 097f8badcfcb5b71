#pragma once
// The dialogs the main menu opens itself: the about dialog, the help window
// with its three topic buttons, and the exercise games with their comments.

#include "skat/engine/Liste.h"
#include "skat/ui/HelpPages.h"
#include "vordix/Dialog.h"
#include "vordix/File.h"

#include <functional>
#include <string>
#include <vector>

// The about box: the version, three buttons into the help and two web
// addresses. It stays open while the help window shows a page.
class DIALOG_INFO : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 105;
    static constexpr int VERSION_ID = 106;
    static constexpr int HELP_ID = 107;
    static constexpr int LEARN_ID = 108;
    static constexpr int RULES_ID = 109;
    static constexpr int CONTACT_ID = 110;
    static constexpr int HOMEPAGE_ID = 111;

    DIALOG_INFO();
    void initDialog() override;
    void onCommand(int controlId) override;

    // Opens a help page (the application's showHelp).
    std::function<void(HelpPage page)> openHelpPage;
    // Opens a web address in the browser (the default: the platform's).
    std::function<void(const std::wstring& url)> openUrl;
};

// The help window: a text browser under three topic buttons. Every caller
// opens it at a page through the application's showHelp, which shows the
// page of the program's language; the topic buttons do the same.
class DIALOG_HELP : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 215;
    static constexpr int WEB_VIEW_ID = 216;
    static constexpr int INTRODUCTION_ID = 217;
    static constexpr int RULES_ID = 218;
    static constexpr int PROGRAM_ID = 219;

    DIALOG_HELP();
    void onCommand(int controlId) override;
    // Shows the window with the file in its browser and the topic's button down.
    void showFile(const VORDIX_FILE& file, HelpTopic topic);

    std::function<void(HelpPage page)> openHelpPage;
    std::wstring shownFile;
};

// The exercise games of the language's exercise list: one row per game with
// its kind, theme and title, the chosen game's comment below; "Verlauf
// einsehen" shows how it went, "Nachspielen" plays it as an exercise.
class DIALOG_UBUNGSPARTIEN : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 365;
    static constexpr int LIST_ID = 366;
    static constexpr int COURSE_ID = 367;
    static constexpr int PLAY_ID = 368;
    static constexpr int DETAILS_ID = 369;
    static constexpr int CLOSE_ID = 2;

    DIALOG_UBUNGSPARTIEN();
    // Reads the exercise list and the comment before each of its games;
    // false when the file could not be read (the list is then empty). An
    // open dialog shows the new list at once.
    bool loadGames(const VORDIX_FILE& file);
    void initDialog() override;
    void onCommand(int controlId) override;
    void onDoubleClick(int controlId) override;

    int gameCount() const { return games.rowCount(); }
    // The game's own comment, else the one before it in the file.
    std::wstring commentOf(int index) const;
    // The cells of a row: the kind of game, the theme and the title.
    static std::vector<std::wstring> rowTexts(const EIN_SPIEL& game);
    // One row per game of the list, given to the table.
    void fillTable();

    LISTE games;
    std::vector<std::wstring> comments;
    // The chosen row (0-based), kept while the dialog is closed; -1 before
    // the first opening.
    int selectedRow = -1;
    // Plays the chosen game as an exercise (through the tricks window).
    std::function<void(LISTE& list, int index)> playGame;
    // Shows how the chosen game went (the tricks window).
    std::function<void(LISTE& list, int index)> showCourse;

private:
    void takeCurrentRow();
    bool filling_ = false;
};

// The comments that stand before the games of a score-sheet file, in the
// games' order (an empty text where a game has none).
std::vector<std::wstring> readGameComments(const std::string& xml);
