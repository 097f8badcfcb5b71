#pragma once
// The two panels on which the user announces a game as declarer: after
// taking the skat and putting two cards away, or as a hand game before the
// skat is seen. Each keeps its level boxes consistent, shows the value of
// the chosen game against the bid reached and refuses a game below the bid.

#include "skat/ui/DialogReizwerte.h"

#include <cstdint>

// The level boxes of the panel after the skat.
struct SimpleBoxes {
    int typeButton = 0; // 62..67, 0 when none is checked
    bool nullOuvert = false, schneider = false, schwarz = false;
};
// After a click on control c: Schwarz brings Schneider, Schneider's loss takes Schwarz.
void applySimpleLevelRules(int control, SimpleBoxes& boxes);
SPIELART simpleGame(const SimpleBoxes& boxes);

// The level boxes of the hand-game panel.
struct HandBoxes {
    int typeButton = 0; // 82..87, 0 when none is checked
    bool schneider = false, schneiderAnnounced = false, schwarz = false, schwarzAnnounced = false, ouvert = false;
    bool levelsEnabled = true; // the four Schneider and Schwarz boxes
};
void applyHandLevelRules(int control, HandBoxes& boxes);
SPIELART handGame(const HandBoxes& boxes);

// What the value check decides for a chosen game.
struct BidCheck {
    int value = 0;
    bool belowBid = false;
    bool okEnabled = false;
};
BidCheck checkAgainstBid(const SPIELART& game, int matadors, int bid);

// The game as the table takes it: the level reached is counted at the end
// of the game, so the announcement carries none.
SPIELART announcedForm(const SPIELART& game);

class DIALOG_SPIEL_EINFACH : public DIALOG_REIZWERTE_BASE {
public:
    static constexpr int FORM_ID = 61;
    enum Control {
        OK = 1,
        CLUBS = 62,
        SPADES = 63,
        HEARTS = 64,
        DIAMONDS = 65,
        GRAND = 66,
        NULL_GAME = 67,
        NULL_OUVERT = 68,
        VALUE_TEXT = 69,
        PROPOSAL = 70,
        SCHNEIDER = 72,
        SCHWARZ = 73,
        HELP = 74,
        WARNING = 75,
        PUT_AWAY_AGAIN = 77,
        GROUP = 78,
        BID_TEXT = 79,
        SEAT_TEXT = 80
    };

    explicit DIALOG_SPIEL_EINFACH(VORDIX_FENSTER* parent);

    void initDialog() override;
    void onCommand(int controlId) override;
    void onClosed() override;
    void recompute() override;

    SPIELART selectedGame() const;
    SimpleBoxes readBoxes() const;
    const SPIELART& chosenGame() const { return game_; }
    // The bid the game has to reach (the table's, read when shown).
    int bid = 0;
    // The request of the awaited player this panel answers (0: none).
    std::uint32_t answersSerial = 0;

private:
    void writeBoxes(const SimpleBoxes& boxes);
};

class DIALOG_SPIEL_HAND : public DIALOG_REIZWERTE_BASE {
public:
    static constexpr int FORM_ID = 81;
    enum Control {
        OK = 1,
        CLUBS = 82,
        SPADES = 83,
        HEARTS = 84,
        DIAMONDS = 85,
        GRAND = 86,
        NULL_GAME = 87,
        SCHNEIDER = 88,
        SCHNEIDER_ANNOUNCED = 89,
        SCHWARZ = 90,
        SCHWARZ_ANNOUNCED = 91,
        OUVERT = 92,
        VALUE_TEXT = 93,
        PROPOSAL = 94,
        HELP = 99,
        WARNING = 100,
        TAKE_SKAT = 101,
        GROUP = 102,
        SEAT_TEXT = 103,
        BID_TEXT = 104
    };

    explicit DIALOG_SPIEL_HAND(VORDIX_FENSTER* parent);

    void initDialog() override;
    void onCommand(int controlId) override;
    void onClosed() override;
    void recompute() override;

    SPIELART selectedGame() const;
    HandBoxes readBoxes() const;
    const SPIELART& chosenGame() const { return game_; }
    int bid = 0;
    std::uint32_t answersSerial = 0;

private:
    void writeBoxes(const HandBoxes& boxes);
};
