// The save helper: a process killed at any step of a save leaves the old
// file or the new one whole; a save that fails leaves the old file and no
// temporary file behind.

#include "TempFolder.h"

#include "vordix/SafeSave.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using vordix::SaveResult;
using vordix::SaveStep;

namespace {

std::string slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void put(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

int filesIn(const fs::path& folder)
{
    int n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++n;
    return n;
}

// The step at which the child process kills itself.
SaveStep killAt = SaveStep::TemporaryCreated;
void killAtStep(SaveStep step)
{
    if (step == killAt)
        ::raise(SIGKILL);
}

// The three ways of handing over the content.
enum class Way { Bytes, Stream, Path };
const char* nameOf(Way way) { return way == Way::Bytes ? "bytes" : way == Way::Stream ? "stream" : "path"; }

vordix::SaveOutcome save(Way way, const fs::path& target, const std::string& content)
{
    switch (way) {
    case Way::Bytes: return vordix::saveFile(target, content);
    case Way::Stream:
        return vordix::saveFile(
            target, [&](std::FILE* f) { return std::fwrite(content.data(), 1, content.size(), f) == content.size(); });
    case Way::Path:
        return vordix::saveFileByPath(target, [&](const fs::path& temporary) {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out << content;
            return static_cast<bool>(out);
        });
    }
    return {};
}

struct KillCase {
    SaveStep step;
    bool newFileExpected; // the rename had happened
};
const KillCase KILL_CASES[] = {
    {SaveStep::TemporaryCreated, false}, {SaveStep::PartlyWritten, false}, {SaveStep::Written, false},
    {SaveStep::Synced, false},           {SaveStep::Replaced, true},       {SaveStep::FolderSynced, true},
};

} // namespace

TEST(SafeSave, AKillAtAnyStepLeavesTheOldOrTheNewFileWhole)
{
    GTEST_FLAG_SET(death_test_style, "fast"); // the child writes into this test's folder
    const std::string oldText(10000, 'o');
    const std::string newText = std::string(7000, 'n') + "end";
    for (Way way : {Way::Bytes, Way::Stream, Way::Path}) {
        for (const KillCase& c : KILL_CASES) {
            if (c.step == SaveStep::PartlyWritten && way != Way::Bytes)
                continue; // only a byte content is written in two parts
            SCOPED_TRACE(testing::Message() << nameOf(way) << ", killed at step " << static_cast<int>(c.step));
            TempFolder folder;
            const fs::path target = folder.path() / "Aktuell.skt";
            put(target, oldText);
            killAt = c.step;
            EXPECT_EXIT(
                {
                    vordix::setSaveStepHook(killAtStep);
                    save(way, target, newText);
                    std::_Exit(0);
                },
                testing::KilledBySignal(SIGKILL), "");
            EXPECT_EQ(slurp(target), c.newFileExpected ? newText : oldText);
        }
    }
}

TEST(SafeSave, AKilledFirstSaveLeavesNoFileOrTheWholeFile)
{
    GTEST_FLAG_SET(death_test_style, "fast"); // the child writes into this test's folder
    for (const KillCase& c : KILL_CASES) {
        SCOPED_TRACE(static_cast<int>(c.step));
        TempFolder folder;
        const fs::path target = folder.path() / "LfdSpiel.skt";
        killAt = c.step;
        EXPECT_EXIT(
            {
                vordix::setSaveStepHook(killAtStep);
                vordix::saveFile(target, std::string("<Spielliste/>"));
                std::_Exit(0);
            },
            testing::KilledBySignal(SIGKILL), "");
        if (c.newFileExpected)
            EXPECT_EQ(slurp(target), "<Spielliste/>");
        else
            EXPECT_FALSE(fs::exists(target));
    }
}

TEST(SafeSave, EachWayWritesTheContentAndLeavesNothingElse)
{
    for (Way way : {Way::Bytes, Way::Stream, Way::Path}) {
        SCOPED_TRACE(nameOf(way));
        TempFolder folder;
        const fs::path target = folder.path() / "Historie.skt";
        for (const std::string text : {"first", "", "second, longer than the first"}) {
            ASSERT_TRUE(save(way, target, text));
            EXPECT_EQ(slurp(target), text);
            EXPECT_EQ(filesIn(folder.path()), 1);
        }
    }
}

TEST(SafeSave, AFailedWriterLeavesTheOldFileAndNoTemporaryFile)
{
    TempFolder folder;
    const fs::path target = folder.path() / "Charakter_Log0";
    put(target, "old");
    const auto stream = vordix::saveFile(target, [](std::FILE* f) {
        std::fputs("half", f);
        return false;
    });
    EXPECT_EQ(stream.result, SaveResult::NotWritten);
    const auto path = vordix::saveFileByPath(target, [](const fs::path&) { return false; });
    EXPECT_EQ(path.result, SaveResult::NotWritten);
    EXPECT_THROW(vordix::saveFileByPath(target, [](const fs::path&) -> bool { throw std::runtime_error("PDF"); }),
                 std::runtime_error);
    EXPECT_EQ(slurp(target), "old");
    EXPECT_EQ(filesIn(folder.path()), 1);
}

TEST(SafeSave, ATargetThatCannotBeReplacedOrAMissingFolderFailsWithItsCause)
{
    TempFolder folder;
    fs::create_directory(folder.path() / "Spiellisten");
    const auto onFolder = vordix::saveFile(folder.path() / "Spiellisten", std::string("x"));
    EXPECT_EQ(onFolder.result, SaveResult::NotWritten);
    EXPECT_NE(onFolder.error, 0);
    EXPECT_TRUE(fs::is_directory(folder.path() / "Spiellisten"));
    const auto nowhere = vordix::saveFile(folder.path() / "missing" / "Aktuell.skt", std::string("x"));
    EXPECT_EQ(nowhere.result, SaveResult::NotCreated);
    EXPECT_EQ(nowhere.error, ENOENT);
    EXPECT_EQ(filesIn(folder.path()), 1);
}

TEST(SafeSave, AReplacedFileKeepsItsPermissionsAndALinkStaysALink)
{
    TempFolder folder;
    const fs::path target = folder.path() / "bestenliste";
    ASSERT_TRUE(vordix::saveFile(target, std::string("new"), {.mode = 0640}));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::mask, static_cast<fs::perms>(0640));
    ::chmod(target.c_str(), 0600);
    ASSERT_TRUE(vordix::saveFile(target, std::string("again")));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::mask, static_cast<fs::perms>(0600));
    ASSERT_TRUE(vordix::saveFile(target, std::string("exact"), {.mode = 0755, .keepExistingMode = false}));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::mask, static_cast<fs::perms>(0755));

    const fs::path link = folder.path() / "Aktuell.skt";
    fs::create_symlink(target, link);
    ASSERT_TRUE(vordix::saveFile(link, std::string("through the link")));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(slurp(target), "through the link");
}
