#include "TempFolder.h"

#include "vordix/File.h"
#include "vordix/ImplementorFactory.h"
#include "vordix/WinFilePath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Sets environment variables for one test and restores them afterwards.
class ScopedEnvironment {
public:
    void set(const char* name, const std::optional<std::string>& value)
    {
        if (!saved_.count(name)) {
            const char* old = std::getenv(name);
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedEnvironment()
    {
        for (auto& [name, value] : saved_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }

private:
    std::map<std::string, std::optional<std::string>> saved_;
};

std::wstring folderPath(const std::wstring& start, const std::wstring& change)
{
    WIN_FILEPATH folder;
    folder.setPath(start);
    folder.changeFolder(change);
    return folder.path();
}

} // namespace

class StandardFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.set("HOME", (dir.path() / "home").string());
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
            env.set(name, std::nullopt);
    }
    std::wstring standard(unsigned kind)
    {
        VORDIX_FOLDER folder;
        folder.setStandardFolder(kind);
        EXPECT_TRUE(folder.folderSet);
        return folder.path();
    }
    std::wstring under(const std::string& relative) const { return (dir.path() / relative).wstring() + L"/"; }

    TempFolder dir;
    ScopedEnvironment env;
};

TEST_F(StandardFolders, AreCreatedUnderTheUsersHome)
{
    EXPECT_EQ(standard(FOLDER_DOCUMENTS), under("home/Documents"));
    EXPECT_EQ(standard(FOLDER_APPDATA), under("home/.local/share"));
    const std::wstring temp = standard(FOLDER_TEMP);
    EXPECT_EQ(temp, under("home/.cache/{B0545B95-CCD9-4079-A981-8A6F373C3B3C}"));
    for (const char* made :
         {"home/Documents", "home/.local/share", "home/.cache/{B0545B95-CCD9-4079-A981-8A6F373C3B3C}"})
        EXPECT_TRUE(fs::is_directory(dir.path() / made)) << made;

    struct stat info { };
    ASSERT_EQ(::stat(WIN_FILEPATH::toFsPath(temp).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u) << "the temporary folder is private";
}

TEST_F(StandardFolders, FollowXdgVariables)
{
    fs::create_directories(dir.path() / "conf");
    std::ofstream(dir.path() / "conf/user-dirs.dirs") << "# comment\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                                                         "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
    env.set("XDG_CONFIG_HOME", (dir.path() / "conf").string());
    env.set("XDG_DATA_HOME", (dir.path() / "data").string());
    env.set("XDG_RUNTIME_DIR", (dir.path() / "run").string());
    EXPECT_EQ(standard(FOLDER_DOCUMENTS), under("home/Dokumente"));
    EXPECT_EQ(standard(FOLDER_APPDATA), under("data"));
    EXPECT_EQ(standard(FOLDER_TEMP), under("run/{B0545B95-CCD9-4079-A981-8A6F373C3B3C}"));

    // Relative XDG paths are invalid and ignored; the cache folder takes the
    // temporary folder when there is no runtime folder.
    env.set("XDG_DATA_HOME", "relativ/data");
    env.set("XDG_RUNTIME_DIR", std::nullopt);
    env.set("XDG_CACHE_HOME", (dir.path() / "cache").string());
    EXPECT_EQ(standard(FOLDER_APPDATA), under("home/.local/share"));
    EXPECT_EQ(standard(FOLDER_TEMP), under("cache/{B0545B95-CCD9-4079-A981-8A6F373C3B3C}"));
}

TEST_F(StandardFolders, ProgramFolderAndUnknownKind)
{
    WIN_FILEPATH::setProgramFolder(L"/opt/skat");
    EXPECT_EQ(standard(FOLDER_PROGRAM), L"/opt/skat/");
    WIN_FILEPATH::setProgramFolder(L"");
    EXPECT_FALSE(standard(FOLDER_PROGRAM).empty()) << "defaults to the executable's folder";

    VORDIX_FOLDER folder;
    folder.setPath(L"/bleibt");
    folder.setStandardFolder(17);
    EXPECT_EQ(folder.path(), L"/bleibt/");
}

TEST(FolderPath, ChangeFolder)
{
    const struct {
        const wchar_t* start;
        const wchar_t* name;
        const wchar_t* result;
    } cases[] = {{L"/a/b/", L"..", L"/a/"},
                 {L"/a/", L"..", L"/"},
                 {L"/", L"..", L"/"},
                 {L"/a/", L"x", L"/a/x/"},
                 {L"/a/", L"Spiel Listen", L"/a/Spiel Listen/"}};
    for (const auto& c : cases)
        EXPECT_EQ(folderPath(c.start, c.name), c.result) << c.start << " " << c.name;

    WIN_FILEPATH relative;
    relative.setPath(L"a");
    relative.changeFolder(L"..");
    EXPECT_EQ(relative.path(), L"") << "a path without a separator becomes empty";
    EXPECT_FALSE(relative.setPath(L""));
}

TEST(FolderPath, CreateSubfolderAndTree)
{
    TempFolder dir;
    VORDIX_FOLDER folder;
    folder.setPath(dir.wpath());
    EXPECT_TRUE(folder.createSubfolder(L"SKAT"));
    EXPECT_TRUE(folder.createSubfolder(L"Spiellisten"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "SKAT/Spiellisten"));
    EXPECT_EQ(folder.path(), dir.wpath() + L"SKAT/Spiellisten/");

    EXPECT_TRUE(WIN_FILEPATH::createFolderTree(dir.wpath() + L"x/y/z"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "x/y/z"));
    EXPECT_FALSE(WIN_FILEPATH::createFolderTree(L""));
    std::ofstream(dir.path() / "datei") << "x";
    EXPECT_FALSE(WIN_FILEPATH::createFolderTree(dir.wpath() + L"datei/unter"));

    WIN_FILEPATH root;
    root.setPath(L"/");
    EXPECT_FALSE(root.createSubfolder(L".."));
}

class FileOperations : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.setPath(dir.wpath());
        fs::create_directories(dir.path() / "sub/tief");
        std::ofstream(dir.path() / "a.skt") << "A";
        std::ofstream(dir.path() / "sub/b.skt") << "B";
        std::ofstream(dir.path() / "sub/tief/c.skt") << "C";
    }
    std::vector<std::wstring> list(int depth)
    {
        std::vector<VORDIX_FILE> files;
        WIN_FILEPATH::listFolder(folder, depth, files);
        std::vector<std::wstring> paths;
        for (const auto& f : files)
            paths.push_back(f.fullPath().substr(dir.wpath().size()));
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    TempFolder dir;
    VORDIX_FOLDER folder;
};

