#include "skat/logic/ComputerPlayer.h"

#include "skat/logic/StandInLogic.h"

#include <atomic>

namespace {
std::atomic<int> playStyle{PLAY_STYLE_BALANCED};
} // namespace

void setComputerPlayStyle(int style)
{
    playStyle = style >= PLAY_STYLE_DEFENSIVE && style <= PLAY_STYLE_OFFENSIVE ? style : PLAY_STYLE_BALANCED;
}

int computerPlayStyle() { return playStyle; }

COMPUTER_LOGIK::COMPUTER_LOGIK(const VL_TABELLEN* tables) : vorlogik(tables) {}

void COMPUTER_LOGIK::takeProposal()
{
    const BidProposalRecord& p = vorlogik.proposal;
    bidLimit = p.limit;
    proposedType = p.type != GAME_NONE ? p.type : GAME_GRAND;
    proposedWinLevel = p.level;
    proposedLevel = p.stage;
    for (GameType t = GAME_CLUBS; t <= GAME_NULL; ++t) {
        const DiscardPair& d = vorlogik.discards[static_cast<std::size_t>(t)];
        discardPair[static_cast<std::size_t>(t)] = SKAT(d.first, d.second);
    }
}

void COMPUTER_LOGIK::bidProposal(const PLAYER_SITUATION& situation)
{
    vorlogik.playStyle = computerPlayStyle();
    vorlogik.bidProposal(situation.hand(), situation.seat);
    takeProposal();
}

void COMPUTER_LOGIK::chooseDiscard(const PLAYER_SITUATION& situation)
{
    vorlogik.playStyle = computerPlayStyle();
    vorlogik.seat = situation.seat;
    vorlogik.chooseDiscard(situation.hand(), situation.record.GEREIZT);
    takeProposal();
}

PlayView COMPUTER_LOGIK::viewOf(const PLAYER_SITUATION& situation)
{
    PlayView view;
    const SPIELKARTEN& cards = situation.cards;
    view.type = situation.record.SPIELART.SPIEL_TYP;
    view.self = situation.seat;
    view.declarer = situation.record.ALLEIN;
    view.hand = situation.hand();
    for (int n = 1; n <= cards.pile.trickCount(); ++n)
        view.played |= cards.pile.trick(n).cardSet();
    // The declarer knows the two cards it laid away (not the skat of a hand game).
    if (view.self == view.declarer && situation.record.SPIELART.GEWINN_STUFE < WIN_LEVEL_HAND)
        view.knownAway = cards.pile.skat().cardSet();
    view.trickCount = std::min(cards.trick.count(), 2);
    for (int i = 0; i < view.trickCount; ++i)
        view.trick[static_cast<std::size_t>(i)] = cards.trick.card(i)->bit();
    return view;
}

void COMPUTER_LOGIK::chooseCard(const PLAYER_SITUATION& situation)
{
    chosenCard = chooseHeuristicCard(viewOf(situation));
}

int COMPUTER_LOGIK::evaluation(GameType type) const
{
    if (type < GAME_CLUBS || type > GAME_NULL || type == GAME_GRAND_OUVERT)
        return 0;
    return vorlogik.proposal.block(type).before.rating;
}

void registerComputerLogic()
{
    setComputerLogicFactory([] { return std::make_unique<COMPUTER_LOGIK>(); });
}

std::unique_ptr<PLAYER_LOGIK> createLogicByName(std::string_view name)
{
    if (name == "full")
        return std::make_unique<COMPUTER_LOGIK>();
    if (name == "standin")
        return std::make_unique<STANDIN_LOGIK>();
    return nullptr;
}
