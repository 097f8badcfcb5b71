#pragma once
// Search of the rest of a game with every hand known, card by card, for the
// computer player late in a game. An alpha-beta negamax over the point
// difference from the root on, with transposition tables of bounds at trick
// starts, cut-offs when a line cannot beat the window or already reaches
// the best its side can still get, skipping of cards that are known to give
// the same result, and a depth limit. The result is one exact rating per
// card the player to move may play.
//
// All search state (tables, level records, counters) lives in one object;
// the computer player borrows one from a pool for each analysis, tests and
// benchmarks may build their own. One search at a time per object.

#include "skat/engine/Stich.h"
#include "skat/logic/OpenRatings.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// One position to search: the three hands, the trick on the table and what
// each side has taken so far.
struct OpenDeal {
    std::array<CardSet, 3> hands{};
    TrickCode trick = 0;  // cards already in the trick, in play order
    int trickCount = 0;   // 0..2
    Seat leader = SEAT_0; // seat that led the trick
    GameType type = GAME_NONE;
    Seat declarer = SEAT_NONE;

    // Taken before the position. Suit and grand: the declarer's points hold
    // the skat. Null: the tricks the defenders took. Ramsch: per seat, and
    // the skat's points (they count for the two seats not to move).
    int declarerPoints = 0;
    int defenderPoints = 0;
    int defenderTricks = 0;
    std::array<int, 3> seatPoints{};
    int skatPoints = 0;
    int completedTricks = 0;

    Seat toMove() const { return seatAfter(leader, trickCount); }
    CardSet trickCards() const
    {
        CardSet set = 0;
        for (int i = 0; i < trickCount; ++i)
            set |= bitMask(trickCardBit(trick, i));
        return set;
    }
    // The cards the player to move may play.
    CardSet legalCards() const;
};

class OpenSearch {
public:
    static constexpr int MAX_DEPTH = 30;

    // Parts of the search that are not exact and stay off unless asked for.
    struct Heuristics {
        // After a seat drew the last trumps of the others it leads its lowest
        // trump at each later trick start (suit games).
        bool trumpExhaustion = false;
        // The 7 of a suit also stands for its 9 when the 8 lies with one
        // opponent and the other holds a card of the suit.
        bool sevenForNine = false;
    };

    OpenSearch();
    ~OpenSearch();
    OpenSearch(const OpenSearch&) = delete;
    OpenSearch& operator=(const OpenSearch&) = delete;

    // Which values solve() finds: the exact value of every card, or only of
    // the best cards (every card whose value equals the best is exact); a
    // card below them is rated by an upper bound of its value, still below
    // the best (OpenGameRating::upperBound), which takes far fewer nodes.
    enum class Values { EVERY_CARD, BEST_CARDS };
    // With the best cards only: a card within this many points of the best
    // value is rated exactly too (0: only the best).
    int bestMargin = 0;

    // Searches the deal and fills ratings with one record per legal card of
    // the player to move. Leaves ratings empty for a deal without game type
    // or without a card to play. Ratings of a similar deal, when given, only
    // speed the search up (their values are tried first).
    void solve(const OpenDeal& deal, SLOFFENWERTUNG& ratings, const SLOFFENWERTUNG* guesses = nullptr,
               Values values = Values::EVERY_CARD);
    // Whether the side to move can end a suit or grand game with at least
    // `target` card points (61, 90, ...): one zero-window search per card,
    // far cheaper than the exact values. False for null and Ramsch.
    bool reaches(const OpenDeal& deal, int target);

    // Forgets the cards each level tries first (kept between searches, so
    // an analysis that starts with this repeats itself exactly).
    void resetHints()
    {
        for (Level& level : levels_)
            level.hint = 0;
    }

    // How the search goes about it; none of it changes a value, only the
    // work and, through the order of the lines searched, the decision
    // counts (the reference player keeps the first way).
    struct Tuning {
        // Table entries keep a lower and an upper bound of a position, a
        // new bound merges with the old ones, and a full run of probes
        // gives up its entry of the fewest cards; else one bound per
        // entry, replaced by the next.
        bool boundPairs = true;
        // Before the last card of a trick is searched, the table entries of
        // the positions the candidates lead to may already beat the window.
        bool lookAhead = true;
        // A leader tries first the cards that nobody can beat, the second
        // card of a trick the cards that the last seat cannot beat (richest
        // first), then the others as before.
        bool winnersFirst = true;
        // Points a side surely takes narrow the window at every node: each
        // trump above all trumps of the other side wins the trick it falls
        // in, so its side takes at least those cards' points.
        bool surePoints = true;
        // A card's exact value is closed in on from the guess in doubling
        // steps, then by halving (else one lattice step at a time).
        bool doublingSteps = true;
        // Positions that differ only in which of a run of cards worth the
        // same points (sevens to nines of a suit, jacks; in null every card
        // of a suit) was played share a table entry: only who holds the
        // others, in their order, tells them apart.
        bool relativeRanks = true;
        // With the surely taken points: a leader also surely takes the
        // tricks of the plain cards it can lead one after the other that
        // nobody of the other side beats or trumps.
        bool cashing = true;

        // Every way on, or the first ways (the reference player's).
        static Tuning fast(bool on) { return Tuning{on, on, on, on, on, on, on}; }
    };
    Tuning tuning;

    Heuristics heuristics;
    // Depth limit of suit and grand games; kept from one search to the next.
    int suitDepthLimit = MAX_DEPTH;

