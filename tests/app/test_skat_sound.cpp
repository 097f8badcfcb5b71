// The game's sound player: which file of which folder each request plays,
// at which pan and whether it waits; the sound switch; and an announcement
// played through SDL's disk audio driver.

#include "AppTestFactory.h"

#include "skat/app/SkatSound.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Spielart.h"
#include "vordix/windows/WinSound.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class SkatSoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        factory = new AppTestFactory;
        VORDIX_IMPLEMENTORFACTORY::installInstance(factory);
        WIN_FILEPATH::setProgramFolder(builtProgramFolder());
        USER_PREFS::destroyInstance();
        SKAT_SOUND::destroyInstance();
        installBuiltTexts();
    }
    void TearDown() override
    {
        SKAT_SOUND::destroyInstance();
        USER_PREFS::destroyInstance();
        SKAT_TEXT::destroyInstance();
        WIN_FILEPATH::setProgramFolder(L"");
        VORDIX_IMPLEMENTORFACTORY::deleteInstance();
    }
    void chooseCardSet(const std::wstring& name) { (*factory->preferences)[PREF_CARD_SET] = name; }
    std::vector<SoundRequest> requests() { return factory->sound.taken(); }

    AppTestFactory* factory = nullptr;
};

std::wstring soundsFolder(const std::wstring& sub) { return builtProgramFolder() + L"/Ressourcen/Sounds/" + sub; }

bool fileExists(const SoundRequest& request)
{
    return fs::exists(WIN_FILEPATH::toFsPath(request.folder + request.name + L".mp3"));
}

TEST_F(SkatSoundTest, AnnouncementsSpeakThePhraseOfTypeLevelAndCardFamily)
{
    struct Case {
        GameType type;
        int level;
        const wchar_t* german; // empty: silent
        const wchar_t* french;
    };
    const Case cases[] = {
        {GAME_CLUBS, WIN_LEVEL_WITH_SKAT, L"eichel", L"kreuz"},
        {GAME_SPADES, WIN_LEVEL_HAND, L"gruenhand", L"pikhand"},
        {GAME_HEARTS, WIN_LEVEL_HAND, L"rothand", L"herzhand"},
        {GAME_HEARTS, WIN_LEVEL_OUVERT, L"", L""},
        {GAME_DIAMONDS, WIN_LEVEL_SCHNEIDER_ANNOUNCED, L"schellenschneider", L"karoschneider"},
        {GAME_CLUBS, WIN_LEVEL_SCHWARZ_ANNOUNCED, L"eichelschwarz", L"kreuzschwarz"},
        {GAME_DIAMONDS, WIN_LEVEL_OUVERT_HAND, L"schellenoffen", L"karoouvert"},
        {GAME_GRAND, WIN_LEVEL_HAND, L"grandhand", L"grandhand"},
        {GAME_GRAND, WIN_LEVEL_OUVERT_HAND, L"", L""},
        {GAME_GRAND_OUVERT, WIN_LEVEL_WITH_SKAT, L"grandouvert", L"grandouvert"},
        {GAME_GRAND_OUVERT, WIN_LEVEL_SCHNEIDER_ANNOUNCED, L"grandouvert", L"grandouvert"},
        {GAME_NULL, WIN_LEVEL_OUVERT, L"nullouvert", L"nullouvert"},
        {GAME_NULL, WIN_LEVEL_SCHNEIDER_ANNOUNCED, L"", L""},
        {GAME_NULL, WIN_LEVEL_OUVERT_HAND, L"nullhandouvert", L"nullhandouvert"},
        {GAME_RAMSCH, WIN_LEVEL_WITH_SKAT, L"", L""},
    };
    for (bool german : {true, false}) {
        chooseCardSet(german ? L"Deutsches Blatt" : L"Turnierblatt");
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << "type " << c.type << " level " << c.level << " german " << german);
            SKAT_SOUND::instance().announceGame(SPIELART(c.type, c.level), 2);
            const std::wstring expected = german ? c.german : c.french;
            const auto played = requests();
            if (expected.empty()) {
                EXPECT_TRUE(played.empty());
                continue;
            }
            ASSERT_EQ(played.size(), 1u);
            EXPECT_EQ(played[0].name, expected);
            EXPECT_EQ(played[0].folder, soundsFolder(L"L/"));
            EXPECT_TRUE(fileExists(played[0]));
        }
    }
}

