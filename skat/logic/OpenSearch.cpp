#include "skat/logic/OpenSearch.h"

#include "skat/engine/Einblatt.h"

#include <bit>
#include <chrono>

namespace {

constexpr int WORST = -121;

// A stored entry holds what the best line gained from the position on: the
// score in bits 16 and up, the own and the other points as signed bytes.
// Each field is unpacked with its own sign, so a negative byte never
// borrows from the field above it.
constexpr std::uint32_t packGains(int score, int own, int other)
{
    return (static_cast<std::uint32_t>(score) << 16) | (static_cast<std::uint32_t>(own & 0xFF) << 8)
        | static_cast<std::uint32_t>(other & 0xFF);
}
constexpr int scoreGain(std::uint32_t packed) { return static_cast<std::int32_t>(packed) >> 16; }
constexpr int ownGain(std::uint32_t packed) { return static_cast<std::int8_t>((packed >> 8) & 0xFF); }
constexpr int otherGain(std::uint32_t packed) { return static_cast<std::int8_t>(packed & 0xFF); }
static_assert(scoreGain(packGains(-7, -100, 3)) == -7 && ownGain(packGains(-7, -100, 3)) == -100
              && otherGain(packGains(-7, -100, 3)) == 3);
static_assert(scoreGain(packGains(120, 120, -1)) == 120 && otherGain(packGains(120, 120, -1)) == -1);

constexpr CardSet lowestOf(CardSet set) { return set & (~set + 1); }



} // namespace

CardSet OpenDeal::legalCards() const
{
    const CardSet hand = hands[static_cast<std::size_t>(toMove())];
    if (trickCount == 0)
        return hand;
    return EINBLATT::legalCards(hand, trickCardBit(trick, 0), type);
}

// Transposition tables of the trick starts, one per depth and leading seat.
// Within one search the unplayed cards fix the depth, so all of them share
// one array whose entries carry the leading seat; a stamp marks the entries
// of the current search, so clearing costs nothing.
class OpenSearch::Table {
public:
    static constexpr unsigned BITS = 21;
    static constexpr int PROBES = 4;
    enum : std::uint8_t { EXACT = 0, LOWER_BOUND = 1 };

    struct Entry {
        std::uint32_t key;
        std::uint32_t packed;
        std::uint16_t stamp;
        std::uint8_t leader;
        std::uint8_t kind;
    };

    Table() : entries_(std::size_t{1} << BITS) {}

    void clear()
    {
        if (++stamp_ == 0) {
            for (Entry& e : entries_)
                e.stamp = 0;
            stamp_ = 1;
        }
    }
    const Entry* find(std::uint32_t key, Seat leader) const
    {
        std::size_t i = index(key, leader);
        for (int p = 0; p < PROBES; ++p, i = (i + 1) & MASK) {
            const Entry& e = entries_[i];
            if (e.stamp != stamp_)
                return nullptr;
            if (e.key == key && e.leader == leader)
                return &e;
        }
        return nullptr;
    }
    void store(std::uint32_t key, Seat leader, std::uint32_t packed, std::uint8_t kind)
    {
        const std::size_t first = index(key, leader);
        std::size_t i = first;
        for (int p = 0; p < PROBES; ++p, i = (i + 1) & MASK) {
            Entry& e = entries_[i];
            if (e.stamp != stamp_ || (e.key == key && e.leader == leader)) {
                e = {key, packed, stamp_, static_cast<std::uint8_t>(leader), kind};
                return;
            }
        }
        entries_[first] = {key, packed, stamp_, static_cast<std::uint8_t>(leader), kind};
    }

private:
    static constexpr std::size_t MASK = (std::size_t{1} << BITS) - 1;
    static std::size_t index(std::uint32_t key, Seat leader)
    {
        const std::uint32_t h = (key ^ (static_cast<std::uint32_t>(leader) * 0x9E3779B9u)) * 0x85EBCA6Bu;
        return (h ^ (h >> 15)) & MASK;
    }

    std::vector<Entry> entries_;
    std::uint16_t stamp_ = 1;
};

