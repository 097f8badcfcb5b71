#include "skat/logic/OpenSearch.h"

#include "skat/engine/Einblatt.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <new>

#include <sys/mman.h>

namespace {

constexpr int INFINITE = 1000;

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
// of the current search, so clearing costs nothing. An entry holds bounds of
// the score the position gains from its start on (equal when exact) and the
// card that was best or cut. Its key tells who holds each unplayed card, two
// bits a card (OpenSearch::positionKey); the slot is found from a hash the
// caller gives.
class OpenSearch::Table {
public:
    static constexpr unsigned BITS = 21;
    static constexpr int PROBES = 4;
    static constexpr int NO_BOUND = 1000;

    struct Entry {
        std::uint64_t key;
        std::int16_t lower;
        std::int16_t upper;
        std::uint16_t stamp;
        std::uint8_t leader;
        std::uint8_t card; // CardBit
    };

    Table()
    {
        // One block on 2 MiB boundaries, which the kernel may back with huge
        // pages: the table is read at random, and small pages would cost a
        // page walk on almost every look-up.
        constexpr std::size_t bytes = sizeof(Entry) << BITS;
        constexpr std::size_t huge = std::size_t{2} << 20;
        void* block = std::aligned_alloc(huge, (bytes + huge - 1) / huge * huge);
        if (block == nullptr)
            throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
        madvise(block, (bytes + huge - 1) / huge * huge, MADV_HUGEPAGE);
#endif
        entries_ = static_cast<Entry*>(block);
        for (std::size_t i = 0; i < (std::size_t{1} << BITS); ++i)
            entries_[i] = Entry{};
    }
    ~Table() { std::free(entries_); }
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    void clear()
    {
        if (++stamp_ == 0) {
            for (std::size_t i = 0; i < (std::size_t{1} << BITS); ++i)
                entries_[i].stamp = 0;
            stamp_ = 1;
        }
    }
    void prefetch(std::uint32_t hash) const { __builtin_prefetch(&entries_[hash & MASK]); }
    const Entry* find(std::uint64_t key, std::uint32_t hash, Seat leader) const
    {
        std::size_t i = hash & MASK;
        for (int p = 0; p < PROBES; ++p, i = (i + 1) & MASK) {
            const Entry& e = entries_[i];
            if (e.stamp != stamp_)
                return nullptr;
            if (e.key == key && e.leader == leader)
                return &e;
        }
        return nullptr;
    }
    // Stores bounds of the gain. With merge the bounds an entry of the
    // position holds already stay where they are tighter, and a full probe
    // run gives up its entry of the fewest cards (the cheapest to search
    // again); else the new bounds replace the old and the first entry goes.
    void store(std::uint64_t key, std::uint32_t hash, Seat leader, int lower, int upper, CardBit card, bool merge)
    {
        const std::size_t first = hash & MASK;
        std::size_t i = first;
        std::size_t victim = first;
        int fewest = 33;
        for (int p = 0; p < PROBES; ++p, i = (i + 1) & MASK) {
            Entry& e = entries_[i];
            if (e.stamp != stamp_) {
                e = entry(key, leader, lower, upper, card);
                return;
            }
            if (e.key == key && e.leader == leader) {
                if (merge) {
                    lower = std::max<int>(lower, e.lower);
                    upper = std::min<int>(upper, e.upper);
                    if (lower > upper) // cannot happen with sound bounds; keep the new ones
                        return;
                }
                e = entry(key, leader, lower, upper, card);
                return;
            }
            // Each unplayed card holds a non-zero pair of bits.
            const int cards = std::popcount((e.key | (e.key >> 1)) & 0x5555555555555555ull);
            if (cards < fewest) {
                fewest = cards;
                victim = i;
            }
        }
        entries_[merge ? victim : first] = entry(key, leader, lower, upper, card);
    }

private:
    static constexpr std::size_t MASK = (std::size_t{1} << BITS) - 1;
    Entry entry(std::uint64_t key, Seat leader, int lower, int upper, CardBit card) const
    {
        return Entry{key,    static_cast<std::int16_t>(lower),  static_cast<std::int16_t>(upper),
                     stamp_, static_cast<std::uint8_t>(leader), static_cast<std::uint8_t>(card)};
    }

