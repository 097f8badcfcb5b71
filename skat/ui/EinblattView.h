#pragma once
// A hand of cards on the game table: the controller holds the cards shown in
// display order with the highlighted and chosen card; the view shows one
// image view per card in the fan of HandFan and turns presses and keys into
// a chosen card. The pair is bound to a seat of the table; the view is given
// its place by the window that holds it (TABLE_VIEW_HOST), and a card the
// user plays is reported to the window's USER_ACTIONS.

#include "skat/engine/EinblattSortierbar.h"
#include "skat/ui/GenericView.h"
#include "skat/ui/HandFan.h"
#include "skat/ui/TableAnimation.h"
#include "skat/ui/TablePress.h"
#include "vordix/ImageView.h"

#include <cstdint>
#include <memory>
#include <vector>

class EINBLATT_VIEW;
class PLAYER;
class PLAYER_EINBLATT_CONTROLLER;
class SKATTISCH;
class TABLE_VIEW_HOST;

// The user's sorting of a hand (rankOnly: the rank order alone).
SortSettings userSortSettings(bool rankOnly);
class USER_ACTIONS;

enum HandInputMode : std::int32_t {
    HAND_INPUT_NONE = 0,
    HAND_INPUT_PRESS = 1, // presses and drags
    HAND_INPUT_PLAY = 3,  // also Enter and Up
};

class EINBLATT_CONTROLLER : public GENERIC_CONTROLLER<EINBLATT_VIEW> {
public:
    void invalidateView();

    bool legalDisplay = false; // dim every card that may not be played now
    HandInputMode inputMode = HAND_INPUT_NONE;
    EINBLATT_SORTIERBAR shownHand;
    CardId highlighted = NO_CARD;
    CardId chosen = NO_CARD;
};

class PLAYER_EINBLATT_CONTROLLER : public EINBLATT_CONTROLLER {
public:
    // Stores the seat and, when the table seats a player there, shows its hand.
    void attachSeat(int newSeat);
    // Shows the set: cards no longer held go, the rest keep their order, new
    // cards are added and the hand is sorted again. The hand is sorted again
    // too when the table's game changed since (the announced game brings its
    // trumps together).
    void setHand(CardSet cards);
    // The seat's hand of the table, sorted for the game in force.
    void refreshHand();
    // Sorts the shown hand again by the user's sorting (after the settings).
    void resortHand();
    void sortHandFor(GameType type);
    void setInputMode(HandInputMode mode);
    // Highlights a held card; any other card clears the highlight.
    void setHighlightedCard(CardId card);
    // Moves the card at one 1-based display position to another.
    void moveCard(int from, int to);
    void removeCard(CardId card);
    // Takes the card out of the shown hand; its card view goes to the
    // caller (for a flight), none when the hand shows no view for it.
    std::unique_ptr<VORDIX_IMAGEVIEW> takeCard(CardId card);
    // The cards the seat may play now, by the engine's rules.
    CardSet legalCards() const;
    // Reports the card as played when it is legal; an illegal card dims the
    // others and is kept. True when the card was reported.
    bool playCard(CardId card);
    // The played card leaves the hand: it is the chosen card, its view goes
    // to the caller (for its flight to the trick) and the choice ends.
    std::unique_ptr<VORDIX_IMAGEVIEW> giveCard(CardId card);
    // The game ends early: the cards gather at the bottom edge, then the
    // hand is laid out anew; returns how long the worker is to wait.
    int resetCardViews();

    PLAYER* seatPlayer() const;
    int gameState() const;

    std::int32_t seat = -1;
    USER_ACTIONS* actions = nullptr; // not owned: where a played card is reported

private:
    // The table's game the hand was last sorted for (the announcement
    // panel's previews do not count).
    struct SortedFor {
        GameType type = GAME_NONE;
        bool fully = false;
        bool operator==(const SortedFor&) const = default;
    };
    SortedFor sortedFor_;
    void sortForTable();
};

class EINBLATT_VIEW : public GENERIC_VIEW<EINBLATT_CONTROLLER, EINBLATT_VIEW> {
public:
    EINBLATT_VIEW();
    ~EINBLATT_VIEW() override;

    void setPosition(std::int32_t newX, std::int32_t newY) override;
    void redrawNow() override;
    void invalidate() override;
    void draw(VORDIX_ZEICHENBEREICH&) override { }
    void onMouse(VORDIX_MESSAGE&) override { }
    void onKey(VORDIX_MESSAGE&) override { }
    void setSize(std::int32_t newWidth, std::int32_t newHeight);

