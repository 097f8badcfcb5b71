// The words the main window writes on the table: balloon lines, the game
// information line, the title line and the seat roles, composed from a
// table whose state each case sets.

#include "skat/app/SkatText.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/TableTexts.h"
#include "vordix/WinFilePath.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using table_texts::balloonLines;
using table_texts::gameInfoLine;
using table_texts::gameTitle;
using table_texts::illegalCardNotice;
using table_texts::InfoLineContext;
using table_texts::seatRoleText;

namespace {

using Lines = std::vector<std::wstring>;

TEST(BalloonLines, BarsSeparateTheOverlayMessageAndEmptyRunsAreDropped)
{
    const struct {
        const wchar_t* text;
        Lines lines;
    } cases[] = {
        {L"Kontra|von|Torvo", {L"Kontra", L"von", L"Torvo"}},
        {L"Kontra||von||Torvo", {L"Kontra", L"von", L"Torvo"}},
        {L"|Kontra|von|Torvo|", {L"Kontra", L"von", L"Torvo"}},
        {L"ohne Trenner", {L"ohne Trenner"}},
        {L"||", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text, c.text + std::wcslen(c.text)));
        EXPECT_EQ(balloonLines(c.text, false), c.lines);
    }
}

TEST(BalloonLines, SeatTextsWrapAtTheLastBlankWithinTwentyFiveCharacters)
{
    const std::wstring text = L"Ich habe den Kreuz Buben und spiele ihn jetzt sofort aus, ha!";
    ASSERT_GE(text.size(), 60u);
    const Lines lines = balloonLines(text, true);
    ASSERT_GE(lines.size(), 3u);
    std::wstring joined;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_LE(lines[k].size(), 25u);
        EXPECT_FALSE(lines[k].empty());
        joined += (k ? L" " : L"") + lines[k];
        // The line ends where a blank stood (or at the end).
        if (k + 1 < lines.size())
            EXPECT_EQ(text[joined.size()], L' ');
    }
    EXPECT_EQ(joined, text);
    EXPECT_EQ(lines[0], L"Ich habe den Kreuz Buben");
}

TEST(BalloonLines, AWordLongerThanALineIsCutWithoutLosingACharacter)
{
    const std::wstring word(30, L'x');
    EXPECT_EQ(balloonLines(word, true), (Lines{std::wstring(25, L'x'), std::wstring(5, L'x')}));
    EXPECT_EQ(balloonLines(std::wstring(25, L'y'), true), Lines{std::wstring(25, L'y')});
    EXPECT_EQ(balloonLines(L"kurz", true), Lines{L"kurz"});
    // A blank at a line's first place does not end the line.
    EXPECT_EQ(balloonLines(L" " + std::wstring(29, L'z'), true),
              (Lines{L" " + std::wstring(24, L'z'), std::wstring(5, L'z')}));
}

class TableTexts : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        WIN_FILEPATH::setProgramFolder(WIN_FILEPATH::fromFsPath(SKAT_BINARY_DIR "/skat/windows"));
    }
    static void TearDownTestSuite() { WIN_FILEPATH::setProgramFolder(L""); }

    void SetUp() override
    {
        table.standardSeating();
        table.currentIndex = STATE_KARTE_AUSSPIELEN;
    }

    void addRows(int n)
    {
        for (int i = 0; i < n; ++i)
            table.sheet.addGame(SPIELSTRUCT(), SPIELKARTEN(), true);
    }
    std::wstring name(Seat seat) { return table.playerAtSeat(seat)->name(); }
    static std::wstring t(TextKey key) { return skat::text(key); }

    SKATTISCH_SERVER table;
};

TEST_F(TableTexts, TheInfoLineNamesTheKindOfGame)
{
    addRows(2);
    EXPECT_EQ(gameInfoLine(table, {}), L"Runde 3") << "one more than the rows while the game runs";
    table.currentIndex = STATE_ABRECHNUNG;
    EXPECT_EQ(gameInfoLine(table, {}), L"Runde 2") << "the row count once it is booked";
    table.currentIndex = STATE_KARTE_AUSSPIELEN;

    table.modus.repeatFlag = true;
    table.modus.mode = MODE_REPEAT;
    EXPECT_EQ(gameInfoLine(table, {}),
              t(TextKey::Modus_Wiederholung) + L" " + t(TextKey::Modus_Wdh_Des_Letzten_Spieles));
    table.modus.repeatFlag = false;
    table.modus.mode = MODE_FREE_GAME;
    EXPECT_EQ(gameInfoLine(table, {}), t(TextKey::Modus_Freies_Spiel));

    table.modus.mode = MODE_STORED_GAME;
    table.modus.exerciseFlag = true;
    table.modus.storedGame.record.texts()[0] = L"Übung 7";
    table.modus.deviationIndex = -1;
    EXPECT_EQ(gameInfoLine(table, {}), t(TextKey::Modus_Nachspielen) + L" Übung 7");
    table.modus.deviationIndex = 3;
    EXPECT_EQ(gameInfoLine(table, {}), t(TextKey::Modus_Nachspielen) + L" " + t(TextKey::Modus_als_Freies_Spiel));

    table.modus.exerciseFlag = false;
    table.modus.storedGameFlag = true;
    table.modus.storedGame.deal = table.sheet.rowAt(1).deal;
    EXPECT_EQ(gameInfoLine(table, {}).rfind(t(TextKey::Modus_Wiederholung), 0), 0u);
}

