#include "setup/Bootstrapper.h"

#include "setup/Payload.h"
#include "setup/SetupTexts.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace setup {

namespace {

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& p : parts)
        text += (text.empty() ? "" : " ") + p;
    return text;
}

// The folder for the package: $TEMP, else /tmp.
fs::path temporaryFolder()
{
    const char* temp = std::getenv("TEMP");
    return temp && *temp ? fs::path(temp) : fs::path("/tmp");
}

bool writeAll(int fd, const unsigned char* bytes, std::size_t count)
{
    while (count > 0) {
        const ssize_t n = ::write(fd, bytes, count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

struct CloseFile {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

CBootstrapper::CBootstrapper(InstallerBackend& backend, fs::path ownFile)
    : m_dwOffset(PAYLOAD_OFFSET)
    , ownFile_(std::move(ownFile))
    , backend_(backend)
{
}

CBootstrapper::~CBootstrapper() { removeExtracted(); }

void CBootstrapper::removeExtracted()
{
    std::error_code error;
    if (!extractedPath_.empty())
        fs::remove(extractedPath_, error);
    if (!extractedFolder_.empty())
        fs::remove_all(extractedFolder_, error);
    extractedPath_.clear();
    extractedFolder_.clear();
}

void CBootstrapper::parseCommandLine(const std::string& commandLine)
{
    const std::string line = upper(commandLine);
    if (ownFile_.empty())
        throw ExceptionFatalError::fromText(TEXT_NO_MODULE_PATH);
    if (line.find("--LOG") != std::string::npos)
        log_.open();
    log_.line("Gestartet mit der Befehlszeile \"" + commandLine + "\"");
    log_.line("MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT): 1033");
    if (line.find("--OFFSET") != std::string::npos) {
        log_.line("Anfrage nach dem Offset");
        mode_ = MODE_OFFSET_QUERY;
    } else {
        log_.line("Normaler Lauf");
        checkWindowsInstaller();
        mode_ = MODE_INSTALL;
    }
}

std::uint32_t CBootstrapper::run()
{
    if (mode_ == MODE_OFFSET_QUERY) {
        const std::uint32_t offset = getOwnFileSize() < m_dwOffset ? m_dwOffset : 0;
        log_.line("\tOffset ist " + std::to_string(offset));
        return offset;
    }
    if (mode_ == MODE_INSTALL) {
        extractPayload();
        installPackage();
    }
    return 0;
}

std::uint64_t CBootstrapper::getOwnFileSize()
{
    if (iMyFileSize_ != 0)
        return iMyFileSize_;
    struct stat info { };
    const int fd = ::open(ownFile_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        if (fd >= 0)
            ::close(fd);
        log_.line("\tFEHLER: kann eigenes Modul nicht öffnen, Größenbestimmung nicht möglich");
        return 0;
    }
    ::close(fd);
    iMyFileSize_ = static_cast<std::uint64_t>(info.st_size);
    return iMyFileSize_;
}

void CBootstrapper::checkWindowsInstaller()
{
    const bool there = backend_.available();
    log_.line(std::string("\tMsiExec ist ") + (there ? "" : " nicht ") + "verfügbar");
    if (!there)
        throw ExceptionFatalError::fromText(TEXT_NO_INSTALLER);
}

void CBootstrapper::extractPayload()
{
    // 1. The file must reach beyond the offset.
    const std::uint64_t size = getOwnFileSize();
    if (m_dwOffset >= size) {
        log_.line("\tFEHLER: m_dwOffset >= iMyFileSize (" + std::to_string(m_dwOffset) + " >= " + std::to_string(size)
                  + ")");
        throw ExceptionFatalError::fromText(TEXT_INTERNAL_ERROR, {"1"});
    }
    // 2. Open the own file.
    std::unique_ptr<std::FILE, CloseFile> own(std::fopen(ownFile_.c_str(), "rb"));
    if (!own) {
        log_.line("\tFEHLER: kann Datei " + ownFile_.string() + " nicht öffnen");
        throw ExceptionFatalError::fromText(TEXT_INTERNAL_ERROR, {"2"});
    }
    // 3. One chunk of m_dwOffset bytes.
    std::unique_ptr<unsigned char[]> buffer(new (std::nothrow) unsigned char[m_dwOffset]);
    if (!buffer) {
        log_.line("\tFEHLER: kann Speicher nicht allokieren (" + std::to_string(m_dwOffset) + " Bytes)");
        throw ExceptionFatalError::fromText(TEXT_NO_MEMORY);
    }
    // 4. The header and the start of the package.
    std::size_t got = 0;
    if (std::fseek(own.get(), static_cast<long>(m_dwOffset), SEEK_SET) != 0
        || ((got = std::fread(buffer.get(), 1, m_dwOffset, own.get())) == 0 && std::ferror(own.get()))) {
        log_.line("\tFEHLER: kann Header nicht lesen");
        throw ExceptionFatalError::fromText(TEXT_INTERNAL_ERROR, {"3"});
    }
    // 5. A header of ours with a plain package name.
    PayloadHeader header;
    switch (header.parse(buffer.get(), got)) {
    case PayloadHeader::Result::BadMagic:
        log_.line("\tFEHLER: keine Paketkennung an Offset " + std::to_string(m_dwOffset));
        throw ExceptionFatalError::fromText(TEXT_BAD_MAGIC);
    case PayloadHeader::Result::BadName:
        log_.line("\tFEHLER: ungültiger Name des Pakets");
        throw ExceptionFatalError::fromText(TEXT_BAD_PACKAGE_NAME);
    case PayloadHeader::Result::Ok: break;
    }
    // 6. A private folder under the temporary folder.
    const fs::path base = temporaryFolder();
    std::string folder = (base / "skat-setup-XXXXXX").string();
    if (!::mkdtemp(folder.data())) {
        log_.line("\tFEHLER: kann Zieldatei \"" + (base / header.fileName).string() + "\" nicht erstellen");
        throw ExceptionFatalError::fromText(TEXT_CANNOT_CREATE_TEMP);
    }
    extractedFolder_ = folder;
    extractedPath_ = extractedFolder_ / header.fileName;
    // 7. The package file, new.
    const int target = ::open(extractedPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (target < 0) {
        log_.line("\tFEHLER: kann Zieldatei \"" + extractedPath_.string() + "\" nicht erstellen");
        throw ExceptionFatalError::fromText(TEXT_CANNOT_CREATE_TEMP);
    }
    struct CloseFd {
        int fd;
        ~CloseFd() { ::close(fd); }
    } closeTarget{target};
    // 8. What the first chunk holds of the package.
    const std::uint64_t total = header.payloadSize;
    std::uint64_t written = std::min<std::uint64_t>(total, got - header.packageStart);
    if (!writeAll(target, buffer.get() + header.packageStart, static_cast<std::size_t>(written))) {
        log_.line("\tFEHLER: kann Zieldatei nicht schreiben");
        throw ExceptionFatalError::fromText(TEXT_CANNOT_WRITE_TEMP);
    }
    // 9. The rest, exactly the payload size.
    while (written < total) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(m_dwOffset, total - written));
        const std::size_t n = std::fread(buffer.get(), 1, want, own.get());
        if (n == 0 && !std::ferror(own.get())) {
            log_.line("\tFEHLER: Paket unvollständig (" + std::to_string(written) + " von " + std::to_string(total)
                      + " Bytes)");
            throw ExceptionFatalError::fromText(TEXT_TRUNCATED_PACKAGE);
        }
        if (n == 0 || !writeAll(target, buffer.get(), n)) {
            log_.line("\tFEHLER beim Übertragen der anzuhängenden Datei");
            throw ExceptionFatalError::fromText(TEXT_TEMP_TRANSFER);
        }
        written += n;
    }
    // 10. On disk before anyone reads it.
    if (::fsync(target) != 0) {
        log_.line("\tFEHLER: kann Zieldatei nicht schreiben");
        throw ExceptionFatalError::fromText(TEXT_CANNOT_WRITE_TEMP);
    }
}

bool CBootstrapper::isProductInstalled(const MsiPackageInfo& info)
{
    std::string code;
    unsigned result = ENUM_SUCCESS;
    for (unsigned index = 0; (result = backend_.enumProducts(index, code)) == ENUM_SUCCESS; ++index) {
        if (!info.productCode.empty() && sameProductCode(code, info.productCode)) {
            log_.line("\tProdukt " + info.productCode + " ist installiert");
            return true;
        }
    }
    log_.line("\tProdukt " + info.productCode
              + " ist NICHT installiert, der letzte Aufruf von MsiEnumProducts() liefert " + std::to_string(result));
    return false;
}

void CBootstrapper::installPackage()
{
    MsiPackageInfo info;
    backend_.readPackageInfo(extractedPath_, info);
    installed_ = isProductInstalled(info);

    std::vector<std::string> command = {LocalInstaller::HELPER_NAME, "/I", extractedPath_.string()};
    if (installed_) {
        const std::optional<std::string> version = backend_.productVersion(info.productCode);
        MsiVersion installedVersion;
        if (!version || !parseVersion(*version, installedVersion))
            throw ExceptionFatalError::fromText(TEXT_VERSION_UNKNOWN, {info.productName});
        log_.line("\tMsiGetProductInfo(INSTALLPROPERTY_VERSIONSTRING) liefert " + *version);
        if (versionLess(info.version, installedVersion)) {
            log_.line("\tNeuere Version installiert -> Abbruch");
            throw ExceptionFatalError::fromText(TEXT_NEWER_INSTALLED, {*version, info.productName, info.version.text});
        }
        if (versionEqual(info.version, installedVersion)) {
            log_.line("\tGleiche Version installiert -> Reparatur anbieten");
        } else {
            log_.line("\tÄltere Version installiert -> Befehlszeile ergänzen");
            command.push_back("REINSTALL=ALL");
            command.push_back("REINSTALLMODE=vomus");
        }
    }
    runMsiExec(command);
    installed_ = isProductInstalled(info);
}

void CBootstrapper::runMsiExec(const std::vector<std::string>& command)
{
    log_.line("\tCommandline: " + joined(command));
    const std::optional<int> code = backend_.runInstaller(command);
    if (!code) {
        log_.line("\tKann MSIEXEC.EXE nicht starten");
        throw ExceptionFatalError::fromText(TEXT_INSTALLER_START);
    }
    log_.line("\tMsiExec.exe liefert einen Rückgabewert von " + std::to_string(*code));
    if (*code == 0 || *code == 1641 || *code == 3010)
        return;
    std::string text = backend_.exitCodeText(*code);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.pop_back();
    // The installer has shown its own message.
    throw ExceptionFatalError::fromText(TEXT_INSTALLER_FAILED, {text, joined(command)}, false);
}

int bootstrapperMain(const std::string& commandLine, InstallerBackend& backend, const fs::path& ownFile)
{
    CBootstrapper bootstrapper(backend, ownFile);
    int exitCode = 0;
    try {
        bootstrapper.parseCommandLine(commandLine);
        const std::uint32_t result = bootstrapper.run();
        if (bootstrapper.mode() == MODE_OFFSET_QUERY) {
            // An exit code can't carry 256000: the offset goes to standard output.
            std::printf("%u\n", static_cast<unsigned>(result));
            std::fflush(stdout);
        }
    } catch (const ExceptionFatalError& error) {
        error.show();
        exitCode = 1;
    }
    bootstrapper.removeExtracted();
    return exitCode;
}

} // namespace setup
