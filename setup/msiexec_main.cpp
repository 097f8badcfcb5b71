// The installer helper that Setup runs on its package.
#include "setup/DesktopMessageSink.h"
#include "setup/PackageInstall.h"

#include <memory>

int main(int argc, char** argv)
{
    vordix::setMessageSink(std::make_shared<setup::DesktopMessageSink>());
    return setup::processStatusOf(setup::runInstallerHelper(std::vector<std::string>(argv + 1, argv + argc)));
}
