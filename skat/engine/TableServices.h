#pragma once
// What the table takes from the application shell, the table server and the
// network layer: the closing flag, GUI event pumping, the players' names and
// options, the high-score list, the statistics sheet and sending game
// messages to other programs. The defaults suit a program without windows
// (tests, benchmarks); the shell installs its own implementation.

#include <cstdint>
#include <memory>
#include <string>

class SPIELKARTEN;
class SPIELSTRUCT;

class TABLE_SERVICES {
public:
    virtual ~TABLE_SERVICES();

    // Set once the application shuts down; a game loop that ends then keeps
    // the saved running game and reports nothing.
    virtual bool applicationClosing() const;
    // Set by a stopped loop so that late player callbacks are dropped;
    // cleared by the shell's message handler.
    virtual void setSuppressTableCallbacks(bool on);
    virtual bool suppressTableCallbacks() const;

    // Lets the GUI thread work for ms milliseconds (the default sleeps).
    virtual void processEvents(int ms);
    virtual void sleepMs(int ms);

    // Play delay in milliseconds (0, 500, 1000 or 1500).
    virtual int playDelayMs() const;
    // How long a finished trick stays on the table before it is taken away
    // by itself (a click or a key takes it sooner): a second more than the
    // play delay, none without a delay.
    virtual int trickHoldMs() const;
    // Display name of a player id 0..2 (the seat-name preferences).
    virtual std::wstring seatName(int playerId) const;
    // The user cuts the deck himself; the user clears finished tricks himself.
    virtual bool manualCut() const;
    virtual bool confirmTricksByClick() const;
    // The computer players remark on the game in speech balloons.
    virtual bool playerComments() const;

    // A value 0..n-1 from the application's random numbers (computer cuts).
    virtual int drawApplicationRandom(int n);

    // High-score list: appended and saved.
    virtual void addHighScore(const std::wstring& name, int total, const std::wstring& dateText);
    // The table server's statistics sheet.
    virtual void addToStatisticsSheet(const SPIELSTRUCT& record, const SPIELKARTEN& cards);
    virtual void saveStatisticsSheet();

    // Network: the id this program's table server sends as, and one-way
    // sends of a game message's XML text; false when it could not be sent.
    virtual std::wstring serverId() const;
    virtual bool sendToConnection(std::uint32_t connectionId, const std::string& xml);
    virtual bool sendToHost(const std::string& xml);
    virtual void disconnectHost();

    // A note for the log (illegal computer answers, refused answers).
    virtual void log(const std::wstring& text);
};

// The services in force (never null); safe from any thread.
std::shared_ptr<TABLE_SERVICES> tableServices();
// Installs services; null restores the defaults.
void installTableServices(std::shared_ptr<TABLE_SERVICES> services);
