// The PDF sheet's words come from the program's text table.
#include "skat/app/PdfSheetTexts.h"
#include "skat/app/SkatText.h"
#include "vordix/File.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

std::vector<const std::wstring*> all(const PdfSheetTexts& t)
{
    return {&t.title,
            &t.result,
            &t.gamesWon,
            &t.gamesLost,
            &t.opponentsLost,
            &t.finalResult,
            &t.carry,
            &t.winLevels,
            &t.gameValue,
            &t.seat[0],
            &t.seat[1],
            &t.seat[2],
            &t.seat[3],
            &t.name,
            &t.runningNumber,
            &t.baseValues,
            &t.jacks,
            &t.matadors,
            &t.with,
            &t.without,
            &t.hand,
            &t.schneider,
            &t.schneiderAnnounced,
            &t.schwarz,
            &t.schwarzAnnounced,
            &t.ouvert,
            &t.won,
            &t.lost,
            &t.passedIn,
            &t.tariffLine,
            &t.exportFailed,
            &t.ramsch,
            &t.kontra,
            &t.re,
            &t.bock};
}

} // namespace

TEST(PdfSheetTexts, TheProgramsTextFileGivesTheBuiltInWords)
{
    // The text file the build writes beside the program.
    const std::filesystem::path resources = std::filesystem::path(SKAT_PDF_FONT_DIR).parent_path();
    for (PdfLanguage language : {PdfLanguage::German, PdfLanguage::English}) {
        SCOPED_TRACE(language == PdfLanguage::German ? "German" : "English");
        VORDIX_FOLDER folder;
        ASSERT_TRUE(folder.setPath(resources.wstring()));
        SKAT_TEXT::installInstance(
            std::make_unique<SKAT_TEXT>(VORDIX_FILE(folder, L"Skat_Text.xml"), language == PdfLanguage::English));
        const PdfSheetTexts fromFile = pdfSheetTexts();
        const PdfSheetTexts builtIn = pdfSheetTexts(language);
        const auto a = all(fromFile), b = all(builtIn);
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_FALSE(a[i]->empty()) << i;
            EXPECT_EQ(*a[i], *b[i]) << i;
        }
        // Placeholders the writer fills.
        EXPECT_NE(fromFile.tariffLine.find(L"%.2f"), std::wstring::npos);
        const std::wstring& failed = fromFile.exportFailed;
        const std::size_t first = failed.find(L"%ls");
        ASSERT_NE(first, std::wstring::npos);
        EXPECT_NE(failed.find(L"%ls", first + 3), std::wstring::npos);
    }
    SKAT_TEXT::destroyInstance();
    EXPECT_EQ(pdfSheetTexts(PdfLanguage::English).without, L"without");
    EXPECT_EQ(pdfSheetTexts(PdfLanguage::German).carry, L"Übertrag");
}
