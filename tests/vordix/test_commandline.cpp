#include "vordix/CommandLine.h"
#include "vordix/Utf8.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using vordix::StartRequest;

namespace {

// A scratch folder with one existing score sheet; the working directory is
// moved there so that relative names can be checked.
class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = fs::current_path();
        folder = fs::temp_directory_path()
                 / ("skat_cmdline_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_"
                    + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        std::ofstream(folder / "Liste.skt") << "<LISTE/>";
        fs::current_path(folder);
    }
    void TearDown() override
    {
        fs::current_path(previous);
        fs::remove_all(folder);
    }

    bool parse(std::vector<std::string> args, StartRequest& request)
    {
        args.insert(args.begin(), "Skat");
        std::vector<const char*> argv;
        for (const auto& a : args)
            argv.push_back(a.c_str());
        return vordix::parseCommandLine(static_cast<int>(argv.size()), argv.data(), request);
    }

    std::wstring existing() const { return vordix::fromUtf8((folder / "Liste.skt").string()); }

    fs::path previous;
    fs::path folder;
};

} // namespace

TEST_F(CommandLineTest, OptionsAndFileArguments)
{
    const std::string file = (folder / "Liste.skt").string();
    struct Case {
        std::vector<std::string> args;
        bool result;
        int mode;
        bool hasPath;
    };
    const Case cases[] = {
        {{}, true, StartRequest::Nothing, false},
        {{"--OPEN", file}, true, StartRequest::Open, true},
        {{"--open", file}, true, StartRequest::Open, true},
        {{"--Batch", file}, true, StartRequest::Batch, true},
        {{"--open"}, false, StartRequest::Open, false}, // option without its file
        {{"--BATCH"}, false, StartRequest::Batch, false},
        {{file}, true, StartRequest::Open, true},                  // bare name opens
        {{"Liste.skt"}, true, StartRequest::Open, true},           // relative bare name
        {{"--OPEN", "Liste.skt"}, true, StartRequest::Open, true}, // relative after option
        {{"display_dlg", "--OPEN", file}, true, StartRequest::Report, false},
        {{"--OPEN", file, "Display_Dlg"}, true, StartRequest::Report, false},
        {{"-platform", "--BATCH", file}, true, StartRequest::Batch, true}, // toolkit option skipped
    };
    for (const Case& c : cases) {
        StartRequest request;
        std::string label;
        for (const auto& a : c.args)
            label += a + " ";
        SCOPED_TRACE(label);
        EXPECT_EQ(parse(c.args, request), c.result);
        EXPECT_EQ(request.mode, c.mode);
        if (c.hasPath)
            EXPECT_EQ(request.path, existing());
        else
            EXPECT_TRUE(request.path.empty());
        EXPECT_EQ(request.hasFileToOpen(), c.hasPath);
    }
}

TEST_F(CommandLineTest, MissingFileIsNamedAndNotOpened)
{
    StartRequest request;
    EXPECT_FALSE(parse({"--OPEN", "Fehlt.skt"}, request));
    EXPECT_EQ(request.mode, StartRequest::Open);
    EXPECT_TRUE(request.path.empty());
    EXPECT_FALSE(request.hasFileToOpen());
    ASSERT_EQ(request.missingFiles.size(), 1u);
    EXPECT_EQ(request.missingFiles[0], L"Fehlt.skt");

    // A folder that does not exist is as missing as the file itself.
    EXPECT_FALSE(parse({"nirgends/Liste.skt"}, request));
    EXPECT_FALSE(request.hasFileToOpen());
    ASSERT_EQ(request.missingFiles.size(), 1u);
    EXPECT_EQ(request.missingFiles[0], L"nirgends/Liste.skt");
}

TEST_F(CommandLineTest, ReportModeForgetsEarlierFiles)
{
    StartRequest request;
    EXPECT_TRUE(parse({"Fehlt.skt", "DISPLAY_DLG", "--OPEN"}, request));
    EXPECT_EQ(request.mode, StartRequest::Report);
    EXPECT_TRUE(request.missingFiles.empty());
}

TEST_F(CommandLineTest, RelativePathsBecomeAbsoluteAndNormalised)
{
    fs::create_directories(folder / "sub");
    StartRequest request;
    ASSERT_TRUE(parse({"--OPEN", "sub/../Liste.skt"}, request));
    const fs::path resolved(vordix::toUtf8(request.path));
    EXPECT_TRUE(resolved.is_absolute());
    EXPECT_EQ(resolved.filename(), "Liste.skt");
    EXPECT_EQ(resolved.parent_path(), folder);
}

TEST_F(CommandLineTest, NonAsciiFileNamesSurvive)
{
    const fs::path umlaut = folder / "M\xc3\xbcller.skt"; // UTF-8 bytes, as argv carries them
    std::ofstream(umlaut) << "x";
    StartRequest request;
    ASSERT_TRUE(parse({umlaut.filename().string()}, request));
    EXPECT_EQ(request.path, vordix::fromUtf8(folder.string()) + L"/M\u00fcller.skt");
}
