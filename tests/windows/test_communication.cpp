#include "test_drawing_support.h"
#include "tests/support/RecordingMessageSink.h"

#include "vordix/Communication.h"
#include "vordix/File.h"
#include "vordix/MessageSink.h"
#include "vordix/windows/MailService.h"
#include "vordix/windows/WinCommunication.h"

#include <QUrl>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using RecordingSink = testsupport::RecordingMessageSink;

class FakeMail : public MailService {
public:
    bool available = true;
    bool fail = false;
    std::vector<OutgoingMail> sent;
    bool canSend() override { return available; }
    void send(const OutgoingMail& mail) override
    {
        if (fail)
            throw std::runtime_error("Sending failed");
        sent.push_back(mail);
    }
};

class Communication : public PlatformFactoryTest {
protected:
    void SetUp() override
    {
        m_previousSink = vordix::setMessageSink(m_sink);
        m_previousOpener = WIN_COMMUNICATION::setDesktopOpener([this](const QUrl& url) {
            m_opened.push_back(url);
            return m_openerSucceeds;
        });
        m_previousMail = MailService::install(m_mail);
    }
    void TearDown() override
    {
        vordix::setMessageSink(m_previousSink);
        WIN_COMMUNICATION::setDesktopOpener(m_previousOpener);
        MailService::install(m_previousMail);
    }

    std::shared_ptr<RecordingSink> m_sink = std::make_shared<RecordingSink>();
    std::shared_ptr<vordix::MessageSink> m_previousSink;
    WIN_COMMUNICATION::DesktopOpener m_previousOpener;
    std::shared_ptr<FakeMail> m_mail = std::make_shared<FakeMail>();
    std::shared_ptr<MailService> m_previousMail;
    std::vector<QUrl> m_opened;
    bool m_openerSucceeds = true;
    VORDIX_COMMUNICATION m_communication;
};

} // namespace

TEST_F(Communication, OpensFilesAndAddressesThroughTheDesktop)
{
    VORDIX_FOLDER folder;
    folder.setPath(L"/tmp/Spiel listen/Ü");
    m_communication.openFile(VORDIX_FILE(folder, L"Aktuell.skt"));
    m_communication.openUrl(L"https://www.example.org/skat?x=1");
    ASSERT_EQ(m_opened.size(), 2u);
    EXPECT_TRUE(m_opened[0].isLocalFile());
    EXPECT_EQ(m_opened[0].toLocalFile(), QString::fromUtf8("/tmp/Spiel listen/Ü/Aktuell.skt"));
    EXPECT_EQ(m_opened[1], QUrl(QStringLiteral("https://www.example.org/skat?x=1")));
    EXPECT_TRUE(m_sink->texts.empty());
}

TEST_F(Communication, FailuresAreToldWithTheNameOrAddress)
{
    m_openerSucceeds = false;
    VORDIX_FOLDER folder;
    folder.setPath(L"/tmp/listen");
    m_communication.openFile(VORDIX_FILE(folder, L"Aktuell.skt"));
    m_communication.openUrl(L"https://www.example.org/");
    ASSERT_EQ(m_sink->texts.size(), 2u);
    EXPECT_EQ(m_sink->kinds[0], vordix::MessageKind::Error);
    EXPECT_EQ(m_sink->captions[0], L"SKAT");
    // The file with its whole path, so that the user can find it.
    EXPECT_EQ(m_sink->texts[0], L"Die Datei|/tmp/listen/Aktuell.skt|kann nicht angezeigt werden, da kein Programm "
                                L"für die Anzeige konfiguriert ist.");
    EXPECT_EQ(m_sink->texts[1], L"Die Adresse|https://www.example.org/| kann nicht angezeigt werden, da kein "
                                L"Programm für die Anzeige konfiguriert ist.");
}

TEST_F(Communication, FileWithoutAFolderPathOpensNothing)
{
    m_communication.openFile(VORDIX_FILE(VORDIX_FOLDER(), L"Aktuell.skt"));
    EXPECT_TRUE(m_opened.empty());
    EXPECT_TRUE(m_sink->texts.empty());
}

TEST_F(Communication, MailGoesToTheMailServiceWithItsAttachmentOnlyWhenGiven)
{
    m_communication.sendMail(L"absturz@example.org", L"Bericht ÄÖÜ", "Hallo");
    const unsigned char zip[] = {'P', 'K', 3, 4};
    m_communication.sendMail(L"absturz@example.org", L"Bericht", "Anbei", zip, sizeof zip, L"Bericht.zip");
    ASSERT_EQ(m_mail->sent.size(), 2u);
    EXPECT_EQ(m_mail->sent[0].recipient, "absturz@example.org");
    EXPECT_EQ(m_mail->sent[0].subject, "Bericht \xC3\x84\xC3\x96\xC3\x9C");
    EXPECT_EQ(m_mail->sent[0].body, "Hallo");
    EXPECT_TRUE(m_mail->sent[0].attachments.empty());
    ASSERT_EQ(m_mail->sent[1].attachments.size(), 1u);
    EXPECT_EQ(m_mail->sent[1].attachments[0].name, L"Bericht.zip");
    EXPECT_EQ(m_mail->sent[1].attachments[0].data, std::vector<unsigned char>(zip, zip + sizeof zip));
    EXPECT_TRUE(m_sink->texts.empty());
}

TEST_F(Communication, WithoutAMailClientTheUserIsToldAndErrorsReachTheCaller)
{
    m_mail->available = false;
    m_communication.sendMail(L"a@example.org", L"s", "b");
    MailService::install(nullptr);
    m_communication.sendMail(L"a@example.org", L"s", "b");
    ASSERT_EQ(m_sink->texts.size(), 2u);
    for (const std::wstring& text : m_sink->texts)
        EXPECT_EQ(text, L"Die Nachricht kann nicht verschickt werden, weil kein E-Mail-Programm konfiguriert ist.");
    EXPECT_TRUE(m_mail->sent.empty());

    MailService::install(m_mail);
    m_mail->available = true;
    m_mail->fail = true;
    EXPECT_THROW(m_communication.sendMail(L"a@example.org", L"s", "b"), std::runtime_error);
}
