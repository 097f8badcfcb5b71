// The views in the middle of the game table and the cards' movements: the
// own hand's size at different window sizes, dragging cards, cards flying to
// the trick and the trick to its winner, dealing, and the pile with its cut,
// shake, trick piles and last trick.

#include "skat/app/Bilder.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/Stich.h"
#include "skat/engine/TableServices.h"
#include "skat/engine/TableWindows.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/FensterSkatTableWindows.h"
#include "skat/ui/MainWindowShell.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "tests/engine/test_table_support.h"
#include "tests/ui/form_test_suite.h"
#include "tests/ui/pointer_gesture.h"
#include "vordix/ImageView.h"
#include "vordix/Message.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/ClientFenster.h"
#include "vordix/windows/WinFenster.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

class QuietShell : public MAIN_WINDOW_SHELL {
public:
    void runCommand(const VORDIX_MESSAGE& message) override { commands.push_back(message.commandId); }
    void shutdown() override { }
    void showBidCalculator() override { ++calculators; }
    std::vector<int> commands;
    int calculators = 0;
};

class StubServer : public TABLE_SERVER_ACCESS {
public:
    SKATTISCH* currentTable() override { return &table; }
    void startNewSheet() override { }
    void startNewGameOfList() override { }
    SKATTISCH_SERVER table;
};

class TableViews : public FormTestSuite {
protected:
    void SetUp() override
    {
        savedSpeed = USER_PREFS::instance().playDelayMs;
        savedSound = USER_PREFS::instance().sound;
        USER_PREFS::instance().playDelayMs = 0; // no animation unless a test asks for one
        USER_PREFS::instance().sound = false;
        server = std::make_shared<StubServer>();
        installTableServer(server);
        window = std::make_unique<FENSTER_SKAT>(shell);
        window->create();
        installTableWindowsFor(*window);
        window->show();
        client = dynamic_cast<WIN_FENSTER*>(window->implementor().get())->clientWidget();
        ASSERT_NE(client, nullptr);
        resizeTo(1024, 768);
    }

    void TearDown() override
    {
        window.reset();
        installTableServer(nullptr);
        USER_PREFS::instance().playDelayMs = savedSpeed;
        USER_PREFS::instance().sound = savedSound;
    }

    void resizeTo(int width, int height)
    {
        window->resize(width, height);
        QTest::qWait(20);
        VORDIX_MESSAGE resized(MESSAGE_RESIZE);
        window->onMessage(resized);
    }

    // Card play in a grand: seat 0 has led the spade ace.
    void dealGrandWithSpadeLead()
    {
        SKATTISCH_SERVER& table = server->table;
        table.standardSeating();
        for (Seat seat = SEAT_0; seat < 3; ++seat)
            table.cards.hands[seat].setCardSet(table_test::DEAL[seat]);
        table.record.SPIELART.SPIEL_TYP = GAME_GRAND;
        table.currentIndex = STATE_KARTE_AUSSPIELEN;
        table.cards.AUSP = 0;
        table.cards.playCard(cardIdFromCode("PA"));
        window->attachSeats();
        window->windowController()->updateView();
    }

    // Press on a point, then move with the button held through the points,
    // then release at the last one.
    void drag(QPoint from, const std::vector<QPoint>& path)
    {
        ASSERT_TRUE(pressMoveRelease(client, from, path, path.empty() ? from : path.back()));
    }

    QPoint onCard(int position) const
    {
        const RECTANGLE r = window->handViews[0].cardRect(position);
        return {r.x + 12, r.y + r.height / 2};
    }

    int savedSpeed = 0;
    bool savedSound = true;
    QuietShell shell;
    std::shared_ptr<StubServer> server;
    std::unique_ptr<FENSTER_SKAT> window;
    ClientFenster* client = nullptr;
};

// ---------------------------------------------------------------- own hand

