#pragma once
// The score sheet's and game descriptions' texts from the program's text
// table in the user's language. The shell's services derive from this.

#include "skat/engine/SheetServices.h"

class TABLE_SHEET_SERVICES : public SHEET_SERVICES {
public:
    std::wstring valueText(int baseValue, int levels) const override;
};
