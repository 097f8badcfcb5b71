// The skat, one deal and the "Kartenverteilung" document.

#include "skat/engine/KartenverteilungDoc.h"
#include "skat/engine/Stapel.h"
#include "vordix/MessageSink.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <tinyxml2.h>

namespace {

CardId id(const char* code) { return cardIdFromCode(code); }

// The unshuffled deal: seat k gets every third card from place k, the skat
// the last two.
KARTENVERTEILUNG orderedDeal()
{
    KARTENVERTEILUNG deal;
    for (int i = 0; i < 30; ++i)
        deal.hands[i % 3].addCard(cardByBit(31 - i)->id());
    deal.skat = SKAT(cardByBit(0)->id(), cardByBit(1)->id());
    deal.vhPos = SEAT_2;
    return deal;
}

class DealFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path()
              / ("krt_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_"
                 + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
        file.folder.setPath(dir.wstring());
        file.name = L"Deal.krt";
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void writeFile(const std::string& text) { std::ofstream(dir / "Deal.krt") << text; }

    std::filesystem::path dir;
    VORDIX_FILE file;
};

} // namespace

TEST(Skat, ElementAndCodeForms)
{
    EXPECT_EQ(streamToXml(SKAT()), "<SKAT/>");
    EXPECT_EQ(streamToXml(SKAT(id("KA"), 0)), "<SKAT s0=\"KA\"/>");
    struct Case {
        const char* xml;
        CardId first, second;
    };
    const Case cases[] = {
        {"<SKAT/>", 0, 0},
        {"<SKAT s0=\"KA\" s1=\"C7\"/>", id("KA"), id("C7")},
        {"<SKAT s1=\"C7\"/>", 0, id("C7")},
        {"<SKAT s0=\"XX\" s1=\"C7\"/>", 0, id("C7")},
        {"<SKAT><KARTE CODE=\"H9\"/><KARTE FARBE=\"P\" BLATT=\"B\"/><KARTE CODE=\"KA\"/></SKAT>", id("H9"), id("PB")},
    };
    for (const Case& c : cases) {
        SKAT skat(id("PA"), id("PK"));
        ASSERT_EQ(streamFromXml(c.xml, skat), STREAM_READ_OK) << c.xml;
        EXPECT_EQ(skat, SKAT(c.first, c.second)) << c.xml;
    }

    tinyxml2::XMLDocument doc;
    auto* row = doc.NewElement("ROW");
    SKAT(id("KA"), 0).writeCodes(*row);
    EXPECT_STREQ(row->Attribute("SG"), "KA LL");
    SKAT back(id("C7"), id("C8"));
    back.readCodes(*row);
    EXPECT_EQ(back, SKAT(id("KA"), 0));
    EXPECT_FALSE(back.isComplete());
    EXPECT_TRUE(SKAT(id("KA"), id("C7")).isComplete());
}

TEST(Kartenverteilung, Validity)
{
    KARTENVERTEILUNG fresh;
    EXPECT_EQ(fresh.vhPos, 1);
    EXPECT_EQ(fresh.hands[0].cardCount(), 0);
    EXPECT_TRUE(fresh.skat.isEmpty());
    EXPECT_FALSE(fresh.isValid());

    EXPECT_TRUE(orderedDeal().isValid());
    struct Case {
        const char* what;
        void (*spoil)(KARTENVERTEILUNG&);
    };
    const Case cases[] = {
        {"a skat card also in a hand", [](KARTENVERTEILUNG& d) { d.skat.setCard(1, d.hands[0].cardIdAt(1)); }},
        {"the same card twice in the skat", [](KARTENVERTEILUNG& d) { d.skat.setCard(1, d.skat.cardId(2)); }},
        {"a card in two hands",
         [](KARTENVERTEILUNG& d) {
             const CardId moved = d.hands[1].cardIdAt(1);
             d.hands[0].removeCard(d.hands[0].cardIdAt(1));
             d.hands[0].addCard(moved);
         }},
        {"nine cards", [](KARTENVERTEILUNG& d) { d.hands[2].removeCard(d.hands[2].cardIdAt(3)); }},
        {"no forehand", [](KARTENVERTEILUNG& d) { d.vhPos = SEAT_NONE; }},
        {"empty skat place", [](KARTENVERTEILUNG& d) { d.skat.setCard(2, 0); }},
    };
    for (const Case& c : cases) {
        KARTENVERTEILUNG deal = orderedDeal();
        c.spoil(deal);
        EXPECT_FALSE(deal.isValid()) << c.what;
    }
}

