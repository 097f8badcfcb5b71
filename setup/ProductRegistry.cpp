#include "setup/ProductRegistry.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace setup {

namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Values are written on one line: line breaks would start a new key.
std::string oneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

} // namespace

ProductRegistry::ProductRegistry(fs::path file) : file_(std::move(file)) { }

bool ProductRegistry::read(std::vector<InstalledProduct>& products) const
{
    products.clear();
    std::error_code error;
    if (!fs::exists(file_, error))
        return !error;
    std::ifstream in(file_);
    if (!in)
        return false;
    std::string line;
    InstalledProduct* current = nullptr;
    while (std::getline(in, line)) {
        line = trimmed(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            products.push_back({});
            current = &products.back();
            current->productCode = line.substr(1, line.size() - 2);
            continue;
        }
        const auto equals = line.find('=');
        if (!current || equals == std::string::npos)
            continue;
        const std::string key = trimmed(line.substr(0, equals));
        const std::string value = trimmed(line.substr(equals + 1));
        if (key == "ProductName")
            current->productName = value;
        else if (key == "VersionString")
            current->versionString = value;
        else if (key == "ProductLanguage")
            current->productLanguage = value;
        else if (key == "InstallLocation")
            current->installLocation = value;
    }
    return !in.bad();
}

bool ProductRegistry::write(const std::vector<InstalledProduct>& products) const
{
    std::error_code error;
    fs::create_directories(file_.parent_path(), error);
    std::ostringstream text;
    for (const InstalledProduct& p : products) {
        text << '[' << oneLine(p.productCode) << "]\n"
             << "ProductName=" << oneLine(p.productName) << '\n'
             << "VersionString=" << oneLine(p.versionString) << '\n'
             << "ProductLanguage=" << oneLine(p.productLanguage) << '\n'
             << "InstallLocation=" << oneLine(p.installLocation) << "\n\n";
    }
    const std::string content = text.str();
    std::string temporary = (file_.parent_path() / ("." + file_.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    ::fchmod(fd, 0644);
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += static_cast<std::size_t>(n);
    }
    const bool ok = written == content.size() && ::fsync(fd) == 0;
    ::close(fd);
    if (!ok || ::rename(temporary.c_str(), file_.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

ProductRegistry::Lock::Lock(const ProductRegistry& registry)
{
    std::error_code error;
    fs::create_directories(registry.file().parent_path(), error);
    const std::string lockFile = registry.file().string() + ".lock";
    fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0)
        return;
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            ::close(fd_);
            fd_ = -1;
            return;
        }
    }
}

ProductRegistry::Lock::~Lock()
{
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
    }
}

} // namespace setup
