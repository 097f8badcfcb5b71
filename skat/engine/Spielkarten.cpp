#include "skat/engine/Spielkarten.h"

#include "vordix/Random.h"
#include "vordix/XmlHelpers.h"

#include <tinyxml2.h>

namespace {

constexpr std::uint32_t LCG_MULTIPLIER = 214013u;
constexpr std::uint32_t LCG_INCREMENT = 2531011u;

std::uint32_t step(std::uint32_t& seed)
{
    seed = seed * LCG_MULTIPLIER + LCG_INCREMENT;
    return (seed >> 16) & 0x7FFFu;
}

// Deck offset of deal steps 1..10: each step gives three cards, one per seat;
// places 9 and 10 are the skat.
constexpr int STEP_OFFSET[11] = {0, 0, 3, 6, 11, 14, 17, 20, 23, 26, 29};

// Fills a deal with each seat's cards, the skat and the seat in forehand.
template <typename CardsOf>
void fillDeal(KARTENVERTEILUNG& deal, CardsOf cardsOf, const SKAT& skat, Seat forehand)
{
    for (Seat seat = SEAT_0; seat < SEAT_COUNT; ++seat)
        deal.hands[seat].assignCards(cardsOf(seat));
    deal.skat = skat;
    deal.vhPos = forehand;
}

} // namespace

SPIELKARTEN::SPIELKARTEN()
{
    reset();
    dealtRecorded = false;
    pushRecorded = false;
}

SPIELKARTEN::~SPIELKARTEN() = default;

void SPIELKARTEN::reset()
{
    for (auto& h : hands)
        h.clearCards();
    trick.clear();
    AUSP = SEAT_NONE;
    pile.clear();
    skat.clear();
    pushRecorded = false;
    int i = 0;
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s)
        for (Rank r = RANK_SEVEN; r <= RANK_ACE; ++r)
            deck[i++] = makeCardId(s, r);
    dealCounter = 0;
}

void SPIELKARTEN::shuffle(VORDIX_RANDOM& random)
{
    std::uint32_t seed = random.seed;
    for (int swaps = 0;; ++swaps) {
        const int limit = 900 + static_cast<int>(step(seed) % 200);
        if (swaps > limit)
            break;
        const int i = static_cast<int>(step(seed) % 32);
        const int j = static_cast<int>(step(seed) % 32);
        std::swap(deck[i], deck[j]);
    }
    random.seed = seed;
}

void SPIELKARTEN::cut(int position)
{
    if (position < 1 || position > 30)
        return;
    // The cut is a gesture: the shuffle alone decides the cards.
}

void SPIELKARTEN::dealStep()
{
    dealCounter = dealCounter >= DEALT ? 1 : dealCounter + 1;
    const int offset = STEP_OFFSET[dealCounter];
    for (Seat seat = SEAT_0; seat < SEAT_COUNT; ++seat)
        hands[seat].addCard(deck[offset + seat]);
    if (dealCounter == DEALT)
        recordDealAsDealt();
}

void SPIELKARTEN::deal()
{
    for (int i = 0; i < 3; ++i)
        dealStep();
    skat = SKAT(deck[9], deck[10]);
    for (int i = 0; i < 4; ++i)
        dealStep();
    for (int i = 0; i < 3; ++i)
        dealStep();
}

void SPIELKARTEN::recordDealAsDealt()
{
    fillDeal(
        dealAsDealt, [this](Seat seat) { return hands[seat].cardSet(); }, skat, pile.vh());
    dealtRecorded = true;
}

void SPIELKARTEN::startFromDeal()
{
    if (dealtRecorded) {
        for (Seat seat = SEAT_0; seat < SEAT_COUNT; ++seat) {
            hands[seat].clearCards();
            for (int place = 1; place <= CARDS_IN_HAND; ++place)
                hands[seat].addCard(dealAsDealt.hands[seat].cardIdAt(place));
        }
        skat = dealAsDealt.skat;
        dealCounter = DEALT;
    }
    AUSP = static_cast<std::int8_t>(dealAsDealt.vhPos);
    pile.setVh(dealAsDealt.vhPos);
}

