#include "vordix/windows/MixerWrapper.h"

#include "vordix/Folder.h"
#include "vordix/windows/WinSound.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kTone = fs::path(SKAT_TEST_DATA_DIR) / "tone.mp3"; // 0.3 s, 440 Hz, mono

VORDIX_FOLDER dataFolder()
{
    VORDIX_FOLDER folder;
    folder.setPath(fs::path(SKAT_TEST_DATA_DIR).wstring());
    return folder;
}

// Sets environment variables for one test and restores them afterwards.
class ScopedEnv {
public:
    void set(const char* name, const std::string& value)
    {
        const char* old = std::getenv(name);
        m_saved.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second)
                setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                unsetenv(it->first.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

struct Balance {
    double left = 0;
    double right = 0;
};

// Left and right energy of consecutive blocks of a raw S16 stereo recording,
// keeping only blocks that carry sound.
std::vector<Balance> audibleBlocks(const fs::path& raw)
{
    std::ifstream in(raw, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[2 * i])
                                               | (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    std::vector<Balance> blocks;
    const size_t frames = 2205; // 50 ms at 44.1 kHz
    for (size_t start = 0; start + 2 * frames <= samples.size(); start += 2 * frames) {
        Balance b;
        for (size_t f = 0; f < frames; ++f) {
            b.left += double(samples[start + 2 * f]) * samples[start + 2 * f];
            b.right += double(samples[start + 2 * f + 1]) * samples[start + 2 * f + 1];
        }
        if (b.left + b.right > frames * 1.0e6)
            blocks.push_back(b);
    }
    return blocks;
}

} // namespace

TEST(MixerWrapper, PanVolumesByPan)
{
    struct Case {
        float pan;
        int left;
        int right;
    };
    for (const Case& c :
         {Case{-0.8f, 255, 51}, Case{0.8f, 51, 255}, Case{0.0f, 255, 255}, Case{-1.0f, 255, 0}, Case{3.0f, 0, 255}}) {
        std::uint8_t l = 0, r = 0;
        CMixerWrapper::panVolumes(c.pan, l, r);
        EXPECT_EQ(l, c.left) << c.pan;
        EXPECT_EQ(r, c.right) << c.pan;
    }
}

TEST(WinSound, SeatsSpeakFromTheirSide)
{
    const std::pair<int, float> cases[] = {{0, -0.8f}, {1, 0.0f}, {2, 0.8f}, {3, 0.0f}, {-1, 0.0f}};
    for (const auto& [seat, pan] : cases)
        EXPECT_FLOAT_EQ(WIN_SOUND::panForSeat(seat), pan) << seat;
    EXPECT_EQ(WIN_SOUND::soundFile(L"tone", dataFolder()), kTone);
    EXPECT_TRUE(WIN_SOUND::soundFile(L"tone", VORDIX_FOLDER()).empty());
}

TEST(WinSound, TwoSoundsPlayOneAfterTheOtherWithTheirPan)
{
    const fs::path raw = fs::temp_directory_path() / ("skat-sound-" + std::to_string(getpid()) + ".raw");
    {
        ScopedEnv env;
        env.set("SDL_AUDIODRIVER", "disk");
        env.set("SDL_DISKAUDIOFILE", raw.string());
        WIN_SOUND sound;
        ASSERT_TRUE(sound.hasDevice());
        sound.play(L"tone", dataFolder(), false, 0); // left seat
        sound.play(L"tone", dataFolder(), true, 2);  // right seat, waits for its end
        EXPECT_FALSE(sound.isPlaying());
    }
    const std::vector<Balance> blocks = audibleBlocks(raw);
    fs::remove(raw);
    ASSERT_GE(blocks.size(), 8u); // two sounds of 0.3 s in blocks of 50 ms

    // Every block is clearly one-sided, all left ones come first: the sounds
    // never overlap and each keeps its own pan.
    size_t leftBlocks = 0;
    while (leftBlocks < blocks.size() && blocks[leftBlocks].left > 10 * blocks[leftBlocks].right)
        ++leftBlocks;
    EXPECT_GE(leftBlocks, 4u);
    for (size_t i = leftBlocks; i < blocks.size(); ++i)
        EXPECT_GT(blocks[i].right, 10 * blocks[i].left) << "block " << i;
    EXPECT_GE(blocks.size() - leftBlocks, 4u);
}

TEST(WinSound, MissingSoundsAndFoldersStaySilent)
{
    ScopedEnv env;
    env.set("SDL_AUDIODRIVER", "dummy");
    WIN_SOUND sound;
    ASSERT_TRUE(sound.hasDevice());
    sound.play(L"gibt-es-nicht", dataFolder(), true, 1);
    sound.play(L"tone", VORDIX_FOLDER(), true, 1);
    EXPECT_FALSE(sound.isPlaying());
    sound.play(L"tone", dataFolder(), true, 1);
    EXPECT_FALSE(sound.isPlaying());
}

TEST(MixerWrapper, DummyDeviceFinishesEverySoundAndNeverHangs)
{
    ScopedEnv env;
    env.set("SDL_AUDIODRIVER", "dummy");
    CMixerWrapper mixer;
    ASSERT_TRUE(mixer.hasDevice());
    EXPECT_TRUE(mixer.play(kTone, 0.0f, false));
    EXPECT_TRUE(mixer.play(kTone, 0.0f, true));
    EXPECT_FALSE(mixer.isPlaying());
}

TEST(MixerWrapper, LeavesTheProgramsSignalHandlingAlone)
{
    struct sigaction before[2] = {}, after[2] = {};
    sigaction(SIGINT, nullptr, &before[0]);
    sigaction(SIGTERM, nullptr, &before[1]);
    ScopedEnv env;
    env.set("SDL_AUDIODRIVER", "dummy");
    CMixerWrapper mixer;
    ASSERT_TRUE(mixer.hasDevice());
    sigaction(SIGINT, nullptr, &after[0]);
    sigaction(SIGTERM, nullptr, &after[1]);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(after[i].sa_handler, before[i].sa_handler) << i;
}

TEST(MixerWrapper, WithoutAudioDeviceEverythingIsSilent)
{
    ScopedEnv env;
    env.set("SDL_AUDIODRIVER", "no-such-driver");
    CMixerWrapper mixer;
    EXPECT_FALSE(mixer.hasDevice());
    EXPECT_FALSE(mixer.play(kTone, -0.8f, true));
    EXPECT_FALSE(mixer.isPlaying());
}

TEST(MixerWrapper, UnreadableFilesPlayNothingAndLeaveTheDeviceUsable)
{
    const fs::path garbage = fs::temp_directory_path() / ("skat-garbage-" + std::to_string(getpid()) + ".mp3");
    std::ofstream(garbage) << "this is no sound";
    ScopedEnv env;
    env.set("SDL_AUDIODRIVER", "dummy");
    CMixerWrapper mixer;
    ASSERT_TRUE(mixer.hasDevice());
    EXPECT_FALSE(mixer.play(fs::path(SKAT_TEST_DATA_DIR) / "missing.mp3", 0.0f, true));
    EXPECT_FALSE(mixer.play(garbage, 0.0f, true));
    EXPECT_FALSE(mixer.isPlaying());
    EXPECT_TRUE(mixer.play(kTone, 0.0f, true));
    fs::remove(garbage);
}

TEST(MixerWrapper, WaitIsBoundedWhenTheDeviceStallsAndTheStalledSoundIsCut)
{
    // The disk driver pauses 150 ms per 23 ms buffer: the sound would need
    // about two seconds; the waits give up 100 ms after its length.
    const fs::path raw = fs::temp_directory_path() / ("skat-stall-" + std::to_string(getpid()) + ".raw");
    ScopedEnv env;
    env.set("SDL_AUDIODRIVER", "disk");
    env.set("SDL_DISKAUDIOFILE", raw.string());
    env.set("SDL_DISKAUDIODELAY", "150");
    {
        CMixerWrapper mixer(std::chrono::milliseconds(100));
        ASSERT_TRUE(mixer.hasDevice());
        EXPECT_TRUE(mixer.play(kTone, 0.0f, true));
        EXPECT_FALSE(mixer.isPlaying());
        // The next sound is not held up by the cut one.
        EXPECT_TRUE(mixer.play(kTone, 0.0f, false));
    }
    fs::remove(raw);
}
