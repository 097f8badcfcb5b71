// Announcing (with or without the skat), Ramsch, card play and collecting tricks.

#include "skat/engine/Ablaufzustand.h"

#include "skat/engine/GameRules.h"
#include "skat/engine/Karte.h"
#include "skat/engine/Stich.h"

#include <cassert>

namespace {
// The two cards are the same pair in either order.
bool samePair(const SKAT& a, const SKAT& b) { return a.cardSet() == b.cardSet(); }

// The generator step of the table talk: r = (seed >> 16) & 0x7FFF.
int drawTalk(VORDIX_RANDOM& random)
{
    random.seed = random.seed * 214013u + 2531011u;
    return static_cast<int>((random.seed >> 16) & 0x7FFFu);
}
} // namespace

bool ZUSTAND_SPIEL_ANSAGEN::takeSkatAndDiscard(Seat declarer, ::SPIELART& announced)
{
    for (;;) {
        {
            std::lock_guard lock(table.tableLock);
            SPIELKARTEN& cards = table.cards;
            table.record.SPIELART.GEWINN_STUFE = WIN_LEVEL_WITH_SKAT;
            const SKAT skat = cards.skat;
            cards.takeSkatCard(declarer, skat.cardId(1));
            cards.takeSkatCard(declarer, skat.cardId(2));
            if (cards.pile.recordCount(PARTY_DECLARER) == 2) {
                const Seat forehand = cards.pile.vh();
                cards.pile.clear();
                cards.pile.setVh(forehand);
            }
            table.record.SPITZEN = cards.hands[static_cast<std::size_t>(declarer)].spitzenGrand();
        }
        if (!ask(REQUEST_DISCARD, declarer))
            return false;
        const SKAT discard = answerOfSeat(declarer).discard;
        if (table.modus.exerciseFlag && !samePair(discard, table.modus.storedGame.pile.skat()) && !noteDeviation(0))
            return false;
        {
            std::lock_guard lock(table.tableLock);
            table.cards.pushSkat(declarer, discard);
        }
        if (!report(HANDS_CHANGED) || !ask(REQUEST_ANNOUNCE, declarer))
            return false;
        const PLAYER_AKTION answer = answerOfSeat(declarer);
        if (answer.announceFlag == 0) {
            announced = answer.spielart;
            return true;
        }
        // The declarer takes the skat back and discards again.
    }
}

