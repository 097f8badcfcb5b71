// Report archives as unzip reads them.

#include "CrashTestSupport.h"

#include "vordix/windows/3rdparty/Zipper.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <regex>
#include <sys/stat.h>

using namespace crashtest;

namespace {

std::wstring wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

TEST(Zipper, EntriesCarryBareNamesDeflatedWithTimesAndModes)
{
    ScratchFolder folder;
    std::filesystem::create_directory(folder.file("sub"));
    writeFile(folder.file("Skat.log"), std::string(5000, 'x') + "\n");
    writeFile(folder.file("sub/Skat.log"), "second\n");
    writeFile(folder.file("empty.reg"), "");
    chmod(folder.file("Skat.log").c_str(), 0600);
    CZipper zipper;
    ASSERT_TRUE(zipper.open(wide(folder.file("report.zip"))));
    EXPECT_TRUE(zipper.addFile(L"Skat.log")); // relative to the archive's folder
    EXPECT_TRUE(zipper.addFile(wide(folder.file("sub/Skat.log"))));
    EXPECT_TRUE(zipper.addFile(wide(folder.file("empty.reg"))));
    EXPECT_EQ(zipper.fileCount(), 3u);
    EXPECT_EQ(zipper.bytesRead(), 5001u + 7u);
    EXPECT_TRUE(zipper.close());
    EXPECT_FALSE(zipper.isOpen());

    int status = -1;
    const std::string listing = commandOutput("unzip -Z '" + folder.file("report.zip") + "'", &status);
    ASSERT_EQ(status, 0) << listing;
    std::vector<std::string> entries;
    const std::regex line(R"(([-rwx]{10}) +[0-9.]+ unx +([0-9]+) +[tb][-X] +defN +(\S+ \S+) (\S+))");
    for (std::sregex_iterator it(listing.begin(), listing.end(), line), end; it != end; ++it)
        entries.push_back((*it)[1].str() + " " + (*it)[2].str() + " " + (*it)[4].str());
    // Stored in local time, as the file's modification time.
    struct stat info { };
    stat(folder.file("Skat.log").c_str(), &info);
    char when[32];
    std::strftime(when, sizeof when, "%y-%b-%d %H:%M", std::localtime(&info.st_mtime));
    EXPECT_NE(listing.find(std::string(when) + " Skat.log"), std::string::npos) << when;
    const std::vector<std::string> expected{"-rw------- 5001 Skat.log", "-rw-r--r-- 7 Skat.log",
                                            "-rw-r--r-- 0 empty.reg"};
    EXPECT_EQ(entries, expected) << listing;
    EXPECT_NE(listing.find("3 files"), std::string::npos);
    // The contents come back whole.
    EXPECT_EQ(commandOutput("unzip -p '" + folder.file("report.zip") + "' empty.reg sub 2>/dev/null; unzip -t -q '"
                            + folder.file("report.zip") + "'"),
              "No errors detected in compressed data of " + folder.file("report.zip") + ".\n");
}

TEST(Zipper, FailuresLeaveNothingHalfDone)
{
    ScratchFolder folder;
    CZipper zipper;
    EXPECT_FALSE(zipper.addFile(wide(folder.file("x")))); // nothing open
    EXPECT_FALSE(zipper.open(L""));
    EXPECT_FALSE(zipper.open(wide(folder.file("missing/report.zip"))));
    EXPECT_TRUE(zipper.close()); // nothing to close

    ASSERT_TRUE(zipper.open(wide(folder.file("report.zip"))));
    EXPECT_FALSE(zipper.addFile(wide(folder.file("missing.dmp"))));
    std::filesystem::create_directory(folder.file("folder"));
    EXPECT_FALSE(zipper.addFile(wide(folder.file("folder")))); // opens, but cannot be read
    writeFile(folder.file("ok.txt"), "ok");
    EXPECT_TRUE(zipper.addFile(wide(folder.file("ok.txt"))));
    EXPECT_TRUE(zipper.close());
    int status = -1;
    commandOutput("unzip -t -q '" + folder.file("report.zip") + "'", &status);
    EXPECT_EQ(status, 0); // the failed entry was closed; the archive stays readable
}

} // namespace
