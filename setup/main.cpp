// Setup: installs the package appended to its own file.
#include "setup/Bootstrapper.h"
#include "setup/ProcessRun.h"
#include "vordix/MessageSink.h"
#include "vordix/Utf8.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

// Messages go to standard error and, on a desktop, into a message box of the
// desktop's dialog program (run with an argument vector, never a shell).
class SetupMessageSink : public vordix::MessageSink {
public:
    vordix::MessageAnswer show(vordix::MessageKind, const std::wstring& caption, const std::wstring& text,
                               vordix::MessageButtons) override
    {
        std::string message = vordix::toUtf8(text);
        for (char& c : message)
            if (c == '|')
                c = '\n';
        const std::string title = vordix::toUtf8(caption);
        std::fprintf(stderr, "%s: %s\n", title.c_str(), vordix::toUtf8(text).c_str());
        const bool desktop = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
        if (desktop) {
            if (!setup::findProgram("zenity", {}).empty())
                setup::runProgram("zenity", {"zenity", "--error", "--title", title, "--text", message}, true);
            else if (!setup::findProgram("xmessage", {}).empty())
                setup::runProgram("xmessage", {"xmessage", "-center", title + "\n\n" + message}, true);
        }
        return vordix::MessageAnswer::Ok;
    }
};

} // namespace

int main(int argc, char** argv)
{
    std::string commandLine;
    for (int i = 1; i < argc; ++i)
        commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
    vordix::setMessageSink(std::make_shared<SetupMessageSink>());
    const std::filesystem::path self = setup::ownProgramFile();
    setup::LocalInstaller installer(self.parent_path());
    return setup::bootstrapperMain(commandLine, installer, self);
}
