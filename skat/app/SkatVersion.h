#pragma once
// The program's version texts, shown in the about dialog and in reports.

#include <string>

class SKAT_VERSION {
public:
    virtual ~SKAT_VERSION();

    std::wstring banner = L"SKAT 9.0";
    std::wstring versionText = L"Version 9.0";
};
