#pragma once
// The game's sound player: chooses the folder of a sound from its group and
// the screen position of the seat that speaks, chooses the spoken phrase of
// an announced game, and hands each request to the framework's player, which
// pans it towards that seat. Silent while the sound preference is off.
//
// Screen positions: 0 the right-hand seat, 1 the user's own seat, 2 the
// left-hand seat. The right-hand opponent speaks with the voice "R", the
// left-hand one with "L".
//
// Requests come from the table-event handlers (queue worker) and from views
// (GUI thread): one request is filled and played under the player's lock, so
// no request sees another one's fields.

#include "skat/engine/CardTypes.h"
#include "vordix/Sound.h"

#include <mutex>
#include <string>

class SPIELART;

class SKAT_SOUND : public VORDIX_SOUND {
public:
    enum SOUND_GROUP {
        SPEAKER = 0,  // "Sprecher"
        LEFT = 1,     // "L"
        RIGHT = 2,    // "R"
        GREETING = 3, // "L" or "R" by position, then "hallo"
        EFFECTS = 4,  // "Effekte"
        DEMO = 5,     // "L" or "R" by position, then "demo"
    };

    // The process-wide player, created on first use.
    static SKAT_SOUND& instance();
    // Deleted by main at shutdown.
    static void destroyInstance();

    SKAT_SOUND() = default;
    ~SKAT_SOUND() override = default;

    // Plays name from the group's folder below "Ressourcen/Sounds". With
    // noWait set (demo phrases) the call returns at once; otherwise it returns
    // when the sound has ended.
    void soundFolder(int group, const std::wstring& name, bool noWait, int position);
    // A speaker phrase, in the middle.
    void playSpeaker(const std::wstring& name);
    // An opponent's phrase: position 0 speaks as "R" from the right,
    // position 2 as "L" from the left; other positions say nothing.
    void playVoice(int position, const std::wstring& name);
    // Speaks the announced game in the voice of the seat at that position.
    void announceGame(const SPIELART& game, int position);

    // The phrase that announces a game of this type and announced win level,
    // with German suit words or French ones; empty when there is none.
    static std::wstring announcementPhrase(GameType gameType, int winLevel, bool germanSuits);

private:
    std::mutex requestMutex_;
};
