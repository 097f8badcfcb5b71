// A picture of the report's detail dialog for the documentation, made from
// a real crash of a child process. Runs only when SKAT_SCREENSHOT_DIR names the
// folder for them (scripts/screenshot-crash-report.sh runs it under Xvfb).

#include "CrashTestSupport.h"

#include "vordix/windows/3rdparty/CrashHandler.h"
#include "vordix/windows/3rdparty/CrashReportDialogs.h"
#include "vordix/windows/3rdparty/CrashTexts.h"

#include <QApplication>
#include <QPixmap>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace crashtest;

namespace {

std::wstring wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

TEST(ReportScreenshots, DetailDialog)
{
    const char* out = std::getenv("SKAT_SCREENSHOT_DIR");
    if (!out || !CrashHandler::supported())
        GTEST_SKIP() << "no screenshot folder";
    crash::setEnglishTexts(false);
    ScratchFolder folder;
    runSelf({"--crash-child", "nullwrite", folder.path()});
    waitForFile(folder.file("restarted.txt"), 5000);
    writeFile(folder.file("Preferences.reg"), "Windows Registry Editor Version 4.00\n\n"
                                              "[HKEY_CURRENT_USER\\Software\\Quorvenel\\SKAT\\Preferences]\n"
                                              "\"1\"=\"1\"\n\"Sprache\"=\"Deutsch\"\n\n");
    ReportAttachments attachments;
    attachments.attachments[wide(folder.file("Skat.log"))] = {L"Absturz Log", true};
    attachments.attachments[wide(folder.file("Skat.dmp"))] = {L"Absturz Dump", true};
    attachments.attachments[wide(folder.file("Preferences.reg"))] = {L"Einstellungen", true};

    CrashDetailDialog details(attachments);
    details.findChild<QTableWidget*>("tableFiles")->setCurrentCell(2, 0);
    details.show();
    QApplication::processEvents();
    EXPECT_TRUE(details.grab().save(QString::fromUtf8(out) + QStringLiteral("/crash-report-details.png")));
}

} // namespace
