#include "skat/logic/OpenAnalysis.h"

#include "skat/engine/Spielart.h"
#include "skat/engine/Spielkarten.h"
#include "skat/engine/Spielstruct.h"
#include "vordix/Random.h"

#include <algorithm>
#include <bit>
#include <optional>

void analyseOpenGame(const OpenGameView& view, VORDIX_RANDOM& random, OpenAnalysisResult& result, OpenSearch* given,
                     DealSampler* sampler, const OpenAnalysisSettings& settings, OpenAnalysisParts parts)
{
    std::optional<OpenSearchLease> lease;
    if (given == nullptr)
        lease.emplace();
    OpenSearch& search = given ? *given : lease->search();
    UniformDealSampler uniform;
    DealSampler& draw = sampler ? *sampler : uniform;
    result = OpenAnalysisResult();
    // The cards each level tries first would otherwise carry over from
    // earlier analyses and change the decision counts.
    search.resetHints();

    search.tuning = OpenSearch::Tuning::fast(settings.fastSearch);
    search.tuning.surePoints = settings.fastSearch && settings.surePoints;
    search.tuning.doublingSteps = settings.fastSearch && settings.doublingSteps;
    search.tuning.relativeRanks = settings.fastSearch && settings.relativeRanks;
    search.tuning.cashing = settings.fastSearch && settings.cashing;
    auto account = [&result, &search] {
        result.nodes += search.nodes();
        result.hashHits += search.hashHits();
        result.elapsedMs += search.elapsedMs();
    };
    // Each search may use what the ones before left of the budget.
    auto limit = [&result, &settings, &search] {
        const std::uint64_t budget = settings.nodeBudget;
        search.nodeLimit = budget == 0 ? 0 : budget > result.nodes ? budget - result.nodes : 1;
    };
    if (parts != OpenAnalysisParts::DRAWN_DEALS) {
        limit();
        search.solve(view.realDeal(), result.working, nullptr,
                     settings.bestCardsOnly ? OpenSearch::Values::BEST_CARDS : OpenSearch::Values::EVERY_CARD);
        account();
        if (search.aborted()) {
            // Some cards were never rated: these ratings decide nothing.
            result.working.clear();
            result.aborted = true;
        } else {
            result.fullKnowledge = result.working;
        }
        if (parts == OpenAnalysisParts::REAL_DEAL) {
            search.nodeLimit = 0;
            return;
        }
    }

    const int samples = std::clamp(settings.samples, 0, OpenAnalysisResult::SAMPLES);
    for (int i = 0; i < samples; ++i) {
        std::array<CardSet, 3> hands{};
        CardSet skat = 0;
        if (!draw.draw(view, random, hands, skat))
            break;
        const SLOFFENWERTUNG before = result.working;
        limit();
        search.bestMargin = std::max(0, settings.drawnDealsMargin);
        search.solve(view.dealWith(hands, skat), result.working, &before,
                     settings.drawnDealsMargin >= 0 ? OpenSearch::Values::BEST_CARDS : OpenSearch::Values::EVERY_CARD);
        account();
        if (search.aborted()) {
            // The deals searched so far decide.
            result.working = before;
            result.aborted = true;
            break;
        }
        result.samples[static_cast<std::size_t>(result.sampleCount++)] = result.working;
    }
    search.nodeLimit = 0;
    search.bestMargin = 0;
    if (result.sampleCount == 0) {
        // The table choice stands; the reference player's way lets the real
        // deal decide when no deal could be drawn.
        const bool realDeal = !settings.noDealsTableChoice && !result.aborted;
        result.working = realDeal ? result.fullKnowledge : SLOFFENWERTUNG();
        return;
    }
    // Mean value (truncated) and summed decision counts per card over the
    // drawn deals that rated it.
    for (int r = 0; r < result.working.size(); ++r) {
        OpenGameRating& rating = result.working[r];
        int sum = 0;
        int count = 0;
        int own = 0;
        int other = 0;
        for (int i = 0; i < result.sampleCount; ++i) {
            if (const OpenGameRating* s = result.samples[static_cast<std::size_t>(i)].record(rating.card)) {
                sum += s->value;
                own += s->ownDecisions;
                other += s->otherDecisions;
                ++count;
            }
        }
        if (count > 0) {
            rating.value = sum / count;
            rating.ownDecisions = own;
            rating.otherDecisions = other;
        }
    }
}

