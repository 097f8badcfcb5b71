#pragma once
// A mail handed to the user's mail client: recipients, subject, body and
// attached files, sorted by path (one path is attached once). Texts are
// UTF-8. Every failure is a std::domain_error with an English text.

#include <cstddef>
#include <map>
#include <string>
#include <vector>

struct MailFileAttachment {
    std::string name;       // shown in the mail
    bool temporary = false; // written for this mail into the mail cache
};

class MailMessage {
public:
    std::string sender; // empty unless a caller sets it
    std::vector<std::string> recipients;
    std::map<std::string, MailFileAttachment> attachments; // by path
    std::string subject;
    std::string body;

    void addRecipient(const std::string& address) { recipients.push_back(address); }
    // Attaches an existing file; a later entry for the same path replaces it.
    // Throws "Attachment file does not exist!" for a missing file.
    void addAttachmentFile(const std::string& path, const std::string& shownName);
    // Writes the bytes (even none) into a new file of the mail cache named
    // as shown, and attaches it. Throws when the file cannot be written.
    void addAttachmentData(const std::string& shownName, const unsigned char* data, size_t size);
};

// The folder of files handed to mail clients. They stay there after the
// send (a mail client may read them later) until a later start clears the
// older ones.
std::string mailCacheFolder();
// Removes cached files older than the given age in seconds.
void clearMailCache(long olderThanSeconds = 600);
// A new private subfolder of the mail cache; throws when none can be made.
std::string newMailCacheFolder();
// A file name that stays inside its folder: the last path part, with
// characters that no file system likes replaced; "Anhang" when nothing is left.
std::string safeFileName(const std::string& shownName);
