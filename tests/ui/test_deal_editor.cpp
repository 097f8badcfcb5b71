// The card-deal editor: its edits and their one step of undo, placing cards
// with the pointer, saving and reading a deal, refusing a damaged one, the
// capped search for a Grand or a Null, and playing the placed deal.

#include "skat/app/SkatText.h"
#include "skat/engine/Skattisch.h"
#include "skat/logic/PreplayTables.h"
#include "skat/ui/FensterVerteilen.h"
#include "skat/ui/KartenVerteilen.h"
#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "tests/engine/test_table_support.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/ui/form_test_suite.h"
#include "vordix/FileDialog.h"
#include "vordix/Message.h"
#include "vordix/MessageSink.h"
#include "vordix/Utf8.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/WinFenster.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QAction>
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

using K = KARTEN_VERTEILEN;

SortSettings plain() { return SortSettings{}; }

CardSet bandCards(const K& editor, int band) { return editor.band(band).cardSet(); }

// ---------------------------------------------------------------- editing

TEST(DealEditing, FillTopsUpEveryHandAndLeavesTwoCardsForTheSkat)
{
    struct Case {
        const char* what;
        std::array<int, 3> before; // cards already in each band
        std::array<int, 3> added;
    };
    const Case cases[] = {
        {"empty hands", {0, 0, 0}, {10, 10, 10}},
        {"a hand of nine gets one card", {9, 10, 10}, {1, 0, 0}},
        {"full hands get nothing", {10, 10, 10}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        K editor;
        VORDIX_RANDOM random;
        random.seed = 17;
        int next = 0;
        for (int b = 0; b < 3; ++b)
            for (int i = 0; i < c.before[b]; ++i)
                editor.band(b).addCard(K::cardAt(next++));
        editor.sortHands(plain());
        const std::array<CardSet, 3> old = {bandCards(editor, 0), bandCards(editor, 1), bandCards(editor, 2)};
        editor.fill(random, plain());
        for (int b = 0; b < 3; ++b) {
            EXPECT_EQ(editor.band(b).cardCount(), 10) << b;
            EXPECT_EQ(bandCards(editor, b) & old[b], old[b]) << "a hand keeps its cards";
            EXPECT_EQ(editor.band(b).cardCount() - cardCount(old[b]), c.added[b]) << b;
        }
        ASSERT_TRUE(editor.complete());
        const KARTENVERTEILUNG deal = editor.playableDeal();
        EXPECT_TRUE(deal.isValid());
        EXPECT_EQ(deal.skat.cardSet() & (bandCards(editor, 0) | bandCards(editor, 1) | bandCards(editor, 2)), 0u);
        EXPECT_TRUE(dealFault(deal).empty());
    }
}

CardId firstFree(const K& editor)
{
    for (int i = 0; i < 32; ++i)
        if (editor.states[static_cast<std::size_t>(i)] == K::FREE)
            return K::cardAt(i);
    return NO_CARD;
}

// The random cards come from the whole deck: over a few deals every rank
// and every suit reaches every band, and the two cards left over differ.
TEST(DealEditing, RandomDealsDrawFromEveryRankAndSuit)
{
    VORDIX_RANDOM random;
    random.seed = 3;
    std::array<CardSet, 3> seen{};
    CardSet skats = 0;
    for (int deal = 0; deal < 200; ++deal) {
        K editor;
        editor.dealAtRandom(random);
        for (int b = 0; b < 3; ++b) {
            ASSERT_EQ(editor.band(b).cardCount(), 10);
            seen[static_cast<std::size_t>(b)] |= editor.band(b).cardSet();
        }
        const SKAT skat = editor.playableDeal().skat;
        ASSERT_EQ(cardCount(skat.cardSet()), 2);
        skats |= skat.cardSet();
    }
    for (int b = 0; b < 3; ++b)
        EXPECT_EQ(seen[static_cast<std::size_t>(b)], ALL_CARDS) << b;
    EXPECT_EQ(skats, ALL_CARDS);
}

TEST(DealEditing, EveryEditIsUndoneOnceAndASecondUndoRedoesIt)
{
    struct Case {
        const char* what;
        std::function<void(K&)> setUp;
        std::function<bool(K&)> edit;
    };
    const auto none = [](K&) {};
    const Case cases[] = {
        {"clear", none, [](K& e) { return e.clear(); }},
        {"rotate", none,
         [](K& e) {
             e.rotate();
             return true;
         }},
        {"swap", none, [](K& e) { return e.swapBands(0, 2); }},
        {"free a card", none, [](K& e) { return e.moveCard(1, 3, -1, plain()); }},
        {"pick a card", none, [](K& e) { return e.togglePicked(firstFree(e)); }},
        {"move a card", [](K& e) { e.moveCard(0, 1, -1, plain()); }, [](K& e) { return e.moveCard(1, 1, 0, plain()); }},
        {"deal the picked cards",
         [](K& e) {
             e.moveCard(2, 1, -1, plain());
             e.togglePicked(firstFree(e));
         },
         [](K& e) { return e.dealPicked(2, plain()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        K editor;
        VORDIX_RANDOM random;
        random.seed = 5;
        editor.fill(random, plain());
        c.setUp(editor);
        const K before = editor;
        ASSERT_TRUE(c.edit(editor));
        const K after = editor;
        EXPECT_FALSE(before.deal == after.deal && before.states == after.states);
        editor.undo();
        EXPECT_EQ(editor.deal, before.deal);
        EXPECT_EQ(editor.states, before.states);
        editor.undo();
        EXPECT_EQ(editor.deal, after.deal);
        EXPECT_EQ(editor.states, after.states);
    }
}

TEST(DealEditing, RotatingThreeTimesRestoresTheForehand)
{
    K editor;
    editor.deal.vhPos = SEAT_2;
    for (Seat expected : {SEAT_1, SEAT_0, SEAT_2}) {
        editor.rotate();
        EXPECT_EQ(editor.deal.vhPos, expected);
    }
    EXPECT_EQ(editor.seatOfBand(0), SEAT_2);
    EXPECT_EQ(editor.seatOfBand(1), SEAT_0);
}

TEST(DealEditing, NoHandTakesAnEleventhCard)
{
    K editor;
    VORDIX_RANDOM random;
    editor.fill(random, plain());
    EXPECT_FALSE(editor.moveCard(0, 1, 1, plain())) << "the middlehand is full";
    ASSERT_TRUE(editor.moveCard(0, 1, -1, plain()));
    ASSERT_TRUE(editor.moveCard(0, 1, -1, plain()));
    EXPECT_EQ(editor.band(0).cardCount(), 8);
    // Three picked cards would give the forehand eleven: refused as a whole.
    int picked = 0;
    for (int i = 0; i < 32 && picked < 3; ++i)
        if (editor.states[static_cast<std::size_t>(i)] == K::FREE && editor.togglePicked(K::cardAt(i)))
            ++picked;
    ASSERT_EQ(editor.pickedCount(), 3);
    EXPECT_FALSE(editor.dealPicked(0, plain()));
    EXPECT_EQ(editor.band(0).cardCount(), 8);
    EXPECT_FALSE(editor.togglePicked(editor.band(1).cardIdAt(1))) << "a dealt card does not react";
    // Two of them fit.
    for (int i = 0; i < 32; ++i)
        if (editor.states[static_cast<std::size_t>(i)] == K::PICKED) {
            editor.togglePicked(K::cardAt(i));
            break;
        }
    EXPECT_TRUE(editor.dealPicked(0, plain()));
    EXPECT_TRUE(editor.complete());
    EXPECT_EQ(editor.pickedCount(), 0);
}

// ---------------------------------------------------------------- search

TEST(DealSearch, GivesUpAfterItsRoundsAndFindsWhatTheRaterAccepts)
{
    const HandRater never = [](CardSet) { return false; };
    // A hand with all four jacks.
    const HandRater jacks = [](CardSet hand) { return (hand & JACKS) == JACKS; };
    DealSearchLimits limits;
    limits.rounds = 300;
    limits.time = std::chrono::hours(1);

    const DealSearchOutcome lost = searchDeal(7, SEAT_0, never, limits);
    EXPECT_FALSE(lost.found);
    EXPECT_EQ(lost.rounds, 300);
    EXPECT_TRUE(lost.deal.hand(SEAT_0).cardCount() == 10);

    limits.rounds = 1000000;
    const DealSearchOutcome found = searchDeal(7, SEAT_1, jacks, limits);
    ASSERT_TRUE(found.found);
    EXPECT_LT(found.rounds, limits.rounds);
    EXPECT_TRUE(std::any_of(found.deal.hands.begin(), found.deal.hands.end(),
                            [](const EINBLATT_SORTIERBAR& h) { return (h.cardSet() & JACKS) == JACKS; }));
    EXPECT_EQ(found.deal.vhPos, SEAT_1);
    KARTENVERTEILUNG whole = found.deal;
    whole.fillSkatFromRest();
    EXPECT_TRUE(whole.isValid());

    std::stop_source stop;
    stop.request_stop();
    EXPECT_EQ(searchDeal(7, SEAT_0, never, limits, stop.get_token()).rounds, 0) << "a stopped search deals nothing";
    limits.time = std::chrono::milliseconds(0);
    EXPECT_LT(searchDeal(7, SEAT_0, never, limits).rounds, 64) << "no time left: it gives up at the first look";
}

// ---------------------------------------------------------------- window

class DealEditorWindow : public FormTestSuite {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path()
              / ("deal_editor_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_"
                 + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        previousSink = vordix::setMessageSink(sink);
        window = std::make_unique<FENSTER_VERTEILEN>();
        window->playDeal = [this](const KARTENVERTEILUNG& deal, bool byUser) {
            played.push_back(deal);
            playedByUser.push_back(byUser);
        };
        window->create();
        window->open();
    }
    void TearDown() override
    {
        window.reset();
        vordix::setMessageSink(previousSink);
        vordix::setFileDialogHandler({});
        fs::remove_all(dir);
    }

    VORDIX_FILE fileIn(const std::wstring& name) const
    {
        VORDIX_FOLDER folder;
        folder.setPath(WIN_FILEPATH::fromFsPath(dir));
        return VORDIX_FILE(folder, name);
    }
    void send(FrameworkMessageKind kind, int x, int y)
    {
        VORDIX_MESSAGE message(kind);
        message.x = x;
        message.y = y;
        window->onMessage(message);
    }
    void command(int id)
    {
        VORDIX_MESSAGE message(MESSAGE_COMMAND);
        message.commandId = id;
        window->onMessage(message);
    }
    void click(int x, int y)
    {
        send(MESSAGE_MOUSE_PRESS, x, y);
        send(MESSAGE_MOUSE_RELEASE, x, y);
    }
    void drag(int fromX, int fromY, int toX, int toY)
    {
        send(MESSAGE_MOUSE_PRESS, fromX, fromY);
        send(MESSAGE_MOUSE_MOVE, (fromX + toX) / 2, (fromY + toY) / 2);
        send(MESSAGE_MOUSE_MOVE, toX, toY);
        send(MESSAGE_MOUSE_RELEASE, toX, toY);
    }
    // The middle of a card's cell in the grid.
    static std::pair<int, int> cellOf(CardId card)
    {
        const int rankIndex = rankOfCardId(card) - 1;
        int row = 0;
        while (FENSTER_VERTEILEN::GRID_ROWS[row] != rankIndex)
            ++row;
        return {FENSTER_VERTEILEN::GRID_X + FENSTER_VERTEILEN::CELL_WIDTH * (suitOfCardId(card) - 1) + 12,
                FENSTER_VERTEILEN::CELL_HEIGHT * row + 11};
    }
    // Picks the cards in the grid and drags the pile onto a band.
    void place(CardSet hand, int band)
    {
        for (CardBit bit = 0; bit < 32; ++bit)
            if (hand & (1u << bit)) {
                const auto [x, y] = cellOf(cardIdOfBit(bit));
                click(x, y);
            }
        const int dropY[3] = {50, 150, 330};
        drag(FENSTER_VERTEILEN::PILE_X + 10, FENSTER_VERTEILEN::PILE_Y + 10, 100, dropY[band]);
    }

    fs::path dir;
    std::shared_ptr<testsupport::RecordingMessageSink> sink = std::make_shared<testsupport::RecordingMessageSink>();
    std::shared_ptr<vordix::MessageSink> previousSink;
    std::unique_ptr<FENSTER_VERTEILEN> window;
    bool enabled(const char* action) const
    {
        auto* host = dynamic_cast<WIN_FENSTER*>(window->implementor().get());
        auto* found = host ? host->findChild<QAction*>(QString::fromLatin1(action)) : nullptr;
        return found && found->isEnabled();
    }

    std::vector<KARTENVERTEILUNG> played;
    std::vector<bool> playedByUser;
};

// Placed by the pointer, the deal is played with the same hands: the table
// deals them as placed and plays the game to its end.
TEST_F(DealEditorWindow, ADealPlacedWithThePointerIsPlayedWithTheSameHands)
{
    const std::array<CardSet, 3> hands = {0xFF000003u, 0x00FF0300u, 0x0000FC3Cu};
    window->editor.deal.vhPos = SEAT_0;
    for (int band = 0; band < 3; ++band) {
        place(hands[static_cast<std::size_t>(band)], band);
        EXPECT_EQ(window->editor.band(band).cardSet(), hands[static_cast<std::size_t>(band)]) << band;
    }
    ASSERT_TRUE(window->editor.complete());
    // A card cannot join a full hand; dropped on the grid it is free again.
    drag(20, 60, 20, 160);
    EXPECT_EQ(window->editor.band(0).cardCount(), 10);
    drag(20, 60, 600, 60);
    EXPECT_EQ(window->editor.band(0).cardCount(), 9);
    command(FENSTER_VERTEILEN::ACTION_PLAY);
    EXPECT_TRUE(played.empty()) << "an incomplete deal is not played";
    command(FENSTER_VERTEILEN::ACTION_UNDO);
    command(FENSTER_VERTEILEN::ACTION_PLAY);
    ASSERT_EQ(played.size(), 1u);
    const KARTENVERTEILUNG& deal = played[0];
    ASSERT_TRUE(deal.isValid());
    EXPECT_EQ(deal.skat.cardSet(), ~(hands[0] | hands[1] | hands[2]));

    table_test::TableHarness harness;
    harness.stopAfterGames = 1;
    harness.table->modus.setDistribution(deal);
    ASSERT_TRUE(harness.playToEnd());
    const KARTENVERTEILUNG& dealt = harness.table->cards.dealAsDealt;
    for (int band = 0; band < 3; ++band)
        EXPECT_EQ(dealt.hand(static_cast<Seat>(band)).cardSet(), hands[static_cast<std::size_t>(band)]) << band;
    EXPECT_EQ(dealt.skat.cardSet(), deal.skat.cardSet());
    EXPECT_EQ(harness.gamesEnded, 1);
}

// Both play actions are offered only for a whole deal, and hand the editor's
// deal on: to the table's players, or to the user in all three seats.
TEST_F(DealEditorWindow, BothPlayActionsHandOnAWholeDealOnly)
{
    struct Case {
        int action;
        const char* name;
        bool byUser;
    };
    const Case cases[] = {
        {FENSTER_VERTEILEN::ACTION_PLAY, "Verteilen_TB_Spielen", false},
        {FENSTER_VERTEILEN::ACTION_PLAY_BY_USER, "Verteilen_TB_Verlauf", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        played.clear();
        playedByUser.clear();
        command(FENSTER_VERTEILEN::ACTION_CLEAR);
        EXPECT_FALSE(enabled(c.name));
        command(c.action);
        EXPECT_TRUE(played.empty()) << "an empty deal is not played";

        command(FENSTER_VERTEILEN::ACTION_FILL);
        ASSERT_TRUE(window->editor.complete());
        EXPECT_TRUE(enabled(c.name));
        EXPECT_FALSE(enabled("Verteilen_TB_Fuellen"));
        command(c.action);
        ASSERT_EQ(played.size(), 1u);
        EXPECT_EQ(playedByUser[0], c.byUser);
        const KARTENVERTEILUNG expected = window->editor.playableDeal();
        for (int seat = 0; seat < 3; ++seat)
            EXPECT_EQ(played[0].hand(static_cast<Seat>(seat)).cardSet(),
                      expected.hand(static_cast<Seat>(seat)).cardSet());
        EXPECT_EQ(played[0].skat.cardSet(), expected.skat.cardSet());
        EXPECT_EQ(played[0].vhPos, expected.vhPos);
    }
}

TEST_F(DealEditorWindow, ASavedDealIsReadBackAsItWas)
{
    window->editor.deal.vhPos = SEAT_2;
    command(FENSTER_VERTEILEN::ACTION_FILL);
    ASSERT_TRUE(window->editor.complete());
    const KARTENVERTEILUNG saved = window->editor.playableDeal();
    vordix::setFileDialogHandler([this](VORDIX_FENSTER*, int kind, VORDIX_FILE& file, const std::wstring&, bool) {
        EXPECT_EQ(kind, vordix::FILE_KIND_DISTRIBUTIONS);
        file = fileIn(L"Probe.krt");
        return true;
    });
    command(FENSTER_VERTEILEN::ACTION_SAVE);
    ASSERT_TRUE(fs::exists(dir / "Probe.krt"));
    command(FENSTER_VERTEILEN::ACTION_CLEAR);
    EXPECT_EQ(window->editor.dealtCount(), 0);
    command(FENSTER_VERTEILEN::ACTION_LOAD);
    EXPECT_TRUE(sink->texts.empty());
    for (Seat seat : {SEAT_0, SEAT_1, SEAT_2})
        EXPECT_EQ(window->editor.deal.hand(seat).cardSet(), saved.hand(seat).cardSet()) << seat;
    EXPECT_EQ(window->editor.deal.vhPos, SEAT_2);
    EXPECT_EQ(window->editor.playableDeal().skat.cardSet(), saved.skat.cardSet());
    EXPECT_EQ(window->editor.dealtCount(), 30);
}

// A file whose deal is not whole is refused with a message and never
// reaches the editor (nor the table).
TEST_F(DealEditorWindow, ADealThatIsNotWholeIsRefused)
{
    command(FENSTER_VERTEILEN::ACTION_FILL);
    const KARTENVERTEILUNG before = window->editor.deal;
    // Damaged files of the engine's own tests: repeated cards, a short hand.
    const fs::path damaged = fs::path(SKAT_SOURCE_DIR) / "tests/engine/data/damaged";
    for (const char* name : {"deal-repeated-cards.krt", "deal-truncated.krt"}) {
        SCOPED_TRACE(name);
        fs::copy_file(damaged / name, dir / name, fs::copy_options::overwrite_existing);
        sink->clear();
        EXPECT_FALSE(window->loadFrom(fileIn(vordix::fromUtf8(name))));
        EXPECT_EQ(sink->texts.size(), 1u);
        EXPECT_EQ(window->editor.deal, before);
    }
    // A well-formed document with a hand of nine.
    KARTENVERTEILUNG_DOC short9;
    short9.deal = window->editor.playableDeal();
    const CardId gone = short9.deal.hand(SEAT_0).cardIdAt(1);
    short9.deal.hand(SEAT_0).removeCard(gone);
    short9.file = fileIn(L"Neun.krt");
    short9.modified = true;
    ASSERT_TRUE(short9.save());
    sink->clear();
    EXPECT_FALSE(window->loadFrom(fileIn(L"Neun.krt")));
    ASSERT_EQ(sink->texts.size(), 1u);
    EXPECT_EQ(sink->texts[0], skat::text(TextKey::Alert_Verteilung_unvollstaendig));
    EXPECT_EQ(window->editor.deal, before);
    EXPECT_TRUE(played.empty());
}

// The search runs on its own thread: the window answers meanwhile, and a
// search that gives up (or cannot rate at all) says so.
TEST_F(DealEditorWindow, TheSearchSaysWhenItGivesUpOrCannotRate)
{
    window->raterFor = [](int) { return HandRater{}; };
    command(FENSTER_VERTEILEN::ACTION_GRAND);
    EXPECT_FALSE(window->searching());
    ASSERT_EQ(sink->texts.size(), 1u);
    EXPECT_EQ(sink->texts[0], skat::text(TextKey::Alert_Verteilung_Tabellen_fehlen));

    sink->clear();
    std::atomic<bool> release{false};
    // A rater that holds the search until the test lets it go, then accepts nothing.
    window->raterFor = [&release](int) {
        return HandRater([&release](CardSet) {
            while (!release)
                std::this_thread::yield();
            return false;
        });
    };
    window->searchLimits.rounds = 50;
    command(FENSTER_VERTEILEN::ACTION_NULL);
    EXPECT_TRUE(window->searching());
    // The window still takes presses and commands; edits wait for the search.
    command(FENSTER_VERTEILEN::ACTION_FILL);
    EXPECT_EQ(window->editor.dealtCount(), 0);
    release = true;
    ASSERT_TRUE(table_test::eventually([&] {
        QCoreApplication::processEvents();
        return !window->searching();
    }));
    ASSERT_EQ(sink->texts.size(), 1u);
    EXPECT_EQ(sink->texts[0], skat::formatText(TextKey::Alert_Verteilung_Suche_erfolglos, {50}));
    EXPECT_EQ(window->editor.dealtCount(), 0) << "a failed search leaves the deal";

    // A search that finds its deal shows it.
    window->raterFor = [](int) { return HandRater([](CardSet hand) { return (hand & ACES) == ACES; }); };
    window->searchLimits.rounds = 1000000;
    command(FENSTER_VERTEILEN::ACTION_GRAND);
    ASSERT_TRUE(table_test::eventually([&] {
        QCoreApplication::processEvents();
        return !window->searching();
    }));
    EXPECT_TRUE(window->editor.complete());
    EXPECT_TRUE(std::any_of(window->editor.deal.hands.begin(), window->editor.deal.hands.end(),
                            [](const EINBLATT_SORTIERBAR& h) { return (h.cardSet() & ACES) == ACES; }));
    command(FENSTER_VERTEILEN::ACTION_UNDO);
    EXPECT_EQ(window->editor.dealtCount(), 0) << "the found deal is undone like any edit";
}

// The computer player's raters accept some deals within the search's
// rounds.
TEST(DealSearch, TheComputerPlayersRatersFindAGrandAndANull)
{
    VL_TABELLEN::useFolder(fs::path(SKAT_SOURCE_DIR) / "skat/logic/data");
    for (const auto& [what, rater] : {std::pair{"grand", grandRater()}, std::pair{"null", nullRater()}}) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(rater);
        DealSearchLimits limits;
        limits.time = std::chrono::hours(1);
        EXPECT_TRUE(searchDeal(11, SEAT_0, rater, limits).found);
    }
}

} // namespace