    // A search stops once it has visited this many nodes (0: never); it then
    // leaves the ratings of the cards it finished and aborted() is true.
    // Counting nodes, not time, keeps the answer the same on any machine.
    std::uint64_t nodeLimit = 0;
    bool aborted() const { return aborted_; }

    // Statistics of the last search (hit counts per depth add up over all).
    std::uint64_t nodes() const { return nodes_; }
    std::uint64_t hashHits() const { return hits_; }
    double elapsedMs() const { return elapsedMs_; }
    const std::array<std::uint64_t, MAX_DEPTH + 1>& hitsPerDepth() const { return hitsPerDepth_; }

private:
    // What a search below a card returns besides its score.
    struct Decisions {
        int own = 0;
        int other = 0;
    };
    struct Undo {
        TrickCode trick;
        std::int8_t count;
        std::int8_t leader;
        int value; // trick value when the card completed a trick, else 0
    };
    struct Level {
        CardSet hint; // tried first after the table's card; kept from one search to the next
    };
    class Table;

    void configure(const OpenDeal& deal);
    // Resets the counters and the table and sets the deal up; false for a
    // deal that cannot be searched.
    bool start(const OpenDeal& deal);
    // Points the side to move and the other side hold at the root.
    void rootPoints(const OpenDeal& deal, int& own, int& other) const;
    int search(int depth, int alpha, int beta, int own, int other, int score, Decisions& decisions);
    int lastTrick(Seat mover, int score) const;
    void play(CardBit bit, Undo& undo);
    void unplay(CardBit bit, Seat mover, const Undo& undo);
    CardSet equivalents(CardBit searched, CardSet candidates, Seat mover) const;
    // The candidates that play like the searched card: worth the same points
    // and with no card of the others (out) between them in its group's order.
    CardSet runOf(CardBit searched, CardSet candidates, CardSet out) const;
    // The table's key of a trick start with these owners (owners_), and the
    // hash that finds its slot.
    std::uint64_t positionKey(std::uint64_t owners) const;
    std::uint32_t positionHash(std::uint64_t key, CardSet unplayed, Seat leader) const;
    // Points the side of the highest trump in play surely takes (its trumps
    // above the other side's highest, the ones of the trick on the table
    // included); side is set to that side (0: the declarer's, 1). Suit and
    // grand games only.
    int surePoints(int& side) const;
    // Points the leader's side surely takes by leading its plain cards that
    // win whatever the others play (cashPoints() in the .cpp says how).
    int cashPoints() const;
    template <typename Up, typename Down, typename Test, typename Rate>
    void solveBest(const OpenDeal& deal, const SLOFFENWERTUNG& previous, int step, Up up, Down down, Test test,
                   Rate rate);
    // The root's candidates in the order their values are searched.
    std::vector<CardBit> rootOrder(Seat mover, CardSet candidates, const SLOFFENWERTUNG& guesses) const;
    // What the tricks still to come are worth together (null and Ramsch:
    // negative), the cards on the table included.
    int remainingValue() const;
    struct Order {
        bool plain = true;     // lowest card first
        CardSet first = 0;     // tried before the others
        bool firstHigh = true; // those by points, most first
        bool restHigh = false;
    };
    Order orderOf(Seat mover, CardSet candidates, bool start) const;
    CardSet nextCard(CardSet candidates, const Order& order) const;
    // Whether a card of the hand can beat the card led (following suit when
    // it can).
    bool beatable(CardBit led, CardSet hand) const;
    int child(int depth, Seat mover, CardBit bit, int alpha, int beta, int own, int other, int score,
              Decisions& decisions);

    // Board.
    std::array<CardSet, 3> hands_{};
    TrickCode trick_ = 0;
    int count_ = 0;
    Seat leader_ = SEAT_0;
    int remaining_ = 0; // remainingValue(), kept up to date by play and unplay
    // Who holds each unplayed card: two bits a card, the seat plus one (0:
    // played), kept up to date by play and unplay.
    std::uint64_t owners_ = 0;
    // Rules of the search.
    GameType type_ = GAME_NONE;
    std::array<int, 3> side_{};
    Seat declarer_ = SEAT_NONE;
    bool null_ = false;
    bool ramsch_ = false;
    int depthLimit_ = MAX_DEPTH;
    const std::uint8_t* winner_ = nullptr;
    const std::uint8_t* points_ = nullptr;
    const std::uint8_t* leaderOfTwo_ = nullptr;
    std::array<CardSet, 32> follow_{};
    CardSet trumps_ = 0;
    // Suit and grand games: surePoints() applies; the lowest bit of the
    // trump suit (-1 in grand).
    bool sureTrumps_ = false;
    int trumpBase_ = -1;
    // Search-wide state.
    std::array<Level, MAX_DEPTH + 2> levels_{};
    std::unique_ptr<Table> table_;
    std::uint64_t nodes_ = 0;
    std::uint64_t hits_ = 0;
    std::array<std::uint64_t, MAX_DEPTH + 1> hitsPerDepth_{};
    bool depthLimitHit_ = false;
    bool aborted_ = false;
    Seat exhaustedSeat_ = SEAT_NONE;
    int exhaustedDepth_ = 0;
    double elapsedMs_ = 0;
};

// A search object of the process's pool, held for one analysis: analyses on
// several threads run at once, each on its own object. What a search
// answers does not depend on which object ran it.
class OpenSearchLease {
public:
    OpenSearchLease();
    ~OpenSearchLease();
    OpenSearchLease(const OpenSearchLease&) = delete;
    OpenSearchLease& operator=(const OpenSearchLease&) = delete;
    OpenSearch& search() { return *search_; }

private:
    std::unique_ptr<OpenSearch> search_;
};
