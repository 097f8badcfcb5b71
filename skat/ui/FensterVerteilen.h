#pragma once
// The card-deal editor window: three hand bands (forehand, middlehand,
// rearhand) on the table's cloth, the card grid of the free cards with the
// pile of picked ones, and a toolbar to load, save, undo, clear, turn the
// seats, fill at random, search a Grand or a Null deal and play the deal,
// with the table's players or with the user in all three seats.
// Cards are placed by clicks and drags (press, move, release); the search
// runs on a thread of its own and the window stays usable meanwhile.

#include "skat/engine/KartenverteilungDoc.h"
#include "skat/ui/KartenVerteilen.h"
#include "skat/ui/TablePress.h"
#include "vordix/Fenster.h"
#include "vordix/Random.h"

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

struct VORDIX_MESSAGE;

class FENSTER_VERTEILEN : public VORDIX_FENSTER {
public:
    static constexpr int FORM_ID = 8;
    static constexpr int WIDTH = 640;
    static constexpr int HEIGHT = 362;
    static constexpr int ACTION_CLEAR = 439;
    static constexpr int ACTION_FILL = 440;
    static constexpr int ACTION_UNDO = 441;
    static constexpr int ACTION_LOAD = 442;
    static constexpr int ACTION_SAVE = 443;
    static constexpr int ACTION_PLAY = 444;
    static constexpr int ACTION_PLAY_BY_USER = 445;
    static constexpr int ACTION_ROTATE = 446;
    static constexpr int ACTION_GRAND = 447;
    static constexpr int ACTION_NULL = 448;

    // Where things lie in the window.
    static constexpr int CARD_WIDTH = 96;
    static constexpr int CARD_HEIGHT = 144;
    static constexpr int CARD_STEP = 48;
    static constexpr int GRID_X = 544;
    static constexpr int CELL_WIDTH = 24;
    static constexpr int CELL_HEIGHT = 22;
    static constexpr int PILE_X = 544;
    static constexpr int PILE_Y = 202;
    static constexpr int BAND_WIDTH = 542;
    // The grid's rows from the top: jack, ace, ten, king, queen, 9, 8, 7.
    static constexpr int GRID_ROWS[8] = {3, 7, 6, 5, 4, 2, 1, 0};

    FENSTER_VERTEILEN();
    ~FENSTER_VERTEILEN() override;

    // Builds the window and reads the default deal from the user's folder.
    void create();
    // Shows the window with its deal sorted.
    void open();
    // Shows a deal (the history window's game); undoable.
    void setDistribution(const KARTENVERTEILUNG& deal);
    void onMessage(VORDIX_MESSAGE& message) override;
    void paint(VORDIX_ZEICHENBEREICH& area) override;

    // Reads a deal document; a deal that is not whole is refused with a
    // message and changes nothing. False when nothing was taken.
    bool loadFrom(const VORDIX_FILE& file);
    // Starts the Grand or Null search (when none runs).
    void startSearch(int action);
    bool searching() const { return searching_; }

    // The band a point lies in (0..2), -1 for none; the band of a drop
    // rectangle's top edge.
    static int bandAtPress(int y);
    static int bandAtDrop(int top);
    // The card of the grid under a point, NO_CARD for none.
    static CardId gridCardAt(int x, int y);

    KARTEN_VERTEILEN editor;
    KARTENVERTEILUNG_DOC document;
    VORDIX_RANDOM random;
    DealSearchLimits searchLimits;
    // What the window's play actions do (the table server by default);
    // byUser: the user plays all three hands.
    std::function<void(const KARTENVERTEILUNG& deal, bool byUser)> playDeal;
    // The raters of the search (the computer player's by default).
    std::function<HandRater(int action)> raterFor;

private:
    void updateActions();
    void repaint();
    void press(int x, int y);
    std::vector<HitRegion> regions();
    std::optional<PressFollower> dragCard(int band, int place, int x, int y);
    std::optional<PressFollower> dragPile(int x, int y);
    void finishSearch(const DealSearchOutcome& outcome);
    void save();
    void load();

    TABLE_PRESS press_;
    // The card or pile being dragged: its rectangle's top-left corner.
    CardId draggedCard_ = NO_CARD;
    bool draggingPile_ = false;
    int dragX_ = 0, dragY_ = 0;
    bool searching_ = false;
    std::jthread search_;
    // Cleared when the window goes: a search result that arrives later is dropped.
    std::shared_ptr<std::atomic<FENSTER_VERTEILEN*>> alive_;
};
