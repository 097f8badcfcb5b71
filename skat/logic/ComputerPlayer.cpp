#include "skat/logic/ComputerPlayer.h"

#include "skat/logic/BiddingDealSampler.h"
#include "skat/logic/GameChoiceSearch.h"
#include "skat/logic/LeadTables.h"
#include "skat/logic/PrognosisDealSampler.h"
#include "skat/logic/StandInLogic.h"

#include <algorithm>
#include <atomic>

namespace {
std::atomic<int> playStyle{PLAY_STYLE_BALANCED};
// Poor until the program sets the user's: the drawn deals alone decide.
std::atomic<int> memoryPreference{2};
} // namespace

void setComputerMemory(int memory) { memoryPreference = memory >= 0 && memory <= 2 ? memory : 2; }

int computerMemory() { return memoryPreference; }

void setComputerPlayStyle(int style)
{
    playStyle = style >= PLAY_STYLE_DEFENSIVE && style <= PLAY_STYLE_OFFENSIVE ? style : PLAY_STYLE_BALANCED;
}

int computerPlayStyle() { return playStyle; }

COMPUTER_LOGIK::COMPUTER_LOGIK(const VL_TABELLEN* tables) : COMPUTER_LOGIK({}, {.preplayTables = tables}) { }

COMPUTER_LOGIK::COMPUTER_LOGIK(const ComputerPlayerSettings& settings, const ComputerPlayerData& data)
    : vorlogik(data.preplayTables)
    , settings_(settings)
    , leadTables_(data.leadTables)
    , profileQuery_(data.profiles)
{
    if (leadTables_)
        leadChoice_.useTables(*leadTables_);
}

int COMPUTER_LOGIK::playStyle() const
{
    return settings_.playStyle == ComputerPlayerSettings::FOLLOW_USER ? computerPlayStyle() : settings_.playStyle;
}

GameProposal COMPUTER_LOGIK::currentProposal() const
{
    const BidProposalRecord& p = vorlogik.proposal;
    GameProposal proposal;
    proposal.bidLimit = p.limit;
    proposal.type = p.type != GAME_NONE ? p.type : GAME_GRAND;
    proposal.winLevel = p.level;
    proposal.level = p.stage;
    // A grand played open is the grand ouvert.
    if (proposal.type == GAME_GRAND && proposal.winLevel == WIN_LEVEL_OUVERT_HAND)
        proposal.type = GAME_GRAND_OUVERT;
    return proposal;
}

GameProposal COMPUTER_LOGIK::proposeGame(const GameSnapshot& game)
{
    vorlogik.playStyle = playStyle();
    vorlogik.nullBidLevel = settings_.nullBidLevel;
    vorlogik.bidProposal(game.hand(), game.seat);
    return currentProposal();
}

DiscardPair COMPUTER_LOGIK::chooseDiscard(const GameSnapshot& game, const GameProposal&)
{
    vorlogik.playStyle = playStyle();
    vorlogik.seat = game.seat;
    vorlogik.chooseDiscard(game.hand(), game.record.GEREIZT);
    if (settings_.gameChoice.samples > 0)
        chooseGameBySearch(game);
    const GameType type = vorlogik.proposal.type;
    return type >= GAME_CLUBS && type <= GAME_NULL ? vorlogik.discards[static_cast<std::size_t>(type)] : DiscardPair{};
}

void COMPUTER_LOGIK::chooseGameBySearch(const GameSnapshot& game)
{
    const CardSet twelve = game.hand();
    const int bid = game.record.GEREIZT;
    if (cardCount(twelve) != 12)
        return;
    std::array<GameChoiceCandidate, 7> candidates{};
    std::array<int, 7> levels{};
    std::size_t n = 0;
    const EINBLATT cards(twelve);
    for (GameType t = GAME_CLUBS; t <= GAME_GRAND; ++t) {
        // A suit game of three trumps or fewer is never worth a search.
        if (t != GAME_GRAND && cards.trumpCount(t) < 4)
            continue;
        const int matadors = t == GAME_GRAND ? cards.spitzenGrand() : cards.spitzen(trumpSuit(t));
        GameChoiceCandidate& c = candidates[n];
        c.type = t;
        c.away = discardCards(vorlogik.discards[static_cast<std::size_t>(t)]);
        c.value = SPIELART(t, WIN_LEVEL_WITH_SKAT).gameValue(matadors);
        c.schneiderValue = SPIELART(t, WIN_LEVEL_WITH_SKAT, LEVEL_SCHNEIDER).gameValue(matadors);
        if (c.value >= bid && cardCount(c.away) == 2)
            levels[n++] = 0;
    }
    // Null and null ouvert when the tables see a null hand at all.
    if (vorlogik.nullRatingAfterDiscard(twelve) >= 0)
        for (const int level : {WIN_LEVEL_WITH_SKAT, WIN_LEVEL_OUVERT}) {
            GameChoiceCandidate& c = candidates[n];
            c.type = GAME_NULL;
            c.away = discardCards(vorlogik.discards[GAME_NULL]);
            c.value = c.schneiderValue = SPIELART(GAME_NULL, level).gameValue(0);
            if (c.value >= bid && cardCount(c.away) == 2)
                levels[n++] = level;
        }
    if (n == 0)
        return;
    std::array<GameChoiceScore, 7> scores{};
    const int best = ::chooseGameBySearch(twelve, game.seat, game.cards.leader(), {candidates.data(), n},
                                          gameChoiceRandom_, settings_.gameChoice, scores);
    if (best < 0)
        return;
    const GameChoiceCandidate& chosen = candidates[static_cast<std::size_t>(best)];
    BidProposalRecord& p = vorlogik.proposal;
    if (p.type != chosen.type) {
        const GameBlock& block = p.block(chosen.type);
        p.rating = block.after.rating;
        p.rating1 = block.before.rating;
    }
    p.type = p.typeAgain = chosen.type;
    p.level = levels[static_cast<std::size_t>(best)];
    p.limit = chosen.value;
}

