// The built Setup program with its package and the installer helper, run as
// a user would run it, with a private HOME.

#include "setup/InstallPlaces.h"
#include "setup/PackageInstall.h"
#include "setup/Payload.h"
#include "setup/ProductRegistry.h"
#include "setup_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

using namespace setup;
using namespace setuptest;

namespace {

const fs::path BUILD = SETUP_BUILD_DIR;
constexpr const char* CODE = "{6B3C1E0A-5D2F-4C8B-9A71-2E4F8D0C9B15}";

std::string shellQuoted(const fs::path& p) { return "'" + p.string() + "'"; }

class SetupProgramTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* sub : {"home", "temp dir", "tmp"})
            fs::create_directories(folder_.path() / sub);
        root_ = fs::path(folder_.path()) / "root";
        // The run sees only these variables (no display: messages go to
        // standard error); the helper is found beside Setup or, for a copied
        // Setup, in PATH. The package goes below a folder with a blank.
        environment_ = "env -i PATH=" + shellQuoted(BUILD.string() + ":/usr/bin:/bin") + " HOME=" + shellQuoted(home())
                       + " TEMP=" + shellQuoted(folder_.path() / "temp dir")
                       + " TMPDIR=" + shellQuoted(folder_.path() / "tmp") + " SKAT_SETUP_ROOT=" + shellQuoted(root_)
                       + " SKAT_SETUP_PER_USER=1";
    }

    fs::path home() const { return folder_.path() / "home"; }
    // Where the helper installs for this user (root too installs per user here).
    fs::path installed() const { return home() / ".local/opt/skat"; }
    fs::path registryFile() const { return home() / ".local/share/skat-setup/products.ini"; }

    int run(const fs::path& setupFile, const std::string& arguments = "--LOG")
    {
        const std::string command = "cd " + shellQuoted(folder_.path()) + " && " + environment_ + " "
                                    + shellQuoted(setupFile) + " " + arguments + " >stdout.txt 2>stderr.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::vector<std::string> log() const { return readLines(folder_.path() / "SetupBootstrapper.log"); }
    std::string stderrText() const { return readText(folder_.path() / "stderr.txt"); }
    void setInstalledVersion(const std::string& version)
    {
        const ProductRegistry registry(registryFile());
        ASSERT_TRUE(registry.write({{CODE, "Skat", version, "1031", installed().string()}}));
    }
    std::string installedVersion() const
    {
        std::vector<InstalledProduct> products;
        EXPECT_TRUE(ProductRegistry(registryFile()).read(products));
        return products.size() == 1 ? products[0].versionString : "";
    }
    // Every file of the package is installed as it was built: the program,
    // its launcher and read-me and the whole resource folder.
    void expectInstalledFiles() const
    {
        const fs::path stage = BUILD / "package";
        std::vector<fs::path> files = {"Skat", "bin/skat", "LIESMICH.txt"};
        const fs::path resources = fs::canonical(stage / "Ressourcen");
        for (const auto& entry : fs::recursive_directory_iterator(resources))
            if (entry.is_regular_file())
                files.push_back("Ressourcen" / fs::relative(entry.path(), resources));
        ASSERT_GT(files.size(), 7u);
        for (const fs::path& file : files) {
            SCOPED_TRACE(file.string());
            ASSERT_TRUE(fs::exists(installed() / file));
            EXPECT_EQ(readText(installed() / file), readText(stage / file));
        }
        EXPECT_TRUE(fs::exists(installed() / "Ressourcen/PdfListe/cmunss.ttf"));
        EXPECT_TRUE(fs::exists(installed() / "Ressourcen/Skat_Text.xml"));
        EXPECT_EQ(fs::status(installed() / "bin/skat").permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
        EXPECT_EQ(fs::status(installed() / "Skat").permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
    }
    std::vector<std::string> installLog(const std::vector<std::string>& decision, bool installedBefore) const
    {
        const std::string notInstalled =
            "\tProdukt " + std::string(CODE)
            + " ist NICHT installiert, der letzte Aufruf von MsiEnumProducts() liefert 259";
        const std::string isInstalled = "\tProdukt " + std::string(CODE) + " ist installiert";
        std::vector<std::string> lines = {"Gestartet mit der Befehlszeile \"--LOG\"",
                                          "MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT): 1033", "Normaler Lauf",
                                          "\tMsiExec ist verfügbar", installedBefore ? isInstalled : notInstalled};
        lines.insert(lines.end(), decision.begin(), decision.end());
        return lines;
    }
    // The command line logged for the package extracted into $TEMP.
    std::string commandOf(const std::vector<std::string>& lines) const
    {
        for (const std::string& line : lines)
            if (line.rfind("\tCommandline: ", 0) == 0)
                return line;
        return {};
    }

    PrivateFolder folder_;
    fs::path root_;
    std::string environment_;
};

} // namespace

TEST_F(SetupProgramTest, FreshInstallRepairAndUpgrade)
{
    // 1. Fresh install.
    ASSERT_EQ(run(BUILD / "Setup"), 0) << stderrText();
    std::vector<std::string> lines = log();
    const std::string command = commandOf(lines);
    EXPECT_EQ(command.rfind("\tCommandline: msiexec /I " + (folder_.path() / "temp dir").string() + "/skat-setup-", 0),
              0u)
        << command;
    EXPECT_EQ(command.substr(command.size() - 9), "/skat.msi");
    auto expected = installLog({command, "\tMsiExec.exe liefert einen Rückgabewert von 0",
                                "\tProdukt " + std::string(CODE) + " ist installiert"},
                               false);
    EXPECT_EQ(lines, expected);
    expectInstalledFiles();
    EXPECT_EQ(installedVersion(), "9.0.4.45");
    EXPECT_TRUE(fs::is_empty(folder_.path() / "temp dir")); // the package is removed
    EXPECT_TRUE(fs::is_empty(folder_.path() / "tmp"));      // and the staging folder

    // 2. The same version again repairs a missing file.
    fs::remove(installed() / "Ressourcen/PdfListe/cmuntb.ttf");
    ASSERT_EQ(run(BUILD / "Setup"), 0) << stderrText();
    lines = log();
    EXPECT_EQ(lines, installLog({"\tMsiGetProductInfo(INSTALLPROPERTY_VERSIONSTRING) liefert 9.0.4.45",
                                 "\tGleiche Version installiert -> Reparatur anbieten", commandOf(lines),
                                 "\tMsiExec.exe liefert einen Rückgabewert von 0",
                                 "\tProdukt " + std::string(CODE) + " ist installiert"},
                                true));
    expectInstalledFiles();

    // 3. An older version installed: every file is replaced.
    setInstalledVersion("9.0.3");
    writeBytes(installed() / "LIESMICH.txt", "old");
    ASSERT_EQ(run(BUILD / "Setup"), 0) << stderrText();
    lines = log();
    const std::string upgrade = "/skat.msi REINSTALL=ALL REINSTALLMODE=vomus";
    EXPECT_EQ(commandOf(lines).substr(commandOf(lines).size() - upgrade.size()), upgrade);
    EXPECT_EQ(lines, installLog({"\tMsiGetProductInfo(INSTALLPROPERTY_VERSIONSTRING) liefert 9.0.3",
                                 "\tÄltere Version installiert -> Befehlszeile ergänzen", commandOf(lines),
                                 "\tMsiExec.exe liefert einen Rückgabewert von 0",
                                 "\tProdukt " + std::string(CODE) + " ist installiert"},
                                true));
    expectInstalledFiles();
    EXPECT_EQ(installedVersion(), "9.0.4.45");
}

TEST_F(SetupProgramTest, NewerVersionInstalledIsNotReplaced)
{
    setInstalledVersion("9.1");
    EXPECT_EQ(run(BUILD / "Setup"), 1);
    EXPECT_EQ(log(), installLog({"\tMsiGetProductInfo(INSTALLPROPERTY_VERSIONSTRING) liefert 9.1",
                                 "\tNeuere Version installiert -> Abbruch"},
                                true));
    EXPECT_NE(
        stderrText().find("Die aktuellere Version 9.1 von Skat ist bereits installiert.|Die ältere Version 9.0.4.45 "
                          "kann daher nicht installiert werden."),
        std::string::npos)
        << stderrText();
    EXPECT_FALSE(fs::exists(installed()));
    EXPECT_EQ(installedVersion(), "9.1");
    EXPECT_TRUE(fs::is_empty(folder_.path() / "temp dir"));
}

TEST_F(SetupProgramTest, OffsetQueryAndDamagedFiles)
{
    // The program alone asks for its package at 256000; the whole Setup not.
    EXPECT_EQ(run(BUILD / "Setup-program", "--OFFSET"), 0);
    EXPECT_EQ(readText(folder_.path() / "stdout.txt"), "256000\n");
    EXPECT_EQ(run(BUILD / "Setup", "--offset"), 0);
    EXPECT_EQ(readText(folder_.path() / "stdout.txt"), "0\n");

    const std::string program = readText(BUILD / "Setup-program");
    ASSERT_LT(program.size(), PAYLOAD_OFFSET);
    std::string exact = program;
    exact.resize(PAYLOAD_OFFSET, static_cast<char>(FILLER_BYTE));
    struct Case {
        const char* what;
        std::string bytes;
        std::string logLine;
    };
    const Case cases[] = {
        {"exactly 256000 bytes", exact, "\tFEHLER: m_dwOffset >= iMyFileSize (256000 >= 256000)"},
        {"bad magic", setupFileBytes(program, "skat.msi", "package", 0xDEADBEEF),
         "\tFEHLER: keine Paketkennung an Offset 256000"},
        {"hostile name", setupFileBytes(program, "../../home/.bashrc.msi", "package"),
         "\tFEHLER: ungültiger Name des Pakets"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path file = folder_.path() / "Setup copy";
        writeBytes(file, c.bytes);
        fs::permissions(file, fs::perms::owner_all);
        EXPECT_EQ(run(file), 1);
        EXPECT_EQ(log(), (std::vector<std::string>{"Gestartet mit der Befehlszeile \"--LOG\"",
                                                   "MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT): 1033", "Normaler Lauf",
                                                   "\tMsiExec ist verfügbar", c.logLine}));
        EXPECT_TRUE(fs::is_empty(folder_.path() / "temp dir"));
        EXPECT_FALSE(fs::exists(home() / ".bashrc.msi"));
        EXPECT_FALSE(fs::exists(installed()));
    }
}

TEST_F(SetupProgramTest, InstallerCancelledByTheUserEndsWithoutAMessage)
{
    // A copied Setup finds the installer in PATH: here one that reports that
    // the user cancelled (1602), as the real installer does.
    const fs::path bin = folder_.path() / "bin";
    fs::create_directories(bin);
    writeBytes(bin / "msiexec", "#!/bin/sh\nexit " + std::to_string(processStatusOf(INSTALL_USER_EXIT)) + "\n");
    fs::permissions(bin / "msiexec", fs::perms::owner_all);
    fs::copy_file(BUILD / "Setup", folder_.path() / "Setup");
    environment_ = "env -i PATH=" + shellQuoted(bin.string() + ":/usr/bin:/bin") + " HOME=" + shellQuoted(home())
                   + " TEMP=" + shellQuoted(folder_.path() / "temp dir") + " SKAT_SETUP_PER_USER=1";
    EXPECT_EQ(run(folder_.path() / "Setup"), 1);
    const std::vector<std::string> lines = log();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2].rfind("\tCommandline: msiexec /I ", 0), 0u);
    EXPECT_EQ(lines.back(), "\tMsiExec.exe liefert einen Rückgabewert von 1602");
    EXPECT_EQ(stderrText(), ""); // the installer has told the user
    EXPECT_TRUE(fs::is_empty(folder_.path() / "temp dir"));
}

TEST_F(SetupProgramTest, HelperFailureReachesSetupAsTheInstallersCode)
{
    // A file where the install folder's parent should be: nothing can be
    // copied, the helper ends with 1603 and shows why; Setup adds no message.
    fs::create_directories(home() / ".local");
    writeBytes(home() / ".local/opt", "in the way");
    EXPECT_EQ(run(BUILD / "Setup"), 1);
    EXPECT_EQ(log().back(), "\tMsiExec.exe liefert einen Rückgabewert von 1603");
    const std::string errors = stderrText();
    EXPECT_NE(errors.find("Fatal error during installation."), std::string::npos) << errors;
    EXPECT_EQ(errors.find("Fehler bei der Installation"), std::string::npos) << errors;
    EXPECT_FALSE(fs::exists(registryFile())); // nothing recorded as installed
    EXPECT_TRUE(fs::is_empty(folder_.path() / "temp dir"));
    EXPECT_TRUE(fs::is_empty(folder_.path() / "tmp"));
}
