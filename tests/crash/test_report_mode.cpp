// The report mode's dialogs, offscreen: the detail table and file view, and
// what sending, saving and not sending do with the report files.

#include "CrashTestSupport.h"
#include "RecordingMessageSink.h"

#include "vordix/MessageSink.h"
#include "vordix/windows/3rdparty/CrashReportDialogs.h"
#include "vordix/windows/3rdparty/CrashSender.h"
#include "vordix/windows/3rdparty/CrashTexts.h"
#include "vordix/windows/3rdparty/MailSender.h"
#include "vordix/windows/3rdparty/ReportFileView.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace crashtest;
namespace fs = std::filesystem;

namespace {

std::wstring wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

TEST(ReportFileView, SizesInBytesAndThousands)
{
    ScratchFolder folder;
    const struct {
        size_t size;
        const char* text;
    } cases[] = {{0, "0 Byte"}, {1023, "1023 Byte"}, {1024, "1 KB"}, {2000, "2 KB"}, {1999999, "1999 KB"}};
    for (const auto& c : cases) {
        writeFile(folder.file("f"), std::string(c.size, 'a'));
        EXPECT_EQ(crash::sizeText(QString::fromStdString(folder.file("f"))).toStdString(), c.text) << c.size;
    }
    EXPECT_EQ(crash::sizeText(QString::fromStdString(folder.file("missing"))).toStdString(), "?");
}

TEST(ReportFileView, TextOrBinary)
{
    const struct {
        std::string data;
        bool binary;
    } cases[] = {
        {"plain text\twith tabs\r\nand lines\f\v", false},
        {std::string("four\0\0\0\0 odd bytes", 18), false},
        {std::string("five\0\0\0\0\0 odd bytes", 19), true},
        {"Spielliste für Jürgen, Björn, Sören, Käthe und Müller", false}, // UTF-8 umlauts are text
        {"\xff\xfe\x80\x81\x82", true},
        {std::string(10000, 'a') + std::string(10, '\0'), false}, // only the first 10000 bytes count
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(crash::looksBinary(QByteArray::fromStdString(cases[i].data)), cases[i].binary) << "case " << i;
}

TEST(ReportFileView, HexDumpLines)
{
    QByteArray data;
    for (int i = 0; i < 20; ++i)
        data.append(static_cast<char>(i == 16 ? 'A' : i));
    EXPECT_EQ(crash::hexDump(data).toStdString(),
              "0x00000000: 03020100 07060504 0B0A0908 0F0E0D0C ................\r\n"
              "0x00000010: 13121141 00000000 00000000 00000000 A...............\r\n");
}

// Runs f on the next modal dialog of type D once it shows.
template <class D>
void whenShown(std::function<void(D&)> f)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, f] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            f(*dialog);
        }
    });
    timer->start(5);
}

// A way of sending that keeps what it was given.
struct RecordingStrategy : SendingStrategy {
    bool available = true;
    bool fail = false;
    std::vector<MailMessage> sent;
    std::string archiveListing;
    bool isAvailable() override { return available; }
    void send(const MailMessage& message) override
    {
        if (fail)
            throw std::domain_error("MAPISendMail has failed");
        sent.push_back(message);
        archiveListing = commandOutput("unzip -Z1 '" + message.attachments.begin()->first + "'");
    }
};

class ReportMode : public ::testing::Test {
protected:
    void SetUp() override
    {
        crash::setEnglishTexts(false);
        sink = std::make_shared<testsupport::RecordingMessageSink>();
        vordix::setMessageSink(sink);
        auto strategy = std::make_unique<RecordingStrategy>();
        recorder = strategy.get();
        std::vector<std::unique_ptr<SendingStrategy>> list;
        list.push_back(std::move(strategy));
        mail = std::make_unique<MailSender>(std::move(list));
        sender.recipient = "bugs@example.org";
        sender.subject = "Absturzbericht Skat 1.0.0";
        sender.setMailSender(mail.get());

        attachments.folder = wide(scratch.file("run"));
        fs::create_directory(scratch.file("run"));
        attachments.logPath = wide(scratch.file("run/Skat.log"));
        attachments.dumpPath = wide(scratch.file("run/Skat.dmp"));
        attachments.settingsPath = wide(scratch.file("run/Preferences.reg"));
        writeFile(scratch.file("run/Skat.log"), "========== begin report ==========\n");
        writeFile(scratch.file("run/Skat.dmp"), std::string("MDMP\x93\xa7", 6) + std::string(2000, '\0'));
        writeFile(scratch.file("run/Preferences.reg"), "Windows Registry Editor Version 4.00\n");
        writeFile(scratch.file("Aktuell.skt"), "<LISTE/>");
        attachments.attachments[attachments.logPath] = {L"Absturz Log", true};
        attachments.attachments[attachments.dumpPath] = {L"Absturz Dump", true};
        attachments.attachments[attachments.settingsPath] = {L"Einstellungen", true};
        attachments.attachments[wide(scratch.file("Aktuell.skt"))] = {L"Spielliste", false};
        attachments.attachments[wide(scratch.file("run/gone.skt"))] = {L"Aktuelles Spiel", false};
    }
    void TearDown() override
    {
        CCrashSender::setSaveDialog(nullptr);
        vordix::setMessageSink(nullptr);
        attachments.settingsPath.clear();
        attachments.folder.clear();
    }
    bool reportFilesLeft() const
    {
        return fs::exists(scratch.file("run/Skat.log")) || fs::exists(scratch.file("run/Skat.dmp"))
               || fs::exists(scratch.file("run/Preferences.reg"));
    }
    // The run's folder holds only the three report files (no archive left).
    size_t filesInRun() const
    {
        return static_cast<size_t>(
            std::distance(fs::directory_iterator(scratch.file("run")), fs::directory_iterator()));
    }

