#include "vordix/windows/WinPreference.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

// Points the settings file into a private folder for one test.
class PreferenceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const char* old = std::getenv("XDG_CONFIG_HOME");
        saved = old ? std::optional<std::string>(old) : std::nullopt;
        setenv("XDG_CONFIG_HOME", dir.path().toStdString().c_str(), 1);
    }
    void TearDown() override
    {
        if (saved)
            setenv("XDG_CONFIG_HOME", saved->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }
    std::string fileText() const
    {
        std::ifstream in(WIN_PREFERENCE::settingsFile().toStdString());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    QTemporaryDir dir;
    std::optional<std::string> saved;
};

constexpr const char* CHILD_MODE = "SKAT_PREFERENCE_CHILD";

} // namespace

TEST_F(PreferenceTest, FileLivesUnderXdgConfigAndIsSyncedAtOnce)
{
    EXPECT_EQ(WIN_PREFERENCE::settingsFile(), dir.path() + "/Quorvenel/SKAT.ini");
    WIN_PREFERENCE prefs;
    ASSERT_TRUE(prefs.setValue(7, L"1"));
    const std::string text = fileText();
    EXPECT_NE(text.find("Preferences"), std::string::npos) << text;
    EXPECT_NE(text.find("7=1"), std::string::npos) << text;
}

TEST_F(PreferenceTest, ValuesRoundTripByDecimalId)
{
    WIN_PREFERENCE prefs;
    const std::wstring long200(200, L'x');
    const struct {
        int id;
        std::wstring text;
    } cases[] = {{7, L"1"},     {21, L"Kreuz, Pik"},    {-3, L"negativ"}, {0, L""},        {100, long200},
                 {5, L"ä € ß"}, {6, L" Leer am Rand "}, {8, L"@Variant"}, {9, L"a\\b;c=d"}};
    for (const auto& c : cases)
        ASSERT_TRUE(prefs.setValue(c.id, c.text)) << c.id;
    WIN_PREFERENCE fresh;
    for (const auto& c : cases) {
        std::wstring out = L"alt";
        EXPECT_TRUE(fresh.getValue(c.id, out)) << c.id;
        EXPECT_EQ(out, c.text) << c.id;
    }
    std::wstring out = L"alt";
    EXPECT_FALSE(fresh.getValue(4711, out));
    EXPECT_EQ(out, L"") << "a missing id reads as absent with the text cleared";
}

TEST_F(PreferenceTest, KeyPathsSeparateValuesAndNumbersRoundTrip)
{
    WIN_PREFERENCE prefs;
    WIN_PREFERENCE positions(DIALOG_POSITIONS_KEY);
    WIN_PREFERENCE program(PROGRAM_KEY);
    ASSERT_TRUE(prefs.setValue(12, L"Einstellung"));
    ASSERT_TRUE(positions.writeNumber(L"12", (100 << 16) + 50));
    ASSERT_TRUE(program.writeNumber(DUMP_MODE_VALUE, 2));
    EXPECT_EQ(positions.readNumber(L"12"), (100 << 16) + 50);
    EXPECT_EQ(program.readNumber(DUMP_MODE_VALUE), 2);
    EXPECT_EQ(prefs.readNumber(L"12"), std::nullopt) << "not a number";
    EXPECT_EQ(positions.readNumber(L"13"), std::nullopt);
    EXPECT_EQ(program.valueNames(), std::vector<std::wstring>{DUMP_MODE_VALUE}) << "subkeys are not values";
    ASSERT_TRUE(positions.removeValue(L"12"));
    EXPECT_EQ(positions.readNumber(L"12"), std::nullopt);
    std::wstring text;
    EXPECT_TRUE(prefs.getValue(12, text));
}

TEST_F(PreferenceTest, LanguageAndRootFollowTheConfiguredRoot)
{
    ASSERT_TRUE(writePreferenceString(LANGUAGE_VALUE, L"en"));
    std::wstring language;
    EXPECT_TRUE(readPreferenceString(LANGUAGE_VALUE, language));
    EXPECT_EQ(language, L"en");
    std::wstring viaId;
    WIN_PREFERENCE prefs;
    EXPECT_TRUE(prefs.readString(L"Sprache", viaId));

    VORDIX_PREFERENCE::setRoot(L"Software\\Quorvenel\\SKAT\\Test");
    std::wstring missing;
    EXPECT_FALSE(readPreferenceString(LANGUAGE_VALUE, missing));
    VORDIX_PREFERENCE::setRoot(PREFERENCES_KEY);
}

