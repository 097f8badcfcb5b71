#pragma once
// The way mail leaves the program: the mail layer of the crash reporter
// installs the user's mail client here at start-up. Until one is installed
// there is no mail client and nothing can be sent.

#include <memory>
#include <string>
#include <vector>

struct MailAttachment {
    std::wstring name; // shown to the recipient
    std::vector<unsigned char> data;
};

struct OutgoingMail {
    std::string recipient; // UTF-8
    std::string subject;   // UTF-8
    std::string body;
    std::vector<MailAttachment> attachments;
};

class MailService {
public:
    virtual ~MailService() = default;
    // True when a mail client is available on this machine.
    virtual bool canSend() = 0;
    // Hands the mail to the mail client; throws std::exception with an
    // English text when that fails.
    virtual void send(const OutgoingMail& mail) = 0;

    // The installed service, null when none is.
    static std::shared_ptr<MailService> installed();
    // Installs a service (null removes it); returns the previous one.
    static std::shared_ptr<MailService> install(std::shared_ptr<MailService> service);
};
