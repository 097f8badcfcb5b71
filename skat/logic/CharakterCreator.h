#pragma once
// The three player profiles, rebuilt at every start by replaying the
// finished games of the score sheets ("Historie.skt"). The profile of the
// player in seat s is profile (s + 2) mod 3.

#include "skat/logic/Charakter.h"

#include <array>
#include <atomic>
#include <filesystem>

class LISTE;

class CHARAKTER_CREATOR {
public:
    CHARAKTER_CREATOR();
    virtual ~CHARAKTER_CREATOR();

    // Replays every complete row of the sheet (Ramsch, passed-in,
    // unfinished and inconsistent rows are skipped).
    void learnFromSheet(const LISTE& sheet);
    // Writes the three profiles' reports ("Charakter_Log0" to
    // "Charakter_Log2") into the folder; returns how many were written.
    int writeReports(const std::filesystem::path& folder) const;
    const CHARAKTER& profileOfSeat(Seat seat) const { return profiles[static_cast<std::size_t>((seat + 2) % 3)]; }

    // Set, with release order, once the start-up replay has finished.
    void setLoaded(bool value) { loaded_.store(value, std::memory_order_release); }
    bool loaded() const { return loaded_.load(std::memory_order_acquire); }

    std::array<CHARAKTER, 3> profiles;

private:
    std::atomic<bool> loaded_{false};
};

// The process-wide store.
CHARAKTER_CREATOR& profileStore();

// The start-up replay: the user's sheet (when it loads) and then the one
// shipped beside the program; the loaded flag is set only when the shipped
// sheet loaded. Returns that.
bool loadProfiles(CHARAKTER_CREATOR& store, const std::filesystem::path& userSheet,
                  const std::filesystem::path& shippedSheet);
