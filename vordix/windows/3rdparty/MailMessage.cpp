#include "vordix/windows/3rdparty/MailMessage.h"

#include "vordix/Utf8.h"
#include "vordix/WinFilePath.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string cacheHome()
{
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && cache[0] == '/')
        return cache;
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/.cache";
}

} // namespace

std::string mailCacheFolder() { return cacheHome() + "/Skat/Mail"; }

std::string newMailCacheFolder()
{
    const std::string root = mailCacheFolder();
    if (!WIN_FILEPATH::createFolderTree(vordix::fromUtf8(root)))
        throw std::domain_error("Attachment file cannot be written!");
    std::string pattern = root + "/XXXXXX";
    if (!::mkdtemp(pattern.data()))
        throw std::domain_error("Attachment file cannot be written!");
    return pattern;
}

void clearMailCache(long olderThanSeconds)
{
    std::error_code error;
    const auto limit = fs::file_time_type::clock::now() - std::chrono::seconds(olderThanSeconds);
    for (const fs::directory_entry& entry : fs::directory_iterator(mailCacheFolder(), error)) {
        std::error_code timeError;
        const auto written = fs::last_write_time(entry.path(), timeError);
        if (!timeError && written < limit)
            fs::remove_all(entry.path(), timeError);
    }
}

std::string safeFileName(const std::string& shownName)
{
    std::string name = fs::path(shownName).filename().string();
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 32 || c == '/' || c == '\\' || c == ':' || c == '"')
            c = '_';
    if (name.empty() || name == "." || name == "..")
        name = "Anhang";
    return name;
}

void MailMessage::addAttachmentFile(const std::string& path, const std::string& shownName)
{
    struct stat info { };
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        throw std::domain_error("Attachment file does not exist!");
    attachments[path] = {shownName, false};
}

void MailMessage::addAttachmentData(const std::string& shownName, const unsigned char* data, size_t size)
{
    const std::string path = newMailCacheFolder() + "/" + safeFileName(shownName);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    bool ok = fd >= 0;
    size_t done = 0;
    while (ok && done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n <= 0)
            ok = false;
        else
            done += static_cast<size_t>(n);
    }
    if (fd >= 0 && ::close(fd) != 0)
        ok = false;
    if (!ok) {
        ::unlink(path.c_str());
        throw std::domain_error("Attachment file cannot be written!");
    }
    attachments[path] = {shownName, true};
}
