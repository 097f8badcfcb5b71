// The installer helper that Setup runs on its package.
#include "setup/PackageInstall.h"

int main(int argc, char** argv)
{
    return setup::runInstallerHelper(std::vector<std::string>(argv + 1, argv + argc));
}