    // Brings the card views into line with the shown hand, its highlight
    // and the legal-card display.
    void rebuildCardViews();
    void removeCardViewAt(int index);
    // Takes the card view at an index out of the list; none past the end.
    std::unique_ptr<VORDIX_IMAGEVIEW> takeCardViewAt(int index);
    void clearCardViews();

    // The fan's values as they stand now.
    HandFan fan() const;
    // The window rectangle and turn of the card at a 1-based position.
    RECTANGLE cardRect(int position) const;
    const std::vector<std::unique_ptr<VORDIX_IMAGEVIEW>>& cardViews() const { return cardViews_; }
    PLAYER_EINBLATT_CONTROLLER* controllerAsPlayer() const;

    TABLE_VIEW_HOST* host = nullptr; // not owned: the window that holds the view
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t rowTop = 0;
    std::int32_t raiseStep = 10;
    std::int32_t fixedSpacing = 0;
    float scale = 2.0f;
    float orientation = 0.0f;
    bool cardsShown = true;
    bool faceDown = false;
    // The card being dragged, with its rectangle and turn (window
    // coordinates); the fan makes room for it.
    CardId draggedCard = NO_CARD;
    RECTANGLE dragRect;
    float dragAngle = 0.0f;

protected:
    VORDIX_BITMAP* imageOf(CardId card) const;

    std::vector<std::unique_ptr<VORDIX_IMAGEVIEW>> cardViews_;
};

// The hand view of a seat at the table, with the pointer and key input that
// picks a card.
class PLAYER_EINBLATT_VIEW : public EINBLATT_VIEW {
public:
    // The hand's region of the table's press machine: a press on a card
    // while the hand takes presses picks it up; the card follows the
    // pointer, a sideways drag reorders the hand, and at the release a
    // click, or a card dragged up out of the hand, is played.
    HitRegion cardRegion();
    // Left and Right move the highlight; Enter and Up play the highlighted card.
    void onKey(VORDIX_MESSAGE& message) override;
    // Acts on a held card as a click on it does (the hint button).
    void playAsClicked(CardId card) { actOn(card); }

    static constexpr int KEY_ENTER = 13;
    static constexpr int KEY_UP = 200;
    static constexpr int KEY_DOWN = 201;
    static constexpr int KEY_LEFT = 202;
    static constexpr int KEY_RIGHT = 203;
    // A press held longer than this, or moved further, is a drag.
    static constexpr int CLICK_MS = 600;
    static constexpr int CLICK_SLACK = 9;
    // A card dragged this far above the row is played.
    static constexpr int PLAY_LIFT = 60;

    // The steps of a drag: a press on the card at a position, a move of
    // the pointer, the release. A quick release leaves the card in place;
    // the card is played when the press was a click (short, hardly moved)
    // or when it ends above the row.
    void beginDrag(int position, int pressX, int pressY);
    void dragTo(int px, int py);
    void endDrag(int px, int py);
    // The drag ends without a release: the card goes back into the fan.
    void cancelDrag();
    bool dragging() const { return drag_.active; }

    // Deals the seat's hand: the cards fly from the bottom edge into a fan
    // of ten; returns how long the worker is to wait for it.
    int dealCards(CardSet hand);

    // The Skat's place slot (0 or 1) on the table, in window coordinates.
    RECTANGLE skatPlace(int slot) const;
    // A card of the hand is put away: its view flies from where it is to
    // the Skat place and goes when it lands. Returns the flight's length.
    int moveCardToSkat(CardId card, int slot);
    // A card of the Skat comes into the hand: it flies from its Skat place
    // to its place in the sorted fan, the others making room. Returns the
    // flight's length.
    int takeCardFromSkat(CardId card, int slot);

private:
    void actOn(CardId card);
    // Moves the dragged card to the pointer and reorders the hand under it.
    void followPointer(int px, int py);

    // The drag under way: where the card was taken and where it may go.
    struct Drag {
        bool active = false;
        std::int64_t startMs = 0;
        int position = 0; // the card's place in the hand now
        int pressX = 0;
        int pressY = 0;
        int grabX = 0;
        int grabY = 0;
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        bool movedFar = false;
    };
    Drag drag_;
    TABLE_ANIMATIONS animations_;
};
