#pragma once
// The observer that stands for this program's own windows at a table: the
// game loop waits in its notification until the table server's worker has
// run the windows' side of the event (or the loop is being stopped).

#include "skat/engine/TischBeobachter.h"

class SKATTISCH;

class LOCAL_TISCH_BEOBACHTER : public TISCH_BEOBACHTER {
public:
    explicit LOCAL_TISCH_BEOBACHTER(SKATTISCH& table) : table_(table) {}

    // Posts the event as a game message and waits until it was handled or
    // the game loop is being stopped.
    void notify(int event) override;
    void notifyWithValue(int event, int value) override;

    bool isLocal() const override { return true; }
    // The windows' steps of an event (on the table server's worker; see
    // LocalTableEvents.cpp). Nothing happens without a main window.
    void handleEvent(int event) override;
    void handleEventWithValue(int event, int value) override;

private:
    void handOff(int event, int value);

    SKATTISCH& table_;
};
