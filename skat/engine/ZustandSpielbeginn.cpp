// New game, cut and deal, bid proposals and the bidding.

#include "skat/engine/Ablaufzustand.h"

#include "skat/engine/BidTable.h"

void ZUSTAND_NEUES_SPIEL::run()
{
    SPIELMODUS& modus = table.modus;
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
    for (Seat seat = 0; seat < 3; ++seat)
        if (PLAYER* player = table.playerAtSeat(seat))
            player->initProposal();
    if (report(BID_PROPOSAL))
        next = STATE_REIZEN;
}

bool ZUSTAND_REIZEN::say(Seat seat, int mode)
{
    {
        std::lock_guard lock(table.tableLock);
        table.record.REIZEN_DRAN = seat;
        table.record.REIZEN_MODUS = mode;
    }
    if (!reportWithValue(BID_TURN, seat) || !ask(REQUEST_BID, seat))
        return false;
    {
        std::lock_guard lock(table.tableLock);
        table.record.GEREIZTBIS[static_cast<std::size_t>(seat)] = answerOfSeat(seat).bidValue;
    }
    return reportWithValue(BID_ANSWERED, seat);
}

// A bid at the top of the table is final: nobody is asked to go higher.
bool ZUSTAND_REIZEN::names(Seat seat, bool& ok)
{
    ok = true;
    int index;
    {
        std::lock_guard lock(table.tableLock);
        index = table.record.REIZ_INDEX;
    }
    if (index >= BID_TABLE_SIZE - 1)
        return false;
    if (!say(seat, 1)) {
        ok = false;
        return false;
    }
    std::lock_guard lock(table.tableLock);
    if (table.record.GEREIZTBIS[static_cast<std::size_t>(seat)] <= bidValueAt(index))
        return false;
    table.record.REIZ_INDEX = index + 1;
    return true;
}

bool ZUSTAND_REIZEN::holds(Seat seat, bool& ok)
{
    ok = say(seat, 2);
    if (!ok)
        return false;
    std::lock_guard lock(table.tableLock);
    return table.record.GEREIZTBIS[static_cast<std::size_t>(seat)] >= bidValueAt(table.record.REIZ_INDEX);
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
    const Seat middlehand = nextSeat(forehand);
    const Seat rearhand = seatAfter(forehand, 2);
    if (!report(BIDDING_STARTED))
        return;

    bool ok = true;
    // One duel: `caller` names values to `answerer` until one of them passes.
    // Returns the one left; ok false when the loop ends.
    auto duel = [&](Seat caller, Seat answerer) -> Seat {
        while (names(caller, ok)) {
            if (!holds(answerer, ok))
                return ok ? caller : SEAT_NONE;
        }
        return ok ? answerer : SEAT_NONE;
    };

    // Middlehand names to forehand; the one left meets rearhand.
    const Seat first = duel(middlehand, forehand);
    if (!ok)
        return;
    const Seat winner = duel(rearhand, first);
    if (!ok)
        return;

    bool allPassed;
    {
        std::lock_guard lock(table.tableLock);
        allPassed = table.record.REIZ_INDEX == 0;
    }
    if (allPassed) {
        // Forehand may still play for 18.
        if (!say(forehand, 1))
            return;
        std::lock_guard lock(table.tableLock);
        if (table.record.GEREIZTBIS[static_cast<std::size_t>(forehand)] > bidValueAt(0))
            table.record.REIZ_INDEX = 1;
    }
    int reached;
    {
        std::lock_guard lock(table.tableLock);
        table.record.ALLEIN = winner;
        table.record.GEREIZT = bidValueAt(table.record.REIZ_INDEX);
        reached = table.record.GEREIZT;
    }
    if (table.modus.exerciseFlag && winner != table.modus.storedGame.record.ALLEIN && !noteDeviation(0))
        return;
    if (reached != 0)
        next = STATE_SPIEL_ANSAGEN;
    else
        next = currentRules().ramschAfterPass ? STATE_RAMSCH_ANSAGEN : STATE_EINGEPASST;
}
