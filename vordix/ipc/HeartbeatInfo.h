#pragma once
// What the heartbeat learns about one connection.

#include <ctime>

namespace VORDIX_IPC {

class IHeartbeatInfo {
public:
    virtual ~IHeartbeatInfo() = default;
    virtual bool isHealthy() const = 0;                // load at most 1.0
    virtual int getRoundTripMs() const = 0;            // of the last attempt
    virtual int getPeriod() const = 0;                 // seconds (rounded down)
    virtual timespec getLastHeartbeatTime() const = 0; // wall clock of the last answer
    virtual double getLoad() const = 0;
};

} // namespace VORDIX_IPC