void SPIELKARTEN::setUpFromDeal(const KARTENVERTEILUNG& distribution)
{
    dealCounter = DEALT;
    for (Seat seat = SEAT_0; seat < SEAT_COUNT; ++seat)
        hands[seat].setCardSet(distribution.hands[seat].cardSet());
    skat = distribution.skat;
    pile.setVh(distribution.vhPos);
    AUSP = static_cast<std::int8_t>(isValidSeat(distribution.vhPos) ? distribution.vhPos : SEAT_NONE);
    recordDealAsDealt();
}

void SPIELKARTEN::setUpFromGame(const StoredGameCards& game)
{
    if (game.deal.isValid()) {
        setUpFromDeal(game.deal);
        return;
    }
    dealCounter = DEALT;
    for (Seat seat = SEAT_0; seat < SEAT_COUNT; ++seat)
        hands[seat].setCardSet(game.pile.startingHandOf(seat).cardSet());
    const bool dealtSkatKnown = game.skat.isComplete();
    if (game.gameType != GAME_RAMSCH && dealtSkatKnown && isValidSeat(game.declarer)) {
        EINBLATT& own = hands[game.declarer];
        own.setCardSet((own.cardSet() | game.pile.skat().cardSet()) & ~game.skat.cardSet());
    }
    skat = dealtSkatKnown ? game.skat : game.pile.skat();
    pile.setVh(game.pile.vh());
    AUSP = static_cast<std::int8_t>(isValidSeat(game.pile.vh()) ? game.pile.vh() : SEAT_NONE);
    if (isConsistent()) {
        recordDealAsDealt();
    } else {
        clearPlay();
    }
}

void SPIELKARTEN::clearPlay()
{
    for (auto& h : hands)
        h.clearCards();
    trick.clear();
    AUSP = SEAT_NONE;
}

void SPIELKARTEN::takeSkatCard(Seat seat, CardId id)
{
    if (!isValidSeat(seat) || id == NO_CARD)
        return;
    for (int place = 1; place <= 2; ++place)
        if (skat.cardId(place) == id) {
            skat.setCard(place, NO_CARD);
            hands[seat].addCard(id);
            return;
        }
}

void SPIELKARTEN::putCardIntoSkat(Seat seat, CardId id)
{
    if (!isValidSeat(seat) || !hands[seat].hasCard(id))
        return;
    // With both places taken the card stays in the hand: no card gets lost.
    for (int place = 1; place <= 2; ++place)
        if (skat.cardId(place) == NO_CARD) {
            hands[seat].removeCard(id);
            skat.setCard(place, id);
            return;
        }
}

void SPIELKARTEN::pushSkat(Seat seat, const SKAT& laidAway)
{
    putCardIntoSkat(seat, laidAway.cardId(1));
    putCardIntoSkat(seat, laidAway.cardId(2));
    recordDealAfterPush();
}

void SPIELKARTEN::recordDealAfterPush()
{
    pile.setSkat(skat);
    fillDeal(
        dealAfterPush, [this](Seat seat) { return hands[seat].cardSet(); }, skat, pile.vh());
    pushRecorded = true;
}

Seat SPIELKARTEN::seatToMove() const { return isValidSeat(leader()) ? trickSeat(trick.count()) : SEAT_NONE; }

void SPIELKARTEN::playCard(CardId id)
{
    const Seat seat = seatToMove();
    if (seat == SEAT_NONE || trick.count() >= 3 || cardMaskOfId(id) == 0)
        return;
    hands[seat].removeCard(id);
    trick.addCard(id);
}

