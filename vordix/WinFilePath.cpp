#include "vordix/WinFilePath.h"

#include "vordix/File.h"
#include "vordix/Utf8.h"

#include <cstdlib>
#include <fstream>
#include <mutex>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::mutex programFolderMutex;
std::wstring& programFolderOverride()
{
    static std::wstring folder;
    return folder;
}

std::wstring withSlash(std::wstring path)
{
    if (!path.empty() && path.back() != L'/')
        path += L'/';
    return path;
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// An XDG variable counts only when it holds an absolute path.
std::string xdgVariable(const char* name)
{
    std::string value = environment(name);
    return !value.empty() && value.front() == '/' ? value : std::string();
}

std::string homeFolder()
{
    std::string home = environment("HOME");
    if (!home.empty())
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/tmp";
}

std::string configHome()
{
    std::string config = xdgVariable("XDG_CONFIG_HOME");
    return config.empty() ? homeFolder() + "/.config" : config;
}

// XDG_DOCUMENTS_DIR from user-dirs.dirs ("$HOME/..." or an absolute path),
// else $HOME/Documents.
std::string documentsFolder()
{
    const std::string home = homeFolder();
    std::ifstream dirs(configHome() + "/user-dirs.dirs");
    std::string line;
    const std::string key = "XDG_DOCUMENTS_DIR=";
    while (std::getline(dirs, line)) {
        if (line.compare(0, key.size(), key) != 0)
            continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.compare(0, 5, "$HOME") == 0)
            value = home + value.substr(5);
        // A documents folder equal to HOME means "not configured".
        if (!value.empty() && value.front() == '/' && value != home && value != home + "/")
            return value;
    }
    return home + "/Documents";
}

std::string dataHome()
{
    std::string data = xdgVariable("XDG_DATA_HOME");
    return data.empty() ? homeFolder() + "/.local/share" : data;
}

// Per user and private: under $XDG_RUNTIME_DIR when it is set, else in the
// user's cache folder; never a fixed name in a shared /tmp.
std::string tempBase()
{
    std::string runtime = xdgVariable("XDG_RUNTIME_DIR");
    if (!runtime.empty())
        return runtime;
    std::string cache = xdgVariable("XDG_CACHE_HOME");
    return cache.empty() ? homeFolder() + "/.cache" : cache;
}

std::wstring executableFolder()
{
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return fs::current_path(error).wstring();
    return WIN_FILEPATH::fromFsPath(exe.parent_path());
}

} // namespace

WIN_FILEPATH::~WIN_FILEPATH() = default;

fs::path WIN_FILEPATH::toFsPath(const std::wstring& path) { return fs::path(vordix::toUtf8(path)); }

std::wstring WIN_FILEPATH::fromFsPath(const fs::path& path) { return vordix::fromUtf8(path.native()); }

void WIN_FILEPATH::setProgramFolder(const std::wstring& folder)
{
    std::lock_guard lock(programFolderMutex);
    programFolderOverride() = folder;
}

std::wstring WIN_FILEPATH::standardFolderPath(unsigned kind)
{
    switch (kind) {
    case FOLDER_PROGRAM: {
        std::lock_guard lock(programFolderMutex);
        return programFolderOverride().empty() ? executableFolder() : programFolderOverride();
    }
    case FOLDER_DOCUMENTS: return vordix::fromUtf8(documentsFolder());
    case FOLDER_APPDATA: return vordix::fromUtf8(dataHome());
    case FOLDER_TEMP: return vordix::fromUtf8(tempBase()) + L"/" + TEMP_SUBFOLDER;
    default: return {};
    }
}

void WIN_FILEPATH::setStandardFolder(unsigned kind)
{
    std::wstring folder = standardFolderPath(kind);
    if (folder.empty())
        return;
    createFolderTree(folder);
    if (kind == FOLDER_TEMP) {
        // Only this user may look into the temporary folder.
        std::error_code error;
        fs::permissions(toFsPath(folder), fs::perms::owner_all, fs::perm_options::replace, error);
    }
    path_ = withSlash(folder);
}

