#include "skat/app/SkatVersion.h"

#include "skat/app/SkatBuildVersion.h"

namespace {
std::string joined(int parts)
{
    std::string text;
    for (int i = 0; i < parts; ++i)
        text += (i ? "." : "") + std::to_string(skat::build::VERSION_PARTS[i]);
    return text;
}
} // namespace

SKAT_VERSION::SKAT_VERSION()
{
    const std::string shortVersion = joined(2);
    banner = L"SKAT " + std::wstring(shortVersion.begin(), shortVersion.end());
    versionText = L"Version " + std::wstring(shortVersion.begin(), shortVersion.end());
}

SKAT_VERSION::~SKAT_VERSION() = default;

namespace skat {

std::array<std::uint32_t, 4> versionParts()
{
    std::array<std::uint32_t, 4> parts{};
    for (std::size_t i = 0; i < parts.size(); ++i)
        parts[i] = static_cast<std::uint32_t>(build::VERSION_PARTS[i]);
    return parts;
}

std::string fullVersionText() { return joined(4); }

std::string reportVersionText() { return joined(3); }

} // namespace skat
