#include "skat/net/GameMessages.h"

#include "skat/engine/TableServices.h"
#include "skat/net/TableNetworkSide.h"

#include <map>
#include <mutex>

void answerToMessage(const PLAYER_AKTION& answer, SKAT_NETWORKMESSAGE& message)
{
    message.action = answer.requestKind;
    switch (answer.requestKind) {
    case REQUEST_CUT: message.answer = answer.cutPosition; break;
    case REQUEST_BID: message.answer = answer.bidValue; break;
    case REQUEST_SKAT_OR_HAND: message.answer = answer.handFlag; break;
    case REQUEST_DISCARD: message.skat = answer.discard; break;
    case REQUEST_ANNOUNCE:
        message.answer = answer.announceFlag;
        message.spielart = answer.spielart;
        break;
    case REQUEST_ANNOUNCE_HAND:
        message.answer = answer.handFlag;
        message.spielart = answer.spielart;
        break;
    case REQUEST_PLAY_CARD: message.answer = answer.card; break;
    default: message.answer = answer.confirmation; break;
    }
}

PLAYER_AKTION answerFromMessage(const SKAT_NETWORKMESSAGE& message)
{
    PLAYER_AKTION answer;
    answer.requestKind = message.action;
    switch (message.action) {
    case REQUEST_BID: answer.bidValue = message.answer; break;
    case REQUEST_CUT: answer.cutPosition = message.answer; break;
    case REQUEST_SKAT_OR_HAND: answer.handFlag = message.answer != 0; break;
    case REQUEST_DISCARD: answer.discard = message.skat; break;
    case REQUEST_ANNOUNCE:
        answer.announceFlag = message.answer != 0;
        answer.spielart = message.spielart;
        break;
    case REQUEST_ANNOUNCE_HAND:
        answer.handFlag = message.answer != 0;
        answer.spielart = message.spielart;
        break;
    case REQUEST_PLAY_CARD: answer.card = message.answer; break;
    case REQUEST_CONFIRM_SETTLEMENT:
    case REQUEST_CONFIRM_PASSED: answer.confirmation = message.answer; break;
    default: break;
    }
    return answer;
}

std::optional<HeldCounts> heldCountsOf(const SKAT_NETWORKMESSAGE& message)
{
    if (!message.partialView)
        return std::nullopt;
    HeldCounts held = message.handSizes;
    // The seat's own hand is always known to it.
    if (isValidSeat(message.viewSeat))
        held[message.viewSeat] = -1;
    return held;
}

TableEventArrival tableEventOf(const SKAT_NETWORKMESSAGE& message)
{
    TableEventArrival arrival;
    arrival.local = message.isLocal();
    arrival.runId = message.gameUid;
    arrival.stateIndex = message.stateIndex;
    arrival.cards = &message.cards;
    arrival.record = &message.record;
    arrival.sheet = message.sheetIfAny();
    arrival.held = heldCountsOf(message);
    arrival.event = message.event;
    arrival.value = message.eventValue;
    return arrival;
}

PlayerRequestArrival playerRequestOf(const SKAT_NETWORKMESSAGE& message)
{
    PlayerRequestArrival request;
    request.runId = message.gameUid;
    request.slot = message.seat;
    request.kind = message.action;
    request.stateIndex = message.stateIndex;
    request.cards = &message.cards;
    request.record = &message.record;
    request.seatNames = &message.seatNames;
    request.held = heldCountsOf(message);
    return request;
}

void applyTableEvent(SKATTISCH& table, const SKAT_NETWORKMESSAGE& message)
{
    table.applyTableEvent(tableEventOf(message));
}

void performPlayerRequest(SKATTISCH& table, const SKAT_NETWORKMESSAGE& message)
{
    table.performPlayerRequest(playerRequestOf(message));
}

bool applyPlayerAnswer(SKATTISCH_SERVER& table, const SKAT_NETWORKMESSAGE& message, std::uint32_t connectionId)
{
    return table.applyPlayerAnswer(message.seat, answerFromMessage(message), message.gameUid, connectionId);
}

Seat seatOfConnection(const SKATTISCH& table, std::uint32_t connectionId)
{
    std::lock_guard lock(table.tableLock);
    for (int slot = 0; slot < 3; ++slot) {
        const PLAYER* player = table.playerInSlot(slot);
        const REMOTE_PLAYER* remote = player ? player->isRemote() : nullptr;
        if (remote && remote->connection.connected && remote->connection.connectionId == connectionId)
            return seatOfSlot(slot);
    }
    return SEAT_NONE;
}

namespace {

std::mutex sidesMutex;
std::map<const SKATTISCH*, TABLE_NETWORK_SIDE*>& sides()
{
    static std::map<const SKATTISCH*, TABLE_NETWORK_SIDE*> map;
    return map;
}

} // namespace

void setTableNetworkSide(const SKATTISCH* table, TABLE_NETWORK_SIDE* side)
{
    std::lock_guard lock(sidesMutex);
    if (side)
        sides()[table] = side;
    else
        sides().erase(table);
}

TABLE_NETWORK_SIDE* tableNetworkSide(const SKATTISCH& table)
{
    std::lock_guard lock(sidesMutex);
    const auto it = sides().find(&table);
    return it == sides().end() ? nullptr : it->second;
}

std::wstring senderIdOf(const SKATTISCH& table)
{
    if (const TABLE_NETWORK_SIDE* side = tableNetworkSide(table))
        return side->senderId();
    return tableServices()->serverId();
}

bool sendToClient(const SKATTISCH& table, std::uint32_t connectionId, const std::string& xml)
{
    if (TABLE_NETWORK_SIDE* side = tableNetworkSide(table))
        return side->sendToConnection(connectionId, xml);
    return tableServices()->sendToConnection(connectionId, xml);
}

bool GAME_MESSENGER::sendRequest(SKATTISCH& table, int slot, PlayerRequest kind, std::uint32_t connectionId)
{
    SKAT_NETWORKMESSAGE message(PLAYER_ACTION_REQUEST, senderIdOf(table));
    message.fillViewFromTable(table, slot >= 0 && slot < 3 ? seatOfSlot(slot) : SEAT_NONE);
    message.action = kind;
    message.seat = slot;
    return sendToClient(table, connectionId, streamToXml(message));
}

bool GAME_MESSENGER::sendAnswer(SKATTISCH& table, int slot, const PLAYER_AKTION& answer)
{
    // The host needs the run and the state the answer is for, not our view of the cards.
    SKAT_NETWORKMESSAGE reply(PLAYER_ACTION_REPLY, senderIdOf(table));
    reply.gameUid = table.tableRunId.load();
    reply.stateIndex = table.currentIndex.load();
    reply.seat = slot;
    answerToMessage(answer, reply);
    const std::string xml = streamToXml(reply);
    if (TABLE_NETWORK_SIDE* side = tableNetworkSide(table))
        return side->sendToHost(xml);
    return tableServices()->sendToHost(xml);
}

void GAME_MESSENGER::sendLeaving()
{
    auto services = tableServices();
    services->sendToHost(streamToXml(SKAT_NETWORKMESSAGE(CLIENT_LEAVING, services->serverId())));
}

void installGameMessenger() { installTableMessenger(std::make_shared<GAME_MESSENGER>()); }
