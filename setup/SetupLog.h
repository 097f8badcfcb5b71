#pragma once
// The bootstrapper's log "SetupBootstrapper.log" in the current folder:
// UTF-8 lines, each flushed at once. Closed, it writes nothing.

#include <cstdio>
#include <filesystem>
#include <string>

namespace setup {

inline constexpr const char* LOG_FILE_NAME = "SetupBootstrapper.log";

class CLogger {
public:
    CLogger() = default;
    CLogger(const CLogger&) = delete;
    CLogger& operator=(const CLogger&) = delete;
    ~CLogger();

    // Truncates and opens the file; false when it cannot be opened.
    bool open(const std::filesystem::path& file = LOG_FILE_NAME);
    bool isOpen() const { return file_ != nullptr; }
    void line(const std::string& text);

private:
    std::FILE* file_ = nullptr;
};

} // namespace setup
