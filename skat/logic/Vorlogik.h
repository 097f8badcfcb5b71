#pragma once
// The pre-play logic of one player: rates a hand for every game type from
// the pre-play tables, proposes the game and the highest bid, and after the
// skat chooses the two cards to put away and the game to announce.
//
// Everything works on bare CardSet values; the proposal record and the
// discard pairs are the only state, kept from one proposal to the next.

#include "skat/engine/ComputerLogic.h"
#include "skat/logic/LogikModul.h"
#include "skat/logic/PreplayTables.h"

#include <array>
#include <string>

// Rows of a rating matrix: three estimates of the declarer's points, the
// same three of the defenders'.
enum RatingRow : int { ROW_PD = 0, ROW_PS = 1, ROW_PM = 2, ROW_ND = 3, ROW_NS = 4, ROW_NM = 5 };

// A hand's rating for one game type: M[row][col], col 1..4 the suits clubs
// to diamonds, col 5 the jacks (grand), col 0 the row's total.
struct RatingRecord {
    std::array<std::array<int, 6>, 6> M{};
    int rating = 0; // expected card points of the declarer, 0..120
    int share = 0;  // the declarer's share of the points in percent
    bool operator==(const RatingRecord&) const = default;
};

// One game type's rating before and after the skat and its bid.
struct GameBlock {
    RatingRecord before; // the hand as it is (record 1)
    RatingRecord after;  // the hand after the skat (record 2)
    int carried = 0;
    int bidClass = 0; // 0..5
    int bidValue = 0;
    int level = 0; // the level to announce (0 plain, 2 hand, 4 schwarz announced, 5 open hand; null 1 open)
};

struct BidProposalRecord {
    int jackCount = 0;         // +n with n jacks from the clubs jack down, -n without
    int limit = 0;             // the highest bid
    GameType type = GAME_NONE; // proposed game type
    GameType typeAgain = GAME_NONE;
    int level = 0;
    int stage = 0;
    int rating = -50;                  // rating after the skat of the proposed game
    int rating1 = -50;                 // its rating before the skat
    std::array<GameBlock, 6> blocks{}; // game types 1..5 and 7

    // The block of game type 1..5 or 7 (the null block for anything else).
    GameBlock& block(GameType type) { return blocks[blockIndex(type)]; }
    const GameBlock& block(GameType type) const { return blocks[blockIndex(type)]; }
    static std::size_t blockIndex(GameType type)
    {
        return type >= GAME_CLUBS && type <= GAME_GRAND ? static_cast<std::size_t>(type - 1) : 5u;
    }
    void reset();
};

// The two cards of a discard pair as a set.
constexpr CardSet discardCards(const DiscardPair& pair) { return cardMaskOfId(pair.first) | cardMaskOfId(pair.second); }

// Playing styles: how boldly the ratings are read.
inline constexpr int PLAY_STYLE_DEFENSIVE = 0;
inline constexpr int PLAY_STYLE_BALANCED = 1;
inline constexpr int PLAY_STYLE_OFFENSIVE = 2;

class VORLOGIK : public LOGIK_MODUL {
public:
    // Without tables given, the shared tables are fetched on first use.
    explicit VORLOGIK(const VL_TABELLEN* tables = nullptr) : tables_(tables) { }

    const VL_TABELLEN& tables() const;

    // Rates the hand (ten cards, or twelve with the skat) for the player in
    // seat and fills the proposal.
    void bidProposal(CardSet hand, Seat seat);
    // After the skat: fills the discard pairs of all types and the proposal
    // for the twelve-card hand, the bid reached being bidReached.
    void chooseDiscard(CardSet hand, int bidReached);

    // Both ratings of a game block for game type 1..5.
    void evaluateHand(GameBlock& block, CardSet hand, GameType type) const;
    // The rating of the hand plus up to two further cards for type 1..5.
    RatingRecord rateCards(CardSet hand, CardSet extra, GameType type) const;
    // Null level 0..4 of ten cards; -1 for no null game.
    int nullRating(CardSet hand) const;
    // Bid class and value of a rated block (into the block).
    void bidValue(GameBlock& block, GameType type, int jackCount, int extraLevels, bool afterSkat) const;
    // Open-game test of a hand game: kind 1 suit game, 2 grand. 0 open,
    // 1 or 2 schwarz announceable, anything else neither.
    int canPlayOpen(int kind, Seat seat, CardSet hand, int trumps) const;

    void chooseDiscardsAllTypes(CardSet hand);
    DiscardPair chooseDiscardPair(CardSet hand, GameType type) const;
    // One to three candidate cards into the list; returns their number.
    int proposeDiscardCards(CardSet hand, GameType type, std::array<CardId, 3>& candidates) const;
    int nullRatingAfterDiscard(CardSet hand) const;
    // The advice on a suit of the hand (empty for an empty suit).
    std::wstring suitPatternText(CardSet hand, Suit suit) const;

    // The null analysis of one suit of a hand: first gap a and the counts
    // c1 and c2 that key the null table.
    struct NullSuit {
        int a = 0, c1 = 0, c2 = 0;
    };
    static NullSuit analyseNullSuit(CardSet hand, Suit suit);
    // Combination of the four suits' null values into the null level.
    static int combineNullValues(int vc, int vs, int vh, int vd);

    int playStyle = PLAY_STYLE_BALANCED;
    // The least null level (0..4) at which the bidding counts on a null
    // game; a weaker null hand bids by its other games alone.
    int nullBidLevel = 0;
    // The player's seat (a class-2 bid is lowered outside seat 0).
    Seat seat = SEAT_NONE;
    BidProposalRecord proposal;
    std::array<DiscardPair, 8> discards{}; // by game type 1..7

private:
    void evaluateTenCards(CardSet hand, std::array<GameBlock*, 5> blocks) const;
    void finishBlock(GameBlock& block) const;

    mutable const VL_TABELLEN* tables_ = nullptr;
};
