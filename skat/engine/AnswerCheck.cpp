#include "skat/engine/AnswerCheck.h"

#include "skat/engine/BidTable.h"
#include "skat/engine/Karte.h"

CardSet legalCardsOfSeat(const SPIELKARTEN& cards, GameType type, Seat seat)
{
    if (!isValidSeat(seat))
        return 0u;
    const CardSet hand = cards.hands[seat].cardSet();
    if (cards.trick.isEmpty())
        return hand;
    return EINBLATT::legalCards(hand, cards.trick.ledCard()->bit(), type);
}

CardId lowestCardOf(CardSet set) { return set == 0 ? NO_CARD : cardIdOfBit(lowestBit(set)); }

bool isAnnounceableWithSkat(const ::SPIELART& game)
{
    if (game.STUFE != LEVEL_NONE)
        return false;
    if (game.SPIEL_TYP == GAME_NULL)
        return game.GEWINN_STUFE == WIN_LEVEL_WITH_SKAT || game.GEWINN_STUFE == WIN_LEVEL_OUVERT;
    return game.SPIEL_TYP >= GAME_CLUBS && game.SPIEL_TYP <= GAME_GRAND && game.GEWINN_STUFE == WIN_LEVEL_WITH_SKAT;
}

bool isAnnounceableHand(const ::SPIELART& game)
{
    if (game.STUFE != LEVEL_NONE)
        return false;
    if (game.SPIEL_TYP == GAME_NULL)
        return game.GEWINN_STUFE == WIN_LEVEL_HAND || game.GEWINN_STUFE == WIN_LEVEL_OUVERT_HAND;
    if (game.SPIEL_TYP == GAME_GRAND_OUVERT)
        return game.GEWINN_STUFE == WIN_LEVEL_OUVERT_HAND;
    return game.SPIEL_TYP >= GAME_CLUBS && game.SPIEL_TYP <= GAME_GRAND && game.GEWINN_STUFE >= WIN_LEVEL_HAND
           && game.GEWINN_STUFE <= WIN_LEVEL_OUVERT_HAND;
}

bool isValidAnswer(int kind, const PLAYER_AKTION& answer, const SPIELKARTEN& cards, const SPIELSTRUCT& record,
                   Seat seat)
{
    if (!isValidSeat(seat))
        return false;
    const CardSet hand = cards.hands[seat].cardSet();
    switch (kind) {
    case REQUEST_BID: return bidIndexOf(answer.bidValue) >= 0;
    case REQUEST_CUT: return answer.cutPosition >= 1 && answer.cutPosition <= 30;
    case REQUEST_DISCARD: {
        const CardId a = answer.discard.cardId(1);
        const CardId b = answer.discard.cardId(2);
        return isRealCard(a) && isRealCard(b) && a != b && (hand & cardMaskOfId(a)) != 0
               && (hand & cardMaskOfId(b)) != 0;
    }
    case REQUEST_ANNOUNCE: return answer.announceFlag != 0 || isAnnounceableWithSkat(answer.spielart);
    case REQUEST_ANNOUNCE_HAND: return answer.handFlag == 0 || isAnnounceableHand(answer.spielart);
    case REQUEST_PLAY_CARD:
        if (answer.card == NO_CARD)
            return true;
        return cards.seatToMove() == seat
               && (legalCardsOfSeat(cards, record.SPIELART.SPIEL_TYP, seat) & cardMaskOfId(answer.card)) != 0;
    case REQUEST_CONFIRM_SETTLEMENT:
    case REQUEST_CONFIRM_PASSED:
        return answer.confirmation >= CONFIRM_NEXT_GAME && answer.confirmation <= CONFIRM_END_AFTER_SETTLEMENT;
    default: return true;
    }
}

void repairAnswer(int kind, PLAYER_AKTION& answer, const SPIELKARTEN& cards, const SPIELSTRUCT& record, Seat seat)
{
    if (!isValidSeat(seat))
        return;
    const CardSet hand = cards.hands[seat].cardSet();
    switch (kind) {
    case REQUEST_BID:
        answer.bidValue = record.GEREIZTBIS[static_cast<std::size_t>(seat)];
        if (bidIndexOf(answer.bidValue) < 0)
            answer.bidValue = 0;
        break;
    case REQUEST_CUT: answer.cutPosition = 16; break;
    case REQUEST_DISCARD: {
        const CardId first = lowestCardOf(hand);
        answer.discard = SKAT(first, lowestCardOf(hand & ~cardMaskOfId(first)));
        break;
    }
    case REQUEST_ANNOUNCE:
        answer.announceFlag = 0;
        answer.spielart = ::SPIELART(GAME_GRAND, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
        break;
    case REQUEST_ANNOUNCE_HAND: answer.spielart = ::SPIELART(GAME_GRAND, WIN_LEVEL_HAND, LEVEL_NONE); break;
    case REQUEST_PLAY_CARD: answer.card = lowestCardOf(legalCardsOfSeat(cards, record.SPIELART.SPIEL_TYP, seat)); break;
    case REQUEST_CONFIRM_SETTLEMENT:
    case REQUEST_CONFIRM_PASSED: answer.confirmation = CONFIRM_NEXT_GAME; break;
    default: break;
    }
}
