#pragma once
// Rendering one card set from a card deck in SVG.

#include <QDir>
#include <QImage>
#include <QString>

namespace cardart {

constexpr int CARD_WIDTH = 120;
constexpr int CARD_HEIGHT = 180;

enum class Style {
    French,     // the French-suited deck as it is
    Tournament, // the French-suited deck in four colours
    German,     // the German-suited deck
};

// Writes the set's pictures into folder (created when missing).
bool renderSet(Style style, const QString& deckFile, const QDir& folder, QString* error);

// Four-colour recolouring of one card picture at the deck's own resolution:
// small black shapes on white (pips and index of spades) turn green, small
// red shapes on white (of diamonds) turn orange; the court figures' large
// drawings keep their colours. suit: 0 clubs, 1 spades, 2 hearts, 3 diamonds.
QImage fourColours(const QImage& card, int suit);

} // namespace cardart
