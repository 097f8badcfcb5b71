#pragma once
// The four learning aids of a free game as the main window keeps them: play
// suggestions (the analysis and its status text), the points accounts of
// the two piles, the course of the game (the tricks taken so far with the
// take-back button) and the other players' hands. The hints panel, the
// free-game dialog and the menu commands read and set them here.

class FENSTER_SKAT;

struct TableAids {
    bool suggestions = false;
    bool points = false;
    bool history = false;
    bool otherHands = false;
    bool operator==(const TableAids&) const = default;
};

// The aids the window is asked for, whatever the game.
TableAids wantedAids(const FENSTER_SKAT& window);
// The aids as the check boxes show them: suggestions, points and history
// count only in a free game (the table's free-game flag), suggestions not
// in the small layout, where the status text has no room; the other hands
// whatever the game.
TableAids shownAids(const FENSTER_SKAT& window);
// Sets the aids and brings the window up to date: the status text of the
// suggestions, the hands and the piles.
void applyAids(FENSTER_SKAT& window, const TableAids& aids);