TEST_F(TableViews, OwnHandFitsTheWindowAtEverySize)
{
    dealGrandWithSpadeLead();
    struct Case {
        int width, height;
        float maxScale; // the scale is at most this
    };
    const Case cases[] = {{1024, 768, 1.0f},
                          {800, 600, 1.0f},
                          {1100, 800, 1.2f},
                          {1280, 1024, 1.7f},
                          {1600, 1200, 2.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        resizeTo(c.width, c.height);
        const PLAYER_EINBLATT_VIEW& own = window->handViews[0];
        EXPECT_LE(own.scale, c.maxScale);
        EXPECT_GE(own.scale, MIN_OWN_HAND_SCALE);
        ASSERT_EQ(own.cardViews().size(), 10u);
        if (c.height < 768)
            continue; // the table itself is cut at the minimum size
        for (const auto& view : own.cardViews()) {
            // The lowest corner of the turned card lies inside the window.
            const double turn = view->rotation * 3.14159265 / 180.0;
            const double bottom = view->y + view->height * 0.5 + view->height * 0.5 * std::abs(std::cos(turn))
                                  + view->width * 0.5 * std::abs(std::sin(turn));
            EXPECT_LE(bottom, c.height);
        }
    }
    resizeTo(1600, 1400);
    EXPECT_FLOAT_EQ(window->handViews[0].scale, 2.0f) << "a large window shows the layout's size";
}

// ---------------------------------------------------------------- drag

TEST_F(TableViews, SidewaysDragReordersAndDragUpPlays)
{
    dealGrandWithSpadeLead();
    window->windowController()->beginCardChoice(NO_CARD);
    PLAYER_EINBLATT_CONTROLLER& hand = window->handControllers[0];
    const PLAYER_EINBLATT_VIEW& own = window->handViews[0];
    const int step = static_cast<int>(own.fan().step(10) * own.scale);
    const CardId second = hand.shownHand.cardIdAt(2);
    // Sideways by four steps: the card goes to position 5 and is not played.
    const QPoint start = onCard(2);
    drag(start, {start + QPoint(step, 0), start + QPoint(2 * step, 0), start + QPoint(4 * step, 0)});
    EXPECT_EQ(hand.shownHand.cardCount(), 10);
    EXPECT_EQ(hand.shownHand.positionOf(second), 5);
    EXPECT_EQ(own.draggedCard, NO_CARD);
    EXPECT_EQ(own.cardViews()[4]->rectangle(), own.cardRect(5)) << "back in the fan";

    // Up out of the hand: the spade ten (the one legal card) is played.
    const int ten = hand.shownHand.positionOf(cardIdFromCode("P1"));
    const QPoint tenAt = onCard(ten);
    drag(tenAt, {tenAt + QPoint(0, -60), tenAt + QPoint(0, -160)});
    EXPECT_EQ(hand.shownHand.cardCount(), 9);
    EXPECT_EQ(hand.chosen, cardIdFromCode("P1"));
    ASSERT_NE(window->trickCards.view(1), nullptr) << "the card lies on the trick";
    EXPECT_EQ(window->trickCards.card(1), cardIdFromCode("P1"));
    EXPECT_EQ(window->trickCards.view(1)->rectangle(), window->trickCardRect(1));
}

TEST_F(TableViews, ADragThatEndsInTheHandPlaysNothing)
{
    dealGrandWithSpadeLead();
    window->windowController()->beginCardChoice(NO_CARD);
    PLAYER_EINBLATT_CONTROLLER& hand = window->handControllers[0];
    const int ten = hand.shownHand.positionOf(cardIdFromCode("P1"));
    const QPoint at = onCard(ten);
    // Lifted a little (less than 60 pixels above the row) and let go.
    drag(at, {at + QPoint(0, -20), at + QPoint(0, -30)});
    EXPECT_EQ(hand.shownHand.cardCount(), 10);
    EXPECT_EQ(hand.chosen, NO_CARD);
}

// ---------------------------------------------------------------- trick cards

TEST_F(TableViews, ComputerCardsFlyFaceUpFromTheirHandsToTheTrick)
{
    dealGrandWithSpadeLead();
    const PLAYER_EINBLATT_VIEW& right = window->handAtPosition(0);
    EXPECT_EQ(right.cardViews().size(), 9u);
    ASSERT_NE(window->trickCards.view(0), nullptr);
    EXPECT_EQ(window->trickCards.view(0)->bitmap, &BILDER::instance().cardFace(cardIdFromCode("PA")));
    EXPECT_EQ(window->trickCards.view(0)->rectangle(), window->trickCardRect(0));

    // Seat 2 (on the left) plays while its hand still shows the card: the
    // hand's own view turns face up and goes to the trick.
    SKATTISCH_SERVER& table = server->table;
    table.cards.playCard(cardIdFromCode("P1"));   // seat 1, taken straight from the table
    const CardId leftCard = cardIdFromCode("P9"); // a spade of seat 2
    PLAYER_EINBLATT_VIEW& left = window->handAtPosition(2);
    const VORDIX_IMAGEVIEW* leftView = left.cardViews()[left.controller->shownHand.positionOf(leftCard) - 1].get();
    table.cards.playCard(leftCard);
    window->trickCards.layout(true);
    EXPECT_EQ(window->trickCards.view(2), leftView) << "the very view of the hand";
    EXPECT_EQ(leftView->bitmap, &BILDER::instance().cardFace(leftCard));
    EXPECT_EQ(left.controller->shownHand.positionOf(leftCard), -1);
    EXPECT_EQ(leftView->rectangle(), window->trickCardRect(2));
}

TEST_F(TableViews, TheTrickFliesToItsWinnerAndStaysAway)
{
    dealGrandWithSpadeLead();
    SKATTISCH_SERVER& table = server->table;
    table.cards.playCard(cardIdFromCode("P1"));
    const CardId leftCard = cardIdFromCode("P9");
    table.cards.playCard(leftCard);
    window->trickCards.layout(false);
    for (int slot = 0; slot < 3; ++slot)
        ASSERT_NE(window->trickCards.view(slot), nullptr) << slot;
    window->trickCards.carryToWinner();
    EXPECT_EQ(window->trickCards.collectedCards(),
              (std::array<CardId, 3>{cardIdFromCode("PA"), cardIdFromCode("P1"), leftCard}));
    for (int slot = 0; slot < 3; ++slot)
        EXPECT_EQ(window->trickCards.view(slot), nullptr) << "gone after the fade";
    window->trickCards.layout(true);
    EXPECT_EQ(window->trickCards.view(0), nullptr) << "the carried trick is not laid out again";
    // The next trick's first card is shown again.
    table.cards.trick.clear();
    table.cards.AUSP = 1;
    table.cards.playCard(cardIdFromCode("HA"));
    window->trickCards.layout(false);
    ASSERT_NE(window->trickCards.view(0), nullptr);
    EXPECT_EQ(window->trickCards.view(0)->rectangle(), window->trickCardRect(1));
}

TEST_F(TableViews, TheWinnerTargetFadesTheCardsOut)
{
    USER_PREFS::instance().playDelayMs = 500;
    dealGrandWithSpadeLead();
    SKATTISCH_SERVER& table = server->table;
    table.cards.playCard(cardIdFromCode("P1"));
    table.cards.playCard(cardIdFromCode("P9"));
    window->trickCards.layout(false);
    const VORDIX_IMAGEVIEW* first = window->trickCards.view(0);
    window->trickCards.carryToWinner();
    // Seat 0's ace wins: the cards go to the right side's place, moved on
    // towards that side.
    RECTANGLE target = window->trickCardRect(0);
    target.x += 60;
    target.y += 20;
    EXPECT_EQ(first->rectangle(), target);
    EXPECT_EQ(first->animationMs, TRICK_CARD_VIEWS::CARRY_MS);
    QTest::qWait(TRICK_CARD_VIEWS::CARRY_MS + 150);
    EXPECT_EQ(window->trickCards.view(0), nullptr);
}

TEST_F(TableViews, TrickCardViewsGoWithTheWindow)
{
    dealGrandWithSpadeLead();
    ASSERT_NE(window->trickCards.view(0), nullptr);
    window.reset(); // deletes them on this (the GUI) thread
    QTest::qWait(10);
    window = std::make_unique<FENSTER_SKAT>(shell);
}

TEST_F(TableViews, ACardSetSwitchMakesEveryCardViewAnew)
{
    dealGrandWithSpadeLead();
    // The old views must be gone, with their pictures of the old set. Their
    // addresses say nothing: a new view may take the memory of an old one.
    std::vector<std::weak_ptr<VORDIX_IMAGEVIEW_imp>> before;
    for (const auto& view : window->handViews[0].cardViews())
        before.push_back(view->implementor());
    ASSERT_NE(window->trickCards.view(0), nullptr);
    before.push_back(window->trickCards.view(0)->implementor());
    for (const auto& view : before)
        ASSERT_FALSE(view.expired());
    const RECTANGLE place = window->handViews[0].cardRect(1);
    ASSERT_TRUE(BILDER::instance().onReloadCardImages) << "the window listens for the switch";
    BILDER::instance().onReloadCardImages();
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_TRUE(before[i].expired()) << "view " << i << " is made anew";
    ASSERT_EQ(window->handViews[0].cardViews().size(), 10u);
    EXPECT_EQ(window->handViews[0].cardViews()[0]->rectangle(), place);
    ASSERT_NE(window->trickCards.view(0), nullptr);
    EXPECT_EQ(window->trickCards.view(0)->rectangle(), window->trickCardRect(0));
}

TEST_F(TableViews, CardsFlyBetweenTheHandAndTheSkatPlaces)
{
    server->table.standardSeating();
    window->attachSeats();
    PLAYER_EINBLATT_VIEW& own = window->handViews[0];
    own.dealCards(table_test::DEAL[1]);
    EXPECT_EQ(own.skatPlace(0), (RECTANGLE{336 + 44, 330 + 20, 144, 216}));
    EXPECT_EQ(own.skatPlace(1), (RECTANGLE{336 + 44 + 152, 330 + 20, 144, 216}));
    // A card of the Skat comes into the hand at its sorted place.
    const CardId jack = cardIdFromCode("KB");
    own.takeCardFromSkat(jack, 1);
    const int place = own.controller->shownHand.positionOf(jack);
    ASSERT_GT(place, 0);
    EXPECT_EQ(own.cardViews().size(), 11u);
    EXPECT_EQ(own.cardViews()[place - 1]->bitmap, &BILDER::instance().cardFace(jack));
    EXPECT_EQ(own.cardViews()[place - 1]->rectangle(), own.cardRect(place));
    // Put away: the card leaves the hand and its view flies to the place.
    USER_PREFS::instance().playDelayMs = 500;
    EXPECT_EQ(own.moveCardToSkat(jack, 0), 100);
    EXPECT_EQ(own.controller->shownHand.positionOf(jack), -1);
    EXPECT_EQ(own.cardViews().size(), 10u);
}

// ---------------------------------------------------------------- deal

TEST_F(TableViews, DealingFliesTheCardsIntoTheFan)
{
    server->table.standardSeating();
    window->attachSeats();
    PLAYER_EINBLATT_VIEW& own = window->handViews[0];
    EXPECT_EQ(own.dealCards(table_test::DEAL[1]), 0) << "no animation at speed 0";
    EXPECT_EQ(own.cardViews().size(), 10u);
    USER_PREFS::instance().playDelayMs = 1000;
    EXPECT_EQ(own.dealCards(table_test::DEAL[1]), 1000 / 2 + 250 + 100);
    ASSERT_EQ(own.cardViews().size(), 10u);
    EXPECT_EQ(own.controller->shownHand.cardSet(), table_test::DEAL[1]);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(own.cardViews()[i - 1]->rectangle(), own.cardRect(i)) << i;
        EXPECT_EQ(own.cardViews()[i - 1]->animationMs, 750);
    }
}

