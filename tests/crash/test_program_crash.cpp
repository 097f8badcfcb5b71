// The program itself: Skat, crashed by a fatal signal, leaves its report in
// its own folder and starts again in report mode, which finds that folder.

#include "vordix/windows/3rdparty/CrashHandler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>

namespace {

bool within(int ms, const std::function<bool()>& condition)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        if (condition())
            return true;
        QThread::msleep(20);
    }
    return condition();
}

// Whether the process has a handler for the signal (from /proc/<pid>/status).
bool handles(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

// The process of ours whose environment names the report folder.
qint64 reportModeProcess(const QString& folder)
{
    const QByteArray entry = "SKAT_CRASH_REPORT_DIR=" + folder.toUtf8();
    for (const QString& name : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 pid = name.toLongLong(&number);
        if (!number)
            continue;
        QFile environment(QStringLiteral("/proc/%1/environ").arg(pid));
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!environment.open(QIODevice::ReadOnly) || !commandLine.open(QIODevice::ReadOnly))
            continue;
        if (environment.readAll().split('\0').contains(entry)
            && commandLine.readAll().split('\0').contains("DISPLAY_DLG"))
            return pid;
    }
    return 0;
}

TEST(ProgramCrash, SkatReportsAndRestartsInReportMode)
{
    const QString program = QStringLiteral(SKAT_BINARY_DIR "/skat/windows/Skat");
    if (!QFile::exists(program) || !CrashHandler::supported())
        GTEST_SKIP() << "no crash handler in this build";
    QTemporaryDir home;
    const QString runtime = home.filePath(QStringLiteral("run"));
    ASSERT_TRUE(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", home.path());
    env.insert("XDG_RUNTIME_DIR", runtime);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        env.insert(name, home.filePath(name));
    env.remove("SKAT_CRASH_REPORT_DIR");
    QProcess skat;
    skat.setProcessEnvironment(env);
    skat.setProcessChannelMode(QProcess::MergedChannels);
    skat.start(program, {});
    ASSERT_TRUE(skat.waitForStarted(30000));
    const qint64 pid = skat.processId();
    ASSERT_TRUE(within(60000, [&] { return handles(pid, SIGSEGV); }));
    ::kill(static_cast<pid_t>(pid), SIGSEGV);
    ASSERT_TRUE(skat.waitForFinished(30000));
    EXPECT_EQ(skat.exitStatus(), QProcess::CrashExit);

    // The run's own folder holds both files.
    const QDir temp(runtime + QStringLiteral("/{B0545B95-CCD9-4079-A981-8A6F373C3B3C}"));
    const QStringList folders = temp.entryList({QStringLiteral("Bericht-%1-*").arg(pid)}, QDir::Dirs);
    ASSERT_EQ(folders.size(), 1) << temp.path().toStdString();
    const QString folder = temp.filePath(folders[0]);
    QFile log(folder + QStringLiteral("/Skat.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray text = log.readAll();
    EXPECT_TRUE(text.startsWith("========== begin report ==========\n"));
    EXPECT_TRUE(text.contains("ExceptionCode:        0xc0000005\n"));
    EXPECT_TRUE(text.contains("FileVersion:    " SKAT_PROJECT_VERSION "\n")); // the program's own version
    EXPECT_GT(QFileInfo(folder + QStringLiteral("/Skat.dmp")).size(), 10000);

    // The report mode runs with that folder; it is ended here by its pid.
    qint64 report = 0;
    ASSERT_TRUE(within(30000, [&] { return (report = reportModeProcess(folder)) != 0; }));
    ::kill(static_cast<pid_t>(report), SIGTERM);
    EXPECT_TRUE(within(10000, [&] { return !QFile::exists(QStringLiteral("/proc/%1/cmdline").arg(report)); }));
}

} // namespace
