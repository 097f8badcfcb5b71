// The game record: reset values and its XML forms (current and older).

#include "skat/engine/Spielstruct.h"
#include "vordix/Stream.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

namespace {

SPIELSTRUCT finishedGame()
{
    SPIELSTRUCT record;
    record.GEREIZTBIS = {18, 0, 20};
    record.GEREIZT = 20;
    record.ALLEIN = 2;
    record.SPIELART = SPIELART(GAME_GRAND, WIN_LEVEL_HAND, LEVEL_SCHNEIDER);
    record.SPITZEN = -2;
    record.STUFE_DER_ABRECHNUNG = 5;
    record.SPIELWERT = -240;
    record.KONTRA = true;
    record.KONTRA_WER = 1;
    record.RE = true;
    record.BOCKRUNDE_NR = 2;
    record.LOEST_BOCKRUNDE_AUS = true;
    record.ALSP_AUFGEGEBEN = true;
    record.texts()[TEXT_TITEL] = L"Gr\u00fc\u00dfe & <Ende>";
    record.texts()[TEXT_REIZTEXT] = L"18 - 20";
    record.texts()[TEXT_FIRST_STICHTEXT] = L"erster Stich";
    record.texts()[TEXT_FIRST_STICHTEXT + 1] = L"zweiter Stich";
    return record;
}

tinyxml2::XMLElement* writeRecord(tinyxml2::XMLDocument& document, const SPIELSTRUCT& record)
{
    auto* element = document.NewElement(record.elementName());
    document.InsertEndChild(element);
    record.write(*element, document);
    return element;
}

SPIELSTRUCT readRecord(const char* xml)
{
    tinyxml2::XMLDocument document;
    EXPECT_EQ(document.Parse(xml), tinyxml2::XML_SUCCESS) << xml;
    SPIELSTRUCT record;
    EXPECT_TRUE(record.read(document.RootElement(), document));
    return record;
}

TEST(Spielstruct, ResetValues)
{
    SPIELSTRUCT record = finishedGame();
    record.reset();
    EXPECT_EQ(record.REIZ_INDEX, 0);
    EXPECT_EQ(record.REIZEN_DRAN, 1);
    EXPECT_EQ(record.declarer(), SEAT_NONE);
    EXPECT_EQ(record.SPIELART, SPIELART());
    EXPECT_EQ(record.SPIELERPOS, 1);
    EXPECT_FALSE(record.hasTexts());
    EXPECT_TRUE(record.texts()[TEXT_TITEL].empty()) << "a const record reads an empty block";
}

TEST(Spielstruct, RuleSetIsCopiedFromTheRulesAtReset)
{
    const RuleSettings saved = currentRules();
    RuleSettings pub;
    pub.ruleSet = RULESET_PUB;
    setCurrentRules(pub);
    SPIELSTRUCT record;
    EXPECT_EQ(record.ruleSet, RULESET_PUB);
    setCurrentRules(saved);
    record.reset();
    EXPECT_EQ(record.ruleSet, saved.ruleSet);
}

TEST(Spielstruct, WritesTheCurrentForm)
{
    tinyxml2::XMLDocument document;
    const auto* element = writeRecord(document, finishedGame());
    EXPECT_STREQ(element->Attribute("R"), "18 0 20");
    EXPECT_STREQ(element->Attribute("STR"), "2 -2 5 -240");
    EXPECT_STREQ(element->Attribute("KONTRA"), "1");
    EXPECT_STREQ(element->Attribute("KONTRA_WER"), "1");
    EXPECT_STREQ(element->Attribute("RE"), "1");
    EXPECT_STREQ(element->Attribute("BOCKRUNDE_NR"), "2");
    EXPECT_STREQ(element->Attribute("LOEST_BOCKRUNDE_AUS"), "1");
    EXPECT_STREQ(element->Attribute("ALSP_AUFGEGEBEN"), "1");
    EXPECT_EQ(element->Attribute("GEGNER_AUFGEGEBEN"), nullptr);
    EXPECT_STREQ(element->Attribute("TR"), "5");
    EXPECT_STREQ(element->Attribute("TYP"), "2");
    EXPECT_STREQ(element->Attribute("GS"), "1");
    for (const char* absent : {"REIZ_INDEX", "REIZEN_DRAN", "REIZEN_MODUS", "SPIELERPOS", "GEREIZT"})
        EXPECT_EQ(element->Attribute(absent), nullptr) << absent;
    EXPECT_EQ(element->FirstChildElement("SPIELART"), nullptr);
    EXPECT_EQ(element->FirstChildElement("KOMMENTAR"), nullptr) << "empty texts are not written";
    const auto* title = element->FirstChildElement("TITEL");
    ASSERT_NE(title, nullptr);
    ASSERT_NE(title->FirstChild()->ToText(), nullptr);
    EXPECT_FALSE(title->FirstChild()->ToText()->CData());
    EXPECT_STREQ(title->GetText(), "Gr\xC3\xBC\xC3\x9F"
                                   "e & <Ende>");
}

TEST(Spielstruct, WritesBiddingStateOnlyBeforeAGameIsAnnounced)
{
    SPIELSTRUCT bidding;
    bidding.REIZ_INDEX = 7;
    bidding.REIZEN_DRAN = 2;
    bidding.REIZEN_MODUS = 1;
    bidding.GEREIZTBIS = {30, 0, 0};
    tinyxml2::XMLDocument document;
    const auto* element = writeRecord(document, bidding);
    EXPECT_STREQ(element->Attribute("REIZ_INDEX"), "7");
    EXPECT_STREQ(element->Attribute("TR"), "0");
    EXPECT_STREQ(element->Attribute("KONTRA"), nullptr);

    SPIELSTRUCT back;
    ASSERT_TRUE(back.read(element, document));
    EXPECT_EQ(back.REIZ_INDEX, 7);
    EXPECT_EQ(back.REIZEN_DRAN, 2);
    EXPECT_EQ(back.REIZEN_MODUS, 1);
    EXPECT_EQ(back.GEREIZT, 30) << "the bid reached is the largest said";
}

TEST(Spielstruct, RoundTripKeepsEveryWrittenField)
{
    const SPIELSTRUCT original = finishedGame();
    SPIELSTRUCT back;
    ASSERT_EQ(streamFromXml(streamToXml(original), back), STREAM_READ_OK);
    EXPECT_EQ(back, original);
}

TEST(Spielstruct, ReadsOlderForms)
{
    struct Case {
        const char* xml;
        int declarer, matadors, levels, value, bid;
        std::array<int, 3> bids;
        SPIELART game;
    };
    // clang-format off
    const Case cases[] = {
        {R"(<S A="1" SP="3" ST="5" SW="-60" R="0 18 0" TR="1" TYP="2"/>)", 1, 3, 5, -60, 18, {0, 18, 0},
         {GAME_CLUBS, 2, 0}},
        {R"(<S ALLEIN="0" SPITZEN_ALSP="-1" STUFE_DER_ABRECHNUNG="2" SPIELWERT="22" GEREIZTBIS_1="22"
             GEREIZTBIS_2="20" GEREIZTBIS_3="0"><SPIELART TRUMPF="2" GEWINN_STUFE="0"/></S>)",
         0, -1, 2, 22, 22, {22, 20, 0}, {GAME_SPADES, 0, 0}},
        {R"(<S ALLEIN="2" SPITZEN="1" STUFE="2" GEREIZT="0 0 23" TRUMPF="7" SPIEL_TYP="0"/>)", 2, 1, 2, 0, 23,
         {0, 0, 23}, {GAME_NULL, 0, 0}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml);
        const SPIELSTRUCT record = readRecord(c.xml);
        EXPECT_EQ(record.declarer(), c.declarer);
        EXPECT_EQ(record.SPITZEN, c.matadors);
        EXPECT_EQ(record.STUFE_DER_ABRECHNUNG, c.levels);
        EXPECT_EQ(record.SPIELWERT, c.value);
        EXPECT_EQ(record.GEREIZT, c.bid);
        EXPECT_EQ(record.GEREIZTBIS, c.bids);
        EXPECT_EQ(record.SPIELART, c.game) << "a record's \"STUFE\" is its level count, not the level reached";
        EXPECT_FALSE(record.KONTRA);
    }
}

