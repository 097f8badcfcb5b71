// A hosted table over real sockets: guests are seated by the id they send
// as, refused when already seated or when the table is full; a whole game
// runs with two guests, each of which only ever sees its own cards;
// whatever a peer sends that the host does not take is dropped and logged
// while the game goes on; and a joining program that connects again at
// once starts its new connection only after the old one has ended, and
// the old one's end is no "connection ended" for the new.

#include "skat/net/NetworkStart.h"
#include "skat/net/ServerDialogs.h"
#include "tests/engine/test_table_support.h"
#include "tests/net/HiddenCards.h"
#include "tests/net/NetworkGuest.h"

#include <gtest/gtest.h>

using namespace table_test;
using namespace nettest;

namespace {

class RecordingDialogs : public SERVER_DIALOGS {
public:
    void networkNotice(NetworkNotice notice) override
    {
        std::lock_guard lock(mutex);
        notices.push_back(notice);
    }
    void networkSeatsChanged() override { ++seatChanges; }
    std::vector<NetworkNotice> shown()
    {
        std::lock_guard lock(mutex);
        return notices;
    }
    std::mutex mutex;
    std::vector<NetworkNotice> notices;
    std::atomic<int> seatChanges{0};
};

class NetworkPlay : public testing::Test {
protected:
    void SetUp() override
    {
        installTableServices(services);
        installServerDialogs(dialogs);
        playOneScriptedGame(host, gamesFinished);
    }
    void TearDown() override
    {
        guests.clear();
        host.server.reset();
        setComputerLogicFactory({});
        installServerDialogs(nullptr);
        installTableServices(nullptr);
    }

    // Opens the table with the user's seat played by the computer.
    void openTable()
    {
        ASSERT_TRUE(host.server->openNetworkTable(0));
        ASSERT_TRUE(host.server->isHosting());
        host.table().setPlayer(0, PLAYER_KIND_COMPUTER);
        ASSERT_NE(host.port(), 0);
    }
    Guest& addGuest(const std::wstring& id)
    {
        guests.push_back(std::make_unique<Guest>(id));
        EXPECT_TRUE(guests.back()->connect(host.port()));
        return *guests.back();
    }
    // Two guests at slots 1 and 2.
    void seatTwoGuests()
    {
        Guest& a = addGuest(L"guest-a");
        ASSERT_TRUE(a.join(L"Anna"));
        ASSERT_TRUE(host.pumpUntil([&] { return a.ownSlot() == 1; }));
        Guest& b = addGuest(L"guest-b");
        ASSERT_TRUE(b.join(L"Bert"));
        ASSERT_TRUE(host.pumpUntil([&] { return b.ownSlot() == 2; }));
        ASSERT_TRUE(host.table().allSeatsReady());
    }
    bool playOneGame()
    {
        return host.server->startNetworkGame() && host.pumpUntil([&] { return gamesFinished.load() >= 1; })
               && host.table().waitForLoopEnd(20000);
    }

