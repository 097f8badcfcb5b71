// Exporting a sheet as a PDF file: the file, its fonts, and failures that
// leave nothing behind.

#include "../support/RecordingMessageSink.h"
#include "pdf_test_sheets.h"
#include "skat/app/PdfExport.h"
#include "vordix/WinFilePath.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string run(const std::string& command)
{
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return out;
    std::array<char, 4096> buffer{};
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe.get()))
        out.append(buffer.data(), n);
    return out;
}

bool haveTool(const char* tool)
{
    return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::string contentOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class PdfExportTest : public testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("pdf-export-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        sink_ = std::make_shared<testsupport::RecordingMessageSink>();
        previous_ = vordix::setMessageSink(sink_);
        settings_.fontFolder = SKAT_PDF_FONT_DIR;
        settings_.date = L"10.12.2026";
        settings_.language = PdfLanguage::German;
    }
    void TearDown() override
    {
        vordix::setMessageSink(previous_);
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }
    std::vector<fs::path> filesIn(const fs::path& folder) const
    {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(folder))
            files.push_back(entry.path());
        return files;
    }

    fs::path dir_;
    std::shared_ptr<testsupport::RecordingMessageSink> sink_;
    std::shared_ptr<vordix::MessageSink> previous_;
    PdfExportSettings settings_;
};

} // namespace

TEST_F(PdfExportTest, WritesAPdfWithTheFourFontsEmbedded)
{
    struct Case {
        int places, rows, pages;
        PdfLanguage language;
        Scoring scoring;
    };
    const Case cases[] = {
        {3, 36, 1, PdfLanguage::German, SCORING_SEEGER_FABIAN},
        {4, 43, 2, PdfLanguage::English, SCORING_CLASSIC},
        {3, 1, 1, PdfLanguage::English, SCORING_BIERLACHS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.places << " players, " << c.rows << " rows");
        LISTE sheet;
        pdftest::fillSheet(sheet, c.places, c.rows, 5);
        settings_.language = c.language;
        settings_.scoring = c.scoring;
        const fs::path target = dir_ / "Skatliste.pdf";
        ASSERT_TRUE(exportScoreSheetPdf(sheet, target, settings_));
        EXPECT_TRUE(sink_->texts.empty());
        EXPECT_EQ(contentOf(target).rfind("%PDF-", 0), 0u);
        EXPECT_EQ(filesIn(dir_).size(), 1u); // no temporary file left
        if (haveTool("pdfinfo")) {
            const std::string info = run("pdfinfo '" + target.string() + "' 2>/dev/null");
            std::istringstream lines(info);
            std::string line;
            int pages = 0;
            while (std::getline(lines, line))
                if (line.rfind("Pages:", 0) == 0)
                    pages = std::stoi(line.substr(6));
            EXPECT_EQ(pages, c.pages) << info;
            EXPECT_NE(info.find("595.276 x 841.89"), std::string::npos) << info;
        }
        if (haveTool("pdffonts")) {
            const std::string fonts = run("pdffonts '" + target.string() + "' 2>/dev/null");
            // Only fonts that something is drawn in are written; the bold
            // typewriter carries the Seeger-Fabian final scores.
            for (const char* family : {"CMUSansSerif,", "CMUSansSerif-Bold", "CMUTypewriter-Regular"})
                EXPECT_NE(fonts.find(family), std::string::npos) << family << "\n" << fonts;
            EXPECT_EQ(fonts.find("CMUTypewriter-Bold") != std::string::npos, c.scoring == SCORING_SEEGER_FABIAN)
                << fonts;
            // Every font is embedded ("yes" under "emb").
            std::istringstream lines(fonts);
            std::string line;
            while (std::getline(lines, line))
                if (line.find("CMU") != std::string::npos) {
                    EXPECT_NE(line.find(" yes "), std::string::npos) << line;
                }
        }
    }
}

