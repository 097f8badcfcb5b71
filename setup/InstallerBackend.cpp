#include "setup/InstallerBackend.h"

#include "setup/InstallPlaces.h"
#include "setup/PackageInstall.h"
#include "setup/ProcessRun.h"
#include "setup/ProductRegistry.h"

namespace setup {

InstallerBackend::~InstallerBackend() = default;

LocalInstaller::LocalInstaller(std::filesystem::path helperFolder) : helperFolder_(std::move(helperFolder)) { }

bool LocalInstaller::available()
{
    return !findProgram(HELPER_NAME, helperFolder_).empty() && !findProgram("msiextract", {}).empty();
}

bool LocalInstaller::readPackageInfo(const std::filesystem::path& package, MsiPackageInfo& info)
{
    return readMsiPackageInfo(package, info);
}

unsigned LocalInstaller::enumProducts(unsigned index, std::string& productCode)
{
    std::vector<InstalledProduct> products;
    if (!ProductRegistry(productRegistryFile()).read(products))
        return ENUM_BAD_CONFIGURATION;
    if (index >= products.size())
        return ENUM_NO_MORE_ITEMS;
    productCode = products[index].productCode;
    return ENUM_SUCCESS;
}

std::optional<std::string> LocalInstaller::productVersion(const std::string& productCode)
{
    std::vector<InstalledProduct> products;
    if (!ProductRegistry(productRegistryFile()).read(products))
        return std::nullopt;
    for (const InstalledProduct& p : products)
        if (sameProductCode(p.productCode, productCode) && !p.versionString.empty())
            return p.versionString;
    return std::nullopt;
}

std::optional<int> LocalInstaller::runInstaller(const std::vector<std::string>& arguments)
{
    const std::filesystem::path helper = findProgram(HELPER_NAME, helperFolder_);
    if (helper.empty())
        return std::nullopt;
    const std::optional<int> status = runProgram(helper.string(), arguments);
    if (!status)
        return std::nullopt;
    return installerCodeOf(*status);
}

std::string LocalInstaller::exitCodeText(int code) { return installerExitText(code); }

} // namespace setup
