#pragma once
// The program's main window: a framework window with a menu bar built from
// the menu form (window form id + 1), menu items addressed by control id,
// and an animated full-screen mode in which the menu bar lies over the top
// of the client area and stays there (the game leaves room for it).

#include "vordix/Hauptfenster.h"
#include "vordix/windows/FullScreenWindow.h"
#include "vordix/windows/WinFenster.h"

#include <QMap>
#include <QRect>

#include <memory>
#include <mutex>

class MenuControlFactory;
class QAction;
class QMenuBar;

class WIN_HAUPTFENSTER : public WIN_FENSTER, public VORDIX_HAUPTFENSTER_imp, public FullScreenWindow {
    Q_OBJECT
public:
    explicit WIN_HAUPTFENSTER(VORDIX_HAUPTFENSTER* owner);
    ~WIN_HAUPTFENSTER() override;

    void createMenuBar(int windowFormId) override;
    void enableMenuItem(int controlId, int state) override;
    void checkMenuItem(int controlId, int state) override;
    void setMenuItemText(int controlId, const std::wstring& text) override;
    bool eventsEnabled() override { return eventsEnabled_; }

    // Enters or leaves full screen with a 300 ms animation (GUI thread).
    void toggleFullScreen() override;
    // Flips when the animation has finished.
    bool isInFullScreen() const override { return fullScreen_; }
    QMenuBar* currentMenuBar() const { return menuBar_; }

    // The session ends (SIGTERM, the session manager): every main window
    // gets a close message, so that the running game is saved (GUI thread).
    // Returns how many main windows were told.
    static int endSession();

public slots:
    void onMaximizeAnimationFinished();

private:
    struct MenuItemState {
        bool enabled = true;
        bool checked = false;
        QString text;
        bool textSet = false;
    };

    void rebuildMenuBar(bool fullScreen);
    void discardMenuBar();
    // Sets the action's check mark to the one the game last set.
    void showStoredCheck(QAction* action);
    // Applies f to every action named by the control id and records the state.
    template <class F>
    void forEachMenuAction(int controlId, F f);

    bool fullScreen_ = false;
    QRect normalGeometry_;
    Qt::WindowFlags savedFlags_;
    QMap<QString, MenuItemState> menuStates_;
    QMenuBar* menuBar_ = nullptr;
    std::unique_ptr<MenuControlFactory> menuForm_;
    int menuFormId_ = 0;
    std::recursive_mutex menuLock_;
};