OpenSearch::OpenSearch() : table_(std::make_unique<Table>()) {}

OpenSearch::~OpenSearch() = default;

OpenSearch& processOpenSearch()
{
    static OpenSearch search;
    return search;
}

void OpenSearch::configure(const OpenDeal& deal)
{
    hands_ = deal.hands;
    trick_ = deal.trick;
    count_ = deal.trickCount;
    leader_ = deal.leader;
    type_ = deal.type;
    null_ = type_ == GAME_NULL;
    ramsch_ = type_ == GAME_RAMSCH;
    declarer_ = deal.declarer;
    // In Ramsch the player to move plays against the two others.
    const Seat first = ramsch_ ? deal.toMove() : deal.declarer;
    for (Seat s = 0; s < 3; ++s)
        side_[static_cast<std::size_t>(s)] = s == first ? 0 : 1;
    winner_ = trickWinnerTable(type_);
    points_ = trickPointsTable();
    trumps_ = trumpMask(type_);
    for (CardBit led = 0; led < 32; ++led)
        follow_[static_cast<std::size_t>(led)] = EINBLATT::legalCards(ALL_CARDS, led, type_);
    if (deal.completedTricks >= 3)
        depthLimit_ = MAX_DEPTH;
    else
        depthLimit_ = null_ ? 10 : ramsch_ ? 7 : suitDepthLimit;
    total_ = deal.declarerPoints + deal.defenderPoints
        + pointsOfSet(hands_[0] | hands_[1] | hands_[2] | deal.trickCards());
}

void OpenSearch::solve(const OpenDeal& deal, SLOFFENWERTUNG& ratings)
{
    const auto started = std::chrono::steady_clock::now();
    nodes_ = 0;
    hits_ = 0;
    depthLimitHit_ = false;
    exhaustedSeat_ = SEAT_NONE;
    table_->clear();
    ratings.clear();
    elapsedMs_ = 0;
    if (!isValidGameType(deal.type) || !isValidSeat(deal.leader) || deal.trickCount < 0 || deal.trickCount > 2
        || (deal.type != GAME_RAMSCH && !isValidSeat(deal.declarer)))
        return;
    configure(deal);

    const Seat mover = deal.toMove();
    int own = 0;
    int other = 0;
    if (null_) {
        const int defenders = -10 * deal.defenderTricks;
        own = mover == declarer_ ? 0 : defenders;
        other = mover == declarer_ ? defenders : 0;
    } else if (ramsch_) {
        const int others = deal.seatPoints[0] + deal.seatPoints[1] + deal.seatPoints[2]
            - deal.seatPoints[static_cast<std::size_t>(mover)] + deal.skatPoints;
        own = -deal.seatPoints[static_cast<std::size_t>(mover)];
        other = -others;
    } else {
        own = mover == declarer_ ? deal.declarerPoints : deal.defenderPoints;
        other = mover == declarer_ ? deal.defenderPoints : deal.declarerPoints;
    }

    levels_[0] = {side_[static_cast<std::size_t>(mover)], own, other, 0};
    CardSet candidates = deal.legalCards();
    std::uint64_t nodesBefore = 0;
    while (candidates != 0) {
        const CardSet card = lowestOf(candidates);
        candidates &= ~card;
        const CardBit bit = std::countr_zero(card);
        if (heuristics.trumpExhaustion && isSuitGame(type_) && count_ == 0 && (card & trumps_) != 0
            && ((hands_[(mover + 1) % 3] | hands_[(mover + 2) % 3]) & trumps_) == 0) {
            exhaustedSeat_ = mover;
            exhaustedDepth_ = 0;
        }
        Line line = child(0, mover, bit, own, other, 0);
        // A null declarer who takes a trick has lost: -100, and the
        // defenders' tricks no longer count. Inside the search the points
        // stay plain, so that stored gains hold wherever they are reused.
        if (null_ && mover == declarer_ && line.own < 0) {
            line.own = -100;
            line.other = 0;
        } else if (null_ && mover != declarer_ && line.other < 0) {
            line.other = -100;
            line.own = 0;
        }
        OpenGameRating rating;
        rating.card = cardIdOfBit(bit);
        rating.ownPoints = line.own;
        rating.otherPoints = line.other;
        rating.ownDecisions = line.ownDecisions;
        rating.otherDecisions = line.otherDecisions;
        rating.value = line.score;
        rating.exact = !depthLimitHit_;
        rating.nodes = nodes_ - nodesBefore;
        nodesBefore = nodes_;
        ratings.add(rating);
        if (candidates != 0) {
            CardSet same = equivalents(bit, candidates, mover);
            candidates &= ~same;
            for (; same != 0; same &= same - 1) {
                OpenGameRating copy = rating;
                copy.card = cardIdOfBit(std::countr_zero(same));
                copy.nodes = 0;
                ratings.add(copy);
            }
        }
        depthLimitHit_ = false;
        exhaustedSeat_ = SEAT_NONE;
    }
    table_->clear();
    elapsedMs_ = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
}