    std::shared_ptr<TestServices> services = std::make_shared<TestServices>();
    std::shared_ptr<RecordingDialogs> dialogs = std::make_shared<RecordingDialogs>();
    Host host;
    std::vector<std::unique_ptr<Guest>> guests;
    std::atomic<int> gamesFinished{0};
};

TEST_F(NetworkPlay, GuestsAreSeatedByTheirSenderIdAndRefusedWhenSeatedOrFull)
{
    openTable();
    // Both claim the empty proxy id the free seats have: the sender's id counts.
    Guest& a = addGuest(L"guest-a");
    ASSERT_TRUE(a.join(L"Anna", L""));
    ASSERT_TRUE(host.pumpUntil([&] { return a.lastReply() == 1; }));
    EXPECT_EQ(a.ownSlot(), 1);
    EXPECT_FALSE(host.table().allSeatsReady());
    // The host dialog's seat line tells where the guest connects from.
    const REMOTE_PLAYER* seated = host.table().playerInSlot(1)->isRemote();
    ASSERT_NE(seated, nullptr);
    EXPECT_EQ(host.server->guestAddress(seated->connection.connectionId), L"127.0.0.1");
    EXPECT_EQ(host.server->guestAddress(9999), L"");

    // The same program again, on a connection of its own: already seated.
    Guest& again = addGuest(L"guest-a");
    ASSERT_TRUE(again.join(L"Anna"));
    ASSERT_TRUE(host.pumpUntil([&] { return again.lastReply() == 2; }));
    EXPECT_EQ(again.ownSlot(), -1);

    Guest& b = addGuest(L"guest-b");
    ASSERT_TRUE(b.join(std::wstring(200, L'B') + L"\n"));
    ASSERT_TRUE(host.pumpUntil([&] { return b.ownSlot() == 2; }));
    EXPECT_TRUE(host.table().allSeatsReady());
    // The name is cut and cleaned; the first guest heard of the second.
    const std::wstring name = host.table().playerInSlot(2)->name();
    EXPECT_LE(name.size(), 32u);
    EXPECT_EQ(name.find(L'\n'), std::wstring::npos);
    ASSERT_TRUE(host.pumpUntil([&] {
        const auto got = a.received();
        return !got.empty() && got.back().first.seatPlayers[2].has_value();
    }));

    Guest& c = addGuest(L"guest-c");
    ASSERT_TRUE(c.join(L"Carl"));
    ASSERT_TRUE(host.pumpUntil([&] { return c.lastReply() == 3; }));
    EXPECT_EQ(host.table().playerInSlot(1)->name(), L"Anna");
    // The score sheet's columns are the slots, as the points go.
    EXPECT_EQ(host.table().sheet.playerNames[1], L"Anna");
    EXPECT_EQ(host.table().sheet.playerNames[2], name);
    EXPECT_GE(dialogs->seatChanges.load(), 2);
}

TEST_F(NetworkPlay, AWholeGameWithTwoGuestsShowsEachOnlyItsOwnCards)
{
    openTable();
    seatTwoGuests();
    ASSERT_TRUE(playOneGame());
    EXPECT_EQ(host.table().sheet.rowCount(), 1);

    int framesChecked = 0;
    for (const auto& guest : guests) {
        const Seat seat = seatOfSlot(guest->ownSlot());
        EXPECT_GT(guest->requestsAnswered(), 0);
        for (const auto& [message, xml] : guest->received()) {
            if (message.kind != TABLE_NOTIFICATION && message.kind != PLAYER_ACTION_REQUEST)
                continue;
            ++framesChecked;
            EXPECT_EQ(hiddenCardsShown(message, seat), 0) << xml;
        }
    }
    EXPECT_GT(framesChecked, 60);
    EXPECT_TRUE(dialogs->shown().empty());
}

// A guest's picture travels as a part of its join request: the host's seat
// keeps those bytes (never the picture stored here for the slot) and the
// seating gives every guest each seat's picture in slot order.
TEST_F(NetworkPlay, AGuestsPictureReachesTheHostsSeatAndTheOtherGuests)
{
    openTable();
    const std::string picture = std::string("\x89PNG\r\n", 6) + std::string(5000, '\x42');
    Guest& a = addGuest(L"guest-a");
    ASSERT_TRUE(a.join(L"Anna", L"", picture));
    ASSERT_TRUE(host.pumpUntil([&] { return a.ownSlot() == 1; }));
    Guest& b = addGuest(L"guest-b");
    ASSERT_TRUE(b.join(L"Bert"));
    ASSERT_TRUE(host.pumpUntil([&] { return b.ownSlot() == 2 && b.seatingPictures().size() == 3; }));

    const auto& held = host.table().playerInSlot(1)->pictureData();
    EXPECT_EQ(std::string(held.begin(), held.end()), picture);
    EXPECT_TRUE(host.table().playerInSlot(2)->pictureData().empty());
    const std::vector<std::string> seen = b.seatingPictures();
    EXPECT_EQ(seen[1], picture);
    EXPECT_TRUE(seen[2].empty());
    ASSERT_TRUE(host.pumpUntil([&] {
        const auto pictures = a.seatingPictures();
        return pictures.size() == 3 && pictures[1] == picture;
    }));
}

// A program joins as the join dialog does (its table server): it sends its
// user's picture with the request, and its client table shows the picture
// the host gave each other seat.
TEST_F(NetworkPlay, AJoiningProgramSendsItsPictureAndTakesTheOtherSeatsPictures)
{
    openTable();
    const std::string anna(3000, 'a');
    const std::string mine(4000, 'm');
    Guest& a = addGuest(L"guest-a");
    ASSERT_TRUE(a.join(L"Anna", L"", anna));
    ASSERT_TRUE(host.pumpUntil([&] { return a.ownSlot() == 1; }));

    Host joiner; // a second program, pumped beside the host
    ASSERT_TRUE(joiner.server->joinNetworkTable(L"127.0.0.1", host.port(), mine));
    const auto both = [&](auto predicate) {
        return host.pumpUntil([&] {
            joiner.pumpFor(std::chrono::milliseconds(5));
            return predicate();
        });
    };
    ASSERT_TRUE(both([&] {
        const SKATTISCH* table = joiner.server->clientTable();
        const PLAYER* other = table ? table->playerInSlot(1) : nullptr;
        return joiner.server->ownSlot() == 2 && other && !other->pictureData().empty();
    }));
    const auto& held = host.table().playerInSlot(2)->pictureData();
    EXPECT_EQ(std::string(held.begin(), held.end()), mine);
    const auto& shown = joiner.server->clientTable()->playerInSlot(1)->pictureData();
    EXPECT_EQ(std::string(shown.begin(), shown.end()), anna);
    EXPECT_TRUE(joiner.server->clientTable()->playerInSlot(0)->pictureData().empty());
    EXPECT_EQ(joiner.server->clientTable()->sheet.playerNames[1], L"Anna");
    joiner.server->leaveNetworkTable();
}

// The host closes its table: its closing reply reaches the guest's queue
// before the end of the connection, but is taken only after it, and the
// guest is told that the host closed the table, not that the connection broke.
TEST_F(NetworkPlay, AGuestIsToldTheHostClosedTheTableNotThatTheConnectionBroke)
{
    openTable();
    Host joiner;
    ASSERT_TRUE(joiner.server->joinNetworkTable(L"127.0.0.1", host.port()));
    ASSERT_TRUE(host.pumpUntil([&] {
        joiner.pumpFor(std::chrono::milliseconds(5));
        return joiner.server->ownSlot() == 1;
    }));
    {
        std::lock_guard lock(dialogs->mutex);
        dialogs->notices.clear();
    }
    host.server->closeNetworkTable();
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (joiner.server->isJoined() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_FALSE(joiner.server->isJoined());
    ASSERT_TRUE(joiner.pumpUntil([&] { return !dialogs->shown().empty(); }));
    joiner.pumpFor(std::chrono::milliseconds(300)); // the end of the connection follows
    EXPECT_EQ(dialogs->shown(), std::vector<SERVER_DIALOGS::NetworkNotice>{SERVER_DIALOGS::NOTICE_TABLE_CLOSED});
}

// The start of a scripted network run: host, or join an address.
TEST(NetworkStartOption, HostOrJoinAnAddressAnythingElseIsNone)
{
    struct Case {
        const char* value;
        NetworkStart::Kind kind;
        const wchar_t* address;
    };
    const Case cases[] = {
        {nullptr, NetworkStart::NONE, L""},
        {"", NetworkStart::NONE, L""},
        {"host", NetworkStart::HOST, L""},
        {"hosting", NetworkStart::NONE, L""},
        {"join:", NetworkStart::NONE, L""},
        {"join:127.0.0.1", NetworkStart::JOIN, L"127.0.0.1"},
        {"join:tisch.local", NetworkStart::JOIN, L"tisch.local"},
        {"JOIN:x", NetworkStart::NONE, L""},
    };
    for (const Case& c : cases) {
        const NetworkStart start = NetworkStart::parse(c.value);
        EXPECT_EQ(start.kind, c.kind) << (c.value ? c.value : "(none)");
        EXPECT_EQ(start.address, c.address) << (c.value ? c.value : "(none)");
    }
}

// What a joined guest sends that the host does not take: each is dropped
// and logged, and the game goes on to its end.
TEST_F(NetworkPlay, MessagesTheHostDoesNotTakeAreDroppedAndTheGameGoesOn)
{
    openTable();
    seatTwoGuests();
    Guest& a = *guests[0];
    Guest& b = *guests[1];
    b.answers = false; // b's requests are answered by the test below
    ASSERT_TRUE(host.server->startNetworkGame());
    ASSERT_TRUE(host.pumpUntil([&] { return b.lastRequest().kind == PLAYER_ACTION_REQUEST; }));
    const SKAT_NETWORKMESSAGE request = b.lastRequest();
    const int droppedBefore = host.dropped.load();

    const auto reply = [&](auto change) {
        SKAT_NETWORKMESSAGE message(PLAYER_ACTION_REPLY, b.id());
        message.gameUid = request.gameUid;
        message.stateIndex = request.stateIndex;
        message.seat = request.seat;
        PLAYER_AKTION answer;
        answer.requestKind = request.action;
        repairAnswer(request.action, answer, request.cards, request.record, seatOfSlot(request.seat));
        answerToMessage(answer, message);
        change(message);
        return streamToXml(message);
    };
    struct Case {
        const char* what;
        std::string xml;
    };
    const std::vector<Case> cases = {
        {"an answer for the other guest's seat", reply([](SKAT_NETWORKMESSAGE& m) { m.seat = 1; })},
        {"an answer for the host's seat", reply([](SKAT_NETWORKMESSAGE& m) { m.seat = 0; })},
        {"a stale run", reply([](SKAT_NETWORKMESSAGE& m) { m.gameUid += 1; })},
        {"another state", reply([](SKAT_NETWORKMESSAGE& m) { m.stateIndex = STATE_ABRECHNUNG; })},
        {"a request kind that is not open", reply([](SKAT_NETWORKMESSAGE& m) { m.action = REQUEST_DISCARD; })},
        {"a seat out of range", reply([](SKAT_NETWORKMESSAGE& m) { m.seat = 5; })},
        {"kind 4 (seating)", streamToXml(SKAT_NETWORKMESSAGE(SETUP_REPLY, b.id()))},
        {"kind 6", streamToXml(SKAT_NETWORKMESSAGE(CLIENT_DISCONNECTED, b.id()))},
        {"kind 7", streamToXml(SKAT_NETWORKMESSAGE(SERVER_DISCONNECTED, b.id()))},
        {"kind 8", reply([](SKAT_NETWORKMESSAGE& m) {
             m.kind = TABLE_NOTIFICATION;
             m.event = NEW_GAME;
         })},
        {"kind 9", reply([](SKAT_NETWORKMESSAGE& m) { m.kind = PLAYER_ACTION_REQUEST; })},
        {"a message sent as the host itself", reply([](SKAT_NETWORKMESSAGE& m) { m.suid = L"local"; })},
        {"no XML", "<<<"},
        {"an unknown kind", "<SNM TYP=\"77\"><VNM SUID=\"x\"/></SNM>"},
    };
    for (const Case& c : cases)
        ASSERT_TRUE(b.sendXml(c.xml)) << c.what;
    ASSERT_TRUE(host.pumpUntil([&] { return host.dropped.load() - droppedBefore >= int(cases.size()); }));
    EXPECT_EQ(host.dropped.load() - droppedBefore, int(cases.size()));
    EXPECT_TRUE(services->logContains(L"an answer for another seat"));
    EXPECT_TRUE(services->logContains(L"no such request is open"));
    EXPECT_TRUE(services->logContains(L"a host does not take this kind"));
    EXPECT_TRUE(host.table().isLoopRunning());

    // The right answer still counts, and the game ends as usual.
    b.answers = true;
    ASSERT_TRUE(b.sendXml(reply([](SKAT_NETWORKMESSAGE&) {})));
    ASSERT_TRUE(host.pumpUntil([&] { return gamesFinished.load() >= 1; }));
    EXPECT_TRUE(host.table().waitForLoopEnd(20000));
    EXPECT_EQ(host.table().sheet.rowCount(), 1);
    EXPECT_FALSE(a.closed());
}

// Hands the records of all the programs to them in turn until the
// predicate holds (20 s at most).
template <class Predicate>
bool pumpAll(std::initializer_list<Host*> programs, Predicate predicate)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!predicate()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        for (Host* program : programs)
            program->pumpFor(std::chrono::milliseconds(5));
    }
    return true;
}

