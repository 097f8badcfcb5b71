#include "setup/DesktopMessageSink.h"

#include "setup/ProcessRun.h"
#include "vordix/Utf8.h"

#include <cstdio>
#include <cstdlib>

namespace setup {

vordix::MessageAnswer DesktopMessageSink::show(vordix::MessageKind, const std::wstring& caption,
                                               const std::wstring& text, vordix::MessageButtons)
{
    std::string message = vordix::toUtf8(text);
    std::fprintf(stderr, "%s: %s\n", vordix::toUtf8(caption).c_str(), message.c_str());
    for (char& c : message)
        if (c == '|')
            c = '\n';
    const std::string title = vordix::toUtf8(caption);
    if (std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY")) {
        if (!findProgram("zenity", {}).empty())
            runProgram("zenity", {"zenity", "--error", "--title", title, "--text", message}, true);
        else if (!findProgram("xmessage", {}).empty())
            runProgram("xmessage", {"xmessage", "-center", title + "\n\n" + message}, true);
    }
    return vordix::MessageAnswer::Ok;
}

} // namespace setup
