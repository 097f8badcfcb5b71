#include "skat/ui/TableDialogs.h"

#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/DialogAbrechnung.h"
#include "skat/ui/DialogJaNein.h"
#include "skat/ui/DialogReizwerte.h"
#include "skat/ui/DialogSpielansage.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/MainWindowShell.h"
#include "skat/ui/TableServerAccess.h"

#include "vordix/windows/ControlIds.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMetaObject>
#include <QWidget>

#include <atomic>
#include <limits>
#include <mutex>

VORDIX_DIALOG* activeTableDialog = nullptr;

namespace {

std::atomic<FENSTER_SKAT*> g_mainWindow{nullptr};
constexpr std::uint32_t NOT_AWAITED = std::numeric_limits<std::uint32_t>::max();

} // namespace

TABLE_DIALOGS::TABLE_DIALOGS(FENSTER_SKAT& window)
    : announce(std::make_unique<DIALOG_SPIEL_EINFACH>(&window))
    , announceHand(std::make_unique<DIALOG_SPIEL_HAND>(&window))
    , settlement(std::make_unique<DIALOG_ABRECHNUNG>(&window))
    , passed(std::make_unique<DIALOG_EINGEPASST>(&window))
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

FENSTER_SKAT* mainGameWindow() { return g_mainWindow.load(); }

void setMainGameWindow(FENSTER_SKAT* window) { g_mainWindow.store(window); }

std::uint32_t awaitedRequestSerial(PlayerRequest kind)
{
    HUMAN_PLAYER* human = HUMAN_PLAYER::awaited();
    if (!human || human->action().requestKind != kind)
        return NOT_AWAITED;
    return human->action().serial;
}

bool stillAwaited(PlayerRequest kind, std::uint32_t serial)
{
    return serial != NOT_AWAITED && awaitedRequestSerial(kind) == serial;
}

void showAgainLater(VORDIX_DIALOG& dialog)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    VORDIX_DIALOG* target = &dialog;
    QMetaObject::invokeMethod(
        app,
        [target] {
            if (!VORDIX_DIALOG::openDialogs().contains(target) || !target->implementor())
                return;
            target->implementor()->show();
        },
        Qt::QueuedConnection);
}

void runGameHelp()
{
    if (FENSTER_SKAT* window = mainGameWindow())
        window->mainShell().runHelpDialog();
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

bool handleTableDialogKey(int key)
{
    FENSTER_SKAT* window = mainGameWindow();
    VORDIX_DIALOG* dialog = activeTableDialog;
    if (!window || !dialog || !window->tableDialogs())
        return false;
    auto* widget = dynamic_cast<QWidget*>(dialog->implementor().get());
    if (!widget || !widget->isVisible())
        return false;
    TABLE_DIALOGS& dialogs = *window->tableDialogs();
    if (dialog == dialogs.announce.get() || dialog == dialogs.announceHand.get()) {
        const bool hand = dialog == dialogs.announceHand.get();
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
    if (dialog == dialogs.settlement.get()) {
        if (key == KEY_ENTER)
            clickButton(*dialog, DIALOG_ABRECHNUNG::NEXT);
        return true;
    }
    if (dialog == dialogs.passed.get()) {
        if (key == KEY_ENTER)
            clickButton(*dialog, DIALOG_EINGEPASST::NEXT);
        return true;
    }
    return false;
}

bool confirmQuit()
{
    SKATTISCH* table = currentTable();
    FENSTER_SKAT* window = mainGameWindow();
    auto* server = dynamic_cast<SKATTISCH_SERVER*>(table);
    if (!window || !server || !server->isLoopRunning())
        return true;
    const int state = table->currentIndex;
    if (state < STATE_ABHEBEN_UND_GEBEN || state >= STATE_ABRECHNUNG)
        return true;
    DIALOG_ABBRUCH question(window);
    return question.confirm();
}

bool handleTableCommand(int commandId)
{
    if (commandId == COMMAND_QUIT)
        return !confirmQuit();
    return false;
}

void openBidCalculator()
{
    FENSTER_SKAT* window = mainGameWindow();
    if (!window || !window->tableDialogs())
        return;
    std::unique_ptr<DIALOG_REIZWERTE_KALKULATOR>& calculator = window->tableDialogs()->calculator;
    if (!calculator)
        calculator = std::make_unique<DIALOG_REIZWERTE_KALKULATOR>();
    calculator->setHand(window->handControllers[0].shownHand.cardSet());
    if (calculator->implementor())
        calculator->implementor()->show();
}