TEST_F(TableTexts, BockRoundsCountUpAndVanishPastTheListEnd)
{
    addRows(4);
    const struct {
        int left;
        bool shortForm;
        const wchar_t* line;
    } cases[] = {
        {3, false, L"Runde 5 (Bockrunde 1)"},
        {2, false, L"Runde 5 (Bockrunde 2)"},
        {1, false, L"Runde 5 (Bockrunde 3)"},
        {1, true, L"Runde 5 (Bock 3)"},
        {0, false, L"Runde 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.left);
        table.record.BOCKRUNDE_NR = c.left;
        InfoLineContext context;
        context.shortForm = c.shortForm;
        EXPECT_EQ(gameInfoLine(table, context), c.line);
    }
    addRows(33);
    table.record.BOCKRUNDE_NR = 2;
    EXPECT_EQ(gameInfoLine(table, {}), L"") << "a sheet of more than 36 rows";
}

TEST_F(TableTexts, TheInfoLineSaysWhatTheTableIsDoing)
{
    addRows(1);
    InfoLineContext context;
    context.inputMode = INPUT_BID;
    context.biddingMode = 2;
    context.offeredValue = 18;
    EXPECT_EQ(gameInfoLine(table, context), L"Runde 2 - " + t(TextKey::Status_Geboten_Wert) + L" 18");
    context.biddingMode = 1;
    EXPECT_EQ(gameInfoLine(table, context), L"Runde 2") << "the user names a value: nothing offered";
    context.inputMode = INPUT_SKAT_OR_HAND;
    table.record.GEREIZT = 23;
    EXPECT_EQ(gameInfoLine(table, context), L"Runde 2 - " + t(TextKey::Status_Gereiz_Wert) + L" 23");

    context.inputMode = INPUT_CARD_PLAY;
    table.record.ALLEIN = 1;
    table.record.SPIELART = SPIELART(GAME_CLUBS, 2);
    table.record.KONTRA = true;
    table.record.KONTRA_WER = 0;
    table.record.RE = true;
    const std::wstring clubs = SKAT_TEXT::instance().gameTypeName(GAME_CLUBS);
    const std::wstring kontra = L" " + t(TextKey::Element_Kontra);
    const std::wstring re = L", " + t(TextKey::Element_Re);
    EXPECT_EQ(gameInfoLine(table, context), L"Runde 2 - " + t(TextKey::Status_Du_spielst) + L" " + clubs + L" "
                                                + t(TextKey::Element_Hand) + kontra + L" " + t(TextKey::Element_von)
                                                + L" " + name(SEAT_0) + re);
    context.shortForm = true;
    EXPECT_EQ(gameInfoLine(table, context), L"Runde 2 - " + t(TextKey::Status_Du_spielst) + L" " + clubs + L" "
                                                + t(TextKey::Element_Hand) + kontra + re)
        << "the short form leaves out who said Kontra";

    context.shortForm = false;
    table.record.ALLEIN = 2;
    table.record.KONTRA = false;
    table.record.RE = false;
    table.record.SPIELART = SPIELART(GAME_GRAND_OUVERT, 5);
    const std::wstring grand = SKAT_TEXT::instance().gameTypeName(GAME_GRAND);
    EXPECT_EQ(gameInfoLine(table, context), L"Runde 2 - " + name(SEAT_2) + L" " + t(TextKey::Status_spielt) + L" "
                                                + grand + L" " + t(TextKey::Element_Hand) + L" "
                                                + t(TextKey::Element_ouvert));
    table.record.SPIELART = SPIELART(GAME_RAMSCH, 0);
    EXPECT_EQ(gameInfoLine(table, context), L"Runde 2 - " + SKAT_TEXT::instance().gameTypeName(GAME_RAMSCH));
    context.inputMode = INPUT_GAME_RESULT;
    EXPECT_EQ(gameInfoLine(table, context), L"Runde 2");
}

TEST_F(TableTexts, TheTitleLineFollowsTheDeclarerAndTheMoment)
{
    table.record.SPIELART = SPIELART(GAME_SPADES, 3);
    table.record.KONTRA = true;
    table.record.KONTRA_WER = 2;
    table.record.RE = true;
    const std::wstring game = SKAT_TEXT::instance().gameTypeName(GAME_SPADES) + L" " + t(TextKey::Element_Hand);
    const std::wstring level = L" " + t(TextKey::Element_schneider_ang);
    const std::wstring kontra = L" " + t(TextKey::Element_Kontra) + L" " + t(TextKey::Element_von) + L" " + name(SEAT_2)
                                + L", " + t(TextKey::Element_Re);
    const std::wstring lead = L" - " + t(TextKey::Status_Du_spielst_Aus);
    const std::wstring own = t(TextKey::Status_Du_spielst) + L" " + game + level + kontra;
    const struct {
        const char* name;
        InputMode mode;
        bool local;
        bool firstLead;
        int theme;
        std::wstring title;
    } cases[] = {
        {"local declarer", INPUT_CARD_PLAY, true, false, 3, own},
        {"local declarer at the first lead", INPUT_CARD_PLAY, true, true, 3, own + lead},
        {"another declarer", INPUT_OTHERS_PLAY, false, false, 3, t(TextKey::Status_spielt) + L" " + game},
        {"another declarer, mono theme", INPUT_OTHERS_PLAY, false, false, 4, game},
        {"before card play", INPUT_PUT_AWAY_DONE, true, false, 3, L""},
        {"settlement", INPUT_GAME_RESULT, true, false, 3, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(gameTitle(table, c.mode, c.local, c.firstLead, c.theme), c.title);
    }
    table.record.KONTRA_WER = -1;
    EXPECT_EQ(gameTitle(table, INPUT_CARD_PLAY, true, false, 3), t(TextKey::Status_Du_spielst) + L" " + game + level)
        << "no Kontra nor Re without a known Kontra player";
    table.record.SPIELART = SPIELART(GAME_RAMSCH, 0);
    EXPECT_EQ(gameTitle(table, INPUT_CARD_PLAY, true, false, 3), L"");
}

TEST_F(TableTexts, ATriedCardThatMayNotBePlayedNamesTrumpOrSuit)
{
    const std::wstring trump = t(TextKey::Sprechblase_Wenn_Trumpf_gefordert);
    const std::wstring suit = t(TextKey::Sprechblase_Wenn_Farbe_gefordert);
    const struct {
        const char* name;
        GameType type;
        CardId led;
        std::wstring notice;
    } cases[] = {
        {"trump suit led", GAME_HEARTS, makeCardId(SUIT_HEARTS, RANK_SEVEN), trump},
        {"a jack led in a suit game", GAME_HEARTS, makeCardId(SUIT_CLUBS, RANK_JACK), trump},
        {"another suit led", GAME_HEARTS, makeCardId(SUIT_SPADES, RANK_ACE), suit},
        {"a jack led in grand", GAME_GRAND, makeCardId(SUIT_DIAMONDS, RANK_JACK), trump},
        {"a suit led in grand ouvert", GAME_GRAND_OUVERT, makeCardId(SUIT_CLUBS, RANK_TEN), suit},
        {"a jack led in null", GAME_NULL, makeCardId(SUIT_CLUBS, RANK_JACK), suit},
        {"a jack led in Ramsch", GAME_RAMSCH, makeCardId(SUIT_CLUBS, RANK_JACK), suit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        table.record.SPIELART = SPIELART(c.type, 0);
        table.cards.trick.clear();
        table.cards.trick.addCard(c.led);
        EXPECT_EQ(illegalCardNotice(table), c.notice);
    }
    EXPECT_NE(trump, suit);
}

TEST_F(TableTexts, RolesNameForehandMiddlehandRearhandAndWhoCutsAndDeals)
{
    // Seat 0 leads; the user sits at screen position 1, which is seat 1.
    table.modus.forehand = SEAT_0;
    ASSERT_EQ(table.playerAtSeat(SEAT_1)->kind() == PLAYER_KIND_HUMAN
                  || table.playerAtSeat(SEAT_1)->kind() == PLAYER_KIND_COMPUTER,
              true);
    const struct {
        const char* name;
        InputMode mode;
        int position;
        std::wstring role;
    } cases[] = {
        {"forehand while dealing", INPUT_CUT, 0, L""},
        {"rearhand deals", INPUT_CUT, 2, t(TextKey::Status_gibt)},
        {"forehand in bidding", INPUT_BID, 0, t(TextKey::Vorhand)},
        {"middlehand in bidding", INPUT_BID, 1, t(TextKey::Mittelhand)},
        {"rearhand in bidding", INPUT_BID, 2, t(TextKey::Hinterhand)},
        {"middlehand before the cut", INPUT_CUTTING, 1, L""},
        {"nothing in card play", INPUT_CARD_PLAY, 0, L""},
        {"nothing before the deal", INPUT_NEW_GAME, 0, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(seatRoleText(table, c.mode, c.position), c.role);
    }
    // The middlehand cuts: a computer's status, a human's request.
    const bool humanMiddle = table.playerAtSeat(SEAT_1)->kind() == PLAYER_KIND_HUMAN;
    EXPECT_EQ(seatRoleText(table, INPUT_CUT, 1),
              humanMiddle ? name(SEAT_1) + L", " + t(TextKey::Status_Hebe_ab) : t(TextKey::Status_hebt_ab));
    // The user deals when the rearhand sits at position 1.
    table.modus.forehand = SEAT_2;
    EXPECT_EQ(seatRoleText(table, INPUT_CUT, 1), name(SEAT_1) + L", " + t(TextKey::Status_Du_gibst));
    EXPECT_EQ(seatRoleText(table, INPUT_CUT, 2), L"") << "the forehand has no role while cards are dealt";
}

} // namespace
