#pragma once
// The bidding panel of the game table: the upper button names the next bid
// value or holds, the lower one passes. The controller holds what the table
// asks; the decision is reported to the window's USER_ACTIONS.

#include "skat/ui/GenericView.h"
#include "skat/ui/SkatButton.h"
#include "skat/ui/TablePress.h"
#include "vordix/Bitmap.h"

#include <cstdint>
#include <string>
#include <vector>

class REIZEN_VIEW;
class TABLE_VIEW_HOST;
class USER_ACTIONS;

class REIZEN_CONTROLLER : public GENERIC_CONTROLLER<REIZEN_VIEW> {
public:
    static constexpr int MODE_IDLE = 0;
    static constexpr int MODE_NAME = 1; // the user names the next value
    static constexpr int MODE_HOLD = 2; // the user answers a named value

    // The table asks: mode 1 offers the value after the bid index, mode 2
    // the value at it; any other mode changes nothing.
    void offerBid(const std::wstring& newPrompt, int newMode, int bidIndex);
    // Reports a bid when the bid button is the pressed one, else a pass.
    void decide();
    // Reports a bid (hold) or a pass.
    void choose(bool hold);
    // Back to idle.
    void refresh();

    std::int32_t mode = MODE_IDLE;
    std::wstring prompt;
    std::wstring bidText;
    std::int32_t value = 0;
    USER_ACTIONS* actions = nullptr; // not owned
};

// The label of a bid value: a blank, the value right-aligned in three
// places, a blank.
std::wstring bidLabel(int value);

class REIZEN_VIEW : public GENERIC_VIEW<REIZEN_CONTROLLER, REIZEN_VIEW> {
public:
    static constexpr int KEY_ENTER = 13;
    static constexpr int KEY_UP = 200;
    static constexpr int KEY_DOWN = 201;

    // Places the buttons by the table's layout, relative to (x, y).
    void setPosition(std::int32_t newX, std::int32_t newY) override;
    void redrawNow() override { invalidate(); }
    void invalidate() override;
    void draw(VORDIX_ZEICHENBEREICH& area) override;
    void onMouse(VORDIX_MESSAGE&) override { }
    void onKey(VORDIX_MESSAGE& message) override;
    // The panel's buttons in the table's press machine, while it offers a bid.
    void addHitRegions(std::vector<HitRegion>& regions);
    void updateButtons();

    TABLE_VIEW_HOST* host = nullptr; // not owned: the window that holds the view
    SKAT_BUTTON bidButton;
    SKAT_BUTTON passButton;
    SKAT_BUTTON calculatorButton; // opens the bid-value calculator

private:
    VORDIX_BITMAP calculatorImage_;
    VORDIX_BITMAP calculatorPressedImage_;
};
