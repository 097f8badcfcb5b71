#pragma once
// The settlement panel after a game and the notice after a passed-in game.
// Both lie embedded over the table and answer the human player's
// confirmation: the next game, or the same deal again. The settlement lays
// the game record out in rows; the arithmetic was done by the game.

#include "skat/engine/Rules.h"
#include "skat/engine/Spielstruct.h"
#include "vordix/Dialog.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

// What the settlement rows are built from.
struct SettlementFacts {
    SPIELSTRUCT record;
    RuleSettings rules;
    // The declarer is this program's user (a human or network-client seat).
    bool declarerIsUser = false;
    std::wstring declarerName;
    // Ramsch: per seat its name, the cards and card points it took.
    std::array<std::wstring, 3> names;
    std::array<int, 3> cardsTaken{};
    std::array<int, 3> pointsTaken{};
    int skatPoints = 0;
    // The declarer party's card points (its tricks and the skat).
    int declarerPoints = 0;
    // The matadors of the declarer's dealt ten cards for a suit game's trump.
    int dealtMatadors = 0;
    bool hasDeclarer = false;
    // Draws 0..9 for the varied verdicts.
    std::function<int()> draw = [] { return 0; };
};

struct SettlementTexts {
    std::map<int, std::wstring> labels; // by control id
    bool matadorHelpShown = false;
};

SettlementTexts buildSettlementTexts(const SettlementFacts& facts);

class FENSTER_STICHE;

class DIALOG_ABRECHNUNG : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 121;
    enum Control {
        WHO = 122,
        GAME = 123,
        GAME_VALUE = 124,
        WITH = 125,
        WITH_VALUE = 126,
        HAND = 127,
        HAND_VALUE = 128,
        EXTRA = 129,
        EXTRA_VALUE = 130,
        RESULT = 131,
        VERDICT = 132,
        HISTORY = 133,
        KONTRA = 134,
        KONTRA_VALUE = 135,
        REPEAT = 136,
        LOST_HAND_NOTE = 137,
        NEXT = 138,
        MATADOR_BUBBLE = 139,
        MATADOR_HELP = 140
    };

    explicit DIALOG_ABRECHNUNG(VORDIX_FENSTER* parent);
    ~DIALOG_ABRECHNUNG() override;

    void initDialog() override;
    void onCommand(int controlId) override;
    void onClosed() override;

    // The record to show.
    SPIELSTRUCT record;
    // The request this panel answers (the awaited player's, when opened).
    std::uint32_t answersSerial = 0;

    // The answer a closing control gives: repeat gives the same deal again,
    // everything else the next game.
    static int answerFor(int closingControl);

private:
    std::unique_ptr<FENSTER_STICHE> history_;
};

class DIALOG_EINGEPASST : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 116;
    enum Control { REPEAT = 117, HISTORY = 118, RAMSCH_NOTE = 119, NEXT = 120 };

    explicit DIALOG_EINGEPASST(VORDIX_FENSTER* parent);
    ~DIALOG_EINGEPASST() override;

    void initDialog() override;
    void onCommand(int controlId) override;
    void onClosed() override;

    std::uint32_t answersSerial = 0;
    static int answerFor(int closingControl);

private:
    std::unique_ptr<FENSTER_STICHE> history_;
};