TEST_F(SkatSoundTest, WithoutAStoredCardSetTheFrenchWordsAreSpoken)
{
    SKAT_SOUND::instance().announceGame(SPIELART(GAME_SPADES, WIN_LEVEL_WITH_SKAT), 0);
    const auto played = requests();
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].name, L"pik");
}

TEST_F(SkatSoundTest, EachSeatSpeaksInItsVoiceFromItsSide)
{
    SKAT_SOUND& sound = SKAT_SOUND::instance();
    sound.playVoice(0, L"kontra");
    sound.playVoice(1, L"kontra"); // the user's own seat says nothing
    sound.playVoice(2, L"passe");
    sound.playSpeaker(L"wiederholt");
    sound.soundFolder(SKAT_SOUND::EFFECTS, L"mischen", false, 1);
    sound.soundFolder(SKAT_SOUND::DEMO, L"kekse", true, 0);
    sound.soundFolder(SKAT_SOUND::GREETING, L"hallo", false, 2);
    sound.soundFolder(6, L"mischen", false, 1); // no such group
    sound.soundFolder(-1, L"mischen", false, 1);
    const struct {
        const wchar_t* name;
        const wchar_t* folder;
        bool wait;
        int seat;
    } expected[] = {
        {L"kontra", L"R/", true, 2},        {L"passe", L"L/", true, 0},       {L"wiederholt", L"Sprecher/", true, 1},
        {L"mischen", L"Effekte/", true, 1}, {L"kekse", L"L/demo/", false, 0}, {L"hallo", L"R/hallo/", true, 2},
    };
    const auto played = requests();
    ASSERT_EQ(played.size(), std::size(expected));
    for (size_t i = 0; i < played.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(played[i].name, expected[i].name);
        EXPECT_EQ(played[i].folder, soundsFolder(expected[i].folder));
        EXPECT_EQ(played[i].wait, expected[i].wait);
        EXPECT_EQ(played[i].seat, expected[i].seat);
        EXPECT_TRUE(fileExists(played[i]));
    }
    EXPECT_EQ(sound.VORDIX_SOUND::soundFolder, nullptr) << "no folder pointer outlives its request";
}

TEST_F(SkatSoundTest, SoundSwitchedOffPlaysNothing)
{
    USER_PREFS::instance().sound = false;
    SKAT_SOUND& sound = SKAT_SOUND::instance();
    sound.playVoice(0, L"kontra");
    sound.playSpeaker(L"wiederholt");
    sound.announceGame(SPIELART(GAME_GRAND, WIN_LEVEL_WITH_SKAT), 2);
    sound.soundFolder(SKAT_SOUND::EFFECTS, L"glocke", false, 1);
    EXPECT_TRUE(requests().empty());
}

// Left and right energy of a raw S16 stereo recording.
std::pair<double, double> channelEnergy(const fs::path& raw)
{
    std::ifstream in(raw, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    double left = 0, right = 0;
    for (size_t i = 0; i + 3 < bytes.size(); i += 4) {
        const auto sample = [&](size_t at) {
            return double(
                std::int16_t(static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8)));
        };
        left += sample(i) * sample(i);
        right += sample(i + 2) * sample(i + 2);
    }
    return {left, right};
}

TEST_F(SkatSoundTest, AnnouncementOfTheLeftSeatIsHeardOnTheLeft)
{
    const fs::path raw = fs::temp_directory_path() / ("skat-announce-" + std::to_string(getpid()) + ".raw");
    const char* oldDriver = std::getenv("SDL_AUDIODRIVER");
    const std::string savedDriver = oldDriver ? oldDriver : "";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", raw.string().c_str(), 1);
    {
        WIN_SOUND speaker;
        ASSERT_TRUE(speaker.hasDevice());
        factory->sound.forward = &speaker;
        chooseCardSet(L"Deutsches Blatt");
        SKAT_SOUND::instance().announceGame(SPIELART(GAME_HEARTS, WIN_LEVEL_HAND), 2); // waits for the end
        factory->sound.forward = nullptr;
    }
    if (oldDriver)
        setenv("SDL_AUDIODRIVER", savedDriver.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    const auto [left, right] = channelEnergy(raw);
    fs::remove(raw);
    const auto played = requests();
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].name, L"rothand");
    EXPECT_GT(left, 0.0);
    EXPECT_GT(left, 5 * right);
}

} // namespace