// ---------------------------------------------------------------- table events

// Sleeps of the table's worker, on record instead of slept.
class SleepRecordingServices : public TABLE_SERVICES {
public:
    void sleepMs(int ms) override
    {
        std::lock_guard lock(mutex);
        slept.push_back(ms);
    }
    std::vector<int> sleeps()
    {
        std::lock_guard lock(mutex);
        return slept;
    }
    std::mutex mutex;
    std::vector<int> slept;
};

// The worker hands every animation to the GUI thread and only sleeps for
// its length; at play speed 0 it does not sleep at all.
TEST_F(TableViews, TheWorkerSleepsForTheAnimationsAndNeverWaitsForTheGuiThread)
{
    auto services = std::make_shared<SleepRecordingServices>();
    installTableServices(services);
    dealGrandWithSpadeLead();
    std::shared_ptr<TABLE_WINDOWS> windows = tableWindows();
    auto runEvents = [&] {
        std::thread worker([&] {
            windows->showShuffle();
            windows->dealCards(22);
            windows->animateCardToTrick(SEAT_2, cardIdFromCode("P9"), 2);
            windows->showWinningCard();
        });
        worker.join(); // would hang if the worker waited for this thread
        QTest::qWait(20);
    };
    runEvents();
    EXPECT_TRUE(services->sleeps().empty()) << "speed 0 shows nothing and holds nothing";
    EXPECT_EQ(window->pileController.mode, PILE_TRICKS) << "the deal ends with the trick piles";

    USER_PREFS::instance().playDelayMs = 1000;
    runEvents();
    // Shuffle (two shakes), cut, deal (+100), card flight, the pause after the trick.
    EXPECT_EQ(services->sleeps(), (std::vector<int>{1000, 566, 850, 150, 400}));
    installTableServices(nullptr);
}

