// Tricks: packing, codes, points and winners against an independent oracle.

#include "skat/engine/Stich.h"

#include <gtest/gtest.h>
#include <string>

namespace {

STICH trickOf(const std::string& codes)
{
    STICH trick;
    trick.parseCodes(codes);
    return trick;
}

// The oracle works on card codes only: orders written out as strings.
int oraclePoints(const std::string& code)
{
    const std::string ranks = "789BDK1A";
    const int points[] = {0, 0, 0, 2, 3, 4, 10, 11};
    return points[ranks.find(code[1])];
}

// Position in a written-out order, -1 when absent.
int positionIn(const std::string& order, char c)
{
    const auto pos = order.find(c);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int oracleWinner(GameType type, const std::string codes[3])
{
    const std::string suits = "KPHC";
    const char led = codes[0][0];
    auto better = [](int a, int b) { return b > a; };
    if (type == GAME_NULL) {
        int best = 0;
        for (int i = 1; i < 3; ++i)
            if (codes[i][0] == led
                && better(positionIn("789"
                                     "1BDKA",
                                     codes[best][1]),
                          positionIn("7891BDKA", codes[i][1])))
                best = i;
        return best;
    }
    // Trump strength: jacks diamonds..clubs on top of the trump suit's cards.
    auto trumpStrength = [&](const std::string& code) {
        if (code[1] == 'B')
            return 100 + positionIn("CHPK", code[0]);
        if (isSuitGame(type) && code[0] == suits[type - 1])
            return 50 + positionIn("789DK1A", code[1]);
        return -1;
    };
    int best = -1;
    for (int i = 0; i < 3; ++i)
        if (trumpStrength(codes[i]) >= 0 && (best < 0 || trumpStrength(codes[i]) > trumpStrength(codes[best])))
            best = i;
    if (best >= 0)
        return best;
    best = 0;
    for (int i = 1; i < 3; ++i)
        if (codes[i][0] == led && positionIn("789DK1A", codes[i][1]) > positionIn("789DK1A", codes[best][1]))
            best = i;
    return best;
}

} // namespace

TEST(Stich, KnownTricks)
{
    struct Case {
        const char* trick;
        GameType type;
        int winner;
    };
    const Case cases[] = {
        {"HA C7 H1", GAME_DIAMONDS, 1}, // a trump beats the led suit
        {"PB KB HB", GAME_GRAND, 1},    // clubs jack highest
        {"H1 HB KA", GAME_NULL, 1},     // jack above ten in null
        {"K7 P1 HA", GAME_GRAND, 0},    // nobody follows
        {"K7 KB KA", GAME_NULL, 2},         {"K7 KB KA", GAME_CLUBS, 1},  {"P7 PA CB", GAME_RAMSCH, 2},
        {"HD HK H1", GAME_GRAND_OUVERT, 2}, {"C7 CB C8", GAME_SPADES, 1}, // the diamonds jack is a spades trump
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.trick);
        const STICH trick = trickOf(c.trick);
        ASSERT_EQ(trick.count(), 3);
        EXPECT_EQ(trick.winner(c.type), c.winner);
        EXPECT_EQ(trickWinner(c.type, trick.card(0), trick.card(1), trick.card(2)), c.winner);
    }
    EXPECT_EQ(trickOf("KA K1 KK").points(), 25);
    EXPECT_EQ(trickOf("KA K1").points(), 21);
    EXPECT_EQ(trickOf("KA").points(), 11);
    EXPECT_EQ(STICH().points(), 0);
}

// Every trick of three different cards in every game type, against the oracle.
TEST(Stich, WinnersAndPointsMatchTheOracleForAllTricks)
{
    int checked = 0;
    for (GameType type = GAME_CLUBS; type <= GAME_RAMSCH; ++type) {
        for (CardBit a = 0; a < 32; ++a)
            for (CardBit b = 0; b < 32; ++b)
                for (CardBit c = 0; c < 32; ++c) {
                    if (a == b || a == c || b == c)
                        continue;
                    const std::string codes[3] = {cardByBit(a)->code(), cardByBit(b)->code(), cardByBit(c)->code()};
                    const TrickCode code = makeTrickCode(a, b, c);
                    const int expected = oracleWinner(type, codes);
                    if (trickWinnerIndex(type, code) != expected) {
                        ADD_FAILURE() << "type " << type << ": " << codes[0] << ' ' << codes[1] << ' ' << codes[2];
                        return;
                    }
                    ++checked;
                }
        // Two cards: the leader so far is the oracle's winner with a third card nobody beats.
        for (CardBit a = 0; a < 32; ++a)
            for (CardBit b = 0; b < 32; ++b) {
                if (a == b)
                    continue;
                const std::string first = cardByBit(a)->code();
                const std::string second = cardByBit(b)->code();
                const bool secondWins =
                    oracleWinner(type, std::array<std::string, 3>{first, second, first}.data()) == 1;
                EXPECT_EQ(trickLeaderAfterTwo(type, a, b), secondWins ? 1 : 0) << first << ' ' << second;
            }
    }
    EXPECT_EQ(checked, 8 * 32 * 31 * 30);
    // The raw tables are the ones the look-ups read.
    const TrickCode sample = makeTrickCode(3, 27, 31);
    EXPECT_EQ(trickWinnerTable(GAME_NULL)[sample], trickWinnerIndex(GAME_NULL, sample));
    EXPECT_EQ(trickLeaderTable(GAME_GRAND)[27 * 32 + 3], 1);
    EXPECT_EQ(trickPointsTable()[sample], 2 + 2 + 11);
    for (CardBit a = 0; a < 32; ++a)
        for (CardBit b = 0; b < 32; ++b)
            for (CardBit c = 0; c < 32; ++c) {
                const int sum = oraclePoints(cardByBit(a)->code()) + oraclePoints(cardByBit(b)->code())
                                + oraclePoints(cardByBit(c)->code());
                ASSERT_EQ(trickPoints(makeTrickCode(a, b, c)), sum);
            }
}

