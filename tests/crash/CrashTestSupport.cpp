#include "CrashTestSupport.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace crashtest {

ScratchFolder::ScratchFolder()
{
    std::string pattern = std::filesystem::temp_directory_path().string() + "/skat-crash-test-XXXXXX";
    if (!mkdtemp(pattern.data()))
        std::abort();
    path_ = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

ChildEnd runProgram(const std::vector<std::string>& arguments, const std::vector<std::string>& extraEnvironment)
{
    std::vector<char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> envText;
    for (char** e = environ; *e; ++e)
        envText.push_back(*e);
    for (const std::string& extra : extraEnvironment)
        envText.push_back(extra);
    std::vector<char*> envp;
    for (std::string& e : envText)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid = 0;
    ChildEnd end;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
        return end;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) { }
    end.signalled = WIFSIGNALED(status);
    end.signal = end.signalled ? WTERMSIG(status) : 0;
    end.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return end;
}

ChildEnd runSelf(const std::vector<std::string>& arguments)
{
    std::vector<std::string> all{std::filesystem::read_symlink("/proc/self/exe").string()};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return runProgram(all);
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> readLines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

void writeFile(const std::string& path, const std::string& content, bool executable)
{
    std::ofstream(path, std::ios::binary) << content;
    if (executable)
        chmod(path.c_str(), 0755);
}

bool waitForFile(const std::string& path, int timeoutMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end) {
        struct stat info { };
        if (stat(path.c_str(), &info) == 0 && info.st_size > 0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

std::string commandOutput(const std::string& command, int* status)
{
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    const int rc = pclose(pipe);
    if (status)
        *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return out;
}

} // namespace crashtest
