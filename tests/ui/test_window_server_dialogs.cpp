// The table server's questions in the program before a game window exists:
// asked through the message sink with the text-table texts, answered by its
// yes or no (over the window the yes/no dialog asks them).

#include "skat/app/SkatFolders.h"
#include "skat/app/SkatText.h"
#include "skat/ui/FensterSkatTableWindows.h"
#include "skat/ui/WindowServerDialogs.h"
#include "tests/support/RecordingMessageSink.h"
#include "vordix/WinFilePath.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using testsupport::RecordingMessageSink;

// The German texts of the program's text file.
void installGermanTexts()
{
    WIN_FILEPATH::setProgramFolder(WIN_FILEPATH::fromFsPath(SKAT_BINARY_DIR "/skat/windows"));
    SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>(skat::resourceFile({}, L"Skat_Text.xml"), false));
}

void removeTexts()
{
    SKAT_TEXT::installInstance(nullptr);
    WIN_FILEPATH::setProgramFolder(L"");
}

class WindowServerDialogsTest : public testing::Test {
protected:
    void SetUp() override
    {
        installGermanTexts();
        previous = vordix::setMessageSink(sink);
    }
    void TearDown() override
    {
        vordix::setMessageSink(previous);
        installServerDialogs(nullptr);
        removeTexts();
    }
    std::shared_ptr<RecordingMessageSink> sink = std::make_shared<RecordingMessageSink>();
    std::shared_ptr<vordix::MessageSink> previous;
};

TEST_F(WindowServerDialogsTest, QuestionsGoThroughTheMessageSinkWithTheirTexts)
{
    WINDOW_SERVER_DIALOGS dialogs;
    struct Case {
        const char* name;
        std::function<bool()> ask;
        TextKey text;
    };
    const Case cases[] = {
        {"sheet with rows", [&] { return dialogs.askStartNewSheet(1); }, TextKey::Dialog_aktuelle_Liste_loeschen},
        {"sheet of 35", [&] { return dialogs.askStartNewSheet(35); }, TextKey::Dialog_aktuelle_Liste_loeschen},
        {"full sheet", [&] { return dialogs.askStartNewSheet(36); }, TextKey::Dialog_48_spiel_zuende},
        {"repeated game", [&] { return dialogs.askLeaveGame(SERVER_DIALOGS::LEAVE_REPEATED_GAME); },
         TextKey::Dialog_Wiederholung_abbrechen},
        {"game", [&] { return dialogs.askLeaveGame(SERVER_DIALOGS::LEAVE_GAME); },
         TextKey::Dialog_aktuelles_Spiel_loeschen},
        {"special game", [&] { return dialogs.askLeaveGame(SERVER_DIALOGS::LEAVE_SPECIAL_GAME); },
         TextKey::Dialog_Freies_Spiel_abbrechen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto answer : {vordix::MessageAnswer::Yes, vordix::MessageAnswer::No}) {
            sink->clear();
            sink->answer = answer;
            EXPECT_EQ(c.ask(), answer == vordix::MessageAnswer::Yes);
            ASSERT_EQ(sink->texts.size(), 1u);
            EXPECT_EQ(sink->kinds[0], vordix::MessageKind::Question);
            EXPECT_EQ(sink->texts[0], skat::text(c.text));
            EXPECT_FALSE(sink->texts[0].empty());
        }
    }
}

TEST_F(WindowServerDialogsTest, FreeGameDialogOrANoteThatItIsNotAvailable)
{
    {
        const auto installed = installWindowServerDialogs();
        ASSERT_NE(windowServerDialogs(), nullptr);
        EXPECT_EQ(serverDialogs()->runFreeGameDialog(SEAT_2), -1);
        ASSERT_EQ(sink->texts.size(), 1u);
        EXPECT_EQ(sink->texts[0], skat::text(TextKey::Alert_Noch_nicht_verfuegbar));
    }
    // Dropping the installation restores the defaults.
    EXPECT_EQ(windowServerDialogs(), nullptr);

    Seat proposed = SEAT_NONE;
    SERVER_WINDOWS windows;
    windows.freeGameDialog = [&](Seat seat) {
        proposed = seat;
        return 0;
    };
    const auto installed = installWindowServerDialogs(windows);
    EXPECT_EQ(serverDialogs()->runFreeGameDialog(SEAT_1), 0);
    EXPECT_EQ(proposed, 1);
    EXPECT_EQ(sink->texts.size(), 1u);
}

} // namespace

