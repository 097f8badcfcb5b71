#include "skat/app/SheetTextsFromTable.h"

#include "skat/app/SkatText.h"

std::wstring TABLE_SHEET_SERVICES::levelText(int winLevel) const
{
    using skat::text;
    switch (winLevel) {
    case 1: return text(TextKey::Element_Ouvert);
    case 2: return text(TextKey::Element_Hand);
    case 3: return text(TextKey::Element_Hand) + L" " + text(TextKey::Element_schneider_angesagt);
    case 4: return text(TextKey::Element_Hand) + L" " + text(TextKey::Element_schwarz_angesagt);
    case 5: return text(TextKey::Element_Ouvert) + L" " + text(TextKey::Element_Hand);
    default: return L"";
    }
}

std::wstring TABLE_SHEET_SERVICES::reachedLevelText(int level) const
{
    if (level == 1)
        return skat::text(TextKey::Element_schneider);
    if (level == 2)
        return skat::text(TextKey::Element_schwarz);
    return L"";
}

std::wstring TABLE_SHEET_SERVICES::valueText(int baseValue, int levels) const
{
    return skat::formatText(levels == 1 ? TextKey::Beschreibung_Grundwert_Stufe
                                        : TextKey::Beschreibung_Grundwert_Stufen,
                            {baseValue, levels});
}

std::wstring TABLE_SHEET_SERVICES::wrongFileText() const { return skat::text(TextKey::Alert_Liste_falsche_Datei); }

std::wstring TABLE_SHEET_SERVICES::unreadableSheetText(const std::wstring& fileName) const
{
    return skat::formatText(TextKey::Alert_Liste_unlesbar, {fileName, fileName});
}

std::wstring TABLE_SHEET_SERVICES::repairedSheetText(const std::wstring& fileName,
                                                     const std::vector<int>& rowsWithValues,
                                                     const std::vector<int>& rowsWithoutTricks, bool rowsDropped) const
{
    std::wstring text = skat::formatText(TextKey::Alert_Liste_repariert, {fileName}) + L"|";
    if (!rowsWithValues.empty())
        text += L"|" + skat::formatText(TextKey::Alert_Liste_Werte_ersetzt, {sheetRowList(rowsWithValues)});
    if (!rowsWithoutTricks.empty())
        text += L"|" + skat::formatText(TextKey::Alert_Liste_Stiche_verworfen, {sheetRowList(rowsWithoutTricks)});
    if (rowsDropped)
        text += L"|" + skat::text(TextKey::Alert_Liste_Spiele_verworfen);
    return text + L"||" + skat::formatText(TextKey::Alert_Liste_aufbewahrt, {fileName});
}

std::wstring TABLE_SHEET_SERVICES::sheetInMessageRefusedText() const
{
    return skat::text(TextKey::Alert_Liste_Nachricht_abgelehnt);
}