bool isServerDisconnected(const PostedMessage& posted)
{
    SKAT_NETWORKMESSAGE message(0);
    return posted.kind() == PostedPayloadKind::Local && streamFromXml(posted.text(), message) == STREAM_READ_OK
           && message.kind == SERVER_DISCONNECTED;
}

TEST_F(NetworkPlay, AQuickReconnectIsNotEndedByTheEndOfTheOldConnection)
{
    openTable();
    Host joiner;
    ASSERT_TRUE(joiner.server->connectToTable(L"127.0.0.1", host.port()));
    ASSERT_TRUE(pumpAll({&host, &joiner}, [&] { return host.server->isHosting() && joiner.server->isJoined(); }));
    // Again at once: the old connection's end is still in the queue when
    // the new connection asks for its seat.
    ASSERT_TRUE(joiner.server->connectToTable(L"127.0.0.1", host.port()));
    ASSERT_TRUE(joiner.server->requestSeat());
    ASSERT_TRUE(pumpAll({&host, &joiner}, [&] { return joiner.server->ownSlot() == 1; }));
    pumpAll({&host, &joiner}, [&, until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300)] {
        return std::chrono::steady_clock::now() >= until;
    });
    EXPECT_EQ(joiner.server->ownSlot(), 1);
    EXPECT_TRUE(joiner.server->isJoined());
    EXPECT_TRUE(host.server->isHosting());
    EXPECT_TRUE(dialogs->shown().empty()); // no "connection to the host ended"
    EXPECT_TRUE(services->logContains(L"An earlier connection to a host"));
}

