#include "vordix/CommandLine.h"

#include "vordix/Utf8.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace vordix {
namespace {

std::string upperCased(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Resolves one file argument into the request; false when it is missing.
bool takeFile(const std::string& argument, StartRequest& request)
{
    request.path = resolveFileArgument(argument);
    if (!request.path.empty())
        return true;
    request.missingFiles.push_back(fromUtf8(argument));
    return false;
}

} // namespace

std::wstring resolveFileArgument(const std::string& argument)
{
    if (argument.empty())
        return {};
    // Paths are built from UTF-8 bytes: the wide conversions of std::filesystem
    // depend on the C locale and fail for umlauts under "C".
    const fs::path given(argument);
    std::error_code error;
    fs::path absolute = fs::absolute(given, error);
    if (error)
        absolute = given;
    absolute = absolute.lexically_normal();

    const fs::file_status status = fs::status(absolute, error);
    if (status.type() == fs::file_type::not_found)
        return {};
    return fromUtf8(absolute.string());
}

bool parseCommandLine(int argc, const char* const* argv, StartRequest& request)
{
    request = StartRequest{};
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i] ? argv[i] : "";
        const std::string option = upperCased(argument);
        if (option == "DISPLAY_DLG") {
            request = StartRequest{};
            request.mode = StartRequest::Report;
            return true;
        }
        if (option == "--OPEN" || option == "--BATCH") {
            request.mode = option == "--OPEN" ? StartRequest::Open : StartRequest::Batch;
            if (i + 1 >= argc) {
                request.path.clear();
                return false;
            }
            ++i;
            ok = takeFile(argv[i] ? argv[i] : "", request) && ok;
            continue;
        }
        if (argument.empty() || argument.front() == '-')
            continue;
        // A bare file name, as file managers pass it: open it.
        if (request.mode == StartRequest::Nothing)
            request.mode = StartRequest::Open;
        ok = takeFile(argument, request) && ok;
    }
    return ok;
}

} // namespace vordix