TEST_F(FileOperations, ListFolderByDepth)
{
    EXPECT_EQ(list(1), (std::vector<std::wstring>{L"a.skt", L"sub"}));
    EXPECT_EQ(list(0), (std::vector<std::wstring>{L"a.skt", L"sub/b.skt", L"sub/tief/c.skt"}));
    EXPECT_EQ(list(2), (std::vector<std::wstring>{L"a.skt", L"sub/b.skt", L"sub/tief"}));
    VORDIX_FOLDER missing;
    missing.setPath(dir.wpath() + L"fehlt");
    std::vector<VORDIX_FILE> files;
    WIN_FILEPATH::listFolder(missing, 0, files);
    EXPECT_TRUE(files.empty());
}

TEST_F(FileOperations, ReadableCopyRemoveAndFullPath)
{
    VORDIX_FILE a(folder, L"a.skt");
    EXPECT_TRUE(a.isReadable());
    EXPECT_FALSE(VORDIX_FILE(folder, L"fehlt.skt").isReadable());
    EXPECT_FALSE(VORDIX_FILE(folder, L"sub").isReadable()) << "a folder is not a readable file";
    EXPECT_EQ(WIN_FILEPATH::getFullPath(a), (dir.path() / "a.skt").string());

    // The copy overwrites and is writable even when the source is read-only.
    VORDIX_FOLDER sub(folder);
    sub.changeFolder(L"sub");
    std::ofstream(dir.path() / "sub/a.skt") << "alt";
    fs::permissions(dir.path() / "a.skt", fs::perms::owner_read, fs::perm_options::replace);
    WIN_FILEPATH::copyFile(a, sub);
    std::ifstream copied(dir.path() / "sub/a.skt");
    std::string text;
    copied >> text;
    EXPECT_EQ(text, "A");
    EXPECT_NE(fs::status(dir.path() / "sub/a.skt").permissions() & fs::perms::owner_write, fs::perms::none);

    WIN_FILEPATH::removeFile(a);
    EXPECT_FALSE(fs::exists(dir.path() / "a.skt"));
    EXPECT_FALSE(a.isReadable());

    VORDIX_FILE unset;
    unset.name = L"x";
    EXPECT_EQ(unset.fullPath(), L"");
}

TEST_F(FileOperations, ReadBytesInChunks)
{
    std::string data(40000, '\0');
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i * 7);
    std::ofstream(dir.path() / "gross.bin", std::ios::binary).write(data.data(), 40000);
    const struct {
        size_t request;
        size_t expected;
    } cases[] = {{0, 0}, {100, 100}, {16384, 16384}, {40000, 40000}, {50000, 40000}, {70000, 40000}};
    for (const auto& c : cases) {
        FILE* stream = std::fopen((dir.path() / "gross.bin").c_str(), "rb");
        std::string buffer(c.request, '\0');
        EXPECT_EQ(WIN_FILEPATH::readBytes(c.request, buffer.data(), stream), c.expected) << c.request;
        EXPECT_EQ(buffer.substr(0, c.expected), data.substr(0, c.expected)) << c.request;
        std::fclose(stream);
    }
}

TEST(FolderBridge, WithoutFactoryUsesPlatformPath)
{
    if (VORDIX_IMPLEMENTORFACTORY::instance())
        GTEST_SKIP() << "a factory is installed";
    VORDIX_FOLDER folder;
    EXPECT_NE(dynamic_cast<WIN_FILEPATH*>(folder.imp()), nullptr);
    EXPECT_TRUE(folder.setPath(L"/srv/skat"));
    VORDIX_FOLDER copy(folder);
    EXPECT_EQ(copy.path(), L"/srv/skat/");
    VORDIX_FILE file(copy, L"Aktuell.skt");
    VORDIX_FILE other;
    other = file;
    EXPECT_EQ(other.fullPath(), L"/srv/skat/Aktuell.skt");
}
