#include "vordix/MessageBox.h"

#include "vordix/MessageSink.h"

namespace vordix {

void showMessageBox(int kind, const std::wstring& text) { showMessageBoxWithTitle({}, kind, text); }

void showMessageBoxWithTitle(const std::wstring& closingParagraph, int kind, const std::wstring& text)
{
    MessageKind sinkKind;
    switch (kind) {
    case MESSAGEBOX_WARNING: sinkKind = MessageKind::Warning; break;
    case MESSAGEBOX_CRITICAL: sinkKind = MessageKind::Error; break;
    case MESSAGEBOX_INFORMATION: sinkKind = MessageKind::Information; break;
    default: return;
    }
    std::wstring full = text;
    if (!closingParagraph.empty())
        full += L"||" + closingParagraph;
    showMessage(sinkKind, full);
}

} // namespace vordix
