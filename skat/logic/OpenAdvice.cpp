#include "skat/logic/OpenAdvice.h"

#include <bit>
#include <optional>

namespace {

std::optional<int> leadTotalOf(LeadRatings ratings, CardId card)
{
    for (const LeadRating& r : ratings)
        if (r.card == card)
            return r.total;
    return std::nullopt;
}

AdvicePlay playOf(const OpenGameView& view, CardBit bit)
{
    if (view.trickCount == 0)
        return AdvicePlay::LEAD;
    bool best = false;
    if (view.trickCount == 1)
        best = trickLeaderAfterTwo(view.type, trickCardBit(view.trick, 0), bit) == 1;
    else
        best = trickWinnerIndex(view.type, static_cast<TrickCode>(view.trick | (bit << 10))) == 2;
    if (!best)
        return AdvicePlay::ADD;
    const bool trumpGame = view.type != GAME_NULL && view.type != GAME_RAMSCH;
    const bool trump = rankOfBit(bit) == RANK_JACK || isTrumpSuit(suitOfBit(bit), view.type);
    return trumpGame && trump ? AdvicePlay::TRUMP : AdvicePlay::TAKE_OVER;
}

} // namespace

OpenGameAdvice buildOpenGameAdvice(const OpenGameView& view, const SLOFFENWERTUNG& working, LeadRatings leadRatings,
                                   CardId chosen)
{
    OpenGameAdvice advice;
    advice.addressesDeclarer = view.selfIsDeclarer();
    advice.card = chosen;
    const bool settledByPoints = view.type != GAME_NULL && view.type != GAME_RAMSCH;
    if (settledByPoints && view.completedTricks >= 3) {
        // The declarer knows the skat he laid away; the defenders count his tricks.
        const int declarer = view.declarerTrickPoints + (advice.addressesDeclarer ? pointsOfSet(view.skat) : 0);
        if (declarer > 60)
            advice.verdict = advice.addressesDeclarer ? AdviceVerdict::ALREADY_WON : AdviceVerdict::ALREADY_LOST;
        else if (view.defenderTrickPoints > 60)
            advice.verdict = advice.addressesDeclarer ? AdviceVerdict::ALREADY_LOST : AdviceVerdict::ALREADY_WON;
    }
    const OpenGameRating* rating = working.record(chosen);
    if (advice.verdict == AdviceVerdict::NONE && rating != nullptr && rating->exact && view.type != GAME_RAMSCH) {
        // The side's final points in the best line: the declarer wins with
        // 61, the defenders with 60; in null the declarer wins clean.
        bool wins = false;
        if (view.type == GAME_NULL)
            wins = advice.addressesDeclarer ? rating->ownPoints == 0 : rating->otherPoints < 0;
        else
            wins = advice.addressesDeclarer ? rating->ownPoints > 60 : rating->ownPoints >= 60;
        advice.forecast = wins ? AdviceForecast::WILL_WIN : AdviceForecast::WILL_LOSE;
    }
    if (chosen == NO_CARD || (cardMaskOfId(chosen) & view.hands[static_cast<std::size_t>(view.self)]) == 0)
        return advice;

    const CardBit chosenBit = std::countr_zero(cardMaskOfId(chosen));
    advice.play = playOf(view, chosenBit);
    const CardSet legal = view.legalCards();
    if (std::popcount(legal) == 1) {
        advice.onlyCard = true;
        return advice;
    }
    const int handCards = std::popcount(view.hands[static_cast<std::size_t>(view.self)]);
    const std::optional<int> chosenTotal = leadTotalOf(leadRatings, chosen);
    for (CardSet c = legal & ~cardMaskOfId(chosen); c != 0; c &= c - 1) {
        const CardId card = cardIdOfBit(std::countr_zero(c));
        bool same = leadTotalOf(leadRatings, card) == chosenTotal;
        if (handCards <= 5)
            same = same && working.record(card) != nullptr && rating != nullptr
                   && working.record(card)->value == rating->value;
        if (same && advice.alternativeCount < static_cast<int>(advice.alternatives.size()))
            advice.alternatives[static_cast<std::size_t>(advice.alternativeCount++)] = card;
    }
    return advice;
}

bool openGameAdviceFrom(const OpenAnalysisStore& store, OpenGameAdvice& advice)
{
    const OpenAnalysisStore::Snapshot last = store.snapshot();
    if (!last.valid || last.chosen == NO_CARD)
        return false;
    advice = buildOpenGameAdvice(last.view, last.working, last.leadRatings(), last.chosen);
    return true;
}
