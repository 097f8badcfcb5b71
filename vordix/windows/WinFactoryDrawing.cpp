// Factory operations that build drawing objects, bitmaps, views, image
// views, the sound player and the communication object.

#include "vordix/windows/WinImplementorFactory.h"

#include "vordix/Area.h"
#include "vordix/Bitmap.h"
#include "vordix/Communication.h"
#include "vordix/ImageView.h"
#include "vordix/Line.h"
#include "vordix/Sound.h"
#include "vordix/Text.h"
#include "vordix/View.h"
#include "vordix/Zeichenbereich.h"

VORDIX_AREA_imp* WIN_IMPLEMENTORFACTORY::createArea(VORDIX_AREA*) { return nullptr; }

VORDIX_BITMAP_imp* WIN_IMPLEMENTORFACTORY::createBitmap() { return nullptr; }

VORDIX_COMMUNICATION_imp* WIN_IMPLEMENTORFACTORY::createCommunication() { return nullptr; }

VORDIX_LINE_imp* WIN_IMPLEMENTORFACTORY::createLine(VORDIX_LINE*) { return nullptr; }

VORDIX_SOUND_imp* WIN_IMPLEMENTORFACTORY::createSound() { return sound_.get(); }

VORDIX_TEXT_imp* WIN_IMPLEMENTORFACTORY::createText(VORDIX_TEXT*) { return nullptr; }

VORDIX_ZEICHENBEREICH_imp* WIN_IMPLEMENTORFACTORY::createDrawingArea(VORDIX_ZEICHENBEREICH*) {
    return nullptr;
}

std::shared_ptr<VORDIX_VIEW_imp> WIN_IMPLEMENTORFACTORY::createView(VORDIX_VIEW*) { return {}; }

std::shared_ptr<VORDIX_IMAGEVIEW_imp> WIN_IMPLEMENTORFACTORY::createImageView(VORDIX_IMAGEVIEW*) {
    return {};
}
