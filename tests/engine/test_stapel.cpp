// The trick pile: records, tricks in play order, points, XML forms.

#include "skat/engine/Stapel.h"

#include <gtest/gtest.h>
#include <string>
#include <tinyxml2.h>

namespace {

STICH trickOf(const std::string& codes)
{
    STICH trick;
    trick.parseCodes(codes);
    return trick;
}

CardId id(const char* code) { return cardIdFromCode(code); }

// A pile of three tricks: VH 1, declarer seat 0 laid away KA and P1.
//  1: seat 1 leads H7, seat 2 H8, seat 0 HA -> declarer (seat 0) takes
//  2: seat 0 leads K7, seat 1 KD, seat 2 K1  -> seat 2 takes (defenders)
//  3: seat 2 leads C7, seat 0 C8, seat 1 CA  -> seat 1 takes (defenders)
STAPEL samplePile()
{
    STAPEL pile;
    pile.setVh(SEAT_1);
    pile.setSkat(SKAT(id("KA"), id("P1")));
    pile.addToParty(PARTY_DECLARER, trickOf("H7 H8 HA"), SEAT_1, SEAT_0);
    pile.addToParty(PARTY_DEFENDERS, trickOf("K7 KD K1"), SEAT_0, SEAT_2);
    pile.addToParty(PARTY_DEFENDERS, trickOf("C7 C8 CA"), SEAT_2, SEAT_1);
    return pile;
}

std::string roundTrip(const STAPEL& pile, STAPEL& back)
{
    const std::string xml = streamToXml(pile);
    EXPECT_EQ(streamFromXml(xml, back), STREAM_READ_OK) << xml;
    return xml;
}

} // namespace

TEST(Stapel, RecordsKeepSeatOrderAndTricksComeBackInPlayOrder)
{
    const STAPEL pile = samplePile();
    EXPECT_EQ(pile.trickCount(), 3);
    // Declarer record: skat, then trick 1 as seats 0, 1, 2.
    EXPECT_EQ(pile.recordCount(PARTY_DECLARER), 5);
    EXPECT_EQ(pile.recordCard(PARTY_DECLARER, 3), id("HA"));
    EXPECT_EQ(pile.recordCard(PARTY_DECLARER, 4), id("H7"));
    EXPECT_EQ(pile.recordCard(PARTY_DECLARER, 5), id("H8"));
    EXPECT_EQ(pile.trick(1).codesText(), "H7 H8 HA");
    EXPECT_EQ(pile.trick(2).codesText(), "K7 KD K1");
    EXPECT_EQ(pile.trick(3).codesText(), "C7 C8 CA");
    EXPECT_TRUE(pile.trick(0).isEmpty());
    EXPECT_TRUE(pile.trick(4).isEmpty());
    EXPECT_EQ(pile.leaderOfTrick(3), 2);

    EXPECT_EQ(pile.skat(), SKAT(id("KA"), id("P1")));
    EXPECT_EQ(pile.declarerTrickPoints(), 11);
    EXPECT_EQ(pile.recordPoints(PARTY_DECLARER), 32);
    EXPECT_EQ(pile.recordPoints(PARTY_DEFENDERS), 24);
    EXPECT_EQ(pile.pointsWonBy(SEAT_0), 11);
    EXPECT_EQ(pile.pointsWonBy(SEAT_2), 13);
    EXPECT_EQ(pile.pointsWonBy(SEAT_1), 11);
    EXPECT_EQ(pile.cardsWonBy(SEAT_1), 3);
    EXPECT_EQ(pile.cardsWonBy(SEAT_NONE), 0);

    EXPECT_EQ(pile.startingHandOf(SEAT_0).cardSet(),
              cardMaskOfId(id("HA")) | cardMaskOfId(id("K7")) | cardMaskOfId(id("C8")));
    EXPECT_EQ(pile.startingHandOf(SEAT_2).cardIdAt(1), id("H8"));
    EXPECT_EQ(pile.startingHandOf(static_cast<Seat>(5)).cardCount(), 0);

    EXPECT_TRUE(pile.containsCard(id("KA")));
    EXPECT_TRUE(pile.containsCard(id("CA")));
    EXPECT_FALSE(pile.containsCard(id("PA")));
    EXPECT_FALSE(pile.containsCard(0));
}

