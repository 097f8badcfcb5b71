#include "TempFolder.h"
#include "tests/support/RecordingMessageSink.h"

#include "vordix/Dokument.h"
#include "vordix/FileDialog.h"
#include "vordix/MessageSink.h"
#include "vordix/WinFilePath.h"
#include "vordix/XmlHelpers.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace vordix;

namespace {

std::string slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

using RecordingSink = testsupport::RecordingMessageSink;

// A small document with a version, a wide text and a list of numbers.
class ListDocument : public VORDIX_DOKUMENT {
public:
    std::wstring title = L"Spielliste";
    std::vector<int> values;
    int resets = 0;
    bool failWrite = false;

    const char* elementName() const override { return "LISTE"; }
    void write(tinyxml2::XMLElement& root, tinyxml2::XMLDocument&) const override
    {
        if (failWrite)
            throw std::runtime_error("cannot format");
        xml::setIntAttribute(root, "DokumentVersion", 1);
        xml::setTextAttribute(root, "Titel", title);
        for (int v : values)
            xml::setIntAttribute(*xml::appendChild(root, "WERT"), "W", v);
    }
    bool read(const tinyxml2::XMLElement* root, const tinyxml2::XMLDocument&) override
    {
        if (!root || std::string(root->Name()) != "LISTE" || xml::intAttribute(root, "DokumentVersion") != 1)
            return false;
        title = xml::textAttribute(root, "Titel").value_or(L"");
        values.clear();
        for (auto* e = xml::firstChild(root, "WERT"); e; e = e->NextSiblingElement("WERT"))
            values.push_back(xml::intAttribute(e, "W", 0));
        return true;
    }
    int onLoadFailed() override
    {
        ++resets;
        title.clear();
        values.clear();
        return 42;
    }
};

class DokumentTest : public ::testing::Test {
protected:
    void SetUp() override { previousSink = setMessageSink(sink); }
    void TearDown() override { setMessageSink(previousSink); }

    VORDIX_FILE fileIn(const std::wstring& name)
    {
        VORDIX_FOLDER folder;
        folder.setPath(dir.wpath());
        return VORDIX_FILE(folder, name);
    }
    fs::path pathOf(const std::string& name) const { return dir.path() / name; }

    TempFolder dir;
    std::shared_ptr<RecordingSink> sink = std::make_shared<RecordingSink>();
    std::shared_ptr<MessageSink> previousSink;
};

} // namespace

TEST_F(DokumentTest, SavesDeclarationIndentedTreeAndReloadsEqual)
{
    ListDocument doc;
    doc.title = L"Kreuz-Bube € äöü ß";
    doc.values = {18, -7, 0};
    doc.file = fileIn(L"liste.skt");
    doc.modified = true;
    ASSERT_TRUE(doc.save());
    EXPECT_FALSE(doc.modified);

    const std::string text = slurp(pathOf("liste.skt"));
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<LISTE DokumentVersion=\"1\"", 0), 0u) << text;
    EXPECT_NE(text.find("\n    <WERT W=\"-7\"/>\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\xE2\x82\xAC"), std::string::npos) << "euro sign stored as UTF-8";

    ListDocument back;
    EXPECT_EQ(back.open(fileIn(L"liste.skt")), 0);
    EXPECT_TRUE(back.loadedFromFile);
    EXPECT_FALSE(back.modified);
    EXPECT_EQ(back.title, doc.title);
    EXPECT_EQ(back.values, doc.values);
    EXPECT_TRUE(sink->texts.empty());
    // Nothing but the document remains in the folder (no temporary files).
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST_F(DokumentTest, LoadReportsCodesForMissingDamagedAndForeignContent)
{
    std::ofstream(pathOf("kaputt.skt")) << "<LISTE DokumentVersion=\"1\"><WERT";
    std::ofstream(pathOf("fremd.skt")) << "<Bestenliste/>";
    std::ofstream(pathOf("alt.skt")) << "<LISTE DokumentVersion=\"2\"/>";
    fs::create_directory(pathOf("ordner.skt"));
    const struct {
        const wchar_t* name;
        int code;
    } cases[] = {{L"fehlt.skt", DOCUMENT_NOT_OPENABLE},
                 {L"ordner.skt", DOCUMENT_NOT_OPENABLE},
                 {L"kaputt.skt", DOCUMENT_UNREADABLE},
                 {L"fremd.skt", DOCUMENT_UNREADABLE},
                 {L"alt.skt", DOCUMENT_UNREADABLE}};
    for (const auto& c : cases) {
        ListDocument doc;
        doc.file = fileIn(c.name);
        EXPECT_EQ(doc.load(), c.code) << std::string(c.name, c.name + wcslen(c.name));
    }
}

