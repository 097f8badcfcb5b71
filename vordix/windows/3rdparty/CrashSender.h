#pragma once
// The report mode: shows the report dialog, zips the report files and mails
// the archive, or offers to save it when no mail can go out. Report files
// are deleted afterwards when the report was sent or saved, or when the
// user chose not to send; when neither sending nor saving worked they stay
// and the user is told where.

#include "vordix/windows/3rdparty/ReportAttachments.h"

#include <QByteArray>
#include <QObject>

#include <functional>
#include <string>

class MailSender;
class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

class CCrashSender : public QObject {
    Q_OBJECT
public:
    explicit CCrashSender(QObject* parent = nullptr);
    ~CCrashSender() override;

    std::string recipient;     // empty: the archive is only offered for saving
    std::string reportAddress; // kept for a web report; not used by the mail report
    std::string description = "-";
    std::string subject = "-";

    // Runs the dialogs and the report; true when it was sent or saved.
    // When nothing went out the list is told to keep its settings export.
    bool runReport(ReportAttachments& attachments);
    // Mails the archive, or asks where to save it.
    bool sendReport(const std::wstring& archivePath);

    // Replaceable for tests: the mail sender, the save dialog (returns the
    // chosen path, empty when cancelled) and the program's path.
    void setMailSender(MailSender* sender) { mailSender_ = sender; }
    using SaveDialog = std::function<QString()>;
    static SaveDialog setSaveDialog(SaveDialog dialog);
    static QString programPath();

public slots:
    void replyFinished(QNetworkReply* reply);

private:
    QNetworkAccessManager* network_;
    QNetworkRequest* pendingRequest_ = nullptr;
    QByteArray replyData_;
    MailSender* mailSender_ = nullptr;
};

// The save dialog for zip archives; the chosen path or an empty one.
QString askZipFileName();
// Copies a file over an existing one only through a complete new copy.
bool copyReplacing(const QString& from, const QString& to);
