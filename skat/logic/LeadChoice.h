#pragma once
// The table-based card choice: every candidate card is rated by the lead
// table chosen for the game type, the seat's place in the trick and its
// relation to the declarer, a few fixed bonuses and penalties are added,
// and the best candidate is picked.

#include "skat/logic/CardPlay.h"
#include "skat/logic/MoveRating.h"

#include <array>

struct GameSnapshot;

// The game as the seat to move sees it, with what the choice needs beyond
// the plain view: the finished tricks, the leader and the points so far.
struct LeadSituation {
    struct Trick {
        std::array<CardBit, 3> cards{}; // in play order
        Seat leader = SEAT_NONE;
        Seat winner = SEAT_NONE;
    };

    PlayView view;           // hand, played cards, the current trick
    Seat leader = SEAT_NONE; // of the current trick
    std::array<Trick, 10> tricks{};
    int trickCount = 0; // finished tricks
    int ownPoints = 0;  // taken by the seat's party
    int otherPoints = 0;
    bool schneiderTarget = false; // schneider announced or reached
    int bid = 0;

    static LeadSituation of(const GameSnapshot& game);
    // The declarer as the choice sees it (the seat itself in Ramsch).
    Seat declarer() const { return view.type == GAME_RAMSCH ? view.self : view.declarer; }
    // Cards a seat still holds (10 less its played cards).
    int handSize(Seat seat) const;
};

// The chances (percent) the choice asks about the other seats' hands.
class LeadChances {
public:
    virtual ~LeadChances() = default;
    // Holds a card of the suit (the game's suit includes the jacks).
    virtual int suitChance(Seat seat, Suit suit) const = 0;
    virtual int trumpChance(Seat seat) const = 0;
    virtual int jackChance(Seat seat) const = 0;
    virtual int cardChance(CardId card, Seat seat) const = 0;
};

// Chances from what the seat has seen: a seat that did not follow a suit
// holds none of it; otherwise the unseen cards are spread evenly.
class SeenCardChances : public LeadChances {
public:
    explicit SeenCardChances(const LeadSituation& situation);
    int suitChance(Seat seat, Suit suit) const override;
    int trumpChance(Seat seat) const override;
    int jackChance(Seat seat) const override;
    int cardChance(CardId card, Seat seat) const override;
    // Unseen cards the seat may hold.
    CardSet possible(Seat seat) const;

private:
    int chanceOfAny(Seat seat, CardSet cards) const;

    const LeadSituation& s_;
    CardSet unseen_ = 0;
    std::array<unsigned, 3> voids_{}; // bit e: void in effective suit e
};

class SL_TABELLEN_WERTUNG;

class SL_AUSSPIELEN {
public:
    // The lead tables that rate the cards (the process's shared set unless
    // others are given).
    void useTables(SL_TABELLEN_WERTUNG& tables) { tables_ = &tables; }

    // Rates every candidate into the move-rating list.
    void evaluate(const LeadSituation& situation, const LeadChances& chances);
    // The candidate to play (the lowest candidate when none rated best).
    // A favoured card counts `bonus` more than its rating.
    CardId pick(CardId favoured = NO_CARD, int bonus = 0) const;
    // Both steps.
    CardId choose(const LeadSituation& situation, const LeadChances& chances);

    const ZUGWERTUNG& ratings() const { return ratings_; }
    // Cards the seat may play now, lowest CardBit first.
    static CardSet candidates(const PlayView& view);

private:
    int rate(const TABELLE& table, GameType type, CardId card) const;
    int rateGrand(const TABELLE& table, CardId card) const;
    void leadSuitGame();
    void leadGrand();
    void leadNull();
    void followNull();
    void secondSuitGame();
    void secondGrand();
    void thirdSuitGame(CardSet cands);
    void thirdGrand(CardSet cands);
    CardSet narrowThird(CardSet cands) const;
    bool isTrump(CardId card) const;
    SL_TABELLEN_WERTUNG& tables() const;

    SL_TABELLEN_WERTUNG* tables_ = nullptr;
    const LeadSituation* s_ = nullptr;
    const LeadChances* c_ = nullptr;
    PatternView pattern_;
    ZUGWERTUNG ratings_;
    CardSet candidates_ = 0;
};
