#pragma once
// Draws the course of one game: the bids of the three seats, the skat as
// dealt and as laid away, the announced game and every trick as small cards
// with the running card points of both parties. It keeps its own copy of
// the game; a stored game's list entry is watched so its going away clears
// the picture.

#include "skat/engine/Observable.h"
#include "skat/engine/Skat.h"
#include "skat/engine/Spielstruct.h"
#include "skat/engine/Stapel.h"
#include "vordix/View.h"

#include <cstdint>
#include <string>
#include <vector>

class EIN_SPIEL;
class SKATTISCH;

class VERLAUF_RENDERER : public OBSERVER {
public:
    explicit VERLAUF_RENDERER(VORDIX_VIEW_INTERFACE* owner = nullptr);
    ~VERLAUF_RENDERER() override;
    VERLAUF_RENDERER(const VERLAUF_RENDERER&) = delete;
    VERLAUF_RENDERER& operator=(const VERLAUF_RENDERER&) = delete;

    void draw(VORDIX_ZEICHENBEREICH& area);
    void update(OBSERVABLE* source) override;
    void loadFromTable(SKATTISCH& table);
    void showListEntry(EIN_SPIEL* entry, int flags, int index);
    void copyGame(const STAPEL& stapel, const SPIELSTRUCT& record);

    // The texts of the picture, top to bottom (tests read them).
    std::vector<std::wstring> bidLines() const;
    // "plays Clubs Hand, Kontra by ..."; byUser: "you play ...".
    std::wstring gameLine(bool byUser = false) const;
    // Above the seat's column of cards: its name, for the declarer followed
    // by the game line; the user's own game as "you play ...".
    std::wstring headLine(int seat) const;
    static constexpr int USER_SEAT = 1;
    // Running totals after each trick: declarer party, defenders; and the
    // trick (1-based) that gets each party's highlight (0 for none).
    struct Running {
        std::vector<int> declarer, defenders;
        int declarerMark = 0, defendersMark = 0;
    };
    Running runningPoints() const;
    // The picture's full height (the view is sized to it).
    static constexpr int HEIGHT = 655;

    VORDIX_VIEW_INTERFACE* owner = nullptr; // not owned
    STAPEL stapel;
    SKAT skat; // as dealt
    SPIELSTRUCT record;
    bool showsTableGame = false;
    bool currentGame = false;
    EIN_SPIEL* entry = nullptr; // not owned; observed
    std::int32_t entryIndex = 0;
    std::int32_t scrollOffset = 0;
    std::int32_t cardWidth = 32;
    std::int32_t cardHeight = 48;

private:
    void leaveEntry();
    std::wstring seatName(int seat) const;
};

class VERLAUF_VORDIX_VIEW : public VORDIX_VIEW {
public:
    VERLAUF_VORDIX_VIEW() : renderer(this) { }
    void draw(VORDIX_ZEICHENBEREICH& area) override { renderer.draw(area); }
    VERLAUF_RENDERER renderer;
};
