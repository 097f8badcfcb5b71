#include "skat/app/SkatConstants.h"
#include "skat/app/SkatFolders.h"
#include "skat/app/SkatPaths.h"
#include "skat/app/SkatVersion.h"
#include "vordix/WinFilePath.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

namespace {

TEST(SkatPaths, EveryMemberIsSetAndTheGroupsKeepTheirOrder)
{
    const SKAT_PATHS paths;
    const auto& members = SKAT_PATHS::allMembers();
    std::set<const std::wstring*> distinct;
    for (auto member : members) {
        distinct.insert(&(paths.*member));
        EXPECT_FALSE((paths.*member).empty());
    }
    EXPECT_EQ(distinct.size(), SKAT_PATHS::COUNT);

    // Group boundaries: the first and last member of each group.
    struct Boundary {
        size_t index;
        const wchar_t* value;
    };
    // clang-format off
    const Boundary boundaries[] = {
        {0, L"Ressourcen"},          {17, L"SKAT"},
        {18, L"einfuehrung/einstieg.html"}, {33, L"willkommen/willkommen.en.html"},
        {34, L"Demo.krt"},           {45, L"Historie.skt"},
        {46, L"Liste_Top.de.png"},   {123, L"Icon_Ramsch.png"},
        {124, L".SKT"},              {129, L".BIN"},
        {130, L"PdfListe"},          {134, L"cmuntb.ttf"},
        {135, L"abheben"},           {140, L"telefon"},
        {141, L"100"},               {146, L"18"},   // "18" is the sixth bid value
        {177, L"99"},                {178, L"aberimmer"},
        {261, L"zwo"},               {262, L"bierumgeschuettet"},
        {279, L"zeitungsjunge"},     {280, L"mindestens4abheben"},
        {283, L"wiederholtnichtinliste"},
    };
    // clang-format on
    for (const Boundary& b : boundaries)
        EXPECT_EQ(paths.*members[b.index], b.value) << b.index;
}

TEST(SkatPaths, EnglishBidFactorHelpIsTheGermanPage)
{
    const SKAT_PATHS paths;
    EXPECT_EQ(paths.helpBidFactorEn, L"einfuehrung/reizfaktor.html");
    EXPECT_EQ(paths.helpBidFactorEn, paths.helpBidFactorDe);
    EXPECT_EQ(paths.helpRulesEn, L"skatordnung/skatordnung.en.html");
}

TEST(SkatPaths, ThemeImagesOfIslandAndPubSwapForeAndCentre)
{
    const SKAT_PATHS paths;
    EXPECT_EQ(paths.imgBergeTischFPCenter, L"Berge_Tisch_FP_Center.png");
    const auto& members = SKAT_PATHS::allMembers();
    // "Berge" lists the centre before the foreground, the others after.
    EXPECT_EQ(paths.*members[46 + 8 + 1], L"Berge_Tisch_FP_Center.png");
    EXPECT_EQ(paths.*members[46 + 8 + 6 + 1], L"Insel_Tisch_VG.png");
    EXPECT_EQ(paths.*members[46 + 8 + 12 + 2], L"Kneipe_Tisch_FP_Center.png");
}

TEST(SkatConstants, IndexZeroIsLNotEmpty)
{
    const SKAT_KONSTANTEN constants;
    EXPECT_EQ(constants.rankTexts[0], "L");
    EXPECT_EQ(constants.suitTexts[0], "L");
    EXPECT_EQ(constants.rankTexts[4], "B");
    EXPECT_EQ(constants.rankTexts[7], "10");
    EXPECT_EQ(constants.rankTexts[8], "As");
    EXPECT_EQ(constants.suitTexts[4], "C");
    EXPECT_EQ(SKAT_VERSION().versionText, L"Version 9.0");
}

// The program and user folders, with the program folder and XDG home moved
// into a scratch folder.
struct FolderFixture : ::testing::Test {
    std::filesystem::path root;
    std::string oldData;
    std::wstring oldProgram = WIN_FILEPATH::standardFolderPath(FOLDER_PROGRAM);
    void SetUp() override
    {
        root = std::filesystem::temp_directory_path() / ("skat_app_folders_" + std::to_string(::getpid()));
        std::filesystem::create_directories(root / "prog");
        WIN_FILEPATH::setProgramFolder(WIN_FILEPATH::fromFsPath(root / "prog"));
        if (const char* data = std::getenv("XDG_DATA_HOME"))
            oldData = data;
        ::setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    }
    void TearDown() override
    {
        WIN_FILEPATH::setProgramFolder(oldProgram);
        if (oldData.empty())
            ::unsetenv("XDG_DATA_HOME");
        else
            ::setenv("XDG_DATA_HOME", oldData.c_str(), 1);
        std::filesystem::remove_all(root);
    }
    std::wstring wide(const std::filesystem::path& p) { return WIN_FILEPATH::fromFsPath(p); }
};

TEST_F(FolderFixture, ResourcesLieBesideTheProgramAndAreNotCreated)
{
    EXPECT_EQ(skat::resourceFolder().path(), wide(root / "prog" / "Ressourcen") + L"/");
    const VORDIX_FILE file = skat::resourceFile({L"Sounds", L"Effekte"}, L"glocke.mp3");
    EXPECT_EQ(file.fullPath(), wide(root / "prog/Ressourcen/Sounds/Effekte/glocke.mp3"));
    EXPECT_FALSE(std::filesystem::exists(root / "prog" / "Ressourcen"));
}

TEST_F(FolderFixture, UserDataFolderIsCreatedBelowXdgDataHome)
{
    bool ok = false;
    const VORDIX_FOLDER folder = skat::userDataFolder({L"Spiellisten"}, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(folder.path(), wide(root / "data/SKAT/Spiellisten") + L"/");
    EXPECT_TRUE(std::filesystem::is_directory(root / "data/SKAT/Spiellisten"));

    // A plain file in the way: the folder cannot be made and says so.
    std::filesystem::create_directories(root / "data/SKAT");
    {
        std::FILE* f = std::fopen((root / "data/SKAT/Kartenverteilungen").c_str(), "w");
        std::fclose(f);
    }
    skat::userDataFolder({L"Kartenverteilungen"}, &ok);
    EXPECT_FALSE(ok);
}

} // namespace