bool openAnalysisAsked(GameType type, Seat mover, Seat declarer, int handCards, int maxHandCards)
{
    if (type == GAME_NULL)
        return mover != declarer && handCards >= 2;
    return isValidGameType(type) && handCards >= 2 && handCards <= maxHandCards;
}

namespace {

int leadTotal(LeadRatings ratings, CardId card, int missing)
{
    for (const LeadRating& r : ratings)
        if (r.card == card)
            return r.total;
    return missing;
}

} // namespace

bool realDealDecides(const OpenChoiceContext& context)
{
    return context.hostRandom != nullptr && context.hostRandom->next(5) > 2 * context.memory;
}

CardId chooseOpenGameCard(const OpenGameView& view, const OpenAnalysisResult& analysis, LeadRatings leadRatings,
                          const OpenChoiceContext& context)
{
    if (!isValidGameType(view.type))
        return NO_CARD;
    const SLOFFENWERTUNG* set = &analysis.working;
    bool fromFullKnowledge = false;
    if (context.realDealDecides || realDealDecides(context)) {
        set = &analysis.fullKnowledge;
        fromFullKnowledge = true;
    }
    // Candidates: the legal cards the set rates.
    CardSet candidates = 0;
    for (CardSet legal = view.legalCards(); legal != 0; legal &= legal - 1) {
        const CardBit bit = std::countr_zero(legal);
        if (set->record(cardIdOfBit(bit)))
            candidates |= bitMask(bit);
    }
    auto rating = [set](CardBit bit) { return *set->record(cardIdOfBit(bit)); };
    auto keepIf = [&](auto&& keep) {
        CardSet kept = 0;
        for (CardSet c = candidates; c != 0; c &= c - 1)
            if (keep(rating(std::countr_zero(c))))
                kept |= c & (~c + 1);
        return kept;
    };

    const bool suitOrGrand = view.type >= GAME_CLUBS && view.type <= GAME_GRAND_OUVERT;
    if (!fromFullKnowledge && suitOrGrand && candidates != 0) {
        const bool declarerSide = view.selfIsDeclarer();
        const bool schneider = view.winLevel == WIN_LEVEL_SCHNEIDER_ANNOUNCED || view.levelReached == LEVEL_SCHNEIDER;
        const int target = schneider ? 91 : declarerSide ? 61 : 60;
        // Third card of a trick that can bring the side to its target: take it.
        if (view.trickCount == 2) {
            const int side =
                declarerSide ? view.declarerTrickPoints + pointsOfSet(view.skat) : view.defenderTrickPoints;
            const int onTable = pointsOfSet(view.trickCards());
            if (side + onTable >= target - 11 && side < target) {
                const std::uint8_t* winner = trickWinnerTable(view.type);
                CardSet taking = 0;
                for (CardSet c = candidates; c != 0; c &= c - 1) {
                    const CardBit bit = std::countr_zero(c);
                    const auto code = static_cast<TrickCode>(view.trick | (bit << 10));
                    const Seat taker = seatAfter(view.leader, winner[code]);
                    if ((taker == view.declarer) == declarerSide
                        && side + onTable + pointsOfSet(bitMask(bit)) >= target)
                        taking |= bitMask(bit);
                }
                if (taking != 0)
                    candidates = taking;
            }
        }
        int bestOwn = -121;
        int mostOther = 0;
        int mostOwn = 0;
        for (CardSet c = candidates; c != 0; c &= c - 1) {
            const OpenGameRating r = rating(std::countr_zero(c));
            bestOwn = std::max(bestOwn, r.ownPoints);
            mostOther = std::max(mostOther, r.otherDecisions);
            mostOwn = std::max(mostOwn, r.ownDecisions);
        }
        if (bestOwn > target) {
            candidates = keepIf([target](const OpenGameRating& r) { return r.ownPoints > target; });
        } else {
            // A losing line is better where the others still have to decide.
            const int needOther = std::min(1, mostOther);
            candidates =
                keepIf([needOther](const OpenGameRating& r) { return r.value >= 0 || r.otherDecisions >= needOther; });
            const int needOwn = std::min(1, mostOwn);
            candidates =
                keepIf([needOwn](const OpenGameRating& r) { return r.value >= 0 || r.ownDecisions >= needOwn; });
        }
    }
    if (candidates == 0)
        return NO_CARD;

    int bestValue = -1000;
    for (CardSet c = candidates; c != 0; c &= c - 1)
        bestValue = std::max(bestValue, rating(std::countr_zero(c)).value);
    CardId chosen = NO_CARD;
    int bestScore = -300;
    for (CardSet c = candidates; c != 0; c &= c - 1) {
        const CardBit bit = std::countr_zero(c);
        if (rating(bit).value != bestValue)
            continue;
        // The table's own card outranks every lead total.
        const CardId card = cardIdOfBit(bit);
        const int score = card == context.tableCard ? 1000000 : leadTotal(leadRatings, card, -50);
        if (score > bestScore || (score == bestScore && view.type != GAME_NULL)) {
            bestScore = score;
            chosen = card;
        }
    }
    return chosen;
}

