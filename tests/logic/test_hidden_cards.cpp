// The computer player chooses from its own view only: every question of a
// game is asked twice, of two players built alike, once with the table's
// snapshot and once with the cards the seat cannot see scrambled (the other
// hands and a skat it has not seen). The bids, games, discards, Kontra
// ratings and cards must agree, and every card must be legal.

#include "skat/logic/ComputerPlayer.h"
#include "skat/logic/LeadTables.h"
#include "tests/engine/test_table_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <random>
#include <sstream>
#include <vector>

using namespace table_test;

namespace {

const VL_TABELLEN& shippedTables()
{
    static const VL_TABELLEN tables = [] {
        VL_TABELLEN t;
        t.loadFromFolder(SKAT_LOGIC_DATA_DIR);
        leadTables.useFolder(SKAT_LOGIC_DATA_DIR);
        return t;
    }();
    return tables;
}

bool openDeclarerHand(const GameSnapshot& game)
{
    const int level = game.record.SPIELART.GEWINN_STUFE;
    return game.gameType() == GAME_GRAND_OUVERT || level == WIN_LEVEL_OUVERT || level == WIN_LEVEL_OUVERT_HAND;
}

// The same position with every card the seat cannot know dealt anew: its
// own hand, the cards played, an open declarer's hand and the cards it put
// away itself stay; the other hands keep their sizes.
GameSnapshot scrambled(const GameSnapshot& game, std::mt19937& random)
{
    GameSnapshot other = game;
    const Seat declarer = game.record.declarer();
    const bool ownDeclarer = isValidSeat(declarer) && declarer == game.seat;
    const bool sawSkat = ownDeclarer && game.record.SPIELART.GEWINN_STUFE < WIN_LEVEL_HAND;
    CardSet known = game.hand() | game.playedCards() | (sawSkat ? game.laidAway : 0u);
    std::array<bool, 3> keep{};
    for (int s = 0; s < 3; ++s) {
        keep[static_cast<std::size_t>(s)] = s == game.seat || (s == declarer && openDeclarerHand(game));
        if (keep[static_cast<std::size_t>(s)])
            known |= game.cards.hands[static_cast<std::size_t>(s)].cardSet();
    }
    std::vector<CardBit> unseen;
    for (CardSet rest = ALL_CARDS & ~known; rest != 0;)
        unseen.push_back(popLowest(rest));
    std::shuffle(unseen.begin(), unseen.end(), random);
    std::size_t next = 0;
    auto take = [&](int count) {
        CardSet set = 0;
        for (int i = 0; i < count && next < unseen.size(); ++i)
            set |= bitMask(unseen[next++]);
        return set;
    };
    for (int s = 0; s < 3; ++s)
        if (!keep[static_cast<std::size_t>(s)])
            other.cards.hands[static_cast<std::size_t>(s)].setCardSet(
                take(game.cards.hands[static_cast<std::size_t>(s)].cardCount()));
    if (ownDeclarer && !sawSkat && game.laidAway != 0)
        other.laidAway = take(cardCount(game.laidAway));
    return other;
}

struct Findings {
    std::mutex lock;
    std::vector<std::string> faults;
    int proposals = 0, discards = 0, leads = 0, follows = 0, ratings = 0;
    std::array<int, GAME_NULL + 2> cardsByType{}; // last: other types
    int handGameCards = 0;

    void fault(const std::string& what)
    {
        std::lock_guard guard(lock);
        if (faults.size() < 20)
            faults.push_back(what);
    }
};

std::string describe(const GameSnapshot& game)
{
    std::ostringstream out;
    out << "seat " << game.seat << ", type " << game.gameType() << ", level " << game.record.SPIELART.GEWINN_STUFE
        << ", tricks " << int(game.trickCount) << "+" << game.cards.trick.count() << ", hand " << std::hex
        << game.hand();
    return out.str();
}

// Asks two players built alike: the first with the table's snapshot (its
// answers play), the second with a scrambled one.
class ScrambleCheck : public PLAYER_LOGIK {
public:
    ScrambleCheck(const ComputerPlayerSettings& settings, Findings& findings, std::uint32_t seed)
        : real_(settings, {.preplayTables = &shippedTables()})
        , shadow_(settings, {.preplayTables = &shippedTables()})
        , findings_(findings)
        , random_(seed)
    {
    }

    GameProposal proposeGame(const GameSnapshot& game) override
    {
        const GameProposal answer = real_.proposeGame(game);
        if (!(shadow_.proposeGame(scrambled(game, random_)) == answer))
            findings_.fault("bid and game proposal: " + describe(game));
        std::lock_guard guard(findings_.lock);
        ++findings_.proposals;
        return answer;
    }

    DiscardPair chooseDiscard(const GameSnapshot& game, const GameProposal& proposal) override
    {
        const DiscardPair answer = real_.chooseDiscard(game, proposal);
        if (!(shadow_.chooseDiscard(scrambled(game, random_), proposal) == answer))
            findings_.fault("discard: " + describe(game));
        const CardSet pair = cardMaskOfId(answer.first) | cardMaskOfId(answer.second);
        if (cardCount(pair) != 2 || (pair & ~game.hand()) != 0)
            findings_.fault("discard not two cards of the hand: " + describe(game));
        std::lock_guard guard(findings_.lock);
        ++findings_.discards;
        return answer;
    }

