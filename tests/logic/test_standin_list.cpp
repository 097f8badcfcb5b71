// Three computer seats with the stand-in logic play whole lists headless.

#include "skat/logic/StandInLogic.h"
#include "tests/engine/test_table_support.h"

#include <gtest/gtest.h>

using namespace table_test;

namespace {

struct ListResult {
    int rows = 0;
    std::vector<SPIELSTRUCT> records;
    std::array<int, 3> points{};
    int inconsistent = 0;
    bool ended = false;
};

ListResult playList(std::uint32_t seed)
{
    TableHarness harness([] { return std::make_unique<STANDIN_LOGIK>(); }, seed);
    harness.table->modus.setNextOfList(harness.table->sheet);
    const bool ended = harness.playToEnd(60000);
    ListResult result;
    result.ended = ended;
    const LISTE& sheet = harness.table->sheet;
    result.rows = sheet.rowCount();
    for (int i = 0; i < sheet.rowCount(); ++i)
        result.records.push_back(sheet.rowAt(i).record);
    for (int c = 0; c < 3; ++c)
        result.points[static_cast<std::size_t>(c)] = sheet.lastRowPoints(c);
    result.inconsistent = harness.inconsistentStates();

    // The sheet's totals are the sum of its rows.
    std::array<int, 3> sums{};
    int won = 0, lost = 0, passed = 0;
    for (int i = 0; i < sheet.rowCount(); ++i) {
        const SPIELSTRUCT& record = sheet.rowAt(i).record;
        const int column = sheet.declarerColumnOfRow(i);
        if (record.isPassedIn()) {
            ++passed;
            continue;
        }
        if (column < 0)
            continue;
        sums[static_cast<std::size_t>(column)] += record.SPIELWERT;
        won += record.SPIELWERT >= 1;
        lost += record.SPIELWERT < 0;
    }
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(sums[static_cast<std::size_t>(c)], sheet.lastRowPoints(c)) << "column " << c;
        won -= sheet.lastRowValue(c);
        lost -= sheet.lastRowGamesLost(c);
    }
    EXPECT_EQ(won, 0);
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(passed, sheet.lastRowPassedGames());
    // A full list went to the high-score list, one entry per player.
    EXPECT_EQ(harness.services->highScores.size(), 3u);
    return result;
}

TEST(StandInList, ThirtySixGamesFromOneSeedAreReproducible)
{
    const ListResult first = playList(20261210);
    ASSERT_TRUE(first.ended);
    EXPECT_EQ(first.rows, LISTE::MAX_GAMES);
    EXPECT_EQ(first.inconsistent, 0);
    int played = 0;
    for (const SPIELSTRUCT& record : first.records)
        played += !record.isPassedIn();
    EXPECT_GT(played, 0) << "the stand-in never bid";

    const ListResult again = playList(20261210);
    ASSERT_TRUE(again.ended);
    EXPECT_EQ(again.records, first.records);
    EXPECT_EQ(again.points, first.points);

    const ListResult other = playList(99);
    ASSERT_TRUE(other.ended);
    EXPECT_NE(other.records, first.records);
}

} // namespace