// ---------------------------------------------------------------- bidding

TEST_F(TableViews, TheCalculatorButtonOpensTheCalculatorAndDecidesNothing)
{
    dealGrandWithSpadeLead();
    REIZEN_VIEW& panel = window->biddingView;
    window->biddingController.offerBid(L"", 1, 0);
    client->grab();
    ASSERT_TRUE(panel.calculatorButton.visible);
    ASSERT_NE(panel.calculatorButton.image, nullptr);
    EXPECT_TRUE(panel.calculatorButton.image->isLoaded());
    EXPECT_EQ(panel.calculatorButton.x, window->originX + 600);
    EXPECT_EQ(panel.calculatorButton.y, window->originY + 474);
    drag(QPoint(panel.calculatorButton.x + 14, panel.calculatorButton.y + 14), {});
    EXPECT_EQ(shell.calculators, 1);
    EXPECT_EQ(window->biddingController.mode, REIZEN_CONTROLLER::MODE_NAME) << "the bid is still open";
    window->biddingController.refresh();
    client->grab();
    EXPECT_FALSE(panel.calculatorButton.visible);
}

TEST_F(TableViews, AtAnEarlyEndTheHandGathersAtTheBottomEdge)
{
    dealGrandWithSpadeLead();
    PLAYER_EINBLATT_CONTROLLER& right = window->handControllers[2];
    EXPECT_EQ(right.resetCardViews(), 0) << "nothing moves at speed 0";
    USER_PREFS::instance().playDelayMs = 1000;
    EXPECT_EQ(right.resetCardViews(), 1100);
    const PLAYER_EINBLATT_VIEW& view = window->handViews[2];
    const int width = view.fan().cardWidth();
    for (const auto& card : view.cardViews()) {
        EXPECT_EQ(card->rectangle(), (RECTANGLE{1024 / 2 - width / 2, 768, width, view.fan().cardHeight()}));
        EXPECT_EQ(card->rotation, 0.0f);
        EXPECT_EQ(card->animationMs, 1000);
    }
}

