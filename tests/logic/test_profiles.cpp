// Player profiles: what one replayed game teaches each trait, which rows of
// a score sheet are learned, the XML round trip, the start-up load and the
// queries the heuristics ask.

#include "skat/engine/Liste.h"
#include "skat/engine/Spielkarten.h"
#include "skat/engine/Spielstruct.h"
#include "skat/logic/CharakterCreator.h"
#include "skat/logic/CharakterQuery.h"
#include "skat/logic/HandPatterns.h"
#include "tests/support/PlayedGame.h"
#include "vordix/File.h"
#include "vordix/Folder.h"
#include "vordix/Random.h"
#include "vordix/Stream.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

constexpr CardId C(int s, Rank r) { return makeCardId(static_cast<Suit>(s), r); }

struct RowSpec {
    GameType type;
    Seat declarer;
    Seat forehand;
    int tricks;
};

void fillSheet(LISTE& sheet, std::initializer_list<RowSpec> rows)
{
    std::uint32_t seed = 11;
    for (const RowSpec& r : rows) {
        SPIELSTRUCT record;
        const SPIELKARTEN cards = testsupport::playedGame(seed++, r.type, r.declarer, r.forehand, r.tricks, record);
        sheet.addGame(record, cards, false);
    }
}

int leadsRecorded(const CHARAKTER& p)
{
    int n = 0;
    for (const LeadTable* t : {&p.ak, &p.al, &p.ck, &p.cl})
        for (const auto& row : *t)
            for (int v : row)
                n += v;
    return n;
}

