// The views of the table report what the user did to their handler and
// never answer the table themselves: the bidding panel a bid or a pass,
// the pile an accepted cut (a refused one only shows a note), the own hand
// a legal card (an illegal one dims the others).

#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/EinblattView.h"
#include "skat/ui/ReizenView.h"
#include "skat/ui/StapelView.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/ui/TableViewHost.h"
#include "skat/ui/UserActions.h"
#include "tests/engine/test_table_support.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class RecordingActions : public USER_ACTIONS {
public:
    void report(const UserAction& action) override { reported.push_back(action); }
    std::vector<UserAction> reported;
};

// A host without a window: the landscape table at the origin.
class StubHost : public TABLE_VIEW_HOST {
public:
    TableGeometry geometry() const override { return {}; }
    const TableInputState& inputState() const override { return input; }
    bool sidePanelShown() const override { return false; }
    void repaint() override { }
    void repaintNow() override { }
    void repaintOverlay() override { }
    void repaintPart(const RECTANGLE&) override { }
    void showNote(const std::wstring& text) override { note = text; }
    void hideNote() override { note.clear(); }
    void sleepMs(unsigned) override { }

    TableInputState input;
    std::wstring note;
};

class StubServer : public TABLE_SERVER_ACCESS {
public:
    SKATTISCH* currentTable() override { return &table; }
    void startNewSheet() override { }
    void startNewGameOfList() override { }
    SKATTISCH_SERVER table;
};

class UserActions : public ::testing::Test {
protected:
    static void SetUpTestSuite() { WIN_IMPLEMENTORFACTORY::installDefault(); }
};

TEST_F(UserActions, TheBiddingPanelReportsABidOrAPass)
{
    RecordingActions actions;
    REIZEN_CONTROLLER bidding;
    REIZEN_VIEW panel;
    bidding.view = &panel;
    panel.controller = &bidding;
    bidding.actions = &actions;
    struct Case {
        const char* name;
        bool bidPressed, passPressed;
        UserAction::Kind reported;
    };
    const Case cases[] = {
        {"the bid button", true, false, UserAction::BID},
        {"the pass button", false, true, UserAction::PASS},
        {"both look pressed: no bid", true, true, UserAction::PASS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        actions.reported.clear();
        bidding.offerBid(L"", REIZEN_CONTROLLER::MODE_NAME, 0);
        panel.bidButton.pressed = c.bidPressed;
        panel.passButton.pressed = c.passPressed;
        bidding.decide();
        ASSERT_EQ(actions.reported.size(), 1u);
        EXPECT_EQ(actions.reported[0].kind, c.reported);
        EXPECT_EQ(bidding.mode, REIZEN_CONTROLLER::MODE_IDLE) << "the panel is done";
    }
}

TEST_F(UserActions, ThePileReportsAnAcceptedCutOnly)
{
    const bool sound = USER_PREFS::instance().sound;
    USER_PREFS::instance().sound = false;
    RecordingActions actions;
    StubHost host;
    STAPEL_CONTROLLER pile;
    STAPEL_VIEW view;
    pile.view = &view;
    view.controller = &pile;
    view.host = &host;
    pile.actions = &actions;
    struct Case {
        int index;
        bool reported;
        int value;
        TextKey note;
    };
    const Case cases[] = {{3, false, 0, TextKey::Sprechblase_Mind_4_Karten_abheben},
                          {29, false, 0, TextKey::Sprechblase_Mind_4_Karten_liegen},
                          {4, true, 28, TextKey::Stapel_Punkte},
                          {28, true, 4, TextKey::Stapel_Punkte}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        actions.reported.clear();
        host.note.clear();
        pile.beginCut();
        view.cutIndex = c.index;
        pile.performCut();
        if (c.reported) {
            ASSERT_EQ(actions.reported.size(), 1u);
            EXPECT_EQ(actions.reported[0].kind, UserAction::CUT);
            EXPECT_EQ(actions.reported[0].value, c.value);
            EXPECT_TRUE(host.note.empty());
        } else {
            EXPECT_TRUE(actions.reported.empty()) << "a refused cut answers nothing";
            EXPECT_EQ(host.note, skat::text(c.note));
        }
    }
    USER_PREFS::instance().sound = sound;
}

TEST_F(UserActions, TheOwnHandReportsALegalCardAndDimsForAnIllegalOne)
{
    // A grand: seat 0 led the spade ace, so seat 1 must follow with the spade ten.
    auto server = std::make_shared<StubServer>();
    installTableServer(server);
    SKATTISCH_SERVER& table = server->table;
    table.standardSeating();
    for (Seat seat = SEAT_0; seat < 3; ++seat)
        table.cards.hands[seat].setCardSet(table_test::DEAL[seat]);
    table.record.SPIELART.SPIEL_TYP = GAME_GRAND;
    table.currentIndex = STATE_KARTE_AUSSPIELEN;
    table.cards.AUSP = 0;
    table.cards.playCard(cardIdFromCode("PA"));

    RecordingActions actions;
    PLAYER_EINBLATT_CONTROLLER hand;
    hand.actions = &actions;
    hand.attachSeat(SEAT_1);
    EXPECT_FALSE(hand.playCard(cardIdFromCode("HA")));
    EXPECT_TRUE(actions.reported.empty());
    EXPECT_TRUE(hand.legalDisplay) << "the other cards are dimmed";
    EXPECT_TRUE(hand.playCard(cardIdFromCode("P1")));
    ASSERT_EQ(actions.reported.size(), 1u);
    EXPECT_EQ(actions.reported[0].kind, UserAction::PLAY_CARD);
    EXPECT_EQ(actions.reported[0].card, cardIdFromCode("P1"));
    EXPECT_EQ(hand.shownHand.cardCount(), 10) << "the hand keeps the card until the handler takes it";
    installTableServer(nullptr);
}

} // namespace
