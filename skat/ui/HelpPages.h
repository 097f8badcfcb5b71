#pragma once
// The help pages by name: the file each one is in for the German and the
// English program, the topic button of the help window it belongs to, and
// the one call through which the table's dialogs open the help window at a
// page; it reaches the application's MAIN_WINDOW_SHELL::showHelp, which the
// menu, the table's buttons and the about box use.

#include <string>

// The numbers are the application's page numbers.
enum class HelpPage : int {
    Program = 0,      // how the program is used (F1)
    Introduction = 1, // first steps in Skat
    Rules = 2,        // the Skat rules
    HandGame = 3,     // taking the skat or playing hand
    GameValues = 4,   // game values (the calculator)
    BidFactor = 7,    // the bid factor and the matadors (the settlement)
};

// The help window's three topic buttons.
enum class HelpTopic { Program, Introduction, Rules };

// The page's file in the help folder ("einfuehrung/handspiel.en.html").
// Pages without an English file give the German one in English too.
std::wstring helpFileOf(HelpPage page, bool english);
// The application's page numbers 0 to 8; empty for any other number.
std::wstring helpFileOfPage(int page, bool english);
// The topic under which the window shows the page.
HelpTopic topicOf(HelpPage page);

// Opens the help window at the page, in the program's language: reported as
// the user's wish to the table's dialog host (the main window), which hands
// it to the application; nothing without a host.
void showHelp(HelpPage page);
