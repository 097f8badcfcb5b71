// A player's answer travels as a game message and comes back as it was:
// for every request kind the fields the kind needs, and nothing else.

#include "skat/net/GameMessages.h"

#include <gtest/gtest.h>

namespace {

// Every field set, so that a field the kind does not carry shows up.
PLAYER_AKTION fullAnswer(int kind)
{
    PLAYER_AKTION a;
    a.requestKind = kind;
    a.cutPosition = 17;
    a.kontra = 1;
    a.re = 1;
    a.bidValue = 23;
    a.handFlag = 1;
    a.discard = SKAT(cardIdFromCode("KA"), cardIdFromCode("C7"));
    a.card = cardIdFromCode("H1");
    a.spielart = SPIELART(GAME_SPADES, WIN_LEVEL_HAND, LEVEL_NONE);
    a.announceFlag = 1;
    a.confirmation = CONFIRM_REPEAT_DEAL;
    a.serial = 99;
    return a;
}

void expectSame(const PLAYER_AKTION& a, const PLAYER_AKTION& b)
{
    EXPECT_EQ(a.requestKind, b.requestKind);
    EXPECT_EQ(a.cutPosition, b.cutPosition);
    EXPECT_EQ(a.kontra, b.kontra);
    EXPECT_EQ(a.re, b.re);
    EXPECT_EQ(a.bidValue, b.bidValue);
    EXPECT_EQ(a.handFlag, b.handFlag);
    EXPECT_EQ(a.discard.cardSet(), b.discard.cardSet());
    EXPECT_EQ(a.card, b.card);
    EXPECT_EQ(a.spielart, b.spielart);
    EXPECT_EQ(a.announceFlag, b.announceFlag);
    EXPECT_EQ(a.confirmation, b.confirmation);
}

TEST(GameMessages, AnswersRoundTripForEveryRequestKind)
{
    const PLAYER_AKTION full = fullAnswer(0);
    struct Case {
        int kind;
        void (*carried)(PLAYER_AKTION& expected, const PLAYER_AKTION& full);
    };
    const Case cases[] = {
        {REQUEST_BID, [](PLAYER_AKTION& e, const PLAYER_AKTION& f) { e.bidValue = f.bidValue; }},
        {REQUEST_CUT, [](PLAYER_AKTION& e, const PLAYER_AKTION& f) { e.cutPosition = f.cutPosition; }},
        {REQUEST_SKAT_OR_HAND, [](PLAYER_AKTION& e, const PLAYER_AKTION& f) { e.handFlag = f.handFlag; }},
        {REQUEST_DISCARD, [](PLAYER_AKTION& e, const PLAYER_AKTION& f) { e.discard = f.discard; }},
        {REQUEST_ANNOUNCE,
         [](PLAYER_AKTION& e, const PLAYER_AKTION& f) {
             e.announceFlag = f.announceFlag;
             e.spielart = f.spielart;
         }},
        {REQUEST_ANNOUNCE_HAND,
         [](PLAYER_AKTION& e, const PLAYER_AKTION& f) {
             e.handFlag = f.handFlag;
             e.spielart = f.spielart;
         }},
        {REQUEST_PLAY_CARD, [](PLAYER_AKTION& e, const PLAYER_AKTION& f) { e.card = f.card; }},
        // Confirming a trick or the end of a list needs no value.
        {REQUEST_CONFIRM_TRICK, [](PLAYER_AKTION&, const PLAYER_AKTION&) {}},
        {REQUEST_CONFIRM_SETTLEMENT, [](PLAYER_AKTION& e, const PLAYER_AKTION& f) { e.confirmation = f.confirmation; }},
        {REQUEST_CONFIRM_PASSED, [](PLAYER_AKTION& e, const PLAYER_AKTION& f) { e.confirmation = f.confirmation; }},
        {REQUEST_CONFIRM_LIST_END, [](PLAYER_AKTION&, const PLAYER_AKTION&) {}},
    };
    int covered = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        ++covered;
        SKAT_NETWORKMESSAGE sent(PLAYER_ACTION_REPLY, L"client");
        sent.seat = 1;
        answerToMessage(fullAnswer(c.kind), sent);
        SKAT_NETWORKMESSAGE received;
        ASSERT_EQ(streamFromXml(streamToXml(sent), received), STREAM_READ_OK);
        PLAYER_AKTION expected;
        expected.requestKind = c.kind;
        c.carried(expected, full);
        expectSame(answerFromMessage(received), expected);
    }
    EXPECT_EQ(covered, REQUEST_CONFIRM_LIST_END);
}

// A table event and a player request reach the table as views of the message.
TEST(GameMessages, EventsAndRequestsArriveWithTheMessagesState)
{
    SKAT_NETWORKMESSAGE event(TABLE_NOTIFICATION, L"host");
    event.gameUid = 5;
    event.stateIndex = STATE_REIZEN;
    event.event = BID_TURN;
    event.eventValue = 2;
    const TableEventArrival arrival = tableEventOf(event);
    EXPECT_FALSE(arrival.local);
    EXPECT_EQ(arrival.runId, 5u);
    EXPECT_EQ(arrival.stateIndex, STATE_REIZEN);
    EXPECT_EQ(arrival.event, BID_TURN);
    EXPECT_EQ(arrival.value, 2);
    EXPECT_EQ(arrival.record, &event.record);
    EXPECT_EQ(arrival.sheet, nullptr);

    SKAT_NETWORKMESSAGE request(PLAYER_ACTION_REQUEST);
    request.gameUid = 6;
    request.seat = 1;
    request.action = REQUEST_PLAY_CARD;
    const PlayerRequestArrival asked = playerRequestOf(request);
    EXPECT_EQ(asked.runId, 6u);
    EXPECT_EQ(asked.slot, 1);
    EXPECT_EQ(asked.kind, REQUEST_PLAY_CARD);
    EXPECT_EQ(asked.seatNames, &request.seatNames);
}

} // namespace
