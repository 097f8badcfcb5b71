#pragma once
// A logic set whose every rating term is 0 (each byte 100), loaded into the
// lead tables given: the choice then rests on its fixed bonuses alone.

#include "skat/logic/LeadTables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

inline void loadNeutralLogicSet(SL_TABELLEN_WERTUNG& tables)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("neutral_logic_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    for (int f = 0; f < SL_TABELLEN::FILE_COUNT; ++f) {
        std::vector<char> bytes(SL_TABELLEN::FILE_SIZES[f], 100);
        std::ofstream(folder / tables.fileName(SL_TABELLEN::FileIndex(f)), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ASSERT_TRUE(tables.loadFiles(folder));
    fs::remove_all(folder);
}
