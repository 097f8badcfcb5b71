// The high-score list: reading, sorting, the walk over the best ten, the
// file round trip and damaged files.

#include "skat/app/Bestenliste.h"
#include "tests/vordix/TempFolder.h"
#include "vordix/Stream.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace {

using Entry = BESTENLISTE::SKATENTRY;

std::vector<Entry> walk(BESTENLISTE& list)
{
    std::vector<Entry> seen;
    Entry entry;
    for (int r = list.firstEntry(entry); r == 0; r = list.nextEntry(entry))
        seen.push_back(entry);
    return seen;
}

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeText(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

VORDIX_FILE fileIn(const TempFolder& folder, const std::wstring& name)
{
    VORDIX_FOLDER where;
    where.setPath(folder.wpath());
    return VORDIX_FILE(where, name);
}

std::string players(int count)
{
    std::string xml;
    for (int i = 0; i < count; ++i)
        xml += "<Spieler Punktezahl=\"" + std::to_string(100 + 10 * (i % 7)) + "\" Datum=\"0" + std::to_string(i % 10)
               + ".01.2026\" Name=\"Spieler " + std::to_string(i) + "\"/>";
    return xml;
}

TEST(Bestenliste, ReadsAllEntriesSortsThemAndWalksTheBestTen)
{
    BESTENLISTE list;
    const std::string xml = "<Bestenliste DokumentVersion=\"1\">" + players(12) + "</Bestenliste>";
    ASSERT_EQ(streamFromXml(xml, list), STREAM_READ_OK);
    EXPECT_EQ(list.entries().size(), 12u);
    EXPECT_FALSE(list.modified);
    const std::vector<Entry> seen = walk(list);
    ASSERT_EQ(seen.size(), 10u);
    for (size_t i = 1; i < seen.size(); ++i)
        EXPECT_GE(seen[i - 1].points, seen[i].points);
    EXPECT_EQ(seen.front().points, 160);
    // Player 6 has the most points; players 4 and 11 (140 each) keep their file order.
    EXPECT_EQ(seen.front().name, L"Spieler 6");
    EXPECT_EQ(seen[1].name, L"Spieler 5");
    EXPECT_EQ(seen[2].name, L"Spieler 4");
    EXPECT_EQ(seen[3].name, L"Spieler 11");
    Entry entry;
    EXPECT_EQ(list.nextEntry(entry), 1); // still 1 after the end
}

TEST(Bestenliste, EqualPointsKeepTheirOrderAndANewEntryGoesBehind)
{
    BESTENLISTE list;
    list.addEntry(50, L"erster", L"1.1.2026");
    list.addEntry(70, L"zweiter", L"2.1.2026");
    list.addEntry(50, L"dritter", L"3.1.2026");
    const std::vector<Entry> seen = walk(list);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].name, L"zweiter");
    EXPECT_EQ(seen[1].name, L"erster");
    EXPECT_EQ(seen[2].name, L"dritter");
    EXPECT_EQ(seen[0].pointsText, L"70");
    EXPECT_TRUE(list.modified);
}

// Reading sorts once after the last entry; the order must be the one that
// adding the entries one by one gives: equal points in file order, behind
// entries of the same points the list held before (reading does not empty it).
TEST(Bestenliste, ReadingSortsLikeAddingOneByOne)
{
    const int count = 500;
    std::string xml = "<Bestenliste DokumentVersion=\"1\">";
    for (int i = 0; i < count; ++i)
        xml += "<Spieler Punktezahl=\"" + std::to_string((i * 37) % 11) + "\" Name=\"n" + std::to_string(i) + "\"/>";
    xml += "</Bestenliste>";
    BESTENLISTE read;
    BESTENLISTE added;
    for (BESTENLISTE* list : {&read, &added})
        list->addEntry(5, L"before", L"");
    ASSERT_EQ(streamFromXml(xml, read), STREAM_READ_OK);
    for (int i = 0; i < count; ++i)
        added.addEntry((i * 37) % 11, L"n" + std::to_wstring(i), L"");
    ASSERT_EQ(read.entries().size(), static_cast<size_t>(count + 1));
    auto a = read.entries().begin();
    for (const Entry& b : added.entries()) {
        SCOPED_TRACE(b.name);
        EXPECT_EQ(a->points, b.points);
        EXPECT_EQ(a->name, b.name);
        ++a;
    }
    EXPECT_FALSE(read.modified);
}

TEST(Bestenliste, LongTextsAreCut)
{
    const Entry entry(-123456789, std::wstring(150, L'n'), std::wstring(20, L'd'));
    EXPECT_EQ(entry.name.size(), 99u);
    EXPECT_EQ(entry.date.size(), 11u);
    EXPECT_EQ(entry.pointsText.size(), 9u); // "-12345678"
    EXPECT_EQ(entry.pointsText, L"-12345678");
}

