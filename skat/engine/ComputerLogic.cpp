#include "skat/engine/ComputerLogic.h"

#include "skat/engine/AnswerCheck.h"
#include "skat/engine/Karte.h"

#include <mutex>

void PLAYER_SITUATION::refresh(const SPIELKARTEN& tableCards, const SPIELSTRUCT& tableRecord, Seat ownSeat)
{
    cards = tableCards;
    record = tableRecord;
    seat = ownSeat;
}

CardSet PLAYER_SITUATION::legalCards() const { return legalCardsOfSeat(cards, record.SPIELART.SPIEL_TYP, seat); }

PLAYER_LOGIK::~PLAYER_LOGIK() = default;

void PLAYER_LOGIK::bidProposal(const PLAYER_SITUATION&)
{
    bidLimit = 0;
    proposedType = GAME_GRAND;
    proposedWinLevel = 0;
    proposedLevel = 0;
}

void PLAYER_LOGIK::chooseDiscard(const PLAYER_SITUATION& situation)
{
    CardSet hand = situation.hand();
    CardId cards[2] = {NO_CARD, NO_CARD};
    for (CardId& c : cards) {
        if (hand == 0)
            break;
        const CardBit bit = lowestBit(hand);
        c = cardIdOfBit(bit);
        hand &= hand - 1;
    }
    if (proposedType >= 0 && proposedType < 9)
        discardPair[static_cast<std::size_t>(proposedType)] = SKAT(cards[0], cards[1]);
}

void PLAYER_LOGIK::chooseCard(const PLAYER_SITUATION&)
{
    chosenCard = NO_CARD;
}

void PLAYER_LOGIK::updatePrognosis(const PLAYER_SITUATION&) {}

int PLAYER_LOGIK::evaluation(GameType) const
{
    return 0;
}

namespace {
std::mutex factoryMutex;
PlayerLogicFactory& factorySlot()
{
    static PlayerLogicFactory factory;
    return factory;
}
} // namespace

void setComputerLogicFactory(PlayerLogicFactory factory)
{
    std::lock_guard lock(factoryMutex);
    factorySlot() = std::move(factory);
}

std::unique_ptr<PLAYER_LOGIK> createComputerLogic()
{
    PlayerLogicFactory factory;
    {
        std::lock_guard lock(factoryMutex);
        factory = factorySlot();
    }
    if (factory)
        if (auto logic = factory())
            return logic;
    return std::make_unique<PLAYER_LOGIK>();
}