void OpenSearch::play(CardBit bit, Undo& undo)
{
    const Seat mover = (leader_ + count_) % 3;
    hands_[static_cast<std::size_t>(mover)] &= ~bitMask(bit);
    undo = {trick_, static_cast<std::int8_t>(count_), static_cast<std::int8_t>(leader_), 0};
    trick_ = static_cast<TrickCode>(trick_ | (bit << (5 * count_)));
    if (++count_ == 3) {
        const int points = points_[trick_];
        undo.value = null_ ? -10 : ramsch_ ? -points : points;
        leader_ = (leader_ + winner_[trick_]) % 3;
        trick_ = 0;
        count_ = 0;
    }
}

void OpenSearch::unplay(CardBit bit, Seat mover, const Undo& undo)
{
    hands_[static_cast<std::size_t>(mover)] |= bitMask(bit);
    trick_ = undo.trick;
    count_ = undo.count;
    leader_ = undo.leader;
}

OpenSearch::Line OpenSearch::child(int depth, Seat mover, CardBit bit, int own, int other, int score)
{
    Undo undo;
    play(bit, undo);
    const Seat next = (leader_ + count_) % 3;
    Line line;
    if (side_[static_cast<std::size_t>(next)] == side_[static_cast<std::size_t>(mover)]) {
        line = search(depth + 1, own + undo.value, other, score + undo.value);
    } else {
        const Line theirs = search(depth + 1, other + undo.value, own, undo.value - score);
        line = {-theirs.score, theirs.other, theirs.own, theirs.otherDecisions, theirs.ownDecisions};
    }
    unplay(bit, mover, undo);
    return line;
}

OpenSearch::Line OpenSearch::lastTrick(Seat mover, int own, int other, int score) const
{
    TrickCode code = trick_;
    Seat seat = mover;
    for (int place = count_; place < 3; ++place, seat = (seat + 1) % 3) {
        const CardSet hand = hands_[static_cast<std::size_t>(seat)];
        if (hand == 0)
            return {score, own, other, 0, 0}; // the game is over
        code = static_cast<TrickCode>(code | (std::countr_zero(hand) << (5 * place)));
    }
    const int points = points_[code];
    const int value = null_ ? -10 : ramsch_ ? -points : points;
    const Seat taker = (leader_ + winner_[code]) % 3;
    if (side_[static_cast<std::size_t>(taker)] == side_[static_cast<std::size_t>(mover)])
        return {score + value, own + value, other, 0, 0};
    return {score - value, own, other + value, 0, 0};
}

// The largest score a side to move can still gain from the unplayed cards:
// every remaining trick its own (null and Ramsch: every one the others').
int OpenSearch::bestGain(CardSet remaining) const
{
    return null_ ? 10 * (std::popcount(remaining) / 3) : pointsOfSet(remaining);
}

