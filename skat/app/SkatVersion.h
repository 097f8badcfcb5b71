#pragma once
// The program's version texts, shown in the about dialog and in reports.
// Every number comes from the build's one project version.

#include <array>
#include <cstdint>
#include <string>

class SKAT_VERSION {
public:
    SKAT_VERSION();
    virtual ~SKAT_VERSION();

    std::wstring banner;      // "SKAT 9.0"
    std::wstring versionText; // "Version 9.0"
};

namespace skat {
// The four parts of the version (major, minor, patch, build): the module
// version in crash reports and the install package's version.
std::array<std::uint32_t, 4> versionParts();
// "9.0.4.45", as the install package carries it.
std::string fullVersionText();
// "9.0.4", as the subject of a crash report names it.
std::string reportVersionText();
} // namespace skat
