#pragma once
// The Setup program's run: the command line, the offset query, extracting
// the package from its own file and installing it.
//
// "--OFFSET" (anywhere, any case) asks where the package has to be appended:
// PAYLOAD_OFFSET while the file is shorter than that, else 0. "--LOG"
// writes "SetupBootstrapper.log" into the current folder. Otherwise the
// package is written into a private folder under $TEMP (mkdtemp, mode 0700),
// its version is compared with an installed copy and the installer runs on
// it. Every failure is one ExceptionFatalError; the package and its folder
// are removed when the bootstrapper ends.

#include "setup/InstallerBackend.h"
#include "setup/SetupLog.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace setup {

enum BootstrapMode { MODE_NONE = 0, MODE_OFFSET_QUERY = 1, MODE_INSTALL = 2 };

class CBootstrapper {
public:
    // ownFile: the Setup file itself (empty: it can't be found).
    CBootstrapper(InstallerBackend& backend, std::filesystem::path ownFile);
    CBootstrapper(const CBootstrapper&) = delete;
    CBootstrapper& operator=(const CBootstrapper&) = delete;
    ~CBootstrapper();

    void parseCommandLine(const std::string& commandLine);
    // The offset of an offset query; 0 after an install.
    std::uint32_t run();

    BootstrapMode mode() const { return mode_; }
    const std::filesystem::path& extractedPath() const { return extractedPath_; }
    bool productInstalled() const { return installed_; }
    // Deletes the extracted package and its folder (nothing when none).
    void removeExtracted();

    void extractPayload();
    void installPackage();
    void runMsiExec(const std::vector<std::string>& command);
    std::uint64_t getOwnFileSize();
    void checkWindowsInstaller();
    bool isProductInstalled(const MsiPackageInfo& info);

private:
    BootstrapMode mode_ = MODE_NONE;
    std::uint32_t m_dwOffset;
    std::uint64_t iMyFileSize_ = 0;
    std::filesystem::path ownFile_;
    std::filesystem::path extractedPath_;
    std::filesystem::path extractedFolder_;
    bool installed_ = false;
    CLogger log_;
    InstallerBackend& backend_;
};

// The whole run: the exit code (0 success, 1 after a fatal error, which is
// shown unless the installer showed its own). An offset query prints the
// offset on standard output and ends with 0.
int bootstrapperMain(const std::string& commandLine, InstallerBackend& backend, const std::filesystem::path& ownFile);

} // namespace setup