Seat SPIELKARTEN::collectTrick(GameType type, Seat declarer)
{
    if (!trick.isComplete() || !isValidSeat(leader()))
        return SEAT_NONE;
    const Seat taker = trickSeat(trick.winner(type));
    const Party party = taker == declarer || type == GAME_RAMSCH ? PARTY_DECLARER : PARTY_DEFENDERS;
    if (!pile.addToParty(party, trick, leader(), taker))
        return SEAT_NONE;
    trick.clear();
    AUSP = static_cast<std::int8_t>(taker);
    return taker;
}

void SPIELKARTEN::returnTrickToHands()
{
    if (!isValidSeat(leader()))
        return;
    for (int place = trick.count() - 1; place >= 0; --place)
        hands[trickSeat(place)].addCard(trick.card(place)->id());
    trick.clear();
}

void SPIELKARTEN::undoToSeat()
{
    const Seat target = seatToMove();
    if (target == SEAT_NONE)
        return;
    returnTrickToHands();
    const int last = pile.trickCount();
    if (last < 1)
        return;
    const Party party = pile.partyOfTrick(last);
    const STICH reopened = pile.removeLastTrick(party);
    if (reopened.count() != 3)
        return;
    trick = reopened;
    const Seat leader = pile.trickCount() >= 1 ? pile.takerOfTrick(pile.trickCount()) : pile.vh();
    AUSP = static_cast<std::int8_t>(isValidSeat(leader) ? leader : 0);
    // Back from the last card until the target seat holds its card again.
    for (int place = 2; place >= 0; --place) {
        const Seat seat = trickSeat(place);
        hands[seat].addCard(trick.card(place)->id());
        trick.removeLastCard();
        if (seat == target)
            break;
    }
}

int SPIELKARTEN::cardStateOpen(Seat seat, CardId id) const
{
    int state = CARD_ELSEWHERE;
    for (Seat s = SEAT_0; s < SEAT_COUNT; ++s)
        if (hands[s].hasCard(id))
            state = s == seat ? CARD_IN_OWN_HAND : CARD_IN_OTHER_HAND;
    if ((trick.cardSet() & cardMaskOfId(id)) != 0)
        state = CARD_IN_TRICK;
    return state;
}

int SPIELKARTEN::cardStateForSeat(CardId id, Seat seat) const
{
    int state = CARD_IN_OTHER_HAND;
    if (isValidSeat(seat) && hands[seat].hasCard(id))
        state = CARD_IN_OWN_HAND;
    else if (pile.containsCard(id))
        state = CARD_ELSEWHERE;
    if ((trick.cardSet() & cardMaskOfId(id)) != 0)
        state = CARD_IN_TRICK;
    return state;
}

bool SPIELKARTEN::isConsistent() const
{
    std::array<int, 32> found{};
    int total = 0;
    auto count = [&](CardId id) {
        const CardSet mask = cardMaskOfId(id);
        if (mask != 0) {
            ++found[lowestBit(mask)];
            ++total;
        }
    };
    for (const auto& h : hands)
        for (CardSet rest = h.cardSet(); rest != 0;)
            count(cardIdOfBit(popLowest(rest)));
    for (int place = 0; place < trick.count(); ++place)
        count(trick.card(place)->id());
    for (Party party : {PARTY_DECLARER, PARTY_DEFENDERS})
        for (int place = 1; place <= pile.recordCount(party); ++place)
            count(pile.recordCard(party, place));
    if (pile.recordCount(PARTY_DECLARER) == 0) {
        count(skat.cardId(1));
        count(skat.cardId(2));
    }
    if (total == 0)
        return dealCounter == 0;
    if (total != CARDS_IN_DECK)
        return false;
    for (int n : found)
        if (n != 1)
            return false;
    return true;
}

CardSet SPIELKARTEN::cardsEverHeldBy(Seat seat) const
{
    CardSet cards = hands[seat].cardSet() | pile.startingHandOf(seat).cardSet();
    if (isValidSeat(leader()))
        for (int place = 0; place < trick.count(); ++place)
            if (trickSeat(place) == seat)
                cards |= trick.card(place)->bitMask();
    return cards;
}

