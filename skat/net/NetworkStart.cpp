#include "skat/net/NetworkStart.h"

#include "skat/engine/Player.h"
#include "skat/engine/TableServices.h"
#include "skat/net/SkatServer.h"
#include "vordix/Utf8.h"

#include <cstdlib>
#include <cstring>

NetworkStart NetworkStart::parse(const char* value)
{
    NetworkStart start;
    if (!value)
        return start;
    static constexpr char JOIN_PREFIX[] = "join:";
    if (std::strcmp(value, "host") == 0) {
        start.kind = HOST;
    } else if (std::strncmp(value, JOIN_PREFIX, sizeof JOIN_PREFIX - 1) == 0 && value[sizeof JOIN_PREFIX - 1]) {
        start.kind = JOIN;
        start.address = vordix::fromUtf8(value + sizeof JOIN_PREFIX - 1);
    }
    return start;
}

NetworkStart NetworkStart::fromEnvironment() { return parse(std::getenv("SKAT_NETWORK_START")); }

bool runNetworkStart(SKAT_SERVER& server, const NetworkStart& start)
{
    bool done = false;
    switch (start.kind) {
    case NetworkStart::NONE: return false;
    case NetworkStart::HOST: done = server.openNetworkTable(gamePort()); break;
    case NetworkStart::JOIN:
        done = server.joinNetworkTable(start.address, gamePort(), PLAYER::pictureFileBytes(0));
        break;
    }
    tableServices()->log(
        done ? L"Network start: "
                   + std::wstring(start.kind == NetworkStart::HOST ? L"hosting on port " : L"joined on port ")
                   + std::to_wstring(gamePort())
             : L"Network start failed");
    return done;
}

bool startHostedGameWhenComplete(SKAT_SERVER& server, const NetworkStart& start)
{
    // The server starts nothing before every seat is taken, nor twice.
    return start.kind == NetworkStart::HOST && server.startNetworkGame();
}
