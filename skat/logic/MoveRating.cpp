#include "skat/logic/MoveRating.h"

void ZUGWERTUNG::add(CardId card, const TABELLE& table, int rating)
{
    if (last + 1 >= CAPACITY)
        return;
    entries[++last] = Entry{card, table, 0, false, rating, 0};
}

const ZUGWERTUNG::Entry* ZUGWERTUNG::find(CardId card) const
{
    for (int i = 0; i <= last; ++i)
        if (entries[i].card == card)
            return &entries[i];
    return nullptr;
}

ZUGWERTUNG::Entry* ZUGWERTUNG::findEntry(CardId card) { return const_cast<Entry*>(find(card)); }

void ZUGWERTUNG::setRating(CardId card, const TABELLE& table, int rating)
{
    if (Entry* e = findEntry(card)) {
        e->table = table;
        e->rating = rating;
    }
}

void ZUGWERTUNG::setFilter(CardId card, int filterTable, int filterRating)
{
    if (Entry* e = findEntry(card)) {
        e->hasFilter = true;
        e->filterTable = filterTable;
        e->filterRating = filterRating;
    }
}

int ZUGWERTUNG::total(CardId card, int missing) const
{
    const Entry* e = find(card);
    if (!e)
        return missing;
    return e->rating + (e->hasFilter ? e->filterRating : 0);
}