namespace {

// Every phrase the table says has its text; a bid shows its value, the
// announcement the declarer and the game.
TEST(TableTalkTexts, EveryPhraseOfTheTableHasItsText)
{
    installGermanTexts();
    for (const wchar_t* phrase : {L"kontra",
                                  L"doerfer",
                                  L"kleingross",
                                  L"fetterstich",
                                  L"sattebeute",
                                  L"dersackistzu",
                                  L"staatsanwalt",
                                  L"vatermutter",
                                  L"schneidersindauchleute",
                                  L"schwarzwiediefuesse",
                                  L"schwarzwiedienacht",
                                  L"lokus",
                                  L"badengegangen",
                                  L"derofenistaus",
                                  L"zahlenschafftfrieden",
                                  L"dasziehtblasen",
                                  L"passe",
                                  L"wiederholt",
                                  L"wiederholtnichtinliste",
                                  L"ramsch",
                                  L"weg",
                                  L"ichbinweg",
                                  L"nichtmitmir",
                                  L"ja",
                                  L"klar",
                                  L"logo",
                                  L"immer",
                                  L"zwo",
                                  L"drei",
                                  L"vier"})
        EXPECT_FALSE(FENSTER_SKAT_TABLE_WINDOWS::overlayText(phrase, 0, nullptr, L"").empty()) << phrase;
    EXPECT_EQ(FENSTER_SKAT_TABLE_WINDOWS::overlayText(L"20", 20, nullptr, L""), L"20!");
    EXPECT_TRUE(FENSTER_SKAT_TABLE_WINDOWS::overlayText(L"unknown", 0, nullptr, L"").empty());
    SPIELSTRUCT record;
    record.SPIELART = SPIELART(GAME_GRAND, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
    const std::wstring announced = FENSTER_SKAT_TABLE_WINDOWS::overlayText(L"spielansage", 0, &record, L"Kazzle");
    EXPECT_NE(announced.find(L"Kazzle"), std::wstring::npos);
    EXPECT_NE(announced.find(SKAT_TEXT::instance().gameTypeName(GAME_GRAND)), std::wstring::npos);
    // The declarer's balloon wraps at blanks: a "|" would be shown as it is.
    EXPECT_EQ(announced.find(L'|'), std::wstring::npos);
    removeTexts();
}

// The declarer's announcement in either language: the user's own says
// "you play", another player's names the player.
TEST(AnnouncementBalloon, SaysWhoPlaysInTheProgramsLanguage)
{
    WIN_FILEPATH::setProgramFolder(WIN_FILEPATH::fromFsPath(SKAT_BINARY_DIR "/skat/windows"));
    SPIELSTRUCT record;
    record.SPIELART = SPIELART(GAME_GRAND, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
    const struct {
        bool english;
        const wchar_t* name;
        bool user;
        std::wstring said;
    } cases[] = {
        {false, L"Du", true, L"Du spielst Grand"},
        {false, L"Kazzle", false, L"Kazzle spielt Grand"},
        {true, L"You", true, L"You play Grand"},
        {true, L"Kazzle", false, L"Kazzle plays Grand"},
    };
    for (const auto& c : cases) {
        SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>(skat::resourceFile({}, L"Skat_Text.xml"), c.english));
        EXPECT_EQ(FENSTER_SKAT_TABLE_WINDOWS::overlayText(L"spielansage", 0, &record, c.name, c.user), c.said);
    }
    removeTexts();
}

} // namespace