TEST_F(DokumentTest, OpenOfMissingFileResetsSilentlyAndMarksModified)
{
    ListDocument doc;
    doc.values = {1, 2};
    EXPECT_EQ(doc.open(fileIn(L"fehlt.skt")), 42);
    EXPECT_EQ(doc.resets, 1);
    EXPECT_TRUE(doc.modified);
    EXPECT_FALSE(doc.loadedFromFile);
    EXPECT_TRUE(doc.values.empty());
    EXPECT_TRUE(sink->texts.empty());
    EXPECT_EQ(doc.file.name, L"fehlt.skt");
}

TEST_F(DokumentTest, SavingIntoMissingFolderReportsCannotOpenWithBareName)
{
    ListDocument doc;
    VORDIX_FOLDER folder;
    folder.setPath(dir.wpath() + L"gibt-es-nicht");
    doc.file = VORDIX_FILE(folder, L"liste.skt");
    doc.modified = false;
    EXPECT_FALSE(doc.save());
    EXPECT_FALSE(doc.modified) << "modified stays as it was";
    ASSERT_EQ(sink->texts.size(), 1u);
    EXPECT_EQ(
        sink->texts[0],
        L"Die Datei|liste.skt|kann nicht geoeffnet werden, eventuell wird sie von einem anderen Programm verwendet!");
}

TEST_F(DokumentTest, FailedWriteKeepsOldFileAndModified)
{
    ListDocument doc;
    doc.values = {1};
    doc.file = fileIn(L"liste.skt");
    ASSERT_TRUE(doc.save());
    const std::string before = slurp(pathOf("liste.skt"));

    // A full disk: the file size limit makes every write beyond 64 bytes fail.
    doc.values.assign(200, 123456);
    doc.modified = true;
    struct rlimit old { };
    getrlimit(RLIMIT_FSIZE, &old);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = old;
    tiny.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &tiny);
    const bool saved = doc.save();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(slurp(pathOf("liste.skt")), before);
    ASSERT_EQ(sink->texts.size(), 1u);
    EXPECT_EQ(sink->texts[0],
              L"Die Datei|liste.skt|kann nicht geschrieben werden, eventuell ist sie schreibgeschuetzt!");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
        << "the temporary file is removed";
}

TEST_F(DokumentTest, ReadOnlyFolderKeepsOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write into read-only folders";
    ListDocument doc;
    doc.values = {1};
    doc.file = fileIn(L"liste.skt");
    ASSERT_TRUE(doc.save());
    const std::string before = slurp(pathOf("liste.skt"));
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
    doc.values = {2, 3};
    doc.modified = true;
    EXPECT_FALSE(doc.save());
    fs::permissions(dir.path(), fs::perms::owner_all, fs::perm_options::replace);
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(slurp(pathOf("liste.skt")), before);
    EXPECT_EQ(sink->texts.size(), 1u);
}

TEST_F(DokumentTest, WriteThatThrowsReportsStructureErrorAndLeavesFile)
{
    ListDocument doc;
    doc.file = fileIn(L"liste.skt");
    doc.failWrite = true;
    doc.modified = true;
    EXPECT_FALSE(doc.save());
    EXPECT_TRUE(doc.modified);
    EXPECT_FALSE(fs::exists(pathOf("liste.skt")));
    ASSERT_EQ(sink->texts.size(), 1u);
    EXPECT_EQ(sink->texts[0], VORDIX_DOKUMENT::errorText(DOCUMENT_UNREADABLE, L""));
}

