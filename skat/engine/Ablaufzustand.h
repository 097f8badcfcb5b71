#pragma once
// The game-flow states. The game loop creates the state for an index, saves
// the running game, runs it and goes on with the index the state left in
// `next` until that is STATE_STOP. States change the card state and the
// record only under the table lock, and never hold it while they report an
// event or ask a player.

#include "skat/engine/Skattisch.h"

#include <memory>
#include <thread>

class ABLAUFZUSTAND {
public:
    explicit ABLAUFZUSTAND(SKATTISCH_SERVER& table) : table(table) { }
    virtual ~ABLAUFZUSTAND();
    virtual void run() = 0;

    SKATTISCH_SERVER& table;
    int next = STATE_STOP;

protected:
    // Reports and tests the stop flag: false (next = STATE_STOP) when stopped.
    bool report(TableEvent event);
    bool reportWithValue(TableEvent event, int value);
    // Asks the player of the seat; false (next = STATE_STOP) when no answer came.
    bool ask(PlayerRequest kind, Seat seat);
    PLAYER_AKTION answerOfSeat(Seat seat) const;
    bool stopped() const { return table.stopRequested(); }
    // Exercise bookkeeping: the play differs from the stored game at trick t
    // (0 before the card play); reports STATUS_CHANGED every time, keeps
    // the first t. False (next = STATE_STOP) when stopped.
    bool noteDeviation(int trick);
};

class ZUSTAND_NEUES_SPIEL : public ABLAUFZUSTAND {
public:
    using ABLAUFZUSTAND::ABLAUFZUSTAND;
    void run() override;
};

class ZUSTAND_ABHEBEN_UND_GEBEN : public ABLAUFZUSTAND {
public:
    using ABLAUFZUSTAND::ABLAUFZUSTAND;
    void run() override;
};

class ZUSTAND_REIZ_VORSCHLAG : public ABLAUFZUSTAND {
public:
    using ABLAUFZUSTAND::ABLAUFZUSTAND;
    void run() override;
};

class ZUSTAND_REIZEN : public ABLAUFZUSTAND {
public:
    using ABLAUFZUSTAND::ABLAUFZUSTAND;
    void run() override;
};

class ZUSTAND_SPIEL_ANSAGEN : public ABLAUFZUSTAND {
public:
    using ABLAUFZUSTAND::ABLAUFZUSTAND;
    void run() override;

private:
    bool takeSkatAndDiscard(Seat declarer, ::SPIELART& announced);
};

class ZUSTAND_RAMSCH_ANSAGEN : public ZUSTAND_SPIEL_ANSAGEN {
public:
    using ZUSTAND_SPIEL_ANSAGEN::ZUSTAND_SPIEL_ANSAGEN;
    void run() override;
};

class ZUSTAND_KARTE_AUSSPIELEN : public ABLAUFZUSTAND {
public:
    using ABLAUFZUSTAND::ABLAUFZUSTAND;
    void run() override;

private:
    bool takeBack();
};

class ZUSTAND_STICH_ABLEGEN : public ABLAUFZUSTAND {
public:
    using ABLAUFZUSTAND::ABLAUFZUSTAND;
    void run() override;

private:
    // Collects the full trick; false when the loop ends.
    bool collectTrick(GameType type, CardId winningCard);
    bool tableTalk(GameType type, CardId winningCard);
};

class ZUSTAND_ABRECHNUNG : public ABLAUFZUSTAND {
public:
    using ABLAUFZUSTAND::ABLAUFZUSTAND;
    ~ZUSTAND_ABRECHNUNG() override;
    void run() override;

protected:
    // Enters the finished game in the sheet when the list end counts.
    void enterGameInSheet();
    // Saves the statistics sheet and the score sheet on the game-end thread.
    void startGameEndWork();
    void joinGameEndWork();
    // Enters the game, starts the game-end work, reports the end event and
    // the sheet change and waits for every player's confirmation; false
    // when the loop ends.
    bool confirmGameEnd(TableEvent endEvent, PlayerRequest confirmRequest);
    bool sheetIsFull() const;
    // 1 next game, 2 end, 3 repeat, 4 end after a settlement.
    int decision() const;
    // High scores and the list-end confirmations; false when the loop ends.
    bool finishList();

    std::thread bookkeepingThread;
};

class ZUSTAND_EINGEPASST : public ZUSTAND_ABRECHNUNG {
public:
    using ZUSTAND_ABRECHNUNG::ZUSTAND_ABRECHNUNG;
    void run() override;
};

// The state object for an index; any index outside 1..10 starts a new game.
std::unique_ptr<ABLAUFZUSTAND> createState(int index, SKATTISCH_SERVER& table);
