#pragma once
// The files of an error report: the text report and the minidump that the
// crash handler writes, the running game and the score sheet when they
// exist, and an export of the program's settings written at once.
//
// Every run gets a report folder of its own (mode 0700, inside the user's
// private temporary folder), so that two instances never overwrite each
// other's files. The report mode finds the crashed run's folder through
// the environment variable that the crash handler's restart sets.

#include <map>
#include <memory>
#include <string>

struct ReportAttachment {
    std::wstring label; // shown to the user
    bool deleteAfterwards = false;
};

// Where the files are looked for; the defaults are the user's folders.
struct ReportLocations {
    std::wstring privateTemp;     // the parent of the report folders
    std::wstring appData;         // the user's application data
    std::wstring userSettings;    // the settings file of the user
    std::wstring machineSettings; // machine-wide settings, when present
    static ReportLocations standard();
};

class ReportAttachments {
public:
    ReportAttachments() = default;
    // Deletes the settings export, and the report folder when nothing else
    // is left in it.
    ~ReportAttachments();
    ReportAttachments(const ReportAttachments&) = delete;
    ReportAttachments& operator=(const ReportAttachments&) = delete;

    // Ordered by path.
    std::map<std::wstring, ReportAttachment> attachments;
    std::wstring folder; // this report's folder; empty when there is none
    std::wstring logPath;
    std::wstring dumpPath;
    std::wstring settingsPath;

    // Whether the crash handler left a report or a dump.
    bool hasCrashFiles() const;
    // The environment entry that leads the report mode to this folder.
    std::string restartEnvironment() const;
};

// The variable that names the crashed run's report folder.
inline constexpr const char* REPORT_FOLDER_VARIABLE = "SKAT_CRASH_REPORT_DIR";

// Builds the list: a new report folder for a normal run; in report mode the
// crashed run's folder named by the environment (only when it is one of
// ours). Writes the settings export.
std::unique_ptr<ReportAttachments>
buildReportAttachments(bool reportMode, const ReportLocations& locations = ReportLocations::standard());

// Writes the values of one settings group as a REGEDIT4 key: the header,
// "[root\key]", one line per value, an empty line. A group that does not
// exist leaves the file untouched; false then.
bool exportSettingsKey(const std::wstring& settingsFile, const std::wstring& rootName, const std::wstring& keyPath,
                       const std::wstring& exportFile, bool append);

// Whether a file is missing (only "no such file" counts; other errors count
// as present).
bool reportFileMissing(const std::wstring& path);
