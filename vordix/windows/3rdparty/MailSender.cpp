#include "vordix/windows/3rdparty/MailSender.h"

#include "vordix/Preference.h"
#include "vordix/Utf8.h"
#include "vordix/windows/MailService.h"
#include "vordix/windows/WinPreference.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

bool hasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

// Recipients become arguments and header lines: neither may pass for an
// option nor carry a line break.
void checkRecipients(const MailMessage& message)
{
    if (message.recipients.empty())
        throw std::domain_error("Message has no recipient!");
    for (const std::string& r : message.recipients)
        if (r.empty() || r[0] == '-' || hasLineBreak(r) || r.find(',') != std::string::npos)
            throw std::domain_error("Invalid recipient address!");
    if (hasLineBreak(message.sender))
        throw std::domain_error("Invalid sender address!");
}

std::vector<char*> pointers(std::vector<std::string>& texts)
{
    std::vector<char*> out;
    for (std::string& t : texts)
        out.push_back(t.data());
    out.push_back(nullptr);
    return out;
}

// Waits for a child; a composer still running after the grace time is
// taken as handed over and reaped in the background. -1 for a crash.
int waitFor(pid_t pid, std::chrono::milliseconds grace)
{
    const auto end = std::chrono::steady_clock::now() + grace;
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (done < 0 && errno != EINTR)
            return -1;
        if (std::chrono::steady_clock::now() >= end) {
            std::thread([pid] {
                int ignored = 0;
                while (::waitpid(pid, &ignored, 0) < 0 && errno == EINTR) { }
            }).detach();
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::string base64(const std::string& data)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve(data.size() * 4 / 3 + data.size() / 57 * 2 + 8);
    size_t lineBytes = 0;
    for (size_t i = 0; i < data.size(); i += 3) {
        const uint32_t b0 = static_cast<unsigned char>(data[i]);
        const uint32_t b1 = i + 1 < data.size() ? static_cast<unsigned char>(data[i + 1]) : 0;
        const uint32_t b2 = i + 2 < data.size() ? static_cast<unsigned char>(data[i + 2]) : 0;
        const uint32_t n = (b0 << 16) | (b1 << 8) | b2;
        out += alphabet[(n >> 18) & 63];
        out += alphabet[(n >> 12) & 63];
        out += i + 1 < data.size() ? alphabet[(n >> 6) & 63] : '=';
        out += i + 2 < data.size() ? alphabet[n & 63] : '=';
        lineBytes += 3;
        if (lineBytes == 57) { // 76 characters a line
            out += "\r\n";
            lineBytes = 0;
        }
    }
    if (lineBytes != 0)
        out += "\r\n";
    return out;
}

bool plainAscii(const std::string& text)
{
    for (unsigned char c : text)
        if (c < 32 || c > 126)
            return false;
    return true;
}

// A header text as encoded words when it is not plain ASCII.
std::string headerText(const std::string& text)
{
    if (plainAscii(text))
        return text;
    std::string out;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = std::min(text.size(), at + 45);
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80)
            --end; // whole characters
        std::string chunk = base64(text.substr(at, end - at));
        while (!chunk.empty() && (chunk.back() == '\n' || chunk.back() == '\r'))
            chunk.pop_back();
        if (!out.empty())
            out += "\r\n ";
        out += "=?UTF-8?B?" + chunk + "?=";
        at = end;
    }
    return out;
}

std::string contentType(const std::string& name)
{
    const std::string ext = fs::path(name).extension().string();
    if (ext == ".zip")
        return "application/zip";
    if (ext == ".skt" || ext == ".xml")
        return "text/xml";
    if (ext == ".log" || ext == ".txt" || ext == ".reg")
        return "text/plain";
    return "application/octet-stream";
}

std::string fileNameParameter(const std::string& name)
{
    bool simple = plainAscii(name) && name.find_first_of("\"\\") == std::string::npos;
    if (simple)
        return "filename=\"" + name + "\"";
    static const char hex[] = "0123456789ABCDEF";
    std::string out = "filename*=UTF-8''";
    for (unsigned char c : name) {
        if (std::isalnum(c) || std::strchr("-._~", c))
            out += static_cast<char>(c);
        else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::string mailDate()
{
    char text[64];
    const time_t now = std::time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S %z", &local);
    return text;
}

std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::domain_error("Attachment file does not exist!");
    std::ostringstream data;
    data << in.rdbuf();
    if (in.bad())
        throw std::domain_error("Attachment file cannot be read!");
    return data.str();
}

} // namespace

std::string findProgram(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::stringstream folders(path ? path : "/usr/bin:/bin");
    for (std::string folder; std::getline(folders, folder, ':');) {
        if (folder.empty())
            continue;
        const std::string candidate = folder + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0 && fs::is_regular_file(candidate))
            return candidate;
    }
    return {};
}

std::vector<std::string> XdgEmailStrategy::arguments(const MailMessage& message, const std::vector<std::string>& files)
{
    std::vector<std::string> args{"xdg-email", "--utf8"};
    if (!message.subject.empty())
        args.insert(args.end(), {"--subject", message.subject});
    if (!message.body.empty())
        args.insert(args.end(), {"--body", message.body});
    for (const std::string& file : files)
        args.insert(args.end(), {"--attach", file});
    for (const std::string& r : message.recipients)
        args.push_back(r);
    return args;
}

bool XdgEmailStrategy::isAvailable()
{
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool display = (x11 && *x11) || (wayland && *wayland);
    return display && !findProgram("xdg-email").empty();
}

