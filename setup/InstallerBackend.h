#pragma once
// What the bootstrapper asks of the installer: the package's properties, the
// installed products and their versions, and running the installer on the
// package. LocalInstaller is the real one; tests put their own in its place.

#include "setup/MsiPackage.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace setup {

inline constexpr unsigned ENUM_SUCCESS = 0;
inline constexpr unsigned ENUM_NO_MORE_ITEMS = 259;
inline constexpr unsigned ENUM_BAD_CONFIGURATION = 1610;

class InstallerBackend {
public:
    virtual ~InstallerBackend();
    // The installer program is there.
    virtual bool available() = 0;
    virtual bool readPackageInfo(const std::filesystem::path& package, MsiPackageInfo& info) = 0;
    // The product code of installed product index (0, 1, ...): ENUM_SUCCESS,
    // ENUM_NO_MORE_ITEMS after the last, or another code on failure.
    virtual unsigned enumProducts(unsigned index, std::string& productCode) = 0;
    // The installed version text of a product; nothing when unknown.
    virtual std::optional<std::string> productVersion(const std::string& productCode) = 0;
    // Runs the installer with the arguments (arguments[0] its name); its exit
    // code, or nothing when it could not be started.
    virtual std::optional<int> runInstaller(const std::vector<std::string>& arguments) = 0;
    // The installer's text for an exit code.
    virtual std::string exitCodeText(int code) = 0;
};

// The installer helper "msiexec" beside the running program (else in PATH),
// the products file of this user (or of the system when run as root) and
// libmsi for the package's properties.
class LocalInstaller : public InstallerBackend {
public:
    explicit LocalInstaller(std::filesystem::path helperFolder);
    bool available() override;
    bool readPackageInfo(const std::filesystem::path& package, MsiPackageInfo& info) override;
    unsigned enumProducts(unsigned index, std::string& productCode) override;
    std::optional<std::string> productVersion(const std::string& productCode) override;
    std::optional<int> runInstaller(const std::vector<std::string>& arguments) override;
    std::string exitCodeText(int code) override;

    static constexpr const char* HELPER_NAME = "msiexec";

private:
    std::filesystem::path helperFolder_;
};

} // namespace setup
