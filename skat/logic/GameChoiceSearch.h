#pragma once
// The declarer's game after it took up the skat, chosen by what the games
// are worth on deals drawn from its own view: the twenty cards it cannot see
// are dealt to the two other hands many times over, and on each deal the
// open-game search tells for every candidate game (its type and the two
// cards the pre-play logic would lay away for it) whether the declarer wins
// it and whether with schneider. The candidate of the highest mean score
// (won: value + 50, lost: twice the value + 50 and 40 for each defender, as
// the benchmarks count) is played. Only the declarer's twelve cards are read.

#include "skat/engine/CardTypes.h"
#include "skat/logic/PlayerSettings.h"

#include <span>

class VORDIX_RANDOM;

struct GameChoiceCandidate {
    GameType type = GAME_NONE;
    CardSet away = 0; // the two cards laid away
    int value = 0;    // the game's value when won without schneider
    int schneiderValue = 0;
};

struct GameChoiceScore {
    double score = 0; // mean score over the deals searched
    int deals = 0;    // deals whose searches finished within the node limit
    int won = 0;
};

// Fills scores (one per candidate) and returns the index of the best
// candidate, -1 when none could be rated. forehand leads the first trick.
int chooseGameBySearch(CardSet twelve, Seat declarer, Seat forehand, std::span<const GameChoiceCandidate> candidates,
                       VORDIX_RANDOM& random, const GameChoiceSettings& settings, std::span<GameChoiceScore> scores);

// The expected score of a game of this value won with chance p, as the
// choice counts it.
double gameChoiceScore(int value, bool won);
