// Setup: installs the package appended to its own file.
#include "setup/Bootstrapper.h"
#include "setup/DesktopMessageSink.h"
#include "setup/ProcessRun.h"

#include <memory>
#include <string>

int main(int argc, char** argv)
{
    std::string commandLine;
    for (int i = 1; i < argc; ++i)
        commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
    vordix::setMessageSink(std::make_shared<setup::DesktopMessageSink>());
    const std::filesystem::path self = setup::ownProgramFile();
    setup::LocalInstaller installer(self.parent_path());
    return setup::bootstrapperMain(commandLine, installer, self);
}
