#pragma once
// Messages of Setup and its installer helper: on standard error and, on a
// desktop, in a message box of the desktop's dialog program (zenity or
// xmessage, run with an argument vector, never through a shell).

#include "vordix/MessageSink.h"

namespace setup {

class DesktopMessageSink : public vordix::MessageSink {
public:
    vordix::MessageAnswer show(vordix::MessageKind kind, const std::wstring& caption, const std::wstring& text,
                               vordix::MessageButtons buttons) override;
};

} // namespace setup
