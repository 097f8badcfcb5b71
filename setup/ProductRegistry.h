#pragma once
// The installed products, one INI section per product code:
//
//   [{6B3C1E0A-...}]
//   ProductName=Skat
//   VersionString=9.0.4.45
//   ProductLanguage=1031
//   InstallLocation=/home/user/.local/opt/skat
//
// Writers hold an exclusive lock on "<file>.lock" while they read, change
// and write; the file is replaced by a complete new one (temporary file,
// fsync, rename), so readers never see half a file and need no lock.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace setup {

struct InstalledProduct {
    std::string productCode;
    std::string productName;
    std::string versionString;
    std::string productLanguage;
    std::string installLocation;
};

class ProductRegistry {
public:
    explicit ProductRegistry(std::filesystem::path file);

    // A missing file is an empty registry; false when the file exists but
    // can't be read. Lines that are not "key=value" or "[section]" are
    // skipped.
    bool read(std::vector<InstalledProduct>& products) const;
    // Creates the folder when missing; false when the file could not be
    // written completely (the old one then stays).
    bool write(const std::vector<InstalledProduct>& products) const;

    // The file's text and back; line breaks inside a value become blanks.
    static std::vector<InstalledProduct> parse(std::string_view text);
    static std::string format(const std::vector<InstalledProduct>& products);

    const std::filesystem::path& file() const { return file_; }

    // Exclusive lock for a read-change-write; released by the destructor.
    class Lock {
    public:
        explicit Lock(const ProductRegistry& registry);
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;
        ~Lock();
        bool held() const { return fd_ >= 0; }

    private:
        int fd_ = -1;
    };

private:
    std::filesystem::path file_;
};

} // namespace setup