// The host closes its table; while the joiner's receiving thread is still
// telling the joiner (slowly), the user connects to another table: the new
// connection waits until the old one has ended on every thread.
TEST_F(NetworkPlay, AReconnectWaitsUntilTheOldConnectionHasEnded)
{
    openTable();
    Host other;
    ASSERT_TRUE(other.server->openNetworkTable(0));
    Host joiner;
    std::atomic<bool> ending{false}, told{false};
    joiner.onPost = [&](const PostedMessage& posted) {
        if (!isServerDisconnected(posted) || ending.exchange(true))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        told = true;
    };
    ASSERT_TRUE(joiner.server->connectToTable(L"127.0.0.1", host.port()));
    ASSERT_TRUE(pumpAll({&host, &joiner}, [&] { return joiner.server->isJoined(); }));
    host.server->closeNetworkTable();
    ASSERT_TRUE(table_test::eventually([&] { return ending.load(); }));
    ASSERT_TRUE(joiner.server->connectToTable(L"127.0.0.1", other.port()));
    EXPECT_TRUE(told.load()) << "the new connection began while the old one was still ending";
    ASSERT_TRUE(joiner.server->requestSeat());
    ASSERT_TRUE(pumpAll({&other, &joiner}, [&] { return joiner.server->ownSlot() == 1; }));
}

} // namespace
