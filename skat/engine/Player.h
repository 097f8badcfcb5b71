#pragma once
// The players in the three seats of a table. The game loop never talks to a
// player directly: it delivers a request (deliverRequest) and waits; the
// player answers later through the table's playerFinished with a copy of its
// action record. Local players (human, computer) get their request posted to
// the GUI side and answer there; remote players get it sent over the network.

#include "skat/engine/ComputerLogic.h"
#include "skat/engine/PlayerAktion.h"
#include "skat/engine/TableTypes.h"
#include "vordix/Stream.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class PLAYER_TABLE;
class REMOTE_PLAYER;
class VORDIX_BITMAP;
class VORDIX_FILE;

// A network connection a remote player is reached through. Element
// "CONNECTABLE" with "CONNECTED" and "PROXY_UID"; the connection id is not stored.
class CONNECTABLE : public VORDIX_STREAM {
public:
    ~CONNECTABLE() override;
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "CONNECTABLE"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;

    void connect(std::uint32_t id, const std::wstring& uid);
    std::wstring proxyUid() const { return proxyUid_; }

    std::uint32_t connectionId = 0;
    bool connected = false;

private:
    std::wstring proxyUid_;
};

class PLAYER : public VORDIX_STREAM {
public:
    explicit PLAYER(int id);
    ~PLAYER() override;
    PLAYER(const PLAYER&) = delete;
    PLAYER& operator=(const PLAYER&) = delete;

    // Element "PLAYER": "NAME" (display name), "TYP" (kind), "ID". Refuses
    // an id that is no seat slot (0..2) and a kind outside PlayerKind.
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "PLAYER"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;

    // Hands the request on; false when it could not be delivered. Called by
    // the table inside its suspender: it must not answer synchronously.
    virtual bool deliverRequest(PlayerRequest kind) = 0;
    // Display name: the seat-name preference of the id.
    virtual std::wstring name() const;

    REMOTE_PLAYER* isRemote();
    const REMOTE_PLAYER* isRemote() const;
    // The bid the table stored for this player's seat.
    int currentBid() const;
    // The pre-play proposal of the computer logic (or of the stored
    // exercise game while the exercise follows it).
    void initProposal();

    int id() const { return id_; }
    int kind() const { return kind_; }
    const std::wstring& heldName() const { return heldName_; }
    void setHeldName(const std::wstring& name) { heldName_ = name; }
    PLAYER_LOGIK& logic() { return *logic_; }
    const PLAYER_LOGIK& logic() const { return *logic_; }
    PLAYER_AKTION& action() { return action_; }
    const PLAYER_AKTION& action() const { return action_; }
    const GameSnapshot& situation() const { return situation_; }
    // The logic's pre-play proposal (or the stored exercise game's).
    const GameProposal& proposal() const { return proposal_; }
    bool hasHeld() const { return hasHeld_; }

    // The picture beside the seat: "Face<id>.png" in "SKAT/Grafik" of the
    // application-data folder (ids 0..2 only). Loaded at construction when
    // bitmaps can be made; a file that is no valid image gives no picture.
    void loadPicture();
    bool savePicture();
    void deletePicture();
    // Takes the bitmap when it holds an image; the old picture goes first.
    void setPicture(std::unique_ptr<VORDIX_BITMAP> picture);
    const VORDIX_BITMAP* picture() const { return picture_.get(); }
    // A picture that came as file bytes from another program: kept as it
    // came (to pass it on) and shown where bitmaps can be made; bytes that
    // are no image there leave the player without a picture.
    void setPictureData(const std::string& bytes);
    const std::vector<unsigned char>& pictureData() const { return pictureData_; }
    // The picture's file; false for ids without one.
    bool pictureFile(VORDIX_FILE& file, bool createFolders) const;
    // The bytes of the stored picture file of a player id (the user is 0),
    // empty without one: what a joining program sends the host.
    static std::string pictureFileBytes(int id);

    // Set by the table that seats the player.
    void attachTable(PLAYER_TABLE* table, int slot);
    PLAYER_TABLE* table() const { return table_; }
    // Seat of this player at its table; -1 when not seated.
    Seat seat() const;

protected:
    // Refreshes the situation from the table's card state and record.
    void refreshSituation();
    // Copies of the table's record and skat, taken under its lock.
    SPIELSTRUCT tableRecord() const;
    SKAT tableSkat() const;

    int id_;
    int kind_ = PLAYER_KIND_NONE;
    std::wstring heldName_;
    PLAYER_AKTION action_;
    GameSnapshot situation_;
    GameProposal proposal_;
    bool hasHeld_ = false;
    std::unique_ptr<PLAYER_LOGIK> logic_;
    PLAYER_TABLE* table_ = nullptr;
    std::unique_ptr<VORDIX_BITMAP> picture_;
    std::vector<unsigned char> pictureData_;
};

// A player of this program: its requests come back as posted messages and
// run on the table server's queue worker.
class LOCAL_PLAYER : public PLAYER {
public:
    using PLAYER::PLAYER;

