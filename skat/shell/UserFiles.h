#pragma once
// The sample files a first start gives the user: the program's sample score
// sheets ("Spiellisten") and card distributions ("Kartenverteilungen"),
// copied with their sub-folders into the same folders of the user's "SKAT"
// data folder. A file the user already has is never overwritten.

#include <filesystem>

struct UserFilesReport {
    int copied = 0;
    int kept = 0;   // present already
    int failed = 0; // could not be copied
};

UserFilesReport installUserFiles(const std::filesystem::path& resources, const std::filesystem::path& userFolder);
