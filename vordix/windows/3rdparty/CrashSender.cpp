#include "vordix/windows/3rdparty/CrashSender.h"

#include "vordix/Folder.h"
#include "vordix/MessageSink.h"
#include "vordix/SafeSave.h"
#include "vordix/Utf8.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/3rdparty/CrashReportDialogs.h"
#include "vordix/windows/3rdparty/CrashTexts.h"
#include "vordix/windows/3rdparty/MailSender.h"
#include "vordix/windows/3rdparty/Zipper.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTextStream>

#include <cstdlib>
#include <unistd.h>

namespace {

CCrashSender::SaveDialog& saveDialog()
{
    static CCrashSender::SaveDialog dialog;
    return dialog;
}

std::string utf8(const std::wstring& text) { return vordix::toUtf8(text); }

// An empty file of a unique name beginning with the program's first three
// letters, in the report folder.
std::wstring reserveArchive(const ReportAttachments& attachments)
{
    const QString base = QFileInfo(CCrashSender::programPath()).completeBaseName().left(3);
    const std::string folder = attachments.folder.empty() ? std::string("/tmp") : utf8(attachments.folder);
    std::string pattern = folder + "/" + base.toStdString() + "XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return {};
    ::close(fd);
    return vordix::fromUtf8(pattern);
}

void removeFile(const std::wstring& path)
{
    if (!path.empty())
        ::unlink(utf8(path).c_str());
}

// The user's description as "Beschreibung.txt" in the report folder, so that
// the archive holds it wherever it goes; empty when it cannot be written.
std::wstring writeDescription(const ReportAttachments& attachments, const std::string& description)
{
    const std::string folder = attachments.folder.empty() ? std::string("/tmp") : utf8(attachments.folder);
    const std::string path = folder + "/Beschreibung.txt";
    return vordix::saveFile(path, description) ? vordix::fromUtf8(path) : std::wstring();
}

} // namespace

QString askZipFileName()
{
    // Proposed: the user's documents folder.
    const QString start = QString::fromStdWString(WIN_FILEPATH::standardFolderPath(FOLDER_DOCUMENTS)) + QLatin1Char('/')
                          + crash::tr("Fehlerbericht.zip");
    return QFileDialog::getSaveFileName(nullptr, QString(), start, crash::tr("Zip Dateien (*.zip)"));
}

bool copyReplacing(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    return static_cast<bool>(vordix::saveFile(to.toStdString(), [&](std::FILE* target) {
        while (!source.atEnd()) {
            const QByteArray block = source.read(1 << 16);
            if (block.isEmpty() && source.error() != QFileDevice::NoError)
                return false;
            if (std::fwrite(block.constData(), 1, static_cast<size_t>(block.size()), target)
                != static_cast<size_t>(block.size()))
                return false;
        }
        return true;
    }));
}

CCrashSender::CCrashSender(QObject* parent) : QObject(parent), network_(new QNetworkAccessManager(this)) { }

CCrashSender::~CCrashSender() { delete pendingRequest_; }

CCrashSender::SaveDialog CCrashSender::setSaveDialog(SaveDialog dialog)
{
    std::swap(saveDialog(), dialog);
    return dialog;
}

QString CCrashSender::programPath() { return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget(); }

void CCrashSender::replyFinished(QNetworkReply* reply)
{
    QTextStream stream(reply);
    replyData_ = stream.readAll().toUtf8();
    disconnect(network_, &QNetworkAccessManager::finished, this, &CCrashSender::replyFinished);
    reply->deleteLater();
    delete pendingRequest_;
    pendingRequest_ = nullptr;
}

bool CCrashSender::runReport(ReportAttachments& attachments)
{
    if (pendingRequest_)
        return false;
    const std::wstring archive = reserveArchive(attachments);
    bool accepted = false;
    bool result = false;
    {
        CrashReportMainDialog dialog(attachments, programPath());
        accepted = dialog.exec() == QDialog::Accepted;
        if (accepted) {
            description = dialog.getDescription();
            CZipper zipper;
            bool zipped = !archive.empty() && zipper.open(archive);
            for (const auto& [path, entry] : attachments.attachments)
                if (zipped && !reportFileMissing(path))
                    zipped = zipper.addFile(path);
            const std::wstring described = writeDescription(attachments, description);
            zipped = zipped && !described.empty() && zipper.addFile(described);
            zipped = zipper.close() && zipped;
            removeFile(described);
            result = zipped && sendReport(archive);
        }
    }
    removeFile(archive);
    if (result || !accepted) {
        for (const auto& [path, entry] : attachments.attachments)
            if (entry.deleteAfterwards)
                removeFile(path);
    } else {
        // Nothing went out: the files stay where they are, the settings
        // export too, and the user learns where that is.
        attachments.settingsPath.clear();
        QString text = crash::tr("Der Fehlerbericht konnte weder verschickt noch gespeichert werden.|Die Dateien "
                                 "bleiben im Ordner|%1");
        vordix::showMessage(vordix::MessageKind::Warning,
                            text.arg(QString::fromStdWString(attachments.folder)).toStdWString());
    }
    return result;
}

bool CCrashSender::sendReport(const std::wstring& archivePath)
{
    MailSender& sender = mailSender_ ? *mailSender_ : MailSender::instance();
    if (!recipient.empty() && sender.canSend()) {
        try {
            MailMessage message;
            message.addRecipient(recipient);
            message.subject = subject;
            message.body = description;
            message.addAttachmentFile(utf8(archivePath),
                                      QFileInfo(programPath()).completeBaseName().toStdString() + ".zip");
            sender.send(message);
            return true;
        } catch (const std::exception&) {
            // Saving is offered instead.
        }
    }
    const QString target = saveDialog() ? saveDialog()() : askZipFileName();
    if (target.isEmpty() || !copyReplacing(QString::fromStdWString(archivePath), target))
        return false;
    vordix::showMessage(
        vordix::MessageKind::Information,
        crash::tr("Der Fehlerbericht wurde mit Ihrer Beschreibung gespeichert als|%1").arg(target).toStdWString());
    return true;
}