void SPIELKARTEN::rebuildDeals()
{
    if (!isConsistent() || !isValidSeat(pile.vh()))
        return;
    const auto everHeld = [this](Seat seat) { return cardsEverHeldBy(seat); };
    if (pile.recordCount(PARTY_DECLARER) >= 2) {
        fillDeal(dealAfterPush, everHeld, pile.skat(), pile.vh());
        pushRecorded = true;
    }
    if (pushRecorded)
        dealAsDealt = dealAfterPush;
    else
        fillDeal(dealAsDealt, everHeld, pile.skat(), pile.vh());
    if (dealAsDealt.hands[0].cardCount() == 0 || skat.cardId(1) == NO_CARD)
        return;
    dealAsDealt.skat = skat;
    Seat declarer = SEAT_NONE;
    for (Seat seat = SEAT_0; seat < SEAT_COUNT && declarer == SEAT_NONE; ++seat)
        if ((dealAsDealt.hands[seat].cardSet() & skat.cardSet()) != 0)
            declarer = seat;
    if (declarer == SEAT_NONE)
        return;
    EINBLATT_SORTIERBAR& own = dealAsDealt.hands[declarer];
    const SKAT laidAway = pile.skat();
    for (int place = 1; place <= 2; ++place)
        if (!own.hasCard(laidAway.cardId(place)))
            own.addCard(laidAway.cardId(place));
    for (int place = 1; place <= 2; ++place)
        own.removeCard(skat.cardId(place));
}

void SPIELKARTEN::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument&) const
{
    for (const auto& h : hands)
        vordix::xml::appendStream(element, h.asSerializable());
    vordix::xml::appendStream(element, pile);
    vordix::xml::appendStream(element, trick.asSerializable());
    vordix::xml::appendStream(element, dealCounter >= 1 ? skat : SKAT());
    vordix::xml::setIntAttribute(element, "AUSP", leader());
}

bool SPIELKARTEN::readParts(const tinyxml2::XMLElement& element, const tinyxml2::XMLDocument& document)
{
    const auto* handElement = element.FirstChildElement("EINBLATT");
    for (auto& h : hands) {
        EINBLATT_SERIALIZABLE readHand;
        if (handElement) {
            readHand.read(handElement, document);
            handElement = handElement->NextSiblingElement("EINBLATT");
        }
        h = readHand;
    }
    pile.clear();
    bool ok = true;
    if (const auto* pileElement = element.FirstChildElement("STAPEL"))
        ok = pile.read(pileElement, document);
    STICH_SERIALIZABLE readTrick;
    if (const auto* trickElement = element.FirstChildElement("STICH"))
        readTrick.read(trickElement, document);
    trick = readTrick;
    skat.clear();
    if (const auto* skatElement = element.FirstChildElement("SKAT"))
        skat.read(skatElement, document);
    const int ausp = vordix::xml::intAttribute(&element, "AUSP", 0);
    ok = ok && ausp >= SEAT_NONE && ausp <= 2;
    AUSP = static_cast<std::int8_t>(ok ? ausp : SEAT_NONE);
    return ok;
}

bool SPIELKARTEN::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document)
{
    if (element == nullptr)
        return false;
    const bool ok = readParts(*element, document);
    const int handCards = hands[0].cardCount() + hands[1].cardCount() + hands[2].cardCount();
    if (pile.recordCount(PARTY_DECLARER) == 0 && (hands[0].isEmpty() || handCards == CARDS_IN_DECK))
        skat.clear();
    if (pile.recordCount(PARTY_DECLARER) > 0 || !hands[0].isEmpty())
        dealCounter = DEALT;
    if (ok)
        rebuildDeals();
    if (!ok || !isConsistent()) {
        clearPlay();
        return false;
    }
    return true;
}
