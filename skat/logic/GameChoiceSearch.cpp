#include "skat/logic/GameChoiceSearch.h"

#include "skat/engine/Einblatt.h"
#include "skat/logic/OpenSearch.h"
#include "vordix/Random.h"

#include <algorithm>
#include <array>
#include <bit>
#include <unordered_map>
#include <vector>

namespace {

// Deals the cards outside the twelve to the two other seats, ten each.
void drawOthers(CardSet twelve, Seat declarer, VORDIX_RANDOM& random, std::array<CardSet, 3>& hands)
{
    std::array<CardBit, 32> unseen{};
    int n = 0;
    for (CardSet rest = ALL_CARDS & ~twelve; rest != 0; rest &= rest - 1)
        unseen[static_cast<std::size_t>(n++)] = std::countr_zero(rest);
    for (int i = n - 1; i > 0; --i)
        std::swap(unseen[static_cast<std::size_t>(i)], unseen[static_cast<std::size_t>(random.next(i + 1))]);
    const Seat next = seatAfter(declarer, 1);
    const Seat after = seatAfter(declarer, 2);
    hands[static_cast<std::size_t>(next)] = 0;
    hands[static_cast<std::size_t>(after)] = 0;
    for (int i = 0; i < n; ++i)
        hands[static_cast<std::size_t>(i < n / 2 ? next : after)] |= bitMask(unseen[static_cast<std::size_t>(i)]);
}

enum class Outcome { UNKNOWN, LOST, WON, WON_SCHNEIDER };

// Null with every hand known: whether the declarer can take no trick
// whatever the defenders play. A yes-or-no question with positions kept at
// every trick start and cards next to each other in a suit's null order
// (nothing between them left in play) tried once: far cheaper than the
// open-game search's card values, which count the defenders' tricks too.
class NullQuestion {
public:
    NullQuestion(const std::array<CardSet, 3>& hands, Seat declarer, std::uint64_t nodeLimit)
        : hands_(hands)
        , declarer_(declarer)
        , nodeLimit_(nodeLimit)
    {
    }
    // UNKNOWN when the node limit ran out.
    Outcome answer(Seat leader)
    {
        const bool safe = safeAt(leader, 0, 0);
        return nodes_ > nodeLimit_ && nodeLimit_ > 0 ? Outcome::UNKNOWN : safe ? Outcome::WON : Outcome::LOST;
    }

private:
    // Rank of a card in null order: 7, 8, 9, 10, jack, queen, king, ace.
    static int nullRank(CardBit bit)
    {
        constexpr int ORDER[9] = {0, 0, 1, 2, 4, 5, 6, 3, 7};
        return ORDER[rankOfBit(bit)];
    }
    // The cards of the set that stand for the others: of cards next to
    // each other in null order among the cards still in play, the lowest.
    CardSet representatives(CardSet cards, CardSet inPlay) const
    {
        CardSet kept = 0;
        for (Suit suit = SUIT_CLUBS; suit <= SUIT_DIAMONDS; ++suit) {
            const CardSet mine = cards & suitMask(suit);
            if (mine == 0)
                continue;
            // The suit's cards in play, in null order.
            std::array<CardBit, 8> order{};
            int n = 0;
            for (CardSet rest = inPlay & suitMask(suit); rest != 0; rest &= rest - 1)
                order[static_cast<std::size_t>(n++)] = std::countr_zero(rest);
            std::sort(order.begin(), order.begin() + n, [](CardBit a, CardBit b) { return nullRank(a) < nullRank(b); });
            bool previousMine = false;
            for (int i = 0; i < n; ++i) {
                const bool isMine = (mine & bitMask(order[static_cast<std::size_t>(i)])) != 0;
                if (isMine && !previousMine)
                    kept |= bitMask(order[static_cast<std::size_t>(i)]);
                previousMine = isMine;
            }
        }
        return kept;
    }
    // trick: the cards on the table in play order (count of them), led by leader.
    bool safeAt(Seat leader, int count, std::uint32_t trick)
    {
        if (nodeLimit_ > 0 && nodes_ > nodeLimit_)
            return false;
        ++nodes_;
        const CardSet remaining = hands_[0] | hands_[1] | hands_[2];
        if (count == 0) {
            if (remaining == 0)
                return true;
            const std::uint64_t key = std::uint64_t{remaining} | std::uint64_t(leader) << 32;
            if (const auto found = seen_.find(key); found != seen_.end())
                return found->second;
            const bool safe = play(leader, 0, 0);
            seen_.emplace(key, safe);
            return safe;
        }
        return play(leader, count, trick);
    }
    bool play(Seat leader, int count, std::uint32_t trick)
    {
        const Seat mover = seatAfter(leader, count);
        const CardSet hand = hands_[static_cast<std::size_t>(mover)];
        const CardBit led = static_cast<CardBit>(trick & 31u);
        const CardSet legal = count == 0 ? hand : EINBLATT::legalCards(hand, led, GAME_NULL);
        CardSet onTable = 0;
        for (int i = 0; i < count; ++i)
            onTable |= bitMask(static_cast<CardBit>((trick >> (5 * i)) & 31u));
        const bool declarerMoves = mover == declarer_;
        for (CardSet rest = representatives(legal, hands_[0] | hands_[1] | hands_[2] | onTable); rest != 0;
             rest &= rest - 1) {
            const CardBit bit = std::countr_zero(rest);
            hands_[static_cast<std::size_t>(mover)] &= ~bitMask(bit);
            bool safe = true;
            const std::uint32_t withCard = trick | std::uint32_t(bit) << (5 * count);
            if (count == 2) {
                // The highest card of the led suit takes the trick.
                int place = 0;
                for (int i = 1; i < 3; ++i) {
                    const CardBit c = static_cast<CardBit>((withCard >> (5 * i)) & 31u);
                    const CardBit best = static_cast<CardBit>((withCard >> (5 * place)) & 31u);
                    if (suitOfBit(c) == suitOfBit(led) && nullRank(c) > nullRank(best))
                        place = i;
                }
                const Seat taker = seatAfter(leader, place);
                safe = taker != declarer_ && safeAt(taker, 0, 0);
            } else {
                safe = safeAt(leader, count + 1, withCard);
            }
            hands_[static_cast<std::size_t>(mover)] |= bitMask(bit);
            // The declarer needs one safe card, the defenders one that is not.
            if (declarerMoves == safe)
                return safe;
        }
        return !declarerMoves;
    }

