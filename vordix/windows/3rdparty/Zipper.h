#pragma once
// Writes zip archives of report files with minizip: whole files under their
// bare names, deflated at level 6, with their modification times and
// permissions. Large files are written as zip64 entries.

#include <cstdint>
#include <string>

class CZipper {
public:
    CZipper() = default;
    virtual ~CZipper();
    CZipper(const CZipper&) = delete;
    CZipper& operator=(const CZipper&) = delete;

    // Creates a new archive (overwriting); closes one that is open. False
    // for an empty path or when the archive cannot be created.
    bool open(const std::wstring& path);
    // Adds a file; a relative path is taken from the archive's folder.
    // False when no archive is open, the file cannot be read completely or
    // the entry cannot be written (the entry is closed either way).
    bool addFile(const std::wstring& path);
    // Writes the central directory; true when nothing was open.
    bool close();

    bool isOpen() const { return archive_ != nullptr; }
    uint32_t fileCount() const { return files_; }
    uint64_t bytesRead() const { return bytes_; }

private:
    void* archive_ = nullptr;
    std::wstring baseFolder_;
    uint32_t files_ = 0;
    uint64_t bytes_ = 0;
};
