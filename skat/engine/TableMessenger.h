#pragma once
// How the table's messages travel over the network: requests to players at
// joined programs, and a joined program's answers back to its host. The
// table's own events and its local players' requests never become messages
// (SKATTISCH::postLocal). The network layer installs the real messenger at
// start-up; until then nothing is sent and every send fails.

#include "skat/engine/PlayerAktion.h"

#include <cstdint>
#include <memory>

class SKATTISCH;

class TABLE_MESSENGER {
public:
    virtual ~TABLE_MESSENGER();

    // A request for the remote player in the slot, over its connection.
    virtual bool sendRequest(SKATTISCH& table, int slot, PlayerRequest kind, std::uint32_t connectionId);
    // The joined program's answer of its player in the slot, to the host.
    virtual bool sendAnswer(SKATTISCH& table, int slot, const PLAYER_AKTION& answer);
    // The joined program leaves the host's table.
    virtual void sendLeaving();
};

std::shared_ptr<TABLE_MESSENGER> tableMessenger();
// Installs the messenger; null restores the silent one.
void installTableMessenger(std::shared_ptr<TABLE_MESSENGER> messenger);