int OpenSearch::cutAncestor(int depth, int own) const
{
    const int side = levels_[static_cast<std::size_t>(depth)].side;
    for (int k = 1; k <= 4 && depth - k >= 1; ++k) {
        const Level& a = levels_[static_cast<std::size_t>(depth - k)];
        if (a.side == side)
            continue;
        // The line already reaches the best this side can get below that
        // ancestor: the other side takes nothing more.
        const bool cut = null_ || ramsch_ ? own >= a.otherEntry : own >= total_ - a.ownEntry;
        if (cut)
            return k;
    }
    return 0;
}

CardSet OpenSearch::equivalents(CardBit searched, CardSet candidates, Seat mover) const
{
    const CardSet others = hands_[(mover + 1) % 3] | hands_[(mover + 2) % 3];
    CardSet inTrick = 0;
    for (int i = 0; i < count_; ++i)
        inTrick |= bitMask(trickCardBit(trick_, i));
    const CardSet realOut = others | inTrick;
    CardSet out = realOut;
    // Completing a trick in a plain led suit: when every candidate lies above
    // (or below) the higher trick card, the trick's cards separate none.
    if (!null_ && count_ == 2) {
        const CardBit led = trickCardBit(trick_, 0);
        const CardBit second = trickCardBit(trick_, 1);
        const CardSet ledSuit = suitMaskWithoutJack(suitOfBit(led));
        if ((bitMask(led) & trumps_) == 0 && (hands_[static_cast<std::size_t>(mover)] & ledSuit) != 0
            && (bitMask(second) & ledSuit) != 0) {
            const CardSet below = bitMask(led > second ? led : second) - 1;
            const CardSet all = (candidates | bitMask(searched)) & ledSuit;
            if ((all & below) == all || (all & below) == 0)
                out = others;
        }
    }

    const Suit suit = suitOfBit(searched);
    const Rank rank = rankOfBit(searched);
    const CardBit base = (4 - suit) * 8;
    auto card = [base](Rank r) { return bitMask(base + r - 1); };
    CardSet same = 0;
    if (rank == RANK_SEVEN) {
        same |= card(RANK_EIGHT);
        bool nine = (card(RANK_EIGHT) & out) == 0;
        if (!nine && heuristics.sevenForNine) {
            const CardSet next = hands_[(mover + 1) % 3];
            const CardSet after = hands_[(mover + 2) % 3];
            const CardSet suitCards = suitMaskWithoutJack(suit);
            nine = ((card(RANK_EIGHT) & next) != 0 && (after & suitCards) != 0)
                || ((card(RANK_EIGHT) & after) != 0 && (next & suitCards) != 0);
        }
        if (nine)
            same |= card(RANK_NINE);
    } else if (rank == RANK_EIGHT) {
        same |= card(RANK_NINE);
    } else if (null_) {
        // Null order above the 9: ten, jack, queen, king, ace.
        constexpr Rank up[] = {RANK_TEN, RANK_JACK, RANK_QUEEN, RANK_KING, RANK_ACE};
        if (rank == RANK_NINE) {
            for (Rank r : up) {
                same |= card(r);
                if ((candidates & card(r)) == 0)
                    break;
            }
        } else {
            for (int i = 0; i + 1 < 5; ++i)
                if (up[i] == rank)
                    same |= card(up[i + 1]);
        }
    } else if (rank == RANK_JACK) {
        const CardSet spades = cardMask(SUIT_SPADES, RANK_JACK);
        const CardSet hearts = cardMask(SUIT_HEARTS, RANK_JACK);
        const CardSet diamonds = cardMask(SUIT_DIAMONDS, RANK_JACK);
        if (suit == SUIT_CLUBS) {
            same |= spades;
            if ((spades & out) == 0) {
                same |= hearts;
                if ((hearts & out) == 0)
                    same |= diamonds;
            }
        } else if (suit == SUIT_SPADES) {
            same |= hearts;
            if ((hearts & out) == 0)
                same |= diamonds;
        } else if (suit == SUIT_HEARTS) {
            same |= diamonds | spades;
        }
    }
    // Nobody else holds a trump (grand: a jack): each of the mover's trumps
    // wins its trick, whichever is played first.
    if (isSuitGame(type_) && (bitMask(searched) & trumps_) != 0 && (realOut & trumps_) == 0)
        same |= trumps_;
    if ((type_ == GAME_GRAND || type_ == GAME_GRAND_OUVERT) && rank == RANK_JACK && (realOut & JACKS) == 0)
        same |= JACKS;
    return same & candidates & ~bitMask(searched);
}

