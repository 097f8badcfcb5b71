#pragma once
// The main window's three layout records (small, landscape, portrait) and
// the placement of the table's elements that follows from a record and the
// client size. Pure values and arithmetic, so the placement can be checked
// without a window.

#include "vordix/Rectangle.h"

#include <array>
#include <cstdint>

// 29 values: 28 integer fields and the scale of cards and images.
struct TableLayout {
    enum Field {
        DESIGN_WIDTH = 0,
        DESIGN_HEIGHT = 1,
        MIN_CLIENT_WIDTH = 2,
        MIN_CLIENT_HEIGHT = 3,
        MIDDLE_Y = 8,
        MIDDLE_X = 9,
        BUTTON_ROW_FIELD = 11,
        SKAT_PLACE_X = 12,
        SKAT_PLACE_Y = 13,
        PILE_Y = 14,
        PILE_X = 15,
        PILE_WIDTH = 16,
        PILE_HEIGHT = 17,
        PILE_RIGHT = 19,
        OWN_HAND_Y = 22,
    };
    std::array<std::int32_t, 28> field{};
    float cardScale = 1.0f;

    std::int32_t operator[](int index) const { return field[index]; }
    std::int32_t designWidth() const { return field[DESIGN_WIDTH]; }
    std::int32_t designHeight() const { return field[DESIGN_HEIGHT]; }
    bool operator==(const TableLayout&) const = default;
};

enum class LayoutKind { Small, Landscape, Portrait };

const TableLayout& smallLayout();
const TableLayout& landscapeLayout();
const TableLayout& portraitLayout();
// Recognised by the design width (480, 1024, 768); anything else counts as
// landscape.
LayoutKind layoutKindOf(const TableLayout& layout);

// Indices into the main window's 18 table buttons.
enum TableButtonIndex {
    BUTTON_NEW_LIST = 0,
    BUTTON_EXERCISES = 1,
    BUTTON_FULL_SCREEN = 2,
    BUTTON_SKAT_HELP = 3,
    BUTTON_TAKE_BACK = 4,
    BUTTON_HINT = 5,
    BUTTON_SETTINGS = 6,
    BUTTON_SCORE_SHEET = 7,
    BUTTON_HELP = 8,
    BUTTON_ASSISTANCE = 9,
    BUTTON_KONTRA = 10,
    BUTTON_RE = 11,
    BUTTON_PUT_AWAY = 14,
    BUTTON_TAKE_SKAT = 15,
    BUTTON_PLAY_HAND = 16,
    BUTTON_SHORTEN = 17,
    TABLE_BUTTON_COUNT = 18
};

struct ButtonPlace {
    bool placed = false; // buttons 12 and 13 have no place of their own
    int x = 0;
    int y = 0;
    int width = 0;
    bool operator==(const ButtonPlace&) const = default;
};

struct ViewPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    float scale = 1.0f;
    bool operator==(const ViewPlace&) const = default;
};

// Where everything lies for one record and client size.
struct TablePlacement {
    int originX = 0;
    int originY = 0;
    int buttonRowOffset = 0;
    std::array<ButtonPlace, TABLE_BUTTON_COUNT> buttons{};
    std::array<ViewPlace, 3> hands{}; // own hand, left, right
    int ownHandSpacing = 30;
    ViewPlace pile;
    int pileInnerWidth = 0;
    ViewPlace tutorText;
};

// theme is the table theme 1..4 (4 moves the other hands up). topInset is
// the strip at the top of the client area that a menu bar lies over (in full
// screen): the icons stand below it, and the table does not reach into it.
TablePlacement placeTable(const TableLayout& layout, int clientWidth, int clientHeight, int theme, int topInset = 0);

// The size of the tutor text control.
constexpr int TUTOR_TEXT_WIDTH = 370;
constexpr int TUTOR_TEXT_HEIGHT = 117;

// Where the table lies in the client area now: its layout record, the
// origin of the record's coordinates and the client size (0 while the
// platform has not reported one: the design size counts then), with the
// places in the middle that several views share.
struct TableGeometry {
    TableLayout layout = landscapeLayout();
    int originX = 0;
    int originY = 0;
    int clientWidth = 0;
    int clientHeight = 0;

    LayoutKind kind() const { return layoutKindOf(layout); }
    int width() const { return clientWidth > 0 ? clientWidth : layout.designWidth(); }
    int height() const { return clientHeight > 0 ? clientHeight : layout.designHeight(); }
    // A skat place (0, 1), where the skat is shown and the cards are put away.
    RECTANGLE skatPlace(int place) const;
    // The place of a trick card by the screen position of the seat that played it.
    RECTANGLE trickCard(int position) const;
};
