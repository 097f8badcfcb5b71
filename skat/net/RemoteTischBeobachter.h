#pragma once
// The observer that stands for a joined program at a hosted table: it sends
// every table event with the table's state over the program's connection
// (and the score sheet with a sheet change).

#include "skat/engine/TischBeobachter.h"

#include <cstdint>

class SKATTISCH;

class REMOTE_TISCH_BEOBACHTER : public TISCH_BEOBACHTER {
public:
    REMOTE_TISCH_BEOBACHTER(SKATTISCH& table, std::uint32_t connectionId) : table_(table), connectionId_(connectionId)
    {
    }

    void notify(int event) override;
    void notifyWithValue(int event, int value) override;

    std::uint32_t connectionId() const { return connectionId_; }

private:
    SKATTISCH& table_;
    std::uint32_t connectionId_;
};
