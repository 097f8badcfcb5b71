// The exercise games: the rows of the list (kind of game, theme, title), the
// dialog's choice, course and replay, and every exercise of the shipped
// lists played again headless to the end it had.

#include "skat/app/SkatText.h"
#include "skat/engine/Liste.h"
#include "skat/shell/ShellDialogs.h"
#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "tests/engine/test_table_support.h"
#include "vordix/Utf8.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/ControlIds.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const fs::path kExercises = fs::path(SKAT_BINARY_DIR) / "skat/windows/Ressourcen/Uebungspartien";

VORDIX_FILE exerciseList(const char* name)
{
    VORDIX_FOLDER folder;
    folder.setPath(WIN_FILEPATH::fromFsPath(kExercises));
    return VORDIX_FILE(folder, vordix::fromUtf8(name));
}

EIN_SPIEL gameOf(GameType type, int bid, const wchar_t* theme = L"", const wchar_t* title = L"")
{
    EIN_SPIEL game;
    game.record.SPIELART = SPIELART(type, 0, 0);
    game.record.GEREIZT = bid;
    if (*theme || *title) {
        game.record.texts()[TEXT_GRUPPE] = theme;
        game.record.texts()[TEXT_TITEL] = title;
    }
    return game;
}

TEST(ExerciseRows, NameTheKindOfGameItsThemeAndTitle)
{
    const std::wstring none = skat::text(TextKey::Uebung_Kein_Titel);
    struct Case {
        const char* what;
        EIN_SPIEL game;
        std::vector<std::wstring> cells;
    };
    const Case cases[] = {
        {"passed in", gameOf(GAME_NONE, 0), {skat::text(TextKey::Uebung_Spielart_Kein), none, none}},
        {"Ramsch", gameOf(GAME_RAMSCH, 18), {skat::text(TextKey::Uebung_Farbspiel), none, none}},
        {"grand ouvert", gameOf(GAME_GRAND_OUVERT, 24, L"Grand", L"Der Ouvert"), {L"Grand", L"Grand", L"Der Ouvert"}},
        {"null", gameOf(GAME_NULL, 23, L"", L"Null"), {skat::text(TextKey::Uebung_Nullspiel), none, L"Null"}},
        {"hearts", gameOf(GAME_HEARTS, 20, L"Herz", L""), {skat::text(TextKey::Uebung_Farbspiel), L"Herz", none}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DIALOG_UBUNGSPARTIEN::rowTexts(c.game), c.cells);
    }
}

// Each exercise of both lists has its texts and, played again with the
// computer in every seat, ends as it ended then; the table shows its texts.
TEST(ShippedExercises, EachOnePlaysToItsEndHeadless)
{
    for (const char* name : {"uebungsliste.de.skt", "uebungsliste.en.skt"}) {
        LISTE list;
        ASSERT_EQ(list.open(exerciseList(name)), 0) << name;
        ASSERT_GT(list.rowCount(), 0) << name;
        for (int row = 0; row < list.rowCount(); ++row) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(row));
            const EIN_SPIEL& stored = list.rowAt(row);
            ASSERT_TRUE(stored.record.hasTexts());
            for (int text : {TEXT_TITEL, TEXT_KOMMENTAR, TEXT_GRUPPE, TEXT_REIZTEXT, TEXT_SPIELVORSCHLAGTEXT,
                             TEXT_FIRST_STICHTEXT})
                EXPECT_FALSE(stored.record.texts()[static_cast<std::size_t>(text)].empty()) << text;
            table_test::TableHarness harness;
            harness.stopAfterGames = 1;
            harness.windows->confirmation = CONFIRM_NEXT_GAME;
            harness.table->modus.setExercise(stored);
            ASSERT_TRUE(harness.playToEnd());
            const auto records = harness.settled();
            ASSERT_EQ(records.size(), 1u);
            EXPECT_EQ(records[0].declarer(), stored.record.declarer());
            EXPECT_EQ(records[0].SPIELART, stored.record.SPIELART);
            EXPECT_EQ(records[0].SPIELWERT, stored.record.SPIELWERT);
            EXPECT_EQ(harness.table->modus.deviationIndex, -1);
            EXPECT_EQ(records[0].texts()[TEXT_TITEL], stored.record.texts()[TEXT_TITEL]);
        }
    }
}

class ExerciseDialog : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_app";
        static char* argv[] = {name, nullptr};
        if (!qApp)
            new QApplication(argc, argv);
        registerControlIds();
        registerForms();
        WIN_IMPLEMENTORFACTORY::installDefault();
    }

    // Shows the dialog (a window of its own beside the table) and works on it.
    void run(DIALOG_UBUNGSPARTIEN& dialog, const std::function<void(QWidget&)>& steps)
    {
        dialog.implementor()->show();
        QWidget* open = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName() == "F_ubungspartien")
                open = w;
        ASSERT_NE(open, nullptr);
        steps(*open);
        open->close();
        QCoreApplication::processEvents();
    }
};

TEST_F(ExerciseDialog, ListsTheGamesShowsTheChosenCommentAndReplaysIt)
{
    DIALOG_UBUNGSPARTIEN dialog;
    ASSERT_TRUE(dialog.loadGames(exerciseList("uebungsliste.de.skt")));
    std::vector<int> played, shown;
    dialog.playGame = [&](LISTE& list, int index) {
        EXPECT_EQ(&list, &dialog.games);
        played.push_back(index);
    };
    dialog.showCourse = [&](LISTE& list, int index) {
        EXPECT_EQ(&list, &dialog.games);
        shown.push_back(index);
    };
    run(dialog, [&](QWidget& open) {
        auto* table = open.findChild<QTableWidget*>("F_ubg_listbox");
        auto* details = open.findChild<QLabel*>("F_ubg_details");
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(open.windowTitle(), QString::fromUtf8("Übungspartien"));
        ASSERT_EQ(table->rowCount(), dialog.gameCount());
        EXPECT_EQ(table->columnCount(), 3);
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < 3; ++column)
                EXPECT_EQ(table->item(row, column)->text().toStdWString(),
                          DIALOG_UBUNGSPARTIEN::rowTexts(dialog.games.rowAt(row))[static_cast<std::size_t>(column)]);
        // The first opening starts at the second game.
        EXPECT_EQ(table->currentRow(), 1);
        EXPECT_EQ(details->text().toStdWString(), dialog.commentOf(1));
        table->selectRow(3);
        EXPECT_EQ(details->text().toStdWString(), dialog.commentOf(3));
        open.findChild<QAbstractButton*>("F_ubg_verlauf")->click();
        open.findChild<QAbstractButton*>("F_ubg_nachspielen")->click();
        EXPECT_FALSE(open.isVisible()) << "replaying closes the dialog";
    });
    EXPECT_EQ(shown, std::vector<int>{3});
    EXPECT_EQ(played, std::vector<int>{3});
    // The choice is kept for the next opening.
    run(dialog, [&](QWidget& open) { EXPECT_EQ(open.findChild<QTableWidget*>("F_ubg_listbox")->currentRow(), 3); });
    EXPECT_FALSE(dialog.commentOf(3).empty());
}

} // namespace
