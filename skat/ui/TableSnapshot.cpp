#include "skat/ui/TableSnapshot.h"

TableSnapshot::TableSnapshot(const SKATTISCH& table) : table_(&table)
{
    std::lock_guard lock(table.tableLock);
    currentIndex = table.currentIndex;
    modus = table.modus;
    record = table.record;
    cards = table.cards;
    sheet.rows = table.sheet.rowCount();
    for (int k = 0; k < 3; ++k)
        sheet.lastPoints[static_cast<std::size_t>(k)] = table.sheet.lastRowPoints(k);
    if (modus.storedGameFlag)
        for (int i = 0; i < sheet.rows && sheet.storedGameRow < 0; ++i)
            if (table.sheet.rowAt(i).deal == modus.storedGame.deal)
                sheet.storedGameRow = i;
}
