// The installer layer on its own: the package the build made, the products
// file and the helper's exit codes.

#include "../support/RecordingMessageSink.h"
#include "setup/InstallPlaces.h"
#include "setup/MsiPackage.h"
#include "setup/PackageInstall.h"
#include "setup/ProductRegistry.h"
#include "setup_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

using namespace setup;
using namespace setuptest;

namespace {

const fs::path BUILT_PACKAGE = fs::path(SETUP_BUILD_DIR) / "skat.msi";

// HOME, TEMP and the system root inside a private folder.
class PrivateHome : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"HOME", "XDG_DATA_HOME", "SKAT_SETUP_ROOT", "SKAT_SETUP_PER_USER", "TMPDIR"})
            if (const char* v = std::getenv(name))
                saved_.emplace_back(name, v);
        fs::create_directories(folder_.path() / "home");
        fs::create_directories(folder_.path() / "tmp");
        ::setenv("HOME", (folder_.path() / "home").c_str(), 1);
        ::setenv("SKAT_SETUP_ROOT", (folder_.path() / "root").c_str(), 1);
        ::setenv("TMPDIR", (folder_.path() / "tmp").c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
        ::unsetenv("SKAT_SETUP_PER_USER");
    }
    void TearDown() override
    {
        for (const char* name : {"HOME", "XDG_DATA_HOME", "SKAT_SETUP_ROOT", "SKAT_SETUP_PER_USER", "TMPDIR"})
            ::unsetenv(name);
        for (const auto& [name, value] : saved_)
            ::setenv(name.c_str(), value.c_str(), 1);
    }

    PrivateFolder folder_;
    std::vector<std::pair<std::string, std::string>> saved_;
};

} // namespace

TEST(MsiPackage, LibmsiReadsThePackageTheBuildMade)
{
    MsiPackageInfo info;
    ASSERT_TRUE(readMsiPackageInfo(BUILT_PACKAGE, info));
    EXPECT_EQ(info.productCode, "{6B3C1E0A-5D2F-4C8B-9A71-2E4F8D0C9B15}");
    EXPECT_EQ(info.productName, "Skat");
    EXPECT_EQ(info.productLanguage, "1031");
    EXPECT_EQ(info.version.text, "9.0.4.45");
    EXPECT_EQ(info.version.parts, (std::array<int, 4>{9, 0, 4, 45}));

    const PrivateFolder folder;
    writeBytes(folder.path() / "not.msi", "this is no package");
    EXPECT_FALSE(readMsiPackageInfo(folder.path() / "not.msi", info));
    EXPECT_TRUE(info.productCode.empty());
    EXPECT_FALSE(readMsiPackageInfo(folder.path() / "missing.msi", info));
}

TEST_F(PrivateHome, PlacesFollowTheUser)
{
    if (systemWideInstall()) {
        EXPECT_EQ(installFolder(), folder_.path() / "root" / "opt" / "skat");
        EXPECT_EQ(productRegistryFile(), folder_.path() / "root" / "var/lib/skat-setup/products.ini");
    } else {
        EXPECT_EQ(installFolder(), folder_.path() / "home" / ".local/opt/skat");
        EXPECT_EQ(productRegistryFile(), folder_.path() / "home" / ".local/share/skat-setup/products.ini");
    }
    EXPECT_EQ(temporaryBase(), folder_.path() / "tmp");
    // Asked to, root installs for itself alone.
    ::setenv("SKAT_SETUP_PER_USER", "1", 1);
    EXPECT_FALSE(systemWideInstall());
    EXPECT_EQ(installFolder(), folder_.path() / "home" / ".local/opt/skat");
    ::unsetenv("SKAT_SETUP_PER_USER");
}