TEST(Stich, TablesOfDifferentGameTypesCanBeReadTogether)
{
    // No shared table is refilled: alternating game types give stable answers.
    const STICH trick = trickOf("K7 KB KA");
    for (int round = 0; round < 3; ++round) {
        setTrickTablesGameType(GAME_NULL);
        EXPECT_EQ(trick.winner(GAME_CLUBS), 1);
        setTrickTablesGameType(GAME_CLUBS);
        EXPECT_EQ(trick.winner(GAME_NULL), 2);
    }
}

TEST(Stich, PackingAndPlaces)
{
    STICH trick;
    trick.addCard(cardIdFromCode("K7"));
    EXPECT_EQ(trick.codesText(), "K7 ");
    trick.addCard(cardIdFromCode("P8"));
    EXPECT_EQ(trick.codesText(), "K7 P8 ");
    trick.addCard(cardIdFromCode("H9"));
    trick.addCard(cardIdFromCode("CA")); // a fourth card is ignored
    EXPECT_EQ(trick.codesText(), "K7 P8 H9");
    EXPECT_EQ(trick.code(), makeTrickCode(24, 17, 10));
    EXPECT_EQ(trick.cardSet(), bitMask(24) | bitMask(17) | bitMask(10));
    EXPECT_EQ(trick.card(-1)->code(), "H9");
    EXPECT_EQ(trick.card(-3)->code(), "K7");
    EXPECT_EQ(trick.card(3), nullCard());
    trick.removeLastCard();
    EXPECT_EQ(trick.card(2), nullCard());
    EXPECT_EQ(trick.codesText(), "K7 P8 ");

    // The diamonds seven is CardBit 0 like an empty place: the count tells them apart.
    const STICH seven = trickOf("C7");
    EXPECT_EQ(seven.code(), 0);
    EXPECT_EQ(seven.count(), 1);
    EXPECT_EQ(seven.card(0)->code(), "C7");
}

TEST(Stich, ParsingStopsAtTheFirstUnknownCode)
{
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"K7 P8 H9", "K7 P8 H9"},    {"K7 XX H9", "K7 "},         {"LL K7", ""}, {"K7  P8", "K7 "},
        {"K7x P8y H9z", "K7 P8 H9"}, {"K7 P8 H9 CA", "K7 P8 H9"}, {"", ""},      {"K", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(trickOf(c.text).codesText(), c.expected) << c.text;
}

TEST(Stich, ElementFormsCurrentAndOlder)
{
    const STICH trick = trickOf("K7 P8 H9");
    const std::string xml = streamToXml(trick.asSerializable());
    EXPECT_EQ(xml, "<STICH S=\"K7 P8 H9\"/>");
    EXPECT_EQ(streamToXml(STICH().asSerializable()), "<STICH S=\"\"/>");

    struct Case {
        const char* xml;
        const char* expected;
    };
    const Case cases[] = {
        {"<STICH S=\"K7 P8 H9\"/>", "K7 P8 H9"},
        {"<STICH S=\"\"/>", ""},
        {"<STICH S=\"K7x P8\"/>", "K7 P8 "},
        {"<STICH AUSP=\"K7\" ZWEI=\"P8\" DREI=\"H9\"/>", "K7 P8 H9"},
        {"<STICH AUSP=\"K7\" DREI=\"H9\"/>", "K7 "},
        {"<STICH><KARTE CODE=\"C1\"/><KARTE FARBE=\"H\" BLATT=\"D\"/></STICH>", "C1 HD "},
        {"<STICH/>", ""},
    };
    for (const Case& c : cases) {
        STICH_SERIALIZABLE read(trickOf("CA CK CD"));
        ASSERT_EQ(streamFromXml(c.xml, read), STREAM_READ_OK) << c.xml;
        EXPECT_EQ(read.codesText(), c.expected) << c.xml;
    }
}
