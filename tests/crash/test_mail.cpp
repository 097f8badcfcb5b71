// Mail through a fake xdg-email and a fake sendmail placed first on PATH.

#include "CrashTestSupport.h"
#include "NulSeparated.h"

#include "vordix/windows/3rdparty/MailSender.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <stdexcept>

using namespace crashtest;
namespace fs = std::filesystem;

namespace {

class Mail : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"PATH", "DISPLAY", "WAYLAND_DISPLAY", "XDG_CACHE_HOME"}) {
            const char* value = std::getenv(name);
            saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        fs::create_directory(scratch.file("bin"));
        setenv("PATH", (scratch.file("bin") + ":/usr/bin:/bin").c_str(), 1);
        setenv("DISPLAY", ":99", 1);
        unsetenv("WAYLAND_DISPLAY");
        setenv("XDG_CACHE_HOME", scratch.file("cache").c_str(), 1);
    }
    void TearDown() override
    {
        for (const auto& [name, value] : saved) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }
    // A fake xdg-email that notes its arguments (NUL-separated) and the
    // attached files' contents, then exits with the code.
    void fakeXdgEmail(int exitCode = 0)
    {
        writeFile(scratch.file("bin/xdg-email"),
                  "#!/bin/sh\nprintf '%s\\0' \"$@\" > '" + scratch.file("xdg-args")
                      + "'\n"
                        "while [ $# -gt 0 ]; do if [ \"$1\" = --attach ]; then cat \"$2\" >> '"
                      + scratch.file("xdg-files") + "'; fi; shift; done\nexit " + std::to_string(exitCode) + "\n",
                  true);
    }
    void fakeSendmail(const std::string& script = "cat > OUT; printf '%s\\n' \"$@\" > OUT.args")
    {
        writeFile(scratch.file("bin/sendmail"),
                  "#!/bin/sh\n" + std::regex_replace(script, std::regex("OUT"), scratch.file("sendmail")) + "\n", true);
    }
    std::vector<std::string> xdgArguments() { return testsupport::nulSeparated(readFile(scratch.file("xdg-args"))); }
    static MailMessage reportMail()
    {
        MailMessage message;
        message.addRecipient("bugs@example.org");
        message.subject = "Absturzbericht Skat 1.0.0";
        message.body = "Ich habe gespielt.\n";
        return message;
    }
    MailSender sender(bool sendmailEnabled)
    {
        std::vector<std::unique_ptr<SendingStrategy>> list;
        list.push_back(std::make_unique<XdgEmailStrategy>());
        list.push_back(std::make_unique<SendmailStrategy>(sendmailEnabled));
        return MailSender(std::move(list));
    }

    ScratchFolder scratch;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
};

TEST_F(Mail, XdgEmailGetsArgumentsAndCopiesOfTheAttachmentsUnderTheirNames)
{
    fakeXdgEmail();
    writeFile(scratch.file("Skaa1b2c3"), "zip bytes");
    MailMessage message = reportMail();
    message.addAttachmentFile(scratch.file("Skaa1b2c3"), "Alt.zip");
    message.addAttachmentFile(scratch.file("Skaa1b2c3"), "Skat.zip"); // one path, one attachment: the later name
    message.body = "line one\n'quoted' $(not run)\n";
    MailSender mail = sender(true);
    ASSERT_TRUE(mail.canSend());
    mail.send(message);
    const std::vector<std::string> args = xdgArguments();
    ASSERT_EQ(args.size(), 8u);
    EXPECT_EQ(args[0], "--utf8");
    EXPECT_EQ(args[1], "--subject");
    EXPECT_EQ(args[2], "Absturzbericht Skat 1.0.0");
    EXPECT_EQ(args[3], "--body");
    EXPECT_EQ(args[4], "line one\n'quoted' $(not run)\n");
    EXPECT_EQ(args[5], "--attach");
    EXPECT_EQ(fs::path(args[6]).filename(), "Skat.zip");
    EXPECT_EQ(fs::path(args[6]).parent_path().parent_path(), scratch.file("cache/Skat/Mail"));
    EXPECT_EQ(args[7], "bugs@example.org");
    EXPECT_FALSE(fs::exists(scratch.file("sendmail"))); // the first way wins
    // The copy outlives the original, for a composer that reads it later.
    fs::remove(scratch.file("Skaa1b2c3"));
    EXPECT_EQ(readFile(args[6]), "zip bytes");
}