void OpenAnalysisStore::publish(const OpenGameView& view, const OpenAnalysisResult& result, CardId chosen,
                                LeadRatings leads)
{
    Snapshot next{true, view, result.working, chosen, {}, 0, result.sampleCount};
    for (const LeadRating& r : leads)
        if (next.leadCount < static_cast<int>(next.leads.size()))
            next.leads[static_cast<std::size_t>(next.leadCount++)] = r;
    std::lock_guard lock(mutex_);
    latest_ = next;
}

void OpenAnalysisStore::clear()
{
    std::lock_guard lock(mutex_);
    latest_ = Snapshot();
}

OpenAnalysisStore::Snapshot OpenAnalysisStore::snapshot() const
{
    std::lock_guard lock(mutex_);
    return latest_;
}

namespace {

CardId openGameCardOf(const OpenGameView& view, VORDIX_RANDOM& random, LeadRatings leadRatings,
                      const OpenChoiceContext& context, OpenAnalysisStore* store, bool onlyDecidingSearch)
{
    if (!isValidSeat(view.self)
        || !openAnalysisAsked(view.type, view.self, view.declarer,
                              std::popcount(view.hands[static_cast<std::size_t>(view.self)]),
                              context.analysis.maxHandCards)) {
        if (store)
            store->clear();
        return NO_CARD;
    }
    OpenAnalysisResult result;
    OpenChoiceContext choice = context;
    OpenAnalysisParts parts = OpenAnalysisParts::BOTH;
    if (onlyDecidingSearch) {
        // The memory draw first: the search whose ratings cannot decide is
        // not run.
        choice.realDealDecides = realDealDecides(context);
        choice.hostRandom = nullptr;
        parts = choice.realDealDecides ? OpenAnalysisParts::REAL_DEAL : OpenAnalysisParts::DRAWN_DEALS;
    }
    analyseOpenGame(view, random, result, nullptr, context.sampler, context.analysis, parts);
    const CardId chosen = chooseOpenGameCard(view, result, leadRatings, choice);
    if (store)
        store->publish(view, result, chosen, leadRatings);
    return chosen;
}

} // namespace

CardId openGameCard(const GameSnapshot& game, VORDIX_RANDOM& random, LeadRatings leadRatings,
                    const OpenChoiceContext& context, OpenAnalysisStore* store, bool onlyDecidingSearch)
{
    return openGameCardOf(openGameViewOf(game), random, leadRatings, context, store, onlyDecidingSearch);
}

CardId openGameCard(const SPIELKARTEN& cards, const SPIELSTRUCT& record, VORDIX_RANDOM& random, LeadRatings leadRatings,
                    const OpenChoiceContext& context, OpenAnalysisStore* store, bool onlyDecidingSearch)
{
    return openGameCardOf(openGameViewOf(cards, record), random, leadRatings, context, store, onlyDecidingSearch);
}
