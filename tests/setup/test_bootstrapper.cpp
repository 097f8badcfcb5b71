// The bootstrapper's run against an installer that the test plays: what it
// logs, what it asks the installer to do and how it fails.

#include "../support/RecordingMessageSink.h"
#include "setup/Bootstrapper.h"
#include "setup/SetupTexts.h"
#include "setup_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>

using namespace setup;
using namespace setuptest;

namespace {

constexpr const char* CODE = "{6B3C1E0A-5D2F-4C8B-9A71-2E4F8D0C9B15}";

class FakeInstaller : public InstallerBackend {
public:
    bool available() override { return installerThere; }
    bool readPackageInfo(const fs::path& package, MsiPackageInfo& info) override
    {
        packageSeen = readText(package);
        packagePath = package;
        info = packageInfo;
        return true;
    }
    unsigned enumProducts(unsigned index, std::string& code) override
    {
        if (index >= products.size())
            return ENUM_NO_MORE_ITEMS;
        code = products[index];
        return ENUM_SUCCESS;
    }
    std::optional<std::string> productVersion(const std::string& code) override
    {
        auto it = versions.find(code);
        return it == versions.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    std::optional<int> runInstaller(const std::vector<std::string>& arguments) override
    {
        commands.push_back(arguments);
        return exitCode;
    }
    std::string exitCodeText(int code) override { return "installer text " + std::to_string(code) + "\r\n"; }

    bool installerThere = true;
    MsiPackageInfo packageInfo;
    std::vector<std::string> products;
    std::map<std::string, std::string> versions;
    std::optional<int> exitCode = 0;
    std::vector<std::vector<std::string>> commands;
    std::string packageSeen;
    fs::path packagePath;
};

class BootstrapperTest : public testing::Test {
protected:
    void SetUp() override
    {
        sink_ = std::make_shared<testsupport::RecordingMessageSink>();
        previousSink_ = vordix::setMessageSink(sink_);
        fs::create_directories(folder_.path() / "temp dir"); // a blank in the path
        ::setenv("TEMP", (folder_.path() / "temp dir").c_str(), 1);
        parseVersion("9.0.4.45", installer_.packageInfo.version);
        installer_.packageInfo.productCode = CODE;
        installer_.packageInfo.productName = "Skat";
        // A package of more than one chunk.
        package_.resize(PAYLOAD_OFFSET + 12345);
        for (std::size_t i = 0; i < package_.size(); ++i)
            package_[i] = static_cast<char>(i * 7 + i / 251);
    }
    void TearDown() override
    {
        vordix::setMessageSink(previousSink_);
        ::unsetenv("TEMP");
    }

    int runSetup(const std::string& bytes, const std::string& commandLine = "--LOG")
    {
        writeBytes(setupFile(), bytes);
        return bootstrapperMain(commandLine, installer_, setupFile());
    }
    fs::path setupFile() const { return folder_.path() / "Setup"; }
    std::vector<std::string> log() const { return readLines(folder_.path() / LOG_FILE_NAME); }
    std::string goodFile() const
    {
        return setupFileBytes("\x7f"
                              "ELF program",
                              "skat.msi", package_);
    }
    std::string installed(const std::string& version)
    {
        installer_.products = {"{00000000-0000-0000-0000-000000000001}", CODE};
        installer_.versions[CODE] = version;
        return version;
    }
    bool tempFolderEmpty() const { return fs::is_empty(folder_.path() / "temp dir"); }