TEST(Spielstruct, WithoutKontraTheKontraFieldsAreCleared)
{
    const SPIELSTRUCT record = readRecord(R"(<S STR="1 1 2 24" KONTRA_WER="2" RE="1" TR="1"/>)");
    EXPECT_FALSE(record.KONTRA);
    EXPECT_EQ(record.KONTRA_WER, 0);
    EXPECT_FALSE(record.RE);
}

TEST(Spielstruct, BiddingFieldsReadOnlyWhileNoGameIsAnnounced)
{
    EXPECT_EQ(readRecord(R"(<S TR="0"/>)").REIZEN_DRAN, SEAT_NONE);
    const SPIELSTRUCT announced = readRecord(R"(<S TR="3" REIZ_INDEX="5" REIZEN_DRAN="2" REIZEN_MODUS="2"/>)");
    EXPECT_EQ(announced.REIZ_INDEX, 0);
    EXPECT_EQ(announced.REIZEN_DRAN, 1);
    EXPECT_EQ(announced.REIZEN_MODUS, 0);
}

TEST(Spielstruct, DamagedValuesFallBackToDefaults)
{
    const SPIELSTRUCT bidding =
        readRecord(R"(<S TR="0" REIZ_INDEX="500" REIZEN_DRAN="9" REIZEN_MODUS="-3" STR="7 1 1 1" KONTRA="1"
                      KONTRA_WER="-5" BOCKRUNDE_NR="-2"/>)");
    EXPECT_EQ(bidding.REIZ_INDEX, 0);
    EXPECT_EQ(bidding.REIZEN_DRAN, SEAT_NONE);
    EXPECT_EQ(bidding.REIZEN_MODUS, 0);
    EXPECT_EQ(bidding.ALLEIN, SEAT_NONE);
    EXPECT_EQ(bidding.KONTRA_WER, 0);
    EXPECT_EQ(bidding.BOCKRUNDE_NR, 0);

    const SPIELSTRUCT game = readRecord(R"(<S TR="12" TYP="9" GS="4" R="x y z" STR="abc"/>)");
    EXPECT_EQ(game.SPIELART, SPIELART());
    EXPECT_EQ(game.GEREIZT, 0);
    EXPECT_EQ(game.declarer(), SEAT_NONE);

    SPIELSTRUCT none;
    tinyxml2::XMLDocument document;
    EXPECT_FALSE(none.read(nullptr, document));
}