    ScratchFolder scratch;
    ReportAttachments attachments;
    std::shared_ptr<testsupport::RecordingMessageSink> sink;
    RecordingStrategy* recorder = nullptr;
    std::unique_ptr<MailSender> mail;
    CCrashSender sender;
};

TEST_F(ReportMode, SendingMailsTheZippedReportWithTheDescriptionAndCleansUp)
{
    whenShown<CrashReportMainDialog>([](CrashReportMainDialog& dialog) {
        EXPECT_EQ(
            dialog.findChild<QLabel*>("labelAppName")->text().toStdString(),
            "test_crash hat einen Fehler festgestellt und muss beendet werden. Bitte entschuldigen Sie diese Störung.");
        EXPECT_EQ(dialog.width(), 450);
        dialog.findChild<QPlainTextEdit*>("editDescription")->setPlainText("Ich habe gereizt.");
        dialog.findChild<QPushButton*>("buttonSenden")->click();
    });
    EXPECT_TRUE(sender.runReport(attachments));
    ASSERT_EQ(recorder->sent.size(), 1u);
    const MailMessage& message = recorder->sent[0];
    EXPECT_EQ(message.recipients, std::vector<std::string>{"bugs@example.org"});
    EXPECT_EQ(message.subject, "Absturzbericht Skat 1.0.0");
    EXPECT_EQ(message.body, "Ich habe gereizt.");
    ASSERT_EQ(message.attachments.size(), 1u);
    EXPECT_EQ(message.attachments.begin()->second.name, "test_crash.zip");
    EXPECT_EQ(fs::path(message.attachments.begin()->first).filename().string().substr(0, 3), "tes");
    // Existing files only, in the order of their paths.
    EXPECT_EQ(recorder->archiveListing, "Aktuell.skt\nPreferences.reg\nSkat.dmp\nSkat.log\nBeschreibung.txt\n");
    EXPECT_FALSE(reportFilesLeft());
    EXPECT_EQ(filesInRun(), 0u);
    EXPECT_TRUE(fs::exists(scratch.file("Aktuell.skt"))); // the player's own files stay
    EXPECT_TRUE(sink->texts.empty());
}

TEST_F(ReportMode, NotSendingDeletesTheReportFilesAndSendsNothing)
{
    whenShown<CrashReportMainDialog>(
        [](CrashReportMainDialog& dialog) { dialog.findChild<QPushButton*>("buttonNichtSenden")->click(); });
    bool asked = false;
    CCrashSender::setSaveDialog([&] {
        asked = true;
        return QString();
    });
    EXPECT_FALSE(sender.runReport(attachments));
    EXPECT_TRUE(recorder->sent.empty());
    EXPECT_FALSE(asked);
    EXPECT_FALSE(reportFilesLeft());
    EXPECT_EQ(filesInRun(), 0u);
    EXPECT_TRUE(fs::exists(scratch.file("Aktuell.skt")));
}

TEST_F(ReportMode, WithoutMailTheArchiveIsSavedWhereTheUserSays)
{
    const struct {
        const char* name;
        std::string recipient;
        bool available, fail;
        bool existingTarget;
    } cases[] = {
        {"empty recipient", "", true, false, false},
        {"no mail client", "bugs@example.org", false, false, false},
        {"sending fails", "bugs@example.org", true, true, false},
        {"over a file the user chose to replace", "", true, false, true},
    };
    for (const auto& c : cases) {
        SetUp();
        sender.recipient = c.recipient;
        recorder->available = c.available;
        recorder->fail = c.fail;
        const std::string target = scratch.file("saved.zip");
        if (c.existingTarget)
            writeFile(target, "old");
        else
            fs::remove(target);
        CCrashSender::setSaveDialog([&] { return QString::fromStdString(target); });
        whenShown<CrashReportMainDialog>([](CrashReportMainDialog& dialog) {
            dialog.findChild<QPlainTextEdit*>("editDescription")->setPlainText("Beim Reizen auf 23 abgestürzt.");
            dialog.findChild<QPushButton*>("buttonSenden")->click();
        });
        EXPECT_TRUE(sender.runReport(attachments)) << c.name;
        EXPECT_TRUE(recorder->sent.empty()) << c.name;
        EXPECT_EQ(commandOutput("unzip -Z1 '" + target + "'"),
                  "Aktuell.skt\nPreferences.reg\nSkat.dmp\nSkat.log\nBeschreibung.txt\n")
            << c.name;
        // The saved report holds the user's description, and the user is told where it went.
        EXPECT_EQ(commandOutput("unzip -p '" + target + "' Beschreibung.txt"), "Beim Reizen auf 23 abgestürzt.")
            << c.name;
        ASSERT_EQ(sink->texts.size(), 1u) << c.name;
        EXPECT_EQ(sink->kinds[0], vordix::MessageKind::Information) << c.name;
        EXPECT_NE(sink->texts[0].find(QString::fromStdString(target).toStdWString()), std::wstring::npos) << c.name;
        EXPECT_FALSE(reportFilesLeft()) << c.name;
        EXPECT_EQ(filesInRun(), 0u) << c.name;
    }
}

