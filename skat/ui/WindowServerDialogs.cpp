#include "skat/ui/WindowServerDialogs.h"

#include "skat/app/SkatText.h"
#include "skat/engine/Liste.h"
#include "skat/engine/TableWindows.h"
#include "skat/ui/DialogJaNein.h"
#include "skat/ui/FensterListe.h"
#include "skat/ui/FensterStiche.h"
#include "skat/ui/TableDialogSupport.h"
#include "skat/ui/TableServerAccess.h"
#include "vordix/MessageSink.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

namespace {

bool onTheGuiThread()
{
    QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

// Over the game window the program's own yes/no dialog asks, with buttons in
// the program's language; before there is one, the message sink.
bool askYesNo(TextKey key)
{
    TABLE_DIALOG_HOST* host = onTheGuiThread() ? tableDialogHost() : nullptr;
    if (VORDIX_FENSTER* parent = host ? host->dialogParent() : nullptr) {
        DIALOG_JA_NEIN question(parent);
        if (question.implementor()) {
            question.question = skat::text(key);
            return question.ask();
        }
    }
    return vordix::showMessage(vordix::MessageKind::Question, skat::text(key), vordix::MessageButtons::YesNo)
           == vordix::MessageAnswer::Yes;
}

// Runs the work on the GUI thread: at once there, else posted.
void onGuiThread(std::function<void()> work)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || onTheGuiThread()) {
        work();
        return;
    }
    QMetaObject::invokeMethod(app, std::move(work), Qt::QueuedConnection);
}

} // namespace

WINDOW_SERVER_DIALOGS::WINDOW_SERVER_DIALOGS(SERVER_WINDOWS windows) : windows_(std::move(windows)) { }

bool WINDOW_SERVER_DIALOGS::askStartNewSheet(int rows)
{
    return askYesNo(rows >= LISTE::MAX_GAMES ? TextKey::Dialog_48_spiel_zuende
                                             : TextKey::Dialog_aktuelle_Liste_loeschen);
}

bool WINDOW_SERVER_DIALOGS::askLeaveGame(LeaveQuestion question)
{
    switch (question) {
    case LEAVE_REPEATED_GAME: return askYesNo(TextKey::Dialog_Wiederholung_abbrechen);
    case LEAVE_GAME: return askYesNo(TextKey::Dialog_aktuelles_Spiel_loeschen);
    default: return askYesNo(TextKey::Dialog_Freies_Spiel_abbrechen);
    }
}

int WINDOW_SERVER_DIALOGS::runFreeGameDialog(Seat proposedForehand)
{
    if (windows_.freeGameDialog)
        return windows_.freeGameDialog(proposedForehand);
    notAvailable(L"startFreeGame");
    return -1;
}

void WINDOW_SERVER_DIALOGS::sheetReplaced(const LISTE&)
{
    refreshSheetWindow(true);
    refreshStartState();
}

void WINDOW_SERVER_DIALOGS::refreshStartState()
{
    // The installed table windows post to the GUI thread: safe from the
    // data-loading thread too.
    const auto windows = tableWindows();
    windows->updateView();
    windows->repaint();
}

void WINDOW_SERVER_DIALOGS::notAvailable(const std::wstring&)
{
    vordix::showMessage(vordix::MessageKind::Information, skat::text(TextKey::Alert_Noch_nicht_verfuegbar));
}

void WINDOW_SERVER_DIALOGS::networkNotice(NetworkNotice notice)
{
    TextKey key = TextKey::Alert_Netzwerkspiel_Client_NetworkShutdown;
    switch (notice) {
    case NOTICE_ALREADY_SEATED: key = TextKey::Alert_Netzwerkspiel_Du_Nimmst_Bereits_Teil; break;
    case NOTICE_TABLE_FULL: key = TextKey::Alert_Netzwerkspiel_Tisch_Ist_Komplett; break;
    case NOTICE_TABLE_CLOSED: key = TextKey::Alert_Netzwerkspiel_Abbruch_durch_Nutzer_am_Server; break;
    case NOTICE_CLIENT_LEFT: key = TextKey::Alert_Netzwerkspiel_Abbruch_durch_Nutzer_am_Client; break;
    case NOTICE_CLIENT_CONNECTION_ENDED: key = TextKey::Alert_Netzwerkspiel_Server_NetworkShutdown; break;
    case NOTICE_HOST_CONNECTION_ENDED: key = TextKey::Alert_Netzwerkspiel_Client_NetworkShutdown; break;
    case NOTICE_HOSTING_FAILED: key = TextKey::Alert_Netzwerkspiel_Server_Laeuft_Bereits; break;
    }
    vordix::showMessage(vordix::MessageKind::Error, skat::text(key));
}

void WINDOW_SERVER_DIALOGS::networkSeatsChanged()
{
    if (windows_.networkSeatsChanged)
        onGuiThread(windows_.networkSeatsChanged);
}

bool WINDOW_SERVER_DIALOGS::hasNetworkDialogs() const { return windows_.hostDialog && windows_.joinDialog; }

bool WINDOW_SERVER_DIALOGS::runHostDialog() { return windows_.hostDialog && windows_.hostDialog(); }

bool WINDOW_SERVER_DIALOGS::runJoinDialog() { return windows_.joinDialog && windows_.joinDialog(); }

bool WINDOW_SERVER_DIALOGS::endJoinDialog(int result)
{
    return windows_.endJoinDialog && windows_.endJoinDialog(result);
}

void WINDOW_SERVER_DIALOGS::refreshSheetWindow(bool withTitle)
{
    FENSTER_LISTE* window = windows_.sheetWindow;
    if (!window)
        return;
    onGuiThread([window, withTitle] {
        if (withTitle)
            window->updateTitle();
        window->refresh();
    });
}

void WINDOW_SERVER_DIALOGS::refreshTricksWindow()
{
    FENSTER_STICHE* window = windows_.tricksWindow;
    if (!window)
        return;
    onGuiThread([window] {
        if (SKATTISCH* table = currentTable(); table && window->isOpen)
            window->refresh(*table);
    });
}

void WINDOW_SERVER_DIALOGS::showExerciseDialog()
{
    if (windows_.exerciseDialog)
        onGuiThread(windows_.exerciseDialog);
}

namespace {

// Uninstalls the dialogs it installed, unless others were installed since.
class Installation {
public:
    explicit Installation(std::shared_ptr<WINDOW_SERVER_DIALOGS> dialogs) : dialogs_(std::move(dialogs)) { }
    ~Installation()
    {
        if (serverDialogs() == dialogs_)
            installServerDialogs(nullptr);
    }

private:
    std::shared_ptr<SERVER_DIALOGS> dialogs_;
};

} // namespace

std::shared_ptr<void> installWindowServerDialogs(SERVER_WINDOWS windows)
{
    auto dialogs = std::make_shared<WINDOW_SERVER_DIALOGS>(std::move(windows));
    installServerDialogs(dialogs);
    return std::make_shared<Installation>(std::move(dialogs));
}

std::shared_ptr<WINDOW_SERVER_DIALOGS> windowServerDialogs()
{
    return std::dynamic_pointer_cast<WINDOW_SERVER_DIALOGS>(serverDialogs());
}
