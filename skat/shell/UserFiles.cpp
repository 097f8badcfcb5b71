#include "skat/shell/UserFiles.h"

#include <system_error>

namespace fs = std::filesystem;

UserFilesReport installUserFiles(const fs::path& resources, const fs::path& userFolder)
{
    UserFilesReport report;
    for (const char* name : {"Spiellisten", "Kartenverteilungen"}) {
        const fs::path source = resources / name;
        const fs::path target = userFolder / name;
        std::error_code error;
        fs::create_directories(target, error);
        fs::recursive_directory_iterator it(source, error), end;
        for (; !error && it != end; it.increment(error)) {
            if (!it->is_regular_file(error))
                continue;
            const fs::path copy = target / it->path().lexically_relative(source);
            std::error_code step;
            if (fs::exists(copy, step)) {
                ++report.kept;
                continue;
            }
            fs::create_directories(copy.parent_path(), step);
            if (step || !fs::copy_file(it->path(), copy, fs::copy_options::skip_existing, step) || step) {
                ++report.failed;
                continue;
            }
            // A read-only sample becomes the user's own file.
            fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, step);
            ++report.copied;
        }
    }
    return report;
}