OpenSearch::Line OpenSearch::search(int depth, int own, int other, int score)
{
    ++nodes_;
    const Seat mover = (leader_ + count_) % 3;
    const CardSet hand = hands_[static_cast<std::size_t>(mover)];
    if ((hand & (hand - 1)) == 0)
        return lastTrick(mover, own, other, score);

    const bool start = count_ == 0;
    std::uint32_t key = 0;
    CardSet candidates = hand;
    if (start) {
        if (depth >= depthLimit_) {
            depthLimitHit_ = true;
            return {score, own, other, 0, 0};
        }
        key = hands_[0] | hands_[1] | hands_[2];
        if (const Table::Entry* e = table_->find(key, leader_)) {
            // A bound is only as good as the exact value when nothing can
            // beat it.
            if (e->kind == Table::EXACT || scoreGain(e->packed) >= bestGain(key)) {
                ++hits_;
                ++hitsPerDepth_[static_cast<std::size_t>(depth)];
                return {score + scoreGain(e->packed), own + ownGain(e->packed), other + otherGain(e->packed), 0, 0};
            }
        }
    } else {
        const CardSet follow = hand & follow_[static_cast<std::size_t>(trickCardBit(trick_, 0))];
        if (follow != 0)
            candidates = follow;
    }

    bool setExhaustion = false;
    if (heuristics.trumpExhaustion && start && exhaustedSeat_ == mover && depth > exhaustedDepth_
        && (candidates & (candidates - 1)) != 0) {
        const CardSet trumps = hand & trumps_;
        if (trumps != 0)
            candidates = lowestOf(trumps);
        else
            exhaustedSeat_ = SEAT_NONE;
    }

    Level& level = levels_[static_cast<std::size_t>(depth)];
    level.side = side_[static_cast<std::size_t>(mover)];
    level.ownEntry = own;
    level.otherEntry = other;
    Line best{WORST, 0, 0, 0, 0};
    Line last{WORST, 0, 0, 0, 0};
    bool canWin = false;
    bool canLose = false;
    bool cut = false;
    const bool declarerMoves = mover == declarer_;
    while (candidates != 0) {
        const CardSet card = (level.hint & candidates) != 0 ? level.hint : lowestOf(candidates);
        candidates &= ~card;
        const CardBit bit = std::countr_zero(card);
        if (heuristics.trumpExhaustion && isSuitGame(type_) && start && (card & trumps_) != 0
            && ((hands_[(mover + 1) % 3] | hands_[(mover + 2) % 3]) & trumps_) == 0) {
            exhaustedSeat_ = mover;
            exhaustedDepth_ = depth;
            setExhaustion = true;
        }
        const Line line = child(depth, mover, bit, own, other, score);
        last = line;
        if (line.score > best.score)
            best = line;
        if (ramsch_ || null_) {
            // Verdicts by card points only mean something in suit and grand games.
        } else if (declarerMoves) {
            canWin = canWin || line.own > 60;
            canLose = canLose || line.other > 59;
        } else {
            canWin = canWin || line.own > 59;
            canLose = canLose || line.other > 60;
        }
        if (const int k = cutAncestor(depth, line.own); k != 0) {
            if (k == 1)
                level.hint = card;
            cut = true;
            break;
        }
        if (candidates != 0)
            candidates &= ~equivalents(bit, candidates, mover);
    }
    if (setExhaustion)
        exhaustedSeat_ = SEAT_NONE;

    best.ownDecisions = last.ownDecisions + (canWin && canLose ? 1 : 0);
    best.otherDecisions = last.otherDecisions;
    if (start)
        table_->store(key, leader_, packGains(best.score - score, best.own - own, best.other - other),
                      cut ? Table::LOWER_BOUND : Table::EXACT);
    return best;
}
