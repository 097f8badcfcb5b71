#pragma once
// The program's main window: a framework window with a menu bar whose items
// are addressed by control id.

#include "vordix/Fenster.h"

class VORDIX_HAUPTFENSTER;

class VORDIX_HAUPTFENSTER_imp : public virtual VORDIX_FENSTER_imp {
public:
    virtual void createMenuBar(int windowFormId) = 0;
    virtual void enableMenuItem(int controlId, int state) = 0;
    virtual void checkMenuItem(int controlId, int state) = 0;
    virtual void setMenuItemText(int controlId, const std::wstring& text) = 0;
    virtual bool eventsEnabled() = 0;
};

class VORDIX_HAUPTFENSTER : public VORDIX_FENSTER {
public:
    enum MENUSTATE { MENU_OFF = 0, MENU_ON = 1 };

    // Builds a main-window implementor (createMainWindow).
    VORDIX_HAUPTFENSTER();

    void enableMenuItem(int controlId, MENUSTATE state);
    void checkMenuItem(int controlId, MENUSTATE state);

    // The implementor as a main-window implementor (null when it is none).
    std::shared_ptr<VORDIX_HAUPTFENSTER_imp> mainImplementor() const;
};