TEST(Kartenverteilung, AssignFromGameRestoresTheDealtHands)
{
    // Declarer seat 0 picks up the skat (C7 C8) and lays away KA and KD.
    KARTENVERTEILUNG deal = orderedDeal();
    STAPEL pile;
    pile.setVh(deal.vhPos);
    std::array<CardSet, 3> hands = {deal.hands[0].cardSet(), deal.hands[1].cardSet(), deal.hands[2].cardSet()};
    hands[0] = (hands[0] | deal.skat.cardSet()) & ~(cardMaskOfId(id("KA")) | cardMaskOfId(id("KD")));
    pile.setSkat(SKAT(id("KA"), id("KD")));
    // Ten tricks, every seat playing its lowest card, led by the seat in forehand.
    Seat leader = deal.vhPos;
    for (int n = 0; n < 10; ++n) {
        STICH trick;
        for (int k = 0; k < 3; ++k) {
            const Seat seat = seatAfter(leader, k);
            const CardBit low = lowestBit(hands[seat]);
            hands[seat] &= ~bitMask(low);
            trick.addCard(cardByBit(low));
        }
        const Seat taker = seatAfter(leader, trick.winner(GAME_GRAND));
        pile.addToParty(taker == 0 ? PARTY_DECLARER : PARTY_DEFENDERS, trick, leader, taker);
        leader = taker;
    }
    KARTENVERTEILUNG rebuilt;
    rebuilt.assignFromGame(pile, deal.skat, SEAT_0);
    EXPECT_EQ(rebuilt.vhPos, deal.vhPos);
    EXPECT_EQ(rebuilt.skat, deal.skat);
    for (Seat s = SEAT_0; s < 3; ++s)
        EXPECT_EQ(rebuilt.hands[s].cardSet(), deal.hands[s].cardSet()) << s;
    EXPECT_TRUE(rebuilt.isValid());
}

TEST_F(DealFile, SavesAndLoadsBackEqual)
{
    KARTENVERTEILUNG_DOC doc;
    doc.file = file;
    doc.deal = orderedDeal();
    doc.deal.hands[1].sort(GAME_GRAND, SortSettings{});
    doc.comment = L"Gr\u00fc\u00dfe \u2660";
    ASSERT_TRUE(doc.save());

    KARTENVERTEILUNG_DOC back;
    ASSERT_EQ(back.open(file), 0);
    EXPECT_EQ(back.deal, doc.deal); // the skat is the two cards no hand holds
    EXPECT_EQ(back.comment, doc.comment);
    EXPECT_FALSE(back.modified);

    tinyxml2::XMLDocument xml;
    ASSERT_EQ(xml.LoadFile((dir / "Deal.krt").string().c_str()), tinyxml2::XML_SUCCESS);
    const auto* root = xml.RootElement();
    EXPECT_STREQ(root->Name(), "Kartenverteilung");
    EXPECT_STREQ(root->Attribute("DokumentVersion"), "1");
    EXPECT_STREQ(root->FirstChildElement()->Name(), "Blatt1");
    EXPECT_STREQ(root->FirstChildElement("VH_POS")->GetText(), "2");
    EXPECT_EQ(root->FirstChildElement("SKAT"), nullptr);
}

TEST_F(DealFile, RefusesUnknownVersionsRootsAndSeats)
{
    struct Case {
        const char* what;
        const char* text;
        const wchar_t* errorPart;
    };
    const Case cases[] = {
        {"version 2", "<Kartenverteilung DokumentVersion=\"2\"/>", L"Version 2"},
        {"no version", "<Kartenverteilung/>", L"Version 0"},
        {"another root", "<Liste DokumentVersion=\"1\"/>", L"keine Kartenverteilung"},
        {"forehand 3", "<Kartenverteilung DokumentVersion=\"1\"><VH_POS>3</VH_POS></Kartenverteilung>", L"Vorhand"},
        {"forehand -7", "<Kartenverteilung DokumentVersion=\"1\"><VH_POS>-7</VH_POS></Kartenverteilung>", L"Vorhand"},
        {"forehand text", "<Kartenverteilung DokumentVersion=\"1\"><VH_POS>x</VH_POS></Kartenverteilung>", L"Vorhand"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(c.text);
        KARTENVERTEILUNG_DOC doc;
        doc.deal = orderedDeal();
        doc.comment = L"kept";
        EXPECT_NE(doc.open(file), 0);
        EXPECT_TRUE(doc.modified);
        EXPECT_EQ(doc.deal, orderedDeal());
        EXPECT_EQ(doc.comment, L"kept");
        EXPECT_NE(doc.readError().find(c.errorPart), std::wstring::npos);
    }
}

TEST_F(DealFile, MissingPartsTakeDefaults)
{
    writeFile("<Kartenverteilung DokumentVersion=\"1\"><Blatt2><EINBLATT k1=\"KA\"/></Blatt2></Kartenverteilung>");
    KARTENVERTEILUNG_DOC doc;
    doc.comment = L"old";
    ASSERT_EQ(doc.open(file), 0);
    EXPECT_EQ(doc.deal.vhPos, 1);
    EXPECT_EQ(doc.deal.hands[1].cardIdAt(1), id("KA"));
    EXPECT_EQ(doc.deal.hands[0].cardCount(), 0);
    EXPECT_EQ(doc.comment, L"");
    EXPECT_FALSE(doc.deal.isValid());

    doc.defaultFile = file;
    doc.defaultFile.name = L"Demo.krt";
    doc.reset();
    EXPECT_EQ(doc.file.name, L"Demo.krt");
    EXPECT_EQ(doc.deal, KARTENVERTEILUNG());
}
