#include "skat/ui/SkatButton.h"

#include "skat/app/UserPrefs.h"
#include "skat/ui/TableViewHost.h"
#include "vordix/Area.h"
#include "vordix/Text.h"

namespace {

constexpr int FLASH_MS = 200;

} // namespace

int SKAT_BUTTON::drawnWidth() const
{
    // Written as x - trunc(W * -1.4f) so that it equals floor(1.4 W).
    return -static_cast<int>(static_cast<float>(width) * -1.4f);
}

bool SKAT_BUTTON::contains(int px, int py) const
{
    if (!text.empty())
        return x < px && px < x + drawnWidth() && y < py && py < y + 4 * fontSize;
    if (!image || !image->isLoaded())
        return false;
    return x < px && px < x + image->getWidth() && y < py && py < y + image->getHeight();
}

void SKAT_BUTTON::repaintOwner()
{
    if (host)
        host->repaint();
}

bool SKAT_BUTTON::press(int px, int py)
{
    if (!enabled || !visible)
        return false;
    pressed = contains(px, py);
    if (pressed && host) {
        host->repaintPart({0, 0, -1, -1});
        host->repaintOverlay();
    }
    return pressed;
}

void SKAT_BUTTON::follow(int px, int py)
{
    const bool over = contains(px, py);
    if (over == pressed)
        return;
    pressed = over;
    repaintOwner();
}

bool SKAT_BUTTON::release(int px, int py)
{
    follow(px, py);
    const bool over = pressed;
    invalidate();
    return over;
}

void SKAT_BUTTON::flashPressed()
{
    if (!enabled || !visible || !host)
        return;
    const RECTANGLE strip{x, y, width, 2 * fontSize + 4};
    pressed = true;
    repaintOwner();
    host->repaintPart(strip);
    host->sleepMs(FLASH_MS);
    pressed = false;
    repaintOwner();
    host->repaintPart(strip);
}

void SKAT_BUTTON::invalidate()
{
    pressed = false;
    if (host)
        host->repaint();
}

void SKAT_BUTTON::draw(VORDIX_ZEICHENBEREICH& area)
{
    if (!visible)
        return;
    VORDIX_BITMAP* chosen = pressed ? pressedImage : image;
    if (!chosen || !chosen->isLoaded()) {
        paintFallback(area);
        return;
    }
    if (!stretched) {
        chosen->draw(area, x, y);
        return;
    }
    const int backgroundWidth = static_cast<int>(static_cast<float>(width) * 1.4f + 8.0f);
    if (!pressed && !enabled) {
        if (disabledImage && disabledImage->isLoaded())
            disabledImage->drawRotated(area, x - 4, y - 4, backgroundWidth, image->getHeight(), 0.0f);
    } else {
        chosen->drawRotated(area, x - 4, y - 4, backgroundWidth, chosen->getHeight(), 0.0f);
    }
    if (text.empty())
        return;
    VORDIX_TEXT label;
    label.text = text;
    label.size = fontSize + 4;
    label.horizontalAlign = 1;
    const int centre = static_cast<int>(x + (width * 1.4f - 4.0f) * 0.5f);
    if (enabled) {
        label.setColor(500, 500, 500);
        label.drawText(area, centre, y + 31);
        label.setColor(999, 999, 999);
    } else {
        // Dark on the light grey inactive picture, with a light edge below.
        label.setColor(999, 999, 999);
        label.drawText(area, centre, y + 33);
        label.setColor(250, 250, 250);
    }
    label.drawText(area, centre, y + 32);
}

void SKAT_BUTTON::paintFallback(VORDIX_ZEICHENBEREICH& area)
{
    const USER_PREFS& prefs = USER_PREFS::instance();
    const ThemeColour black{};
    const auto& c = prefs.themeColour;
    const int w = drawnWidth();
    const int s = fontSize;
    struct Layer {
        ThemeColour normal, down;
        float opacity;
        RECTANGLE rect;
    };
    const Layer layers[] = {
        {black, black, 0.25f, {x - 1, y + 1, w + 2, 4 * s - 3}}, {c[2], c[2], 1.0f, {x, y, w, 4 * s - 3}},
        {c[3], c[0], 1.0f, {x + 1, y + 3, w - 2, 4 * s - 6}},    {c[1], c[3], 1.0f, {x + 1, y + 1, w - 2, 4 * s - 7}},
        {c[0], c[1], 1.0f, {x + 2, y + 2, w - 4, 4 * s - 6}},
    };
    VORDIX_AREA shape;
    for (const Layer& layer : layers) {
        const ThemeColour& colour = pressed ? layer.down : layer.normal;
        shape.setColor(colour.red, colour.green, colour.blue);
        shape.opacity = layer.opacity;
        shape.fillRoundedRect(area, layer.rect, 6);
    }
    if (text.empty())
        return;
    VORDIX_TEXT label;
    label.text = text;
    label.size = s + 4;
    label.horizontalAlign = 1;
    if (!enabled)
        label.setColor(500, 500, 500);
    label.drawText(area, x + (w - 4) / 2, pressed ? y + 33 : y + 32);
}
