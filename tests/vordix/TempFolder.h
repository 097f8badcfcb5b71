#pragma once
// A fresh folder per test, removed again afterwards.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vordix-test-XXXXXX").string();
        char* made = mkdtemp(pattern.data());
        path_ = made ? std::filesystem::path(made) : std::filesystem::path();
    }
    ~TempFolder()
    {
        std::error_code error;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     error);
        std::filesystem::remove_all(path_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::wstring wpath() const { return path_.wstring() + L"/"; }

private:
    std::filesystem::path path_;
};
