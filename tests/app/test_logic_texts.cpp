// The computer player's texts come from the text table: its discard advice
// rows match the advices the tables may hold, and the look-up gives the
// user's language.

#include "skat/app/LogicTextsFromTable.h"
#include "skat/app/SkatFolders.h"
#include "skat/app/SkatText.h"
#include "skat/app/TextTable.h"
#include "skat/logic/LogicTexts.h"
#include "vordix/Utf8.h"

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

namespace {

TEST(LogicTexts, AdviceRowsMatchTheLogicsAdvices)
{
    const auto& rows = textTableRows();
    for (int kind = 0; kind < ADVICE_COUNT; ++kind) {
        const AdviceText& advice = adviceText(static_cast<AdviceKind>(kind));
        bool found = false;
        for (const TextTableRow& row : rows)
            if (std::string_view(row.key) == advice.key) {
                found = true;
                EXPECT_EQ(vordix::fromUtf8(row.german), advice.german) << advice.key;
                EXPECT_EQ(vordix::fromUtf8(row.english), advice.english) << advice.key;
            }
        EXPECT_TRUE(found) << advice.key;
    }
}

TEST(LogicTexts, LookUpGivesTheUsersLanguage)
{
    for (bool english : {false, true}) {
        SCOPED_TRACE(english ? "English" : "German");
        SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>(skat::resourceFile({}, L"Skat_Text.xml"), english));
        skat::installLogicTextsFromTable();
        const AdviceText& bareTen = adviceText(ADVICE_BARE_TEN);
        EXPECT_EQ(discardAdviceText(bareTen.german), english ? bareTen.english : bareTen.german);
        // An advice the table does not know stays as the tables hold it.
        EXPECT_EQ(discardAdviceText(L"Etwas anderes."), L"Etwas anderes.");
        const std::wstring alert = formatLogicText(logicText(TEXT_FILE_MISSING_OR_DAMAGED), L"Null.bin");
        EXPECT_EQ(alert, english ? L"The file|Null.bin|was not found or is damaged."
                                 : L"Die Datei|Null.bin|wurde nicht gefunden oder ist fehlerhaft.");
    }
    installLogicTexts({});
    SKAT_TEXT::installInstance(nullptr);
    // Without the look-up the German defaults remain.
    EXPECT_EQ(discardAdviceText(adviceText(ADVICE_BARE_TEN).german), adviceText(ADVICE_BARE_TEN).german);
    EXPECT_EQ(logicText(TEXT_FILE_MISSING_OR_DAMAGED), L"Die Datei|%ls|wurde nicht gefunden oder ist fehlerhaft.");
}

} // namespace