TEST(Bestenliste, WrongRootOrVersionGivesAnEmptyListAndFalse)
{
    const char* const documents[] = {
        "<Bestenliste DokumentVersion=\"2\">"
        "<Spieler Punktezahl=\"5\" Datum=\"d\" Name=\"n\"/></Bestenliste>",
        "<Bestenliste><Spieler Punktezahl=\"5\" Datum=\"d\" Name=\"n\"/></Bestenliste>",
        "<Rangliste DokumentVersion=\"1\"><Spieler Punktezahl=\"5\" Datum=\"d\" Name=\"n\"/></Rangliste>",
    };
    for (const char* xml : documents) {
        SCOPED_TRACE(xml);
        BESTENLISTE list;
        list.addEntry(1, L"alt", L"");
        EXPECT_EQ(streamFromXml(xml, list), STREAM_READ_FAILED);
        EXPECT_TRUE(list.entries().empty());
        Entry entry;
        EXPECT_EQ(list.firstEntry(entry), 1);
    }
}

TEST(Bestenliste, MissingAttributesGiveZeroAndEmptyTexts)
{
    BESTENLISTE list;
    ASSERT_EQ(streamFromXml("<Bestenliste DokumentVersion=\"1\"><Spieler/><Andere/></Bestenliste>", list),
              STREAM_READ_OK);
    ASSERT_EQ(list.entries().size(), 1u);
    EXPECT_EQ(list.entries().front().points, 0);
    EXPECT_TRUE(list.entries().front().name.empty());
    EXPECT_TRUE(list.entries().front().date.empty());
}

TEST(Bestenliste, TenEntriesRoundTripThroughTheFileAndOnlyTenAreWritten)
{
    TempFolder folder;
    BESTENLISTE list;
    list.file = fileIn(folder, L"bestenliste");
    for (int i = 0; i < 11; ++i)
        list.addEntry(1000 - i * 37, L"Spieler \u00e4\u00f6\u00fc " + std::to_wstring(i),
                      L"1" + std::to_wstring(i) + L".12.2026");
    ASSERT_TRUE(list.save());
    EXPECT_FALSE(list.modified);

    BESTENLISTE again;
    ASSERT_EQ(again.loadFrom(fileIn(folder, L"bestenliste")), DOCUMENT_OK);
    EXPECT_TRUE(again.loadedFromFile);
    ASSERT_EQ(again.entries().size(), 10u);
    const std::vector<Entry> before = walk(list), after = walk(again);
    ASSERT_EQ(after.size(), 10u);
    for (size_t i = 0; i < after.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(after[i].points, before[i].points);
        EXPECT_EQ(after[i].name, before[i].name);
        EXPECT_EQ(after[i].date, before[i].date);
    }
    const std::string text = fileText(folder.path() / "bestenliste");
    EXPECT_NE(text.find("<Bestenliste DokumentVersion=\"1\">"), std::string::npos);
    EXPECT_NE(text.find("<Spieler Punktezahl=\"1000\" Datum=\"10.12.2026\" Name=\"Spieler"), std::string::npos);
}

TEST(Bestenliste, MissingFileIsAFirstStartWithAnEmptyModifiedList)
{
    TempFolder folder;
    BESTENLISTE list;
    EXPECT_EQ(list.loadFrom(fileIn(folder, L"bestenliste")), DOCUMENT_NOT_OPENABLE);
    EXPECT_FALSE(list.loadedFromFile);
    EXPECT_TRUE(list.entries().empty());
    EXPECT_TRUE(list.modified);
}

TEST(Bestenliste, DamagedFileIsReportedAndNotOverwritten)
{
    TempFolder folder;
    const std::string damaged = "<Bestenliste DokumentVersion=\"1\"><Spieler Punktezahl=\"12\"";
    writeText(folder.path() / "bestenliste", damaged);
    BESTENLISTE list;
    EXPECT_EQ(list.loadFrom(fileIn(folder, L"bestenliste")), DOCUMENT_UNREADABLE);
    EXPECT_TRUE(list.entries().empty());
    EXPECT_TRUE(list.modified);
    // Emptying the list and saving it (the statistics dialog's reset) keeps
    // the damaged file aside instead of writing over it.
    list.clear();
    ASSERT_TRUE(list.save());
    bool keptAside = false;
    for (const auto& item : std::filesystem::directory_iterator(folder.path()))
        if (item.path().filename().string().rfind("bestenliste.unlesbar", 0) == 0)
            keptAside = fileText(item.path()) == damaged;
    EXPECT_TRUE(keptAside);
    BESTENLISTE again;
    EXPECT_EQ(again.loadFrom(fileIn(folder, L"bestenliste")), DOCUMENT_OK);
    EXPECT_TRUE(again.entries().empty());
}

} // namespace
