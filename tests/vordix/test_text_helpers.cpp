#include "vordix/File.h"
#include "vordix/FileDialog.h"
#include "vordix/ResourceStrings.h"
#include "vordix/TextHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vordix;

TEST(TextHelpers, DateAndTimeWithoutLeadingZeros)
{
    std::tm t{};
    t.tm_mday = 9;
    t.tm_mon = 11;
    t.tm_year = 126;
    t.tm_hour = 8;
    t.tm_min = 5;
    t.tm_sec = 7;
    EXPECT_EQ(dateText(t), L"9.12.2026");
    EXPECT_EQ(timeText(t), L"8:5:7");
    t.tm_hour = 0;
    t.tm_min = 0;
    t.tm_sec = 0;
    EXPECT_EQ(timeText(t), L"0:0:0");
    const std::wstring date = localDateText();
    const std::wstring time = localTimeText();
    EXPECT_EQ(std::count(date.begin(), date.end(), L'.'), 2) << "day.month.year";
    EXPECT_EQ(std::count(time.begin(), time.end(), L':'), 2) << "hour:minute:second";
}

TEST(TextHelpers, CompareWideAndMultiByte)
{
    EXPECT_EQ(compareWide(L"abc", L"abd"), -1);
    EXPECT_EQ(compareWide(L"abc", L"abc"), 0);
    EXPECT_EQ(compareWide(L"abc", L"ab"), 1);
    EXPECT_EQ(compareWide(L"", L"a"), -1);
    EXPECT_EQ(toMultiByte(L"Skat 18"), "Skat 18"); // the "C" locale holds ASCII
    EXPECT_EQ(toMultiByte(L"\u20AC").empty(), false) << "unrepresentable characters are marked, not dropped";
}

TEST(ResourceStringsTable, LookUpOfUnknownIdReadsEmptyAndNeverInserts)
{
    ResourceStrings& strings = ResourceStrings::instance();
    strings.clear();
    EXPECT_EQ(strings.get(401), L"");
    EXPECT_FALSE(strings.contains(401));
    EXPECT_EQ(strings.size(), 0u);
    strings.set(401, L"Spiel ansagen");
    strings.set(401, L"Ansage");
    EXPECT_EQ(strings.get(401), L"Ansage");
    EXPECT_EQ(strings.size(), 1u);
    strings.clear();
}

TEST(FileDialogFilter, GermanAndEnglishEntries)
{
    const struct {
        int kind;
        bool english;
        const wchar_t* filter;
    } cases[] = {
        {FILE_KIND_GAME_LISTS, true, L"Game lists (*.skt);;All files (*.*)"},
        {FILE_KIND_GAME_LISTS, false, L"Spielelisten (*.skt);;Alle Dateien (*.*)"},
        {FILE_KIND_IMAGES, false, L"Bilder (*.JPG *.PNG *.BMP *.GIF *.TIF);;Alle Dateien (*.*)"},
        {FILE_KIND_LOGIC, true, L"Logic files (*.spl);;All files (*.*)"},
        {FILE_KIND_CARD_SETS, true, L"Deck of cards (*.spk);;All files (*.*)"},
        {FILE_KIND_DISTRIBUTIONS, false, L"Kartenverteilungen (*.krt);;Alle Dateien (*.*)"},
        {FILE_KIND_PDF, false, L"PDF-Dateien (*.pdf);;Alle Dateien (*.*)"},
        {FILE_KIND_TEXT, true, L"Text files (*.txt);;All files (*.*)"},
        {0, false, L";;Alle Dateien (*.*)"},
        {8, true, L";;All files (*.*)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fileDialogFilter(c.kind, c.english), c.filter) << c.kind;
}

TEST(FileDialogAnswer, SplitsFolderAndName)
{
    VORDIX_FILE file;
    ASSERT_TRUE(assignChosenPath(file, L"/home/spieler/Dokumente/Skat/list.skt"));
    EXPECT_EQ(file.folder.path(), L"/home/spieler/Dokumente/Skat/");
    EXPECT_EQ(file.name, L"list.skt");
    EXPECT_EQ(file.fullPath(), L"/home/spieler/Dokumente/Skat/list.skt");

    EXPECT_FALSE(assignChosenPath(file, L""));
    EXPECT_EQ(file.name, L"list.skt") << "a cancelled dialog changes nothing";

    // Without a handler every dialog counts as cancelled.
    auto previous = setFileDialogHandler({});
    EXPECT_FALSE(showFileDialog(nullptr, FILE_KIND_GAME_LISTS, file, L"Laden", false));
    setFileDialogHandler(previous);
}
