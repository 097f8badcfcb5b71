#include "vordix/FileDialog.h"

#include <mutex>

namespace vordix {
namespace {

std::mutex handlerMutex;
FileDialogHandler& currentHandler() {
    static FileDialogHandler handler;
    return handler;
}

} // namespace

FileDialogHandler setFileDialogHandler(FileDialogHandler handler) {
    std::lock_guard lock(handlerMutex);
    FileDialogHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

bool showFileDialog(VORDIX_FENSTER* owner, int fileKind, VORDIX_FILE& file, const std::wstring& caption,
                    bool save) {
    FileDialogHandler handler;
    {
        std::lock_guard lock(handlerMutex);
        handler = currentHandler();
    }
    return handler && handler(owner, fileKind, file, caption, save);
}

} // namespace vordix
