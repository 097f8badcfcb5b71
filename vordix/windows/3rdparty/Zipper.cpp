#include "vordix/windows/3rdparty/Zipper.h"

#include "vordix/Utf8.h"

#include <minizip/zip.h>

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr int VERSION_MADE_BY_UNIX = (3 << 8) | 20;
constexpr size_t BLOCK = 2048;
} // namespace

CZipper::~CZipper()
{
    try {
        close();
    } catch (...) {
    }
}

bool CZipper::open(const std::wstring& path)
{
    close();
    if (path.empty())
        return false;
    std::error_code error;
    const fs::path full = fs::absolute(fs::path(vordix::toUtf8(path)), error);
    if (error)
        return false;
    archive_ = zipOpen64(full.c_str(), APPEND_STATUS_CREATE);
    if (archive_)
        baseFolder_ = vordix::fromUtf8(full.parent_path().string());
    return archive_ != nullptr;
}

bool CZipper::addFile(const std::wstring& path)
{
    if (!archive_)
        return false;
    fs::path file(vordix::toUtf8(path));
    if (file.is_relative())
        file = fs::path(vordix::toUtf8(baseFolder_)) / file;
    const std::string name = file.filename().string();

    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info { };
    zip_fileinfo entry{};
    if (::fstat(fd, &info) == 0) {
        tm local{};
        const time_t modified = info.st_mtime;
        if (localtime_r(&modified, &local)) {
            entry.tmz_date.tm_sec = static_cast<uInt>(local.tm_sec);
            entry.tmz_date.tm_min = static_cast<uInt>(local.tm_min);
            entry.tmz_date.tm_hour = static_cast<uInt>(local.tm_hour);
            entry.tmz_date.tm_mday = static_cast<uInt>(local.tm_mday);
            entry.tmz_date.tm_mon = static_cast<uInt>(local.tm_mon);
            entry.tmz_date.tm_year = static_cast<uInt>(local.tm_year + 1900);
        }
        entry.external_fa = static_cast<uLong>(info.st_mode & 0xffff) << 16;
    }
    const bool large = static_cast<uint64_t>(info.st_size) >= 0xffffffffull;
    bool ok = zipOpenNewFileInZip4_64(archive_, name.c_str(), &entry, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 6, 0,
                                      -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0, VERSION_MADE_BY_UNIX,
                                      0, large ? 1 : 0)
              == ZIP_OK;
    if (ok) {
        ++files_;
        char block[BLOCK];
        for (;;) {
            const ssize_t n = ::read(fd, block, sizeof block);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                ok = false; // a file that cannot be read whole is no good report
            if (n <= 0)
                break;
            bytes_ += static_cast<uint64_t>(n);
            if (zipWriteInFileInZip(archive_, block, static_cast<unsigned>(n)) != ZIP_OK) {
                ok = false;
                break;
            }
        }
        if (zipCloseFileInZip(archive_) != ZIP_OK)
            ok = false;
    }
    ::close(fd);
    return ok;
}

bool CZipper::close()
{
    bool ok = true;
    if (archive_)
        ok = zipClose(archive_, nullptr) == ZIP_OK;
    archive_ = nullptr;
    baseFolder_.clear();
    files_ = 0;
    bytes_ = 0;
    return ok;
}