GameProposal COMPUTER_LOGIK::proposalAfterDiscard(const GameSnapshot&, const GameProposal&)
{
    return currentProposal();
}

PlayView COMPUTER_LOGIK::viewOf(const GameSnapshot& game)
{
    PlayView view;
    view.type = game.gameType();
    view.self = game.seat;
    view.declarer = game.record.declarer();
    view.hand = game.hand();
    for (int n = 0; n < std::min<int>(game.trickCount, STAPEL::MAX_TRICKS); ++n) {
        const TrickCode code = game.tricks[static_cast<std::size_t>(n)].code;
        for (int place = 0; place < 3; ++place)
            view.played |= bitMask(trickCardBit(code, place));
    }
    // The declarer knows the cards it laid away, not the skat of a hand game.
    if (game.record.SPIELART.GEWINN_STUFE < WIN_LEVEL_HAND)
        view.knownAway = game.laidAway;
    view.trickCount = std::min(game.cards.trick.count(), 2);
    for (int i = 0; i < view.trickCount; ++i)
        view.trick[static_cast<std::size_t>(i)] = game.cards.trick.card(i)->bit();
    return view;
}

CardId COMPUTER_LOGIK::tableCard(const GameSnapshot& game, CardId simple)
{
    tableRated_ = false;
    // The simple choice alone when asked for, or without a logic set.
    if (settings_.simpleCardBonus >= ComputerPlayerSettings::SIMPLE_ONLY
        || !(leadTables_ ? *leadTables_ : leadTables).ensureLoaded())
        return simple;
    leadSituation_ = LeadSituation::of(game);
    const SeenCardChances chances(leadSituation_);
    leadChoice_.evaluate(leadSituation_, chances);
    const CardId card = leadChoice_.pick(simple, settings_.simpleCardBonus);
    tableRated_ = card != NO_CARD;
    return card != NO_CARD ? card : simple;
}

CardId COMPUTER_LOGIK::chooseCard(const GameSnapshot& game)
{
    const CardId chosen = tableCard(game, chooseHeuristicCard(viewOf(game)));
    if (!settings_.openAnalysis)
        return chosen;
    // Late in a game (null: a defender from the first trick) the open-game
    // analysis chooses; among the cards it rates best the tables' card is
    // preferred, then the higher lead-table total.
    std::array<LeadRating, ZUGWERTUNG::CAPACITY> leads{};
    std::size_t leadCount = 0;
    OpenChoiceContext context;
    if (settings_.fullLeadRatings && tableRated_) {
        const ZUGWERTUNG& rated = leadChoice_.ratings();
        for (int i = 0; i < rated.count(); ++i) {
            const CardId card = rated.entries[i].card;
            leads[leadCount++] = {card, rated.total(card)};
        }
        context.tableCard = chosen;
    } else {
        leads[leadCount++] = {chosen, 1};
    }
    // The prognosis is rebuilt only when the sampler draws its first deal.
    PrognosisDealSampler prognosisSampler(prognosis_,
                                          [this, &game] { prognosis_.update(game, settings_.open.ownViewPrognosis); });
    UniformDealSampler uniform;
    DealSampler& drawn = settings_.open.prognosisDeals ? static_cast<DealSampler&>(prognosisSampler) : uniform;
    BiddingDealSampler bidding(drawn, vorlogik.tables(), settings_.open.biddingTries);
    context.sampler = settings_.open.biddingTries > 1 ? &bidding : &drawn;
    context.analysis = settings_.open;
    const bool memoryDraw = settings_.memory != ComputerPlayerSettings::NO_MEMORY_DRAW;
    if (memoryDraw) {
        context.memory = settings_.memory == ComputerPlayerSettings::FOLLOW_USER ? computerMemory() : settings_.memory;
        // A program that joined a table has no host generator: the drawn
        // deals decide.
        context.hostRandom = game.hostingTable ? &memoryRandom_ : nullptr;
    }
    const CardId open =
        openGameCard(game, openGameRandom_, {leads.data(), leadCount}, context, &openAnalysis_, memoryDraw);
    return open != NO_CARD ? open : chosen;
}

int COMPUTER_LOGIK::evaluation(const GameSnapshot& game)
{
    const GameType type = game.gameType();
    if (type < GAME_CLUBS || type > GAME_NULL)
        return 0;
    return vorlogik.proposal.block(type == GAME_GRAND_OUVERT ? GAME_GRAND : type).before.rating;
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
