#include "skat/engine/GameRules.h"

#include "skat/engine/Spielart.h"

#include <cassert>

int computerBidAnswer(int limit, int bidIndex, int mode, int saidBefore)
{
    if (mode == BID_MODE_NAME) {
        if (bidIndex + 1 < BID_TABLE_SIZE && bidValueAt(bidIndex) < limit)
            return bidValueAt(bidIndex + 1);
        return saidBefore;
    }
    if (bidValueAt(bidIndex) <= limit)
        return bidValueAt(bidIndex);
    return saidBefore;
}

BIDDING::BIDDING(Seat forehand) : forehand_(forehand)
{
    assert(isValidSeat(forehand));
    caller_ = nextSeat(forehand);
    answerer_ = forehand;
    mode_ = BID_MODE_NAME;
    askNext();
}

void BIDDING::askNext()
{
    if (phase_ == Phase::DONE)
        return;
    if (phase_ == Phase::FOREHAND_LAST) {
        asked_ = forehand_;
        mode_ = BID_MODE_NAME;
        return;
    }
    if (mode_ == BID_MODE_NAME && index_ >= BID_TABLE_SIZE - 1) {
        // Nothing above the top of the table: the answerer keeps the bid.
        duelWonBy(answerer_);
        return;
    }
    asked_ = mode_ == BID_MODE_NAME ? caller_ : answerer_;
}

void BIDDING::duelWonBy(Seat seat)
{
    if (phase_ == Phase::FIRST_DUEL) {
        phase_ = Phase::SECOND_DUEL;
        caller_ = seatAfter(forehand_, 2);
        answerer_ = seat;
        mode_ = BID_MODE_NAME;
    } else {
        winner_ = seat;
        phase_ = index_ == 0 ? Phase::FOREHAND_LAST : Phase::DONE;
        if (phase_ == Phase::DONE)
            asked_ = SEAT_NONE;
    }
    askNext();
}

BidStep BIDDING::apply(Seat seat, int value)
{
    assert(!isDone() && seat == asked_);
    if (isDone() || seat != asked_)
        return isDone() ? BidStep::DONE : BidStep::PASSED;
    switch (phase_) {
    case Phase::FOREHAND_LAST:
        if (value > bidValueAt(0))
            index_ = 1;
        phase_ = Phase::DONE;
        asked_ = SEAT_NONE;
        return BidStep::DONE;
    case Phase::FIRST_DUEL:
    case Phase::SECOND_DUEL:
        if (mode_ == BID_MODE_NAME) {
            if (value <= bidValueAt(index_)) {
                duelWonBy(answerer_);
                return isDone() ? BidStep::DONE : BidStep::PASSED;
            }
            ++index_;
            mode_ = BID_MODE_HOLD;
        } else {
            if (value < bidValueAt(index_)) {
                duelWonBy(caller_);
                return isDone() ? BidStep::DONE : BidStep::PASSED;
            }
            mode_ = BID_MODE_NAME;
        }
        askNext();
        return isDone() ? BidStep::DONE : BidStep::RAISED;
    case Phase::DONE: break;
    }
    return BidStep::DONE;
}

TrickEnd afterTrick(const PlayState& state)
{
    TrickEnd end;
    end.endsEarly =
        (state.type == GAME_NULL && state.declarerRecordCount > 2)
        || (state.defenderRecordCount > 0 && state.winLevel == WIN_LEVEL_OUVERT_HAND && state.type != GAME_NULL);
    const bool declarerGaveUp = state.declarerGaveUp || end.endsEarly;
    end.playGoesOn = state.cardsInHands > 0 && !declarerGaveUp && !state.defendersGaveUp;
    return end;
}

bool triggersBockRounds(const SPIELSTRUCT_CORE& settled, const SettlementTally& t, const RuleSettings& rules)
{
    const GameType type = settled.SPIELART.SPIEL_TYP;
    if (!rules.bockRounds || type == GAME_NULL || type == GAME_RAMSCH)
        return false;
    const int declarer90 = rules.schneiderAt91 ? 91 : 90;
    return (rules.bockOn60To60 && t.declarerPoints == 60)
           || (rules.bockOnLostKontra && settled.KONTRA && settled.isLost())
           || (rules.bockOnWonKontra && settled.KONTRA && !settled.isLost())
           || (rules.bockOnDefenders90 && t.defenderPoints >= 90)
           || (rules.bockOnDeclarer90 && t.declarerPoints >= declarer90);
}

bool kontraAllowed(const RuleSettings& rules, const SPIELSTRUCT_CORE& record, Seat seat, int index, int inHand,
                   bool exerciseOnTrack)
{
    if (record.SPIELART.SPIEL_TYP == GAME_RAMSCH || exerciseOnTrack || !isValidSeat(seat))
        return false;
    if (!rules.kontraRe || record.KONTRA || seat == record.declarer())
        return false;
    const bool moment =
        ((rules.kontraVariant == 1 || rules.kontraVariant == 2) && index == STATE_KARTE_AUSSPIELEN && inHand == 10)
        || (rules.kontraVariant == 2 && index == STATE_STICH_ABLEGEN && inHand == 9);
    if (!moment)
        return false;
    return !(rules.kontraOnlyFrom18 && record.GEREIZTBIS[static_cast<std::size_t>(seat)] < 18);
}

bool reAllowed(const RuleSettings& rules, const SPIELSTRUCT_CORE& record, Seat seat, int index, int inHand)
{
    if (!rules.kontraRe || !record.KONTRA || record.RE || seat != record.declarer() || !isValidSeat(seat))
        return false;
    return (index == STATE_KARTE_AUSSPIELEN && (inHand == 9 || inHand == 10))
           || (index == STATE_STICH_ABLEGEN && (inHand == 8 || inHand == 9));
}
