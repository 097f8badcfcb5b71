// Settlement of finished games under the international rules, the former
// rules and pub rules with their options.

#include "skat/engine/Spielstruct.h"
#include "skat/engine/Stapel.h"

#include <gtest/gtest.h>

namespace {

RuleSettings international() { return {}; }

RuleSettings former()
{
    RuleSettings rules;
    rules.ruleSet = RULESET_FORMER;
    rules.grandOuvert36 = true;
    rules.lostHandSingle = true;
    return rules;
}

RuleSettings schneiderAt91()
{
    RuleSettings rules;
    rules.ruleSet = RULESET_PUB;
    rules.schneiderAt91 = true;
    return rules;
}

RuleSettings withBock(bool at91 = false)
{
    RuleSettings rules;
    rules.ruleSet = RULESET_PUB;
    rules.kontraRe = true;
    rules.bockRounds = true;
    rules.bockOn60To60 = true;
    rules.bockOnLostKontra = true;
    rules.bockOnWonKontra = true;
    rules.bockOnDefenders90 = true;
    rules.bockOnDeclarer90 = true;
    rules.schneiderAt91 = at91;
    return rules;
}

// A pile's tally: the declarer's points (skat included) and tricks, the
// defenders' points and tricks.
SettlementTally tally(int declarerPoints, int declarerTricks, int defenderPoints, int defenderTricks)
{
    SettlementTally t;
    t.declarerPoints = declarerPoints;
    t.declarerCards = 2 + 3 * declarerTricks;
    t.defenderPoints = defenderPoints;
    t.defenderCards = 3 * defenderTricks;
    t.tricksPlayed = declarerTricks + defenderTricks;
    return t;
}

struct Extras {
    bool kontra = false;
    bool re = false;
    int bock = 0;
    bool declarerGaveUp = false;
    bool defendersGaveUp = false;
};

struct GameCase {
    const char* name;
    RuleSettings rules;
    SPIELART game;
    int matadors;
    int bid;
    SettlementTally pile;
    Extras extras;
    int value;
    int levelReached;
    int levelsCounted;
    bool setsOffBock;
};

SPIELSTRUCT settled(const GameCase& c)
{
    SPIELSTRUCT record;
    record.ALLEIN = 1;
    record.SPIELART = c.game;
    record.SPITZEN = c.matadors;
    record.GEREIZT = c.bid;
    record.KONTRA = c.extras.kontra;
    record.RE = c.extras.re;
    record.BOCKRUNDE_NR = c.extras.bock;
    record.ALSP_AUFGEGEBEN = c.extras.declarerGaveUp;
    record.GEGNER_AUFGEGEBEN = c.extras.defendersGaveUp;
    record.settle(c.pile, c.rules);
    return record;
}

void check(const GameCase& c)
{
    SCOPED_TRACE(c.name);
    const SPIELSTRUCT record = settled(c);
    EXPECT_EQ(record.SPIELWERT, c.value);
    EXPECT_EQ(record.SPIELART.STUFE, c.levelReached);
    EXPECT_EQ(record.STUFE_DER_ABRECHNUNG, c.levelsCounted);
    EXPECT_EQ(record.LOEST_BOCKRUNDE_AUS, c.setsOffBock);
    EXPECT_EQ(record.isLost(), c.value < 0);
}

const SPIELART CLUBS{GAME_CLUBS, WIN_LEVEL_WITH_SKAT};
const SPIELART SPADES{GAME_SPADES, WIN_LEVEL_WITH_SKAT};
const SPIELART HEARTS{GAME_HEARTS, WIN_LEVEL_WITH_SKAT};
const SPIELART DIAMONDS{GAME_DIAMONDS, WIN_LEVEL_WITH_SKAT};
const SPIELART GRAND{GAME_GRAND, WIN_LEVEL_WITH_SKAT};

TEST(Settlement, SuitAndGrandGames)
{
    // clang-format off
    const GameCase cases[] = {
        {"clubs with one", international(), CLUBS, 1, 18, tally(61, 5, 59, 5), {}, 24, 0, 2, false},
        {"clubs without two", international(), CLUBS, -2, 36, tally(70, 6, 50, 4), {}, 36, 0, 3, false},
        {"spades hand with one", international(), {GAME_SPADES, WIN_LEVEL_HAND}, 1, 33, tally(61, 5, 59, 5), {},
         33, 0, 3, false},
        {"hearts Schneider: defenders with 30", international(), HEARTS, 1, 18, tally(90, 8, 30, 2), {}, 30, 1,
         3, false},
        {"grand Schwarz", international(), GRAND, 2, 18, tally(120, 10, 0, 0), {}, 120, 2, 5, false},
        // Schwarz goes by tricks, not points: a trick of no points keeps it off.
        {"all points but not every trick", international(), GRAND, 2, 18, tally(120, 9, 0, 1), {}, 96, 1, 4,
         false},
        {"grand hand Schneider announced and reached", international(),
         {GAME_GRAND, WIN_LEVEL_SCHNEIDER_ANNOUNCED}, 1, 18, tally(95, 8, 25, 2), {}, 120, 1, 5, false},
        {"grand hand Schwarz reached with Schneider announced", international(),
         {GAME_GRAND, WIN_LEVEL_SCHNEIDER_ANNOUNCED}, 1, 18, tally(120, 10, 0, 0), {}, 144, 2, 6, false},
        {"diamonds Schwarz announced and reached", international(), {GAME_DIAMONDS, WIN_LEVEL_SCHWARZ_ANNOUNCED},
         1, 18, tally(120, 10, 0, 0), {}, 63, 2, 7, false},
        {"clubs ouvert", international(), {GAME_CLUBS, WIN_LEVEL_OUVERT_HAND}, 2, 18, tally(120, 10, 0, 0), {},
         108, 2, 9, false},
        {"grand ouvert with four", international(), {GAME_GRAND_OUVERT, WIN_LEVEL_OUVERT_HAND}, 4, 18,
         tally(120, 10, 0, 0), {}, 264, 2, 11, false},
        {"grand ouvert counting 36", former(), {GAME_GRAND_OUVERT, WIN_LEVEL_OUVERT_HAND}, 4, 18,
         tally(120, 10, 0, 0), {}, 360, 2, 10, false},
    };
    // clang-format on
    for (const GameCase& c : cases)
        check(c);
}

TEST(Settlement, LostGamesAndAnnouncementsMissed)
{
    const SPIELART grandSchneiderAnnounced{GAME_GRAND, WIN_LEVEL_SCHNEIDER_ANNOUNCED};
    const SPIELART grandOuvert{GAME_GRAND_OUVERT, WIN_LEVEL_OUVERT_HAND};
    // clang-format off
    const GameCase cases[] = {
        {"lost at 60 to 60", international(), SPADES, 1, 18, tally(60, 5, 60, 5), {}, -44, 0, 2, false},
        {"declarer Schneider", international(), SPADES, 1, 18, tally(30, 2, 90, 8), {}, -66, 1, 3, false},
        {"declarer without a trick is Schwarz", international(), SPADES, 1, 18, tally(0, 0, 120, 10), {}, -88, 2,
         4, false},
        {"hand announced Schneider missed", international(), grandSchneiderAnnounced, 1, 18, tally(80, 7, 40, 3),
         {}, -240, 0, 5, false},
        {"hand announced Schneider missed, single", former(), grandSchneiderAnnounced, 1, 18,
         tally(80, 7, 40, 3), {}, -120, 0, 5, false},
        {"Schwarz announced, defenders took a trick", international(),
         {GAME_DIAMONDS, WIN_LEVEL_SCHWARZ_ANNOUNCED}, 1, 18, tally(110, 9, 10, 1), {}, -126, 1, 7, false},
        {"lost hand game doubles", international(), {GAME_HEARTS, WIN_LEVEL_HAND}, 1, 18, tally(50, 4, 70, 6),
         {}, -60, 0, 3, false},
        {"lost hand game single", former(), {GAME_HEARTS, WIN_LEVEL_HAND}, 1, 18, tally(50, 4, 70, 6), {}, -30,
         0, 3, false},
        {"lost game with the skat doubles also under the former rules", former(), HEARTS, 1, 18,
         tally(50, 4, 70, 6), {}, -40, 0, 2, false},
        {"grand ouvert ends when the defenders take a trick", international(), grandOuvert, 4, 18,
         tally(40, 3, 11, 1), {.declarerGaveUp = true}, -528, 0, 11, false},
        {"grand ouvert 36 lost single", former(), grandOuvert, 4, 18, tally(40, 3, 11, 1),
         {.declarerGaveUp = true}, -360, 0, 10, false},
    };
    // clang-format on
    for (const GameCase& c : cases)
        check(c);
}

TEST(Settlement, SchneiderAt91)
{
    // clang-format off
    const GameCase cases[] = {
        {"defenders with 30 are Schneider", international(), HEARTS, 1, 18, tally(90, 8, 30, 2), {}, 30, 1, 3,
         false},
        {"with the rule 30 are not", schneiderAt91(), HEARTS, 1, 18, tally(90, 8, 30, 2), {}, 20, 0, 2, false},
        {"with the rule 29 are", schneiderAt91(), HEARTS, 1, 18, tally(91, 8, 29, 2), {}, 30, 1, 3, false},
        // The rule moves only the defenders' limit; the declarer is Schneider at 30.
        {"with the rule a declarer with 30 is Schneider", schneiderAt91(), HEARTS, 1, 18, tally(30, 2, 90, 8), {},
         -60, 1, 3, false},
        {"announced Schneider missed at 90", schneiderAt91(), {GAME_HEARTS, WIN_LEVEL_SCHNEIDER_ANNOUNCED}, 1,
         18, tally(90, 8, 30, 2), {}, -100, 0, 5, false},
    };
    // clang-format on
    for (const GameCase& c : cases)
        check(c);
}

TEST(Settlement, NullGamesCountTheirFixedValueWhateverTheMatadors)
{
    // clang-format off
    const GameCase cases[] = {
        {"null", international(), {GAME_NULL, WIN_LEVEL_WITH_SKAT}, 3, 23, tally(5, 0, 115, 10), {}, 23, 0, 1,
         false},
        {"null lost", international(), {GAME_NULL, WIN_LEVEL_WITH_SKAT}, 3, 23, tally(9, 1, 20, 2),
         {.declarerGaveUp = true}, -46, 0, 1, false},
        {"null ouvert", international(), {GAME_NULL, WIN_LEVEL_OUVERT}, -2, 46, tally(5, 0, 115, 10), {}, 46, 0,
         1, false},
        {"null ouvert lost doubles under the former rules", former(), {GAME_NULL, WIN_LEVEL_OUVERT}, 0, 46,
         tally(9, 1, 0, 0), {.declarerGaveUp = true}, -92, 0, 1, false},
        {"null hand", international(), {GAME_NULL, WIN_LEVEL_HAND}, 1, 35, tally(5, 0, 115, 10), {}, 35, 0, 1,
         false},
        {"null hand lost", international(), {GAME_NULL, WIN_LEVEL_HAND}, 1, 35, tally(9, 1, 0, 0),
         {.declarerGaveUp = true}, -70, 0, 1, false},
        {"null hand lost single", former(), {GAME_NULL, WIN_LEVEL_HAND}, 1, 35, tally(9, 1, 0, 0),
         {.declarerGaveUp = true}, -35, 0, 1, false},
        {"null ouvert hand", international(), {GAME_NULL, WIN_LEVEL_OUVERT_HAND}, 4, 59, tally(5, 0, 115, 10),
         {}, 59, 0, 1, false},
        {"null ouvert hand lost", international(), {GAME_NULL, WIN_LEVEL_OUVERT_HAND}, 4, 59, tally(9, 1, 0, 0),
         {.declarerGaveUp = true}, -118, 0, 1, false},
        {"null overbid", international(), {GAME_NULL, WIN_LEVEL_WITH_SKAT}, 0, 24, tally(5, 0, 115, 10), {}, -92,
         0, 2, false},
    };
    // clang-format on
    for (const GameCase& c : cases)
        check(c);
}

TEST(Settlement, OverbidGameIsRaisedToTheBidAndLost)
{
    // clang-format off
    const GameCase cases[] = {
        {"diamonds with one bid 20", international(), DIAMONDS, 1, 20, tally(80, 7, 40, 3), {}, -54, 0, 3,
         false},
        {"a bid exactly met is not overbid", international(), DIAMONDS, 1, 18, tally(80, 7, 40, 3), {}, 18, 0, 2,
         false},
        {"Schneider reached covers the bid", international(), DIAMONDS, 1, 27, tally(95, 8, 25, 2), {}, 27, 1, 3,
         false},
        {"overbid hand game doubles", international(), {GAME_HEARTS, WIN_LEVEL_HAND}, 1, 33, tally(70, 6, 50, 4),
         {}, -80, 0, 4, false},
        {"overbid hand game single", former(), {GAME_HEARTS, WIN_LEVEL_HAND}, 1, 33, tally(70, 6, 50, 4), {},
         -40, 0, 4, false},
        {"two steps up", international(), DIAMONDS, 1, 30, tally(80, 7, 40, 3), {}, -72, 0, 4, false},
        // No bid lies above the table's top value 361; a damaged one is
        // raised no further than that (and the raise ends).
        {"bid beyond every bid value", international(), DIAMONDS, 1, 2147483647, tally(80, 7, 40, 3), {}, -738, 0,
         41, false},
    };
    // clang-format on
    for (const GameCase& c : cases)
        check(c);
}

TEST(Settlement, OverbidWithoutBaseValueEnds)
{
    // A damaged record (null with an impossible win level) has no base value;
    // raising it must not loop forever.
    const GameCase c{"null without base value",
                     international(),
                     {GAME_NULL, WIN_LEVEL_SCHNEIDER_ANNOUNCED},
                     0,
                     18,
                     tally(5, 0, 115, 10),
                     {},
                     0,
                     0,
                     1,
                     false};
    check(c);
}

TEST(Settlement, KontraReAndBockDouble)
{
    // clang-format off
    const GameCase cases[] = {
        {"Kontra", international(), CLUBS, 1, 18, tally(61, 5, 59, 5), {.kontra = true}, 48, 0, 2, false},
        {"Kontra and Re", international(), CLUBS, 1, 18, tally(61, 5, 59, 5), {.kontra = true, .re = true}, 96,
         0, 2, false},
        {"lost with Kontra and Re", international(), CLUBS, 1, 18, tally(50, 4, 70, 6),
         {.kontra = true, .re = true}, -192, 0, 2, false},
        {"Re without Kontra counts nothing", international(), CLUBS, 1, 18, tally(61, 5, 59, 5), {.re = true},
         24, 0, 2, false},
        {"Bock game", international(), CLUBS, 1, 18, tally(61, 5, 59, 5), {.bock = 2}, 48, 0, 2, false},
        {"Bock, Kontra and Re", international(), CLUBS, 1, 18, tally(61, 5, 59, 5),
         {.kontra = true, .re = true, .bock = 1}, 192, 0, 2, false},
        {"Null with Kontra", international(), {GAME_NULL, WIN_LEVEL_WITH_SKAT}, 0, 23, tally(5, 0, 115, 10),
         {.kontra = true}, 46, 0, 1, false},
    };
    // clang-format on
    for (const GameCase& c : cases)
        check(c);
}

TEST(Settlement, BockTriggers)
{
    // clang-format off
    const GameCase cases[] = {
        {"plain game sets off nothing", withBock(), SPADES, 1, 18, tally(70, 6, 50, 4), {}, 22, 0, 2, false},
        {"60 to 60", withBock(), SPADES, 1, 18, tally(60, 5, 60, 5), {}, -44, 0, 2, true},
        {"lost Kontra game", withBock(), SPADES, 1, 18, tally(50, 4, 70, 6), {.kontra = true}, -88, 0, 2, true},
        {"won Kontra game", withBock(), SPADES, 1, 18, tally(70, 6, 50, 4), {.kontra = true}, 44, 0, 2, true},
        {"defenders with 90", withBock(), SPADES, 1, 18, tally(30, 2, 90, 8), {}, -66, 1, 3, true},
        {"declarer with 90", withBock(), SPADES, 1, 18, tally(90, 8, 30, 2), {}, 33, 1, 3, true},
        {"declarer with 90 under Schneider at 91", withBock(true), SPADES, 1, 18, tally(90, 8, 30, 2), {}, 22, 0,
         2, false},
        {"declarer with 91 under Schneider at 91", withBock(true), SPADES, 1, 18, tally(91, 8, 29, 2), {}, 33, 1,
         3, true},
        {"null never sets off Bock", withBock(), {GAME_NULL, WIN_LEVEL_WITH_SKAT}, 0, 23, tally(5, 0, 115, 10),
         {.kontra = true}, 46, 0, 1, false},
        {"without Bock rounds nothing is set off", international(), SPADES, 1, 18, tally(60, 5, 60, 5),
         {.kontra = true}, -88, 0, 2, false},
    };
    // clang-format on
    for (const GameCase& c : cases)
        check(c);
}

TEST(Settlement, DeclarerWhoGivesUpLoses)
{
    const SPIELART clubsHandSchneider{GAME_CLUBS, WIN_LEVEL_SCHNEIDER_ANNOUNCED};
    // clang-format off
    const GameCase cases[] = {
        // Holding only the skat is no Schwarz yet when nothing was played.
        {"before the first trick", international(), CLUBS, 1, 18, tally(0, 0, 0, 0), {.declarerGaveUp = true},
         -48, 0, 2, false},
        {"although the points would have won", international(), CLUBS, 1, 18, tally(75, 6, 15, 2),
         {.declarerGaveUp = true}, -48, 0, 2, false},
        {"with the defenders' Schneider already certain", international(), CLUBS, 1, 18, tally(95, 8, 15, 1),
         {.declarerGaveUp = true}, -72, 1, 3, false},
        {"with the own Schneider already certain", international(), CLUBS, 1, 18, tally(20, 1, 92, 7),
         {.declarerGaveUp = true}, -72, 1, 3, false},
        {"announced levels still count", international(), clubsHandSchneider, 1, 18, tally(30, 2, 40, 3),
         {.declarerGaveUp = true}, -120, 0, 5, false},
        {"announced levels single under the former rules", former(), clubsHandSchneider, 1, 18,
         tally(30, 2, 40, 3), {.declarerGaveUp = true}, -60, 0, 5, false},
    };
    // clang-format on
    for (const GameCase& c : cases)
        check(c);
}

TEST(Settlement, DefendersWhoGiveUpLeaveTheRestToTheDeclarer)
{
    // clang-format off
    const GameCase cases[] = {
        {"after three tricks with Schneider", international(), CLUBS, 1, 18, tally(30, 3, 10, 1),
         {.defendersGaveUp = true}, 36, 1, 3, false},
        {"after three tricks without Schneider", international(), CLUBS, 1, 18, tally(20, 2, 35, 2),
         {.defendersGaveUp = true}, 24, 0, 2, false},
        {"before the first trick: Schwarz", international(), CLUBS, 1, 18, tally(0, 0, 0, 0),
         {.defendersGaveUp = true}, 48, 2, 4, false},
        {"with 60 already taken the game stays lost", international(), CLUBS, 1, 18, tally(20, 1, 60, 5),
         {.defendersGaveUp = true}, -48, 0, 2, false},
    };
    // clang-format on
    for (const GameCase& c : cases)
        check(c);
}

struct RamschCase {
    const char* name;
    std::array<int, 3> points;
    std::array<int, 3> cards;
    int skatPoints;
    int bock;
    int value;
    int loser;
};

TEST(Settlement, Ramsch)
{
    const RamschCase cases[] = {
        {"most points lose, with the skat", {50, 35, 25}, {12, 9, 9}, 10, 0, -60, 0},
        {"tie: the lower seat loses", {20, 45, 45}, {6, 12, 12}, 10, 0, -55, 1},
        {"a Jungfrau doubles", {70, 40, 0}, {15, 15, 0}, 10, 0, -160, 0},
        {"Durchmarsch", {0, 110, 0}, {0, 30, 0}, 10, 0, 120, 1},
        // Seats 1 and 2 without a trick means seat 0 took them all.
        {"seats 1 and 2 took nothing: Durchmarsch of seat 0", {110, 0, 0}, {30, 0, 0}, 10, 0, 120, 0},
        {"Bock doubles", {50, 35, 25}, {12, 9, 9}, 10, 1, -120, 0},
    };
    for (const RamschCase& c : cases) {
        SCOPED_TRACE(c.name);
        SettlementTally t;
        t.pointsWonBy = c.points;
        t.cardsWonBy = c.cards;
        t.skatPoints = c.skatPoints;
        t.tricksPlayed = 10;
        SPIELSTRUCT record;
        record.SPIELART = SPIELART(GAME_RAMSCH, WIN_LEVEL_WITH_SKAT);
        record.SPITZEN = -3;
        record.BOCKRUNDE_NR = c.bock;
        record.settle(t, withBock());
        EXPECT_EQ(record.SPIELWERT, c.value);
        EXPECT_EQ(record.declarer(), c.loser);
        EXPECT_EQ(record.STUFE_DER_ABRECHNUNG, 1);
        EXPECT_FALSE(record.LOEST_BOCKRUNDE_AUS);
    }
}

TEST(Settlement, RecordQueries)
{
    SPIELSTRUCT record;
    EXPECT_TRUE(record.isPassedIn());
    record.SPIELART = SPIELART(GAME_RAMSCH, 0);
    EXPECT_FALSE(record.isPassedIn()) << "Ramsch counts although nobody bid";

    record.SPIELART = DIAMONDS;
    record.SPITZEN = 1;
    record.GEREIZT = 18;
    EXPECT_FALSE(record.isOverbid(international()));
    record.GEREIZT = 20;
    EXPECT_TRUE(record.isOverbid(international()));

    record.SPIELWERT = 0;
    EXPECT_FALSE(record.isLost());
    record.ALSP_AUFGEGEBEN = true;
    EXPECT_TRUE(record.isLost()) << "a given-up game of value 0 is lost";
    record.SPIELWERT = 18;
    EXPECT_FALSE(record.isLost());
}

TEST(Settlement, SettlingAgainGivesTheSameResult)
{
    // A game resumed in its settlement is settled a second time.
    const GameCase cases[] = {
        {"overbid", international(), DIAMONDS, 1, 20, tally(80, 7, 40, 3), {.kontra = true}, -108, 0, 3, false},
        {"Schwarz", withBock(), GRAND, 2, 18, tally(120, 10, 0, 0), {.bock = 1}, 240, 2, 5, true},
    };
    for (const GameCase& c : cases) {
        SCOPED_TRACE(c.name);
        SPIELSTRUCT record = settled(c);
        record.settle(c.pile, c.rules);
        EXPECT_EQ(record.SPIELWERT, c.value);
        EXPECT_EQ(record.STUFE_DER_ABRECHNUNG, c.levelsCounted);
        EXPECT_EQ(record.LOEST_BOCKRUNDE_AUS, c.setsOffBock);
    }
}

TEST(Settlement, TallyFromPile)
{
    STAPEL pile;
    pile.setVh(SEAT_0);
    pile.setSkat(SKAT(18, 17)); // clubs ace and ten: 21 points
    STICH first;
    for (CardId id : {16, 15, 14})
        first.addCard(id);
    ASSERT_TRUE(pile.addToParty(PARTY_DECLARER, first, SEAT_0, SEAT_0));
    STICH second;
    for (CardId id : {28, 27, 26})
        second.addCard(id);
    ASSERT_TRUE(pile.addToParty(PARTY_DEFENDERS, second, SEAT_0, SEAT_1));

    const SettlementTally t = SettlementTally::fromPile(pile);
    EXPECT_EQ(t.declarerPoints, 30);
    EXPECT_EQ(t.declarerCards, 5);
    EXPECT_EQ(t.defenderPoints, 25);
    EXPECT_EQ(t.defenderCards, 3);
    EXPECT_EQ(t.tricksPlayed, 2);
    EXPECT_EQ(t.cardsWonBy, (std::array<int, 3>{3, 3, 0}));
    EXPECT_EQ(t.pointsWonBy, (std::array<int, 3>{9, 25, 0}));
    EXPECT_EQ(t.skatPoints, 21);

    const RuleSettings saved = currentRules();
    setCurrentRules(international());
    SPIELSTRUCT record;
    record.ALLEIN = 0;
    record.SPIELART = CLUBS;
    record.SPITZEN = 1;
    record.GEREIZT = 18;
    record.ALSP_AUFGEGEBEN = true;
    record.settle(pile);
    setCurrentRules(saved);
    EXPECT_EQ(record.SPIELWERT, -48);
}

} // namespace