    bool deliverRequest(PlayerRequest kind) override;
    // Runs the request: refreshes the situation, resets the action record
    // and calls the request's operation; a kind outside 1..11 does nothing.
    void dispatchRequest(int kind);

    virtual void cut() = 0;
    virtual void bid() = 0;
    virtual void chooseSkatOrHand() = 0;
    virtual void discard() = 0;
    virtual void announceGame() = 0;
    virtual void announceHandGame() = 0;
    virtual void playCard() = 0;
    virtual void confirmTrick() = 0;
    virtual void confirmListEnd() = 0;
    virtual void confirmSettlement() = 0;
    virtual void confirmPassedGame() = 0;

protected:
    // Reports the answer to the table, unless the application shuts down.
    void finishAction();
};

class COMPI_PLAYER : public LOCAL_PLAYER {
public:
    explicit COMPI_PLAYER(int id);

    void cut() override;
    void bid() override;
    void chooseSkatOrHand() override;
    void discard() override;
    void announceGame() override;
    void announceHandGame() override;
    void playCard() override;
    void confirmTrick() override { finishAction(); }
    void confirmListEnd() override { finishAction(); }
    void confirmSettlement() override { confirmGameEnd(); }
    void confirmPassedGame() override { confirmGameEnd(); }

    // The bid answer for a bid limit, by the record's bidding mode.
    static int bidAnswer(int limit, int bidIndex, int biddingMode, int currentBid);

private:
    void confirmGameEnd();
};

class HUMAN_PLAYER : public LOCAL_PLAYER {
public:
    explicit HUMAN_PLAYER(int id);
    ~HUMAN_PLAYER() override;

    void cut() override;
    void bid() override;
    void chooseSkatOrHand() override;
    void discard() override;
    void announceGame() override;
    void announceHandGame() override;
    void playCard() override;
    void confirmTrick() override;
    void confirmListEnd() override;
    void confirmSettlement() override;
    void confirmPassedGame() override;

    // Answer entries of the windows: each acts on the awaited human player
    // and reports the answer; false when no human player waits.
    static bool answerCut(int position);
    static bool answerBid(bool hold);
    static bool answerSkatOrHand(bool hand);
    static bool answerDiscard(CardId first, CardId second);
    static bool answerAnnounce(GameType type, int winLevel, int level, bool redoDiscard);
    static bool answerAnnounceHand(GameType type, int winLevel, int level, bool takeSkat);
    // Card 0 gives the game up; kontra/re mark a Kontra or Re call with the card.
    static bool answerCard(CardId card, bool kontra = false, bool re = false);
    static bool answerConfirm(int value = CONFIRM_NEXT_GAME, bool kontra = false);

    // The player whose answer the windows deliver next (null: none).
    static HUMAN_PLAYER* awaited();

protected:
    void awaitAnswer();

private:
    template <typename Fill>
    static bool answer(Fill fill);
};

// The user's own seat at a joined table.
class NETWORKCLIENT_PLAYER : public HUMAN_PLAYER {
public:
    explicit NETWORKCLIENT_PLAYER(int id);
    std::wstring name() const override;
};

// A player at another program, reached through its connection.
class REMOTE_PLAYER : public PLAYER {
public:
    explicit REMOTE_PLAYER(int id);
    bool deliverRequest(PlayerRequest kind) override;
    std::wstring name() const override { return heldName_; }

    CONNECTABLE connection;
};

// A remote seat that only watches.
class REMOTE_PLAYER_VIEW : public REMOTE_PLAYER {
public:
    explicit REMOTE_PLAYER_VIEW(int id);
};

// A player as a network message carries it, by value: kind, number, the
// name it shows (a remote player's held name, else the seat name) and, for
// the remote kinds, its connection.
struct PlayerDescription {
    int kind = PLAYER_KIND_NONE;
    int id = 0;
    std::wstring name;
    bool connected = false;
    std::wstring proxyUid;

    bool isRemote() const { return kind == PLAYER_KIND_REMOTE || kind == PLAYER_KIND_REMOTE_VIEW; }
    static PlayerDescription of(const PLAYER& player);
    // The element "PLAYER" ("NAME", "TYP", "ID"). Reading refuses (false,
    // nothing changed) a kind outside PlayerKind and an id that is no seat.
    bool read(const tinyxml2::XMLElement& element);
    void write(tinyxml2::XMLElement& element) const;
    // A new player of the description; null for a kind createPlayer does not make.
    std::unique_ptr<PLAYER> createPlayer() const;

    bool operator==(const PlayerDescription&) const = default;
};

// A new player of the kind (1..5); null for any other kind.
std::unique_ptr<PLAYER> createPlayer(int kind, int id);

// Kontra may be called by this player now (rules, state, hand size, bid);
// never in Ramsch or in an exercise still on the stored play.
bool mayCallKontra(const PLAYER& player);
// Re may be called by this player (the declarer after a Kontra).
bool mayCallRe(const PLAYER& player);
