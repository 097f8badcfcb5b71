#pragma once
// The one message the game side exchanges, between programs at a shared
// table and inside this program between its threads: element "SNM" with the
// kind in "TYP" and the framework's envelope "VNM" (sender in "SUID") as
// its child. The kind decides the body: chat, seating, a table event, a
// player request or a player's answer.

#include "skat/engine/Player.h"
#include "skat/engine/Spielkarten.h"
#include "skat/engine/Spielstruct.h"
#include "skat/engine/TableTypes.h"
#include "vordix/NetworkMessage.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

class LISTE;
class SKATTISCH;

class SKAT_NETWORKMESSAGE : public VORDIX_NETWORKMESSAGE {
public:
    SKAT_NETWORKMESSAGE();
    explicit SKAT_NETWORKMESSAGE(int kind, const std::wstring& sender = L"local");
    SKAT_NETWORKMESSAGE(const SKAT_NETWORKMESSAGE& other);
    SKAT_NETWORKMESSAGE& operator=(const SKAT_NETWORKMESSAGE& other);
    ~SKAT_NETWORKMESSAGE() override;

    // False for a missing envelope, a kind outside 1..10 or a body the kind
    // needs.
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "SNM"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;

    // The table's run id, state index, card state, game record and seat
    // names (not its score sheet); takes the table lock.
    void fillFromTable(SKATTISCH& table);
    // The same for a program at the seat: its cards travel as that seat's
    // view ("PARTIELLE_SPIELKARTEN"), without the other hands and without a
    // skat the seat has not taken; only the settlement shows every card.
    // SEAT_NONE hides every hand.
    void fillViewFromTable(SKATTISCH& table, Seat seat);

    const std::wstring& sender() const { return suid; }
    bool isLocal() const { return suid == L"local"; }

    void setChatText(const std::wstring& text) { chatText = text; }
    const std::wstring& getChatText() const { return chatText; }
    const std::wstring& getSeatName(Seat seat) const;

    // The score sheet (created on first use); only kind 8 carries it.
    LISTE& sheet();
    const LISTE* sheetIfAny() const { return sheet_.get(); }

    int kind = 0;
    std::wstring chatText;
    std::array<std::wstring, 3> seatNames;
    int reply = 0;
    std::uint32_t gameUid = 0;
    int stateIndex = 0;
    SPIELKARTEN cards;
    // Set when the cards are one seat's view; the sizes of all three hands.
    bool partialView = false;
    Seat viewSeat = SEAT_NONE;
    std::array<int, 3> handSizes{};
    SPIELSTRUCT record;
    int event = 0;
    int eventValue = 0;
    int action = 0;
    int seat = -1;
    int answer = 0;
    SKAT skat;
    ::SPIELART spielart;
    // The joining program's player (kind 3) and the seats of a setup reply
    // (kind 4), as values.
    std::optional<PlayerDescription> clientPlayer;
    std::array<std::optional<PlayerDescription>, 3> seatPlayers;

private:
    bool readChat(const tinyxml2::XMLElement& snm);
    bool readSetupRequest(const tinyxml2::XMLElement& snm, const tinyxml2::XMLDocument& document);
    bool readSetupReply(const tinyxml2::XMLElement& snm, const tinyxml2::XMLDocument& document);
    bool readTableNotification(const tinyxml2::XMLElement& snm, const tinyxml2::XMLDocument& document);
    bool readPlayerAction(const tinyxml2::XMLElement& snm, const tinyxml2::XMLDocument& document);
    bool readGameState(const tinyxml2::XMLElement& snm, const tinyxml2::XMLDocument& document);
    void writeGameState(tinyxml2::XMLElement& snm, tinyxml2::XMLDocument& document) const;

    std::unique_ptr<LISTE> sheet_;
};
