// libFuzzer target for the game network message: whatever a peer sends is
// refused or read into kinds, seats, players and numbers the receiver can
// index with, and a message read is written, read and written again to the
// same text.

#include "skat/engine/Liste.h"
#include "skat/net/SkatNetworkMessage.h"
#include "tests/support/fuzz/FuzzSupport.h"

using fuzzsupport::require;

namespace {

void checkPlayer(const std::optional<PlayerDescription>& player)
{
    if (!player)
        return;
    require(isValidSeat(player->id), "player id is a seat");
    (void)player->createPlayer();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzsupport::quietMessages();
    SKAT_NETWORKMESSAGE message;
    if (streamFromXml({reinterpret_cast<const char*>(data), size}, message) != STREAM_READ_OK)
        return 0;
    require(message.kind >= CHAT_MESSAGE && message.kind <= PLAYER_ACTION_REPLY, "message kind");
    require(message.seat >= SEAT_NONE && message.seat <= 2, "seat");
    if (message.kind == PLAYER_ACTION_REQUEST || message.kind == PLAYER_ACTION_REPLY)
        require(isValidSeat(message.seat), "an action names its seat");
    if (message.kind == TABLE_NOTIFICATION)
        require(message.event >= 0 && message.event < TABLE_EVENT_COUNT, "table event");
    require(message.stateIndex >= STATE_NONE && message.stateIndex <= STATE_STOP, "state index");
    checkPlayer(message.clientPlayer);
    for (const auto& player : message.seatPlayers)
        checkPlayer(player);

    const std::string once = streamToXml(message);
    require(!once.empty(), "a message read is written");
    SKAT_NETWORKMESSAGE again;
    require(streamFromXml(once, again) == STREAM_READ_OK, "a written message reads back");
    fuzzsupport::requireSameText(once, streamToXml(again), "the network message");
    return 0;
}
