#include "skat/net/RemoteTischBeobachter.h"

#include "skat/engine/Skattisch.h"
#include "skat/engine/TableServices.h"
#include "skat/net/GameMessages.h"
#include "skat/net/SkatNetworkMessage.h"

void REMOTE_TISCH_BEOBACHTER::notify(int event) { notifyWithValue(event, 0); }

void REMOTE_TISCH_BEOBACHTER::notifyWithValue(int event, int value)
{
    SKAT_NETWORKMESSAGE message(TABLE_NOTIFICATION, senderIdOf(table_));
    message.event = event;
    message.eventValue = value;
    message.fillViewFromTable(table_, seatOfConnection(table_, connectionId_));
    if (event == SCORE_SHEET_CHANGED) {
        std::lock_guard lock(table_.tableLock);
        message.sheet().assign(table_.sheet);
    }
    sendToClient(table_, connectionId_, streamToXml(message));
}
