#include "vordix/SafeSave.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace vordix {

namespace {

std::atomic<SaveStepHook> stepHook{nullptr};

void reached(SaveStep step)
{
    if (SaveStepHook hook = stepHook.load())
        hook(step);
}

// A symbolic link stays a link: the file it names is the one replaced. A
// link to nowhere is replaced by the file.
fs::path fileToReplace(const fs::path& target)
{
    std::error_code error;
    if (!fs::is_symlink(target, error))
        return target;
    const fs::path named = fs::canonical(target, error);
    return error ? target : named;
}

SaveOutcome failed(SaveResult result, int error) { return {result, error}; }

// The temporary file beside the target: removed again unless it became the
// target.
class TemporaryFile {
public:
    explicit TemporaryFile(const fs::path& target)
    {
        const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
        std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
        fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd_ >= 0)
            path_ = pattern;
    }
    ~TemporaryFile()
    {
        closeFile();
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const fs::path& path() const { return path_; }
    // The descriptor now belongs to someone else (a FILE stream).
    void handOver() { fd_ = -1; }
    bool closeFile()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }
    // It is the target now.
    void keep() { path_.clear(); }

private:
    int fd_ = -1;
    fs::path path_;
};

void setMode(int fd, const fs::path& target, const SaveOptions& options)
{
    struct stat old { };
    const bool replacing = options.keepExistingMode && ::stat(target.c_str(), &old) == 0;
    ::fchmod(fd, replacing ? (old.st_mode & 07777) : static_cast<mode_t>(options.mode));
}

bool writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The new name must reach the disk too; a folder that cannot be synced (some
// file systems refuse) leaves the file saved as far as this process can tell.
void syncFolder(const fs::path& target)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    reached(SaveStep::FolderSynced);
}

// The last two steps, once the temporary file is complete and on the disk.
SaveOutcome replaceTarget(TemporaryFile& file, const fs::path& target)
{
    if (::rename(file.path().c_str(), target.c_str()) != 0)
        return failed(SaveResult::NotWritten, errno);
    file.keep();
    reached(SaveStep::Replaced);
    syncFolder(target);
    return {};
}

} // namespace

SaveStepHook setSaveStepHook(SaveStepHook hook) { return stepHook.exchange(hook); }

SaveOutcome saveFile(const fs::path& requested, std::string_view content, const SaveOptions& options)
{
    const fs::path target = fileToReplace(requested);
    TemporaryFile file(target);
    if (file.fd() < 0)
        return failed(SaveResult::NotCreated, errno);
    setMode(file.fd(), target, options);
    reached(SaveStep::TemporaryCreated);
    const std::size_t half = content.size() / 2;
    if (!writeAll(file.fd(), content.data(), half))
        return failed(SaveResult::NotWritten, errno);
    reached(SaveStep::PartlyWritten);
    if (!writeAll(file.fd(), content.data() + half, content.size() - half))
        return failed(SaveResult::NotWritten, errno);
    reached(SaveStep::Written);
    if (::fsync(file.fd()) != 0)
        return failed(SaveResult::NotWritten, errno);
    reached(SaveStep::Synced);
    if (!file.closeFile())
        return failed(SaveResult::NotWritten, errno);
    return replaceTarget(file, target);
}

SaveOutcome saveFile(const fs::path& requested, const StreamWriter& write, const SaveOptions& options)
{
    const fs::path target = fileToReplace(requested);
    TemporaryFile file(target);
    if (file.fd() < 0)
        return failed(SaveResult::NotCreated, errno);
    setMode(file.fd(), target, options);
    std::FILE* stream = ::fdopen(file.fd(), "wb");
    if (stream == nullptr)
        return failed(SaveResult::NotCreated, errno);
    file.handOver();
    reached(SaveStep::TemporaryCreated);
    bool written = write(stream);
    int error = written ? 0 : errno;
    written = written && std::fflush(stream) == 0 && !std::ferror(stream);
    if (written)
        reached(SaveStep::Written);
    written = written && ::fsync(::fileno(stream)) == 0;
    if (written)
        reached(SaveStep::Synced);
    if (!written && error == 0)
        error = errno;
    const bool closed = std::fclose(stream) == 0;
    if (!written || !closed)
        return failed(SaveResult::NotWritten, written ? errno : error);
    return replaceTarget(file, target);
}

SaveOutcome saveFileByPath(const fs::path& requested, const PathWriter& write, const SaveOptions& options)
{
    const fs::path target = fileToReplace(requested);
    TemporaryFile file(target);
    if (file.fd() < 0)
        return failed(SaveResult::NotCreated, errno);
    file.closeFile();
    reached(SaveStep::TemporaryCreated);
    if (!write(file.path()))
        return failed(SaveResult::NotWritten, 0);
    reached(SaveStep::Written);
    // The writer may have made a new file at the path and given it modes of
    // its own (a copy takes the source's): sync and set what lies there now.
    const int fd = ::open(file.path().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return failed(SaveResult::NotWritten, errno);
    setMode(fd, target, options);
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!synced)
        return failed(SaveResult::NotWritten, error);
    reached(SaveStep::Synced);
    return replaceTarget(file, target);
}

} // namespace vordix
