// New game, cut and deal, bid proposals and the bidding.

#include "skat/engine/Ablaufzustand.h"

#include "skat/engine/BidTable.h"
#include "skat/engine/GameRules.h"
#include "skat/engine/Rules.h"
#include "skat/engine/TableServices.h"

#include <cassert>

void ZUSTAND_NEUES_SPIEL::run()
{
    // Rules chosen during the last game hold from this one on.
    startGameRules();
    SPIELMODUS& modus = table.modus;
    // A request to shorten or take back that came too late for the last
    // game must not end or change this one.
    table.playTheRestFlag = 0;
    table.endCardPlayFlag = 0;
    table.takeBackFlag = 0;
    {
        std::lock_guard lock(table.tableLock);
        table.cards.reset();
        table.record.reset();
        if (modus.exerciseFlag && modus.storedGame.record.hasTexts())
            table.record.texts() = modus.storedGame.record.texts();
        table.cards.pile.setVh(modus.forehand);
        table.cards.AUSP = static_cast<std::int8_t>(modus.forehand);
        table.record.BOCKRUNDE_NR = modus.bockCounterForNextGame(table.sheet);
    }
    if (!report(NEW_GAME) || !report(SCORE_SHEET_CHANGED))
        return;

    if (modus.repeatFlag) {
        if (!report(GAME_REPEATED))
            return;
        std::lock_guard lock(table.tableLock);
        table.cards.startFromDeal();
    } else if (modus.mode == MODE_DISTRIBUTION) {
        std::lock_guard lock(table.tableLock);
        table.cards.setUpFromDeal(modus.distribution);
    } else if (modus.mode == MODE_STORED_GAME) {
        std::lock_guard lock(table.tableLock);
        table.cards.setUpFromGame(modus.storedGame.storedCards());
    } else {
        next = STATE_ABHEBEN_UND_GEBEN;
        return;
    }
    if (report(CARDS_DEALT))
        next = STATE_REIZ_VORSCHLAG;
}

void ZUSTAND_ABHEBEN_UND_GEBEN::run()
{
    Seat middlehand;
    {
        std::lock_guard lock(table.tableLock);
        table.cards.shuffle(table.random);
        middlehand = nextSeat(table.cards.pile.vh());
    }
    if (!report(CUTTING) || !ask(REQUEST_CUT, middlehand))
        return;
    const int position = answerOfSeat(middlehand).cutPosition;
    {
        std::lock_guard lock(table.tableLock);
        table.cards.cut(position);
        table.cards.deal();
    }
    if (reportWithValue(CUT_DONE, position))
        next = STATE_REIZ_VORSCHLAG;
}

void ZUSTAND_REIZ_VORSCHLAG::run()
{
    for (Seat seat = SEAT_0; seat < 3; ++seat)
        if (PLAYER* player = table.playerAtSeat(seat))
            player->initProposal();
    if (report(BID_PROPOSAL))
        next = STATE_REIZEN;
}

void ZUSTAND_REIZEN::run()
{
    Seat forehand;
    {
        std::lock_guard lock(table.tableLock);
        forehand = table.cards.pile.vh();
        table.record.REIZEN_DRAN = nextSeat(forehand);
        table.record.REIZ_INDEX = 0;
    }
    assert(isValidSeat(forehand));
    if (!isValidSeat(forehand)) {
        tableServices()->log(L"Reizen: no forehand set, the loop ends");
        next = STATE_STOP;
        return;
    }
    if (!report(BIDDING_STARTED))
        return;

    BIDDING bidding(forehand);
    while (!bidding.isDone()) {
        const Seat seat = bidding.seatToAnswer();
        {
            std::lock_guard lock(table.tableLock);
            table.record.REIZEN_DRAN = seat;
            table.record.REIZEN_MODUS = bidding.mode();
        }
        if (!reportWithValue(BID_TURN, seat) || !ask(REQUEST_BID, seat))
            return;
        const int value = answerOfSeat(seat).bidValue;
        {
            std::lock_guard lock(table.tableLock);
            table.record.GEREIZTBIS[static_cast<std::size_t>(seat)] = value;
        }
        if (!reportWithValue(BID_ANSWERED, seat))
            return;
        bidding.apply(seat, value);
        std::lock_guard lock(table.tableLock);
        table.record.REIZ_INDEX = bidding.bidIndex();
    }

    const Seat winner = bidding.declarer();
    int reached;
    {
        std::lock_guard lock(table.tableLock);
        table.record.ALLEIN = winner;
        table.record.GEREIZT = bidValueAt(bidding.reachedIndex());
        reached = table.record.GEREIZT;
    }
    if (table.modus.exerciseFlag && winner != table.modus.storedGame.record.declarer() && !noteDeviation(0))
        return;
    if (reached != 0)
        next = STATE_SPIEL_ANSAGEN;
    else
        next = currentRules().ramschAfterPass ? STATE_RAMSCH_ANSAGEN : STATE_EINGEPASST;
}
