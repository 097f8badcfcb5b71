#include "skat/ui/TableDialogs.h"

#include "skat/engine/Skattisch.h"
#include "skat/ui/DialogAbrechnung.h"
#include "skat/ui/DialogJaNein.h"
#include "skat/ui/DialogReizwerte.h"
#include "skat/ui/DialogSpielansage.h"
#include "skat/ui/TableDialogSupport.h"
#include "skat/ui/TableServerAccess.h"

#include "vordix/windows/ControlIds.h"

#include <QAbstractButton>
#include <QWidget>

TABLE_DIALOGS::TABLE_DIALOGS(VORDIX_FENSTER& parent)
    : announce(std::make_unique<DIALOG_SPIEL_EINFACH>(&parent))
    , announceHand(std::make_unique<DIALOG_SPIEL_HAND>(&parent))
    , settlement(std::make_unique<DIALOG_ABRECHNUNG>(&parent))
    , passed(std::make_unique<DIALOG_EINGEPASST>(&parent))
{
}

TABLE_DIALOGS::~TABLE_DIALOGS()
{
    calculator.reset();
    for (VORDIX_DIALOG* dialog :
         std::initializer_list<VORDIX_DIALOG*>{announce.get(), announceHand.get(), settlement.get(), passed.get()})
        if (activeTableDialog == dialog)
            activeTableDialog = nullptr;
}

// ---------------------------------------------------------------- keys and commands

namespace {

constexpr int KEY_ENTER = 13;
constexpr int KEY_UP = 200;
constexpr int KEY_DOWN = 201;
constexpr int KEY_LEFT = 202;
constexpr int KEY_RIGHT = 203;
constexpr int COMMAND_QUIT = 473; // Spi_ende

// Clicks the dialog's button as the user would; false when it has none
// of that id or the button is disabled or hidden.
bool clickButton(VORDIX_DIALOG& dialog, int controlId)
{
    auto* widget = dynamic_cast<QWidget*>(dialog.implementor().get());
    if (!widget)
        return false;
    // Several names share the OK id: the button is found by its id.
    for (QAbstractButton* button : widget->findChildren<QAbstractButton*>()) {
        if (ControlIds::idOf(button->objectName()) != controlId)
            continue;
        if (!button->isEnabled() || !button->isVisibleTo(widget))
            return false;
        button->click();
        return true;
    }
    return false;
}

// Left and Right step through the game buttons first..first+5.
void stepGame(VORDIX_DIALOG& dialog, int group, int first, int key)
{
    const int checked = dialog.implementor()->getCheckedButton(group);
    int index = checked >= first && checked < first + 6 ? checked - first : (key == KEY_RIGHT ? -1 : 6);
    index = (index + (key == KEY_RIGHT ? 1 : 5)) % 6;
    clickButton(dialog, first + index);
}

} // namespace

bool TABLE_DIALOGS::handleKey(int key)
{
    VORDIX_DIALOG* dialog = activeTableDialog;
    if (!dialog)
        return false;
    auto* widget = dynamic_cast<QWidget*>(dialog->implementor().get());
    if (!widget || !widget->isVisible())
        return false;
    if (dialog == announce.get() || dialog == announceHand.get()) {
        const bool hand = dialog == announceHand.get();
        if (key == KEY_LEFT || key == KEY_RIGHT)
            stepGame(*dialog, hand ? int{DIALOG_SPIEL_HAND::GROUP} : int{DIALOG_SPIEL_EINFACH::GROUP},
                     hand ? int{DIALOG_SPIEL_HAND::CLUBS} : int{DIALOG_SPIEL_EINFACH::CLUBS}, key);
        else if (key == KEY_ENTER)
            clickButton(*dialog, DIALOG_SPIEL_EINFACH::OK);
        // Up and Down count on Schneider or Schwarz (announce them in a hand game).
        else if (key == KEY_UP)
            clickButton(*dialog,
                        hand ? int{DIALOG_SPIEL_HAND::SCHNEIDER_ANNOUNCED} : int{DIALOG_SPIEL_EINFACH::SCHNEIDER});
        else if (key == KEY_DOWN)
            clickButton(*dialog, hand ? int{DIALOG_SPIEL_HAND::SCHWARZ_ANNOUNCED} : int{DIALOG_SPIEL_EINFACH::SCHWARZ});
        return true;
    }
    if (dialog == settlement.get()) {
        if (key == KEY_ENTER)
            clickButton(*dialog, DIALOG_ABRECHNUNG::NEXT);
        return true;
    }
    if (dialog == passed.get()) {
        if (key == KEY_ENTER)
            clickButton(*dialog, DIALOG_EINGEPASST::NEXT);
        return true;
    }
    return false;
}

bool confirmQuit(VORDIX_FENSTER* parent)
{
    SKATTISCH* table = currentTable();
    auto* server = dynamic_cast<SKATTISCH_SERVER*>(table);
    if (!parent || !server || !server->isLoopRunning())
        return true;
    const int state = table->currentIndex;
    if (state < STATE_ABHEBEN_UND_GEBEN || state >= STATE_ABRECHNUNG)
        return true;
    DIALOG_ABBRUCH question(parent);
    return question.confirm();
}

bool handleTableCommand(int commandId, VORDIX_FENSTER* parent)
{
    if (commandId == COMMAND_QUIT)
        return !confirmQuit(parent);
    return false;
}

void TABLE_DIALOGS::openCalculator(CardSet hand)
{
    if (!calculator)
        calculator = std::make_unique<DIALOG_REIZWERTE_KALKULATOR>();
    calculator->setHand(hand);
    if (calculator->implementor())
        calculator->implementor()->show();
}
