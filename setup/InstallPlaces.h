#pragma once
// Where the installer layer keeps things. Run as root it installs for the
// whole system, else for the user:
//
//                      user                                 root
//   installed files    ~/.local/opt/skat                    /opt/skat
//   installed products $XDG_DATA_HOME/skat-setup/products.ini  /var/lib/skat-setup/products.ini
//                      (~/.local/share when unset)
//
// SKAT_SETUP_PER_USER=1 installs for the user also when run as root.
// SKAT_SETUP_ROOT, when set, is put in front of the system paths (staged
// installs and tests that run as root).

#include <filesystem>

namespace setup {

bool systemWideInstall();
std::filesystem::path installFolder();
std::filesystem::path productRegistryFile();
// $TMPDIR, else /tmp.
std::filesystem::path temporaryBase();

} // namespace setup
