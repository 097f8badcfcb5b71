#pragma once
// Audio output through SDL2_mixer: one sound at a time on one channel,
// panned, each sound starting only after the previous one has ended.
// Without a usable audio device every call returns at once and nothing is
// heard. No wait is unbounded: a sound that does not report its end within
// its own length plus a margin is stopped.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <mutex>

struct Mix_Chunk;

class CMixerWrapper {
public:
    // Slack beyond a sound's own length before a wait gives up on it.
    static constexpr std::chrono::milliseconds kEndMargin{2000};

    // Opens the audio device that SDL chooses (SDL_AUDIODRIVER selects one).
    explicit CMixerWrapper(std::chrono::milliseconds endMargin = kEndMargin);
    ~CMixerWrapper();
    CMixerWrapper(const CMixerWrapper&) = delete;
    CMixerWrapper& operator=(const CMixerWrapper&) = delete;

    bool hasDevice() const { return m_device; }

    // Plays the file with pan from -1 (left) to +1 (right) once the previous
    // sound has ended; with wait, returns after this sound has ended too.
    // False when there is no device or the file cannot be decoded or played.
    bool play(const std::filesystem::path& file, float pan, bool wait);

    bool isPlaying() const;

    // Channel volumes 0..255 for a pan value; the louder side stays at 255.
    static void panVolumes(float pan, std::uint8_t& left, std::uint8_t& right);

private:
    using Clock = std::chrono::steady_clock;

    void waitForEnd();
    std::chrono::milliseconds lengthOf(const Mix_Chunk* chunk) const;
    static void onChannelFinished(int channel);

    const std::chrono::milliseconds m_endMargin;
    bool m_device = false;
    bool m_sdlStarted = false;
    std::mutex m_callMutex;         // one play call at a time
    Mix_Chunk* m_current = nullptr; // owned; freed once it no longer plays

    // Shared with the mixer's thread, which reports the end of a sound.
    mutable std::mutex m_stateMutex;
    std::condition_variable m_ended;
    bool m_playing = false;
    std::uint64_t m_finishedCount = 0;
    Clock::time_point m_deadline{};
};