TEST_F(DokumentTest, UnreadableFileIsKeptAsideBeforeSavingDefaults)
{
    std::ofstream(pathOf("liste.skt")) << "<LISTE DokumentVersion=\"1\"><WERT";
    ListDocument doc;
    EXPECT_EQ(doc.open(fileIn(L"liste.skt")), 42);
    ASSERT_TRUE(doc.save());
    EXPECT_EQ(slurp(pathOf("liste.skt.unlesbar")), "<LISTE DokumentVersion=\"1\"><WERT");
    ListDocument back;
    EXPECT_EQ(back.open(fileIn(L"liste.skt")), 0);
}

TEST_F(DokumentTest, DialogCancelChangesNothingAndConfirmLoadsChosenFile)
{
    ListDocument source;
    source.values = {5, 6};
    source.file = fileIn(L"gewaehlt.skt");
    ASSERT_TRUE(source.save());

    ListDocument doc;
    doc.values = {9};
    doc.file = fileIn(L"alt.skt");
    doc.fileKind = FILE_KIND_GAME_LISTS;
    doc.openDialogTitle = L"Liste laden";
    int asked = 0;
    bool confirm = false;
    auto previous =
        setFileDialogHandler([&](VORDIX_FENSTER*, int kind, VORDIX_FILE& f, const std::wstring& caption, bool save) {
            ++asked;
            EXPECT_EQ(kind, FILE_KIND_GAME_LISTS);
            EXPECT_EQ(caption, L"Liste laden");
            EXPECT_FALSE(save);
            if (confirm)
                f.name = L"gewaehlt.skt";
            return confirm;
        });
    doc.openWithDialog();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(doc.values, std::vector<int>{9});
    EXPECT_EQ(doc.file.name, L"alt.skt");
    EXPECT_EQ(doc.resets, 0);
    EXPECT_FALSE(doc.modified);

    confirm = true;
    doc.openWithDialog();
    EXPECT_TRUE(doc.loadedFromFile);
    EXPECT_EQ(doc.values, (std::vector<int>{5, 6}));
    EXPECT_TRUE(sink->texts.empty());
    setFileDialogHandler(previous);
}

TEST_F(DokumentTest, DialogLoadFailureReportsAndResets)
{
    auto previous = setFileDialogHandler([](VORDIX_FENSTER*, int, VORDIX_FILE& f, const std::wstring&, bool) {
        f.name = L"fehlt.skt";
        return true;
    });
    ListDocument doc;
    doc.file = fileIn(L"x.skt");
    doc.openWithDialog();
    setFileDialogHandler(previous);
    EXPECT_EQ(doc.resets, 1);
    EXPECT_TRUE(doc.modified);
    EXPECT_FALSE(doc.loadedFromFile);
    ASSERT_EQ(sink->texts.size(), 1u);
    EXPECT_EQ(sink->texts[0], VORDIX_DOKUMENT::errorText(DOCUMENT_NOT_OPENABLE, L"fehlt.skt"));
}

// A file larger than any document is refused before parsing, with a message
// of its own, and is kept aside rather than overwritten by the next save.
TEST_F(DokumentTest, OversizedFileIsRefusedBeforeParsingAndKeptAside)
{
    {
        std::ofstream(pathOf("riesig.skt"), std::ios::binary) << "<LISTE DokumentVersion=\"1\" Titel=\"";
    }
    fs::resize_file(pathOf("riesig.skt"), VORDIX_DOKUMENT::MAX_FILE_SIZE + 1); // sparse: no real 64 MB
    ListDocument doc;
    doc.file = fileIn(L"riesig.skt");
    EXPECT_EQ(doc.load(), DOCUMENT_TOO_LARGE);
    EXPECT_TRUE(sink->texts.empty()) << "load alone reports nothing";

    EXPECT_EQ(doc.open(fileIn(L"riesig.skt")), 42);
    ASSERT_EQ(sink->texts.size(), 1u);
    EXPECT_EQ(sink->texts[0], VORDIX_DOKUMENT::errorText(DOCUMENT_TOO_LARGE, L"riesig.skt"));
    EXPECT_NE(sink->texts[0].find(L"64 MB"), std::wstring::npos);

    doc.values = {1};
    ASSERT_TRUE(doc.save());
    EXPECT_EQ(fs::file_size(pathOf("riesig.skt.unlesbar")), VORDIX_DOKUMENT::MAX_FILE_SIZE + 1);
}
