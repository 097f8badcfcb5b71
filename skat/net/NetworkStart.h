#pragma once
// Scripted network runs start a program that hosts or joins a table at
// once, without the dialogs: the value of SKAT_NETWORK_START is "host" (a
// table whose two other seats wait for guests; its game starts once both
// are taken) or "join:ADDRESS" (joins the table there with the user's name
// and picture). The port is gamePort() on both sides.

#include <string>

class SKAT_SERVER;

struct NetworkStart {
    enum Kind { NONE, HOST, JOIN };
    Kind kind = NONE;
    std::wstring address; // JOIN: the host's name or address

    // NONE for a missing, empty or unknown value, or "join:" without an address.
    static NetworkStart parse(const char* value);
    static NetworkStart fromEnvironment();
};

// Runs the start (GUI thread); false when nothing was hosted or joined.
bool runNetworkStart(SKAT_SERVER& server, const NetworkStart& start);
// A table hosted this way starts its game once every seat is taken (called
// whenever the seats change; GUI thread). True when it started a game.
bool startHostedGameWhenComplete(SKAT_SERVER& server, const NetworkStart& start);
