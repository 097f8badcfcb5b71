#pragma once
// The built-in copy of the program's texts, generated from the source table
// (skat/app/texttable/SkatTexts.tsv) together with the text file.

#include "skat/app/TextKeys.h"

#include <array>

struct TextTableRow {
    const char* key;
    bool neutral;             // one value for both languages ("all")
    const char* placeholders; // e.g. "%ls %d"; empty for none
    const char* german;       // UTF-8; the value of a neutral text
    const char* english;      // UTF-8; empty for a neutral text without an English value
};

const std::array<TextTableRow, TEXT_COUNT>& textTableRows();
