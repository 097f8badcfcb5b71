#pragma once
// The two network dialogs. The host dialog ("Neues Netzwerkspiel starten")
// runs while this program offers its table: the user chooses for seats 1
// and 2 a network or a computer player, the seat lines follow the guests as
// they join, and "Start" is enabled once every seat is taken. The join
// dialog ("An Netzwerkspiel teilnehmen") lists the tables found on the local
// network (when DNS-SD is there), connects to a chosen or typed host, asks
// for a seat and shows the host's seating; it ends when the host starts.

#include "skat/net/TableDiscovery.h"
#include "vordix/Dialog.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class SKAT_SERVER;
class VORDIX_FENSTER;

class DIALOG_NETZ_SPIEL_EINLEITEN : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 308;
    static constexpr int START = 309, STATUS = 310, HELP = 320;
    static constexpr int POPUP[3] = {311, 314, 317};
    static constexpr int NAME[3] = {312, 315, 318};
    static constexpr int ADDRESS[3] = {313, 316, 319};

    DIALOG_NETZ_SPIEL_EINLEITEN(VORDIX_FENSTER* parent, SKAT_SERVER& server);

    // Runs the dialog (modal): true when the user started the game.
    bool run();
    void initDialog() override;
    void onCommand(int controlId) override;
    // Refreshes the seat lines, the status line and the start button.
    void updateSeats();

private:
    SKAT_SERVER& server_;
};

class DIALOG_NETZ_SPIEL_TEILNEHMEN : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 321;
    static constexpr int SERVER_LIST = 322, STARTED = 323, JOIN = 333, HOST = 334, STATUS = 335, CONNECT = 336,
                         HELP = 337;
    static constexpr int TYPE[3] = {324, 327, 330};
    static constexpr int NAME[3] = {325, 328, 331};
    static constexpr int ADDRESS[3] = {326, 329, 332};
    // Notices posted to the dialog itself.
    static constexpr std::uint32_t NOTICE_LIST_CHANGED = 1, NOTICE_STARTED = 2;

    DIALOG_NETZ_SPIEL_TEILNEHMEN(VORDIX_FENSTER* parent, SKAT_SERVER& server);
    ~DIALOG_NETZ_SPIEL_TEILNEHMEN() override;

    // Runs the dialog (modal): true when it ended because the host started
    // a game at which the user sits.
    bool run();
    // From any thread: ends a running dialog because the game began.
    bool endForGame();
    void initDialog() override;
    void onCommand(int controlId) override;
    void onNotify(const PostedMessage& message) override;
    void onClosed() override;
    // Refreshes the seat lines and the buttons.
    void fillSeatLines();

    // The tables found on the local network (empty without DNS-SD).
    std::vector<FoundTable> found() const { return discovery_.tables(); }
    bool discoveryAvailable() const { return discovery_.isRunning(); }

private:
    void rebuildServiceList();
    // The table chosen in the list, as known now.
    std::optional<FoundTable> selectedTable() const;
    void post(std::uint32_t notice);

    SKAT_SERVER& server_;
    TABLE_DISCOVERY discovery_;
    int selected_ = -1;
    bool connected_ = false;
    bool seated_ = false;
    std::atomic<bool> running_{false};
};
