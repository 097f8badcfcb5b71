#include "vordix/windows/WinSound.h"

#include "vordix/Folder.h"
#include "vordix/WinFilePath.h"

float WIN_SOUND::panForSeat(int seat)
{
    switch (seat) {
    case 0: return -0.8f;
    case 2: return 0.8f;
    default: return 0.0f;
    }
}

std::filesystem::path WIN_SOUND::soundFile(const std::wstring& name, const VORDIX_FOLDER& folder)
{
    auto* path = dynamic_cast<WIN_FILEPATH*>(folder.imp());
    if (!path || path->path().empty())
        return {};
    return WIN_FILEPATH::toFsPath(path->path() + name + L".mp3");
}

void WIN_SOUND::play(const std::wstring& name, const VORDIX_FOLDER& folder, bool wait, int seat)
{
    if (!m_mixer.hasDevice())
        return;
    const std::filesystem::path file = soundFile(name, folder);
    if (file.empty())
        return;
    m_mixer.play(file, panForSeat(seat), wait);
}
