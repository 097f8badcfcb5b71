#pragma once
// The cards of the current trick on the table: one image view per card, at
// the place of the seat that played it. A card played from a hand keeps its
// view and flies from the hand to its place; a finished trick flies to its
// winner's side and fades. GUI thread only; the views are deleted with this
// object (the main window's), on the GUI thread. It is given the window's
// frame and view host, and the hand views by screen position.

#include "skat/engine/CardTypes.h"
#include "skat/ui/TableAnimation.h"
#include "vordix/ImageView.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class PLAYER_EINBLATT_CONTROLLER;
class TABLE_VIEW_HOST;
class VORDIX_FENSTER;

class TRICK_CARD_VIEWS {
public:
    // Move time and the pause after a trick is carried to its winner.
    static constexpr int CARRY_MS = 300;
    static constexpr int CARRY_PAUSE_MS = 400;

    // The hand controller at a screen position (1: the own hand).
    using HandAt = std::function<PLAYER_EINBLATT_CONTROLLER*(int position)>;

    TRICK_CARD_VIEWS(VORDIX_FENSTER& frame, TABLE_VIEW_HOST& host, HandAt handAt);
    ~TRICK_CARD_VIEWS();
    TRICK_CARD_VIEWS(const TRICK_CARD_VIEWS&) = delete;
    TRICK_CARD_VIEWS& operator=(const TRICK_CARD_VIEWS&) = delete;

    // Brings the views into line with the table's trick (and the user's card
    // on its way to it): new views appear at their places (or fly there from
    // the bottom edge with animate), surplus views go.
    void layout(bool animate);
    // A card view taken from a hand flies to the trick place slot (0..2),
    // at the screen position of the seat that plays it (-1: the seat whose
    // place in the trick the slot is).
    void takeOver(int slot, std::unique_ptr<VORDIX_IMAGEVIEW> view, CardId card, int ms, int position = -1);
    // The finished trick flies to its winner's side and fades out.
    void carryToWinner();
    void show(bool visible);
    // Deletes every view (a card-set switch, the window going).
    void clear();

    const VORDIX_IMAGEVIEW* view(int slot) const { return views_[slot].get(); }
    CardId card(int slot) const { return cards_[slot]; }
    // The three cards of the trick last carried away.
    const std::array<CardId, 3>& collectedCards() const { return collected_; }

private:
    void remove(int slot);

    VORDIX_FENSTER& frame_;
    TABLE_VIEW_HOST& host_;
    HandAt handAt_;
    std::array<std::unique_ptr<VORDIX_IMAGEVIEW>, 3> views_;
    std::array<CardId, 3> cards_{};
    std::array<CardId, 3> collected_{};
    bool carried_ = false; // the trick still on the table has been carried away
    TABLE_ANIMATIONS animations_;
};
