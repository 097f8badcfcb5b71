#include "vordix/windows/3rdparty/ReportAttachments.h"

#include "vordix/Folder.h"
#include "vordix/Preference.h"
#include "vordix/SafeSave.h"
#include "vordix/Utf8.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/3rdparty/CrashTexts.h"
#include "vordix/windows/WinPreference.h"

#include <QSettings>
#include <QString>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string utf8(const std::wstring& text) { return vordix::toUtf8(text); }
std::wstring wide(const std::string& text) { return vordix::fromUtf8(text); }

// A folder that only this user owns and reads, and that is no symbolic link.
bool isPrivateFolder(const std::string& path)
{
    struct stat info { };
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid()
           && (info.st_mode & 077) == 0;
}

bool preparePrivateRoot(const std::wstring& root)
{
    if (root.empty() || !WIN_FILEPATH::createFolderTree(root))
        return false;
    const std::string path = utf8(root);
    struct stat info { };
    if (::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return false;
    if ((info.st_mode & 077) != 0 && ::chmod(path.c_str(), 0700) != 0)
        return false;
    return isPrivateFolder(path);
}

std::string canonical(const std::string& path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

// Folders of runs that ended without a crash report but were not cleaned
// up (the process was killed) are removed; crash files are kept.
void removeStaleFolders(const std::string& root)
{
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(root, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("Bericht-", 0) != 0)
            continue;
        const long pid = std::strtol(name.c_str() + 8, nullptr, 10);
        const bool ended = pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
        if (!ended)
            continue;
        const fs::path folder = entry.path();
        if (fs::exists(folder / "Skat.log", error) || fs::exists(folder / "Skat.dmp", error))
            continue;
        fs::remove_all(folder, error);
    }
}

std::wstring newReportFolder(const std::wstring& root)
{
    if (!preparePrivateRoot(root))
        return {};
    removeStaleFolders(utf8(root));
    std::string pattern = utf8(root) + "/Bericht-" + std::to_string(::getpid()) + "-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return {};
    return wide(pattern);
}

// The crashed run's folder, only when it lies directly in our private root.
std::wstring crashedRunFolder(const std::wstring& root)
{
    const char* named = std::getenv(REPORT_FOLDER_VARIABLE);
    if (!named || !*named || !isPrivateFolder(utf8(root)) || !isPrivateFolder(named))
        return {};
    const std::string folder = canonical(named);
    if (folder.empty() || fs::path(folder).parent_path().string() != canonical(utf8(root)))
        return {};
    return wide(folder);
}

QString escaped(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return text;
}

} // namespace

ReportLocations ReportLocations::standard()
{
    ReportLocations l;
    l.privateTemp = WIN_FILEPATH::standardFolderPath(FOLDER_TEMP);
    l.appData = WIN_FILEPATH::standardFolderPath(FOLDER_APPDATA);
    l.userSettings = WIN_PREFERENCE::settingsFile().toStdWString();
    l.machineSettings = L"/etc/xdg/Quorvenel/SKAT.ini";
    return l;
}

bool reportFileMissing(const std::wstring& path)
{
    struct stat info { };
    return ::stat(utf8(path).c_str(), &info) != 0 && errno == ENOENT;
}

bool exportSettingsKey(const std::wstring& settingsFile, const std::wstring& rootName, const std::wstring& keyPath,
                       const std::wstring& exportFile, bool append)
{
    if (reportFileMissing(settingsFile))
        return false;
    QSettings settings(QString::fromStdWString(settingsFile), QSettings::IniFormat);
    QString group = QString::fromStdWString(keyPath);
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    settings.beginGroup(group);
    const QStringList names = settings.childKeys();
    if (names.isEmpty() && settings.childGroups().isEmpty())
        return false;
    std::ostringstream out;
    if (append) {
        std::ifstream before(utf8(exportFile), std::ios::binary);
        out << before.rdbuf();
    }
    out << "Windows Registry Editor Version 4.00\n\n";
    out << "[" << utf8(rootName) << "\\" << utf8(keyPath) << "]\n";
    for (const QString& name : names) {
        const QVariant value = settings.value(name);
        const QString text = value.typeId() == QMetaType::QStringList ? value.toStringList().join(QStringLiteral(", "))
                                                                      : value.toString();
        out << '"' << escaped(name).toStdString() << "\"=\"" << escaped(text).toStdString() << "\"\n";
    }
    out << "\n";
    return static_cast<bool>(vordix::saveFile(WIN_FILEPATH::toFsPath(exportFile), out.str(), {.mode = 0600}));
}

std::unique_ptr<ReportAttachments> buildReportAttachments(bool reportMode, const ReportLocations& locations)
{
    auto list = std::make_unique<ReportAttachments>();
    list->folder = reportMode ? crashedRunFolder(locations.privateTemp) : newReportFolder(locations.privateTemp);
    if (!list->folder.empty()) {
        list->logPath = list->folder + L"/Skat.log";
        list->dumpPath = list->folder + L"/Skat.dmp";
        list->attachments[list->logPath] = {crash::tr("Absturz Log").toStdWString(), true};
        list->attachments[list->dumpPath] = {crash::tr("Absturz Dump").toStdWString(), true};
    }
    if (!locations.appData.empty()) {
        const std::wstring games = locations.appData + L"/SKAT/Spiellisten/";
        if (!reportFileMissing(games + L"LfdSpiel.skt"))
            list->attachments[games + L"LfdSpiel.skt"] = {crash::tr("Aktuelles Spiel").toStdWString(), false};
        if (!reportFileMissing(games + L"Aktuell.skt"))
            list->attachments[games + L"Aktuell.skt"] = {crash::tr("Spielliste").toStdWString(), false};
    }
    if (!list->folder.empty()) {
        list->settingsPath = list->folder + L"/Preferences.reg";
        const bool user =
            exportSettingsKey(locations.userSettings, L"HKEY_CURRENT_USER", PREFERENCES_KEY, list->settingsPath, false);
        exportSettingsKey(locations.machineSettings, L"HKEY_LOCAL_MACHINE", PROGRAM_KEY, list->settingsPath, user);
        if (!reportFileMissing(list->settingsPath))
            list->attachments[list->settingsPath] = {crash::tr("Einstellungen").toStdWString(), true};
    }
    return list;
}

ReportAttachments::~ReportAttachments()
{
    if (!settingsPath.empty())
        ::unlink(utf8(settingsPath).c_str());
    if (!folder.empty())
        ::rmdir(utf8(folder).c_str()); // only when empty
}

bool ReportAttachments::hasCrashFiles() const
{
    return (!logPath.empty() && !reportFileMissing(logPath)) || (!dumpPath.empty() && !reportFileMissing(dumpPath));
}

std::string ReportAttachments::restartEnvironment() const
{
    return std::string(REPORT_FOLDER_VARIABLE) + "=" + utf8(folder);
}
