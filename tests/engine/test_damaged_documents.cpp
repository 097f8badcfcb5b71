// Damaged score sheets, running games and deal files from
// tests/engine/data/damaged: each is refused with a message or read into
// values the rest of the engine can work with; none crashes, hangs or is
// overwritten by reading.

#include "skat/engine/BidTable.h"
#include "skat/engine/KartenverteilungDoc.h"
#include "skat/engine/LaufendesSpielDokument.h"
#include "skat/engine/Liste.h"
#include "tests/support/RecordingMessageSink.h"
#include "vordix/MessageSink.h"
#include "vordix/Utf8.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const fs::path CORPUS = fs::path(SKAT_TEST_DATA_DIR) / "damaged";

// No game, however doubled, comes near this value.
constexpr int VALUE_BOUND = 100000;

class DamagedDocuments : public testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path()
                 / ("damaged-" + std::to_string(::getpid()) + "-"
                    + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        previousSink = vordix::setMessageSink(sink);
    }
    void TearDown() override
    {
        vordix::setMessageSink(previousSink);
        fs::remove_all(folder);
    }

    // A fresh copy of a corpus file, so that nothing touches the original.
    VORDIX_FILE copyOf(const char* name)
    {
        sink->clear();
        fs::copy_file(CORPUS / name, folder / name, fs::copy_options::overwrite_existing);
        VORDIX_FOLDER dir;
        dir.setPath(folder.wstring());
        return VORDIX_FILE(dir, vordix::fromUtf8(name));
    }

    std::string contentOf(const char* name) const
    {
        std::ifstream in(folder / name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string originalOf(const char* name) const
    {
        std::ifstream in(CORPUS / name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path folder;
    std::shared_ptr<testsupport::RecordingMessageSink> sink = std::make_shared<testsupport::RecordingMessageSink>();
    std::shared_ptr<vordix::MessageSink> previousSink;
};

// The corpus: each file, whether it is read, and what reading leaves.
struct SheetCase {
    const char* file;
    bool loads;
    int rows;
};
const SheetCase SHEETS[] = {
    {"sheet-truncated.skt", false, 0},        {"sheet-empty.skt", false, 0},
    {"sheet-binary.skt", false, 0},           {"sheet-version-text.skt", false, 0},
    {"sheet-version-overflow.skt", false, 0}, {"sheet-extreme-numbers.skt", true, 5},
    {"sheet-broken-tricks.skt", true, 7},     {"sheet-broken-hands.skt", true, 2},
    {"sheet-version1-damaged.skt", true, 3},  {"sheet-invalid-utf8.skt", true, 1},
    {"sheet-damaged-rows.skt", true, 4},
};

struct RunningCase {
    const char* file;
    bool loads;
    int stateIndex; // after reading
};
const RunningCase RUNNING_GAMES[] = {
    {"running-without-game.skt", false, 0},
    {"running-truncated.skt", false, 0},
    {"running-bad-leader.skt", true, 0},
    {"running-index-overflow.skt", true, 0},
    {"running-play-without-declarer.skt", true, 0},
    {"running-settlement-huge-bid.skt", true, 10},
    {"running-settlement-huge-matadors.skt", true, 10},
    // The pile's one trick has no card: nothing was dealt, nothing resumes.
    {"running-empty-trick.skt", true, 0},
};

struct DealCase {
    const char* file;
    bool loads;
};
const DealCase DEALS[] = {
    {"deal-bad-forehand.krt", false}, {"deal-forehand-text.krt", false}, {"deal-newer-version.krt", false},
    {"deal-wrong-root.krt", false},   {"deal-truncated.krt", false},     {"deal-repeated-cards.krt", true},
};

// What the game flow and the windows index with or compute from.
void expectUsableRecord(const SPIELSTRUCT& record)
{
    EXPECT_GE(record.SPIELART.SPIEL_TYP, GAME_NONE);
    EXPECT_LE(record.SPIELART.SPIEL_TYP, GAME_RAMSCH);
    EXPECT_GE(record.SPIELART.GEWINN_STUFE, WIN_LEVEL_WITH_SKAT);
    EXPECT_LE(record.SPIELART.GEWINN_STUFE, WIN_LEVEL_OUVERT_HAND);
    EXPECT_GE(record.declarer(), SEAT_NONE);
    EXPECT_LE(record.declarer(), 2);
    EXPECT_LE(std::abs(record.SPITZEN), 11);
    for (int bid : record.GEREIZTBIS) {
        EXPECT_GE(bid, 0);
        EXPECT_LE(bid, BID_TABLE.back());
    }
    EXPECT_LE(std::abs(record.SPIELWERT), VALUE_BOUND);
}

// Settling the record again, as a resumed settlement does, ends with a
// value no larger than any game can have.
void expectSettles(const SPIELSTRUCT& record, const STAPEL& pile)
{
    if (record.isPassedIn())
        return;
    SPIELSTRUCT settled = record;
    settled.settle(pile);
    EXPECT_LE(std::abs(settled.SPIELWERT), VALUE_BOUND);
}

TEST_F(DamagedDocuments, ScoreSheets)
{
    for (const SheetCase& c : SHEETS) {
        SCOPED_TRACE(c.file);
        LISTE sheet;
        const int result = sheet.open(copyOf(c.file));
        EXPECT_EQ(result == 0, c.loads);
        EXPECT_EQ(contentOf(c.file), originalOf(c.file)) << "reading never writes";
        ASSERT_EQ(sheet.rowCount(), c.rows);
        if (!c.loads) {
            EXPECT_EQ(sheet.rowCount(), 0);
            EXPECT_EQ(sink->texts.size(), 1u) << "the user is told once";
            continue;
        }
        EXPECT_TRUE(sheet.places == 3 || sheet.places == 4);
        for (int i = 0; i < sheet.rowCount(); ++i) {
            SCOPED_TRACE(i);
            const EIN_SPIEL& row = sheet.rowAt(i);
            expectUsableRecord(row.record);
            EXPECT_LE(row.trickCount(), STAPEL::MAX_TRICKS);
            EXPECT_GE(sheet.declarerColumnOfRow(i), -1);
            EXPECT_LT(sheet.declarerColumnOfRow(i), sheet.places);
            expectSettles(row.record, row.pile);
        }
        for (int column = 0; column < sheet.places; ++column)
            for (Scoring scoring : {SCORING_CLASSIC, SCORING_SEEGER_FABIAN, SCORING_BIERLACHS})
                EXPECT_LE(std::abs(sheet.score(column, scoring)), c.rows * 2 * VALUE_BOUND);

        // What was read is written and read back alike.
        ASSERT_TRUE(sheet.save());
        LISTE again;
        ASSERT_EQ(again.open(sheet.file), 0);
        ASSERT_EQ(again.rowCount(), sheet.rowCount());
        for (int i = 0; i < sheet.rowCount(); ++i)
            EXPECT_EQ(again.rowAt(i).record, sheet.rowAt(i).record) << i;
    }
}

TEST_F(DamagedDocuments, RunningGames)
{
    for (const RunningCase& c : RUNNING_GAMES) {
        SCOPED_TRACE(c.file);
        LAUFENDES_SPIEL_DOKUMENT running;
        EXPECT_EQ(running.open(copyOf(c.file)) == 0, c.loads);
        EXPECT_EQ(contentOf(c.file), originalOf(c.file)) << "reading never writes";
        EXPECT_EQ(running.stateIndex, c.stateIndex);
        expectUsableRecord(running.record);
        if (!running.canResume())
            continue;
        EXPECT_TRUE(running.cards.isConsistent());
        EXPECT_TRUE(isValidSeat(running.cards.leader()));
        expectSettles(running.record, running.cards.pile);
    }
}

TEST_F(DamagedDocuments, Distributions)
{
    for (const DealCase& c : DEALS) {
        SCOPED_TRACE(c.file);
        KARTENVERTEILUNG_DOC document;
        EXPECT_EQ(document.open(copyOf(c.file)) == 0, c.loads);
        EXPECT_EQ(contentOf(c.file), originalOf(c.file)) << "reading never writes";
        EXPECT_GE(document.deal.vhPos, SEAT_NONE);
        EXPECT_LE(document.deal.vhPos, 2);
        for (const EINBLATT_SORTIERBAR& hand : document.deal.hands) {
            EXPECT_LE(hand.cardCount(), EINBLATT_SORTIERBAR::MAX_CARDS);
            for (int place = 1; place <= hand.cardCount(); ++place)
                EXPECT_TRUE(hand.hasCard(hand.cardIdAt(place))) << place;
        }
        EXPECT_FALSE(document.deal.isValid()) << "no damaged deal is dealt";
    }
}

TEST_F(DamagedDocuments, EveryCorpusFileIsReplayed)
{
    std::set<std::string> replayed;
    for (const SheetCase& c : SHEETS)
        replayed.insert(c.file);
    for (const RunningCase& c : RUNNING_GAMES)
        replayed.insert(c.file);
    for (const DealCase& c : DEALS)
        replayed.insert(c.file);
    std::set<std::string> present;
    for (const auto& entry : fs::directory_iterator(CORPUS))
        present.insert(entry.path().filename().string());
    EXPECT_EQ(present, replayed);
}

} // namespace
