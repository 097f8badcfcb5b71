#include "vordix/FileDialog.h"

#include "vordix/File.h"

#include <iterator>
#include <mutex>

namespace vordix {
namespace {

std::mutex handlerMutex;
FileDialogHandler& currentHandler()
{
    static FileDialogHandler handler;
    return handler;
}

} // namespace

FileDialogHandler setFileDialogHandler(FileDialogHandler handler)
{
    std::lock_guard lock(handlerMutex);
    FileDialogHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

bool showFileDialog(VORDIX_FENSTER* owner, int fileKind, VORDIX_FILE& file, const std::wstring& caption, bool save)
{
    FileDialogHandler handler;
    {
        std::lock_guard lock(handlerMutex);
        handler = currentHandler();
    }
    return handler && handler(owner, fileKind, file, caption, save);
}

std::wstring fileDialogFilter(int fileKind, bool english)
{
    struct Filter {
        const wchar_t* german;
        const wchar_t* english;
    };
    static constexpr Filter filters[] = {
        {L"Bilder (*.JPG *.PNG *.BMP *.GIF *.TIF)", L"Images (*.JPG *.PNG *.BMP *.GIF *.TIF)"},
        {L"Spiellogik (*.spl)", L"Logic files (*.spl)"},
        {L"Spielelisten (*.skt)", L"Game lists (*.skt)"},
        {L"Kartensets (*.spk)", L"Deck of cards (*.spk)"},
        {L"Kartenverteilungen (*.krt)", L"Distributions (*.krt)"},
        {L"PDF-Dateien (*.pdf)", L"PDF files (*.pdf)"},
        {L"Textdateien (*.txt)", L"Text files (*.txt)"},
    };
    std::wstring filter;
    if (fileKind >= 1 && fileKind <= static_cast<int>(std::size(filters)))
        filter = english ? filters[fileKind - 1].english : filters[fileKind - 1].german;
    return filter + (english ? L";;All files (*.*)" : L";;Alle Dateien (*.*)");
}

bool assignChosenPath(VORDIX_FILE& file, const std::wstring& chosen)
{
    if (chosen.empty())
        return false;
    const size_t slash = chosen.rfind(L'/');
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : chosen.substr(0, slash + 1);
    file.close();
    if (!folder.empty())
        file.folder.setPath(folder);
    file.name = slash == std::wstring::npos ? chosen : chosen.substr(slash + 1);
    return true;
}

} // namespace vordix
