#pragma once
// The ways a mail leaves the program, in the order of preference:
// - xdg-email: the desktop's mail composer, when the program exists and a
//   display is set. Arguments go straight to the program (no shell);
//   attachments are copied into the mail cache under their shown names, so
//   that the composer still finds them after the report files are gone.
// - sendmail: a MIME message piped to "sendmail -t -oi", when the setting
//   "MailPerSendmail" enables it and a sendmail program exists.
// MailSender hands a mail to the first available way.

#include "vordix/windows/3rdparty/MailMessage.h"

#include <memory>
#include <string>
#include <vector>

class SendingStrategy {
public:
    virtual ~SendingStrategy() = default;
    virtual bool isAvailable() = 0;
    // Throws std::domain_error when the mail cannot be handed over.
    virtual void send(const MailMessage& message) = 0;
};

class XdgEmailStrategy : public SendingStrategy {
public:
    bool isAvailable() override;
    void send(const MailMessage& message) override;
    // The argument list given to xdg-email (the program name first).
    static std::vector<std::string> arguments(const MailMessage& message, const std::vector<std::string>& files);
};

class SendmailStrategy : public SendingStrategy {
public:
    // Enabled by the setting unless the caller decides.
    SendmailStrategy();
    explicit SendmailStrategy(bool enabled) : enabled_(enabled) { }
    bool isAvailable() override;
    void send(const MailMessage& message) override;

private:
    bool enabled_;
};

// The message as an RFC 5322 / MIME text: headers, the body and every
// attachment in base64. Throws for recipients that could smuggle headers.
std::string buildMimeMessage(const MailMessage& message, const std::string& boundary);

class MailSender {
public:
    explicit MailSender(std::vector<std::unique_ptr<SendingStrategy>> strategies);
    // The process-wide sender: xdg-email, then sendmail.
    static MailSender& instance();

    bool canSend();
    // Throws "Message cannot be sent, because mailing is not installed on
    // this machine!" without an available way; a failure of the chosen way
    // reaches the caller.
    void send(const MailMessage& message);

private:
    std::vector<std::unique_ptr<SendingStrategy>> strategies_;
};

// The full path of a program found on PATH; empty when there is none.
std::string findProgram(const std::string& name);

// Installs the process-wide sender as the framework's mail service.
void installMailService();
