// Hands: counts, Spitzen, display sort and the "EINBLATT" element.

#include "skat/engine/EinblattSortierbar.h"
#include "skat/engine/Skat.h"

#include <gtest/gtest.h>
#include <string>
#include <tinyxml2.h>
#include <vector>

namespace {

// Card ids from codes: "KB PB HA" -> {14, 24, 38}.
std::vector<CardId> ids(const std::string& codes)
{
    std::vector<CardId> result;
    for (size_t i = 0; i + 1 < codes.size() + 1; i += 3)
        result.push_back(cardIdFromCode(codes.c_str() + i));
    return result;
}

CardSet setOf(const std::string& codes)
{
    CardSet s = 0;
    for (CardId id : ids(codes))
        s |= cardMaskOfId(id);
    return s;
}

std::string displayOrder(const EINBLATT_SORTIERBAR& hand)
{
    std::string text;
    for (int place = 1; place <= hand.cardCount(); ++place)
        text += (place > 1 ? " " : "") + cardById(hand.cardIdAt(place))->code();
    return text;
}

EINBLATT_SORTIERBAR sortable(const std::string& codes)
{
    EINBLATT_SORTIERBAR hand;
    for (CardId id : ids(codes))
        hand.addCard(id);
    return hand;
}

} // namespace

TEST(Einblatt, SpitzenAndCounts)
{
    struct Case {
        const char* hand;
        Suit trump;
        int grand;
        int withTrump;
    };
    const Case cases[] = {
        {"KB PB HA", SUIT_HEARTS, 2, 2},   {"HB CB", SUIT_HEARTS, -2, -2},
        {"KB PB HB CB", SUIT_CLUBS, 4, 4}, {"KB PB HB CB HA H1 HK", SUIT_HEARTS, 4, 7},
        {"K7 P7", SUIT_SPADES, -4, -10},   {"KA", SUIT_CLUBS, -4, -4},
        {"KB P7", SUIT_SPADES, 1, 1},      {"KB PB HB CB KA K1 KK KD K9 K8 K7", SUIT_CLUBS, 4, 11},
        {"K7 P8", SUIT_DIAMONDS, -4, -11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hand);
        const EINBLATT hand(setOf(c.hand));
        EXPECT_EQ(hand.spitzenGrand(), c.grand);
        EXPECT_EQ(hand.spitzen(c.trump), c.withTrump);
    }
    // With the skat: only a hand of exactly ten cards takes it in.
    const SKAT skat(14, 24);
    EINBLATT ten(setOf("HB CB K7 K8 K9 P7 P8 P9 H7 H8"));
    EXPECT_EQ(ten.spitzenGrandWithSkat(skat), 4);
    EXPECT_EQ(EINBLATT(setOf("HB CB")).spitzenGrandWithSkat(skat), -2);
    EXPECT_EQ(ten.spitzenWithSkat(skat, SUIT_CLUBS), 4);
}

TEST(Einblatt, SuitAndTrumpCounts)
{
    const EINBLATT hand(setOf("KB PB HB K7 KA P9 H1 HK HD C7"));
    EXPECT_EQ(hand.suitCount(SUIT_CLUBS), 2);
    EXPECT_EQ(hand.suitCount(SUIT_NONE), 0);
    EXPECT_EQ(hand.suitCount(static_cast<Suit>(5)), 0);
    EXPECT_EQ(hand.trumpCount(GAME_HEARTS), 6);
    EXPECT_EQ(hand.trumpCount(GAME_GRAND), 3);
    EXPECT_EQ(hand.trumpCount(GAME_RAMSCH), 3);
    EXPECT_EQ(hand.trumpCount(GAME_NULL), 0);
    EXPECT_TRUE(hand.hasSuitCards(SUIT_DIAMONDS));
    EXPECT_FALSE(EINBLATT(setOf("CB")).hasSuitCards(SUIT_DIAMONDS));

    const auto sides = hand.sideSuitsByLength(SUIT_HEARTS);
    EXPECT_EQ(sides.trumpCount, 6);
    EXPECT_EQ(sides.longest.length, 2);
    EXPECT_EQ(sides.longest.suit, SUIT_CLUBS);
    // Spades and diamonds have one card each: the later suit counts as longer.
    EXPECT_EQ(sides.middle.suit, SUIT_DIAMONDS);
    EXPECT_EQ(sides.shortest.suit, SUIT_SPADES);
}

