#pragma once
// The game network message and the table meet here: a player's answer as a
// message and back, the table's incoming messages, and the messenger that
// sends the table's events, requests and answers as game messages.

#include "skat/engine/Skattisch.h"
#include "skat/engine/TableMessenger.h"
#include "skat/net/SkatNetworkMessage.h"

// The answer to a request in the message fields: "action" is the request
// kind, "answer" carries the value the kind asks for, "skat" the discard,
// "spielart" an announced game. Only what the kind needs travels: a Kontra
// or Re call does not.
void answerToMessage(const PLAYER_AKTION& answer, SKAT_NETWORKMESSAGE& message);
PLAYER_AKTION answerFromMessage(const SKAT_NETWORKMESSAGE& message);

// What a seat's view tells of the cards the other seats hold (the seat's
// own hand is known: -1); none for a message that shows every hand.
std::optional<HeldCounts> heldCountsOf(const SKAT_NETWORKMESSAGE& message);
// A table event or a player request (views into the message).
TableEventArrival tableEventOf(const SKAT_NETWORKMESSAGE& message);
PlayerRequestArrival playerRequestOf(const SKAT_NETWORKMESSAGE& message);

// What the queue worker or the network layer does with a message for the table.
void applyTableEvent(SKATTISCH& table, const SKAT_NETWORKMESSAGE& message);
void performPlayerRequest(SKATTISCH& table, const SKAT_NETWORKMESSAGE& message);
// A remote player's answer (kind 10) from the connection.
bool applyPlayerAnswer(SKATTISCH_SERVER& table, const SKAT_NETWORKMESSAGE& message, std::uint32_t connectionId);

// The seat of the remote player served by the connection; SEAT_NONE when
// no seat belongs to it. Takes the table lock.
Seat seatOfConnection(const SKATTISCH& table, std::uint32_t connectionId);

// The id a table's messages go out with (its server's), and a game
// message's text to one of its clients.
std::wstring senderIdOf(const SKATTISCH& table);
bool sendToClient(const SKATTISCH& table, std::uint32_t connectionId, const std::string& xml);

// Sends the table's messages as game messages to joined programs and the
// host through the table services.
class GAME_MESSENGER : public TABLE_MESSENGER {
public:
    bool sendRequest(SKATTISCH& table, int slot, PlayerRequest kind, std::uint32_t connectionId) override;
    bool sendAnswer(SKATTISCH& table, int slot, const PLAYER_AKTION& answer) override;
    void sendLeaving() override;
};

// Installs the game messenger for every table of the process.
void installGameMessenger();
