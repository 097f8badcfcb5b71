#pragma once
// Reading the program's command line: "--OPEN file", "--BATCH file", a bare
// file name, or "DISPLAY_DLG" for the crash-report mode. Options are compared
// upper-cased; file arguments keep their spelling.

#include <string>
#include <vector>

namespace vordix {

struct StartRequest {
    enum Mode { Nothing = 0, Open = 1, Batch = 2, Report = 3 };

    int mode = Nothing;
    std::wstring path;                      // absolute path of the file to open; empty when none
    std::vector<std::wstring> missingFiles; // named files that do not exist, as given

    // Whether main should hand a file to the application once the loop runs.
    bool hasFileToOpen() const { return (mode == Open || mode == Batch) && !path.empty(); }
};

// Fills the request. Returns false when "--OPEN"/"--BATCH" lacks its file or a
// named file does not exist (the request then names it in missingFiles and
// carries no path for it). A bare file name opens like "--OPEN". Arguments
// that start with '-' and are no option of ours belong to the toolkit and are
// skipped.
bool parseCommandLine(int argc, const char* const* argv, StartRequest& request);

// An existing file's absolute, normalised path; empty when the file does not
// exist. A path whose existence cannot be checked (no permission) is kept,
// so that opening it reports the real reason.
std::wstring resolveFileArgument(const std::string& argument);

} // namespace vordix