TEST(Einblatt, DisplaySort)
{
    const char* grandHand = "C7 KB H8 K1 PB KA HB CB PA K7";
    struct Case {
        const char* what;
        const char* hand;
        GameType type;
        SortSettings settings;
        const char* expected;
    };
    // clang-format off
    const Case cases[] = {
        {"grand, high first, clubs first", grandHand, GAME_GRAND, {-1, -1, false},
         "KB PB HB CB KA K1 K7 PA H8 C7"},
        {"grand, low first, diamonds first", grandHand, GAME_GRAND, {1, 1, false},
         "C7 H8 PA K7 K1 KA CB HB PB KB"},
        {"null, low first: jacks inside their suits", "CA CB C7 C1 HD KB K7", GAME_NULL, {1, 1, false},
         "C7 C1 CB CA HD K7 KB"},
        {"null, high first", "CA CB C7 C1 KB", GAME_NULL, {-1, -1, false}, "KB CA CB C1 C7"},
        {"hearts, alternating, trumps to jacks, no clubs but the jack", "KB HA PA C7 H7 P9", GAME_HEARTS,
         {-1, 0, true}, "KB HA H7 PA P9 C7"},
        {"hearts trump to the jacks, low first", "KB HA PA C7 H7 P9 K7", GAME_HEARTS, {1, -1, true},
         "K7 P9 PA C7 H7 HA KB"},
        {"alternating colours without trumps", "K7 P7 H7 C7", GAME_GRAND, {-1, 0, false}, "K7 H7 P7 C7"},
        {"alternating colours, no hearts", "K7 P7 C7", GAME_NONE, {-1, 0, false}, "K7 C7 P7"},
        {"alternating, diamonds trump, low first: reversed", "K7 P7 H7 C7 CB", GAME_DIAMONDS, {1, 0, true},
         "P7 H7 K7 C7 CB"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EINBLATT_SORTIERBAR hand = sortable(c.hand);
        hand.sort(c.type, c.settings);
        EXPECT_EQ(displayOrder(hand), c.expected);
        EXPECT_EQ(hand.cardSet(), setOf(c.hand));
    }
}

TEST(Einblatt, EditingKeepsPlacesAndSetTogether)
{
    EINBLATT_SORTIERBAR hand = sortable("K7 P8 H9 CB");
    EXPECT_EQ(hand.positionOf(cardIdFromCode("H9")), 3);
    EXPECT_EQ(hand.positionOf(cardIdFromCode("KA")), -1);
    EXPECT_EQ(hand.cardIdAt(0), 0);
    EXPECT_EQ(hand.cardIdAt(5), 0);

    hand.removeCard(cardIdFromCode("P8"));
    EXPECT_EQ(displayOrder(hand), "K7 H9 CB");
    hand.removeCard(cardIdFromCode("P8")); // absent: nothing happens
    hand.addCard(cardIdFromCode("K7"));    // present: not added twice
    EXPECT_EQ(displayOrder(hand), "K7 H9 CB");
    hand.swapLastWith(1);
    EXPECT_EQ(displayOrder(hand), "CB H9 K7");
    hand.swapLastWith(99); // limited to the last place
    EXPECT_EQ(displayOrder(hand), "CB H9 K7");

    EINBLATT_SORTIERBAR empty;
    EXPECT_EQ(empty.positionOf(11), -1);
    empty.swapLastWith(1);
    EXPECT_EQ(empty.cardCount(), 0);

    EINBLATT_SORTIERBAR full;
    full.assignCards(0x00000FFFu); // twelve cards
    full.addCard(18);
    EXPECT_EQ(full.cardCount(), 12);
}

TEST(Einblatt, ElementWritesAscendingOrDisplayOrderAndReadsBack)
{
    EINBLATT_SERIALIZABLE plain(setOf("KA C7"));
    EXPECT_EQ(streamToXml(plain), "<EINBLATT k1=\"C7\" k2=\"KA\"/>");
    EXPECT_EQ(streamToXml(EINBLATT_SERIALIZABLE()), "<EINBLATT/>");

    EINBLATT_SORTIERBAR sorted = sortable("KA C7 HB");
    const std::string xml = streamToXml(sorted);
    EXPECT_EQ(xml, "<EINBLATT k1=\"KA\" k2=\"C7\" k3=\"HB\"/>");
    EINBLATT_SORTIERBAR back;
    ASSERT_EQ(streamFromXml(xml, back), STREAM_READ_OK);
    EXPECT_EQ(back, sorted);

    EINBLATT_SERIALIZABLE plainBack;
    ASSERT_EQ(streamFromXml(xml, plainBack), STREAM_READ_OK);
    EXPECT_EQ(plainBack.cardSet(), sorted.cardSet());
}

TEST(Einblatt, ReadsOlderFormsAndSkipsBadCodes)
{
    const char* xml = "<EINBLATT k1=\"KA\" k2=\"XX\" k3=\"K\" k4=\"KA\" k13=\"P7\">"
                      "<KARTE CODE=\"H9\"/><KARTE FARBE=\"C\" BLATT=\"B\"/><KARTE CODE=\"LL\"/></EINBLATT>";
    EINBLATT_SERIALIZABLE plain(ALL_CARDS);
    ASSERT_EQ(streamFromXml(xml, plain), STREAM_READ_OK);
    EXPECT_EQ(plain.cardSet(), setOf("KA H9 CB"));

    EINBLATT_SORTIERBAR sorted;
    ASSERT_EQ(streamFromXml(xml, sorted), STREAM_READ_OK);
    EXPECT_EQ(displayOrder(sorted), "KA H9 CB");
}
