#include "setup/ProductRegistry.h"

#include "vordix/SafeSave.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
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
    std::ifstream in(file_, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        return false;
    products = parse(text.str());
    return true;
}

std::vector<InstalledProduct> ProductRegistry::parse(std::string_view text)
{
    std::vector<InstalledProduct> products;
    InstalledProduct* current = nullptr;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string line = trimmed(std::string(text.substr(at, end - at)));
        at = end + 1;
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
    return products;
}

std::string ProductRegistry::format(const std::vector<InstalledProduct>& products)
{
    std::ostringstream text;
    for (const InstalledProduct& p : products) {
        text << '[' << oneLine(p.productCode) << "]\n"
             << "ProductName=" << oneLine(p.productName) << '\n'
             << "VersionString=" << oneLine(p.versionString) << '\n'
             << "ProductLanguage=" << oneLine(p.productLanguage) << '\n'
             << "InstallLocation=" << oneLine(p.installLocation) << "\n\n";
    }
    return text.str();
}

bool ProductRegistry::write(const std::vector<InstalledProduct>& products) const
{
    std::error_code error;
    fs::create_directories(file_.parent_path(), error);
    return static_cast<bool>(vordix::saveFile(file_, format(products)));
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
