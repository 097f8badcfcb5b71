#pragma once
// The bindings of the game's forms: one template per kind of form, over the
// uic-generated form class. setup() builds the form on its host and wires
// every control to the host's slots by control id.

#include "vordix/windows/ControlFactories.h"

#include <QDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QSignalMapper>

namespace SkatUI {

// The wiring. Each creates the binding's signal mapper when it needs one and
// stores it in `mapper`; a null host does nothing.
//  dialog: buttons -> onButtonClicked(int) through the mapper, picture widgets'
//          leftMouseClick(int) -> onButtonClicked(int), tables, sliders,
//          labels' links and combo boxes -> their slots on the host.
//  window: named actions -> host's onActionTriggered(int) through the mapper.
//  menu:   named actions -> receiver's onActionTriggered(int) through a new
//          mapper owned by the menu bar.
void connectControls(QDialog* host, QPointer<QSignalMapper>& mapper);
void connectControls(QMainWindow* host, QPointer<QSignalMapper>& mapper);
void connectControls(QMenuBar* host, QObject* receiver, QPointer<QSignalMapper>& mapper);

// No dialog or window shows the title bar's context-help button.
void clearContextHelpHint(QWidget* host);

template <class Form>
class Dialog : public DialogControlFactory, public Form {
public:
    ~Dialog() override { delete m_mapper.data(); }

    void setup(QDialog* host) override
    {
        if (!host)
            return;
        Form::setupUi(host);
        connectControls(host, m_mapper);
        clearContextHelpHint(host);
    }
    void retranslate(QDialog* host) override
    {
        if (host)
            Form::retranslateUi(host);
    }
    QSignalMapper* signalMapper() const { return m_mapper; }

private:
    QPointer<QSignalMapper> m_mapper; // child of the host
};

template <class Form>
class Fenster : public WindowControlFactory, public Form {
public:
    void setup(QMainWindow* host) override
    {
        if (!host)
            return;
        Form::setupUi(host);
        connectControls(host, m_mapper);
        clearContextHelpHint(host);
    }
    void retranslate(QMainWindow* host) override
    {
        if (host)
            Form::retranslateUi(host);
    }
    QSignalMapper* signalMapper() const { return m_mapper; }

private:
    QPointer<QSignalMapper> m_mapper; // child of the host, goes with it
};

template <class Form>
class Menu : public MenuControlFactory, public Form {
public:
    void setup(QMenuBar* host, QObject* receiver) override
    {
        if (!host)
            return;
        Form::setupUi(host);
        connectControls(host, receiver, m_mapper);
    }
    void retranslate(QMenuBar* host) override
    {
        if (host)
            Form::retranslateUi(host);
    }
    QSignalMapper* signalMapper() const { return m_mapper; }

private:
    QPointer<QSignalMapper> m_mapper; // child of the latest menu bar
};

} // namespace SkatUI

// Start-up and shutdown of the form tables, called by main on the GUI thread
// before the QApplication exists and after it is gone.
void registerForms();
void unregisterForms();