void ZUSTAND_SPIEL_ANSAGEN::run()
{
    Seat declarer;
    {
        std::lock_guard lock(table.tableLock);
        declarer = table.record.declarer();
        table.record.SPITZEN = table.cards.hands[static_cast<std::size_t>(declarer)].spitzenGrand();
        table.record.SPIELART = ::SPIELART(GAME_NONE, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
    }
    if (!report(ANNOUNCING_STARTED))
        return;
    const SPIELMODUS& modus = table.modus;
    if (modus.exerciseFlag && declarer != modus.storedGame.record.declarer() && !noteDeviation(0))
        return;
    if (!ask(REQUEST_SKAT_OR_HAND, declarer))
        return;

    ::SPIELART announced;
    bool handGame = answerOfSeat(declarer).handFlag != 0;
    if (handGame) {
        {
            std::lock_guard lock(table.tableLock);
            table.record.SPIELART.GEWINN_STUFE = WIN_LEVEL_HAND;
            table.cards.recordDealAfterPush();
        }
        if (!ask(REQUEST_ANNOUNCE_HAND, declarer))
            return;
        const PLAYER_AKTION answer = answerOfSeat(declarer);
        handGame = answer.handFlag != 0;
        announced = answer.spielart;
    }
    if (!handGame) {
        if (!takeSkatAndDiscard(declarer, announced))
            return;
        const SPIELART& stored = modus.storedGame.record.SPIELART;
        if (modus.exerciseFlag
            && (announced.SPIEL_TYP != stored.SPIEL_TYP || announced.GEWINN_STUFE != stored.GEWINN_STUFE
                || announced.STUFE != 0)
            && !noteDeviation(0))
            return;
    }
    {
        std::lock_guard lock(table.tableLock);
        table.record.SPIELART = announced;
        const EINBLATT& hand = table.cards.hands[static_cast<std::size_t>(declarer)];
        table.record.SPITZEN = isSuitGame(announced.SPIEL_TYP)
                                   ? hand.spitzenWithSkat(table.cards.skat, trumpSuit(announced.SPIEL_TYP))
                                   : hand.spitzenGrandWithSkat(table.cards.skat);
    }
    if (!reportWithValue(GAME_ANNOUNCED, declarer))
        return;
    table.takeBackFlag = 0;
    next = STATE_KARTE_AUSSPIELEN;
}

void ZUSTAND_RAMSCH_ANSAGEN::run()
{
    {
        std::lock_guard lock(table.tableLock);
        const Seat forehand = table.record.declarer();
        if (isValidSeat(forehand))
            table.record.SPITZEN = table.cards.hands[static_cast<std::size_t>(forehand)].spitzenGrand();
        table.record.SPIELART = ::SPIELART(GAME_RAMSCH, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
    }
    if (!report(RAMSCH_ANNOUNCED))
        return;
    {
        std::lock_guard lock(table.tableLock);
        table.record.ALLEIN = SEAT_NONE;
        table.cards.recordDealAfterPush();
    }
    table.takeBackFlag = 0;
    next = STATE_KARTE_AUSSPIELEN;
}

bool ZUSTAND_KARTE_AUSSPIELEN::takeBack()
{
    int cardsInHand;
    {
        std::lock_guard lock(table.tableLock);
        table.cards.undoToSeat();
        const Seat toMove = table.cards.seatToMove();
        cardsInHand = isValidSeat(toMove) ? table.cards.hands[static_cast<std::size_t>(toMove)].cardCount() : 0;
    }
    if (!report(HANDS_CHANGED) || !report(TABLE_REFRESH))
        return false;
    SPIELMODUS& modus = table.modus;
    if (modus.exerciseFlag && modus.deviationIndex >= 0 && CARDS_IN_HAND + 1 - cardsInHand <= modus.deviationIndex) {
        modus.deviationIndex = -1;
        return report(DEVIATION_TAKEN_BACK);
    }
    return true;
}

void ZUSTAND_KARTE_AUSSPIELEN::run()
{
    Seat seat;
    GameType type;
    {
        std::lock_guard lock(table.tableLock);
        type = table.record.SPIELART.SPIEL_TYP;
        seat = table.cards.seatToMove();
    }
    setTrickTablesGameType(type);
    if (!isValidSeat(seat) || !reportWithValue(PLAYER_TO_PLAY, seat))
        return;
    for (;;) {
        table.takeBackFlag = 0;
        {
            std::lock_guard lock(table.tableLock);
            seat = table.cards.seatToMove();
        }
        if (!ask(REQUEST_PLAY_CARD, seat))
            return;
        if (!table.takeBackFlag)
            break;
        if (!takeBack())
            return;
    }
    PLAYER* player = table.playerAtSeat(seat);
    const PLAYER_AKTION answer = answerOfSeat(seat);

    SPIELMODUS& modus = table.modus;
    // Every card is compared with the stored one, a give-up (card 0) too.
    if (modus.exerciseFlag) {
        int trickNumber;
        Seat leader;
        {
            std::lock_guard lock(table.tableLock);
            trickNumber = CARDS_IN_HAND + 1 - table.cards.hands[static_cast<std::size_t>(seat)].cardCount();
            leader = table.cards.leader();
        }
        const STICH stored = modus.storedGame.pile.trick(trickNumber);
        if (stored.card(placeInTrick(seat, leader))->id() != answer.card && !noteDeviation(trickNumber))
            return;
    }

    // Kontra and Re count only when the player may call them now.
    const bool kontra = answer.kontra && player && mayCallKontra(*player);
    const bool re = answer.re && player && mayCallRe(*player);
    if (kontra || re) {
        {
            std::lock_guard lock(table.tableLock);
            if (kontra) {
                table.record.KONTRA = true;
                table.record.KONTRA_WER = seat;
            }
            if (re)
                table.record.RE = true;
        }
        if (!reportWithValue(KONTRA_ANNOUNCED, seat))
            return;
    }

    if (answer.card == NO_CARD) {
        // The seat gives the game up for its side.
        if (!report(GAME_ENDS_EARLY))
            return;
        {
            std::lock_guard lock(table.tableLock);
            if (seat == table.record.declarer())
                table.record.ALSP_AUFGEGEBEN = true;
            else
                table.record.GEGNER_AUFGEGEBEN = true;
        }
        if (report(HANDS_CHANGED))
            next = STATE_ABRECHNUNG;
        return;
    }
    bool complete;
    {
        std::lock_guard lock(table.tableLock);
        table.cards.playCard(answer.card);
        complete = table.cards.trick.isComplete();
    }
    if (reportWithValue(CARD_PLAYED, seat))
        next = complete ? STATE_STICH_ABLEGEN : STATE_KARTE_AUSSPIELEN;
}

bool ZUSTAND_STICH_ABLEGEN::tableTalk(GameType type, CardId winningCard)
{
    Seat declarer;
    bool firstTrick;
    STICH trick;
    Seat leader;
    int defenderPoints;
    {
        std::lock_guard lock(table.tableLock);
        const SPIELKARTEN& cards = table.cards;
        declarer = table.record.declarer();
        firstTrick = cards.pile.recordCount(PARTY_DECLARER) == 2 && cards.pile.recordCount(PARTY_DEFENDERS) == 0;
        trick = cards.trick;
        leader = cards.leader();
        defenderPoints = cards.pile.recordPoints(PARTY_DEFENDERS);
    }
    const PLAYER* declarerPlayer = table.playerAtSeat(declarer);
    const bool humanDeclarer = declarerPlayer && declarerPlayer->kind() == PLAYER_KIND_HUMAN;
    const KARTE* led = trick.card(0);

    if (firstTrick && type < GAME_GRAND && isValidSeat(declarer) && leader == declarer) {
        if (humanDeclarer) {
            if (led->rank() != RANK_JACK && !isTrumpSuit(led->suit(), type) && !report(COMMENT_DOERFER))
                return false;
        } else {
            const bool smallTrump = isTrumpSuit(led->suit(), type) && led->rank() != RANK_JACK
                                    && led->rank() != RANK_TEN && led->rank() != RANK_ACE;
            const bool jackFollows = trick.card(1)->rank() == RANK_JACK || trick.card(2)->rank() == RANK_JACK;
            if (smallTrump && jackFollows && !report(COMMENT_KLEINGROSS))
                return false;
        }
    }

    const int points = trick.points();
    if (type < GAME_NULL && isValidSeat(declarer) && declarerPlayer) {
        if (points >= 26 && !humanDeclarer) {
            const int first = drawTalk(table.random);
            const int second = drawTalk(table.random);
            const int third = drawTalk(table.random);
            if (first % 2 == 1 && second % 2 == 0 && !reportWithValue(RICH_TRICK_COMMENT, third % 2))
                return false;
        } else if (humanDeclarer) {
            const int declarerPlace = placeInTrick(declarer, leader);
            if (trick.card(declarerPlace)->id() != winningCard && defenderPoints < 60 && defenderPoints + points > 60) {
                const int variant = drawTalk(table.random) % 3;
                if (!reportWithValue(OVER_SIXTY_COMMENT, variant))
                    return false;
            }
        }
    }
    return true;
}

bool ZUSTAND_STICH_ABLEGEN::collectTrick(GameType type, CardId winningCard)
{
    if (!tableTalk(type, winningCard))
        return false;

    bool takeBack = false;
    for (Seat seat = SEAT_0; seat < 3 && !takeBack; ++seat) {
        if (!ask(REQUEST_CONFIRM_TRICK, seat))
            return false;
        PLAYER* player = table.playerAtSeat(seat);
        if (answerOfSeat(seat).kontra && player && mayCallKontra(*player)) {
            {
                std::lock_guard lock(table.tableLock);
                table.record.KONTRA = true;
                table.record.KONTRA_WER = seat;
            }
            if (!reportWithValue(KONTRA_ANNOUNCED, seat))
                return false;
        }
        if (table.takeBackFlag)
            takeBack = true;
        else if (player && player->kind() == PLAYER_KIND_HUMAN)
            break; // seats after the first human seat are not asked
    }

    if (takeBack) {
        table.takeBackFlag = 0;
        {
            std::lock_guard lock(table.tableLock);
            table.cards.returnTrickToHands();
        }
        return report(HANDS_CHANGED) && report(TABLE_REFRESH);
    }

    if (!report(TRICK_COMPLETE))
        return false;
    Seat taken;
    {
        std::lock_guard lock(table.tableLock);
        SPIELKARTEN& cards = table.cards;
        if (!isValidSeat(cards.leader()) || !cards.trick.isComplete()) {
            assert(false && "collecting a trick without a leader or before its third card");
            return false;
        }
        const Seat winner = trickTaker(cards.trick, cards.leader(), type);
        taken = cards.collectTrick(type, table.record.declarer());
        if (taken != winner) {
            assert(false && "the pile refused the trick");
            return false;
        }
    }
    return report(TRICK_COLLECTED);
}

void ZUSTAND_STICH_ABLEGEN::run()
{
    GameType type;
    CardId winningCard;
    {
        std::lock_guard lock(table.tableLock);
        type = table.record.SPIELART.SPIEL_TYP;
        const STICH& trick = table.cards.trick;
        if (!trick.isComplete()) {
            // A resumed game saved here without a full trick plays on.
            next = STATE_KARTE_AUSSPIELEN;
            return;
        }
        winningCard = trick.card(trick.winner(type))->id();
    }
    if (!collectTrick(type, winningCard)) {
        next = STATE_STOP;
        return;
    }
    PlayState play;
    {
        std::lock_guard lock(table.tableLock);
        const SPIELKARTEN& cards = table.cards;
        play.type = type;
        play.winLevel = table.record.SPIELART.GEWINN_STUFE;
        play.declarerRecordCount = cards.pile.recordCount(PARTY_DECLARER);
        play.defenderRecordCount = cards.pile.recordCount(PARTY_DEFENDERS);
        play.cardsInHands = cards.hands[0].cardCount() + cards.hands[1].cardCount() + cards.hands[2].cardCount();
        play.declarerGaveUp = table.record.ALSP_AUFGEGEBEN;
        play.defendersGaveUp = table.record.GEGNER_AUFGEGEBEN;
    }
    const TrickEnd end = afterTrick(play);
    if (end.endsEarly) {
        if (!report(GAME_ENDS_EARLY))
            return;
        {
            std::lock_guard lock(table.tableLock);
            table.record.ALSP_AUFGEGEBEN = true;
        }
        if (!report(HANDS_CHANGED))
            return;
    }
    next = end.playGoesOn ? STATE_KARTE_AUSSPIELEN : STATE_ABRECHNUNG;
}
