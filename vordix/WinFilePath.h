#pragma once
// The folder implementor of this platform: an absolute path on
// std::filesystem ending in '/', plus the platform operations on framework
// files and folders. Needs no display, so headless code can use it.

#include "vordix/Folder.h"

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

class VORDIX_FILE;

class WIN_FILEPATH : public VORDIX_FOLDER_imp {
public:
    WIN_FILEPATH() = default;
    ~WIN_FILEPATH() override;

    void setStandardFolder(unsigned kind) override;
    void copyFrom(const VORDIX_FOLDER& folder) override;
    void changeFolder(const std::wstring& name) override;
    bool createSubfolder(const std::wstring& name) override;
    // Stores the path with a trailing '/'; false when it is empty.
    bool setPath(const std::wstring& path);

    const std::wstring& path() const { return path_; }

    // The standard folder of a kind, without creating it; empty for an
    // unknown kind. Reads HOME and the XDG variables on every call.
    static std::wstring standardFolderPath(unsigned kind);
    // The program's folder (kind 0); defaults to the folder of the executable.
    static void setProgramFolder(const std::wstring& folder);

    static bool isReadable(const VORDIX_FILE& file);
    static void removeFile(const VORDIX_FILE& file);
    // Copies under the same name into the destination, overwriting, and makes
    // the copy writable for its owner. Failures are silent; check isReadable.
    static void copyFile(const VORDIX_FILE& file, const VORDIX_FOLDER& destination);
    // Reads up to count bytes in chunks of 16384; returns the bytes read.
    static size_t readBytes(size_t count, void* buffer, FILE* stream);
    // Appends the folder's entries: depth 1 lists files and subfolder names of
    // the folder itself; depth 0 the files of the whole tree; depth n > 1
    // descends n - 1 levels.
    static void listFolder(const VORDIX_FOLDER& folder, int depth, std::vector<VORDIX_FILE>& list);
    // The full path as narrow (UTF-8) text; empty when the folder is not a
    // platform folder.
    static std::string getFullPath(const VORDIX_FILE& file);
    // Creates every missing level of the path; false when a level cannot be
    // created (levels made before stay).
    static bool createFolderTree(const std::wstring& path);

    // Conversions between the program's wide paths and std::filesystem.
    static std::filesystem::path toFsPath(const std::wstring& path);
    static std::wstring fromFsPath(const std::filesystem::path& path);

    // The fixed name of the program's temporary subfolder.
    static constexpr const wchar_t* TEMP_SUBFOLDER = L"{B0545B95-CCD9-4079-A981-8A6F373C3B3C}";

private:
    std::wstring path_;
};
