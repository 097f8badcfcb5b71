#pragma once
// The score-sheet window: the fixed header (player names) and footer
// (totals, money) painted by the window itself, the rows in a scrolling view
// between them, a selection and a toolbar that starts, loads, continues,
// saves and prints lists and opens the selected game's history.

#include "skat/ui/FensterStiche.h"
#include "skat/ui/ListeRenderer.h"
#include "vordix/Fenster.h"
#include "vordix/View.h"

#include <functional>

struct VORDIX_MESSAGE;

// The scrolling rows of the sheet.
class LISTE_VORDIX_VIEW : public VORDIX_VIEW {
public:
    LISTE_VORDIX_VIEW();
    void draw(VORDIX_ZEICHENBEREICH& area) override;
    // Width 480; height of every row slot plus the renderer's header and
    // footer (none in rows mode).
    void fitToRows();

    LISTE_RENDERER renderer;
};

class FENSTER_LISTE : public VORDIX_FENSTER {
public:
    static constexpr int FORM_ID = 5;
    static constexpr int ACTION_NEW = 433;
    static constexpr int ACTION_LOAD = 434;
    static constexpr int ACTION_CONTINUE = 435;
    static constexpr int ACTION_SAVE = 436;
    static constexpr int ACTION_PRINT = 437;
    static constexpr int ACTION_HISTORY = 438;
    static constexpr int COMMAND_NEW_LIST = 460;
    static constexpr int COMMAND_LOAD_LIST = 461;
    static constexpr int COMMAND_CONTINUE_LIST = 462;
    static constexpr int COMMAND_SAVE_LIST = 469;
    // Header 72 + footer 103: the fixed part of the client height.
    static constexpr int FRAME_HEIGHT = 175;
    static constexpr int ROW_HEIGHT = 15;
    static constexpr int KEY_ESCAPE = FENSTER_STICHE::KEY_ESCAPE;

    FENSTER_LISTE();
    ~FENSTER_LISTE() override;

    void create();
    void close() override;
    void onMessage(VORDIX_MESSAGE& message) override;
    void paint(VORDIX_ZEICHENBEREICH& area) override;

    // Shows the list in both renderers (null detaches).
    void attachList(LISTE* list);
    LISTE* shownList() const { return rows.renderer.list; }
    int selectedRow() const { return rows.renderer.highlightedRow; }

    void updateTitle();
    void refresh();
    void placeWindow();
    // At the work area's top left, as high as the whole window fits in it.
    void fitInto(const RECTANGLE& workArea);
    void selectRow(int row);
    void showSelectedHistory();
    // A client height the user dragged to, snapped to whole rows.
    static void snapHeight(int* width, int* height);
    static int snappedHeight(int height) { return ((height - FRAME_HEIGHT) / ROW_HEIGHT) * ROW_HEIGHT + FRAME_HEIGHT; }
    // Whether row i of the list can be replayed (all tricks, or a whole deal).
    static bool isReplayable(const LISTE& list, int row);

    // Hands an application command (MESSAGE_COMMAND) to the application.
    std::function<void(VORDIX_MESSAGE&)> sendCommand;
    // The print command (the PDF score sheet in the user's viewer).
    std::function<bool(const LISTE&)> print;

    FENSTER_STICHE tricks;
    LISTE_VORDIX_VIEW rows;
    LISTE_RENDERER frame;
    int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
    int historyAction = ACTION_HISTORY;

private:
    void pressAt(int y, bool doubleClick);
    void command(int id);
};