TEST(Spielstruct, ValuesNoGameCanHoldAreDropped)
{
    // Bids outside the bid table, matadors beyond eleven trumps and values no
    // game reaches: a settlement or a score total must not run away on them.
    const SPIELSTRUCT record = readRecord(R"(<S TR="1" R="2147483647 20 -18" STR="1 2147483647 2 -2147483648"/>)");
    EXPECT_EQ(record.GEREIZTBIS, (std::array<int, 3>{0, 20, 0}));
    EXPECT_EQ(record.GEREIZT, 20);
    EXPECT_EQ(record.SPITZEN, 0);
    EXPECT_EQ(record.SPIELWERT, 0);

    const SPIELSTRUCT highest = readRecord(R"(<S TR="6" TYP="5" R="361 0 0" STR="0 -11 11 -6336"/>)");
    EXPECT_EQ(highest.GEREIZT, 361);
    EXPECT_EQ(highest.SPITZEN, -11);
    EXPECT_EQ(highest.SPIELWERT, -6336);
}

TEST(Spielstruct, TrickTextsFillTheTrickEntriesInOrder)
{
    const SPIELSTRUCT record =
        readRecord("<S TR=\"1\"><STICHTEXT>eins</STICHTEXT><KOMMENTAR>k</KOMMENTAR><STICHTEXT>zwei</STICHTEXT></S>");
    EXPECT_EQ(record.texts()[TEXT_KOMMENTAR], L"k");
    EXPECT_EQ(record.texts()[TEXT_FIRST_STICHTEXT], L"eins");
    EXPECT_EQ(record.texts()[TEXT_FIRST_STICHTEXT + 1], L"zwei");
    EXPECT_TRUE(record.texts()[TEXT_FIRST_STICHTEXT + 2].empty());
}

TEST(Spielstruct, CopiesOwnTheirTexts)
{
    SPIELSTRUCT original = finishedGame();
    SPIELSTRUCT copy = original;
    copy.texts()[TEXT_TITEL] = L"anders";
    EXPECT_NE(original.texts()[TEXT_TITEL], L"anders");
    copy = original;
    EXPECT_EQ(copy, original);
    copy = copy;
    EXPECT_EQ(copy, original);
}

} // namespace