void XdgEmailStrategy::send(const MailMessage& message)
{
    checkRecipients(message);
    // The composer reads the files after xdg-email has returned, maybe after
    // the report files are gone: it gets copies under their shown names.
    std::vector<std::string> files;
    for (const auto& [path, attachment] : message.attachments) {
        if (attachment.temporary && fs::path(path).filename() == safeFileName(attachment.name)) {
            files.push_back(path);
            continue;
        }
        const std::string copy = newMailCacheFolder() + "/" + safeFileName(attachment.name);
        std::error_code error;
        if (!fs::copy_file(path, copy, error))
            throw std::domain_error("Attachment file cannot be written!");
        files.push_back(copy);
    }
    std::vector<std::string> args = arguments(message, files);
    const std::string program = findProgram("xdg-email");
    std::vector<char*> argv = pointers(args);
    pid_t pid = 0;
    if (program.empty() || ::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        throw std::domain_error("xdg-email has failed!");
    if (waitFor(pid, std::chrono::seconds(15)) != 0)
        throw std::domain_error("xdg-email has failed!");
}

SendmailStrategy::SendmailStrategy()
{
    const auto setting = WIN_PREFERENCE(PROGRAM_KEY).readNumber(L"MailPerSendmail");
    enabled_ = setting && *setting != 0;
}

namespace {
std::string sendmailProgram()
{
    std::string program = findProgram("sendmail");
    for (const char* fixed : {"/usr/sbin/sendmail", "/usr/lib/sendmail"})
        if (program.empty() && ::access(fixed, X_OK) == 0)
            program = fixed;
    return program;
}
} // namespace

bool SendmailStrategy::isAvailable() { return enabled_ && !sendmailProgram().empty(); }

std::string buildMimeMessage(const MailMessage& message, const std::string& boundary)
{
    checkRecipients(message);
    std::string subject = message.subject;
    for (char& c : subject)
        if (c == '\r' || c == '\n')
            c = ' ';
    std::string to;
    for (const std::string& r : message.recipients)
        to += (to.empty() ? "" : ", ") + r;
    std::string out;
    if (!message.sender.empty())
        out += "From: " + message.sender + "\r\n";
    out += "To: " + to + "\r\n";
    out += "Subject: " + headerText(subject) + "\r\n";
    out += "Date: " + mailDate() + "\r\n";
    out += "MIME-Version: 1.0\r\n";
    const std::string textPart =
        "Content-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: base64\r\n\r\n" + base64(message.body);
    if (message.attachments.empty())
        return out + textPart;
    out += "Content-Type: multipart/mixed; boundary=\"" + boundary + "\"\r\n\r\n";
    out += "--" + boundary + "\r\n" + textPart;
    for (const auto& [path, attachment] : message.attachments) {
        out += "--" + boundary + "\r\n";
        out += "Content-Type: " + contentType(attachment.name) + "\r\n";
        out += "Content-Transfer-Encoding: base64\r\n";
        out += "Content-Disposition: attachment; " + fileNameParameter(attachment.name) + "\r\n\r\n";
        out += base64(readWholeFile(path));
    }
    return out + "--" + boundary + "--\r\n";
}

void SendmailStrategy::send(const MailMessage& message)
{
    // Base64 text never holds "=_", so the boundary cannot occur inside.
    const std::string boundary = "=_Skat_" + std::to_string(std::time(nullptr)) + "_" + std::to_string(::getpid());
    const std::string text = buildMimeMessage(message, boundary);
    const std::string program = sendmailProgram();
    if (program.empty())
        throw std::domain_error("sendmail has failed!");
    // A socket pair in place of a pipe: a sendmail that ends early makes the
    // write fail instead of killing the program with SIGPIPE.
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        throw std::domain_error("sendmail has failed!");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], 0);
    std::vector<std::string> args{program, "-t", "-oi"};
    std::vector<char*> argv = pointers(args);
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    bool written = spawned == 0;
    for (size_t done = 0; written && done < text.size();) {
        const ssize_t n = ::send(ends[0], text.data() + done, text.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            written = false;
        else
            done += static_cast<size_t>(n);
    }
    ::close(ends[0]);
    const int status = spawned == 0 ? waitFor(pid, std::chrono::seconds(60)) : -1;
    if (!written || status != 0)
        throw std::domain_error("sendmail has failed!");
}

MailSender::MailSender(std::vector<std::unique_ptr<SendingStrategy>> strategies)
    : strategies_(std::move(strategies)) { }

MailSender& MailSender::instance()
{
    static MailSender sender([] {
        std::vector<std::unique_ptr<SendingStrategy>> list;
        list.push_back(std::make_unique<XdgEmailStrategy>());
        list.push_back(std::make_unique<SendmailStrategy>());
        return list;
    }());
    return sender;
}

bool MailSender::canSend()
{
    for (auto& strategy : strategies_)
        if (strategy->isAvailable())
            return true;
    return false;
}

void MailSender::send(const MailMessage& message)
{
    for (auto& strategy : strategies_) {
        if (!strategy->isAvailable())
            continue;
        strategy->send(message);
        return;
    }
    throw std::domain_error("Message cannot be sent, because mailing is not installed on this machine!");
}

namespace {
class MailSenderService : public MailService {
public:
    bool canSend() override { return MailSender::instance().canSend(); }
    void send(const OutgoingMail& mail) override
    {
        MailMessage message;
        message.addRecipient(mail.recipient);
        message.subject = mail.subject;
        message.body = mail.body;
        for (const MailAttachment& a : mail.attachments)
            message.addAttachmentData(vordix::toUtf8(a.name), a.data.data(), a.data.size());
        MailSender::instance().send(message);
    }
};
} // namespace

void installMailService() { MailService::install(std::make_shared<MailSenderService>()); }
