#include "vordix/Dokument.h"

#include "vordix/FileDialog.h"
#include "vordix/MessageSink.h"
#include "vordix/SafeSave.h"
#include "vordix/WinFilePath.h"

#include <tinyxml2.h>

#include <cstdio>
#include <sys/stat.h>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Moves an unreadable file out of the way under a free name, so saving never
// destroys content the user may still want to rescue.
bool keepUnreadableFile(const fs::path& target)
{
    std::error_code error;
    if (!fs::exists(target, error))
        return true;
    for (int n = 0; n < 1000; ++n) {
        fs::path aside = target;
        aside += n == 0 ? ".unlesbar" : ".unlesbar" + std::to_string(n);
        if (fs::exists(aside, error))
            continue;
        fs::rename(target, aside, error);
        return !error;
    }
    return false;
}

// Writes the XML through the save helper. Returns DOCUMENT_OK,
// DOCUMENT_NOT_OPENABLE (no temporary file could be created) or
// DOCUMENT_NOT_WRITABLE (writing, syncing or renaming failed).
int writeReplacing(tinyxml2::XMLDocument& document, const fs::path& target)
{
    const vordix::SaveOutcome saved = vordix::saveFile(target, [&](std::FILE* stream) {
        document.SaveFile(stream, /*compact=*/false);
        return !std::ferror(stream);
    });
    switch (saved.result) {
    case vordix::SaveResult::Ok: return DOCUMENT_OK;
    case vordix::SaveResult::NotCreated: return DOCUMENT_NOT_OPENABLE;
    case vordix::SaveResult::NotWritten: break;
    }
    return DOCUMENT_NOT_WRITABLE;
}

} // namespace

VORDIX_DOKUMENT::~VORDIX_DOKUMENT() = default;

std::wstring VORDIX_DOKUMENT::errorText(int code, const std::wstring& fileName)
{
    switch (code) {
    case DOCUMENT_UNREADABLE:
        return L"Interner Programmfehler:\nDie Dokumentstruktur kann nicht in das Speicherformat aufbereitet werden.";
    case DOCUMENT_NOT_WRITABLE:
        return L"Die Datei|" + fileName + L"|kann nicht geschrieben werden, eventuell ist sie schreibgeschuetzt!";
    case DOCUMENT_NOT_OPENABLE:
        return L"Die Datei|" + fileName
               + L"|kann nicht geoeffnet werden, eventuell wird sie von einem anderen Programm verwendet!";
    case DOCUMENT_TOO_LARGE:
        return L"Die Datei|" + fileName + L"|ist gr\u00f6\u00dfer als " + std::to_wstring(MAX_FILE_SIZE / (1024 * 1024))
               + L" MB und wird nicht gelesen.|Sie wird nicht \u00fcberschrieben.";
    default: return {};
    }
}

void VORDIX_DOKUMENT::reportError(int code) const
{
    std::wstring text = errorText(code, file.name);
    if (!text.empty())
        vordix::showMessage(vordix::MessageKind::Information, text);
}

bool VORDIX_DOKUMENT::save()
{
    tinyxml2::XMLDocument document;
    document.InsertEndChild(document.NewDeclaration("xml version=\"1.0\" encoding=\"utf-8\""));
    tinyxml2::XMLElement* root = document.NewElement(elementName());
    document.InsertEndChild(root);
    try {
        write(*root, document);
    } catch (...) {
        reportError(DOCUMENT_UNREADABLE);
        return false;
    }

    std::wstring fullPath = file.fullPath();
    if (fullPath.empty() || file.name.empty()) {
        reportError(DOCUMENT_NOT_OPENABLE);
        return false;
    }
    const fs::path target = WIN_FILEPATH::toFsPath(fullPath);
    file.close();
    if (!unreadablePath_.empty() && unreadablePath_ == fullPath && !keepUnreadableFile(target)) {
        reportError(DOCUMENT_NOT_WRITABLE);
        return false;
    }
    int result = writeReplacing(document, target);
    if (result != DOCUMENT_OK) {
        reportError(result);
        return false;
    }
    if (unreadablePath_ == fullPath)
        unreadablePath_.clear();
    modified = false;
    return true;
}

int VORDIX_DOKUMENT::load()
{
    lastLoadResult_ = loadFile();
    return lastLoadResult_;
}

int VORDIX_DOKUMENT::loadFile()
{
    file.close();
    std::wstring fullPath = file.fullPath();
    std::error_code error;
    if (fullPath.empty() || file.name.empty() || fs::is_directory(WIN_FILEPATH::toFsPath(fullPath), error))
        return DOCUMENT_NOT_OPENABLE;
    file.stream = std::fopen(WIN_FILEPATH::toFsPath(fullPath).c_str(), "rb");
    if (!file.stream)
        return DOCUMENT_NOT_OPENABLE;
    struct stat info { };
    if (fstat(fileno(file.stream), &info) == 0 && static_cast<std::uintmax_t>(info.st_size) > MAX_FILE_SIZE) {
        file.close();
        unreadablePath_ = fullPath;
        return DOCUMENT_TOO_LARGE;
    }

    tinyxml2::XMLDocument document;
    bool ok = document.LoadFile(file.stream) == tinyxml2::XML_SUCCESS;
    file.close();
    keepAside_ = false;
    if (ok) {
        try {
            ok = read(document.FirstChildElement(), document);
        } catch (...) {
            ok = false;
        }
    }
    if (!ok) {
        unreadablePath_ = fullPath;
        return DOCUMENT_UNREADABLE;
    }
    if (keepAside_)
        unreadablePath_ = fullPath;
    else if (unreadablePath_ == fullPath)
        unreadablePath_.clear();
    return DOCUMENT_OK;
}

int VORDIX_DOKUMENT::open(const VORDIX_FILE& source)
{
    file = source;
    if (load() == DOCUMENT_OK) {
        loadedFromFile = true;
        return 0;
    }
    loadedFromFile = false;
    if (lastLoadResult_ == DOCUMENT_TOO_LARGE)
        reportError(DOCUMENT_TOO_LARGE);
    int result = onLoadFailed();
    modified = true;
    return result;
}

void VORDIX_DOKUMENT::openWithDialog()
{
    VORDIX_FILE chosen(file);
    if (!vordix::showFileDialog(ownerWindow, fileKind, chosen, openDialogTitle, /*save=*/false))
        return;
    file = chosen;
    int code = load();
    if (code == DOCUMENT_OK) {
        loadedFromFile = true;
        return;
    }
    loadedFromFile = false;
    reportError(code);
    onLoadFailed();
    modified = true;
}

void VORDIX_DOKUMENT::saveWithDialog()
{
    VORDIX_FILE chosen(file);
    if (!vordix::showFileDialog(ownerWindow, fileKind, chosen, saveDialogTitle, /*save=*/true))
        return;
    file = chosen;
    save();
}
