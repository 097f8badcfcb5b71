#include "setup/InstallPlaces.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace setup {

namespace {

std::string variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

fs::path home()
{
    std::string h = variable("HOME");
    if (h.empty())
        if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
            h = entry->pw_dir;
    return h.empty() ? fs::path("/tmp") : fs::path(h);
}

fs::path systemPath(const char* path)
{
    const std::string root = variable("SKAT_SETUP_ROOT");
    return root.empty() ? fs::path(path) : fs::path(root) / fs::path(path).relative_path();
}

} // namespace

bool systemWideInstall() { return geteuid() == 0 && variable("SKAT_SETUP_PER_USER") != "1"; }

fs::path installFolder() { return systemWideInstall() ? systemPath("/opt/skat") : home() / ".local" / "opt" / "skat"; }

fs::path productRegistryFile()
{
    if (systemWideInstall())
        return systemPath("/var/lib/skat-setup/products.ini");
    const std::string data = variable("XDG_DATA_HOME");
    const fs::path base = !data.empty() && data.front() == '/' ? fs::path(data) : home() / ".local" / "share";
    return base / "skat-setup" / "products.ini";
}

fs::path temporaryBase()
{
    const std::string tmp = variable("TMPDIR");
    return !tmp.empty() && tmp.front() == '/' ? fs::path(tmp) : fs::path("/tmp");
}

} // namespace setup