TEST_F(ReportMode, WhenNothingWentOutTheFilesStayAndTheUserLearnsWhere)
{
    sender.recipient.clear();
    CCrashSender::setSaveDialog([] { return QString(); }); // cancelled
    whenShown<CrashReportMainDialog>(
        [](CrashReportMainDialog& dialog) { dialog.findChild<QPushButton*>("buttonSenden")->click(); });
    EXPECT_FALSE(sender.runReport(attachments));
    EXPECT_TRUE(reportFilesLeft());
    EXPECT_EQ(filesInRun(), 3u);                   // no archive left behind
    EXPECT_TRUE(attachments.settingsPath.empty()); // the list no longer deletes the export
    ASSERT_EQ(sink->texts.size(), 1u);
    EXPECT_NE(sink->texts[0].find(wide(scratch.file("run"))), std::wstring::npos);
}

TEST_F(ReportMode, DetailDialogListsEveryFileAndShowsItsContent)
{
    writeFile(scratch.file("run/Skat.log"), std::string(1023, 'x'));
    CrashDetailDialog details(attachments);
    QTableWidget& table = *details.findChild<QTableWidget*>("tableFiles");
    ASSERT_EQ(table.rowCount(), 5);
    std::vector<std::string> rows;
    for (int row = 0; row < table.rowCount(); ++row)
        rows.push_back(table.item(row, 0)->text().toStdString() + " | " + table.item(row, 1)->text().toStdString()
                       + " | " + table.item(row, 3)->text().toStdString());
    const std::vector<std::string> expected{
        "Aktuell.skt | Spielliste | 8 Byte", "Preferences.reg | Einstellungen | 37 Byte",
        "Skat.dmp | Absturz Dump | 2 KB",    "Skat.log | Absturz Log | 1023 Byte",
        "gone.skt | Aktuelles Spiel | ?",
    };
    EXPECT_EQ(rows, expected);
    EXPECT_TRUE(table.item(0, 3)->textAlignment() & Qt::AlignRight);
    // Row 0 is shown at once; the dump as hex, the log as text.
    auto* content = details.findChild<QPlainTextEdit*>("fileContent");
    EXPECT_EQ(content->toPlainText().toStdString(), "<LISTE/>");
    EXPECT_EQ(details.findChild<QLabel*>("labelDescription")->text().toStdString(), "Spielliste");
    table.setCurrentCell(2, 1);
    EXPECT_EQ(details.findChild<QLabel*>("labelName")->text().toStdString(), scratch.file("run/Skat.dmp"));
    EXPECT_EQ(content->toPlainText().left(54).toStdString(), "0x00000000: 504D444D 0000A793 00000000 00000000 MDMP..");
    EXPECT_EQ(content->font().styleHint(), QFont::TypeWriter);
    table.setCurrentCell(4, 0);
    EXPECT_EQ(content->toPlainText().toStdString(), "");
    // A double click opens the file in the desktop's program.
    QString opened;
    CrashDetailDialog::setFileOpener([&](const QString& path) {
        opened = path;
        return true;
    });
    emit table.cellDoubleClicked(3, 0);
    CrashDetailDialog::setFileOpener(nullptr);
    EXPECT_EQ(opened.toStdString(), scratch.file("run/Skat.log"));
}

TEST_F(ReportMode, TheDetailsLinkOpensTheDetailDialogAndEnglishTexts)
{
    crash::setEnglishTexts(true);
    bool detailsShown = false;
    whenShown<CrashReportMainDialog>([&](CrashReportMainDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QPushButton*>("buttonSenden")->text().toStdString(), "&Send");
        whenShown<CrashDetailDialog>([&](CrashDetailDialog& details) {
            detailsShown = true;
            EXPECT_EQ(details.windowTitle().toStdString(), "Crash report");
            details.reject();
            dialog.findChild<QPushButton*>("buttonNichtSenden")->click();
        });
        emit dialog.findChild<QLabel*>("labelShowDetails")->linkActivated("app://details");
    });
    EXPECT_FALSE(sender.runReport(attachments));
    EXPECT_TRUE(detailsShown);
    crash::setEnglishTexts(false);
}

} // namespace