TEST_F(PdfExportTest, ReadOnlyFolderGivesOneMessageAndLeavesNoFile)
{
    LISTE sheet;
    pdftest::fillSheet(sheet, 3, 5, 1);
    // Root may write into any folder whose mode forbids it; sysfs refuses
    // new files even to root.
    const bool root = ::geteuid() == 0;
    const fs::path folder = root ? fs::path("/sys") : dir_ / "read-only";
    const auto before = root ? filesIn(folder) : std::vector<fs::path>{};
    if (!root) {
        fs::create_directories(folder);
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
    }
    testing::internal::CaptureStdout();
    EXPECT_FALSE(exportScoreSheetPdf(sheet, folder / "Skatliste.pdf", settings_));
    const std::string out = testing::internal::GetCapturedStdout();
    if (!root)
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace);
    EXPECT_EQ(out.rfind("Exception: ", 0), 0u) << out;
    ASSERT_EQ(sink_->texts.size(), 1u);
    EXPECT_EQ(sink_->kinds[0], vordix::MessageKind::Error);
    EXPECT_NE(sink_->texts[0].find((folder / "Skatliste.pdf").wstring()), std::wstring::npos);
    EXPECT_EQ(filesIn(folder), before);
}

TEST_F(PdfExportTest, FailedExportKeepsTheOldFileAndRemovesThePartialOne)
{
    LISTE sheet;
    pdftest::fillSheet(sheet, 3, 5, 1);
    const fs::path target = dir_ / "Skatliste.pdf";
    {
        std::ofstream(target) << "the previous sheet";
    }
    struct Case {
        const char* what;
        int places;
        bool badFonts;
    };
    const Case cases[] = {
        {"missing fonts", 3, true},
        {"a row whose declarer is no seat", 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sink_->clear();
        PdfExportSettings settings = settings_;
        LISTE broken;
        pdftest::fillSheet(broken, c.places, 3, 1);
        if (c.badFonts)
            settings.fontFolder = dir_ / "no-fonts";
        else
            broken.rows.back()->record.ALLEIN = 7; // no seat: "Ungueltiger Spieler!"
        testing::internal::CaptureStdout();
        EXPECT_FALSE(exportScoreSheetPdf(broken, target, settings));
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(out.rfind("Exception: ", 0), 0u);
        if (!c.badFonts) {
            EXPECT_EQ(out, "Exception: Ungueltiger Spieler!\n");
        }
        EXPECT_EQ(sink_->texts.size(), 1u);
        EXPECT_EQ(contentOf(target), "the previous sheet");
        EXPECT_EQ(filesIn(dir_).size(), 1u);
    }
    // A good export replaces it.
    EXPECT_TRUE(exportScoreSheetPdf(sheet, target, settings_));
    EXPECT_EQ(contentOf(target).rfind("%PDF-", 0), 0u);
}

TEST_F(PdfExportTest, SampleSheetsForTheScreenshots)
{
    // With SKAT_PDF_SAMPLE_DIR set the samples stay there (see
    // scripts/pdf-screenshots.sh); otherwise they only have to export.
    const char* keep = std::getenv("SKAT_PDF_SAMPLE_DIR");
    const fs::path out = keep && *keep ? fs::path(keep) : dir_;
    fs::create_directories(out);
    struct Sample {
        const char* name;
        int places, rows;
        PdfLanguage language;
        Scoring scoring;
    };
    const Sample samples[] = {
        {"pdf-3p-36-seeger-fabian-de", 3, 36, PdfLanguage::German, SCORING_SEEGER_FABIAN},
        {"pdf-4p-36-classic-en", 4, 36, PdfLanguage::English, SCORING_CLASSIC},
        {"pdf-3p-1-bierlachs-en", 3, 1, PdfLanguage::English, SCORING_BIERLACHS},
        {"pdf-3p-42-classic-de", 3, 42, PdfLanguage::German, SCORING_CLASSIC},
        {"pdf-4p-43-seeger-fabian-de", 4, 43, PdfLanguage::German, SCORING_SEEGER_FABIAN},
    };
    for (const Sample& s : samples) {
        LISTE sheet;
        pdftest::fillSheet(sheet, s.places, s.rows, 2026);
        settings_.language = s.language;
        settings_.scoring = s.scoring;
        settings_.tariffCents = 0.5;
        EXPECT_TRUE(exportScoreSheetPdf(sheet, out / (std::string(s.name) + ".pdf"), settings_)) << s.name;
    }
}

TEST_F(PdfExportTest, FontsAreFoundBesideTheProgram)
{
    // The build copies the fonts into "Ressourcen/PdfListe" beside Skat.
    const fs::path programFolder = fs::path(SKAT_PDF_FONT_DIR).parent_path().parent_path();
    WIN_FILEPATH::setProgramFolder(programFolder.wstring());
    EXPECT_EQ(defaultPdfFontFolder().lexically_normal(),
              (programFolder / "Ressourcen" / "PdfListe/").lexically_normal());
    LISTE sheet;
    pdftest::fillSheet(sheet, 3, 3, 9);
    settings_.fontFolder.clear();
    EXPECT_TRUE(exportScoreSheetPdf(sheet, dir_ / "Skatliste.pdf", settings_));
    WIN_FILEPATH::setProgramFolder(L"");
}

// Printing asks where to save, proposing "Skatliste.pdf" in the documents
// folder the desktop names; the file the user chose is opened once complete.
TEST_F(PdfExportTest, PrintAsksWhereToSaveInTheDocumentsFolderAndOpensOnlyACompleteFile)
{
    std::vector<std::pair<const char*, std::string>> savedEnv;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME"}) {
        const char* value = std::getenv(name);
        savedEnv.emplace_back(name, value ? value : "");
    }
    ::setenv("HOME", dir_.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
    fs::create_directories(dir_ / "config");
    std::ofstream(dir_ / "config" / "user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                                      << "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
    EXPECT_EQ(defaultPdfTarget(), dir_ / "Dokumente" / "Skatliste.pdf");

    LISTE sheet;
    pdftest::fillSheet(sheet, 4, 8, 4);
    std::vector<fs::path> proposed, opened;
    fs::path answer; // empty: the user cancels
    auto choose = [&](fs::path& target) {
        proposed.push_back(target);
        if (answer.empty())
            return false;
        target = answer;
        return true;
    };
    auto open = [&](const fs::path& file) { opened.push_back(file); };

    answer = dir_ / "Abend.pdf";
    EXPECT_TRUE(printScoreSheet(sheet, settings_, choose, open));
    ASSERT_EQ(proposed.size(), 1u);
    EXPECT_EQ(proposed[0], dir_ / "Dokumente" / "Skatliste.pdf");
    EXPECT_TRUE(fs::is_directory(dir_ / "Dokumente")) << "the dialog starts in an existing folder";
    ASSERT_EQ(opened, std::vector<fs::path>{answer});
    EXPECT_EQ(contentOf(answer).rfind("%PDF-", 0), 0u);

    // Cancelled: nothing written, opened or said.
    answer.clear();
    EXPECT_FALSE(printScoreSheet(sheet, settings_, choose, open));
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_FALSE(fs::exists(dir_ / "Dokumente" / "Skatliste.pdf"));
    EXPECT_TRUE(sink_->texts.empty());

    // A failed export opens nothing, and the message names the whole path.
    answer = dir_ / "Dokumente" / "Skatliste.pdf";
    PdfExportSettings broken = settings_;
    broken.fontFolder = dir_ / "no-fonts";
    testing::internal::CaptureStdout();
    EXPECT_FALSE(printScoreSheet(sheet, broken, choose, open));
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(opened.size(), 1u);
    ASSERT_EQ(sink_->texts.size(), 1u);
    EXPECT_NE(sink_->texts[0].find(answer.wstring()), std::wstring::npos);
    EXPECT_FALSE(fs::exists(answer));

    for (const auto& [name, value] : savedEnv) {
        if (value.empty())
            ::unsetenv(name);
        else
            ::setenv(name, value.c_str(), 1);
    }
}
