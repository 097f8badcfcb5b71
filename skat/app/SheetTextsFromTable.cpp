#include "skat/app/SheetTextsFromTable.h"

#include "skat/app/SkatText.h"

std::wstring TABLE_SHEET_SERVICES::valueText(int baseValue, int levels) const
{
    return skat::formatText(levels == 1 ? TextKey::Beschreibung_Grundwert_Stufe
                                        : TextKey::Beschreibung_Grundwert_Stufen,
                            {baseValue, levels});
}
