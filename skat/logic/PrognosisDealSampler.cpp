#include "skat/logic/PrognosisDealSampler.h"

#include "skat/logic/Verteilungsprognose.h"
#include "vordix/Random.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int TRIES = 20;
// Every allowed place keeps a little chance, so a place the prognosis
// rules out by estimate alone can still take a card the others cannot.
constexpr double FLOOR = 1e-3;
constexpr int SKAT_PLACE = 3;

double unit(VORDIX_RANDOM& random)
{
    constexpr int range = VORDIX_RANDOM::MAX_RANGE;
    return (random.next(range) * static_cast<double>(range) + random.next(range))
           / (static_cast<double>(range) * range);
}

} // namespace

bool PrognosisDealSampler::draw(const OpenGameView& view, VORDIX_RANDOM& random, std::array<CardSet, 3>& hands,
                                CardSet& skat)
{
    if (refresh_) {
        refresh_();
        refresh_ = nullptr;
    }
    // The uniform draw settles what is known and how many cards each place
    // takes; its deal gives the places' sizes.
    std::array<CardSet, 3> uniformHands{};
    CardSet uniformSkat = 0;
    if (!uniform_.draw(view, random, uniformHands, uniformSkat))
        return false;
    const Seat self = view.self;
    std::array<CardSet, 3> fixed{};
    fixed[static_cast<std::size_t>(self)] = view.hands[static_cast<std::size_t>(self)];
    if (view.declarerHandShown && isValidSeat(view.declarer))
        fixed[static_cast<std::size_t>(view.declarer)] = view.hands[static_cast<std::size_t>(view.declarer)];
    const CardSet fixedSkat = view.skatKnown ? view.skat : 0u;
    CardSet open = (uniformHands[0] | uniformHands[1] | uniformHands[2] | uniformSkat)
                   & ~(fixed[0] | fixed[1] | fixed[2] | fixedSkat);
    std::array<int, 4> room{};
    for (int s = 0; s < 3; ++s)
        room[static_cast<std::size_t>(s)] = cardCount(uniformHands[static_cast<std::size_t>(s)] & open);
    room[SKAT_PLACE] = cardCount(uniformSkat & open);

    std::vector<CardId> cards;
    for (CardSet rest = open; rest;)
        cards.push_back(cardIdOfBit(popLowest(rest)));
    const ProbMatrix& p = prognosis_.probabilities();
    // Whether the card may still go to the place.
    auto fits = [&](CardId c, int place, const std::array<int, 4>& left) {
        if (left[static_cast<std::size_t>(place)] <= 0)
            return false;
        return place == SKAT_PLACE
               || (fixed[static_cast<std::size_t>(place)] == 0
                   && (view.cannotHold[static_cast<std::size_t>(place)] & cardMaskOfId(c)) == 0);
    };
    for (int attempt = 0; attempt < TRIES; ++attempt) {
        // Cards with fewer allowed places first, ties in random order.
        for (std::size_t i = cards.size(); i > 1; --i)
            std::swap(cards[i - 1], cards[static_cast<std::size_t>(random.next(static_cast<std::int32_t>(i)))]);
        std::stable_sort(cards.begin(), cards.end(), [&](CardId a, CardId b) {
            int na = 0, nb = 0;
            for (int q = 0; q < PLACES; ++q) {
                na += fits(a, q, room);
                nb += fits(b, q, room);
            }
            return na < nb;
        });
        std::array<int, 4> left = room;
        std::array<CardSet, 4> drawn{};
        // The cards each place can still expect by the prognosis: a place
        // that filled faster than expected gets less weight from now on.
        std::array<double, 4> expected{};
        auto chance = [&](CardId c, int q) { return std::max(p[cardRow(c)][q], FLOOR); };
        for (CardId c : cards)
            for (int q = 0; q < PLACES; ++q)
                if (fits(c, q, left))
                    expected[static_cast<std::size_t>(q)] += chance(c, q);
        bool stuck = false;
        for (CardId c : cards) {
            double weights[PLACES] = {};
            double total = 0;
            for (int q = 0; q < PLACES; ++q) {
                const auto k = static_cast<std::size_t>(q);
                if (fits(c, q, left)) {
                    weights[q] = chance(c, q) * left[k] / std::max(expected[k], FLOOR);
                    total += weights[q];
                }
                if (fits(c, q, room))
                    expected[k] -= chance(c, q);
            }
            if (total <= 0) {
                stuck = true;
                break;
            }
            double pick = unit(random) * total;
            int place = 0;
            while (place < PLACES - 1 && (weights[place] == 0 || pick >= weights[place])) {
                pick -= weights[place];
                ++place;
            }
            if (weights[place] == 0) // rounding ran past the last place
                for (place = PLACES - 1; weights[place] == 0; --place) { }
            --left[static_cast<std::size_t>(place)];
            drawn[static_cast<std::size_t>(place)] |= cardMaskOfId(c);
        }
        if (stuck)
            continue;
        for (int s = 0; s < 3; ++s)
            hands[static_cast<std::size_t>(s)] =
                fixed[static_cast<std::size_t>(s)] | drawn[static_cast<std::size_t>(s)];
        skat = fixedSkat | drawn[SKAT_PLACE];
        return true;
    }
    hands = uniformHands;
    skat = uniformSkat;
    return true;
}
