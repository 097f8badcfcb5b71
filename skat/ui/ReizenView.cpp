#include "skat/ui/ReizenView.h"

#include "skat/app/Bilder.h"
#include "skat/app/SkatFolders.h"
#include "skat/app/SkatText.h"
#include "skat/engine/BidTable.h"
#include "skat/ui/TableViewHost.h"
#include "skat/ui/UserActions.h"
#include "vordix/Message.h"

#include <cwchar>

namespace {
constexpr int UI_BUTTON = 5;
constexpr int UI_BUTTON_DOWN = 6;
constexpr int UI_BUTTON_INACTIVE = 7;
} // namespace

std::wstring bidLabel(int value)
{
    wchar_t text[13];
    std::swprintf(text, 13, L" %3d ", value);
    return text;
}

void REIZEN_CONTROLLER::offerBid(const std::wstring& newPrompt, int newMode, int bidIndex)
{
    prompt = newPrompt;
    if (view)
        view->updateButtons();
    if (newMode == MODE_NAME) {
        value = bidValueAt(bidIndex + 1);
        bidText = bidLabel(value);
    } else if (newMode == MODE_HOLD) {
        value = bidValueAt(bidIndex);
        bidText = skat::text(TextKey::Button_Ja);
    } else {
        return;
    }
    mode = newMode;
    if (view)
        view->invalidate();
}

void REIZEN_CONTROLLER::refresh()
{
    prompt.clear();
    bidText.clear();
    value = 0;
    mode = MODE_IDLE;
    if (view)
        view->updateButtons();
}

void REIZEN_CONTROLLER::decide() { choose(view && view->bidButton.pressed && !view->passButton.pressed); }

void REIZEN_CONTROLLER::choose(bool hold)
{
    refresh();
    if (view)
        view->invalidate();
    if (actions)
        actions->report(UserAction::of(hold ? UserAction::BID : UserAction::PASS));
}

void REIZEN_VIEW::setPosition(std::int32_t newX, std::int32_t newY)
{
    x = newX;
    y = newY;
    int bx = 460, by = 421, py = 496;
    if (host) {
        switch (host->geometry().kind()) {
        case LayoutKind::Portrait:
            bx = 320;
            by = 451;
            py = 526;
            break;
        case LayoutKind::Small:
            bx = 180;
            by = 50;
            py = 125;
            break;
        case LayoutKind::Landscape: break;
        }
    }
    BILDER& images = BILDER::instance();
    for (SKAT_BUTTON* button : {&bidButton, &passButton}) {
        button->host = host;
        button->x = x + bx;
        button->width = 88;
        button->stretched = true;
        button->image = &images.uiImage(UI_BUTTON);
        button->pressedImage = &images.uiImage(UI_BUTTON_DOWN);
        button->disabledImage = &images.uiImage(UI_BUTTON_INACTIVE);
    }
    bidButton.y = y + by;
    passButton.y = y + py;
    calculatorButton.host = host;
    calculatorButton.x = x + (bx == 180 ? 320 : bx + 140);
    calculatorButton.y = y + 474;
    calculatorButton.width = 28;
}

void REIZEN_VIEW::updateButtons()
{
    // The calculator button's own pictures, loaded on first use.
    if (!calculatorImage_.isLoaded())
        calculatorImage_.load(skat::resourceFile({L"Grafik"}, L"Reizrechner_Normal.png"));
    if (!calculatorPressedImage_.isLoaded())
        calculatorPressedImage_.load(skat::resourceFile({L"Grafik"}, L"Reizrechner_Selected.png"));
    calculatorButton.image = &calculatorImage_;
    calculatorButton.pressedImage = &calculatorPressedImage_;
    calculatorButton.stretched = false;
    calculatorButton.pressed = false;
    bidButton.pressed = false;
    passButton.pressed = false;
    invalidate();
}

void REIZEN_VIEW::invalidate()
{
    if (host)
        host->repaintOverlay();
}

void REIZEN_VIEW::draw(VORDIX_ZEICHENBEREICH& area)
{
    const bool shown = controller && controller->mode > REIZEN_CONTROLLER::MODE_IDLE;
    bidButton.visible = shown;
    passButton.visible = shown;
    calculatorButton.visible = shown;
    if (!shown)
        return;
    bidButton.text = controller->bidText;
    bidButton.fontSize = 13;
    passButton.text = skat::text(TextKey::Button_Passe);
    passButton.fontSize = 13;
    bidButton.draw(area);
    passButton.draw(area);
    calculatorButton.draw(area);
}

void REIZEN_VIEW::addHitRegions(std::vector<HitRegion>& regions)
{
    auto offered = [this] { return controller && controller->mode != REIZEN_CONTROLLER::MODE_IDLE; };
    regions.push_back(buttonRegion("bid calculator", calculatorButton, offered, [this] {
        invalidate();
        if (controller->actions)
            controller->actions->report(UserAction::of(UserAction::OPEN_BID_CALCULATOR));
    }));
    // Of the two answers only the one pressed now looks pressed.
    for (SKAT_BUTTON* button : {&bidButton, &passButton}) {
        HitRegion region = buttonRegion(button == &bidButton ? "bid" : "pass", *button, offered, [this, button] {
            invalidate();
            controller->choose(button == &bidButton);
        });
        region.pressed = [this, pressed = std::move(region.pressed)](int px, int py) {
            bidButton.pressed = passButton.pressed = false;
            return pressed(px, py);
        };
        regions.push_back(std::move(region));
    }
}

void REIZEN_VIEW::onKey(VORDIX_MESSAGE& message)
{
    if (!controller || controller->mode == REIZEN_CONTROLLER::MODE_IDLE)
        return;
    switch (message.keyCode) {
    case KEY_UP:
        bidButton.pressed = true;
        passButton.pressed = false;
        invalidate();
        return;
    case KEY_DOWN:
        passButton.pressed = true;
        bidButton.pressed = false;
        invalidate();
        return;
    case KEY_ENTER:
        if (bidButton.pressed || passButton.pressed)
            controller->decide();
        return;
    default: return;
    }
}
