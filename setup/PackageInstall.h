#pragma once
// The installer helper ("msiexec"): installs a package into the install
// folder and records it among the installed products.
//
//   msiexec /I <package> [REINSTALL=ALL] [REINSTALLMODE=<mode>]
//
// The package's files are unpacked with msiextract into a private staging
// folder (mkdtemp, mode 0700) and copied into place one by one (temporary
// file and rename). A first install and REINSTALL=ALL copy every file; the
// same version again repairs: it copies back only files that are missing or
// whose size differs. Another version without REINSTALL=ALL is refused.

#include <string>
#include <vector>

namespace setup {

// The installer's exit codes.
enum InstallerExitCode : int {
    INSTALL_SUCCESS = 0,
    INSTALL_USER_EXIT = 1602,
    INSTALL_FAILURE = 1603,
    INSTALL_PACKAGE_OPEN_FAILED = 1619,
    INSTALL_PRODUCT_VERSION = 1638,
    INSTALL_INVALID_COMMAND_LINE = 1639,
    INSTALL_SUCCESS_REBOOT_INITIATED = 1641,
    INSTALL_SUCCESS_REBOOT_REQUIRED = 3010,
};

// A process ends with 8 bits of status, too few for the installer's codes:
// the helper ends with a small status that stands for its code (0 for 0,
// 2 for 1602, 3 for 1603, 19 for 1619, 38 for 1638, 39 for 1639, 41 for 1641,
// 10 for 3010; any other code as 3), and the caller reads it back.
int processStatusOf(int installerCode);
int installerCodeOf(int processStatus);

// The installer's text for an exit code (in English, as the system's texts).
std::string installerExitText(int code);

// Runs the helper on its arguments (without the program name); a failure is
// shown through the message sink. Returns an exit code above.
int runInstallerHelper(const std::vector<std::string>& arguments);

} // namespace setup
