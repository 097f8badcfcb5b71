#include "skat/logic/DealSampler.h"

#include "vordix/Random.h"

#include <bit>

DealSampler::~DealSampler() = default;

namespace {

// Places a card may go to, as bits: the next seat, the seat after, the skat.
constexpr int TO_NEXT = 1;
constexpr int TO_AFTER = 2;
constexpr int TO_SKAT = 4;
constexpr int MAX_HAND = 10;

double uniform(VORDIX_RANDOM& random)
{
    constexpr double range = VORDIX_RANDOM::MAX_RANGE;
    return (random.next(VORDIX_RANDOM::MAX_RANGE) * range + random.next(VORDIX_RANDOM::MAX_RANGE)) / (range * range);
}

double factorial(int n)
{
    double f = 1;
    for (int i = 2; i <= n; ++i)
        f *= i;
    return f;
}

// Cards grouped by the places they may go to. The number of deals that give
// exactly the places' sizes is a sum over how many cards of each group go
// where; ways[k][a][b] counts the deals of groups k.. with a cards left for
// the next seat and b for the seat after (the skat takes the rest).
class Dealing {
public:
    Dealing(const std::array<CardSet, 8>& groups, int next, int after, int skat)
        : groups_(groups)
        , next_(next)
        , after_(after)
        , skat_(skat)
    {
        int rest = 0;
        ways_[8][0][0] = 1;
        for (int k = 7; k >= 1; --k) {
            const int n = std::popcount(groups_[k]);
            rest += n;
            for (int a = 0; a <= next_; ++a)
                for (int b = 0; b <= after_; ++b) {
                    const int s = rest - a - b;
                    double sum = 0;
                    if (s >= 0 && s <= skat_)
                        forEachSplit(k, a, b, [&](int, int, double weight) { sum += weight; });
                    ways_[k][a][b] = sum;
                }
        }
    }

    double total() const { return ways_[1][next_][after_]; }

    void draw(VORDIX_RANDOM& random, CardSet& toNext, CardSet& toAfter, CardSet& toSkat) const
    {
        int a = next_;
        int b = after_;
        for (int k = 1; k <= 7; ++k) {
            double pick = uniform(random) * ways_[k][a][b];
            int takeNext = -1;
            int takeAfter = 0;
            int lastNext = 0;
            int lastAfter = 0;
            forEachSplit(k, a, b, [&](int x, int y, double weight) {
                if (takeNext < 0 && pick < weight) {
                    takeNext = x;
                    takeAfter = y;
                } else if (takeNext < 0) {
                    pick -= weight;
                }
                lastNext = x;
                lastAfter = y;
            });
            if (takeNext < 0) { // rounding left the pick past the last split
                takeNext = lastNext;
                takeAfter = lastAfter;
            }
            // Shuffle the group and hand out its cards.
            std::array<CardBit, 32> cards{};
            int n = 0;
            for (CardSet g = groups_[k]; g != 0; g &= g - 1)
                cards[static_cast<std::size_t>(n++)] = std::countr_zero(g);
            for (int i = n - 1; i > 0; --i)
                std::swap(cards[static_cast<std::size_t>(i)], cards[static_cast<std::size_t>(random.next(i + 1))]);
            for (int i = 0; i < n; ++i) {
                const CardSet card = bitMask(cards[static_cast<std::size_t>(i)]);
                if (i < takeNext)
                    toNext |= card;
                else if (i < takeNext + takeAfter)
                    toAfter |= card;
                else
                    toSkat |= card;
            }
            a -= takeNext;
            b -= takeAfter;
        }
    }

private:
    // Calls f(x, y, weight) for every split of group k with x cards to the
    // next seat and y to the seat after that leaves a countable rest.
    template <typename F>
    void forEachSplit(int k, int a, int b, F&& f) const
    {
        const int n = std::popcount(groups_[k]);
        const int maxX = (k & TO_NEXT) ? std::min(n, a) : 0;
        for (int x = 0; x <= maxX; ++x) {
            const int maxY = (k & TO_AFTER) ? std::min(n - x, b) : 0;
            for (int y = 0; y <= maxY; ++y) {
                const int z = n - x - y;
                if (z > 0 && (k & TO_SKAT) == 0)
                    continue;
                const double rest = ways_[k + 1][a - x][b - y];
                if (rest > 0)
                    f(x, y, factorial(n) / (factorial(x) * factorial(y) * factorial(z)) * rest);
            }
        }
    }

    std::array<CardSet, 8> groups_;
    int next_;
    int after_;
    int skat_;
    double ways_[9][MAX_HAND + 1][MAX_HAND + 1]{};
};

} // namespace

bool UniformDealSampler::draw(const OpenGameView& view, VORDIX_RANDOM& random, std::array<CardSet, 3>& hands,
                              CardSet& skat)
{
    const Seat self = view.self;
    if (!isValidSeat(self))
        return false;
    const Seat next = seatAfter(self, 1);
    const Seat after = seatAfter(self, 2);
    std::array<CardSet, 3> dealt{};
    dealt[static_cast<std::size_t>(self)] = view.hands[static_cast<std::size_t>(self)];
    CardSet known = dealt[static_cast<std::size_t>(self)] | view.played | view.trickCards();
    CardSet dealtSkat = 0;
    if (view.skatKnown) {
        dealtSkat = view.skat;
        known |= dealtSkat;
    }
    int nextSize = std::popcount(view.hands[static_cast<std::size_t>(next)]);
    int afterSize = std::popcount(view.hands[static_cast<std::size_t>(after)]);
    if (view.declarerHandShown && view.declarer != self && isValidSeat(view.declarer)) {
        dealt[static_cast<std::size_t>(view.declarer)] = view.hands[static_cast<std::size_t>(view.declarer)];
        known |= dealt[static_cast<std::size_t>(view.declarer)];
        (view.declarer == next ? nextSize : afterSize) = 0;
    }
    const CardSet pool = ~known;
    const int skatSize = std::popcount(pool) - nextSize - afterSize;
    if (skatSize < 0 || skatSize > 2 || nextSize > MAX_HAND || afterSize > MAX_HAND)
        return false;

    for (int pass = 0; pass < 2; ++pass) {
        // The second pass sets the voids aside.
        const CardSet nextCannot = pass == 0 ? view.cannotHold[static_cast<std::size_t>(next)] : 0u;
        const CardSet afterCannot = pass == 0 ? view.cannotHold[static_cast<std::size_t>(after)] : 0u;
        std::array<CardSet, 8> groups{};
        for (CardSet p = pool; p != 0; p &= p - 1) {
            const CardSet card = p & (~p + 1);
            int places = 0;
            if (nextSize > 0 && (card & nextCannot) == 0)
                places |= TO_NEXT;
            if (afterSize > 0 && (card & afterCannot) == 0)
                places |= TO_AFTER;
            if (skatSize > 0)
                places |= TO_SKAT;
            groups[static_cast<std::size_t>(places)] |= card;
        }
        if (groups[0] != 0)
            continue;
        const Dealing dealing(groups, nextSize, afterSize, skatSize);
        if (dealing.total() <= 0)
            continue;
        dealing.draw(random, dealt[static_cast<std::size_t>(next)], dealt[static_cast<std::size_t>(after)], dealtSkat);
        hands = dealt;
        skat = dealtSkat;
        return true;
    }
    return false;
}
