// The game network message: every kind written to XML and read back.

#include "skat/engine/Liste.h"
#include "skat/engine/TableServices.h"
#include "skat/net/SkatNetworkMessage.h"
#include "vordix/Random.h"

#include <gtest/gtest.h>

namespace {

SKAT_NETWORKMESSAGE roundTrip(const SKAT_NETWORKMESSAGE& message, std::string* text = nullptr)
{
    const std::string xml = streamToXml(message);
    if (text)
        *text = xml;
    SKAT_NETWORKMESSAGE back;
    EXPECT_EQ(streamFromXml(xml, back), STREAM_READ_OK) << xml;
    return back;
}

SPIELKARTEN dealtCards()
{
    SPIELKARTEN cards;
    VORDIX_RANDOM random;
    random.seed = 42;
    cards.shuffle(random);
    cards.deal();
    cards.pile.setVh(SEAT_1);
    cards.AUSP = 1;
    return cards;
}

TEST(NetworkMessage, KindsWithoutBodyKeepOnlyKindAndSender)
{
    for (int kind : {CLIENT_HELLO, CLIENT_LEAVING, CLIENT_DISCONNECTED, SERVER_DISCONNECTED}) {
        SKAT_NETWORKMESSAGE message(kind, L"host-7");
        std::string xml;
        const SKAT_NETWORKMESSAGE back = roundTrip(message, &xml);
        EXPECT_EQ(back.kind, kind);
        EXPECT_EQ(back.sender(), L"host-7");
        EXPECT_EQ(xml.find("BNF"), std::string::npos);
        EXPECT_EQ(xml.find("PA"), std::string::npos);
        EXPECT_NE(xml.find("<SNM TYP=\"" + std::to_string(kind) + "\"><VNM"), std::string::npos) << xml;
    }
}

TEST(NetworkMessage, ChatTextTravelsAsCdataUnchanged)
{
    SKAT_NETWORKMESSAGE message(CHAT_MESSAGE);
    message.setChatText(L"Na <& \"gut\" ]] ö");
    message.seat = 2;
    std::string xml;
    const SKAT_NETWORKMESSAGE back = roundTrip(message, &xml);
    EXPECT_NE(xml.find("<![CDATA["), std::string::npos) << xml;
    EXPECT_EQ(back.getChatText(), L"Na <& \"gut\" ]] ö");
    EXPECT_EQ(back.seat, 2);
    EXPECT_TRUE(back.isLocal());

    // The end marker of a CDATA section may be typed, too.
    for (const wchar_t* text : {L"a]]>b", L"]]>", L"x]]>]]>y<![CDATA[z", L"]]]>>", L""}) {
        SKAT_NETWORKMESSAGE typed(CHAT_MESSAGE);
        typed.setChatText(text);
        EXPECT_EQ(roundTrip(typed).getChatText(), text);
    }
}

TEST(NetworkMessage, ChatFromASeatOutsideTheTableIsRefused)
{
    SKAT_NETWORKMESSAGE message(CHAT_MESSAGE);
    message.setChatText(L"hallo");
    message.seat = 1;
    const std::string xml = streamToXml(message);
    for (const char* seat : {"-2", "3", "2147483647", "-2147483648"}) {
        std::string hostile = xml;
        const auto at = hostile.find("PLATZ=\"1\"");
        ASSERT_NE(at, std::string::npos) << xml;
        hostile.replace(at, 9, std::string("PLATZ=\"") + seat + "\"");
        SKAT_NETWORKMESSAGE back(CHAT_MESSAGE);
        EXPECT_NE(streamFromXml(hostile, back), STREAM_READ_OK) << seat;
    }
}

TEST(NetworkMessage, SetupRequestCarriesTheClientPlayerWithConnection)
{
    REMOTE_PLAYER player(2);
    player.setHeldName(L"Gast");
    player.connection.connect(17, L"proxy-1");
    // A remote player writes its held name.
    SKAT_NETWORKMESSAGE message(SETUP_REQUEST, L"client");
    message.clientPlayer = PlayerDescription::of(player);
    std::string xml = streamToXml(message);
    // The joining program writes its connection inside CLIENT_PLAYER.
    xml.insert(xml.find("</CLIENT_PLAYER>"), "<CONNECTABLE CONNECTED=\"1\" PROXY_UID=\"proxy-1\"/>");
    SKAT_NETWORKMESSAGE back;
    ASSERT_EQ(streamFromXml(xml, back), STREAM_READ_OK) << xml;
    ASSERT_TRUE(back.clientPlayer.has_value());
    const PlayerDescription& client = *back.clientPlayer;
    EXPECT_EQ(client.name, L"Gast");
    EXPECT_EQ(client.kind, PLAYER_KIND_REMOTE);
    EXPECT_EQ(client.id, 2);
    ASSERT_TRUE(client.isRemote());
    EXPECT_TRUE(client.connected);
    EXPECT_EQ(client.proxyUid, L"proxy-1");
    // The table seats a player made from the description.
    std::unique_ptr<PLAYER> seated = client.createPlayer();
    ASSERT_NE(seated, nullptr);
    EXPECT_EQ(seated->heldName(), L"Gast");
    ASSERT_NE(seated->isRemote(), nullptr);
    EXPECT_TRUE(seated->isRemote()->connection.connected);
    EXPECT_EQ(seated->isRemote()->connection.proxyUid(), L"proxy-1");
}

TEST(NetworkMessage, SetupReplyCarriesTheSeatsByKind)
{
    HUMAN_PLAYER human(0);
    COMPI_PLAYER computer(1);
    REMOTE_PLAYER remote(2);
    remote.setHeldName(L"Fern");
    remote.connection.connect(5, L"uid-5");
    SKAT_NETWORKMESSAGE message(SETUP_REPLY);
    message.reply = 1;
    message.seatPlayers = {PlayerDescription::of(human), PlayerDescription::of(computer),
                           PlayerDescription::of(remote)};
    const SKAT_NETWORKMESSAGE back = roundTrip(message);
    EXPECT_EQ(back.reply, 1);
    const int kinds[3] = {PLAYER_KIND_HUMAN, PLAYER_KIND_COMPUTER, PLAYER_KIND_REMOTE};
    for (int seat = 0; seat < 3; ++seat) {
        ASSERT_TRUE(back.seatPlayers[seat].has_value()) << seat;
        EXPECT_EQ(back.seatPlayers[seat]->kind, kinds[seat]);
    }
    EXPECT_EQ(back.seatPlayers[2]->name, L"Fern");
    EXPECT_TRUE(back.seatPlayers[2]->connected);

    // "REPLY" 4: the host closes the table and sends no seats; players read
    // before stay as they were.
    SKAT_NETWORKMESSAGE closing(SETUP_REPLY);
    closing.reply = 4;
    closing.seatPlayers[0] = PlayerDescription::of(human);
    std::string xml;
    const SKAT_NETWORKMESSAGE closed = roundTrip(closing, &xml);
    EXPECT_EQ(closed.reply, 4);
    EXPECT_FALSE(closed.seatPlayers[0].has_value());
}

TEST(NetworkMessage, SetupReplyIgnoresUnknownPlayerKinds)
{
    const std::string xml = "<SNM TYP=\"4\"><VNM SUID=\"host\"/><SPIELAUFBAU_REPLY REPLY=\"1\">"
                            "<S0><PLAYER NAME=\"x\" TYP=\"9\" ID=\"0\"/></S0><S1/></SPIELAUFBAU_REPLY></SNM>";
    SKAT_NETWORKMESSAGE back;
    ASSERT_EQ(streamFromXml(xml, back), STREAM_READ_OK);
    EXPECT_FALSE(back.seatPlayers[0].has_value());
    EXPECT_FALSE(back.seatPlayers[1].has_value());
}

TEST(NetworkMessage, TableNotificationCarriesStateAndTheSheetOnlyWithEvent27)
{
    SPIELSTRUCT record;
    record.REIZ_INDEX = 1;
    record.GEREIZT = 18;
    record.GEREIZTBIS = {18, 0, 18};
    record.SPITZEN = 1;
    record.ALLEIN = 2;
    record.SPIELART = SPIELART(GAME_HEARTS, WIN_LEVEL_HAND);
    SKAT_NETWORKMESSAGE message(TABLE_NOTIFICATION);
    message.gameUid = 123456;
    message.stateIndex = STATE_KARTE_AUSSPIELEN;
    message.cards = dealtCards();
    message.record = record;
    message.eventValue = 2;
    message.sheet().addGame(record, message.cards, false);

    for (int event : {SCORE_SHEET_CHANGED, CARD_PLAYED}) {
        message.event = event;
        std::string xml;
        const SKAT_NETWORKMESSAGE back = roundTrip(message, &xml);
        EXPECT_EQ(back.event, event);
        EXPECT_EQ(back.eventValue, 2);
        EXPECT_EQ(back.gameUid, 123456u);
        EXPECT_EQ(back.stateIndex, STATE_KARTE_AUSSPIELEN);
        SPIELSTRUCT expected; // the record as its own XML gives it back
        ASSERT_EQ(streamFromXml(streamToXml(record), expected), STREAM_READ_OK);
        EXPECT_EQ(back.record, expected);
        EXPECT_EQ(back.record.declarer(), 2);
        EXPECT_EQ(back.record.SPIELART, record.SPIELART);
        for (int seat = 0; seat < 3; ++seat)
            EXPECT_EQ(back.cards.hands[seat], message.cards.hands[seat]);
        EXPECT_NE(xml.find("<Spielliste"), std::string::npos);
        const bool carried = back.sheetIfAny() && back.sheetIfAny()->rowCount() == 1;
        EXPECT_EQ(carried, event == SCORE_SHEET_CHANGED) << event;
    }

    SKAT_NETWORKMESSAGE empty(TABLE_NOTIFICATION);
    empty.event = SCORE_SHEET_CHANGED;
    empty.sheet();
    EXPECT_EQ(streamToXml(empty).find("Spielliste"), std::string::npos);
}

TEST(NetworkMessage, PlayerActionsRoundTripWithOptionalParts)
{
    struct Case {
        int kind;
        int answer;
        SKAT skat;
        SPIELART game;
    };
    const Case cases[] = {
        {PLAYER_ACTION_REQUEST, 0, SKAT(), SPIELART()},
        {PLAYER_ACTION_REPLY, 27, SKAT(), SPIELART()},
        {PLAYER_ACTION_REPLY, 0, SKAT(18, 48), SPIELART()},
        {PLAYER_ACTION_REPLY, 1, SKAT(), SPIELART(GAME_NULL, WIN_LEVEL_OUVERT)},
    };
    for (const Case& c : cases) {
        SKAT_NETWORKMESSAGE message(c.kind, L"host");
        message.action = REQUEST_DISCARD;
        message.seat = 1;
        message.answer = c.answer;
        message.skat = c.skat;
        message.spielart = c.game;
        message.gameUid = 99;
        message.stateIndex = STATE_SPIEL_ANSAGEN;
        message.cards = dealtCards();
        std::string xml;
        const SKAT_NETWORKMESSAGE back = roundTrip(message, &xml);
        EXPECT_EQ(back.kind, c.kind);
        EXPECT_EQ(back.action, REQUEST_DISCARD);
        EXPECT_EQ(back.seat, 1);
        EXPECT_EQ(back.answer, c.answer);
        EXPECT_EQ(xml.find("RPLY") != std::string::npos, c.answer != 0) << xml;
        const std::string pa = xml.substr(xml.find("<PA"), xml.find("<SPIELKARTEN_CORE") - xml.find("<PA"));
        EXPECT_EQ(pa.find("<SKAT") != std::string::npos, c.skat.isComplete()) << pa;
        EXPECT_EQ(back.skat, c.skat);
        EXPECT_EQ(back.spielart, c.game);
        EXPECT_EQ(back.gameUid, 99u);
        EXPECT_EQ(back.stateIndex, STATE_SPIEL_ANSAGEN);
    }
}

TEST(NetworkMessage, DamagedMessagesAreRefused)
{
    const char* texts[] = {
        "<SNM TYP=\"8\"><VNM SUID=\"x\"/></SNM>",               // no BNF
        "<SNM TYP=\"9\"><VNM SUID=\"x\"/></SNM>",               // no PA
        "<SNM TYP=\"3\"><VNM SUID=\"x\"/><SPIELAUFBAU/></SNM>", // no client player
        "<SNM TYP=\"4\"><VNM SUID=\"x\"/></SNM>",               // no reply element
        "<SNM TYP=\"11\"><VNM SUID=\"x\"/></SNM>",              // unknown kind
        "<SNM TYP=\"1\"/>",                                     // no envelope
        "<SNM TYP=\"8\"><VNM SUID=\"x\"/><BNF TYP=\"3\"/><SPIELKARTEN_CORE><EINBLATT "
        "k1=\"KA\"/></SPIELKARTEN_CORE></SNM>",
        "<SNM TYP=\"8\"",
    };
    for (const char* text : texts) {
        SKAT_NETWORKMESSAGE back;
        EXPECT_NE(streamFromXml(text, back), STREAM_READ_OK) << text;
        EXPECT_FALSE(back.clientPlayer.has_value());
    }
}

// A copy is a whole value: fields, sheet and the players it carries.
TEST(NetworkMessage, CopyKeepsFieldsAndPlayers)
{
    SKAT_NETWORKMESSAGE message(TABLE_NOTIFICATION);
    message.event = 12;
    message.sheet().addGame(SPIELSTRUCT(), SPIELKARTEN(), false);
    const std::string xml =
        "<SNM TYP=\"3\"><VNM SUID=\"c\"/><SPIELAUFBAU><CLIENT_PLAYER><PLAYER NAME=\"a\" TYP=\"3\" ID=\"0\"/>"
        "</CLIENT_PLAYER></SPIELAUFBAU></SNM>";
    SKAT_NETWORKMESSAGE setup;
    ASSERT_EQ(streamFromXml(xml, setup), STREAM_READ_OK);
    SKAT_NETWORKMESSAGE copy(message);
    EXPECT_EQ(copy.event, 12);
    ASSERT_NE(copy.sheetIfAny(), nullptr);
    EXPECT_EQ(copy.sheetIfAny()->rowCount(), 1);
    SKAT_NETWORKMESSAGE setupCopy(setup);
    ASSERT_TRUE(setupCopy.clientPlayer.has_value());
    EXPECT_EQ(setupCopy.clientPlayer, setup.clientPlayer);
    SKAT_NETWORKMESSAGE assigned;
    assigned = setup;
    EXPECT_EQ(assigned.clientPlayer, setup.clientPlayer);
}

} // namespace
