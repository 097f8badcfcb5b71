#include "skat/engine/ComputerLogic.h"

#include <mutex>

void GameSnapshot::take(const SPIELKARTEN& tableCards, const SPIELSTRUCT& tableRecord, Seat ownSeat)
{
    seat = ownSeat;
    cards = tableCards;
    record = tableRecord.core();
    const STAPEL& pile = tableCards.pile;
    trickCount = static_cast<std::int8_t>(pile.trickCount());
    for (int n = 1; n <= STAPEL::MAX_TRICKS; ++n)
        tricks[static_cast<std::size_t>(n - 1)] =
            n <= trickCount ? PlayedTrick{pile.trick(n).code(), static_cast<std::int8_t>(pile.leaderOfTrick(n))}
                            : PlayedTrick{};
    laidAway = isValidSeat(ownSeat) && ownSeat == tableRecord.ALLEIN ? pile.skat().cardSet() : 0u;
}

CardSet GameSnapshot::legalCards() const
{
    const CardSet own = hand();
    if (cards.trick.isEmpty())
        return own;
    return EINBLATT::legalCards(own, trickCardBit(cards.trick.code(), 0), gameType());
}

CardSet GameSnapshot::playedCards() const
{
    CardSet played = cards.trick.cardSet();
    for (int n = 0; n < trickCount; ++n)
        played |= STICH(tricks[static_cast<std::size_t>(n)].code, 3).cardSet();
    return played;
}

PLAYER_LOGIK::~PLAYER_LOGIK() = default;

GameProposal PLAYER_LOGIK::proposeGame(const GameSnapshot&) { return {}; }

DiscardPair PLAYER_LOGIK::chooseDiscard(const GameSnapshot& game, const GameProposal&)
{
    // The two lowest cards of the hand.
    CardSet hand = game.hand();
    DiscardPair pair;
    if (hand != 0)
        pair.first = cardIdOfBit(popLowest(hand));
    if (hand != 0)
        pair.second = cardIdOfBit(popLowest(hand));
    return pair;
}

GameProposal PLAYER_LOGIK::proposalAfterDiscard(const GameSnapshot&, const GameProposal& proposal) { return proposal; }

CardId PLAYER_LOGIK::chooseCard(const GameSnapshot&) { return NO_CARD; }

int PLAYER_LOGIK::evaluation(const GameSnapshot&) { return 0; }

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
