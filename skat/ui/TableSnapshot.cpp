#include "skat/ui/TableSnapshot.h"

TableSnapshot::TableSnapshot(const SKATTISCH& table) : table_(&table)
{
    std::lock_guard lock(table.tableLock);
    currentIndex = table.currentIndex;
    modus = table.modus;
    record = table.record;
    cards = table.cards;
    heldCounts = table.heldCounts;
    sheet.rows = table.sheet.rowCount();
    for (int k = 0; k < 3; ++k) {
        sheet.lastPoints[static_cast<std::size_t>(k)] = table.sheet.lastRowPoints(k);
        sheet.names[static_cast<std::size_t>(k)] = table.sheet.playerNames[static_cast<std::size_t>(k)];
    }
    if (modus.storedGameFlag)
        for (int i = 0; i < sheet.rows && sheet.storedGameRow < 0; ++i)
            if (table.sheet.rowAt(i).deal == modus.storedGame.deal)
                sheet.storedGameRow = i;
}

bool TableSnapshot::handHidden(Seat seat) const
{
    return isValidSeat(seat) && heldCounts[seat] > cards.hands[seat].cardCount();
}

CardSet TableSnapshot::handShown(Seat seat) const
{
    if (!isValidSeat(seat))
        return 0;
    const CardSet known = cards.hands[seat].cardSet();
    if (!handHidden(seat))
        return known;
    CardSet taken = cards.trick.cardSet() | cards.skat.cardSet();
    for (Seat s = SEAT_0; s < SEAT_COUNT; ++s)
        taken |= cards.hands[s].cardSet();
    for (CardBit bit = 0; bit < CARDS_IN_DECK; ++bit)
        if (cards.pile.containsCard(cardIdOfBit(bit)))
            taken |= bitMask(bit);
    // The stand-ins of the hidden hands before this one are taken as well.
    CardSet free = ~taken;
    CardSet shown = known;
    for (Seat s = SEAT_0; s <= seat; ++s) {
        if (!handHidden(s))
            continue;
        for (int n = heldCounts[s] - cards.hands[s].cardCount(); n > 0 && free != 0; --n) {
            const CardSet standIn = bitMask(popLowest(free));
            if (s == seat)
                shown |= standIn;
        }
    }
    return shown;
}
