// Game types: base values, levels, game values and the XML form.

#include "skat/engine/BidTable.h"
#include "skat/engine/Spielart.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

namespace {

RuleSettings grand36()
{
    RuleSettings rules;
    rules.grandOuvert36 = true;
    return rules;
}

TEST(Spielart, BaseValues)
{
    struct Case {
        SPIELART game;
        int international;
        int withGrand36;
    };
    const Case cases[] = {
        {{GAME_CLUBS, 0}, 12, 12},  {{GAME_SPADES, 2}, 11, 11},
        {{GAME_HEARTS, 0}, 10, 10}, {{GAME_DIAMONDS, 5}, 9, 9},
        {{GAME_GRAND, 0}, 24, 24},  {{GAME_GRAND_OUVERT, 5}, 24, 36},
        {{GAME_NULL, 0}, 23, 23},   {{GAME_NULL, 1}, 46, 46},
        {{GAME_NULL, 2}, 35, 35},   {{GAME_NULL, 5}, 59, 59},
        {{GAME_NULL, 3}, 0, 0},     {{GAME_RAMSCH, 0}, 1, 1},
        {{GAME_NONE, 0}, 0, 0},     {{static_cast<GameType>(9), 0}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.game.SPIEL_TYP << " level " << c.game.GEWINN_STUFE);
        EXPECT_EQ(c.game.baseValue(RuleSettings{}), c.international);
        EXPECT_EQ(c.game.baseValue(grand36()), c.withGrand36);
    }
}

TEST(Spielart, TypeFromBaseValue)
{
    const std::pair<int, GameType> cases[] = {
        {12, GAME_CLUBS}, {11, GAME_SPADES}, {10, GAME_HEARTS}, {9, GAME_DIAMONDS}, {24, GAME_GRAND}, {23, GAME_NULL},
        {35, GAME_NULL},  {46, GAME_NULL},   {59, GAME_NULL},   {1, GAME_RAMSCH},   {36, GAME_NONE},  {0, GAME_NONE}};
    for (auto [base, type] : cases)
        EXPECT_EQ(SPIELART::typeFromBaseValue(base), type) << base;
}

TEST(Spielart, LevelCountAndGameValue)
{
    struct Case {
        SPIELART game;
        int matadors;
        int levels;
        int value;
    };
    const Case cases[] = {
        {{GAME_CLUBS, 0, 0}, 1, 1, 24},         {{GAME_CLUBS, 0, 1}, -3, 2, 60},
        {{GAME_CLUBS, 0, 2}, 2, 3, 60},         {{GAME_HEARTS, 2, 0}, 1, 2, 30},
        {{GAME_HEARTS, 2, 1}, 1, 3, 40},        {{GAME_HEARTS, 2, 2}, 1, 4, 50},
        {{GAME_SPADES, 3, 1}, 2, 4, 66},        {{GAME_SPADES, 3, 2}, 2, 5, 77},
        {{GAME_DIAMONDS, 1, 0}, 1, 1, 18}, // no suit game is ouvert without hand
        {{GAME_DIAMONDS, 4, 2}, 1, 6, 63},      {{GAME_GRAND, 5, 2}, 4, 7, 264},
        {{GAME_GRAND_OUVERT, 5, 2}, 4, 7, 264}, {{GAME_NULL, 5, 0}, 4, 1, 59},
        {{GAME_NULL, 2, 0}, -2, 1, 35},         {{GAME_RAMSCH, 0, 0}, 3, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.game.SPIEL_TYP << " level " << c.game.GEWINN_STUFE
                                        << " reached " << c.game.STUFE);
        EXPECT_EQ(c.game.levelCount(RuleSettings{}), c.levels);
        EXPECT_EQ(c.game.gameValue(c.matadors, RuleSettings{}), c.value);
    }
}

TEST(Spielart, GrandOuvert36CountsOneLevelFewer)
{
    const SPIELART grandOuvert(GAME_GRAND_OUVERT, WIN_LEVEL_OUVERT_HAND);
    EXPECT_EQ(grandOuvert.levelCount(grand36()), 6);
    EXPECT_EQ(grandOuvert.gameValue(1, grand36()), 7 * 36);
    EXPECT_EQ(grandOuvert.gameValue(-4, grand36()), 10 * 36);
    // The rule concerns only grand ouvert, not an open grand of type 5.
    EXPECT_EQ(SPIELART(GAME_GRAND, WIN_LEVEL_OUVERT_HAND).gameValue(1, grand36()), 8 * 24);
}

TEST(Spielart, WritesShortAttributesAndReadsOlderNames)
{
    tinyxml2::XMLDocument document;
    auto* element = document.NewElement("SPIELART");
    document.InsertEndChild(element);
    SPIELART(GAME_HEARTS, 0, 0).write(*element, document);
    EXPECT_STREQ(element->Attribute("TR"), "3");
    EXPECT_EQ(element->Attribute("TYP"), nullptr) << "win level 0 is not written";
    EXPECT_EQ(element->Attribute("GS"), nullptr) << "level 0 is not written";

    element->DeleteAttribute("TR");
    SPIELART(GAME_NULL, 5, 2).write(*element, document);
    SPIELART back;
    ASSERT_TRUE(back.read(element, document));
    EXPECT_EQ(back, SPIELART(GAME_NULL, 5, 2));

    struct Older {
        const char* xml;
        SPIELART expected;
    };
    const Older older[] = {
        {R"(<SPIELART TRUMPF="5" SPIEL_TYP="2" GEWINN_STUFE="1"/>)", {GAME_GRAND, 2, 1}},
        {R"(<SPIELART TRUMPF="1" STUFE="2"/>)", {GAME_CLUBS, 0, 2}},
        {R"(<SPIELART TR="4" TRUMPF="1" TYP="3" SPIEL_TYP="2"/>)", {GAME_DIAMONDS, 3, 0}},
        {R"(<SPIELART/>)", {}},
    };
    for (const Older& o : older) {
        tinyxml2::XMLDocument old;
        ASSERT_EQ(old.Parse(o.xml), tinyxml2::XML_SUCCESS);
        SPIELART read(GAME_CLUBS, 4, 2);
        ASSERT_TRUE(read.read(old.RootElement(), old));
        EXPECT_EQ(read, o.expected) << o.xml;
    }
    SPIELART none;
    EXPECT_FALSE(none.read(nullptr, document));
}

TEST(Spielart, DescriptionNamesTypeLevelsAndValue)
{
    const std::wstring text = SPIELART(GAME_HEARTS, WIN_LEVEL_HAND, LEVEL_SCHNEIDER).description();
    EXPECT_EQ(text, L"Herz Hand Schneider (Grundwert 10, 3 Stufen)");
    EXPECT_EQ(SPIELART(GAME_GRAND, 0).typeName(), L"Grand");
    EXPECT_EQ(SPIELART(GAME_HEARTS, WIN_LEVEL_HAND).descriptionText(-2), L"Herz Hand (Grundwert 10, 4 Stufen)");
    EXPECT_EQ(SPIELART(GAME_NULL, WIN_LEVEL_HAND).descriptionText(3), L"Null Hand (Grundwert 35, 1 Stufe)");

    const std::wstring open = SPIELART(GAME_CLUBS, WIN_LEVEL_OUVERT_HAND).description();
    EXPECT_EQ(open.rfind(L"Kreuz Ouvert (", 0), 0u);
    const std::wstring grandOuvert = SPIELART(GAME_GRAND_OUVERT, WIN_LEVEL_OUVERT_HAND).description();
    EXPECT_EQ(grandOuvert.rfind(L"Grand Ouvert (", 0), 0u);
    const std::wstring nullOpenHand = SPIELART(GAME_NULL, WIN_LEVEL_OUVERT_HAND).description();
    EXPECT_EQ(nullOpenHand.rfind(L"Null Ouvert Hand (", 0), 0u);
}

TEST(BidTable, KeepsItsThirtyNineValues)
{
    EXPECT_EQ(BID_TABLE.size(), 39u);
    EXPECT_EQ(bidValueAt(0), 0);
    EXPECT_EQ(bidValueAt(1), 18);
    EXPECT_EQ(bidValueAt(35), 144);
    EXPECT_EQ(bidValueAt(36), 240);
    EXPECT_EQ(bidValueAt(37), 360);
    EXPECT_EQ(bidValueAt(38), 361);
    EXPECT_EQ(bidValueAt(39), 0);
    EXPECT_EQ(bidValueAt(-1), 0);
    EXPECT_EQ(bidIndexOf(23), 4);
    EXPECT_EQ(bidIndexOf(21), -1);
    for (int i = 1; i < BID_TABLE_SIZE; ++i)
        EXPECT_LT(bidValueAt(i - 1), bidValueAt(i)) << i;
}

} // namespace
