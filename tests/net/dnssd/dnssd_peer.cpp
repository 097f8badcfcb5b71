// One side of a network game found over DNS-SD, run by two_namespaces.sh in
// a network namespace of its own with its own D-Bus and Avahi daemons:
//
//   dnssd_peer host PORT
//       hosts a table on PORT, advertised over DNS-SD as the program does,
//       and waits until a guest sits at slot 1;
//   dnssd_peer join HOSTNAME PORT
//       looks for tables as the join dialog does, expects the one of
//       HOSTNAME (registered without a name, so under the host's name) on
//       PORT, resolves it to its address and joins it by that address.
//
// Each prints what it saw, one fact a line, and ends with 0 when all held.
// Every wait is bounded; the script bounds the whole run as well.

#include "skat/net/TableDiscovery.h"
#include "tests/engine/test_table_support.h"
#include "tests/net/NetworkGuest.h"
#include "vordix/Utf8.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

namespace {

using namespace std::chrono_literals;

int fail(const std::string& why)
{
    std::printf("FAILED: %s\n", why.c_str());
    std::fflush(stdout);
    return 1;
}

void say(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string utf8(const std::wstring& text) { return vordix::toUtf8(text); }

int host(std::uint16_t port)
{
    if (!installTableAdvertising())
        return fail("the DNS-SD library could not be loaded");
    nettest::Host host;
    if (!host.server->openNetworkTable(port))
        return fail("the table does not listen on port " + std::to_string(port));
    if (!host.server->isAdvertised())
        return fail("the table is not advertised");
    say("hosting on port " + std::to_string(host.port()) + ", advertised");
    const auto seated = [&] {
        const PLAYER* guest = host.table().playerInSlot(1);
        const REMOTE_PLAYER* remote = guest ? guest->isRemote() : nullptr;
        return remote && remote->connection.connected;
    };
    if (!host.pumpUntil(seated))
        return fail("no guest sat down");
    say("guest seated at slot 1: " + utf8(host.table().playerInSlot(1)->name()));
    // Long enough for the guest to hear its seating before the table closes.
    host.pumpFor(1500ms);
    return 0;
}

int join(const std::string& hostName, int port)
{
    TABLE_DISCOVERY discovery;
    std::mutex mutex;
    std::condition_variable changed;
    const auto waitFor = [&](auto predicate) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 10s, predicate);
    };
    if (!discovery.start([&] { changed.notify_all(); }))
        return fail("discovery does not start (no DNS-SD library?)");
    if (!waitFor([&] { return !discovery.tables().empty(); }))
        return fail("no table found");
    const FoundTable found = discovery.tables().front();
    say("found table \"" + utf8(found.name) + "\"");
    if (utf8(found.name) != hostName)
        return fail("the table is not listed under the host's name " + hostName);
    if (!discovery.resolve(0))
        return fail("resolving does not start");
    if (!waitFor([&] { return !discovery.tables().empty() && !discovery.tables().front().address.empty(); }))
        return fail("the table's address was not found");
    const FoundTable resolved = discovery.tables().front();
    say("resolved to " + utf8(resolved.host) + " port " + std::to_string(resolved.port) + " address "
        + utf8(resolved.address));
    if (resolved.port != port)
        return fail("the port is not " + std::to_string(port) + " (byte order?)");
    if (utf8(resolved.host).rfind(hostName + ".local", 0) != 0)
        return fail("the host is not " + hostName + ".local");
    discovery.stop();

    nettest::Host joiner;
    if (!joiner.server->joinNetworkTable(resolved.connectTo(), static_cast<std::uint16_t>(resolved.port)))
        return fail("no connection to " + utf8(resolved.connectTo()));
    say("connected to " + utf8(resolved.connectTo()));
    if (!joiner.pumpUntil([&] { return joiner.server->ownSlot() == 1; }))
        return fail("not seated");
    say("seated at slot 1");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    installTableServices(std::make_shared<table_test::TestServices>());
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "host" && argc == 3)
        return host(static_cast<std::uint16_t>(std::atoi(argv[2])));
    if (mode == "join" && argc == 4)
        return join(argv[2], std::atoi(argv[3]));
    std::fprintf(stderr, "usage: %s host PORT | join HOSTNAME PORT\n", argv[0]);
    return 2;
}