TEST_F(Mail, DataAttachmentsAreFilesNamedAsShownEvenWhenEmpty)
{
    fakeXdgEmail();
    MailMessage message = reportMail();
    const std::string xml = "<LISTE/>";
    message.addAttachmentData("Verlauf.skt", reinterpret_cast<const unsigned char*>(xml.data()), xml.size());
    message.addAttachmentData("../../evil", nullptr, 0);
    ASSERT_EQ(message.attachments.size(), 2u);
    for (const auto& [path, attachment] : message.attachments) {
        EXPECT_TRUE(attachment.temporary);
        EXPECT_EQ(fs::path(path).parent_path().parent_path(), scratch.file("cache/Skat/Mail"));
    }
    sender(false).send(message);
    const std::vector<std::string> args = xdgArguments();
    std::vector<std::string> names;
    for (size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "--attach")
            names.push_back(fs::path(args[i + 1]).filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Verlauf.skt", "evil"}));
    EXPECT_EQ(readFile(scratch.file("xdg-files")), xml);
}

TEST_F(Mail, SendmailGetsTheMimeMessageOnItsInput)
{
    fakeSendmail();
    unsetenv("DISPLAY"); // no composer without a display
    writeFile(scratch.file("report.zip"), std::string("PK\x03\x04", 4) + std::string(100, 'z'));
    MailMessage message = reportMail();
    message.subject = "Absturzbericht Skat – 1.0";
    message.addAttachmentFile(scratch.file("report.zip"), "Skat.zip");
    MailSender mail = sender(true);
    ASSERT_TRUE(mail.canSend());
    mail.send(message);
    EXPECT_EQ(readFile(scratch.file("sendmail.args")), "-t\n-oi\n");
    std::string text = readFile(scratch.file("sendmail"));
    text = std::regex_replace(text, std::regex("Date: [^\r]*\r\n"), "Date: X\r\n");
    text = std::regex_replace(text, std::regex("=_Skat_[0-9_]+"), "B");
    EXPECT_EQ(text, "To: bugs@example.org\r\n"
                    "Subject: =?UTF-8?B?QWJzdHVyemJlcmljaHQgU2thdCDigJMgMS4w?=\r\n"
                    "Date: X\r\n"
                    "MIME-Version: 1.0\r\n"
                    "Content-Type: multipart/mixed; boundary=\"B\"\r\n\r\n"
                    "--B\r\n"
                    "Content-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: base64\r\n\r\n"
                    "SWNoIGhhYmUgZ2VzcGllbHQuCg==\r\n"
                    "--B\r\n"
                    "Content-Type: application/zip\r\nContent-Transfer-Encoding: base64\r\n"
                    "Content-Disposition: attachment; filename=\"Skat.zip\"\r\n\r\n"
                    "UEsDBHp6enp6enp6enp6enp6enp6enp6enp6enp6enp6enp6enp6enp6enp6enp6enp6enp6enp6\r\n"
                    "enp6enp6enp6enp6enp6enp6enp6enp6enp6enp6enp6enp6enp6enp6enp6eno=\r\n"
                    "--B--\r\n");
}

TEST_F(Mail, WithoutAnyWayNothingCanBeSent)
{
    fakeSendmail();
    fakeXdgEmail();
    unsetenv("DISPLAY");
    MailSender mail = sender(false); // sendmail not enabled, no display
    EXPECT_FALSE(mail.canSend());
    try {
        mail.send(reportMail());
        FAIL() << "sent";
    } catch (const std::domain_error& e) {
        EXPECT_STREQ(e.what(), "Message cannot be sent, because mailing is not installed on this machine!");
    }
    fs::remove(scratch.file("bin/xdg-email"));
    setenv("DISPLAY", ":99", 1);
    EXPECT_FALSE(sender(false).canSend()); // a display but no xdg-email
}

TEST_F(Mail, FailuresOfTheChosenWayReachTheCaller)
{
    const struct {
        const char* name;
        int xdgExit; // -1: no xdg-email
        const char* sendmailScript;
        const char* error;
    } cases[] = {
        {"composer fails, sendmail is not tried", 3, "cat > OUT", "xdg-email has failed!"},
        {"sendmail refuses", -1, "cat > /dev/null; exit 75", "sendmail has failed!"},
        {"sendmail ends without reading a large mail", -1, "exit 1", "sendmail has failed!"},
    };
    for (const auto& c : cases) {
        fs::remove(scratch.file("bin/xdg-email"));
        fs::remove(scratch.file("sendmail"));
        if (c.xdgExit >= 0)
            fakeXdgEmail(c.xdgExit);
        fakeSendmail(c.sendmailScript);
        MailMessage message = reportMail();
        message.body = std::string(4 << 20, 'b');
        if (c.xdgExit >= 0)
            message.body = "short";
        try {
            sender(true).send(message);
            ADD_FAILURE() << c.name << ": sent";
        } catch (const std::domain_error& e) {
            EXPECT_STREQ(e.what(), c.error) << c.name;
        }
        if (c.xdgExit >= 0) {
            EXPECT_FALSE(fs::exists(scratch.file("sendmail"))) << c.name;
        }
    }
}

TEST_F(Mail, BadInputIsRefusedBeforeAnyProgramRuns)
{
    fakeXdgEmail();
    MailMessage missing = reportMail();
    EXPECT_THROW(missing.addAttachmentFile(scratch.file("nothing"), "x"), std::domain_error);
    EXPECT_THROW(missing.addAttachmentFile(scratch.path(), "folder"), std::domain_error);
    for (const char* recipient : {"--help", "a@b.de\r\nBcc: c@d.de", "", "a@b.de, c@d.de"}) {
        MailMessage message = reportMail();
        message.recipients = {recipient};
        EXPECT_THROW(sender(true).send(message), std::domain_error) << recipient;
        EXPECT_THROW(buildMimeMessage(message, "b"), std::domain_error) << recipient;
    }
    EXPECT_FALSE(fs::exists(scratch.file("xdg-args")));
}

TEST_F(Mail, AMailWithoutAttachmentsIsOnePlainPart)
{
    MailMessage message = reportMail();
    message.subject = "Fehler\r\nBcc: x@y.z";
    const std::string text = buildMimeMessage(message, "b");
    EXPECT_NE(text.find("Subject: Fehler  Bcc: x@y.z\r\n"), std::string::npos);
    EXPECT_EQ(text.find("multipart"), std::string::npos);
    EXPECT_NE(text.find("Content-Type: text/plain; charset=UTF-8\r\n"), std::string::npos);
}

} // namespace

namespace {

TEST_F(Mail, TheMailCacheKeepsRecentFilesForTheComposerAndDropsOldOnes)
{
    const std::string recent = newMailCacheFolder();
    const std::string old = newMailCacheFolder();
    writeFile(old + "/Skat.zip", "x");
    fs::last_write_time(old, fs::file_time_type::clock::now() - std::chrono::hours(2));
    clearMailCache();
    EXPECT_TRUE(fs::exists(recent));
    EXPECT_FALSE(fs::exists(old));
    EXPECT_EQ(fs::path(recent).parent_path(), scratch.file("cache/Skat/Mail"));
    EXPECT_EQ(fs::status(recent).permissions() & fs::perms::all, fs::perms::owner_all);
}

} // namespace
