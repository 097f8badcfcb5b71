#include "vordix/Sound.h"

#include "vordix/ImplementorFactory.h"

VORDIX_SOUND::VORDIX_SOUND()
{
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        imp_ = factory->createSound();
}

VORDIX_SOUND::~VORDIX_SOUND() = default;

void VORDIX_SOUND::play(const std::wstring& name, const VORDIX_FOLDER* folder, bool wait, int speakerSeat)
{
    soundName = name;
    soundFolder = folder;
    waitForEnd = wait;
    seat = speakerSeat;
    if (imp_ && !name.empty() && folder)
        imp_->play(name, *folder, wait, speakerSeat);
}