// ---------------------------------------------------------------- pile

TEST_F(TableViews, CutByKeysIsRefusedOutsideFourToTwentyEight)
{
    server->table.standardSeating();
    STAPEL_CONTROLLER& pile = window->pileController;
    STAPEL_VIEW& view = window->pileView;
    pile.mode = PILE_DECK;
    window->windowController()->beginCut();
    EXPECT_EQ(window->windowController()->input.mode, INPUT_CUT);
    EXPECT_EQ(view.cutIndex, -1);
    QTest::keyClick(client, Qt::Key_Up);
    EXPECT_EQ(view.cutIndex, 16) << "Up first chooses the middle";
    struct Case {
        int index;
        bool accepted;
        int value;
        TextKey refusal;
    };
    const Case cases[] = {{3, false, 0, TextKey::Sprechblase_Mind_4_Karten_abheben},
                          {29, false, 0, TextKey::Sprechblase_Mind_4_Karten_liegen},
                          {4, true, 28, TextKey::Stapel_Punkte},
                          {28, true, 4, TextKey::Stapel_Punkte}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        window->windowController()->beginCut();
        view.cutIndex = c.index;
        window->windowController()->hideOverlayMessage();
        QTest::keyClick(client, Qt::Key_Return);
        if (c.accepted) {
            EXPECT_EQ(pile.cutValue, c.value);
            EXPECT_EQ(view.cutIndex, -1);
            EXPECT_EQ(window->windowController()->input.mode, INPUT_CUT_DONE);
        } else {
            EXPECT_EQ(view.cutIndex, c.index) << "the user may choose again";
            EXPECT_EQ(window->windowController()->input.mode, INPUT_CUT);
            EXPECT_TRUE(window->windowController()->overlayMessage.shown);
            EXPECT_EQ(window->windowController()->overlayMessage.text, skat::text(c.refusal));
        }
    }
    // Up stops at 0 and Down at 32.
    window->windowController()->beginCut();
    view.cutIndex = 0;
    QTest::keyClick(client, Qt::Key_Up);
    EXPECT_EQ(view.cutIndex, 0);
    view.cutIndex = 32;
    QTest::keyClick(client, Qt::Key_Down);
    EXPECT_EQ(view.cutIndex, 32);
}

