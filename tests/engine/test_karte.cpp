// Cards: numbering, codes, points, orders, lookups and the follow-suit rule.

#include "skat/engine/Einblatt.h"
#include "skat/engine/EngineTexts.h"
#include "skat/engine/Karte.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

namespace {

CardSet setOf(std::initializer_list<CardId> ids)
{
    CardSet s = 0;
    for (CardId id : ids)
        s |= cardMaskOfId(id);
    return s;
}

constexpr CardId CLUBS_ACE = 18, CLUBS_TEN = 17, CLUBS_KING = 16, CLUBS_JACK = 14, CLUBS_SEVEN = 11;
constexpr CardId SPADES_SEVEN = 21, SPADES_NINE = 23, SPADES_JACK = 24, SPADES_TEN = 27, SPADES_ACE = 28;
constexpr CardId HEARTS_SEVEN = 31, HEARTS_JACK = 34, HEARTS_ACE = 38;
constexpr CardId DIAMONDS_SEVEN = 41, DIAMONDS_JACK = 44;

} // namespace

TEST(Karte, NullCardHasNoBitAndNegativeValues)
{
    const KARTE* null = cardById(0);
    EXPECT_EQ(null, nullCard());
    EXPECT_EQ(null->id(), 0);
    EXPECT_EQ(null->code(), "LL");
    EXPECT_EQ(null->bitMask(), 0u);
    EXPECT_EQ(null->bit(), 0);
    EXPECT_EQ(null->rank(), 0);
    EXPECT_EQ(null->suit(), 0);
    EXPECT_EQ(null->points(), -1);
    EXPECT_EQ(null->trumpOrder(), -1);
    EXPECT_EQ(null->nullOrder(), -1);
    EXPECT_TRUE(null->isNull());
    // A default-constructed card is all zeros, points included.
    EXPECT_EQ(KARTE().points(), 0);
}

TEST(Karte, CardsByIdAndBitAreTheSameSharedObjects)
{
    int points = 0;
    int cards = 0;
    for (CardId id = 0; id <= 48; ++id) {
        const KARTE* card = cardById(id);
        if (!isRealCard(id)) {
            EXPECT_EQ(card, nullCard()) << id;
            continue;
        }
        ++cards;
        points += card->points();
        EXPECT_EQ(card->id(), id);
        EXPECT_EQ(card->bitMask(), 1u << card->bit());
        EXPECT_EQ(cardByBit(card->bit()), card);
        EXPECT_EQ(card->suit(), suitOfBit(card->bit()));
        EXPECT_EQ(card->rank(), rankOfBit(card->bit()));
        EXPECT_EQ(cardIdFromCode(card->code().c_str()), id);
        EXPECT_EQ(cardAtTrumpPosition(card->suit(), card->trumpOrder()),
                  card->rank() == RANK_JACK ? cardById(id) : card);
    }
    EXPECT_EQ(cards, 32);
    EXPECT_EQ(points, 120);
    EXPECT_EQ(cardById(-3), nullCard());
    EXPECT_EQ(cardById(99), nullCard());
    EXPECT_EQ(cardByBit(32), nullCard());
}

