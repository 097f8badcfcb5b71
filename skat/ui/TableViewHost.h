#pragma once
// What the views on the game table are given by the window that holds them:
// where the table lies, what the table expects of the user now, and how the
// table is painted again. The views know nothing else of the window; what
// the user does with them they report to the window's USER_ACTIONS.

#include "skat/ui/TableInputState.h"
#include "skat/ui/TableLayout.h"
#include "vordix/Rectangle.h"

#include <string>

class TABLE_VIEW_HOST {
public:
    virtual ~TABLE_VIEW_HOST() = default;

    // Where the table lies now.
    virtual TableGeometry geometry() const = 0;
    // What the table expects of the user now (GUI thread).
    virtual const TableInputState& inputState() const = 0;
    // The status text stands beside the table: the own hand makes room.
    virtual bool sidePanelShown() const = 0;

    // The table and what lies above it are painted again soon, or at once.
    virtual void repaint() = 0;
    virtual void repaintNow() = 0;
    // Only what lies above the cards: buttons, texts, balloons.
    virtual void repaintOverlay() = 0;
    // A part of the table, at once.
    virtual void repaintPart(const RECTANGLE& rect) = 0;
    // A note in the middle of the table until hideNote.
    virtual void showNote(const std::wstring& text) = 0;
    virtual void hideNote() = 0;
    // Holds the GUI thread for a moment (a button's pressed look).
    virtual void sleepMs(unsigned ms) = 0;
};
