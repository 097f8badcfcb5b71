#pragma once
// Where a table's messages to other programs go: the network side of the
// table server that owns the table. A table of none (tests, batch play)
// sends through the table services instead.

#include <cstdint>
#include <string>

class SKATTISCH;

class TABLE_NETWORK_SIDE {
public:
    virtual ~TABLE_NETWORK_SIDE() = default;
    virtual std::wstring senderId() const = 0;
    virtual bool sendToConnection(std::uint32_t connectionId, const std::string& xml) = 0;
    virtual bool sendToHost(const std::string& xml) = 0;
};

// Null side: the table belongs to none.
void setTableNetworkSide(const SKATTISCH* table, TABLE_NETWORK_SIDE* side);
TABLE_NETWORK_SIDE* tableNetworkSide(const SKATTISCH& table);