TEST(Stapel, DeclarerTrickPointsLeaveTheSkatOut)
{
    STAPEL pile;
    pile.setVh(SEAT_0);
    pile.setSkat(SKAT(id("KA"), id("P1")));
    pile.addToParty(PARTY_DECLARER, trickOf("HA HK C7"), SEAT_0, SEAT_0);
    EXPECT_EQ(pile.declarerTrickPoints(), 15);
    // Replacing the skat takes the old points off.
    pile.setSkat(SKAT(id("K7"), id("P7")));
    EXPECT_EQ(pile.recordPoints(PARTY_DECLARER), 15);
    EXPECT_EQ(pile.recordCount(PARTY_DECLARER), 5);
}

TEST(Stapel, HiddenSkatIsNeitherShownNorContained)
{
    STAPEL pile = samplePile();
    pile.setSkatHidden(true);
    EXPECT_TRUE(pile.skat().isEmpty());
    EXPECT_FALSE(pile.containsCard(id("KA")));
    EXPECT_TRUE(pile.containsCard(id("HA")));
    STAPEL back;
    EXPECT_NE(roundTrip(pile, back).find("SKAT=\"LL LL\""), std::string::npos);
}

TEST(Stapel, RemoveLastTrickReopensIt)
{
    STAPEL pile = samplePile();
    EXPECT_TRUE(pile.removeLastTrick(PARTY_DECLARER).isEmpty()); // the last trick is the defenders'
    const STICH last = pile.removeLastTrick(PARTY_DEFENDERS);
    EXPECT_EQ(last.codesText(), "C7 C8 CA");
    EXPECT_EQ(pile.trickCount(), 2);
    EXPECT_EQ(pile.recordPoints(PARTY_DEFENDERS), 13);
    EXPECT_EQ(pile.takerOfTrick(3), -1);
    EXPECT_EQ(pile.removeLastTrick(PARTY_DEFENDERS).codesText(), "K7 KD K1");
    EXPECT_EQ(pile.removeLastTrick(PARTY_DECLARER).codesText(), "H7 H8 HA");
    EXPECT_EQ(pile.recordCount(PARTY_DECLARER), 2); // the skat stays
    EXPECT_TRUE(pile.removeLastTrick(PARTY_DECLARER).isEmpty());
}

TEST(Stapel, RotateSeatsMovesEveryCardWithItsSeat)
{
    STAPEL pile = samplePile();
    pile.rotateSeats(1);
    EXPECT_EQ(pile.vh(), 2);
    EXPECT_EQ(pile.takerOfTrick(1), 1);
    EXPECT_EQ(pile.takerOfTrick(3), 2);
    // Same play order, every seat moved on by one.
    EXPECT_EQ(pile.trick(1).codesText(), "H7 H8 HA");
    EXPECT_EQ(pile.trick(3).codesText(), "C7 C8 CA");
    EXPECT_EQ(pile.startingHandOf(SEAT_1).cardSet(), samplePile().startingHandOf(SEAT_0).cardSet());
    pile.rotateSeats(-1);
    EXPECT_EQ(pile, samplePile());
}

