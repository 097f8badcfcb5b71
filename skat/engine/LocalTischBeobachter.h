#pragma once
// The observer that stands for this program's own windows at a table: the
// game loop waits in its notification until the table server's worker has
// run the windows' side of the event (or the loop is being stopped).

#include "skat/engine/CardTypes.h"
#include "skat/engine/TischBeobachter.h"

#include <array>
#include <string>
#include <vector>

class SKATTISCH;
class SPIELSTRUCT;
struct SettlementTally;

// One remark of table talk: the seat that says it and its phrase (the name
// of its sound; the windows show the phrase's text in the seat's balloon).
struct TableTalk {
    Seat seat = SEAT_NONE;
    std::wstring phrase;
    int value = 0; // a bid value written into the text
    bool operator==(const TableTalk&) const = default;
};

// What a computer seat says to its bid: the value it names, a yes to the
// value it is asked, or that it passes (the seat's bid fell short of the
// value at stake). mode and bidIndex are the bidding's state at the answer
// (mode 1: the seat names the next value); the wording varies with the
// player and the bid.
TableTalk bidRemark(Seat seat, int mode, int bidIndex, int said, int playerId);

// What is said at the table when a game is settled: at most two remarks,
// chosen by the outcome, first a defender's, then the declarer's; only
// seats that may speak (the computer players) say anything.
std::vector<TableTalk> settlementTalk(const SPIELSTRUCT& record, const SettlementTally& tally,
                                      const std::array<bool, 3>& maySpeak);

class LOCAL_TISCH_BEOBACHTER : public TISCH_BEOBACHTER {
public:
    explicit LOCAL_TISCH_BEOBACHTER(SKATTISCH& table) : table_(table) { }

    // Hands the event to the table's queue worker and waits until it was
    // handled or the game loop is being stopped.
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