TEST_F(TableViews, ACutByClickOnTheSideOfTheDeck)
{
    server->table.standardSeating();
    STAPEL_CONTROLLER& pile = window->pileController;
    STAPEL_VIEW& view = window->pileView;
    pile.mode = PILE_DECK;
    window->windowController()->beginCut();
    const int h = view.pileHeight();
    // Index i lies at u = i on the side of the deck.
    const int u0 = view.y + 28 * h / 100 + view.stackTopY() + 66;
    const int px = view.x + view.stackX(0) + 80;
    EXPECT_FALSE(view.hitsDeck(0, px, u0 - 41));
    EXPECT_TRUE(view.hitsDeck(0, px, u0));
    EXPECT_TRUE(view.hitsDeck(0, px, u0 + 32));
    EXPECT_FALSE(view.hitsDeck(0, px, u0 + 33));
    QTest::mouseClick(client, Qt::LeftButton, {}, QPoint(px, u0 + 10));
    QTest::qWait(10);
    EXPECT_EQ(pile.cutValue, 22);
    EXPECT_EQ(window->windowController()->input.mode, INPUT_CUT_DONE);
}

TEST_F(TableViews, ShakeAndCutTimesFollowThePlaySpeed)
{
    struct Case {
        int speed, shuffle, cut;
    };
    // Cut: 2 x delay / 5, twice both phases (delay / 80 + 20, delay / 150 + 20), delay / 20.
    for (const Case& c : {Case{0, 0, 80}, Case{500, 500, 323}, Case{1000, 1000, 566}, Case{1500, 1000, 811}}) {
        SCOPED_TRACE(c.speed);
        USER_PREFS::instance().playDelayMs = c.speed;
        EXPECT_EQ(STAPEL_CONTROLLER::shuffleMs(), c.shuffle);
        EXPECT_EQ(STAPEL_CONTROLLER::cutMs(), c.cut);
    }
    USER_PREFS::instance().playDelayMs = 0;
    server->table.standardSeating();
    STAPEL_VIEW& view = window->pileView;
    EXPECT_EQ(window->pileController.showShuffle(), 0);
    EXPECT_FALSE(view.animating) << "no shake at speed 0";
    EXPECT_EQ(window->pileController.mode, PILE_DECK);

    USER_PREFS::instance().playDelayMs = 500;
    EXPECT_EQ(window->pileController.showShuffle(), 500);
    EXPECT_TRUE(view.animating);
    QTest::qWait(250);
    int moved = 0;
    for (int offset : view.shakeOffsets)
        moved += offset != 0;
    EXPECT_GT(moved, 0) << "the pairs of cards swing";
    EXPECT_EQ(view.shakeOffsets[0], 0) << "the bottom pair stays";
    EXPECT_EQ(view.shakeOffsets[15], 0) << "the top pair stays";
    QTest::qWait(400);
    EXPECT_FALSE(view.animating);
    for (int offset : view.shakeOffsets)
        EXPECT_EQ(offset, 0);

    // A cut at 4 lifts 28 cards and ends with the deck whole at stack 1's place.
    view.moveCutStacks(4);
    EXPECT_TRUE(view.cutMoving);
    EXPECT_EQ(view.liftedCount, 28);
    QTest::qWait(STAPEL_CONTROLLER::cutMs() + 200);
    EXPECT_FALSE(view.cutMoving);
    EXPECT_EQ(view.movedBottom[0], 97 - 2 * 28 + 20);
    EXPECT_EQ(view.movedX[0], view.movedX[1]);
    EXPECT_EQ(window->pileController.mode, PILE_TRICKS);
}

