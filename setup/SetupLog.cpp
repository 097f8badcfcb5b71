#include "setup/SetupLog.h"

namespace setup {

CLogger::~CLogger()
{
    if (file_)
        std::fclose(file_);
}

bool CLogger::open(const std::filesystem::path& file)
{
    if (file_)
        std::fclose(file_);
    file_ = std::fopen(file.c_str(), "w");
    return file_ != nullptr;
}

void CLogger::line(const std::string& text)
{
    if (!file_)
        return;
    std::fputs(text.c_str(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

} // namespace setup