TEST(ProfileStore, WhichRowsAreLearned)
{
    struct Case {
        const char* what;
        RowSpec row;
        int trumpGames; // in the declarer's trait
        int jackGames;
        bool leadRecorded; // in the forehand's profile
    };
    const Case cases[] = {
        {"a single suit game, row 0, is learned", {GAME_CLUBS, SEAT_0, SEAT_1, 10}, 1, 0, true},
        {"a game stopped before the tenth trick", {GAME_CLUBS, SEAT_0, SEAT_1, 9}, 0, 0, false},
        {"Ramsch", {GAME_RAMSCH, SEAT_NONE, SEAT_1, 10}, 0, 0, false},
        {"a grand reaches the jack trait only", {GAME_GRAND, SEAT_0, SEAT_1, 10}, 0, 1, false},
        {"a declarer in forehand adds no opening lead", {GAME_CLUBS, SEAT_1, SEAT_1, 10}, 1, 0, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        CHARAKTER_CREATOR store;
        LISTE sheet;
        fillSheet(sheet, {k.row});
        ASSERT_EQ(sheet.rowCount(), 1);
        store.learnFromSheet(sheet);
        const Seat d = isValidSeat(k.row.declarer) ? static_cast<Seat>(k.row.declarer) : SEAT_0;
        // Games are filed under the stored seat numbers.
        const CHARAKTER& declarer = store.profiles[static_cast<std::size_t>(d)];
        EXPECT_EQ(declarer.trumps.games, k.trumpGames);
        EXPECT_EQ(declarer.asymmetry.games, k.trumpGames);
        EXPECT_EQ(declarer.jacks.games, k.jackGames);
        for (int s = 0; s < 3; ++s)
            if (s != d) {
                EXPECT_EQ(store.profiles[static_cast<std::size_t>(s)].trumps.games, 0);
                EXPECT_EQ(store.profiles[static_cast<std::size_t>(s)].jacks.games, 0);
            }
        EXPECT_EQ(leadsRecorded(store.profiles[static_cast<std::size_t>(k.row.forehand)]) > 0, k.leadRecorded);
    }
}

TEST(ProfileStore, EveryRowOfALongerSheetCounts)
{
    CHARAKTER_CREATOR store;
    LISTE sheet;
    fillSheet(sheet, {{GAME_HEARTS, SEAT_0, SEAT_1, 10},
                      {GAME_SPADES, SEAT_0, SEAT_2, 10},
                      {GAME_CLUBS, SEAT_2, SEAT_0, 10},
                      {GAME_NONE, SEAT_NONE, SEAT_1, 0}});
    store.learnFromSheet(sheet);
    EXPECT_EQ(store.profiles[0].trumps.games, 2);
    EXPECT_EQ(store.profiles[2].trumps.games, 1);
    int shapes = 0;
    for (int n : store.profiles[0].trumps.trumpCount)
        shapes += n;
    EXPECT_EQ(shapes, 2);
    // The percentages are computed at the end of the replay.
    int percent = 0;
    for (int p : store.profiles[0].trumps.trumpCountPercent)
        percent += p;
    EXPECT_GE(percent, 99);
    EXPECT_LE(percent, 100);
}

// --- the traits on one game ---------------------------------------------------

// Seat 0 declares clubs. The hands as the trait sees them.
ReplayedGame clubsGame(STAPEL& pile)
{
    ReplayedGame g;
    g.declarer = SEAT_0;
    g.type = GAME_CLUBS;
    g.finalHands = {cardMaskOfId(C(1, 4)) | suitMask(SUIT_CLUBS) | cardMaskOfId(C(2, 8)) | cardMaskOfId(C(2, 1)),
                    cardMaskOfId(C(2, 2)) | cardMaskOfId(C(2, 3)) | cardMaskOfId(C(2, 7)),
                    cardMaskOfId(C(3, 8)) | cardMaskOfId(C(3, 1))};
    g.dealtHands = g.finalHands;
    g.pile = &pile;
    return g;
}

void addTrick(STAPEL& pile, Seat leader, std::initializer_list<CardId> cards, GameType type, Seat declarer)
{
    STICH t;
    for (CardId c : cards)
        t.addCard(c);
    const Seat taker = seatAfter(leader, t.winner(type));
    pile.addToParty(taker == declarer ? PARTY_DECLARER : PARTY_DEFENDERS, t, leader, taker);
}

TEST(ProfileTraits, RuffsCountOnlyDefenderTrumpsOnPlainLeadsTheyTook)
{
    STAPEL pile;
    pile.setVh(SEAT_0);
    // 1: the declarer leads the spades ace, seat 1 ruffs with the clubs 7: a ruff.
    addTrick(pile, SEAT_0, {C(2, 8), C(1, 1), C(2, 1)}, GAME_CLUBS, SEAT_0);
    // 2: seat 1 leads hearts, the declarer trumps: its party took it.
    addTrick(pile, SEAT_1, {C(3, 8), C(3, 1), C(1, 8)}, GAME_CLUBS, SEAT_0);
    // 3: seat 0 leads a trump: not a side-suit lead.
    addTrick(pile, SEAT_0, {C(1, 2), C(1, 3), C(2, 2)}, GAME_CLUBS, SEAT_0);
    // 4: seat 1 leads hearts, seat 2 ruffs with a jack and the declarer,
    // third in this trick, trumps too: its own card is a trump.
    addTrick(pile, SEAT_1, {C(3, 6), C(1, 4), C(1, 7)}, GAME_CLUBS, SEAT_0);
    F_ALSP_TRUMPFKARTEN_UND_BEIBLATT trait;
    trait.reset(SEAT_0);
    ReplayedGame g = clubsGame(pile);
    trait.recordGame(g);
    int ruffs = 0;
    for (int n : trait.ruffCount)
        ruffs += n;
    EXPECT_EQ(ruffs, 1);
    EXPECT_EQ(trait.games, 1);
    // Another seat's trait learns nothing from this game.
    F_ALSP_TRUMPFKARTEN_UND_BEIBLATT other;
    other.reset(SEAT_1);
    other.recordGame(g);
    EXPECT_EQ(other.games, 0);
}

TEST(ProfileTraits, AsymmetryOfHoldings)
{
    STAPEL pile;
    F_ALSP_ASYMETRIE_ALSP_GG trait;
    trait.reset(SEAT_0);
    ReplayedGame g;
    g.declarer = SEAT_0;
    g.type = GAME_CLUBS;
    g.pile = &pile;
    // Declarer: spades 7 8 (two low cards), void in hearts and diamonds.
    g.finalHands = {cardMaskOfId(C(2, 1)) | cardMaskOfId(C(2, 2)), cardMaskOfId(C(2, 8)), 0u};
    trait.recordGame(g);
    const int defenderSpades = suitPatternIndex(cardMaskOfId(C(2, 8))); // the ace alone: 32
    EXPECT_EQ(trait.pairCount[static_cast<std::size_t>(defenderSpades)][2], 1);
    for (Rank k = RANK_SEVEN; k <= RANK_NINE; ++k)
        EXPECT_DOUBLE_EQ(trait.cardAbsolute[static_cast<std::size_t>(k)][static_cast<std::size_t>(defenderSpades)],
                         2.0 / 3);
    EXPECT_EQ(trait.cardAbsolute[RANK_QUEEN][static_cast<std::size_t>(defenderSpades)], 0.0);
    // Void in hearts and diamonds, against two empty defender holdings each.
    EXPECT_EQ(trait.cardAbsolute[0][0], 4.0);
    trait.computePercentages();
    EXPECT_EQ(trait.cardHeldPercent[RANK_SEVEN][static_cast<std::size_t>(defenderSpades)], 66.0);
}

TEST(ProfileTraits, NoGamesLeaveEveryPercentageZero)
{
    F_ALSP_TRUMPFKARTEN_UND_BEIBLATT trumps;
    GR_ALSP_BUBEN_UND_BEIBLATT jacks;
    trumps.computePercentages();
    jacks.computePercentages();
    EXPECT_EQ(trumps.thirdSuitVoidPercent, 0);
    for (int p : trumps.trumpCountPercent)
        EXPECT_EQ(p, 0);
    for (int p : jacks.jackRuffPercent)
        EXPECT_EQ(p, 0);
}

// --- XML ----------------------------------------------------------------------

TEST(ProfileXml, RoundTrip)
{
    CHARAKTER written;
    std::mt19937 rng(5);
    auto fill = [&](auto& table) {
        for (auto& row : table)
            for (int& v : row)
                v = static_cast<int>(rng() % 1000);
    };
    for (std::size_t t = 0; t <= 10; ++t) {
        written.trumps.trumpCount[t] = static_cast<int>(rng() % 500);
        written.trumps.trumpCountPercent[t] = static_cast<int>(rng() % 101);
    }
    written.trumps.thirdSuitVoidPercent = 37;
    fill(written.asymmetry.pairCount);
    fill(written.ak);
    fill(written.al);
    fill(written.ck);
    fill(written.cl);
    const std::string text = streamToXml(written);
    ASSERT_FALSE(text.empty());
    CHARAKTER read;
    ASSERT_EQ(streamFromXml(text, read), STREAM_READ_OK);
    EXPECT_EQ(read.trumps.trumpCount, written.trumps.trumpCount);
    EXPECT_EQ(read.trumps.trumpCountPercent, written.trumps.trumpCountPercent);
    EXPECT_EQ(read.trumps.thirdSuitVoidPercent, 37);
    EXPECT_EQ(read.asymmetry.pairCount, written.asymmetry.pairCount);
    EXPECT_EQ(read.ak, written.ak);
    EXPECT_EQ(read.al, written.al);
    EXPECT_EQ(read.ck, written.ck);
    EXPECT_EQ(read.cl, written.cl);

    // A document without the lead statistics reads them as empty.
    CHARAKTER partial;
    partial.ak[1][1] = 9;
    ASSERT_EQ(streamFromXml("<Charakter><AlspGG><r3 c4=\"2\"/></AlspGG></Charakter>", partial), STREAM_READ_OK);
    EXPECT_EQ(partial.ak[1][1], 0);
    EXPECT_EQ(partial.asymmetry.pairCount[3][4], 2);
    EXPECT_EQ(partial.trumps.trumpCount[0], 0);
}

// --- start-up load --------------------------------------------------------------

class ProfileLoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("skat-profiles-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path save(std::initializer_list<RowSpec> rows, const char* name)
    {
        LISTE sheet;
        fillSheet(sheet, rows);
        VORDIX_FOLDER dir;
        dir.setPath(folder.wstring());
        sheet.file = VORDIX_FILE(dir, fs::path(name).wstring());
        sheet.modified = true;
        EXPECT_TRUE(sheet.save());
        return folder / name;
    }
    fs::path folder;
};

TEST_F(ProfileLoad, TheShippedSheetSetsTheFlag)
{
    const fs::path user = save({{GAME_HEARTS, SEAT_0, SEAT_1, 10}}, "user.skt");
    const fs::path shipped = save({{GAME_SPADES, SEAT_0, SEAT_2, 10}, {GAME_CLUBS, SEAT_0, SEAT_1, 10}}, "shipped.skt");
    CHARAKTER_CREATOR store;
    EXPECT_FALSE(store.loaded());
    EXPECT_TRUE(loadProfiles(store, user, shipped));
    EXPECT_TRUE(store.loaded());
    EXPECT_EQ(store.profiles[0].trumps.games, 3) << "both sheets replayed";

    CHARAKTER_CREATOR without;
    EXPECT_FALSE(loadProfiles(without, user, folder / "missing.skt"));
    EXPECT_FALSE(without.loaded());
    EXPECT_EQ(without.profiles[0].trumps.games, 1) << "the user's sheet was still learned";
}

TEST_F(ProfileLoad, TraitReportsAreWrittenThroughATemporaryFile)
{
    const fs::path sheet =
        save({{GAME_SPADES, SEAT_0, SEAT_2, 10}, {GAME_CLUBS, SEAT_0, SEAT_1, 10}, {GAME_GRAND, SEAT_0, SEAT_2, 10}},
             "h.skt");
    CHARAKTER_CREATOR store;
    ASSERT_TRUE(loadProfiles(store, {}, sheet));
    EXPECT_EQ(store.writeReports(folder), 3);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Charakter_Log0", "Charakter_Log1", "Charakter_Log2", "h.skt"}))
        << "no temporary file is left behind";

    std::ifstream in(folder / "Charakter_Log0");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string rule(32, '-');
    EXPECT_EQ(text.rfind(rule + "\nF_ALSP_TRUMPFKARTEN_UND_BEIBLATT\n" + rule
                             + "\nBasis: " + std::to_string(store.profiles[0].trumps.games) + " Allein-Spiele\n",
                         0),
              0u);
    EXPECT_NE(text.find(rule + "\nGR_ALSP_BUBEN_UND_BEIBLATT\n" + rule + "\nBasis: 1 Grand-Spiele\n"),
              std::string::npos);
    EXPECT_NE(text.find(rule + "\nF_ALSP_ASYMETRIE_ALSP_GG\n"), std::string::npos);

    // A folder that does not exist gets no report and no stray file.
    EXPECT_EQ(store.writeReports(folder / "missing"), 0);
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

TEST(ProfileReports, LinesFollowTheCounts)
{
    EXPECT_EQ(suitPatternText(0), L"");
    EXPECT_EQ(suitPatternText(38), L"AD87"); // ace (32), queen (4), two low cards
    EXPECT_EQ(suitPatternText(42), L"AK87");
    EXPECT_EQ(suitPatternText(63), L"A1KD987");
    EXPECT_EQ(suitPatternText(3), L"987");

    F_ALSP_TRUMPFKARTEN_UND_BEIBLATT trumps;
    trumps.games = 4;
    trumps.trumpCount[6] = 3;
    trumps.trumpCount[5] = 1;
    trumps.shape[6][2][1] = 3;
    trumps.shape[6][3][1] = 1;
    trumps.holdingCount[42] = 1;
    trumps.computePercentages();
    std::wstring log;
    trumps.writeReport(log);
    EXPECT_NE(log.find(L"Zahl der Trumpfkarten bei Alsp; Prozent (Absolut) \n5 Trumpfkarten:  25% (  1)\n"
                       L"6 Trumpfkarten:  75% (  3)\n"),
              std::wstring::npos);
    // Longest side suit first; the third length follows from the trumps.
    EXPECT_NE(
        log.find(L"6 Trumpf (4 Spiele):\n 6 - 3 1 0 =  25% (  1)\n 6 - 2 1 1 =  75% (  3)\n7 Trumpf (0 Spiele):\n"),
        std::wstring::npos);
    EXPECT_NE(log.find(L"Startwahrscheinlichkeit, dass dritte Farbe frei: 25%\n"), std::wstring::npos);
    EXPECT_NE(log.find(L"     AK87: 100.0% (  1)\n"), std::wstring::npos);

    GR_ALSP_BUBEN_UND_BEIBLATT jacks;
    log.clear();
    jacks.writeReport(log);
    EXPECT_EQ(log.substr(log.find(L"Basis")), L"Basis: 0 Grand-Spiele\n") << "nothing more without games";

    // In the relative table the own holding's ranks stand blank.
    F_ALSP_ASYMETRIE_ALSP_GG asymmetry;
    log.clear();
    asymmetry.writeReport(log);
    EXPECT_NE(log.find(L"        A   0   0   0   0   0   0   0   0 \n"), std::wstring::npos);
    EXPECT_NE(log.find(L"        A   0   0   0   0   0   0   0     \n"), std::wstring::npos);
}

// --- queries --------------------------------------------------------------------

PrognosisSituation defenderView()
{
    PrognosisSituation g;
    g.type = GAME_CLUBS;
    g.declarer = SEAT_0;
    g.self = SEAT_1;
    g.firstLeader = SEAT_2;
    g.hands[1] = cardMaskOfId(C(2, 8)) | cardMaskOfId(C(3, 1));
    return g;
}

TEST(ProfileQueries, FillTheWholeVectorOnEveryPath)
{
    CHARAKTER_CREATOR store;
    CHARAKTER_QUERY_API query(&store);
    const PrognosisSituation g = defenderView();
    // Zeros, not what the vector held: before the profiles are loaded, and
    // loaded but without data.
    for (bool loaded : {false, true}) {
        SCOPED_TRACE(loaded ? "loaded, no data" : "not loaded");
        store.setLoaded(loaded);
        double out[9];
        std::fill(out, out + 9, 7.0);
        query.declarerCardChances(out, SUIT_SPADES, g, [](CardId, int) { return -1; });
        EXPECT_EQ(std::count(out, out + 9, 0.0), 9);
        std::fill(out, out + 9, 7.0);
        query.forehandCardChances(out, C(3, 5), SUIT_HEARTS, g);
        EXPECT_EQ(std::count(out, out + 9, 0.0), 9);
        EXPECT_EQ(query.thirdSuitVoidPercent(SEAT_0), 0);
    }
}

TEST(ProfileQueries, DeclarerChancesFromTheAsymmetryOfTheDeclarersProfile)
{
    CHARAKTER_CREATOR store;
    store.setLoaded(true);
    // Seat 0's profile is profile 2. Against my spades ace alone (32) the
    // declarer held K Q (12) three times and was void once.
    CHARAKTER& p = store.profiles[2];
    p.asymmetry.pairCount[32][12] = 3;
    p.asymmetry.pairCount[32][0] = 1;
    CHARAKTER_QUERY_API query(&store);
    double out[9];
    query.declarerCardChances(out, SUIT_SPADES, defenderView(), [](CardId, int) { return -1; });
    EXPECT_DOUBLE_EQ(out[0], 0.25);
    EXPECT_DOUBLE_EQ(out[RANK_QUEEN], 0.75);
    EXPECT_DOUBLE_EQ(out[RANK_KING], 0.75);
    EXPECT_EQ(out[RANK_ACE], 0.0);
    // A king known to lie with the other defender does not count.
    query.declarerCardChances(out, SUIT_SPADES, defenderView(),
                              [](CardId c, int place) { return c == C(2, 6) && place == 2 ? 100 : -1; });
    EXPECT_DOUBLE_EQ(out[RANK_KING], 0.0);
    EXPECT_DOUBLE_EQ(out[RANK_QUEEN], 0.75);
    // A holding row never seen gives zeros.
    query.declarerCardChances(out, SUIT_DIAMONDS, defenderView(), [](CardId, int) { return -1; });
    for (double v : out)
        EXPECT_EQ(v, 0.0);
}

} // namespace

#ifdef SKAT_HISTORY_SHEET
TEST(ProfileLoadShipped, TheShippedHistoryTeachesTheProfiles)
{
    CHARAKTER_CREATOR store;
    ASSERT_TRUE(loadProfiles(store, {}, SKAT_HISTORY_SHEET));
    EXPECT_TRUE(store.loaded());
    int suitGames = 0, grands = 0;
    for (const CHARAKTER& p : store.profiles) {
        suitGames += p.trumps.games;
        grands += p.jacks.games;
    }
    EXPECT_GT(suitGames + grands, 10) << "most of the 36 games are learned";
}
#endif
