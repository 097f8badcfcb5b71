#pragma once
// Opens files and web addresses in the desktop's program for them and sends
// mail through the installed mail service. Failures are told to the user.

#include "vordix/Communication.h"

#include <functional>

class QUrl;

class WIN_COMMUNICATION : public VORDIX_COMMUNICATION_imp {
public:
    // Opens an address with the desktop's associated program; true on success.
    using DesktopOpener = std::function<bool(const QUrl&)>;

    void openFile(const VORDIX_FILE& file) override;
    void openUrl(const std::wstring& url) override;
    // Without a mail client, tells the user; errors of the mail client reach
    // the caller as exceptions.
    void sendMail(const std::wstring& recipient, const std::wstring& subject, const std::string& body,
                  const unsigned char* attachment, int attachmentSize, int unused,
                  const std::wstring& attachmentName) override;
    bool canSendMail() override;

    // Replaces the desktop opener (tests); returns the previous one. An
    // empty function restores QDesktopServices.
    static DesktopOpener setDesktopOpener(DesktopOpener opener);

private:
    static bool openOnDesktop(const QUrl& url);
};
