#pragma once
// What a hand is worth: the common base of the bid-value calculator and the
// two announcement panels (hand, skat and chosen game; the game described in
// words with its matadors; the own hand re-sorted for the chosen game), and
// the calculator itself with its level boxes kept consistent.

#include "skat/engine/Skat.h"
#include "skat/engine/Spielart.h"
#include "vordix/Dialog.h"

#include <string>

class DIALOG_REIZWERTE_BASE : public VORDIX_DIALOG {
public:
    static constexpr int CALCULATOR_FORM = 370;

    // The calculator's form as a dialog of its own.
    DIALOG_REIZWERTE_BASE();
    // A form over a window (the announcement panels).
    DIALOG_REIZWERTE_BASE(VORDIX_FENSTER* parent, int formId);

    void clear();
    void setHand(CardSet hand);
    void setHandAndSkat(CardSet hand, const SKAT& skat);
    CardSet hand() const { return hand_; }
    const SKAT& skat() const { return skat_; }

    // The matadors of the hand (with the skat) for the game: 0 for null and
    // Ramsch, the jacks for grand, the trump suit's run for suit games.
    int matadorsFor(GameType type) const;
    // The game in words, and the sentence about its matadors.
    void describeGame(const SPIELART& game, std::wstring& description, std::wstring& spitzen) const;
    void spitzenText(const SPIELART& game, std::wstring& text) const;
    // Sorts the user's hand in the main window for the game type.
    static void resortPlayerHand(GameType type);

    virtual void recompute() = 0;

protected:
    // True when the dialog has its platform part (its controls).
    bool windowExists() const;

    CardSet hand_ = 0;
    SKAT skat_;
    SPIELART game_;
};

// The boxes of the calculator: the checked game button (371..376) and the
// level boxes with whether each may be used.
struct CalculatorBoxes {
    int typeButton = 371;
    bool hand = false, schneider = false, schneiderAnnounced = false, schwarz = false, schwarzAnnounced = false,
         ouvert = false;
    bool schneiderEnabled = true, schneiderAnnouncedEnabled = false, schwarzEnabled = true,
         schwarzAnnouncedEnabled = false, ouvertEnabled = false;
};

// Applies the rules after a click on control c (its box already toggled):
// what may be used, then the levels the click implies or the ones that lost
// their base.
void applyCalculatorRules(int control, CalculatorBoxes& boxes);
// The game the boxes describe (grand ouvert as type 6).
SPIELART calculatorGame(const CalculatorBoxes& boxes);

class DIALOG_REIZWERTE_KALKULATOR : public DIALOG_REIZWERTE_BASE {
public:
    enum Control {
        CLUBS = 371,
        SPADES = 372,
        HEARTS = 373,
        DIAMONDS = 374,
        GRAND = 375,
        NULL_GAME = 376,
        HAND = 377,
        SCHNEIDER = 378,
        SCHNEIDER_ANNOUNCED = 379,
        SCHWARZ = 380,
        SCHWARZ_ANNOUNCED = 381,
        OUVERT = 382,
        PROPOSAL = 385,
        HELP = 387,
        CALCULATION_TEXT = 388,
        SPITZEN_TEXT = 389,
        GROUP = 390
    };

    DIALOG_REIZWERTE_KALKULATOR() = default;

    void initDialog() override;
    void onCommand(int controlId) override;
    void recompute() override;

    // The boxes as the dialog shows them.
    CalculatorBoxes readBoxes() const;

private:
    void writeBoxes(const CalculatorBoxes& boxes);
};