TEST_F(PrivateHome, ProductRegistryRoundTripAndLockedWriters)
{
    const ProductRegistry registry(folder_.path() / "data" / "products.ini");
    std::vector<InstalledProduct> products;
    EXPECT_TRUE(registry.read(products)); // no file yet: no products
    EXPECT_TRUE(products.empty());
    products = {{"{A}", "Skat", "9.0.3", "1031", "/opt/skat"}, {"{B}", "Line\nbreak", "1.0", "1033", "/x"}};
    ASSERT_TRUE(registry.write(products));
    std::vector<InstalledProduct> back;
    ASSERT_TRUE(registry.read(back));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].versionString, "9.0.3");
    EXPECT_EQ(back[0].installLocation, "/opt/skat");
    EXPECT_EQ(back[1].productName, "Line break"); // a value can't start a new key
    EXPECT_EQ(back[1].versionString, "1.0");

    // Writers that each add their products under the lock lose none.
    auto writer = [&](char tag) {
        for (int i = 0; i < 20; ++i) {
            const ProductRegistry::Lock lock(registry);
            ASSERT_TRUE(lock.held());
            std::vector<InstalledProduct> now;
            ASSERT_TRUE(registry.read(now));
            now.push_back({std::string("{") + tag + std::to_string(i) + "}", "p", "1", "0", "/"});
            ASSERT_TRUE(registry.write(now));
        }
    };
    std::thread first(writer, 'X'), second(writer, 'Y');
    first.join();
    second.join();
    ASSERT_TRUE(registry.read(back));
    EXPECT_EQ(back.size(), 42u);
    // Only the file and its lock remain: no temporary files.
    int entries = 0;
    for (const auto& entry : fs::directory_iterator(folder_.path() / "data")) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 2);
}

TEST_F(PrivateHome, HelperExitCodes)
{
    struct Case {
        const char* what;
        std::vector<std::string> arguments;
        int exitCode;
    };
    const Case cases[] = {
        {"no arguments", {}, INSTALL_INVALID_COMMAND_LINE},
        {"unknown option", {"/X", BUILT_PACKAGE.string()}, INSTALL_INVALID_COMMAND_LINE},
        {"missing package", {"/I", (folder_.path() / "none.msi").string()}, INSTALL_PACKAGE_OPEN_FAILED},
        {"first install", {"/i", BUILT_PACKAGE.string()}, INSTALL_SUCCESS},
        {"repair", {"/I", BUILT_PACKAGE.string()}, INSTALL_SUCCESS},
    };
    auto sink = std::make_shared<testsupport::RecordingMessageSink>();
    auto previous = vordix::setMessageSink(sink);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sink->clear();
        EXPECT_EQ(runInstallerHelper(c.arguments), c.exitCode);
        // Like the installer it stands for, the helper shows its failures.
        EXPECT_EQ(sink->texts.size(), c.exitCode == INSTALL_SUCCESS ? 0u : 1u);
    }
    vordix::setMessageSink(previous);
    // Another version installed and no REINSTALL=ALL: refused, files untouched.
    const ProductRegistry registry(productRegistryFile());
    std::vector<InstalledProduct> products;
    ASSERT_TRUE(registry.read(products));
    ASSERT_EQ(products.size(), 1u);
    products[0].versionString = "9.0.3";
    ASSERT_TRUE(registry.write(products));
    EXPECT_EQ(runInstallerHelper({"/I", BUILT_PACKAGE.string()}), INSTALL_PRODUCT_VERSION);
    EXPECT_EQ(runInstallerHelper({"/I", BUILT_PACKAGE.string(), "REINSTALL=ALL", "REINSTALLMODE=vomus"}),
              INSTALL_SUCCESS);
    ASSERT_TRUE(registry.read(products));
    EXPECT_EQ(products[0].versionString, "9.0.4.45");
    // The staging folders are gone.
    EXPECT_TRUE(fs::is_empty(folder_.path() / "tmp"));
    EXPECT_EQ(installerExitText(INSTALL_USER_EXIT), "User cancelled installation.");
}

TEST(InstallerExitCodes, SurviveTheEightBitProcessStatus)
{
    for (int code : {0, 1602, 1603, 1619, 1638, 1639, 1641, 3010}) {
        SCOPED_TRACE(code);
        const int status = processStatusOf(code);
        EXPECT_GE(status, 0);
        EXPECT_LT(status, 126); // below the shell's own codes
        EXPECT_EQ(installerCodeOf(status), code);
    }
    EXPECT_EQ(installerCodeOf(processStatusOf(4711)), INSTALL_FAILURE);
    EXPECT_EQ(installerCodeOf(1), INSTALL_FAILURE);
    EXPECT_EQ(installerCodeOf(127), INSTALL_FAILURE); // "command not found"
}