TEST_F(PreferenceTest, FrameworkObjectForwardsToImplementor)
{
    VORDIX_PREFERENCE prefs(std::make_unique<WIN_PREFERENCE>());
    ASSERT_TRUE(prefs.setValue(3, L"drei"));
    std::wstring text;
    EXPECT_TRUE(prefs.getValue(3, text));
    EXPECT_EQ(text, L"drei");

    VORDIX_PREFERENCE none{std::unique_ptr<VORDIX_PREFERENCE_imp>()};
    EXPECT_FALSE(none.setValue(3, L"x"));
    text = L"alt";
    EXPECT_FALSE(none.getValue(3, text));
    EXPECT_EQ(text, L"");
}

TEST_F(PreferenceTest, UnwritableLocationFailsWithoutCrash)
{
    // The config "folder" is a file: nothing can be created below it.
    const QString blocked = dir.path() + "/blockiert";
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    setenv("XDG_CONFIG_HOME", blocked.toStdString().c_str(), 1);
    WIN_PREFERENCE prefs;
    EXPECT_FALSE(prefs.setValue(1, L"x"));
    std::wstring text;
    EXPECT_FALSE(prefs.getValue(1, text));
}

// Runs in a second process (started by the test below): checks what the
// first process wrote and writes values of its own.
TEST(PreferenceChild, ReadsAndWrites)
{
    if (!std::getenv(CHILD_MODE))
        GTEST_SKIP() << "runs only as child process";
    std::wstring text;
    WIN_PREFERENCE prefs;
    ASSERT_TRUE(prefs.getValue(21, text));
    ASSERT_EQ(text, L"vom Elternprozess €");
    ASSERT_TRUE(readPreferenceString(LANGUAGE_VALUE, text));
    ASSERT_EQ(text, L"de");
    ASSERT_TRUE(prefs.setValue(22, L"vom Kindprozess ß"));
    ASSERT_TRUE(writePreferenceString(LANGUAGE_VALUE, L"en"));
}

TEST_F(PreferenceTest, ValuesWrittenByOneProcessAreReadByTheNext)
{
    if (std::getenv(CHILD_MODE))
        GTEST_SKIP();
    WIN_PREFERENCE prefs;
    ASSERT_TRUE(prefs.setValue(21, L"vom Elternprozess €"));
    ASSERT_TRUE(writePreferenceString(LANGUAGE_VALUE, L"de"));

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(CHILD_MODE, "1");
    environment.insert("XDG_CONFIG_HOME", dir.path());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=PreferenceChild.ReadsAndWrites"), QStringLiteral("--gtest_brief=1")});
    ASSERT_TRUE(child.waitForFinished(60000));
    ASSERT_EQ(child.exitCode(), 0) << child.readAll().toStdString();

    std::wstring text;
    WIN_PREFERENCE fresh;
    EXPECT_TRUE(fresh.getValue(22, text));
    EXPECT_EQ(text, L"vom Kindprozess ß");
    EXPECT_TRUE(readPreferenceString(LANGUAGE_VALUE, text));
    EXPECT_EQ(text, L"en");
}

TEST_F(PreferenceTest, DamagedFileIsKeptBeforeItIsWrittenBack)
{
    const QString file = WIN_PREFERENCE::settingsFile();
    QDir().mkpath(QFileInfo(file).absolutePath());
    const QByteArray damaged = "[Software]\nQuorvenel\\SKAT\\Preferences\\7=1\n\x01 kaputt\n[offen\n";
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(damaged);
    out.close();

    WIN_PREFERENCE prefs;
    std::wstring text;
    EXPECT_TRUE(prefs.getValue(7, text)) << "readable values are still read";
    EXPECT_EQ(text, L"1");
    ASSERT_TRUE(prefs.setValue(8, L"2"));

    QFile kept(file + ".unlesbar");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damaged);
    EXPECT_TRUE(prefs.getValue(7, text));
    EXPECT_TRUE(prefs.getValue(8, text));
    ASSERT_TRUE(prefs.setValue(9, L"3"));
    EXPECT_FALSE(QFileInfo::exists(file + ".unlesbar1")) << "a clean file needs no further copy";
}