TEST_F(TableViews, RamschShowsOnePilePerSeatWithNameAndPoints)
{
    SKATTISCH_SERVER& table = server->table;
    table.standardSeating();
    table.record.SPIELART.SPIEL_TYP = GAME_RAMSCH;
    table.currentIndex = STATE_KARTE_AUSSPIELEN;
    table.cards.pile.setVh(SEAT_0);
    // Seat 0 takes one trick, seat 2 another; seat 1 none.
    STICH first;
    for (const char* code : {"KA", "K1", "KK"})
        first.addCard(cardIdFromCode(code));
    table.cards.pile.addToParty(PARTY_DECLARER, first, SEAT_0, SEAT_0);
    STICH second;
    for (const char* code : {"H7", "HA", "H8"})
        second.addCard(cardIdFromCode(code));
    table.cards.pile.addToParty(PARTY_DECLARER, second, SEAT_0, SEAT_2);
    window->windowController()->input.mode = INPUT_CARD_PLAY;
    window->pileController.mode = PILE_TRICKS;
    const std::vector<STAPEL_VIEW::Label> labels = window->pileView.labels();
    ASSERT_EQ(labels.size(), 4u) << "two seats with tricks: a name and the points each";
    const std::wstring points = L" " + skat::text(TextKey::Stapel_Punkte);
    EXPECT_EQ(labels[0].text, table.playerAtSeat(SEAT_0)->name());
    EXPECT_EQ(labels[1].text, L"25" + points);
    EXPECT_EQ(labels[2].text, table.playerAtSeat(SEAT_2)->name());
    EXPECT_EQ(labels[3].text, L"11" + points);
    EXPECT_NE(labels[0].x, labels[2].x) << "each pile at its own seat's side";
    // The user's own pile lies higher, above the hand.
    table.cards.pile.addToParty(PARTY_DECLARER, first, SEAT_0, SEAT_1);
    const std::vector<STAPEL_VIEW::Label> withOwn = window->pileView.labels();
    ASSERT_EQ(withOwn.size(), 6u);
    EXPECT_EQ(withOwn[2].text, table.playerAtSeat(SEAT_1)->name());
    EXPECT_LT(withOwn[2].y, withOwn[0].y);
}

