#pragma once
// What the bootstrapper reads of an install package: its product code, name,
// language and version, from the package's Property table (libmsi).

#include <array>
#include <filesystem>
#include <string>

namespace setup {

struct MsiVersion {
    std::array<int, 4> parts{};
    std::string text;
};

struct MsiPackageInfo {
    std::string productCode;
    std::string productName;
    std::string productLanguage;
    MsiVersion version;
};

// "major.minor.build.revision": missing parts stay 0. Each part is a run of
// digits of at most 65535; false (and the rest left 0) at the first part that
// is not.
bool parseVersion(const std::string& text, MsiVersion& version);
// a older than b, part by part.
bool versionLess(const MsiVersion& a, const MsiVersion& b);
bool versionEqual(const MsiVersion& a, const MsiVersion& b);

// Product codes are GUIDs: compared without case.
bool sameProductCode(const std::string& a, const std::string& b);

// Reads "ProductCode", "ProductLanguage", "ProductName" and "ProductVersion";
// false when the package can't be opened or queried (the fields then stay
// empty).
bool readMsiPackageInfo(const std::filesystem::path& package, MsiPackageInfo& info);

} // namespace setup