    GameProposal proposalAfterDiscard(const GameSnapshot& game, const GameProposal& proposal) override
    {
        const GameProposal answer = real_.proposalAfterDiscard(game, proposal);
        if (!(shadow_.proposalAfterDiscard(scrambled(game, random_), proposal) == answer))
            findings_.fault("game after the discard: " + describe(game));
        return answer;
    }

    CardId chooseCard(const GameSnapshot& game) override
    {
        const CardId answer = real_.chooseCard(game);
        const CardId shadow = shadow_.chooseCard(scrambled(game, random_));
        if (shadow != answer)
            findings_.fault("card " + std::to_string(answer) + " became " + std::to_string(shadow) + ": "
                            + describe(game));
        if (answer == NO_CARD || (cardMaskOfId(answer) & game.legalCards()) == 0)
            findings_.fault("illegal card " + std::to_string(answer) + ": " + describe(game));
        std::lock_guard guard(findings_.lock);
        ++(game.leads() ? findings_.leads : findings_.follows);
        const GameType type = game.gameType();
        ++findings_.cardsByType[type >= GAME_CLUBS && type <= GAME_NULL ? static_cast<std::size_t>(type)
                                                                        : findings_.cardsByType.size() - 1];
        findings_.handGameCards += game.record.SPIELART.GEWINN_STUFE >= WIN_LEVEL_HAND;
        return answer;
    }

    int evaluation(const GameSnapshot& game) override
    {
        const int answer = real_.evaluation(game);
        if (shadow_.evaluation(scrambled(game, random_)) != answer)
            findings_.fault("Kontra rating: " + describe(game));
        std::lock_guard guard(findings_.lock);
        ++findings_.ratings;
        return answer;
    }

private:
    COMPUTER_LOGIK real_;
    COMPUTER_LOGIK shadow_;
    Findings& findings_;
    std::mt19937 random_;
};

struct Variant {
    const char* name;
    bool openAnalysis;
    bool prognosisDeals;
    std::uint32_t seed;
    int gameChoiceSamples = 0; // the game after the skat by searching drawn deals
};

// Plays twelve games of a list with every seat asking both players; the
// memory preference "poor" lets the drawn deals alone decide.
void checkVariant(const Variant& variant)
{
    SCOPED_TRACE(variant.name);
    shippedTables();
    ComputerPlayerSettings settings;
    settings.openAnalysis = variant.openAnalysis;
    settings.open.prognosisDeals = variant.prognosisDeals;
    settings.gameChoice.samples = variant.gameChoiceSamples;
    settings.memory = 2;
    Findings findings;
    std::uint32_t logicSeed = variant.seed;
    TableHarness harness([&] { return std::make_unique<ScrambleCheck>(settings, findings, ++logicSeed); },
                         variant.seed);
    harness.stopAfterGames = 12;
    harness.table->modus.setNextOfList(harness.table->sheet);
    ASSERT_TRUE(harness.playToEnd(240000));
    for (const std::string& fault : findings.faults)
        ADD_FAILURE() << fault;
    // The games asked every kind of question.
    EXPECT_GT(findings.proposals, 0);
    EXPECT_GT(findings.discards, 0);
    EXPECT_GT(findings.leads, 0);
    EXPECT_GT(findings.follows, 0);
    int types = 0;
    for (const int count : findings.cardsByType)
        types += count > 0;
    EXPECT_GE(types, 3);
}

// The bidding, the skat, the announcement, Kontra and the card choice by the
// tables, and the open-game analysis (a null defender from the first trick,
// everyone late in a game) on deals drawn uniformly from what the seat saw.
const Variant VARIANTS[] = {
    {"tables only", false, false, 20261211},
    {"tables only, other deals", false, false, 777},
    {"open analysis on uniform deals", true, false, 20261211},
    {"open analysis on uniform deals, other deals", true, false, 777},
};

TEST(HiddenCards, NoChoiceDependsOnCardsTheSeatCannotSee)
{
    for (const Variant& variant : VARIANTS)
        checkVariant(variant);
}

// The open-game analysis on deals drawn by the card-location prognosis,
// which hears only what the seat saw (its heuristics' hints are no longer
// checked against the real hands and skat).
TEST(HiddenCards, TheCardLocationPrognosisReadsNoHiddenCard)
{
    checkVariant({"open analysis on prognosis deals", true, true, 20261211});
    checkVariant({"open analysis on prognosis deals, other deals", true, true, 777});
}

// The declarer's game after the skat chosen by searching deals drawn from
// its twelve cards.
TEST(HiddenCards, TheGameChoiceBySearchReadsOnlyTheDeclarersCards)
{
    checkVariant({"game choice by search", false, false, 20261211, 2});
}

} // namespace
