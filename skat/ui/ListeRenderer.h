#pragma once
// Paints a score sheet (LISTE) into a drawing area: the player names on the
// sheet's top image, one line per game (symbol, Spitzen, level crosses, game
// value, the declarer's running total and cross) on repeated row segments,
// and the footer with totals, the Seeger-Fabian figures and the money.
//
// Mode 0 draws everything, mode 1 only the rows (header and footer heights
// 0: the scrolling part of the score-sheet window), mode 2 only the header
// and the footer (the window's fixed frame). The list is attached from
// outside: set `list`, then call prepareList(); a list going away detaches
// itself through update().

#include "skat/engine/Liste.h"
#include "skat/engine/Observable.h"

#include <string>

class VORDIX_VIEW_INTERFACE;
class VORDIX_ZEICHENBEREICH;
class VORDIX_TEXT;

class LISTE_RENDERER : public OBSERVER {
public:
    enum Mode { MODE_ALL = 0, MODE_ROWS = 1, MODE_FRAME = 2 };
    static constexpr int MIN_ROW_SLOTS = 36;

    explicit LISTE_RENDERER(VORDIX_VIEW_INTERFACE* view = nullptr);
    ~LISTE_RENDERER() override;
    LISTE_RENDERER(const LISTE_RENDERER&) = delete;
    LISTE_RENDERER& operator=(const LISTE_RENDERER&) = delete;

    // The list is going away.
    void update(OBSERVABLE* source) override;
    virtual void setHighlightedRow(int row) { highlightedRow = row; }

    void computeLayout();
    // Row slots of the sheet: the list's rows, at least 36.
    int rowCapacity() const;
    // Paints the sheet for the current mode; the view's height decides how
    // many rows fit.
    void draw(VORDIX_ZEICHENBEREICH& area);
    // Watches the attached list (after `list` was set).
    void prepareList();
    // Detaches from the list (no repaint).
    void detach();
    // The row under a y of the rows area (mode 1 coordinates), -1 above it.
    int rowAt(int y) const { return y <= 0 ? -1 : y / rowHeight; }

    // Layout, in pixels and point sizes.
    int sheetWidth = 480;
    int headerHeight = 72;
    int footerHeight = 103;
    int rowHeight = 15;
    int segmentHeight = 45;
    int baselineOffset = 13;
    int bodyFont = 12;
    int headerFont = 18;
    int headerBaseline = 33;
    int nameCentre[4] = {256, 340, 424, 0};
    int rowNumberRight = 18;
    int symbolCentre = 45;
    int spitzenWith = 64;
    int spitzenWithout = 81;
    int levelColumn[6] = {87, 99, 111, 123, 135, 147}; // Hand, Schn., Schn. ang., Schw., Schw. ang., Ouvert
    int valueWon = 183;
    int valueLost = 210;
    int firstColumnRight = 271;
    int columnStep = 84;
    int crossStart = 275;
    int lostCrossOffset = 12;
    int passedCross = 469;
    int labelColumn1 = 281;
    int labelColumn2 = 290;
    int grandTotalLine = 66;
    int moneyLine = 85;

    int mode = MODE_ALL;
    VORDIX_VIEW_INTERFACE* view = nullptr; // not owned
    LISTE* list = nullptr;                 // not owned
    int highlightedRow = -1;
    // Height to draw for when the view reports none (off-screen pictures).
    int fallbackHeight = 0;

private:
    int viewHeight() const;
    void drawName(VORDIX_ZEICHENBEREICH& area, const std::wstring& name, int centre);
    void drawRow(VORDIX_ZEICHENBEREICH& area, int row, int y);
    void drawFooter(VORDIX_ZEICHENBEREICH& area, int top);
    void drawHighlight(VORDIX_ZEICHENBEREICH& area);
    LISTE* observed_ = nullptr;
};
