#pragma once
// Framework dialogs: a dialog form whose controls are addressed by control
// id, and the interface of its platform implementor. A dialog ends when one
// of its handlers set the implementor's done flag; its result is the id of
// the control that ended it.

#include "vordix/OpenRegistry.h"
#include "vordix/PostedMessage.h"
#include "vordix/Rectangle.h"

#include <memory>
#include <string>
#include <vector>

class VORDIX_DIALOG_imp;
class VORDIX_FENSTER;
class VORDIX_FILE;
class VORDIX_ZEICHENBEREICH;

class VORDIX_DIALOG {
public:
    // Control states.
    enum OBSTATE { OB_UNCHECKED = 0, OB_CHECKED = 1, OB_ENABLED = 2, OB_DISABLED = 3, OB_VISIBLE = 4, OB_HIDDEN = 5 };

    // A top-level dialog.
    explicit VORDIX_DIALOG(int formId);
    // A dialog over another dialog.
    VORDIX_DIALOG(VORDIX_DIALOG* parent, int formId);
    // A dialog over a window.
    VORDIX_DIALOG(VORDIX_FENSTER* parent, int formId);
    virtual ~VORDIX_DIALOG();
    VORDIX_DIALOG(const VORDIX_DIALOG&) = delete;
    VORDIX_DIALOG& operator=(const VORDIX_DIALOG&) = delete;

    // Called once before the first show (again before every show of an
    // embedded dialog).
    virtual void initDialog();
    // Paints a picture control.
    virtual void drawControl(VORDIX_ZEICHENBEREICH& area, int controlId);
    // A control was used. The default ends the dialog.
    virtual void onCommand(int controlId);
    // A record posted to the dialog arrived.
    virtual void onNotify(const PostedMessage& message);
    // A table row was double-clicked.
    virtual void onDoubleClick(int controlId);
    virtual void onClosed();

    void setPosition(int dx, int dy, int a = 0, int b = 0, int c = 0, int d = 0, int e = 0, int f = 0);

    static OpenRegistry<VORDIX_DIALOG>& openDialogs();

    const std::shared_ptr<VORDIX_DIALOG_imp>& implementor() const { return imp_; }

    VORDIX_FENSTER* parentWindow = nullptr;
    VORDIX_DIALOG* parentDialog = nullptr;

private:
    std::shared_ptr<VORDIX_DIALOG_imp> imp_;
};

class VORDIX_DIALOG_imp {
public:
    using OBSTATE = VORDIX_DIALOG::OBSTATE;
    using TableRows = std::vector<std::vector<std::wstring>>;

    virtual ~VORDIX_DIALOG_imp() = default;
    virtual void show() = 0;
    virtual void endDialog(int result) = 0;
    virtual void reopen() = 0;
    virtual void showAsPopup() = 0;
    virtual void hide() = 0;
    // Returns once the GUI thread has run an empty operation.
    virtual void syncWithGuiThread(int unused = 0) = 0;
    virtual void noOperation() { }
    virtual void setSlider(int controlId, int minimum, int maximum, int value) = 0;
    virtual void setPosition(int dx, int dy, int a, int b, int c, int d, int e, int f) = 0;
    // The owner's drawControl.
    virtual void deliverDrawControl(VORDIX_ZEICHENBEREICH& area, int controlId);
    virtual void updateControl(int controlId) = 0;
    // kind 1: pan cursor, 2: eraser cursor.
    virtual void setControlCursor(int controlId, int kind) = 0;
    virtual void showHtmlFile(int controlId, const VORDIX_FILE& file) = 0;
    virtual void setControlState(int controlId, OBSTATE state) = 0;
    virtual void checkGroupButton(int groupId, int buttonId) = 0;
    virtual void uncheckGroup(int groupId) = 0;
    virtual void setGroupButtonState(int groupId, int buttonId, OBSTATE state) = 0;
    virtual void setControlText(int controlId, const std::wstring& text) = 0;
    virtual void setControlImage(int controlId, int resourceStringId) = 0;
    virtual void setGroupButtonText(int groupId, int buttonId, const std::wstring& text) = 0;
    virtual void setToolTip(int controlId, const std::wstring& text) = 0;
    virtual void setControlIcon(int controlId, int iconId) = 0;
    virtual void setComboItems(int controlId, int resourceStringId, const std::wstring& current) = 0;
    // The current entry of a drop-down list or the current row of a table.
    virtual void setCurrentIndex(int controlId, int index) = 0;
    virtual void setTableRows(int controlId, const TableRows& rows) = 0;
    // Posts the record to this dialog; it arrives in onNotify on the GUI thread.
    virtual void postMessage(const PostedMessage& message) = 0;
    virtual bool hasNativeWindow() = 0;
    virtual bool hasControl(int controlId) = 0;
    virtual bool isChecked(int controlId) = 0;
    virtual std::wstring getControlText(int controlId) = 0;
    virtual int getCheckedButton(int groupId) = 0;
    // 1 is the first row, 0 no current row.
    virtual int getCurrentRow(int controlId) = 0;
    virtual int getSliderValue(int controlId) = 0;
    virtual RECTANGLE getControlScreenPos(int controlId) = 0;

    void setOwner(VORDIX_DIALOG* owner) { owner_ = owner; }
    VORDIX_DIALOG* getOwner() const { return owner_; }

    bool done = false; // set by a handler to end the dialog
    int result = 0;    // id of the control that ended it

protected:
    VORDIX_DIALOG* owner_ = nullptr; // not owned
};