TEST_F(TableViews, PointsAndPartyNamesUnderTheTrickPiles)
{
    SKATTISCH_SERVER& table = server->table;
    table.standardSeating();
    table.record.SPIELART.SPIEL_TYP = GAME_GRAND;
    table.record.ALLEIN = 1;
    table.cards.pile.setVh(SEAT_0);
    STICH trick;
    for (const char* code : {"KA", "K1", "KK"})
        trick.addCard(cardIdFromCode(code));
    table.cards.pile.addToParty(PARTY_DEFENDERS, trick, SEAT_0, SEAT_0);
    window->pileController.mode = PILE_SETTLEMENT;
    window->windowController()->input.mode = INPUT_GAME_RESULT;
    std::vector<STAPEL_VIEW::Label> labels = window->pileView.labels();
    ASSERT_EQ(labels.size(), 2u) << "the defenders' points and names; the declarer has no pile";
    EXPECT_EQ(labels[0].text, L"25 " + skat::text(TextKey::Stapel_Punkte));
    EXPECT_EQ(labels[1].text, table.playerAtSeat(SEAT_2)->name() + L" " + skat::text(TextKey::Element_und) + L" "
                                  + table.playerAtSeat(SEAT_0)->name());
    // During play the points show only in a free game with the labels on.
    window->windowController()->input.mode = INPUT_CARD_PLAY;
    labels = window->pileView.labels();
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].text.find(skat::text(TextKey::Stapel_Punkte)), std::wstring::npos);
    window->pileController.togglePointsLabels();
    EXPECT_FALSE(window->pileController.labels) << "not a free game";
    table.modus.freeGame = true;
    window->pileController.togglePointsLabels();
    EXPECT_TRUE(window->pileController.labels);
    EXPECT_EQ(window->pileView.labels().size(), 2u);
    table.modus.freeGame = false;
}

TEST_F(TableViews, TheLastTrickShowsAboveItsPileWithEveryCardsCorner)
{
    dealGrandWithSpadeLead();
    SKATTISCH_SERVER& table = server->table;
    table.record.ALLEIN = 1;
    STICH trick;
    for (const char* code : {"KA", "K1", "KK"})
        trick.addCard(cardIdFromCode(code));
    table.cards.pile.setVh(SEAT_0);
    table.cards.pile.addToParty(PARTY_DEFENDERS, trick, SEAT_0, SEAT_0);
    window->pileController.mode = PILE_TRICKS;
    EXPECT_TRUE(window->pileView.lastTrickCards().empty()) << "only on demand";
    EXPECT_EQ(window->pileView.stackCount(1), 3);
    // A click on a pile in card play asks for it; the application toggles it.
    const STAPEL_VIEW& view = window->pileView;
    const int h = view.pileHeight();
    const QPoint onPile(view.x + view.stackX(1) + 80, view.y + 28 * h / 100 + view.stackTopY() + 66 + 10);
    QTest::mouseClick(client, Qt::LeftButton, {}, onPile);
    EXPECT_EQ(shell.commands, std::vector<int>{FENSTER_SKAT::COMMAND_LAST_TRICK});
    window->toggleLastTrick();
    const auto cards = window->pileView.lastTrickCards();
    ASSERT_EQ(cards.size(), 3u);
    // Seat 2 sits on the left, the user (seat 1) in the middle, seat 0 on
    // the right; drawn in that order, each card leaves the corner of the one
    // before it (its left quarter) uncovered.
    const CardId expected[3] = {cardIdFromCode("KK"), cardIdFromCode("K1"), cardIdFromCode("KA")};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const RECTANGLE& r = cards[static_cast<std::size_t>(i)].second;
        EXPECT_EQ(cards[static_cast<std::size_t>(i)].first, expected[i]);
        EXPECT_EQ(r.width, 108) << "three quarters of the card size";
        EXPECT_EQ(r.height, 162);
        EXPECT_GE(r.x, 0);
        EXPECT_GE(r.y, 0);
        EXPECT_LE(r.x + r.width, 1024);
        if (i > 0)
            EXPECT_GE(r.x - cards[static_cast<std::size_t>(i) - 1].second.x, r.width / 4);
    }
    EXPECT_EQ(window->pileView.stackCount(1), 0) << "the shown trick is taken off its pile";
}

} // namespace
