#include "skat/net/GameMessages.h"

#include "skat/engine/TableServices.h"

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

TableEventArrival tableEventOf(const SKAT_NETWORKMESSAGE& message)
{
    TableEventArrival arrival;
    arrival.local = message.isLocal();
    arrival.runId = message.gameUid;
    arrival.stateIndex = message.stateIndex;
    arrival.cards = &message.cards;
    arrival.record = &message.record;
    arrival.sheet = message.sheetIfAny();
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

bool GAME_MESSENGER::sendRequest(SKATTISCH& table, int slot, PlayerRequest kind, std::uint32_t connectionId)
{
    auto services = tableServices();
    SKAT_NETWORKMESSAGE message(PLAYER_ACTION_REQUEST, services->serverId());
    message.fillFromTable(table);
    message.action = kind;
    message.seat = slot;
    return services->sendToConnection(connectionId, streamToXml(message));
}

bool GAME_MESSENGER::sendAnswer(SKATTISCH& table, int slot, const PLAYER_AKTION& answer)
{
    auto services = tableServices();
    SKAT_NETWORKMESSAGE reply(PLAYER_ACTION_REPLY, services->serverId());
    reply.fillFromTable(table);
    reply.seat = slot;
    answerToMessage(answer, reply);
    return services->sendToHost(streamToXml(reply));
}

void GAME_MESSENGER::sendLeaving()
{
    auto services = tableServices();
    services->sendToHost(streamToXml(SKAT_NETWORKMESSAGE(CLIENT_LEAVING, services->serverId())));
}

void installGameMessenger() { installTableMessenger(std::make_shared<GAME_MESSENGER>()); }