    PrivateFolder folder_;
    FakeInstaller installer_;
    std::string package_;
    std::shared_ptr<testsupport::RecordingMessageSink> sink_;
    std::shared_ptr<vordix::MessageSink> previousSink_;
};

const std::vector<std::string> START = {
    "Gestartet mit der Befehlszeile \"--LOG\"",
    "MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT): 1033",
    "Normaler Lauf",
    "\tMsiExec ist verfügbar",
};

std::vector<std::string> startThen(std::vector<std::string> rest)
{
    std::vector<std::string> lines = START;
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

std::string commandLine(const std::vector<std::string>& command)
{
    std::string text;
    for (const auto& part : command)
        text += (text.empty() ? "" : " ") + part;
    return text;
}

} // namespace

TEST_F(BootstrapperTest, FreshInstall)
{
    EXPECT_EQ(runSetup(goodFile()), 0);
    ASSERT_EQ(installer_.commands.size(), 1u);
    const auto& command = installer_.commands[0];
    ASSERT_EQ(command.size(), 3u);
    EXPECT_EQ(command[0], "msiexec");
    EXPECT_EQ(command[1], "/I");
    EXPECT_EQ(installer_.packageSeen, package_); // exactly the payload
    EXPECT_EQ(installer_.packagePath.filename(), "skat.msi");
    EXPECT_EQ(fs::path(command[2]), installer_.packagePath);
    EXPECT_EQ(log(), startThen({
                         "\tProdukt " + std::string(CODE)
                             + " ist NICHT installiert, der letzte Aufruf von "
                               "MsiEnumProducts() liefert 259",
                         "\tCommandline: " + commandLine(command),
                         "\tMsiExec.exe liefert einen Rückgabewert von 0",
                         "\tProdukt " + std::string(CODE)
                             + " ist NICHT installiert, der letzte Aufruf von "
                               "MsiEnumProducts() liefert 259",
                     }));
    EXPECT_TRUE(sink_->texts.empty());
    EXPECT_TRUE(tempFolderEmpty());
}

TEST_F(BootstrapperTest, InstalledVersionDecidesRepairUpgradeOrRefusal)
{
    struct Case {
        const char* installedVersion;
        const char* installedCode; // the code as the installer lists it
        int exitCode;
        std::vector<std::string> extraArguments;
        std::string decision;
    };
    std::string lower = CODE;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const Case cases[] = {
        {"9.0.4.45", CODE, 0, {}, "\tGleiche Version installiert -> Reparatur anbieten"},
        {"9.0.3",
         CODE,
         0,
         {"REINSTALL=ALL", "REINSTALLMODE=vomus"},
         "\tÄltere Version installiert -> Befehlszeile ergänzen"},
        {"9.0.4.45", lower.c_str(), 0, {}, "\tGleiche Version installiert -> Reparatur anbieten"},
        {"9.1", CODE, 1, {}, "\tNeuere Version installiert -> Abbruch"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.installedVersion);
        installer_.commands.clear();
        sink_->clear();
        installer_.products = {c.installedCode};
        installer_.versions = {{CODE, c.installedVersion}};
        EXPECT_EQ(runSetup(goodFile()), c.exitCode);
        std::vector<std::string> expected = startThen({
            "\tProdukt " + std::string(CODE) + " ist installiert",
            std::string("\tMsiGetProductInfo(INSTALLPROPERTY_VERSIONSTRING) liefert ") + c.installedVersion,
            c.decision,
        });
        if (c.exitCode == 0) {
            ASSERT_EQ(installer_.commands.size(), 1u);
            const auto& command = installer_.commands[0];
            EXPECT_EQ(std::vector<std::string>(command.begin() + 3, command.end()), c.extraArguments);
            expected.push_back("\tCommandline: " + commandLine(command));
            expected.push_back("\tMsiExec.exe liefert einen Rückgabewert von 0");
            expected.push_back("\tProdukt " + std::string(CODE) + " ist installiert");
            EXPECT_TRUE(sink_->texts.empty());
        } else {
            EXPECT_TRUE(installer_.commands.empty()); // the installer is not started
            ASSERT_EQ(sink_->texts.size(), 1u);
            EXPECT_EQ(sink_->texts[0],
                      L"Die aktuellere Version 9.1 von Skat ist bereits installiert.|Die ältere Version "
                      L"9.0.4.45 kann daher nicht installiert werden.");
            EXPECT_EQ(sink_->captions[0], L"Fehler bei der Installation");
        }
        EXPECT_EQ(log(), expected);
        EXPECT_TRUE(tempFolderEmpty());
    }
}

TEST_F(BootstrapperTest, InstallerOutcomes)
{
    struct Case {
        std::optional<int> installerExit;
        int exitCode;
        bool message;
        std::string lastLine;
    };
    const Case cases[] = {
        {1641, 0, false,
         "\tProdukt " + std::string(CODE)
             + " ist NICHT installiert, der letzte Aufruf von MsiEnumProducts() liefert 259"},
        {3010, 0, false,
         "\tProdukt " + std::string(CODE)
             + " ist NICHT installiert, der letzte Aufruf von MsiEnumProducts() liefert 259"},
        // Cancelled by the user: the installer said so itself.
        {1602, 1, false, "\tMsiExec.exe liefert einen Rückgabewert von 1602"},
        {1603, 1, false, "\tMsiExec.exe liefert einen Rückgabewert von 1603"},
        {std::nullopt, 1, true, "\tKann MSIEXEC.EXE nicht starten"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.installerExit.value_or(-1));
        sink_->clear();
        installer_.exitCode = c.installerExit;
        EXPECT_EQ(runSetup(goodFile()), c.exitCode);
        EXPECT_EQ(log().back(), c.lastLine);
        EXPECT_EQ(sink_->texts.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(sink_->texts[0],
                      L"Fehler beim Starten der Installation.|Bitte reparieren Sie die Laufzeitumgebung "
                      L"des Microsoft Installers.");
        }
        EXPECT_TRUE(tempFolderEmpty());
    }
}

TEST_F(BootstrapperTest, FileAndHeaderFailures)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::string logLine;
        std::wstring message;
    };
    std::string exact(PAYLOAD_OFFSET, static_cast<char>(FILLER_BYTE));
    std::string truncated = goodFile();
    truncated.resize(truncated.size() - 100);
    const Case cases[] = {
        {"exactly 256000 bytes", exact, "\tFEHLER: m_dwOffset >= iMyFileSize (256000 >= 256000)",
         L"Interner Fehler bei der Installation.|Code: 1"},
        {"bad magic", setupFileBytes("program", "skat.msi", package_, 0xDEADBEEF),
         "\tFEHLER: keine Paketkennung an Offset 256000",
         L"Das Installationspaket in dieser Datei fehlt oder ist beschädigt.|Bitte laden Sie das Installationsprogramm "
         L"erneut herunter."},
        {"hostile name", setupFileBytes("program", "../../.profile.msi", package_),
         "\tFEHLER: ungültiger Name des Pakets",
         L"Das Installationspaket in dieser Datei trägt einen ungültigen Namen.|Die Installation wird abgebrochen."},
        {"truncated package", truncated,
         "\tFEHLER: Paket unvollständig (" + std::to_string(package_.size() - 100) + " von "
             + std::to_string(package_.size()) + " Bytes)",
         L"Das Installationspaket in dieser Datei ist unvollständig.|Bitte laden Sie das Installationsprogramm erneut "
         L"herunter."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sink_->clear();
        installer_.commands.clear();
        EXPECT_EQ(runSetup(c.bytes), 1);
        EXPECT_EQ(log(), startThen({c.logLine}));
        ASSERT_EQ(sink_->texts.size(), 1u);
        EXPECT_EQ(sink_->texts[0], c.message);
        EXPECT_TRUE(installer_.commands.empty());
        EXPECT_TRUE(tempFolderEmpty());
        // Nothing was written outside the temporary folder either.
        EXPECT_FALSE(fs::exists(folder_.path().parent_path() / ".profile.msi"));
    }
}

TEST_F(BootstrapperTest, InstalledProductWithoutReadableVersion)
{
    installed("nine");
    EXPECT_EQ(runSetup(goodFile()), 1);
    ASSERT_EQ(sink_->texts.size(), 1u);
    EXPECT_EQ(sink_->texts[0],
              L"Skat ist installiert, die Version kann jedoch nicht bestimmt werden.|Bitte deinstallieren "
              L"Sie die Anwendung und führen Sie dann dieses Installationsprogramm erneut aus.");
    EXPECT_TRUE(installer_.commands.empty());
}

TEST_F(BootstrapperTest, NoInstallerNoLogWithoutTheOption)
{
    installer_.installerThere = false;
    EXPECT_EQ(runSetup(goodFile(), "--log"), 1);
    EXPECT_EQ(log(), (std::vector<std::string>{
                         "Gestartet mit der Befehlszeile \"--log\"",
                         "MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT): 1033",
                         "Normaler Lauf",
                         "\tMsiExec ist  nicht verfügbar",
                     }));
    ASSERT_EQ(sink_->texts.size(), 1u);
    EXPECT_EQ(sink_->texts[0], L"Windows Installer ist auf diesem System nicht verfügbar.|Bitte aktualisieren Sie Ihr "
                               L"Betriebssystem.");
    // Without --LOG nothing is logged, also after an error.
    fs::remove(folder_.path() / LOG_FILE_NAME);
    EXPECT_EQ(runSetup(goodFile(), ""), 1);
    EXPECT_FALSE(fs::exists(folder_.path() / LOG_FILE_NAME));
}

TEST_F(BootstrapperTest, OffsetQuery)
{
    struct Case {
        const char* commandLine;
        std::string bytes;
        const char* printed;
        bool logged;
    };
    const Case cases[] = {
        {"--OFFSET", "short program", "256000\n", false},
        {"--offset", "short program", "256000\n", false},
        {"--Log --Offset", "short program", "256000\n", true},
        {"--LOG --OFFSET", goodFile(), "0\n", true}, // the package is already there
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        fs::remove(folder_.path() / LOG_FILE_NAME);
        testing::internal::CaptureStdout();
        EXPECT_EQ(runSetup(c.bytes, c.commandLine), 0);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.printed);
        EXPECT_TRUE(installer_.commands.empty());
        if (c.logged) {
            EXPECT_EQ(log(), (std::vector<std::string>{
                                 std::string("Gestartet mit der Befehlszeile \"") + c.commandLine + "\"",
                                 "MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT): 1033",
                                 "Anfrage nach dem Offset",
                                 std::string("\tOffset ist ") + (c.bytes.size() < PAYLOAD_OFFSET ? "256000" : "0"),
                             }));
        } else {
            EXPECT_FALSE(fs::exists(folder_.path() / LOG_FILE_NAME));
        }
    }
}

TEST(SetupTexts, PlacesFilledInOrder)
{
    EXPECT_EQ(fillPlaces("a %s b %s c", {"1", "2"}), "a 1 b 2 c");
    EXPECT_EQ(fillPlaces("a %s b %s c %s", {"%s", "2"}), "a %s b 2 c %s");
    EXPECT_EQ(ExceptionFatalError::fromText(TEXT_INSTALLER_FAILED, {"text", "msiexec /I x"}, false).message(),
              "Fehler bei der Installation:\n\"text\"\n\nDer Aufruf \"msiexec /I x\" schlug fehl.");
}
