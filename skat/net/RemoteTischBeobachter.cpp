#include "skat/net/RemoteTischBeobachter.h"

#include "skat/engine/Skattisch.h"
#include "skat/engine/TableServices.h"
#include "skat/net/SkatNetworkMessage.h"

void REMOTE_TISCH_BEOBACHTER::notify(int event) { notifyWithValue(event, 0); }

void REMOTE_TISCH_BEOBACHTER::notifyWithValue(int event, int value)
{
    auto services = tableServices();
    SKAT_NETWORKMESSAGE message(TABLE_NOTIFICATION, services->serverId());
    message.event = event;
    message.eventValue = value;
    message.fillFromTable(table_);
    if (event == SCORE_SHEET_CHANGED) {
        std::lock_guard lock(table_.tableLock);
        message.sheet().assign(table_.sheet);
    }
    services->sendToConnection(connectionId_, streamToXml(message));
}