    std::array<CardSet, 3> hands_;
    Seat declarer_;
    std::uint64_t nodeLimit_;
    std::uint64_t nodes_ = 0;
    std::unordered_map<std::uint64_t, bool> seen_;
};

// Suit games and grand: 61 card points win, 90 make schneider. The side to
// move answers; a defender to move reaching 60 (or 31) denies the declarer.
Outcome suitOutcome(OpenSearch& search, const OpenDeal& deal)
{
    const bool declarerMoves = deal.toMove() == deal.declarer;
    auto declarerReaches = [&](int target, bool& known) {
        const bool reached = search.reaches(deal, declarerMoves ? target : 121 - target);
        known = !search.aborted();
        return declarerMoves ? reached : !reached;
    };
    bool known = false;
    if (!declarerReaches(61, known))
        return known ? Outcome::LOST : Outcome::UNKNOWN;
    if (!known)
        return Outcome::UNKNOWN;
    const bool schneider = declarerReaches(90, known);
    return known && schneider ? Outcome::WON_SCHNEIDER : Outcome::WON;
}

} // namespace

double gameChoiceScore(int value, bool won) { return won ? value + 50.0 : -2.0 * value - 50.0 - 80.0; }

int chooseGameBySearch(CardSet twelve, Seat declarer, Seat forehand, std::span<const GameChoiceCandidate> candidates,
                       VORDIX_RANDOM& random, const GameChoiceSettings& settings, std::span<GameChoiceScore> scores)
{
    for (GameChoiceScore& s : scores)
        s = GameChoiceScore{};
    if (!isValidSeat(declarer) || candidates.empty() || scores.size() < candidates.size() || settings.samples <= 0)
        return -1;
    OpenSearchLease lease;
    OpenSearch& search = lease.search();
    search.tuning = OpenSearch::Tuning::fast(true);
    search.nodeLimit = settings.nodeLimit;
    std::array<CardSet, 3> hands{};
    std::vector<double> sums(candidates.size(), 0.0);
    for (int sample = 0; sample < settings.samples; ++sample) {
        drawOthers(twelve, declarer, random, hands);
        Outcome previous = Outcome::UNKNOWN;
        for (std::size_t c = 0; c < candidates.size(); ++c) {
            const GameChoiceCandidate& candidate = candidates[c];
            OpenDeal deal;
            deal.hands = hands;
            deal.hands[static_cast<std::size_t>(declarer)] = twelve & ~candidate.away;
            deal.leader = isValidSeat(forehand) ? forehand : SEAT_0;
            deal.type = candidate.type;
            deal.declarer = declarer;
            if (candidate.type != GAME_NULL) {
                deal.declarerPoints = pointsOfSet(candidate.away);
                deal.skatPoints = deal.declarerPoints;
            }
            // A null ouvert beside the plain null is the same search.
            const bool same =
                c > 0 && candidates[c - 1].type == candidate.type && candidates[c - 1].away == candidate.away;
            search.resetHints();
            const Outcome outcome = same ? previous
                                    : candidate.type == GAME_NULL
                                        ? NullQuestion(deal.hands, declarer, settings.nodeLimit).answer(deal.leader)
                                        : suitOutcome(search, deal);
            previous = outcome;
            if (outcome == Outcome::UNKNOWN)
                continue;
            GameChoiceScore& s = scores[c];
            ++s.deals;
            const bool won = outcome != Outcome::LOST;
            s.won += won ? 1 : 0;
            sums[c] +=
                gameChoiceScore(outcome == Outcome::WON_SCHNEIDER ? candidate.schneiderValue : candidate.value, won);
        }
    }
    int best = -1;
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        GameChoiceScore& s = scores[c];
        // A game rated on fewer than half the deals is not trusted.
        if (2 * s.deals < settings.samples)
            continue;
        s.score = sums[c] / s.deals;
        if (best < 0 || s.score > scores[static_cast<std::size_t>(best)].score)
            best = static_cast<int>(c);
    }
    return best;
}