TEST(Stapel, WritesTheCurrentFormAndReadsItBack)
{
    STAPEL pile;
    pile.setVh(SEAT_0);
    pile.addToParty(PARTY_DEFENDERS, trickOf("K7 KD K1"), SEAT_0, SEAT_2);
    pile.addToParty(PARTY_DEFENDERS, trickOf("C7 C8 CA"), SEAT_2, SEAT_0);
    STAPEL back;
    const std::string xml = roundTrip(pile, back);
    EXPECT_EQ(xml, "<STAPEL VH=\"0\" SKAT=\"LL LL\" PARTEI=\"11////////\" STICHT=\"20////////\" "
                   "STICHE=\"K7 KD K1,C7 C8 CA\"/>");
    EXPECT_EQ(back, pile);

    const STAPEL sample = samplePile();
    EXPECT_EQ(roundTrip(sample, back), "<STAPEL VH=\"1\" SKAT=\"KA P1\" PARTEI=\"011///////\" "
                                       "STICHT=\"021///////\" STICHE=\"H7 H8 HA,K7 KD K1,C7 C8 CA\"/>");
    EXPECT_EQ(back, sample);

    EXPECT_EQ(streamToXml(STAPEL()), "<STAPEL VH=\"-1\" SKAT=\"LL LL\"/>");
}

TEST(Stapel, CompactFormReadsPartiesFromTheDeclarer)
{
    const STAPEL sample = samplePile();
    tinyxml2::XMLDocument doc;
    auto* row = doc.NewElement("SPIEL");
    doc.InsertEndChild(row);
    sample.writeCompact(*row, SEAT_0);
    EXPECT_EQ(row->Attribute("PARTEI"), nullptr);

    STAPEL back;
    ASSERT_TRUE(back.readContent(*row, GAME_HEARTS, SEAT_0));
    EXPECT_EQ(back, sample);

    // In Ramsch every trick goes to the first record.
    ASSERT_TRUE(back.readContent(*row, GAME_RAMSCH, SEAT_0));
    EXPECT_EQ(back.partyOfTrick(2), PARTY_DECLARER);
    EXPECT_EQ(back.trick(3).codesText(), "C7 C8 CA");

    // A row without a declarer keeps its parties: nothing else gives them.
    auto* declarerless = doc.NewElement("SPIEL");
    sample.writeCompact(*declarerless, SEAT_NONE);
    ASSERT_NE(declarerless->Attribute("PARTEI"), nullptr);
    ASSERT_TRUE(back.readContent(*declarerless, GAME_HEARTS, SEAT_NONE));
    EXPECT_EQ(back, sample);
}

