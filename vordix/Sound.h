#pragma once
// Spoken sounds: one named MP3 file of a sound folder, panned to the seat
// that speaks.

#include <string>

class VORDIX_FOLDER;

class VORDIX_SOUND_imp {
public:
    virtual ~VORDIX_SOUND_imp() = default;
    // Plays folder/name.mp3; with wait, returns after the sound has ended.
    virtual void play(const std::wstring& name, const VORDIX_FOLDER& folder, bool wait, int seat) = 0;
};

class VORDIX_SOUND {
public:
    VORDIX_SOUND();
    virtual ~VORDIX_SOUND();
    VORDIX_SOUND(const VORDIX_SOUND&) = delete;
    VORDIX_SOUND& operator=(const VORDIX_SOUND&) = delete;

    // Stores the values; plays only with a name and a folder.
    void play(const std::wstring& name, const VORDIX_FOLDER* folder, bool wait = false, int seat = 1);

    // The process-wide platform sound player (owned by the factory).
    VORDIX_SOUND_imp* implementor() const { return imp_; }

    std::wstring soundName;
    const VORDIX_FOLDER* soundFolder = nullptr;
    bool waitForEnd = false;
    int seat = 1;

private:
    VORDIX_SOUND_imp* imp_ = nullptr;
};
