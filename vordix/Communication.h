#pragma once
// Opening files and web addresses in their default programs, and mail.

#include <memory>
#include <string>

class VORDIX_FILE;

class VORDIX_COMMUNICATION_imp {
public:
    virtual ~VORDIX_COMMUNICATION_imp() = default;
    virtual void openFile(const VORDIX_FILE& file) = 0;
    virtual void openUrl(const std::wstring& url) = 0;
    virtual void sendMail(const std::wstring& recipient, const std::wstring& subject, const std::string& body,
                          const unsigned char* attachment, int attachmentSize, int unused,
                          const std::wstring& attachmentName) = 0;
    // True when a mail program can take a mail now.
    virtual bool canSendMail() { return false; }
};

class VORDIX_COMMUNICATION {
public:
    VORDIX_COMMUNICATION();
    virtual ~VORDIX_COMMUNICATION();
    VORDIX_COMMUNICATION(const VORDIX_COMMUNICATION&) = delete;
    VORDIX_COMMUNICATION& operator=(const VORDIX_COMMUNICATION&) = delete;

    void openFile(const VORDIX_FILE& file);
    void openUrl(const std::wstring& url);
    void sendMail(const std::wstring& recipient, const std::wstring& subject, const std::string& body,
                  const unsigned char* attachment = nullptr, int attachmentSize = 0,
                  const std::wstring& attachmentName = {});
    // False without a platform or a mail program.
    bool canSendMail() const;

    VORDIX_COMMUNICATION_imp* implementor() const { return imp_.get(); }

private:
    std::unique_ptr<VORDIX_COMMUNICATION_imp> imp_;
};
