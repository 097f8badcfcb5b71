#include "setup/ProcessRun.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace setup {

namespace {

bool isExecutableFile(const fs::path& file)
{
    struct stat info { };
    return ::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(file.c_str(), X_OK) == 0;
}

} // namespace

std::optional<int> runProgram(const std::string& program, const std::vector<std::string>& arguments, bool quiet)
{
    std::vector<char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (quiet) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = 0;
    const int started = program.find('/') == std::string::npos
                            ? ::posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ)
                            : ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0)
        return std::nullopt;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return std::nullopt;
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return std::nullopt;
}

fs::path findProgram(const std::string& name, const fs::path& besideFolder)
{
    if (!besideFolder.empty() && isExecutableFile(besideFolder / name))
        return besideFolder / name;
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        const std::string folder = folders.substr(start, end - start);
        if (!folder.empty() && isExecutableFile(fs::path(folder) / name))
            return fs::path(folder) / name;
        start = end + 1;
    }
    return {};
}

fs::path ownProgramFile()
{
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : self;
}

} // namespace setup
