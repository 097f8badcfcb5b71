#pragma once
// The Qt dialog of a framework dialog: a QDialog filled from a dialog form.
// Game code addresses every control by its control id; user actions come
// back as calls of the owning VORDIX_DIALOG with the control id, and the
// dialog ends once a handler set the done flag. A dialog is modal (over a
// window or dialog), modeless (top-level), a popup that ends when the
// pointer leaves it, or embedded: a frameless child over a window's client.
// Free dialogs remember their positions per form id.

#include "vordix/Dialog.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class DialogControlFactory;
class QTableWidgetItem;
class WIN_FENSTER;

// The remembered dialog positions under "DialogPositionen": one packed value
// (x << 16) + y per dialog form id, loaded once per process.
class CWindowPosition {
public:
    CWindowPosition();
    virtual ~CWindowPosition();

    static std::optional<std::uint32_t> rememberedPosition(int formId);
    // Stores the position (negative coordinates as 0) in the table and the store.
    static void rememberPosition(int formId, int x, int y);
    // Forgets the table; the next dialog loads it from the store again
    // (a new run, as far as the positions are concerned).
    static void reloadPositions();
};

class WIN_DIALOG : public QDialog, public CWindowPosition, public VORDIX_DIALOG_imp {
    Q_OBJECT
public:
    // A free (top-level, modeless) dialog.
    WIN_DIALOG(VORDIX_DIALOG* owner, int formId);
    // A modal or embedded dialog over a window.
    WIN_DIALOG(VORDIX_DIALOG* owner, int formId, WIN_FENSTER* parent);
    // A modal or embedded dialog over another dialog.
    WIN_DIALOG(VORDIX_DIALOG* owner, int formId, WIN_DIALOG* parent);
    ~WIN_DIALOG() override;

    void show() override;
    void endDialog(int result) override;
    void reopen() override;
    void showAsPopup() override;
    void hide() override;
    void syncWithGuiThread(int unused = 0) override;
    void setSlider(int controlId, int minimum, int maximum, int value) override;
    void setPosition(int dx, int dy, int a, int b, int c, int d, int e, int f) override;
    void updateControl(int controlId) override;
    void setControlCursor(int controlId, int kind) override;
    void showHtmlFile(int controlId, const VORDIX_FILE& file) override;
    void setControlState(int controlId, OBSTATE state) override;
    void checkGroupButton(int groupId, int buttonId) override;
    void uncheckGroup(int groupId) override;
    void setGroupButtonState(int groupId, int buttonId, OBSTATE state) override;
    void setControlText(int controlId, const std::wstring& text) override;
    void setControlImage(int controlId, int resourceStringId) override;
    void setGroupButtonText(int groupId, int buttonId, const std::wstring& text) override;
    void setToolTip(int controlId, const std::wstring& text) override;
    void setControlIcon(int controlId, int iconId) override;
    void setComboItems(int controlId, int resourceStringId, const std::wstring& current) override;
    void setCurrentIndex(int controlId, int index) override;
    void setTableRows(int controlId, const TableRows& rows) override;
    void postMessage(const PostedMessage& message) override;
    bool hasNativeWindow() override;
    bool hasControl(int controlId) override;
    bool isChecked(int controlId) override;
    std::wstring getControlText(int controlId) override;
    int getCheckedButton(int groupId) override;
    int getCurrentRow(int controlId) override;
    int getSliderValue(int controlId) override;
    RECTANGLE getControlScreenPos(int controlId) override;

    int formId() const { return formId_; }
    bool isEmbedded() const { return embedded_; }
    bool isModeless() const { return modeless_; }
    bool isInitialised() const { return initialised_; }

    // The child of type T that bears the control id's name; for the OK and
    // cancel ids (1, 2), which several names share, the first child whose
    // name maps to the id. Null when there is none.
    template <class T>
    T* findControl(int controlId) const;

    // What a link in a dialog may do: run the label's command ("app:"),
    // open outside the program (web and mail addresses, documents under the
    // resources folder) or nothing.
    enum class LinkAction { Command, Open, Ignore };
    static LinkAction classifyLink(const QString& link, const QString& resourcesFolder);

public slots:
    void onButtonClicked(int controlId);
    void onCurrentIndexChanged(int index);
    void onCurrentItemChanged(QTableWidgetItem* current, QTableWidgetItem* previous);
    void onItemDoubleClicked(QTableWidgetItem* item);
    void onLinkClicked(const QString& link);
    void onSliderValueChanged(int value);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void reject() override;

private:
    void initControls(VORDIX_DIALOG* owner, int formId);
    void run();
    void placeDialog();
    void placeEmbedded(int shiftX, int shiftY, bool always);
    void finishIfDone(int result);
    // The frame's close (and Escape): the cancel (else OK) id ends the
    // dialog unless that control is disabled. False when refused.
    bool closeByFrame();
    int senderControlId() const;

    bool initialised_ = false;
    bool hasCancel_ = false;
    bool hasOk_ = false;
    int formId_ = 0;
    bool modeless_ = false;
    std::unique_ptr<DialogControlFactory> form_;
    bool closeOnMouseLeave_ = false;
    bool embedded_ = false;
    int xPosition_ = 0;
    int yPosition_ = 0;
};