void WIN_FILEPATH::copyFrom(const VORDIX_FOLDER& folder)
{
    if (auto* other = dynamic_cast<const WIN_FILEPATH*>(folder.imp()))
        path_ = other->path_;
}

void WIN_FILEPATH::changeFolder(const std::wstring& name)
{
    if (name != L"..") {
        path_ += name;
        path_ += L'/';
        return;
    }
    size_t last = path_.rfind(L'/');
    if (last == 0)
        return; // already at the root
    if (!path_.empty())
        path_.pop_back();
    last = path_.rfind(L'/');
    path_ = last == std::wstring::npos ? std::wstring() : path_.substr(0, last + 1);
}

bool WIN_FILEPATH::createSubfolder(const std::wstring& name)
{
    if (name == L".." && path_.rfind(L'/') == 0)
        return false;
    changeFolder(name);
    return createFolderTree(path_);
}

bool WIN_FILEPATH::setPath(const std::wstring& path)
{
    path_ = withSlash(path);
    return !path_.empty();
}

bool WIN_FILEPATH::createFolderTree(const std::wstring& path)
{
    if (path.empty())
        return false;
    std::error_code error;
    fs::path target = toFsPath(path);
    fs::create_directories(target, error);
    return !error && fs::is_directory(target, error);
}

bool WIN_FILEPATH::isReadable(const VORDIX_FILE& file)
{
    if (!dynamic_cast<const WIN_FILEPATH*>(file.folder.imp()))
        return false;
    std::error_code error;
    fs::path path = file.fsPath();
    if (fs::is_directory(path, error))
        return false;
    FILE* stream = std::fopen(path.c_str(), "r");
    if (!stream)
        return false;
    std::fclose(stream);
    return true;
}

void WIN_FILEPATH::removeFile(const VORDIX_FILE& file)
{
    if (!dynamic_cast<const WIN_FILEPATH*>(file.folder.imp()))
        return;
    std::error_code error;
    fs::remove(file.fsPath(), error);
}

void WIN_FILEPATH::copyFile(const VORDIX_FILE& file, const VORDIX_FOLDER& destination)
{
    if (!dynamic_cast<const WIN_FILEPATH*>(file.folder.imp()) || destination.path().empty())
        return;
    std::error_code error;
    fs::path target = toFsPath(destination.path() + file.name);
    fs::copy_file(file.fsPath(), target, fs::copy_options::overwrite_existing, error);
    if (!error)
        fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, error);
}

size_t WIN_FILEPATH::readBytes(size_t count, void* buffer, FILE* stream)
{
    constexpr size_t chunk = 16384;
    auto* out = static_cast<unsigned char*>(buffer);
    if (!stream || count == 0)
        return 0;
    if (count <= chunk)
        return std::fread(out, 1, count, stream);
    size_t total = 0;
    while (count - total > chunk) {
        size_t got = std::fread(out + total, 1, chunk, stream);
        total += got;
        if (got < chunk)
            return total;
    }
    return total + std::fread(out + total, 1, count - total, stream);
}

void WIN_FILEPATH::listFolder(const VORDIX_FOLDER& folder, int depth, std::vector<VORDIX_FILE>& list)
{
    if (folder.path().empty())
        return;
    std::error_code error;
    for (fs::directory_iterator it(toFsPath(folder.path()), error); !error && it != fs::directory_iterator();
         it.increment(error)) {
        const fs::directory_entry& entry = *it;
        std::wstring name = fromFsPath(entry.path().filename());
        bool isDirectory = entry.is_directory(error);
        if (isDirectory && (depth == 0 || depth > 1)) {
            VORDIX_FOLDER sub(folder);
            sub.changeFolder(name);
            listFolder(sub, depth == 0 ? 0 : depth - 1, list);
        } else if (!isDirectory || depth == 1) {
            list.emplace_back(folder, name);
        }
    }
}

std::string WIN_FILEPATH::getFullPath(const VORDIX_FILE& file)
{
    if (!dynamic_cast<const WIN_FILEPATH*>(file.folder.imp()))
        return {};
    return vordix::toUtf8(file.fullPath());
}
