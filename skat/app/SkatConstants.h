#pragma once
// The short rank and suit texts of card codes and file names, indexed by the
// engine's Rank and Suit values; index 0 ("L") stands for no card.

#include <array>
#include <string>

class SKAT_KONSTANTEN {
public:
    virtual ~SKAT_KONSTANTEN();

    // 0 none, 1..8: 7, 8, 9, jack, queen, king, ten, ace.
    std::array<std::string, 9> rankTexts = {"L", "7", "8", "9", "B", "D", "K", "10", "As"};
    // 0 none, 1 clubs, 2 spades, 3 hearts, 4 diamonds.
    std::array<std::string, 5> suitTexts = {"L", "K", "P", "H", "C"};
};
