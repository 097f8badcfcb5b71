// Reading the game network message from a peer: every number that the
// receiver indexes with or computes from is range-checked, and a message
// with a bad one is refused; a score sheet of another version refuses the
// message with a message of its own.

#include "skat/engine/Liste.h"
#include "skat/engine/SheetServices.h"
#include "skat/net/SkatNetworkMessage.h"
#include "tests/support/RecordingMessageSink.h"
#include "vordix/MessageSink.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string ENVELOPE = "<VNM SUID=\"peer\"/>";

std::string action(int kind, const std::string& pa, const std::string& inside = "")
{
    return "<SNM TYP=\"" + std::to_string(kind) + "\" ZI=\"8\">" + ENVELOPE + "<PA " + pa + ">" + inside
           + "</PA></SNM>";
}
std::string notification(const std::string& bnf, const std::string& zi = "8")
{
    return "<SNM TYP=\"8\" ZI=\"" + zi + "\">" + ENVELOPE + "<BNF " + bnf + "/></SNM>";
}
std::string setupRequest(const std::string& player)
{
    return "<SNM TYP=\"3\">" + ENVELOPE + "<SPIELAUFBAU><CLIENT_PLAYER><PLAYER NAME=\"Gast\" " + player
           + "/></CLIENT_PLAYER></SPIELAUFBAU></SNM>";
}
std::string setupReply(const std::string& reply, const std::string& player)
{
    return "<SNM TYP=\"4\">" + ENVELOPE + "<SPIELAUFBAU_REPLY REPLY=\"" + reply + "\"><S1><PLAYER NAME=\"X\" " + player
           + "/></S1></SPIELAUFBAU_REPLY></SNM>";
}

struct Case {
    const char* what;
    std::string text;
    bool read;
};

