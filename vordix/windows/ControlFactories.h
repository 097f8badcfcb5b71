#pragma once
// Bindings of the designer forms: a binding builds its form on a host widget
// and connects the widgets' signals to the host's slots by control id. The
// framework's hosts keep the binding they create for their whole life.

class QDialog;
class QMainWindow;
class QMenuBar;
class QObject;

class WindowControlFactory {
public:
    virtual ~WindowControlFactory() = default;
    virtual void setup(QMainWindow* host) = 0;
    virtual void retranslate(QMainWindow* host) = 0;
};

class DialogControlFactory {
public:
    virtual ~DialogControlFactory() = default;
    virtual void setup(QDialog* host) = 0;
    virtual void retranslate(QDialog* host) = 0;
};

// The menu form is set up on a fresh menu bar at every build of the bar; its
// actions report to the receiver's onActionTriggered(int) slot.
class MenuControlFactory {
public:
    virtual ~MenuControlFactory() = default;
    virtual void setup(QMenuBar* host, QObject* receiver) = 0;
    virtual void retranslate(QMenuBar* host) = 0;
};
