#pragma once
// The ratings of the candidate cards of one card choice: up to 13 entries,
// each the card, the lead table that rated it, its rating and an optional
// filter rating added on top.

#include "skat/logic/SuitPatterns.h"

class ZUGWERTUNG {
public:
    struct Entry {
        CardId card = NO_CARD;
        TABELLE table{};
        int filterTable = 0;
        bool hasFilter = false;
        int rating = 0;
        int filterRating = 0;
    };
    static constexpr int CAPACITY = 13;

    virtual ~ZUGWERTUNG() = default;

    // Appends an entry; ignored once 13 are in use.
    void add(CardId card, const TABELLE& table, int rating);
    // Replaces table and rating of the card's entry (nothing without one).
    void setRating(CardId card, const TABELLE& table, int rating);
    // Adds a filter rating to the card's entry (nothing without one).
    void setFilter(CardId card, int filterTable, int filterRating);
    // Rating plus filter rating; `missing` for a card without entry.
    int total(CardId card, int missing = 0) const;
    const Entry* find(CardId card) const;
    void clear() { last = -1; }
    int count() const { return last + 1; }

    int last = -1;
    Entry entries[CAPACITY]{};

private:
    Entry* findEntry(CardId card);
};
