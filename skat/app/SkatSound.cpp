#include "skat/app/SkatSound.h"

#include "skat/app/PrefDefaults.h"
#include "skat/app/SkatFolders.h"
#include "skat/app/SkatPaths.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Spielart.h"
#include "vordix/Folder.h"

namespace {

SKAT_SOUND*& singleton()
{
    static SKAT_SOUND* sound = nullptr;
    return sound;
}

const SKAT_PATHS& names()
{
    static const SKAT_PATHS paths;
    return paths;
}

// The sounds' folder of a group and position; false for a group above 5.
bool groupFolder(int group, int position, VORDIX_FOLDER& folder)
{
    const SKAT_PATHS& n = names();
    folder = skat::resourceFolder({n.folderSounds});
    auto voiceOf = [&] {
        if (position == 0)
            folder.changeFolder(n.folderLeftVoice);
        if (position == 2)
            folder.changeFolder(n.folderRightVoice);
    };
    switch (group) {
    case SKAT_SOUND::SPEAKER: folder.changeFolder(n.folderSpeaker); return true;
    case SKAT_SOUND::LEFT: folder.changeFolder(n.folderLeftVoice); return true;
    case SKAT_SOUND::RIGHT: folder.changeFolder(n.folderRightVoice); return true;
    case SKAT_SOUND::GREETING:
        voiceOf();
        folder.changeFolder(n.folderGreeting);
        return true;
    case SKAT_SOUND::EFFECTS: folder.changeFolder(n.folderEffects); return true;
    case SKAT_SOUND::DEMO:
        voiceOf();
        folder.changeFolder(n.folderDemo);
        return true;
    default: return false;
    }
}

bool soundOn() { return USER_PREFS::instance().sound; }

} // namespace

SKAT_SOUND& SKAT_SOUND::instance()
{
    if (!singleton())
        singleton() = new SKAT_SOUND;
    return *singleton();
}

void SKAT_SOUND::destroyInstance()
{
    delete singleton();
    singleton() = nullptr;
}

void SKAT_SOUND::soundFolder(int group, const std::wstring& name, bool noWait, int position)
{
    if (group < 0 || group > DEMO || !soundOn())
        return;
    VORDIX_FOLDER folder;
    if (!groupFolder(group, position, folder))
        return;
    std::lock_guard lock(requestMutex_);
    play(name, &folder, !noWait, position);
    VORDIX_SOUND::soundFolder = nullptr; // the folder lives only for this request
}

void SKAT_SOUND::playSpeaker(const std::wstring& name)
{
    if (!soundOn())
        return;
    VORDIX_FOLDER folder = skat::resourceFolder({names().folderSounds, names().folderSpeaker});
    std::lock_guard lock(requestMutex_);
    play(name, &folder, true, 1);
    VORDIX_SOUND::soundFolder = nullptr;
}

void SKAT_SOUND::playVoice(int position, const std::wstring& name)
{
    if (position == 0)
        soundFolder(RIGHT, name, false, 2);
    else if (position == 2)
        soundFolder(LEFT, name, false, 0);
}

std::wstring SKAT_SOUND::announcementPhrase(GameType gameType, int winLevel, bool germanSuits)
{
    // Suit games: German word / French word, then the level's ending.
    static const wchar_t* const german[4] = {L"eichel", L"gruen", L"rot", L"schellen"};
    static const wchar_t* const french[4] = {L"kreuz", L"pik", L"herz", L"karo"};
    if (gameType >= GAME_CLUBS && gameType <= GAME_DIAMONDS) {
        const std::wstring suit = (germanSuits ? german : french)[gameType - GAME_CLUBS];
        switch (winLevel) {
        case WIN_LEVEL_WITH_SKAT: return suit;
        case WIN_LEVEL_HAND: return suit + L"hand";
        case WIN_LEVEL_SCHNEIDER_ANNOUNCED: return suit + L"schneider";
        case WIN_LEVEL_SCHWARZ_ANNOUNCED: return suit + L"schwarz";
        case WIN_LEVEL_OUVERT_HAND: return suit + (germanSuits ? L"offen" : L"ouvert");
        default: return {};
        }
    }
    switch (gameType) {
    case GAME_GRAND:
        switch (winLevel) {
        case WIN_LEVEL_WITH_SKAT: return L"grand";
        case WIN_LEVEL_HAND: return L"grandhand";
        case WIN_LEVEL_SCHNEIDER_ANNOUNCED: return L"grandschneider";
        case WIN_LEVEL_SCHWARZ_ANNOUNCED: return L"grandschwarz";
        default: return {};
        }
    case GAME_GRAND_OUVERT: return L"grandouvert";
    case GAME_NULL:
        switch (winLevel) {
        case WIN_LEVEL_WITH_SKAT: return L"null";
        case WIN_LEVEL_OUVERT: return L"nullouvert";
        case WIN_LEVEL_HAND: return L"nullhand";
        case WIN_LEVEL_OUVERT_HAND: return L"nullhandouvert";
        default: return {};
        }
    default: return {}; // Ramsch and no game have no phrase
    }
}

void SKAT_SOUND::announceGame(const SPIELART& game, int position)
{
    // The card set decides the suit words; it is read from the store each time.
    const bool german = USER_PREFS::instance().cardSetName() == skat::germanCardSetName();
    const std::wstring phrase = announcementPhrase(game.SPIEL_TYP, game.GEWINN_STUFE, german);
    if (!phrase.empty())
        playVoice(position, phrase);
}
