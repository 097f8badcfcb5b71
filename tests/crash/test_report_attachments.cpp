// The list of report files and the settings export.

#include "CrashTestSupport.h"

#include "vordix/windows/3rdparty/CrashTexts.h"
#include "vordix/windows/3rdparty/ReportAttachments.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

using namespace crashtest;
namespace fs = std::filesystem;

namespace {

std::wstring wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }
std::string narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

class Attachments : public ::testing::Test {
protected:
    void SetUp() override
    {
        crash::setEnglishTexts(false);
        unsetenv(REPORT_FOLDER_VARIABLE);
        locations.privateTemp = wide(scratch.file("private"));
        locations.appData = wide(scratch.file("data"));
        locations.userSettings = wide(scratch.file("user.ini"));
        locations.machineSettings = wide(scratch.file("machine.ini"));
    }
    void TearDown() override { unsetenv(REPORT_FOLDER_VARIABLE); }

    std::map<std::wstring, std::wstring> labels(const ReportAttachments& list)
    {
        std::map<std::wstring, std::wstring> out;
        for (const auto& [path, entry] : list.attachments)
            out[path] = entry.label + (entry.deleteAfterwards ? L" (x)" : L"");
        return out;
    }

    ScratchFolder scratch;
    ReportLocations locations;
};

TEST_F(Attachments, ANormalRunGetsAPrivateFolderOfItsOwn)
{
    auto first = buildReportAttachments(false, locations);
    auto second = buildReportAttachments(false, locations);
    ASSERT_FALSE(first->folder.empty());
    EXPECT_NE(first->folder, second->folder);
    struct stat info { };
    ASSERT_EQ(lstat(narrow(first->folder).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    ASSERT_EQ(lstat(scratch.file("private").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(first->logPath, first->folder + L"/Skat.log");
    EXPECT_EQ(first->dumpPath, first->folder + L"/Skat.dmp");
    // Without settings, games or crash files: only the two crash entries.
    const std::map<std::wstring, std::wstring> expected{{first->logPath, L"Absturz Log (x)"},
                                                        {first->dumpPath, L"Absturz Dump (x)"}};
    EXPECT_EQ(labels(*first), expected);
    EXPECT_FALSE(first->hasCrashFiles());
    const std::string folder = narrow(first->folder);
    first.reset();
    EXPECT_FALSE(fs::exists(folder)); // the empty folder goes with the list
}

TEST_F(Attachments, GamesAndBothSettingsKeysAreListedAndExported)
{
    fs::create_directories(scratch.file("data/SKAT/Spiellisten"));
    writeFile(scratch.file("data/SKAT/Spiellisten/LfdSpiel.skt"), "<x/>");
    writeFile(scratch.file("data/SKAT/Spiellisten/Aktuell.skt"), "<x/>");
    writeFile(scratch.file("user.ini"),
              "[Software]\nQuorvenel\\SKAT\\Preferences\\1=300\nQuorvenel\\SKAT\\Preferences\\Sprache=Deutsch\n"
              "Quorvenel\\SKAT\\Preferences\\7=\"C:\\\\a \\\"b\\\"\"\nQuorvenel\\SKAT\\DumpMode=2\n");
    writeFile(scratch.file("machine.ini"), "[Software]\nQuorvenel\\SKAT\\Pfad=/opt/skat\n");
    auto list = buildReportAttachments(false, locations);
    const std::wstring games = wide(scratch.file("data")) + L"/SKAT/Spiellisten/";
    const std::map<std::wstring, std::wstring> expected{
        {list->logPath, L"Absturz Log (x)"},        {list->dumpPath, L"Absturz Dump (x)"},
        {list->settingsPath, L"Einstellungen (x)"}, {games + L"LfdSpiel.skt", L"Aktuelles Spiel"},
        {games + L"Aktuell.skt", L"Spielliste"},
    };
    EXPECT_EQ(labels(*list), expected);
    EXPECT_EQ(readFile(narrow(list->settingsPath)), "Windows Registry Editor Version 4.00\n\n"
                                                    "[HKEY_CURRENT_USER\\Software\\Quorvenel\\SKAT\\Preferences]\n"
                                                    "\"1\"=\"300\"\n"
                                                    "\"7\"=\"C:\\\\a \\\"b\\\"\"\n"
                                                    "\"Sprache\"=\"Deutsch\"\n\n"
                                                    "Windows Registry Editor Version 4.00\n\n"
                                                    "[HKEY_LOCAL_MACHINE\\Software\\Quorvenel\\SKAT]\n"
                                                    "\"Pfad\"=\"/opt/skat\"\n\n");
    const std::string settings = narrow(list->settingsPath);
    list.reset();
    EXPECT_FALSE(fs::exists(settings)); // the export goes with the list
    EXPECT_TRUE(fs::exists(scratch.file("data/SKAT/Spiellisten/Aktuell.skt")));
}

TEST_F(Attachments, OnlyTheMachineKeyStillGivesAnExport)
{
    writeFile(scratch.file("machine.ini"), "[Software]\nQuorvenel\\SKAT\\Pfad=/opt/skat\n");
    auto list = buildReportAttachments(false, locations);
    EXPECT_EQ(readFile(narrow(list->settingsPath)),
              "Windows Registry Editor Version 4.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Quorvenel\\SKAT]\n"
              "\"Pfad\"=\"/opt/skat\"\n\n");
}

TEST_F(Attachments, ReportModeTakesTheCrashedRunsFolderOnlyWhenItIsOneOfOurs)
{
    auto crashed = buildReportAttachments(false, locations);
    writeFile(narrow(crashed->logPath), "log");
    ASSERT_EQ(
        setenv(REPORT_FOLDER_VARIABLE, crashed->restartEnvironment().substr(sizeof "SKAT_CRASH_REPORT_DIR").c_str(), 1),
        0);
    auto report = buildReportAttachments(true, locations);
    EXPECT_EQ(report->folder, crashed->folder);
    EXPECT_TRUE(report->hasCrashFiles());

    // A folder elsewhere, or a link into ours, is not taken.
    fs::create_directory(scratch.file("elsewhere"));
    chmod(scratch.file("elsewhere").c_str(), 0700);
    fs::create_directory_symlink(narrow(crashed->folder), scratch.file("private/Bericht-link"));
    for (const std::string& named :
         {scratch.file("elsewhere"), scratch.file("private/Bericht-link"), std::string("")}) {
        setenv(REPORT_FOLDER_VARIABLE, named.c_str(), 1);
        auto other = buildReportAttachments(true, locations);
        EXPECT_TRUE(other->folder.empty()) << named;
        EXPECT_FALSE(other->hasCrashFiles());
        EXPECT_TRUE(other->attachments.empty());
    }
}

TEST_F(Attachments, EnglishLabels)
{
    crash::setEnglishTexts(true);
    auto list = buildReportAttachments(false, locations);
    EXPECT_EQ(list->attachments.at(list->logPath).label, L"Crash log");
    EXPECT_EQ(list->attachments.at(list->dumpPath).label, L"Crash dump");
    crash::setEnglishTexts(false);
}

} // namespace
