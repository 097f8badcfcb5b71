#pragma once
// A text control placed on a window's client area at run time: a read-only
// label ("label_<id>") or an editable plain-text field ("edit_<id>"). Each
// control has an id of its own (from 2001 on); an edit field reports its
// changes with that id to the client widget, which turns Enter into a key
// message. The operations touch the widgets directly: call them on the GUI
// thread.

#include "vordix/Control.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRect>
#include <QSignalMapper>

class ClientFenster;

class WIN_CONTROL : public VORDIX_CONTROL_imp {
public:
    explicit WIN_CONTROL(VORDIX_CONTROL* owner);
    ~WIN_CONTROL() override;
    WIN_CONTROL(const WIN_CONTROL&) = delete;
    WIN_CONTROL& operator=(const WIN_CONTROL&) = delete;

    void show() override;
    void hide() override;
    void move(int x, int y) override;
    void setText(const std::wstring& text) override;
    void getText(std::wstring& text) override;
    VORDIX_CONTROL* getOwner() const override { return owner_; }

    // Makes the control an edit field on the parent, replacing what it held.
    // A ClientFenster parent learns of the field and hears of its changes.
    void createEditField(QWidget* parent, const QRect& geometry);
    // Makes the control a label on the parent, replacing what it held.
    void createLabel(QWidget* parent, const QRect& geometry);

    int id() const { return id_; }
    QPlainTextEdit* editField() const { return edit_; }
    QLabel* label() const { return label_; }

private:
    void destroyWidgets();

    VORDIX_CONTROL* owner_;
    int id_;
    // Guarded: the parent window may be destroyed before the control.
    QPointer<QPlainTextEdit> edit_;
    QPointer<QLabel> label_;
    QPointer<QSignalMapper> mapper_;
    QPointer<ClientFenster> client_; // where the edit field is registered
};
