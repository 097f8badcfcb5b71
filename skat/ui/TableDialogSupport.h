#pragma once
// What the dialogs of a game share without knowing the main game window:
// the window they stand over and where they report what the user did (the
// window installs itself as their host while it lives), the dialog that is
// open now, the awaited human player's open request, and the one way a
// dialog answers that request when it closes.

#include "skat/engine/TableTypes.h"

#include <cstdint>
#include <functional>

class USER_ACTIONS;
class VORDIX_DIALOG;
class VORDIX_FENSTER;
struct UserAction;

class TABLE_DIALOG_HOST {
public:
    virtual ~TABLE_DIALOG_HOST() = default;
    // The window the dialogs stand over.
    virtual VORDIX_FENSTER* dialogParent() = 0;
    // The status text stands beside the table (shown, and room for it).
    virtual bool statusPanelBeside() const = 0;
    // Where the dialogs report what the user did.
    virtual USER_ACTIONS& userActions() = 0;
};

// The installed host (null: none; GUI thread).
TABLE_DIALOG_HOST* tableDialogHost();
void setTableDialogHost(TABLE_DIALOG_HOST* host);
// Reports to the host's handler; nothing without a host.
void reportUserAction(const UserAction& action);

// The table dialog that is open now (null: none); set and cleared on the GUI thread.
extern VORDIX_DIALOG* activeTableDialog;

// The serial of the awaited human player's open request of this kind; a
// value no request carries when no human player waits for such a request.
std::uint32_t awaitedRequestSerial(PlayerRequest kind);
// True when a human player waits for a request of this kind.
bool isAwaited(PlayerRequest kind);
// True when the awaited human player still waits for exactly that request.
bool stillAwaited(PlayerRequest kind, std::uint32_t serial);

// Shows the dialog again once the GUI thread is idle (a panel that must
// not be closed while its answer is awaited).
void showAgainLater(VORDIX_DIALOG& dialog);

// A table dialog closes. Closed by one of its answering buttons, its answer
// is reported while the human player still waits for that very request, and
// the dialog stops being the active one; closed another way (the frame)
// while the request stands, it comes back.
void answerOnClose(VORDIX_DIALOG& dialog, PlayerRequest kind, std::uint32_t serial, bool answered,
                   const std::function<UserAction()>& answer);
