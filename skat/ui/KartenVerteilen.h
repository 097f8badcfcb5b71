#pragma once
// What the card-deal editor holds apart from its window: the three hands of
// the deal in the order forehand, middlehand, rearhand (the bands on
// screen), the state of every card (free, picked in the grid, dealt), one
// step of undo, and the random deals with the search for a Grand or a Null.
// Nothing here draws or asks the user; the window does.

#include "skat/engine/EinblattSortierbar.h"
#include "skat/engine/Kartenverteilung.h"
#include "vordix/Random.h"

#include <array>
#include <chrono>
#include <functional>
#include <stop_token>
#include <string>

class KARTEN_VERTEILEN {
public:
    enum CardState { FREE = 0, PICKED = 1, DEALT = 2 };
    static constexpr int BANDS = 3;

    // A card's index: rank index (7 .. ace) × 4 + suit index (clubs .. diamonds).
    static int indexOf(CardId card);
    static CardId cardAt(int index);

    KARTEN_VERTEILEN();

    // The seat whose hand band b (0 forehand, 1 middlehand, 2 rearhand) shows.
    Seat seatOfBand(int band) const;
    EINBLATT_SORTIERBAR& band(int b) { return deal.hand(seatOfBand(b)); }
    const EINBLATT_SORTIERBAR& band(int b) const { return deal.hand(seatOfBand(b)); }
    int stateOf(CardId card) const { return states[static_cast<std::size_t>(indexOf(card))]; }
    int dealtCount() const;
    int pickedCount() const;
    // All three hands hold ten cards: the deal can be saved and played.
    bool complete() const { return dealtCount() == 3 * CARDS_IN_HAND; }

    // Rebuilds the card states from the hands and sorts each hand as for a
    // clubs game.
    void sortHands(const SortSettings& sorting);
    // Takes over a deal (the tricks window's, or a loaded one); undoable.
    void setDistribution(const KARTENVERTEILUNG& other, const SortSettings& sorting);
    // The deal to play or save: the hands and the two free cards as the skat.
    KARTENVERTEILUNG playableDeal() const;

    // Undo: one step deep; a second undo redoes.
    void saveUndo();
    bool canUndo() const { return undoSaved_; }
    void undo();

    // The edits; each saves the undo state first and reports whether it
    // changed anything.
    bool clear();
    bool fill(VORDIX_RANDOM& random, const SortSettings& sorting);
    void rotate();
    // Exchanges the cards of two bands (when either holds a card).
    bool swapBands(int a, int b);
    // Moves the card at place (1-based) of a band to another band that
    // holds fewer than ten cards, or frees it with toBand -1.
    bool moveCard(int fromBand, int place, int toBand, const SortSettings& sorting);
    // A free card of the grid becomes picked and a picked one free.
    bool togglePicked(CardId card);
    // Every picked card goes to the band, provided it then holds ten or fewer.
    bool dealPicked(int toBand, const SortSettings& sorting);

    // Three new random hands of ten (the forehand stays).
    void dealAtRandom(VORDIX_RANDOM& random);

    std::array<int, 32> states{};
    KARTENVERTEILUNG deal;

private:
    void addRandomCards(EINBLATT_SORTIERBAR& hand, int count, VORDIX_RANDOM& random);
    void sortAll(const SortSettings& sorting);

    bool undoSaved_ = false;
    std::array<int, 32> undoStates_{};
    KARTENVERTEILUNG undoDeal_;
};

// Why a deal read from a file cannot be taken: empty when it holds the 32
// cards once each, ten in every hand and two in the skat.
std::wstring dealFault(const KARTENVERTEILUNG& deal);

// The search for a deal in which some hand can play a Grand or a Null. It
// deals at random until the rater accepts a hand, and gives up after a
// number of rounds or a time, or when it is asked to stop.
struct DealSearchLimits {
    int rounds = 20000;
    std::chrono::milliseconds time{4000};
};

struct DealSearchOutcome {
    bool found = false;
    int rounds = 0;
    KARTENVERTEILUNG deal; // the last deal tried (the found one when found)
};

// Whether a hand of ten cards is good enough.
using HandRater = std::function<bool(CardSet hand)>;

DealSearchOutcome searchDeal(std::uint32_t seed, Seat forehand, const HandRater& accepts,
                             const DealSearchLimits& limits, std::stop_token stop = {});

// The computer player's ratings: a Grand worth 70 card points or more, a
// hand that can play a Null. Empty (no rater) when the pre-play tables that
// rate it are missing.
HandRater grandRater();
HandRater nullRater();
