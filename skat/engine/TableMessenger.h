#pragma once
// How the table's messages travel: table events and player requests to this
// program's own queue worker, requests to players at joined programs, and a
// joined program's answers back to its host. The network layer installs the
// real messenger at start-up; until then nothing is sent and every post
// fails.

#include "skat/engine/PlayerAktion.h"

#include <cstdint>
#include <functional>
#include <memory>

class SKATTISCH;

class TABLE_MESSENGER {
public:
    virtual ~TABLE_MESSENGER();

    // A table event for this program's windows: builds its message from the
    // table's state now (taking the table lock); the returned call posts it
    // to the table's queue (false when it could not be posted).
    virtual std::function<bool()> prepareEvent(SKATTISCH& table, int event, int value);
    // A request for the table's local player in the slot.
    virtual bool postRequest(SKATTISCH& table, int slot, PlayerRequest kind);
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