TEST(Karte, CodesMasksAndOrders)
{
    struct Case {
        CardId id;
        const char* code;
        CardSet mask;
        CardBit bit;
        int points;
        int trumpOrder;
        int nullOrder;
    };
    const Case cases[] = {
        {CLUBS_TEN, "K1", 0x40000000u, 30, 10, 6, 4},  {DIAMONDS_JACK, "CB", 0x00000008u, 3, 2, 8, 5},
        {CLUBS_JACK, "KB", 0x08000000u, 27, 2, 11, 5}, {SPADES_JACK, "PB", 0x00080000u, 19, 2, 10, 5},
        {HEARTS_JACK, "HB", 0x00000800u, 11, 2, 9, 5}, {DIAMONDS_SEVEN, "C7", 0x00000001u, 0, 0, 1, 1},
        {CLUBS_ACE, "KA", 0x80000000u, 31, 11, 7, 8},  {25, "PD", 0x00100000u, 20, 3, 4, 6},
        {36, "HK", 0x00002000u, 13, 4, 5, 7},          {SPADES_NINE, "P9", 0x00040000u, 18, 0, 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const KARTE* card = cardById(c.id);
        EXPECT_EQ(card->code(), c.code);
        EXPECT_EQ(card->bitMask(), c.mask);
        EXPECT_EQ(card->bit(), c.bit);
        EXPECT_EQ(card->points(), c.points);
        EXPECT_EQ(card->trumpOrder(), c.trumpOrder);
        EXPECT_EQ(card->nullOrder(), c.nullOrder);
    }
}

TEST(Karte, UnknownCodeCharacters)
{
    EXPECT_EQ(suitFromLetter('k'), 0); // lower case is not a code
    EXPECT_EQ(rankFromChar('0'), 0);
    EXPECT_EQ(cardIdFromCode("KX"), 0);
    EXPECT_EQ(cardIdFromCode("K"), 0);
    EXPECT_EQ(cardIdFromCode(""), 0);
    EXPECT_EQ(cardIdFromCode(nullptr), 0);
    // A known suit with an unknown rank: id suit*10, no bit, points -1.
    for (CardId id : {10, 20, 30, 40}) {
        KARTE halfKnown(id);
        EXPECT_EQ(halfKnown.bitMask(), 0u);
        EXPECT_EQ(halfKnown.points(), -1);
        EXPECT_EQ(halfKnown.rankChar(), 'L');
        EXPECT_EQ(cardById(id), nullCard());
    }
}

TEST(Karte, ReadsCurrentAndOlderElementForms)
{
    struct Case {
        const char* xml;
        CardId id;
    };
    const Case cases[] = {
        {"<KARTE CODE=\"P9\"/>", SPADES_NINE},
        {"<KARTE FARBE=\"H\" BLATT=\"A\"/>", HEARTS_ACE},
        {"<KARTE CODE=\"\" FARBE=\"H\" BLATT=\"A\"/>", HEARTS_ACE},
        {"<KARTE/>", 0},
        {"<KARTE CODE=\"LL\"/>", 0},
        {"<KARTE CODE=\"P\"/>", 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml);
        KARTE card(CLUBS_ACE);
        ASSERT_EQ(streamFromXml(c.xml, card), STREAM_READ_OK);
        EXPECT_EQ(card.id(), c.id);
    }
    KARTE card;
    EXPECT_EQ(streamFromXml("", card), STREAM_NOT_WELL_FORMED);
}

TEST(Karte, WritesAndReadsBackEveryCard)
{
    for (CardBit b = 0; b < 32; ++b) {
        const std::string xml = streamToXml(*cardByBit(b));
        EXPECT_EQ(xml, "<KARTE CODE=\"" + cardByBit(b)->code() + "\"/>");
        KARTE back;
        ASSERT_EQ(streamFromXml(xml, back), STREAM_READ_OK);
        EXPECT_EQ(cardById(back.id()), cardByBit(b));
    }
}

TEST(Karte, LowestCardAndOrderPosition)
{
    EXPECT_EQ(lowestCard(0x00000101u)->id(), HEARTS_SEVEN); // the higher byte wins
    EXPECT_EQ(lowestCard(0x06000000u)->id(), 12);
    EXPECT_EQ(lowestCard(0), nullCard());
    for (CardBit b = 0; b < 32; ++b)
        EXPECT_EQ(lowestCard(bitMask(b)), cardByBit(b));

    struct Case {
        CardSet set;
        int position;
    };
    const Case cases[] = {
        {0x08000008u, 8}, {0x00000008u, 11}, {0x00080800u, 9},   {0x00000800u, 10},
        {0x80000001u, 1}, {ACES | JACKS, 7}, {QUEENS | TENS, 4}, {0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lowestOrderPosition(c.set), c.position) << std::hex << c.set;
}

TEST(Karte, TrumpPositionOutOfRangeIsTheNullCard)
{
    EXPECT_EQ(cardAtTrumpPosition(SUIT_HEARTS, 8)->id(), DIAMONDS_JACK);
    EXPECT_EQ(cardAtTrumpPosition(SUIT_DIAMONDS, 11)->id(), CLUBS_JACK);
    EXPECT_EQ(cardAtTrumpPosition(SUIT_SPADES, 4)->id(), 25);
    for (auto [suit, pos] : {std::pair{0, 1}, {5, 1}, {1, 0}, {1, 12}})
        EXPECT_EQ(cardAtTrumpPosition(static_cast<Suit>(suit), pos), nullCard());
}

TEST(Karte, TrumpSetsPerGameType)
{
    const CardSet expected[10] = {0,           0xFF080808u, 0x08FF0808u, 0x0808FF08u, 0x080808FFu,
                                  0x08080808u, 0x08080808u, 0,           0x08080808u, 0};
    for (GameType g = GAME_NONE; g <= 9; ++g)
        EXPECT_EQ(trumpMask(g), expected[g]) << g;
}

TEST(Karte, LegalCards)
{
    const CardSet heartsHand = setOf({SPADES_JACK, HEARTS_SEVEN, CLUBS_ACE});
    const CardSet grandHand = setOf({SPADES_SEVEN, SPADES_JACK, SPADES_ACE, HEARTS_SEVEN, CLUBS_ACE});
    struct Case {
        const char* what;
        CardSet hand;
        CardId led;
        GameType type;
        CardSet legal;
    };
    const Case cases[] = {
        {"hearts: trump led asks for trumps, the jack included", heartsHand, HEARTS_ACE, GAME_HEARTS,
         setOf({SPADES_JACK, HEARTS_SEVEN})},
        {"hearts: a plain suit", heartsHand, CLUBS_KING, GAME_HEARTS, setOf({CLUBS_ACE})},
        {"hearts: cannot follow, any card", heartsHand, SPADES_TEN, GAME_HEARTS, heartsHand},
        {"hearts: a led jack is trump", heartsHand, DIAMONDS_JACK, GAME_HEARTS, setOf({SPADES_JACK, HEARTS_SEVEN})},
        {"clubs: the clubs ace is trump, spades jack too", heartsHand, CLUBS_SEVEN, GAME_CLUBS,
         setOf({SPADES_JACK, CLUBS_ACE})},
        {"spades: the spades jack does not follow hearts", setOf({SPADES_JACK, CLUBS_ACE}), HEARTS_ACE, GAME_SPADES,
         setOf({SPADES_JACK, CLUBS_ACE})},
        {"grand: clubs jack led, no jack in hand", setOf({SPADES_SEVEN, HEARTS_SEVEN}), CLUBS_JACK, GAME_GRAND,
         setOf({SPADES_SEVEN, HEARTS_SEVEN})},
        {"grand: spades led, the spades jack is no spade", grandHand, SPADES_TEN, GAME_GRAND,
         setOf({SPADES_SEVEN, SPADES_ACE})},
        {"grand ouvert: jack led", grandHand, HEARTS_JACK, GAME_GRAND_OUVERT, setOf({SPADES_JACK})},
        {"ramsch follows grand", grandHand, CLUBS_SEVEN, GAME_RAMSCH, setOf({CLUBS_ACE})},
        {"null: the jack belongs to its suit", grandHand, SPADES_SEVEN, GAME_NULL,
         setOf({SPADES_SEVEN, SPADES_JACK, SPADES_ACE})},
        {"null: a led jack asks for its suit", grandHand, HEARTS_JACK, GAME_NULL, setOf({HEARTS_SEVEN})},
        {"game type 0", grandHand, SPADES_SEVEN, GAME_NONE, 0},
        {"game type 9", grandHand, SPADES_SEVEN, static_cast<GameType>(9), 0},
        {"empty hand", 0, SPADES_SEVEN, GAME_GRAND, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(EINBLATT(c.hand).legalCards(cardById(c.led)->bit(), c.type), c.legal);
    }
}

TEST(Karte, RankNamesComeFromTheInstalledTexts)
{
    EXPECT_EQ(cardById(14)->rankName(), L"Bube");
    EXPECT_EQ(nullCard()->rankName(), L"");
    EXPECT_EQ(engineTexts()->gameTypeName(GAME_NULL), L"Null");
    EXPECT_EQ(engineTexts()->gameTypeName(static_cast<GameType>(9)), L"");

    struct English : ENGINE_TEXTS {
        std::wstring rankWord(Rank rank) const override { return rank == RANK_JACK ? L"Jack" : L"?"; }
    };
    installEngineTexts(std::make_shared<English>());
    EXPECT_EQ(cardById(24)->rankName(), L"Jack");
    installEngineTexts(nullptr);
    EXPECT_EQ(cardById(24)->rankName(), L"Bube");
}
