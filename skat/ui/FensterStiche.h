#pragma once
// The game-history window: the history view of one game in a scroll area,
// with a toolbar to replay the game, play it again freely, open it in the
// card-deal editor or report a bug with it. Actions whose windows do not
// exist yet stay disabled.

#include "skat/engine/EinSpiel.h"
#include "skat/ui/VerlaufRenderer.h"
#include "vordix/Fenster.h"

#include <memory>

class DIALOG_BUGREPORT;
class LISTE;
class SKATTISCH;
struct VORDIX_MESSAGE;

class FENSTER_STICHE : public VORDIX_FENSTER {
public:
    static constexpr int FORM_ID = 6;
    static constexpr int ACTION_REPEAT = 455;
    static constexpr int ACTION_REPLAY_FREE = 456;
    static constexpr int ACTION_SAVE = 457;
    static constexpr int ACTION_EDITOR = 458;
    static constexpr int ACTION_BUGREPORT = 459;
    static constexpr int WIDTH = 480;
    static constexpr int HEIGHT = 655;

    FENSTER_STICHE();
    ~FENSTER_STICHE() override;

    void create();
    void refresh(SKATTISCH& table);
    // Shows row `index` of a score sheet, titled with its game number.
    void showListGame(LISTE& list, int index);
    void onMessage(VORDIX_MESSAGE& message) override;
    void paint(VORDIX_ZEICHENBEREICH&) override {}

    VERLAUF_VORDIX_VIEW view;
    std::unique_ptr<DIALOG_BUGREPORT> bugReport;

private:
    EIN_SPIEL reported_;
    void enable(int id, bool on);
};
