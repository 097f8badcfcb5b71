#include "vordix/windows/WinCommunication.h"

#include "vordix/File.h"
#include "vordix/MessageSink.h"
#include "vordix/Utf8.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/GuiThread.h"
#include "vordix/windows/MailService.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

#include <mutex>

namespace {
std::mutex g_openerMutex;
WIN_COMMUNICATION::DesktopOpener g_opener;

// The text with its %s replaced once; '|' separates lines in messages.
std::wstring message(const char* text, const QString& argument = {})
{
    QString translated = QCoreApplication::translate("WIN_COMMUNICATION", text);
    const qsizetype at = translated.indexOf(QLatin1String("%s"));
    if (at >= 0)
        translated.replace(at, 2, argument);
    translated.replace(QLatin1Char('\n'), QLatin1Char('|'));
    return translated.toStdWString();
}
} // namespace

WIN_COMMUNICATION::DesktopOpener WIN_COMMUNICATION::setDesktopOpener(DesktopOpener opener)
{
    std::lock_guard lock(g_openerMutex);
    std::swap(g_opener, opener);
    return opener;
}

bool WIN_COMMUNICATION::openOnDesktop(const QUrl& url)
{
    DesktopOpener opener;
    {
        std::lock_guard lock(g_openerMutex);
        opener = g_opener;
    }
    if (opener)
        return opener(url);
    bool opened = false;
    runOnGuiThread([&] { opened = QDesktopServices::openUrl(url); });
    return opened;
}

void WIN_COMMUNICATION::openFile(const VORDIX_FILE& file)
{
    auto* folder = dynamic_cast<WIN_FILEPATH*>(file.folder.imp());
    if (!folder || folder->path().empty())
        return;
    // The message names the whole path: the user has to find the file.
    const QString path = QString::fromStdWString(folder->path() + file.name);
    if (!openOnDesktop(QUrl::fromLocalFile(path)))
        vordix::showMessage(vordix::MessageKind::Error,
                            message(QT_TRANSLATE_NOOP("WIN_COMMUNICATION",
                                                      "Die Datei\n%s\nkann nicht angezeigt werden, da kein Programm "
                                                      "für die Anzeige konfiguriert ist."),
                                    path));
}

void WIN_COMMUNICATION::openUrl(const std::wstring& url)
{
    const QString address = QString::fromStdWString(url);
    const QUrl parsed = QUrl::fromUserInput(address);
    if (!parsed.isValid() || !openOnDesktop(parsed))
        vordix::showMessage(
            vordix::MessageKind::Error,
            message(QT_TRANSLATE_NOOP("WIN_COMMUNICATION",
                                      "Die Adresse\n%s\n kann nicht angezeigt werden, da kein Programm für "
                                      "die Anzeige konfiguriert ist."),
                    address));
}

bool WIN_COMMUNICATION::canSendMail()
{
    const std::shared_ptr<MailService> service = MailService::installed();
    return service && service->canSend();
}

void WIN_COMMUNICATION::sendMail(const std::wstring& recipient, const std::wstring& subject, const std::string& body,
                                 const unsigned char* attachment, int attachmentSize, int,
                                 const std::wstring& attachmentName)
{
    const std::shared_ptr<MailService> service = MailService::installed();
    if (!service || !service->canSend()) {
        vordix::showMessage(
            vordix::MessageKind::Error,
            message(QT_TRANSLATE_NOOP("WIN_COMMUNICATION", "Die Nachricht kann nicht verschickt werden, weil kein "
                                                           "E-Mail-Programm konfiguriert ist.")));
        return;
    }
    OutgoingMail mail;
    mail.recipient = vordix::toUtf8(recipient);
    mail.subject = vordix::toUtf8(subject);
    mail.body = body;
    if (attachment && attachmentSize > 0)
        mail.attachments.push_back({attachmentName, {attachment, attachment + attachmentSize}});
    service->send(mail);
}
