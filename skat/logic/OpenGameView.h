#pragma once
// What the open-game analysis reads of a running game: the real card state
// (for the search with every hand known) and what the seat to advise knows
// of it (for the deals drawn in place of the hands it cannot see).

#include "skat/engine/Stich.h"
#include "skat/logic/OpenSearch.h"

#include <array>

class SPIELKARTEN;
class SPIELSTRUCT;
struct GameSnapshot;

struct OpenGameView {
    GameType type = GAME_NONE;
    Seat declarer = SEAT_NONE;
    int winLevel = 0;      // announced: 2 and up hand games, 1 and 5 open
    int levelReached = 0;  // 1 schneider, 2 schwarz
    Seat self = SEAT_NONE; // the seat to move, whom the analysis serves

    // The real cards.
    std::array<CardSet, 3> hands{};
    CardSet skat = 0;
    TrickCode trick = 0;
    int trickCount = 0;
    Seat leader = SEAT_NONE;

    // What everybody saw: the cards of the finished tricks, each seat's
    // points and the tricks done.
    CardSet played = 0;
    std::array<int, 3> seatPoints{};
    int declarerTrickPoints = 0;
    int defenderTrickPoints = 0;
    int defenderTricks = 0;
    int completedTricks = 0;
    // Per seat the cards it cannot hold: the suits it did not follow.
    std::array<CardSet, 3> cannotHold{};
    // Per seat the cards it played (the trick on the table included).
    std::array<CardSet, 3> playedBy{};
    // The bidding: the last value each seat said and the value reached.
    std::array<int, 3> saidBids{};
    int bidReached = 0;

    // What self knows beyond that: the skat (the declarer who took it up)
    // and the declarer's hand in an open game.
    bool skatKnown = false;
    bool declarerHandShown = false;

    CardSet trickCards() const;
    CardSet legalCards() const;
    bool selfIsDeclarer() const { return self == declarer; }
    // The search position for given hands of the two other seats and skat.
    OpenDeal dealWith(const std::array<CardSet, 3>& dealHands, CardSet dealSkat) const;
    OpenDeal realDeal() const { return dealWith(hands, skat); }
};

// The view of the seat to move, from the snapshot the computer player is
// given (it holds every hand) or from the table's cards and game record.
OpenGameView openGameViewOf(const GameSnapshot& game);
OpenGameView openGameViewOf(const SPIELKARTEN& cards, const SPIELSTRUCT& record);
