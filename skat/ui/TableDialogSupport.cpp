#include "skat/ui/TableDialogSupport.h"

#include "skat/engine/Player.h"
#include "skat/ui/UserActions.h"
#include "vordix/Dialog.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <limits>

VORDIX_DIALOG* activeTableDialog = nullptr;

namespace {

TABLE_DIALOG_HOST* g_host = nullptr;
constexpr std::uint32_t NOT_AWAITED = std::numeric_limits<std::uint32_t>::max();

} // namespace

TABLE_DIALOG_HOST* tableDialogHost() { return g_host; }

void setTableDialogHost(TABLE_DIALOG_HOST* host) { g_host = host; }

void reportUserAction(const UserAction& action)
{
    if (g_host)
        g_host->userActions().report(action);
}

std::uint32_t awaitedRequestSerial(PlayerRequest kind)
{
    HUMAN_PLAYER* human = HUMAN_PLAYER::awaited();
    if (!human || human->action().requestKind != kind)
        return NOT_AWAITED;
    return human->action().serial;
}

bool isAwaited(PlayerRequest kind) { return awaitedRequestSerial(kind) != NOT_AWAITED; }

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

void answerOnClose(VORDIX_DIALOG& dialog, PlayerRequest kind, std::uint32_t serial, bool answered,
                   const std::function<UserAction()>& answer)
{
    if (!answered) {
        if (stillAwaited(kind, serial))
            showAgainLater(dialog);
        return;
    }
    if (stillAwaited(kind, serial))
        reportUserAction(answer());
    if (activeTableDialog == &dialog)
        activeTableDialog = nullptr;
}
