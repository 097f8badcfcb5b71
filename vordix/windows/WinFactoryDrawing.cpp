// Factory operations that build drawing objects, bitmaps, views, image
// views, the sound player and the communication object.

#include "vordix/windows/WinImplementorFactory.h"

#include "vordix/windows/GuiThread.h"
#include "vordix/windows/WinArea.h"
#include "vordix/windows/WinBitmap.h"
#include "vordix/windows/WinCommunication.h"
#include "vordix/windows/WinImageView.h"
#include "vordix/windows/WinLine.h"
#include "vordix/windows/WinSound.h"
#include "vordix/windows/WinText.h"
#include "vordix/windows/WinView.h"
#include "vordix/windows/WinZeichenbereich.h"

#include <mutex>

namespace {
// The sound player opens the audio device on first use, from any thread.
std::mutex g_soundMutex;
} // namespace

VORDIX_AREA_imp* WIN_IMPLEMENTORFACTORY::createArea(VORDIX_AREA* owner) { return new WIN_AREA(owner); }

VORDIX_BITMAP_imp* WIN_IMPLEMENTORFACTORY::createBitmap() { return new WIN_BITMAP; }

VORDIX_COMMUNICATION_imp* WIN_IMPLEMENTORFACTORY::createCommunication() { return new WIN_COMMUNICATION; }

VORDIX_LINE_imp* WIN_IMPLEMENTORFACTORY::createLine(VORDIX_LINE* owner) { return new WIN_LINE(owner); }

VORDIX_SOUND_imp* WIN_IMPLEMENTORFACTORY::createSound()
{
    std::lock_guard lock(g_soundMutex);
    if (!sound_)
        sound_ = std::make_unique<WIN_SOUND>();
    return sound_.get();
}

VORDIX_TEXT_imp* WIN_IMPLEMENTORFACTORY::createText(VORDIX_TEXT* owner) { return new WIN_TEXT(owner); }

VORDIX_ZEICHENBEREICH_imp* WIN_IMPLEMENTORFACTORY::createDrawingArea(VORDIX_ZEICHENBEREICH* owner)
{
    return new WIN_ZEICHENBEREICH(owner);
}

std::shared_ptr<VORDIX_VIEW_imp> WIN_IMPLEMENTORFACTORY::createView(VORDIX_VIEW* owner)
{
    return vordix::windows::createSharedOnGuiThread<VORDIX_VIEW_imp, WIN_VIEW>([owner] { return new WIN_VIEW(owner); });
}

std::shared_ptr<VORDIX_IMAGEVIEW_imp> WIN_IMPLEMENTORFACTORY::createImageView(VORDIX_IMAGEVIEW* owner)
{
    return vordix::windows::createSharedOnGuiThread<VORDIX_IMAGEVIEW_imp, WIN_IMAGEVIEW>(
        [owner] { return new WIN_IMAGEVIEW(owner); });
}
