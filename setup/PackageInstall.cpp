#include "setup/PackageInstall.h"

#include "setup/InstallPlaces.h"
#include "setup/MsiPackage.h"
#include "setup/ProcessRun.h"
#include "setup/ProductRegistry.h"
#include "vordix/MessageSink.h"
#include "vordix/SafeSave.h"
#include "vordix/Utf8.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace fs = std::filesystem;

namespace setup {

namespace {

struct Request {
    fs::path package;
    bool reinstallAll = false;
};

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool parseArguments(const std::vector<std::string>& arguments, Request& request)
{
    bool haveInstall = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string a = upper(arguments[i]);
        if (a == "/I" && i + 1 < arguments.size() && !haveInstall) {
            request.package = arguments[++i];
            haveInstall = true;
        } else if (a == "REINSTALL=ALL") {
            request.reinstallAll = true;
        } else if (a.rfind("REINSTALLMODE=", 0) == 0) {
            // Every file is copied on a reinstall whatever the mode says.
        } else {
            return false;
        }
    }
    return haveInstall && !request.package.empty();
}

// A private folder that removes itself.
class StagingFolder {
public:
    StagingFolder()
    {
        std::string pattern = (temporaryBase() / "skat-install-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~StagingFolder()
    {
        std::error_code error;
        if (!path_.empty())
            fs::remove_all(path_, error);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// The installed tree inside the unpacked package: msiextract writes
// "Program Files/<folder>/..." for a package that installs into one folder.
fs::path installedTree(const fs::path& staging)
{
    const fs::path programFiles = staging / "Program Files";
    std::error_code error;
    if (!fs::is_directory(programFiles, error))
        return staging;
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(programFiles, error))
        entries.push_back(entry.path());
    if (entries.size() == 1 && fs::is_directory(entries[0], error))
        return entries[0];
    return programFiles;
}

// Programs and scripts keep their execute bits, which the package format
// does not carry.
bool looksExecutable(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    char head[4] = {};
    in.read(head, 4);
    return (in.gcount() >= 2 && head[0] == '#' && head[1] == '!')
           || (in.gcount() == 4
               && std::memcmp(head,
                              "\x7f"
                              "ELF",
                              4)
                      == 0);
}

bool copyInto(const fs::path& source, const fs::path& target)
{
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    if (error)
        return false;
    const bool executable = looksExecutable(source);
    return static_cast<bool>(vordix::saveFileByPath(target,
                                                    [&](const fs::path& temporary) {
                                                        std::error_code copyError;
                                                        fs::copy_file(source, temporary,
                                                                      fs::copy_options::overwrite_existing, copyError);
                                                        return !copyError;
                                                    },
                                                    {.mode = executable ? 0755u : 0644u, .keepExistingMode = false}));
}

// The helper's failures are shown like the installer's own messages.
int fail(int code, const std::string& detail = {})
{
    std::string text = installerExitText(code);
    if (!detail.empty())
        text += "|" + detail;
    vordix::showMessage(vordix::MessageKind::Error, vordix::fromUtf8(text));
    return code;
}

} // namespace

namespace {
const std::pair<int, int> STATUS_OF_CODE[] = {
    {INSTALL_SUCCESS, 0},
    {INSTALL_USER_EXIT, 2},
    {INSTALL_FAILURE, 3},
    {INSTALL_PACKAGE_OPEN_FAILED, 19},
    {INSTALL_PRODUCT_VERSION, 38},
    {INSTALL_INVALID_COMMAND_LINE, 39},
    {INSTALL_SUCCESS_REBOOT_INITIATED, 41},
    {INSTALL_SUCCESS_REBOOT_REQUIRED, 10},
};
} // namespace

int processStatusOf(int installerCode)
{
    for (const auto& [code, status] : STATUS_OF_CODE)
        if (code == installerCode)
            return status;
    return processStatusOf(INSTALL_FAILURE);
}

int installerCodeOf(int processStatus)
{
    for (const auto& [code, status] : STATUS_OF_CODE)
        if (status == processStatus)
            return code;
    return INSTALL_FAILURE;
}

std::string installerExitText(int code)
{
    switch (code) {
    case INSTALL_SUCCESS: return "The operation completed successfully.";
    case INSTALL_USER_EXIT: return "User cancelled installation.";
    case INSTALL_FAILURE: return "Fatal error during installation.";
    case INSTALL_PACKAGE_OPEN_FAILED:
        return "This installation package could not be opened. Verify that the package exists and that you can "
               "access it.";
    case INSTALL_PRODUCT_VERSION:
        return "Another version of this product is already installed. Installation of this version cannot "
               "continue.";
    case INSTALL_INVALID_COMMAND_LINE: return "Invalid command line argument.";
    default: return "Error " + std::to_string(code) + ".";
    }
}

int runInstallerHelper(const std::vector<std::string>& arguments)
{
    Request request;
    if (!parseArguments(arguments, request)) {
        return fail(INSTALL_INVALID_COMMAND_LINE, "msiexec /I <package> [REINSTALL=ALL] [REINSTALLMODE=<mode>]");
    }
    MsiPackageInfo info;
    if (!readMsiPackageInfo(request.package, info) || info.productCode.empty()) {
        return fail(INSTALL_PACKAGE_OPEN_FAILED, request.package.string());
    }

    const ProductRegistry registry(productRegistryFile());
    const ProductRegistry::Lock lock(registry);
    std::vector<InstalledProduct> products;
    if (!lock.held() || !registry.read(products)) {
        return fail(INSTALL_FAILURE, "cannot read " + registry.file().string());
    }
    auto installed = std::find_if(products.begin(), products.end(), [&](const InstalledProduct& p) {
        return sameProductCode(p.productCode, info.productCode);
    });
    bool repair = false;
    if (installed != products.end() && !request.reinstallAll) {
        MsiVersion version;
        parseVersion(installed->versionString, version);
        if (!versionEqual(version, info.version)) {
            return fail(INSTALL_PRODUCT_VERSION, installed->versionString);
        }
        repair = true;
    }

    const StagingFolder staging;
    if (staging.path().empty()) {
        return fail(INSTALL_FAILURE, "cannot create a staging folder in " + temporaryBase().string());
    }
    const std::optional<int> unpacked =
        runProgram("msiextract", {"msiextract", "-C", staging.path().string(), request.package.string()}, true);
    if (!unpacked || *unpacked != 0) {
        return fail(INSTALL_FAILURE, "cannot unpack " + request.package.string());
    }

    const fs::path tree = installedTree(staging.path());
    const fs::path target = installFolder();
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(tree, error); !error && it != fs::recursive_directory_iterator();
         it.increment(error)) {
        if (!it->is_regular_file())
            continue;
        const fs::path destination = target / fs::relative(it->path(), tree);
        if (repair) {
            std::error_code missing;
            const auto size = fs::file_size(destination, missing);
            if (!missing && size == it->file_size())
                continue;
        }
        if (!copyInto(it->path(), destination)) {
            return fail(INSTALL_FAILURE, "cannot write " + destination.string());
        }
    }
    if (error) {
        return fail(INSTALL_FAILURE, "cannot read the unpacked package");
    }

    InstalledProduct record{info.productCode, info.productName, info.version.text, info.productLanguage,
                            target.string()};
    if (installed != products.end())
        *installed = record;
    else
        products.push_back(record);
    if (!registry.write(products)) {
        return fail(INSTALL_FAILURE, "cannot write " + registry.file().string());
    }
    return INSTALL_SUCCESS;
}

} // namespace setup