TEST(Stapel, ReadsOlderForms)
{
    struct Case {
        const char* what;
        const char* xml;
    };
    const STAPEL sample = samplePile();
    const Case cases[] = {
        {"VH_POS and a SKAT child", "<STAPEL VH_POS=\"1\" PARTEI=\"011///////\" STICHT=\"021///////\" "
                                    "STICHE=\"H7 H8 HA,K7 KD K1,C7 C8 CA\"><SKAT s0=\"KA\" s1=\"P1\"/></STAPEL>"},
        {"owner children and trick elements",
         "<STAPEL VH=\"1\" SKAT=\"KA P1\"><PARTEI_PTR i1=\"0\" i2=\"1\" i3=\"1\" i4=\"255\"/>"
         "<SIEG_PTR i1=\"0\" i2=\"2\" i3=\"1\"/><STICHE><STICH S=\"H7 H8 HA\"/>"
         "<STICH AUSP=\"K7\" ZWEI=\"KD\" DREI=\"K1\"/><STICH><KARTE CODE=\"C7\"/><KARTE CODE=\"C8\"/>"
         "<KARTE CODE=\"CA\"/></STICH></STICHE></STAPEL>"},
        {"records as card lists",
         "<STAPEL VH=\"1\"><PARTEI_PTR i1=\"0\" i2=\"1\" i3=\"1\"/><SIEG_PTR i1=\"0\" i2=\"2\" i3=\"1\"/>"
         "<ALSP><KARTE CODE=\"KA\"/><KARTE CODE=\"P1\"/><KARTE CODE=\"HA\"/><KARTE CODE=\"H7\"/>"
         "<KARTE CODE=\"H8\"/></ALSP><GEGNER><KARTE CODE=\"K7\"/><KARTE CODE=\"KD\"/><KARTE CODE=\"K1\"/>"
         "<KARTE CODE=\"C8\"/><KARTE CODE=\"CA\"/><KARTE CODE=\"C7\"/></GEGNER></STAPEL>"},
        {"codes with trailing characters", "<STAPEL VH=\"1\" SKAT=\"KAx P1y\" PARTEI=\"011///////\" "
                                           "STICHT=\"021///////\" STICHE=\"H7a H8 HA,K7 KD K1,C7 C8 CA\"/>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        STAPEL read;
        ASSERT_EQ(streamFromXml(c.xml, read), STREAM_READ_OK);
        EXPECT_EQ(read, sample);
    }
    STAPEL bare;
    ASSERT_EQ(streamFromXml("<STAPEL/>", bare), STREAM_READ_OK);
    EXPECT_EQ(bare.vh(), 1);
    EXPECT_EQ(bare.trickCount(), 0);
}

TEST(Stapel, OutOfRangeSeatsAndDamagedTricksAreRefused)
{
    const char* bad[] = {
        "<STAPEL VH=\"3\"/>",
        "<STAPEL VH=\"-2\"/>",
        "<STAPEL VH_POS=\"7\"/>",
        "<STAPEL VH=\"0\" PARTEI=\"1/////////\" STICHT=\"3/////////\" STICHE=\"K7 KD K1\"/>",
        "<STAPEL VH=\"0\" PARTEI=\"2/////////\" STICHT=\"0/////////\" STICHE=\"K7 KD K1\"/>",
        "<STAPEL VH=\"0\" STICHE=\"K7 KD K1\"/>", // a trick without a party
        "<STAPEL VH=\"0\" PARTEI=\"1111111111\" STICHT=\"0000000000\" "
        "STICHE=\"K7 KD K1,K7 KD K1,K7 KD K1,K7 KD K1,K7 KD K1,K7 KD K1,K7 KD K1,K7 KD K1,K7 KD K1,K7 KD K1,"
        "K7 KD K1\"/>", // eleven tricks
        "<STAPEL VH=\"0\"><SIEG_PTR i1=\"9\"/></STAPEL>",
    };
    for (const char* xml : bad) {
        STAPEL read = samplePile();
        EXPECT_EQ(streamFromXml(xml, read), STREAM_READ_FAILED) << xml;
        EXPECT_EQ(read.trickCount(), 0) << xml;
    }
    tinyxml2::XMLDocument doc;
    doc.Parse("<SPIEL VH=\"0\" STICHT=\"9/////////\"/>");
    STAPEL read;
    EXPECT_FALSE(read.readContent(*doc.RootElement(), GAME_GRAND, SEAT_0));
    doc.Parse("<SPIEL VH=\"0\" STICHT=\"0/////////\"/>");
    EXPECT_FALSE(read.readContent(*doc.RootElement(), GAME_GRAND, static_cast<Seat>(4)));
}

TEST(Stapel, FullPileAndRecordLimits)
{
    STAPEL pile;
    pile.setVh(SEAT_0);
    pile.setSkat(SKAT(id("K7"), id("K8")));
    for (int n = 0; n < 10; ++n)
        EXPECT_TRUE(pile.addToParty(PARTY_DECLARER, trickOf("H7 H8 H9"), SEAT_0, SEAT_0));
    EXPECT_FALSE(pile.addToParty(PARTY_DECLARER, trickOf("H7 H8 H9"), SEAT_0, SEAT_0));
    EXPECT_FALSE(pile.addToParty(5, trickOf("H7 H8 H9"), SEAT_0, SEAT_0));
    EXPECT_EQ(pile.trickCount(), 10);
    EXPECT_EQ(pile.recordCount(PARTY_DECLARER), 32);
}
