#pragma once
// Helpers of the crash tests: scratch folders, child processes, files.

#include <string>
#include <vector>

namespace crashtest {

// A fresh private folder, removed with its contents at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

struct ChildEnd {
    bool signalled = false;
    int signal = 0;
    int exitCode = -1;
};

// Runs a program with arguments and waits for it; PATH is searched.
ChildEnd runProgram(const std::vector<std::string>& arguments, const std::vector<std::string>& extraEnvironment = {});
// Runs this test program in a child role.
ChildEnd runSelf(const std::vector<std::string>& arguments);

std::string readFile(const std::string& path);
std::vector<std::string> readLines(const std::string& path);
void writeFile(const std::string& path, const std::string& content, bool executable = false);
// Waits up to timeoutMs for a file to exist and be non-empty.
bool waitForFile(const std::string& path, int timeoutMs);
// The standard output of a shell command; exit status in *status.
std::string commandOutput(const std::string& command, int* status = nullptr);

} // namespace crashtest
