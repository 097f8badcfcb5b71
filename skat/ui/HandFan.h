#pragma once
// The fan in which a hand view lays out its cards: where card i of n lies,
// how far it is turned, and which card a pointer press hits once the turn is
// undone. Pure arithmetic on a snapshot of the view's values, so the layout
// can be checked without a window. Positions run from 1 (leftmost) to n; a
// card with a higher position lies on top.

#include "skat/ui/TableLayout.h"

// A card that is lifted out of the fan (dragged) or flies into or out of it;
// the other cards make room in proportion to how far it is lifted.
struct FanMovingCard {
    bool active = false;
    bool flight = false; // a flight (else a drag)
    bool inHand = true;  // the hand holds it (a flight into the hand does not yet)
    int position = 0;    // its position, or the target position for a card not yet held
    int y = 0;           // its current top in window coordinates
};

struct HandFan {
    int width = 0;  // the view's width
    int rowTop = 0; // top of the card row
    int raiseStep = 10;
    int fixedSpacing = 0; // 0: automatic
    float scale = 2.0f;
    float orientation = 0.0f; // 0 bottom hand, > 0 left side, < 0 right side
    bool faceDown = false;
    bool hasController = true;
    bool panelShown = false; // the status panel beside the table
    int theme = 1;           // table theme 1..4
    LayoutKind layout = LayoutKind::Landscape;
    FanMovingCard moving;

    int cardWidth() const;
    int cardHeight() const;
    bool wideCards() const { return panelShown && scale > 1.8f; }
    // Step between neighbouring cards before scaling.
    int step(int n) const;
    // Left edge of card i relative to the view's x.
    int cardX(int i, int n) const;
    // Top of card i relative to the row top (without the raise).
    int cardY(int i, int n) const;
    // Turn of card i in degrees, counter-clockwise on screen.
    float cardAngle(int i, int n) const;
    // The position hit by a press at (px relative to the view's x, py in
    // window coordinates); 0 when no card is hit. raised is the position
    // drawn raised (0 for none).
    int hitTest(int px, int py, int n, int raised = 0) const;

private:
    // How far the moving card is lifted, 0..1.
    float lift() const;
};

// The largest scale (at most the layout's, at least MIN_OWN_HAND_SCALE) at
// which a fan of ten cards in the own hand's place (its view's y) ends
// inside a client area of the height.
constexpr float MIN_OWN_HAND_SCALE = 0.6f;
float fittedOwnHandScale(const HandFan& fan, int viewY, int clientHeight);
