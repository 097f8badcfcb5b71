#include "vordix/windows/MixerWrapper.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cstdio>

namespace {
// The mixer reports ends through a plain function; one wrapper owns it.
std::atomic<CMixerWrapper*> g_active{nullptr};
constexpr int kChannel = 0;
} // namespace

CMixerWrapper::CMixerWrapper(std::chrono::milliseconds endMargin) : m_endMargin(endMargin)
{
    // Audio brings up SDL's event layer, which would otherwise take over
    // SIGINT and SIGTERM and leave the program deaf to them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "Sound: no audio driver (%s)\n", SDL_GetError());
        return;
    }
    m_sdlStarted = true;
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        std::fprintf(stderr, "Sound: no audio device (%s)\n", Mix_GetError());
        return;
    }
    Mix_AllocateChannels(1);
    CMixerWrapper* none = nullptr;
    if (!g_active.compare_exchange_strong(none, this)) {
        // Another wrapper holds the device; stay silent rather than share it.
        Mix_CloseAudio();
        return;
    }
    Mix_ChannelFinished(&CMixerWrapper::onChannelFinished);
    m_device = true;
}

CMixerWrapper::~CMixerWrapper()
{
    std::lock_guard call(m_callMutex);
    if (m_device) {
        Mix_HaltChannel(-1);
        Mix_ChannelFinished(nullptr);
        g_active = nullptr;
        if (m_current)
            Mix_FreeChunk(m_current);
        Mix_CloseAudio();
    }
    if (m_sdlStarted) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void CMixerWrapper::panVolumes(float pan, std::uint8_t& left, std::uint8_t& right)
{
    pan = std::clamp(pan, -1.0f, 1.0f);
    left = static_cast<std::uint8_t>(255.0f * std::min(1.0f, 1.0f - pan) + 0.5f);
    right = static_cast<std::uint8_t>(255.0f * std::min(1.0f, 1.0f + pan) + 0.5f);
}

bool CMixerWrapper::isPlaying() const
{
    std::lock_guard lock(m_stateMutex);
    return m_playing;
}

std::chrono::milliseconds CMixerWrapper::lengthOf(const Mix_Chunk* chunk) const
{
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    if (!Mix_QuerySpec(&frequency, &format, &channels) || frequency <= 0 || channels <= 0)
        return std::chrono::milliseconds(0);
    const long long bytesPerFrame = static_cast<long long>(channels) * (SDL_AUDIO_BITSIZE(format) / 8);
    if (bytesPerFrame <= 0)
        return std::chrono::milliseconds(0);
    return std::chrono::milliseconds(chunk->alen / bytesPerFrame * 1000 / frequency);
}

void CMixerWrapper::onChannelFinished(int channel)
{
    // Runs on the mixer's thread with the audio device locked: no mixer calls.
    CMixerWrapper* self = g_active.load();
    if (!self || channel != kChannel)
        return;
    {
        std::lock_guard lock(self->m_stateMutex);
        self->m_playing = false;
        ++self->m_finishedCount;
    }
    self->m_ended.notify_all();
}

void CMixerWrapper::waitForEnd()
{
    bool overran = false;
    {
        std::unique_lock lock(m_stateMutex);
        overran = !m_ended.wait_until(lock, m_deadline, [this] { return !m_playing; });
    }
    if (overran) {
        // The device stopped consuming audio; cut the sound instead of hanging.
        Mix_HaltChannel(kChannel);
        std::lock_guard lock(m_stateMutex);
        m_playing = false;
    }
}

bool CMixerWrapper::play(const std::filesystem::path& file, float pan, bool wait)
{
    std::lock_guard call(m_callMutex);
    if (!m_device)
        return false;

    // Decode while the previous sound may still be playing.
    Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
    if (!chunk) {
        std::fprintf(stderr, "Sound: cannot play %s (%s)\n", file.c_str(), Mix_GetError());
        return false;
    }

    waitForEnd();
    if (m_current)
        Mix_FreeChunk(m_current);
    m_current = chunk;

    std::uint8_t left = 255, right = 255;
    panVolumes(pan, left, right);
    Mix_SetPanning(kChannel, left, right);

    std::uint64_t finishedBefore;
    {
        std::lock_guard lock(m_stateMutex);
        finishedBefore = m_finishedCount;
    }
    if (Mix_PlayChannel(kChannel, chunk, 0) < 0) {
        std::fprintf(stderr, "Sound: cannot start %s (%s)\n", file.c_str(), Mix_GetError());
        return false;
    }
    {
        // Only a sound that really started counts as playing; a very short
        // one may already have ended.
        std::lock_guard lock(m_stateMutex);
        if (m_finishedCount == finishedBefore) {
            m_playing = true;
            m_deadline = Clock::now() + lengthOf(chunk) + m_endMargin;
        }
    }
    if (wait)
        waitForEnd();
    return true;
}
