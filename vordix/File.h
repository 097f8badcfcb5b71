#pragma once
// A framework file: a folder plus a file name inside it.

#include "vordix/Folder.h"

#include <cstdio>
#include <filesystem>
#include <string>

class VORDIX_FILE {
public:
    VORDIX_FILE() = default;
    VORDIX_FILE(const VORDIX_FOLDER& folder, std::wstring name);
    // Copies folder and name; the open stream stays with the original.
    VORDIX_FILE(const VORDIX_FILE& other);
    VORDIX_FILE& operator=(const VORDIX_FILE& other);
    virtual ~VORDIX_FILE();

    // Closes the stream if open; stream is null afterwards in every case.
    void close();

    // The folder's path followed by name; empty when the folder has no
    // platform path.
    std::wstring fullPath() const;
    std::filesystem::path fsPath() const;

    // Whether the file can be opened for reading.
    bool isReadable() const;

    FILE* stream = nullptr;
    VORDIX_FOLDER folder;
    std::wstring name;
};