    Entry* entries_ = nullptr;
    std::uint16_t stamp_ = 1;
};

namespace {

// Each bit of a card set moved to the lower bit of its own pair.
std::uint64_t spreadBits(CardSet set)
{
    std::uint64_t x = set;
    x = (x | (x << 16)) & 0x0000FFFF0000FFFFull;
    x = (x | (x << 8)) & 0x00FF00FF00FF00FFull;
    x = (x | (x << 4)) & 0x0F0F0F0F0F0F0F0Full;
    x = (x | (x << 2)) & 0x3333333333333333ull;
    x = (x | (x << 1)) & 0x5555555555555555ull;
    return x;
}

// Four pairs of bits with the non-zero pairs moved down in their order, and
// how many there are.
struct PackedPairs {
    std::array<std::uint8_t, 256> pairs{};
    std::array<std::uint8_t, 256> count{};
    constexpr PackedPairs()
    {
        for (unsigned v = 0; v < 256; ++v) {
            unsigned out = 0;
            unsigned n = 0;
            for (unsigned slot = 0; slot < 4; ++slot) {
                const unsigned pair = (v >> (2 * slot)) & 3u;
                if (pair != 0)
                    out |= pair << (2 * n++);
            }
            pairs[v] = static_cast<std::uint8_t>(out);
            count[v] = static_cast<std::uint8_t>(n);
        }
    }
};
constexpr PackedPairs PACKED{};

// The hash of the reference player's tables: of the unplayed cards alone,
// which within one search tell who holds them.
std::uint32_t setHash(CardSet unplayed, Seat leader)
{
    const std::uint32_t h = (unplayed ^ (static_cast<std::uint32_t>(leader) * 0x9E3779B9u)) * 0x85EBCA6Bu;
    return h ^ (h >> 15);
}

std::uint32_t keyHash(std::uint64_t key, Seat leader)
{
    const std::uint64_t h =
        (key ^ (static_cast<std::uint64_t>(leader) * 0x9E3779B97F4A7C15ull)) * 0xBF58476D1CE4E5B9ull;
    return static_cast<std::uint32_t>(h >> 32);
}

} // namespace

std::uint64_t OpenSearch::positionKey(std::uint64_t owners) const
{
    if (!tuning.relativeRanks)
        return owners;
    // Cards of one suit that are worth the same points and lie next to each
    // other in its order once the played cards are gone play alike: which of
    // them were played does not matter, only who holds the others in their
    // order. Their pairs move to the lowest places of their group, so that
    // positions that differ only in the played ones share an entry.
    std::uint64_t key = 0;
    if (null_) {
        // Null: every card, in the order seven, eight, nine, ten, jack,
        // queen, king, ace, each suit a group.
        for (int suit = 0; suit < 4; ++suit) {
            const auto g = static_cast<unsigned>(owners >> (16 * suit)) & 0xFFFFu;
            const unsigned order = (g & 0x3Fu) | ((g >> 12) & 3u) << 6 | ((g >> 6) & 0x3Fu) << 8 | (g & 0xC000u);
            const unsigned low = order & 0xFFu;
            const unsigned packed = PACKED.pairs[low] | PACKED.pairs[order >> 8] << (2 * PACKED.count[low]);
            key |= static_cast<std::uint64_t>(packed) << (16 * suit);
        }
        return key;
    }
    // Suit, grand and Ramsch: the seven, eight and nine of each suit, and
    // the jacks (all trumps, above every other card, two points each).
    key = owners & ~0x00FF00FF00FF00FFull;
    for (int suit = 0; suit < 4; ++suit)
        key |= static_cast<std::uint64_t>(PACKED.pairs[(owners >> (16 * suit)) & 0x3Fu]) << (16 * suit);
    const auto jacks = static_cast<unsigned>(((owners >> 6) & 3u) | ((owners >> 20) & 0xCu) | ((owners >> 34) & 0x30u)
                                             | ((owners >> 48) & 0xC0u));
    const std::uint64_t packed = PACKED.pairs[jacks];
    return key | (packed & 3u) << 6 | (packed >> 2 & 3u) << 22 | (packed >> 4 & 3u) << 38 | (packed >> 6 & 3u) << 54;
}

std::uint32_t OpenSearch::positionHash(std::uint64_t key, CardSet unplayed, Seat leader) const
{
    return tuning.relativeRanks ? keyHash(key, leader) : setHash(unplayed, leader);
}

OpenSearch::OpenSearch() : table_(std::make_unique<Table>()) { }

OpenSearch::~OpenSearch() = default;

namespace {

// Search objects not in use; each holds a table of some 24 MiB, so they are
// kept for the next analysis rather than freed.
std::mutex poolMutex;
std::vector<std::unique_ptr<OpenSearch>> pool;

} // namespace

OpenSearchLease::OpenSearchLease()
{
    {
        std::lock_guard lock(poolMutex);
        if (!pool.empty()) {
            search_ = std::move(pool.back());
            pool.pop_back();
        }
    }
    if (!search_)
        search_ = std::make_unique<OpenSearch>();
}

OpenSearchLease::~OpenSearchLease()
{
    std::lock_guard lock(poolMutex);
    pool.push_back(std::move(search_));
}

void OpenSearch::configure(const OpenDeal& deal)
{
    hands_ = deal.hands;
    owners_ = spreadBits(hands_[0]) + 2 * spreadBits(hands_[1]) + 3 * spreadBits(hands_[2]);
    trick_ = deal.trick;
    count_ = deal.trickCount;
    leader_ = deal.leader;
    type_ = deal.type;
    null_ = type_ == GAME_NULL;
    ramsch_ = type_ == GAME_RAMSCH;
    declarer_ = deal.declarer;
    // In Ramsch the player to move plays against the two others.
    const Seat first = ramsch_ ? deal.toMove() : deal.declarer;
    for (Seat s = SEAT_0; s < 3; ++s)
        side_[static_cast<std::size_t>(s)] = s == first ? 0 : 1;
    winner_ = trickWinnerTable(type_);
    leaderOfTwo_ = trickLeaderTable(type_);
    points_ = trickPointsTable();
    trumps_ = trumpMask(type_);
    for (CardBit led = 0; led < 32; ++led)
        follow_[static_cast<std::size_t>(led)] = EINBLATT::legalCards(ALL_CARDS, led, type_);
    if (deal.completedTricks >= 3)
        depthLimit_ = MAX_DEPTH;
    else
        depthLimit_ = null_ ? 10 : ramsch_ ? 7 : suitDepthLimit;
    remaining_ = remainingValue();
    sureTrumps_ = !null_ && !ramsch_ && trumps_ != 0;
    trumpBase_ = isSuitGame(type_) ? (4 - trumpSuit(type_)) * 8 : -1;
}

namespace {

// The trumps of a set by rank, one bit each, the highest rank on top: the
// jacks (clubs, spades, hearts, diamonds) above the trump suit's ace, ten,
// king, queen, nine, eight and seven (bits 6 to 0; none in grand).
unsigned trumpRanks(CardSet set, int suitBase)
{
    const unsigned jacks =
        ((set >> 27) & 1u) << 3 | ((set >> 19) & 1u) << 2 | ((set >> 11) & 1u) << 1 | ((set >> 3) & 1u);
    unsigned suit = 0;
    if (suitBase >= 0) {
        const unsigned cards = (set >> suitBase) & 0xFFu;
        suit = (cards >> 4) << 3 | (cards & 7u);
    }
    return jacks << 7 | suit;
}

// Card points of trumps by rank (trumpRanks).
int pointsOfTrumpRanks(unsigned ranks)
{
    return 2 * std::popcount(ranks >> 7) + 11 * ((ranks >> 6) & 1u) + 10 * ((ranks >> 5) & 1u) + 4 * ((ranks >> 4) & 1u)
           + 3 * ((ranks >> 3) & 1u);
}

} // namespace

bool OpenSearch::start(const OpenDeal& deal)
{
    nodes_ = 0;
    hits_ = 0;
    depthLimitHit_ = false;
    aborted_ = false;
    exhaustedSeat_ = SEAT_NONE;
    table_->clear();
    elapsedMs_ = 0;
    if (!isValidGameType(deal.type) || !isValidSeat(deal.leader) || deal.trickCount < 0 || deal.trickCount > 2
        || (deal.type != GAME_RAMSCH && !isValidSeat(deal.declarer)))
        return false;
    configure(deal);
    return true;
}

bool OpenSearch::reaches(const OpenDeal& deal, int target)
{
    const auto started = std::chrono::steady_clock::now();
    if (!start(deal) || null_ || ramsch_)
        return false;
    const Seat mover = deal.toMove();
    int own = 0;
    int other = 0;
    rootPoints(deal, own, other);
    // The side ends with (2 own + value + score) / 2 points: it reaches the
    // target when the score reaches 2 target - 2 own - value.
    const int beta = 2 * target - 2 * own - remaining_;
    bool reached = false;
    for (CardSet candidates = deal.legalCards(); candidates != 0 && !reached && !aborted_;
         candidates &= candidates - 1) {
        Decisions decisions;
        reached = child(0, mover, std::countr_zero(candidates), beta - 1, beta, own, other, 0, decisions) >= beta;
    }
    table_->clear();
    elapsedMs_ = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
    return reached && !aborted_;
}

void OpenSearch::rootPoints(const OpenDeal& deal, int& own, int& other) const
{
    const Seat mover = deal.toMove();
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
}

std::vector<CardBit> OpenSearch::rootOrder(Seat mover, CardSet candidates, const SLOFFENWERTUNG& guesses) const
{
    std::vector<CardBit> order;
    const Order how = orderOf(mover, candidates, count_ == 0);
    for (CardSet left = candidates; left != 0;) {
        const CardSet card = nextCard(left, how);
        left &= ~card;
        order.push_back(std::countr_zero(card));
    }
    // The best card of a similar deal first: the others are then only
    // tested against its value.
    auto guessed = [&guesses](CardBit bit) {
        const OpenGameRating* r = guesses.record(cardIdOfBit(bit));
        return r ? r->value : -INFINITE;
    };
    std::stable_sort(order.begin(), order.end(), [&](CardBit a, CardBit b) { return guessed(a) > guessed(b); });
    return order;
}

namespace {

// Lattice points at or above (below) v, counted from base.
int latticeUp(int v, int base, int step)
{
    return base + (v - base + step - 1 + 2000 * step) / step * step - 2000 * step;
}
int latticeDown(int v, int base, int step) { return base + (v - base + 2000 * step) / step * step - 2000 * step; }

// The exact value in [lower, upper] (lattice points of the step, lower
// counted as reached) by zero-window questions reaches(beta), which answer
// with a bound: at least beta when reached, else below it. The first
// question asks for the guess; the next ones move away from the answers in
// doubling steps until the value is enclosed, then halve what is left.
template <typename Reaches>
int closeIn(int lower, int upper, int guess, int step, Reaches reaches, const bool& stop)
{
    int beta = std::clamp(latticeUp(guess, lower, step), lower + step, std::max(upper, lower + step));
    int gapUp = 0;
    int gapDown = 0;
    bool fellShort = false;
    bool reachedOnce = false;
    while (lower < upper && !stop) {
        const int result = reaches(beta);
        if (result >= beta) {
            lower = std::min(upper, latticeUp(result, lower, step));
            reachedOnce = true;
        } else {
            upper = std::max(lower, latticeDown(result, lower, step));
            fellShort = true;
        }
        if (lower >= upper)
            break;
        const int n = (upper - lower) / step;
        if (reachedOnce && fellShort) {
            beta = lower + step * ((n + 1) / 2);
        } else if (reachedOnce) {
            beta = std::min(upper, lower + step + gapUp);
            gapUp = 2 * gapUp + step;
        } else {
            beta = std::max(lower + step, upper - gapDown);
            gapDown = 2 * gapDown + step;
        }
    }
    return lower;
}

} // namespace

void OpenSearch::solve(const OpenDeal& deal, SLOFFENWERTUNG& ratings, const SLOFFENWERTUNG* guesses, Values values)
{
    const SLOFFENWERTUNG previous = guesses ? *guesses : SLOFFENWERTUNG();
    const auto started = std::chrono::steady_clock::now();
    ratings.clear();
    if (!start(deal))
        return;
    const Seat mover = deal.toMove();
    int own = 0;
    int other = 0;
    rootPoints(deal, own, other);

    const int value = remainingValue();
    const int swing = value < 0 ? -value : value;
    const bool limited = depthLimit_ < MAX_DEPTH;
    // Values lie on a lattice: the final points of both sides add up to a
    // fixed sum, so a suit, grand or Ramsch value has the parity of what is
    // left, and a null value moves in steps of 20 (10 when the depth limit
    // may stop a line).
    const int step = null_ ? (limited ? 10 : 20) : limited ? 1 : 2;
    auto up = [step, swing](int v) { return std::clamp(latticeUp(v, -swing, step), -swing, swing); };
    auto down = [step, swing](int v) { return std::clamp(latticeDown(v, -swing, step), -swing, swing); };

    // One zero-window search below a root card: whether it reaches beta.
    auto test = [&](CardBit bit, int beta, Decisions& decisions, bool& stopped) {
        if (heuristics.trumpExhaustion && isSuitGame(type_) && count_ == 0 && (bitMask(bit) & trumps_) != 0
            && ((hands_[(mover + 1) % 3] | hands_[(mover + 2) % 3]) & trumps_) == 0) {
            exhaustedSeat_ = mover;
            exhaustedDepth_ = 0;
        }
        depthLimitHit_ = false;
        const int result = child(0, mover, bit, beta - 1, beta, own, other, 0, decisions);
        stopped = stopped || depthLimitHit_;
        exhaustedSeat_ = SEAT_NONE;
        return result;
    };
    std::uint64_t nodesBefore = 0;
    // The record of a card of the given value and those of the cards known
    // to give the same.
    auto rate = [&](CardBit bit, int score, const Decisions& decisions, bool stopped, bool bounded, CardSet same) {
        // Final points of both sides in the best line: together they hold
        // what they had and what the rest of the game is worth.
        int ownPoints = (2 * own + value + score) / 2;
        int otherPoints = own + other + value - ownPoints;
        // A null declarer who takes a trick has lost: -100, and the
        // defenders' tricks no longer count.
        if (null_ && mover == declarer_ && ownPoints < 0) {
            ownPoints = -100;
            otherPoints = 0;
        } else if (null_ && mover != declarer_ && otherPoints < 0) {
            otherPoints = -100;
            ownPoints = 0;
        }
        OpenGameRating rating;
        rating.card = cardIdOfBit(bit);
        rating.ownPoints = ownPoints;
        rating.otherPoints = otherPoints;
        rating.ownDecisions = decisions.own;
        rating.otherDecisions = decisions.other;
        rating.value = score;
        rating.exact = !stopped;
        rating.upperBound = bounded;
        rating.nodes = nodes_ - nodesBefore;
        nodesBefore = nodes_;
        ratings.add(rating);
        for (; same != 0; same &= same - 1) {
            OpenGameRating copy = rating;
            copy.card = cardIdOfBit(std::countr_zero(same));
            copy.nodes = 0;
            ratings.add(copy);
        }
    };

    if (values == Values::BEST_CARDS) {
        solveBest(deal, previous, step, up, down, test, rate);
    } else {
        int guess = 0;
        CardSet candidates = deal.legalCards();
        while (candidates != 0) {
            const CardSet card = lowestOf(candidates);
            candidates &= ~card;
            const CardBit bit = std::countr_zero(card);
            // Zero-window searches close in on the card's exact value from a
            // guess (its value in a similar deal searched before, else the
            // value of the card before), in doubling steps or step by step;
            // each reuses the bounds the ones before left in the table.
            Decisions decisions;
            bool stopped = false;
            if (const OpenGameRating* known = previous.record(cardIdOfBit(bit)))
                guess = known->value;
            auto reaches = [&](int beta) { return test(bit, beta, decisions, stopped); };
            int lower = -swing;
            int upper = swing;
            int score = tuning.doublingSteps ? closeIn(lower, upper, guess, step, reaches, aborted_) : up(guess);
            while (!tuning.doublingSteps && lower < upper && !aborted_) {
                const int beta = score == lower ? score + step : score;
                const int result = reaches(beta);
                if (result >= beta)
                    score = lower = latticeUp(result, lower, step);
                else
                    score = upper = latticeDown(result, lower, step);
            }
            if (aborted_)
                break;
            guess = score;
            const CardSet same = candidates != 0 ? equivalents(bit, candidates, mover) : 0;
            candidates &= ~same;
            rate(bit, score, decisions, stopped, false, same);
        }
    }
    depthLimitHit_ = false;
    table_->clear();
    elapsedMs_ = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
}

template <typename Up, typename Down, typename Test, typename Rate>
void OpenSearch::solveBest(const OpenDeal& deal, const SLOFFENWERTUNG& previous, int step, Up up, Down down, Test test,
                           Rate rate)
{
    // Zero-window questions about the whole position ("does some card reach
    // beta?") close in on its value, the best card's; each card keeps the
    // bounds the answers gave it. Then each card not yet known to reach that
    // value is asked whether it does: if so its value is the best, else the
    // bound stands for it.
    struct RootCard {
        CardBit bit;
        CardSet same; // cards known to give the same value
        int lower;
        int upper;
        Decisions decisions;
        bool stopped;
    };
    const Seat mover = deal.toMove();
    const int swing = std::abs(remaining_);
    std::vector<RootCard> cards;
    CardSet left = deal.legalCards();
    int guess = -INFINITE;
    for (CardBit bit : rootOrder(mover, left, previous)) {
        if ((bitMask(bit) & left) == 0)
            continue;
        left &= ~bitMask(bit);
        const CardSet same = left != 0 ? equivalents(bit, left, mover) : 0;
        left &= ~same;
        cards.push_back(RootCard{bit, same, -swing, swing, {}, false});
        if (const OpenGameRating* known = previous.record(cardIdOfBit(bit)))
            guess = std::max(guess, known->value);
    }
    if (cards.empty())
        return;
    // Whether some card reaches beta; each card keeps the bounds its
    // answers gave it, and a card that reaches is asked first from then on.
    auto reaches = [&](int beta) {
        int most = -INFINITE;
        for (std::size_t i = 0; i < cards.size() && !aborted_; ++i) {
            RootCard& card = cards[i];
            if (card.upper >= beta && card.lower < beta) {
                const int result = test(card.bit, beta, card.decisions, card.stopped);
                if (result >= beta)
                    card.lower = up(result);
                else
                    card.upper = down(result);
            }
            if (card.lower >= beta) {
                const int reached = card.lower;
                std::rotate(cards.begin(), cards.begin() + static_cast<std::ptrdiff_t>(i),
                            cards.begin() + static_cast<std::ptrdiff_t>(i) + 1);
                return reached;
            }
            most = std::max(most, card.upper);
        }
        return most;
    };
    const int best = closeIn(-swing, swing, guess == -INFINITE ? 0 : guess, step, reaches, aborted_);
    // A card within the margin of the best gets its exact value too.
    const int floor = std::max(-swing, latticeUp(best - bestMargin, -swing, step));
    for (RootCard& card : cards) {
        if (aborted_)
            return;
        if (card.lower >= best)
            card.upper = card.lower = best;
        if (card.lower >= card.upper || card.upper < floor)
            continue;
        if (card.lower < floor) {
            const int result = test(card.bit, floor, card.decisions, card.stopped);
            if (result < floor) {
                card.upper = down(result);
                continue;
            }
            card.lower = std::max(floor, up(result));
        }
        card.upper = std::min(card.upper, best);
        card.lower = closeIn(
            card.lower, card.upper, card.upper, step,
            [&](int beta) { return test(card.bit, beta, card.decisions, card.stopped); }, aborted_);
        card.upper = card.lower;
    }
    if (aborted_)
        return;
    std::sort(cards.begin(), cards.end(), [](const RootCard& a, const RootCard& b) { return a.bit < b.bit; });
    for (const RootCard& card : cards) {
        const bool bounded = card.lower < card.upper;
        rate(card.bit, card.upper, card.decisions, card.stopped, bounded, card.same);
    }
}

int OpenSearch::surePoints(int& side) const
{
    // Side 0 is the declarer's.
    CardSet declarer = hands_[static_cast<std::size_t>(declarer_)];
    CardSet others = hands_[0] | hands_[1] | hands_[2];
    for (int i = 0; i < count_; ++i) {
        const CardSet card = bitMask(trickCardBit(trick_, i));
        others |= card;
        if (seatAhead(leader_, i) == declarer_)
            declarer |= card;
    }
    others &= ~declarer;
    const unsigned own = trumpRanks(declarer & trumps_, trumpBase_);
    const unsigned theirs = trumpRanks(others & trumps_, trumpBase_);
    // The trumps of the side with the highest one, above the other side's
    // highest.
    const unsigned top = std::bit_floor(own | theirs);
    side = (top & own) != 0 ? 0 : 1;
    const unsigned holder = side == 0 ? own : theirs;
    const unsigned rival = std::bit_floor(side == 0 ? theirs : own);
    return pointsOfTrumpRanks(rival == 0 ? holder : holder & ~((rival << 1) - 1));
}

namespace {

// The k lowest cards of a set, all of them when it holds fewer.
CardSet lowestCards(CardSet set, int k)
{
    CardSet low = 0;
    for (; set != 0 && k > 0; --k) {
        low |= lowestOf(set);
        set &= set - 1;
    }
    return low;
}

} // namespace

int OpenSearch::cashPoints() const
{
    // The leader wins every trick in which it leads a card of a plain suit
    // above all of that suit the others hold, as long as each seat of the
    // other side that holds a trump still has to follow; it keeps the lead
    // and leads the next (a partner who could beat the card might take the
    // lead away, so the partner's cards count among the others'). Each seat
    // that follows gives at least its cheapest cards of the suit (in a
    // plain suit the lower card is never worth more). The trumps above all
    // of the other side's count elsewhere (surePoints).
    const CardSet hand = hands_[static_cast<std::size_t>(leader_)];
    const Seat next = seatAhead(leader_, 1);
    const Seat after = seatAhead(leader_, 2);
    const bool declarerLeads = leader_ == declarer_;
    const CardSet first =
        declarerLeads ? hands_[static_cast<std::size_t>(next)] : hands_[static_cast<std::size_t>(declarer_)];
    const CardSet second = declarerLeads ? hands_[static_cast<std::size_t>(after)] : 0;
    const CardSet partner = declarerLeads ? 0 : hands_[static_cast<std::size_t>(next == declarer_ ? after : next)];
    bool firstTrumps = (first & trumps_) != 0;
    bool secondTrumps = (second & trumps_) != 0;
    int points = 0;
    if (firstTrumps || secondTrumps) {
        // With as many trumps above all of the others' as the other side's
        // longer trump holding, the leader draws their trumps first (they
        // fall into its tricks) and nobody can trump its plain cards after.
        const unsigned own = trumpRanks(hand & trumps_, trumpBase_);
        const unsigned rest = trumpRanks((first | second | partner) & trumps_, trumpBase_);
        const int top = std::popcount(rest == 0 ? own : own & ~((std::bit_floor(rest) << 1) - 1));
        if (top >= std::max(std::popcount(first & trumps_), std::popcount(second & trumps_))) {
            points += pointsOfSet((first | second) & trumps_);
            firstTrumps = false;
            secondTrumps = false;
        }
    }
    for (Suit suit = SUIT_CLUBS; suit <= SUIT_DIAMONDS; ++suit) {
        const CardSet mask = suitMaskWithoutJack(suit);
        if ((mask & trumps_) != 0)
            continue;
        const CardSet mine = hand & mask;
        if (mine == 0)
            continue;
        const CardSet theirFirst = first & mask;
        const CardSet theirSecond = second & mask;
        const CardSet theirs = theirFirst | theirSecond | (partner & mask);
        CardSet winners = theirs == 0 ? mine : mine & ~((std::bit_floor(theirs) << 1) - 1);
        int rounds = std::popcount(winners);
        if (firstTrumps)
            rounds = std::min(rounds, std::popcount(theirFirst));
        if (secondTrumps)
            rounds = std::min(rounds, std::popcount(theirSecond));
        if (rounds == 0)
            continue;
        while (std::popcount(winners) > rounds)
            winners &= winners - 1;
        points += pointsOfSet(winners | lowestCards(theirFirst, rounds) | lowestCards(theirSecond, rounds)
                              | lowestCards(partner & mask, rounds));
    }
    return points;
}

void OpenSearch::play(CardBit bit, Undo& undo)
{
    const Seat mover = seatAhead(leader_, count_);
    hands_[static_cast<std::size_t>(mover)] &= ~bitMask(bit);
    owners_ &= ~(std::uint64_t{3} << (2 * bit));
    undo = {trick_, static_cast<std::int8_t>(count_), static_cast<std::int8_t>(leader_), 0};
    trick_ = static_cast<TrickCode>(trick_ | (bit << (5 * count_)));
    if (++count_ == 3) {
        const int points = points_[trick_];
        undo.value = null_ ? -10 : ramsch_ ? -points : points;
        remaining_ -= undo.value;
        leader_ = seatAhead(leader_, winner_[trick_]);
        trick_ = 0;
        count_ = 0;
    }
}

void OpenSearch::unplay(CardBit bit, Seat mover, const Undo& undo)
{
    hands_[static_cast<std::size_t>(mover)] |= bitMask(bit);
    owners_ |= static_cast<std::uint64_t>(mover + 1) << (2 * bit);
    if (undo.count == 2)
        remaining_ += undo.value;
    trick_ = undo.trick;
    count_ = undo.count;
    leader_ = static_cast<Seat>(undo.leader);
}

int OpenSearch::child(int depth, Seat mover, CardBit bit, int alpha, int beta, int own, int other, int score,
                      Decisions& decisions)
{
    Undo undo;
    play(bit, undo);
    const Seat next = seatAhead(leader_, count_);
    int result = 0;
    if (side_[static_cast<std::size_t>(next)] == side_[static_cast<std::size_t>(mover)]) {
        result = search(depth + 1, alpha, beta, own + undo.value, other, score + undo.value, decisions);
    } else {
        Decisions theirs;
        result = -search(depth + 1, -beta, -alpha, other + undo.value, own, undo.value - score, theirs);
        decisions = {theirs.other, theirs.own};
    }
    unplay(bit, mover, undo);
    return result;
}

int OpenSearch::lastTrick(Seat mover, int score) const
{
    TrickCode code = trick_;
    Seat seat = mover;
    for (int place = count_; place < 3; ++place, seat = seatAhead(seat, 1)) {
        const CardSet hand = hands_[static_cast<std::size_t>(seat)];
        if (hand == 0)
            return score; // the game is over
        code = static_cast<TrickCode>(code | (std::countr_zero(hand) << (5 * place)));
    }
    const int points = points_[code];
    const int value = null_ ? -10 : ramsch_ ? -points : points;
    const Seat taker = seatAhead(leader_, winner_[code]);
    return side_[static_cast<std::size_t>(taker)] == side_[static_cast<std::size_t>(mover)] ? score + value
                                                                                            : score - value;
}

namespace {

// Cards by their points, most first; jacks, being trumps, are given last
// among the cheap cards.
constexpr CardSet BY_POINTS_HIGH[] = {ACES, TENS, KINGS, QUEENS, JACKS, NINES | EIGHTS | SEVENS};
constexpr CardSet BY_POINTS_LOW[] = {NINES | EIGHTS | SEVENS, QUEENS, KINGS, JACKS, TENS, ACES};

CardSet byPoints(CardSet set, const CardSet (&order)[6])
{
    for (CardSet group : order)
        if ((set & group) != 0)
            return lowestOf(set & group);
    return lowestOf(set);
}

} // namespace

// Which cards are tried first: a leader its trumps and rich cards; when the
// mover plays last, the cards that take the trick (richest first) while the
// others win it, else the richest cards onto the own side's trick; cheap
// cards otherwise. Ramsch turns points around and leads from the lowest
// card up, as null does everywhere.
OpenSearch::Order OpenSearch::orderOf(Seat mover, CardSet candidates, bool start) const
{
    Order order;
    if (null_ || (candidates & (candidates - 1)) == 0)
        return order;
    if (start) {
        // Leads: trumps, richest first, then the richest other cards.
        if (!ramsch_) {
            order.plain = false;
            order.first = trumps_;
            order.restHigh = true;
            if (tuning.winnersFirst) {
                const CardSet next = hands_[static_cast<std::size_t>(seatAhead(mover, 1))];
                const CardSet after = hands_[static_cast<std::size_t>(seatAhead(mover, 2))];
                CardSet winners = 0;
                for (CardSet c = candidates; c != 0; c &= c - 1) {
                    const CardBit led = std::countr_zero(c);
                    if (!beatable(led, next) && !beatable(led, after))
                        winners |= bitMask(led);
                }
                if (winners != 0)
                    order.first = winners;
            }
        }
        return order;
    }
    const bool wantPoints = !ramsch_;
    if (count_ == 1) {
        order.first = 0;
        order.firstHigh = false;
        order.restHigh = !wantPoints;
        order.plain = false;
        if (tuning.winnersFirst && wantPoints) {
            // Cards that take the trick whatever the last seat plays,
            // richest first.
            const CardBit led = trickCardBit(trick_, 0);
            const CardSet last = hands_[static_cast<std::size_t>(seatAhead(mover, 1))];
            const CardSet lastFollow = last & follow_[static_cast<std::size_t>(led)];
            for (CardSet c = candidates; c != 0; c &= c - 1) {
                const CardBit bit = std::countr_zero(c);
                if (leaderOfTwo_[static_cast<std::size_t>(bit * 32 + led)] != 1)
                    continue;
                bool sure = true;
                for (CardSet x = lastFollow != 0 ? lastFollow : last; x != 0 && sure; x &= x - 1) {
                    const auto code = static_cast<TrickCode>(led | (bit << 5) | (std::countr_zero(x) << 10));
                    sure = winner_[code] != 2;
                }
                if (sure)
                    order.first |= bitMask(bit);
            }
            order.firstHigh = true;
        }
        return order;
    }
    const CardBit led = trickCardBit(trick_, 0);
    const CardBit second = trickCardBit(trick_, 1);
    const Seat ahead = seatAhead(leader_, leaderOfTwo_[static_cast<std::size_t>(second * 32 + led)]);
    const bool oursSoFar = side_[static_cast<std::size_t>(ahead)] == side_[static_cast<std::size_t>(mover)];
    order.plain = false;
    if (oursSoFar) {
        order.restHigh = wantPoints;
        return order;
    }
    for (CardSet c = candidates; c != 0; c &= c - 1) {
        const CardBit bit = std::countr_zero(c);
        if (winner_[trick_ | (bit << 10)] == 2)
            order.first |= bitMask(bit);
    }
    order.firstHigh = wantPoints;
    order.restHigh = !wantPoints;
    return order;
}

bool OpenSearch::beatable(CardBit led, CardSet hand) const
{
    const CardSet follow = hand & follow_[static_cast<std::size_t>(led)];
    for (CardSet c = follow != 0 ? follow : hand; c != 0; c &= c - 1)
        if (leaderOfTwo_[static_cast<std::size_t>(std::countr_zero(c) * 32 + led)] == 1)
            return true;
    return false;
}

CardSet OpenSearch::nextCard(CardSet candidates, const Order& order) const
{
    if (order.plain)
        return lowestOf(candidates);
    if ((candidates & order.first) != 0)
        return byPoints(candidates & order.first, order.firstHigh ? BY_POINTS_HIGH : BY_POINTS_LOW);
    return byPoints(candidates, order.restHigh ? BY_POINTS_HIGH : BY_POINTS_LOW);
}

int OpenSearch::remainingValue() const
{
    const CardSet cards = hands_[0] | hands_[1] | hands_[2];
    if (null_)
        return -10 * ((std::popcount(cards) + count_) / 3);
    CardSet onTable = 0;
    for (int i = 0; i < count_; ++i)
        onTable |= bitMask(trickCardBit(trick_, i));
    const int points = pointsOfSet(cards | onTable);
    return ramsch_ ? -points : points;
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
    if (tuning.relativeRanks) {
        same = runOf(searched, candidates, out);
        if (rank == RANK_SEVEN && !null_ && heuristics.sevenForNine && (card(RANK_EIGHT) & out) != 0) {
            const CardSet next = hands_[(mover + 1) % 3];
            const CardSet after = hands_[(mover + 2) % 3];
            const CardSet suitCards = suitMaskWithoutJack(suit);
            if (((card(RANK_EIGHT) & next) != 0 && (after & suitCards) != 0)
                || ((card(RANK_EIGHT) & after) != 0 && (next & suitCards) != 0))
                same |= card(RANK_NINE);
        }
    } else if (rank == RANK_SEVEN) {
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

CardSet OpenSearch::runOf(CardBit searched, CardSet candidates, CardSet out) const
{
    // The searched card's group from its lowest card to its highest: in
    // null its suit; else the seven, eight and nine of its suit, or the
    // jacks (trumps above all others, whatever their suit).
    const int offset = searched % 8;
    const int base = searched - offset;
    std::array<int, 8> order{};
    int count = 0;
    if (null_) {
        for (int place : {0, 1, 2, 6, 3, 4, 5, 7})
            order[static_cast<std::size_t>(count++)] = base + place;
    } else if (offset == 3) {
        for (int jack : {3, 11, 19, 27})
            order[static_cast<std::size_t>(count++)] = jack;
    } else if (offset < 3) {
        for (int place : {0, 1, 2})
            order[static_cast<std::size_t>(count++)] = base + place;
    } else {
        return 0;
    }
    int at = 0;
    while (order[static_cast<std::size_t>(at)] != searched)
        ++at;
    // From the searched card outwards up to the first card the others hold
    // or that lies in the trick: the played cards and the mover's own
    // between separate nothing.
    CardSet same = 0;
    for (int i = at + 1; i < count; ++i) {
        const CardSet c = bitMask(order[static_cast<std::size_t>(i)]);
        if ((c & out) != 0)
            break;
        same |= c & candidates;
    }
    for (int i = at - 1; i >= 0; --i) {
        const CardSet c = bitMask(order[static_cast<std::size_t>(i)]);
        if ((c & out) != 0)
            break;
        same |= c & candidates;
    }
    return same;
}

int OpenSearch::search(int depth, int alpha, int beta, int own, int other, int score, Decisions& decisions)
{
    if (aborted_)
        return score;
    if (++nodes_ > nodeLimit && nodeLimit != 0) {
        // Out of nodes: whatever comes back from here on is thrown away.
        aborted_ = true;
        return score;
    }
    decisions = {};
    const Seat mover = seatAhead(leader_, count_);
    const CardSet hand = hands_[static_cast<std::size_t>(mover)];
    if ((hand & (hand - 1)) == 0)
        return lastTrick(mover, score);

    // Whatever happens, the score moves by at most what is left: all of it
    // to one side or all to the other.
    const int value = remaining_;
    const int swing = value < 0 ? -value : value;
    if (score + swing <= alpha)
        return score + swing;
    if (score - swing >= beta)
        return score - swing;
    if (tuning.surePoints && sureTrumps_ && depthLimit_ == MAX_DEPTH) {
        // What one side surely takes the other cannot: the score moves by
        // at most what is left less twice that.
        int side = 0;
        const int sure = surePoints(side);
        const bool moverHolds = side == side_[static_cast<std::size_t>(seatAhead(leader_, count_))];
        // A leader also takes the tricks of the cards it can lead one after
        // the other that nobody of the other side beats or trumps.
        const int cashed = tuning.cashing && count_ == 0 ? cashPoints() : 0;
        const int moverSure = (moverHolds ? sure : 0) + cashed;
        const int otherSure = moverHolds ? 0 : sure;
        if (score - swing + 2 * moverSure >= beta)
            return score - swing + 2 * moverSure;
        if (score + swing - 2 * otherSure <= alpha)
            return score + swing - 2 * otherSure;
    }

    const bool start = count_ == 0;
    std::uint64_t key = 0;
    std::uint32_t hash = 0;
    CardSet candidates = hand;
    CardSet first = 0;
    const int alphaAtEntry = alpha;
    if (start) {
        if (depth >= depthLimit_) {
            depthLimitHit_ = true;
            return score;
        }
        key = positionKey(owners_);
        hash = positionHash(key, hands_[0] | hands_[1] | hands_[2], leader_);
        if (const Table::Entry* e = table_->find(key, hash, leader_)) {
            // Exact, or a bound outside the window, answers.
            const int lower = score + e->lower;
            const int upper = score + e->upper;
            if (e->lower == e->upper || lower >= beta || upper <= alpha) {
                ++hits_;
                ++hitsPerDepth_[static_cast<std::size_t>(depth)];
                return e->lower == e->upper || lower >= beta ? lower : upper;
            }
            first = bitMask(e->card) & hand;
        }
    } else {
        const CardSet follow = hand & follow_[static_cast<std::size_t>(trickCardBit(trick_, 0))];
        if (follow != 0)
            candidates = follow;
        if (count_ == 2) {
            // Each card completes the trick: fetch the table entries of the
            // positions they lead to while the first ones are searched.
            const CardSet unplayed = hands_[0] | hands_[1] | hands_[2];
            std::array<std::uint64_t, 10> keys{};
            std::array<std::uint32_t, 10> hashes{};
            int n = 0;
            for (CardSet c = candidates; c != 0 && n < 10; c &= c - 1, ++n) {
                const CardBit bit = std::countr_zero(c);
                const Seat taker = seatAhead(leader_, winner_[trick_ | (bit << 10)]);
                keys[n] = positionKey(owners_ & ~(std::uint64_t{3} << (2 * bit)));
                hashes[n] = positionHash(keys[n], unplayed & ~bitMask(bit), taker);
                table_->prefetch(hashes[n]);
            }
            if (tuning.lookAhead && depth + 1 < depthLimit_) {
                // A position after the trick whose stored bound already
                // beats the window answers for this node.
                n = 0;
                for (CardSet c = candidates; c != 0 && n < 10; c &= c - 1, ++n) {
                    const CardBit bit = std::countr_zero(c);
                    const auto code = static_cast<TrickCode>(trick_ | (bit << 10));
                    const Seat taker = seatAhead(leader_, winner_[code]);
                    const Table::Entry* e = table_->find(keys[n], hashes[n], taker);
                    if (e == nullptr)
                        continue;
                    const int points = points_[code];
                    const int trickValue = null_ ? -10 : ramsch_ ? -points : points;
                    const bool ours = side_[static_cast<std::size_t>(taker)] == side_[static_cast<std::size_t>(mover)];
                    const int atLeast = ours ? score + trickValue + e->lower : score - trickValue - e->upper;
                    if (atLeast >= beta) {
                        ++hits_;
                        ++hitsPerDepth_[static_cast<std::size_t>(depth)];
                        return atLeast;
                    }
                }
            }
        }
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

    const Order order = orderOf(mover, candidates, start);
    Level& level = levels_[static_cast<std::size_t>(depth)];
    const bool declarerMoves = mover == declarer_;
    const bool pointsGame = !null_ && !ramsch_;
    int best = -INFINITE;
    CardBit bestBit = 0;
    bool canWin = false;
    bool canLose = false;
    bool cut = false;
    while (candidates != 0) {
        CardSet card = first & candidates;
        if (card == 0)
            card = (level.hint & candidates) != 0 ? level.hint : nextCard(candidates, order);
        candidates &= ~card;
        const CardBit bit = std::countr_zero(card);
        if (heuristics.trumpExhaustion && isSuitGame(type_) && start && (card & trumps_) != 0
            && ((hands_[(mover + 1) % 3] | hands_[(mover + 2) % 3]) & trumps_) == 0) {
            exhaustedSeat_ = mover;
            exhaustedDepth_ = depth;
            setExhaustion = true;
        }
        Decisions below;
        const int result = child(depth, mover, bit, alpha, beta, own, other, score, below);
        decisions = below; // the counts of the last line searched
        if (result > best) {
            best = result;
            bestBit = bit;
        }
        if (pointsGame) {
            // Final points of both sides in this line.
            const int ownFinal = (2 * own + value + result - score) / 2;
            const int otherFinal = own + other + value - ownFinal;
            canWin = canWin || ownFinal > (declarerMoves ? 60 : 59);
            canLose = canLose || otherFinal > (declarerMoves ? 59 : 60);
        }
        if (result > alpha)
            alpha = result;
        if (alpha >= beta || best >= score + swing) {
            // The window is beaten, or nothing can beat this line.
            level.hint = card;
            cut = alpha >= beta;
            break;
        }
        if (candidates != 0)
            candidates &= ~equivalents(bit, candidates, mover);
    }
    if (setExhaustion)
        exhaustedSeat_ = SEAT_NONE;
    if (canWin && canLose)
        ++decisions.own;
    if (start) {
        const int gain = best - score;
        const int lower = best <= alphaAtEntry && !cut ? -Table::NO_BOUND : gain;
        const int upper = cut ? Table::NO_BOUND : gain;
        table_->store(key, hash, leader_, lower, upper, bestBit, tuning.boundPairs);
    }
    return best;
}
