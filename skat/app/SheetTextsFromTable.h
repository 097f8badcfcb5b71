#pragma once
// The score sheet's and game descriptions' texts from the program's text
// table in the user's language. The shell's services derive from this.

#include "skat/engine/SheetServices.h"

class TABLE_SHEET_SERVICES : public SHEET_SERVICES {
public:
    std::wstring levelText(int winLevel) const override;
    std::wstring reachedLevelText(int level) const override;
    std::wstring valueText(int baseValue, int levels) const override;

    std::wstring wrongFileText() const override;
    std::wstring unreadableSheetText(const std::wstring& fileName) const override;
    std::wstring repairedSheetText(const std::wstring& fileName, const std::vector<int>& rowsWithValues,
                                   const std::vector<int>& rowsWithoutTricks, bool rowsDropped) const override;
    std::wstring sheetInMessageRefusedText() const override;
};
