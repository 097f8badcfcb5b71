#include "skat/net/FrameLog.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {

std::mutex logMutex;

// Opened on first use; null when no log was asked for or it cannot be written.
std::FILE* logFile()
{
    static std::FILE* file = [] {
        const char* path = std::getenv("SKAT_FRAME_LOG");
        return path && *path ? std::fopen(path, "ab") : nullptr;
    }();
    return file;
}

} // namespace

void logGameFrame(bool outgoing, std::uint32_t connectionId, std::uint8_t tag, const std::string& text,
                  const std::vector<std::string>& pictures)
{
    std::lock_guard lock(logMutex);
    std::FILE* file = logFile();
    if (!file)
        return;
    std::fprintf(file, "%s %u %u %zu", outgoing ? "out" : "in", static_cast<unsigned>(connectionId),
                 static_cast<unsigned>(tag), text.size());
    for (const std::string& picture : pictures)
        std::fprintf(file, " %zu", picture.size());
    std::fputc('\n', file);
    std::fwrite(text.data(), 1, text.size(), file);
    std::fputc('\n', file);
    // Each frame reaches the file at once: a killed peer's run is still read.
    std::fflush(file);
}
