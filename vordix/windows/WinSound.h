#pragma once
// The process-wide sound player: MP3 files of a sound folder, panned to the
// seat that speaks, one after the other.

#include "vordix/Sound.h"
#include "vordix/windows/MixerWrapper.h"

#include <filesystem>

class WIN_SOUND : public VORDIX_SOUND_imp {
public:
    WIN_SOUND() = default;

    // Plays folder/name.mp3 once the previous sound has ended; with wait,
    // returns after this one has ended. Silent without an audio device or
    // a readable file.
    void play(const std::wstring& name, const VORDIX_FOLDER& folder, bool wait, int seat) override;

    bool hasDevice() const { return m_mixer.hasDevice(); }
    bool isPlaying() const { return m_mixer.isPlaying(); }

    // Seat 0 speaks from the left, seat 2 from the right, others centred.
    static float panForSeat(int seat);
    // folder/name.mp3; empty when the folder has no platform path.
    static std::filesystem::path soundFile(const std::wstring& name, const VORDIX_FOLDER& folder);

private:
    CMixerWrapper m_mixer;
};