TEST(MessageReading, NumbersFromTheWireAreRangeChecked)
{
    const Case cases[] = {
        {"action request for seat 2", action(9, "AKTION=\"7\" PLATZ=\"2\" RPLY=\"0\""), true},
        {"action reply for seat 0", action(10, "AKTION=\"1\" PLATZ=\"0\" RPLY=\"361\""), true},
        {"action seat -2", action(9, "AKTION=\"7\" PLATZ=\"-2\""), false},
        {"action seat -1", action(10, "AKTION=\"7\" PLATZ=\"-1\""), false},
        {"action seat 3", action(10, "AKTION=\"7\" PLATZ=\"3\""), false},
        {"action seat 2^31-1", action(9, "AKTION=\"7\" PLATZ=\"2147483647\""), false},
        {"action seat -2^31", action(10, "AKTION=\"7\" PLATZ=\"-2147483648\""), false},
        {"action without a seat", action(9, "AKTION=\"7\""), false},
        {"unknown request 0", action(9, "AKTION=\"0\" PLATZ=\"1\""), false},
        {"unknown request 12", action(10, "AKTION=\"12\" PLATZ=\"1\""), false},
        {"answer beyond every bid and card", action(10, "AKTION=\"1\" PLATZ=\"1\" RPLY=\"2147483647\""), false},
        {"state index 12", "<SNM TYP=\"9\" ZI=\"12\">" + ENVELOPE + "<PA AKTION=\"7\" PLATZ=\"1\"/></SNM>", false},
        {"announced grand hand", action(10, "AKTION=\"6\" PLATZ=\"1\" RPLY=\"1\"", "<SPIELART TR=\"5\" TYP=\"2\"/>"),
         true},
        {"announced game type 9", action(10, "AKTION=\"5\" PLATZ=\"1\"", "<SPIELART TR=\"9\"/>"), false},
        {"announced win level 6", action(10, "AKTION=\"5\" PLATZ=\"1\"", "<SPIELART TR=\"1\" TYP=\"6\"/>"), false},
        {"record with declarer seat 3",
         "<SNM TYP=\"9\" ZI=\"8\">" + ENVELOPE
             + "<PA AKTION=\"7\" PLATZ=\"1\"/><SPIELSTRUCT STR=\"3 1 0 0\" TR=\"1\"/></SNM>",
         false},
        {"record with declarer seat 2",
         "<SNM TYP=\"9\" ZI=\"8\">" + ENVELOPE
             + "<PA AKTION=\"7\" PLATZ=\"1\"/><SPIELSTRUCT STR=\"2 1 0 0\" TR=\"1\"/></SNM>",
         true},
        {"table event 38 with a seat", notification("TYP=\"38\" P1=\"2\""), true},
        {"table event 39", notification("TYP=\"39\" P1=\"0\""), false},
        {"table event -1", notification("TYP=\"-1\" P1=\"0\""), false},
        {"event value 2^31-1", notification("TYP=\"38\" P1=\"2147483647\""), false},
        {"event in state -1", notification("TYP=\"3\" P1=\"0\"", "-1"), false},
        {"client player of seat slot 2", setupRequest("TYP=\"3\" ID=\"2\""), true},
        {"client player id 2^31-1", setupRequest("TYP=\"3\" ID=\"2147483647\""), false},
        {"client player id -1", setupRequest("TYP=\"3\" ID=\"-1\""), false},
        {"client player of kind 2^31-1", setupRequest("TYP=\"2147483647\" ID=\"0\""), false},
        {"seat player id 1", setupReply("1", "TYP=\"2\" ID=\"1\""), true},
        {"seat player id 2^31-1", setupReply("1", "TYP=\"2\" ID=\"2147483647\""), false},
        {"setup answer code 2^31-1", setupReply("2147483647", "TYP=\"2\" ID=\"1\""), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SKAT_NETWORKMESSAGE message;
        EXPECT_EQ(streamFromXml(c.text, message) == STREAM_READ_OK, c.read);
        if (!c.read)
            continue;
        // What was read names its players and writes itself back.
        for (const auto& player : message.seatPlayers) {
            if (player) {
                EXPECT_EQ(player->createPlayer()->name(), L"Spieler " + std::to_wstring(player->id + 1));
            }
        }
        if (message.clientPlayer) {
            EXPECT_EQ(message.clientPlayer->id, 2);
        }
        SKAT_NETWORKMESSAGE back;
        EXPECT_EQ(streamFromXml(streamToXml(message), back), STREAM_READ_OK);
    }
}

TEST(MessageReading, SheetOfANewerVersionRefusesTheMessageWithItsOwnText)
{
    auto sink = std::make_shared<testsupport::RecordingMessageSink>();
    auto previous = vordix::setMessageSink(sink);
    const std::string sheet =
        "<Spielliste DokumentVersion=\"3\"><Spiele><Spiel STR=\"0 1 0 23\"/></Spiele></Spielliste>";
    std::string newer = notification("TYP=\"27\" P1=\"0\"");
    newer.insert(newer.find("<BNF"), sheet);
    SKAT_NETWORKMESSAGE message;
    EXPECT_EQ(streamFromXml(newer, message), STREAM_READ_FAILED);
    ASSERT_EQ(sink->texts.size(), 1u);
    EXPECT_EQ(sink->texts[0], sheetServices()->sheetInMessageRefusedText());
    EXPECT_EQ(sink->texts[0].find(L".unlesbar"), std::wstring::npos) << "no file is kept for a message";

    // The same sheet in version 2 is taken.
    sink->clear();
    SKAT_NETWORKMESSAGE current;
    std::string text = notification("TYP=\"27\" P1=\"0\"");
    text.insert(text.find("<BNF"),
                "<Spielliste DokumentVersion=\"2\"><Spiele><Spiel STR=\"0 1 0 23\"/></Spiele></Spielliste>");
    EXPECT_EQ(streamFromXml(text, current), STREAM_READ_OK);
    ASSERT_NE(current.sheetIfAny(), nullptr);
    EXPECT_EQ(current.sheetIfAny()->rowCount(), 1);
    EXPECT_TRUE(sink->texts.empty());
    vordix::setMessageSink(previous);
}

} // namespace
