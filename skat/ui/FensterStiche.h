#pragma once
// The game-history window: the history view of one game in a scroll area,
// with a toolbar to replay the game, play it again freely, open its deal in
// the card-deal editor or report a bug with it.

#include "skat/app/SkatText.h"
#include "skat/engine/EinSpiel.h"
#include "skat/ui/VerlaufRenderer.h"
#include "vordix/Fenster.h"

#include <functional>
#include <memory>

class DIALOG_BUGREPORT;
class LISTE;
class SKATTISCH;
struct VORDIX_MESSAGE;

// What the window's replay actions ask of the table server (tests replace it).
class TRICKS_WINDOW_COMMANDS {
public:
    virtual ~TRICKS_WINDOW_COMMANDS() = default;
    // The table's game once more with the same cards.
    virtual void repeatTableGame();
    // A stored game's deal dealt again.
    virtual void replayStoredGame(const EIN_SPIEL& game);
    // A game played again as it was, trick by trick.
    virtual void playGivenGame(const EIN_SPIEL& game);
    // An exercise game played at the table with its commentary.
    virtual void playExercise(const EIN_SPIEL& game);
};

class FENSTER_STICHE : public VORDIX_FENSTER {
public:
    static constexpr int FORM_ID = 6;
    static constexpr int ACTION_REPEAT = 455;
    static constexpr int ACTION_REPLAY_FREE = 456;
    static constexpr int ACTION_SAVE = 457;
    static constexpr int ACTION_EDITOR = 458;
    static constexpr int ACTION_BUGREPORT = 459;
    static constexpr int WIDTH = 480;
    static constexpr int HEIGHT = 655;
    static constexpr int KEY_ESCAPE = 27; // hides the window

    FENSTER_STICHE();
    ~FENSTER_STICHE() override;

    void create();
    void refresh(SKATTISCH& table);
    // Shows row `index` of a score sheet, titled with its game number
    // (titleKey: a text with one number).
    void showListGame(LISTE& list, int index, TextKey titleKey = TextKey::Verlauf_Titel_Listenspiel);
    // Row `index` of an exercise list: showExercise shows how the game
    // went, titled with its exercise number; showExerciseForReplay has the
    // table play it as an exercise, and the window then follows the table.
    void showExercise(LISTE& list, int index);
    void showExerciseForReplay(LISTE& list, int index);
    void onMessage(VORDIX_MESSAGE& message) override;
    void paint(VORDIX_ZEICHENBEREICH&) override { }

    // Whether the shown game can be played again (all tricks, or a whole deal).
    bool shownGameReplayable() const;
    // The deal of the shown game as it was dealt; false when it cannot be
    // told (a game without its deal and not played to its end).
    bool shownDeal(KARTENVERTEILUNG& deal) const;

    VERLAUF_VORDIX_VIEW view;
    std::unique_ptr<DIALOG_BUGREPORT> bugReport;
    std::unique_ptr<TRICKS_WINDOW_COMMANDS> commands = std::make_unique<TRICKS_WINDOW_COMMANDS>();
    // Opens a deal in the card-deal editor (set by the application).
    std::function<void(const KARTENVERTEILUNG& deal)> editDeal;

private:
    // The shown game as a score-sheet row (for the bug report and replays).
    const EIN_SPIEL& shownGame();
    EIN_SPIEL reported_;
    // The deal of the table's game when the window last showed it.
    KARTENVERTEILUNG tableDeal_;
    void enable(int id, bool on);
};
