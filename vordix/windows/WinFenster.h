#pragma once
// The Qt window of a framework window: a QMainWindow filled from a window
// form whose central widget is the ClientFenster. Every operation may be
// called from any thread; the widget work runs on the GUI thread.

#include "vordix/Fenster.h"

#include <QMainWindow>

#include <memory>

class ClientFenster;
class QScrollArea;
class WindowControlFactory;

class WIN_FENSTER : public QMainWindow, public virtual VORDIX_FENSTER_imp {
    Q_OBJECT
public:
    explicit WIN_FENSTER(VORDIX_FENSTER* owner);
    ~WIN_FENSTER() override;

    void createFromForm(int formId) override;
    void close() override;
    void show() override;
    void hide() override;
    void move(int x, int y) override;
    void resize(int clientWidth, int clientHeight) override;
    void setTitle(const std::wstring& title) override;
    void embedInScrollArea(VORDIX_VIEW* view, int x, int y, int rightMargin, int bottomMargin) override;
    void setSizingHandler(SizingHandler handler) override;
    void enableAction(int controlId, bool enabled) override;
    void setFixedSize(int minWidth, int minHeight, int maxWidth, int maxHeight) override;
    void setFocus(VORDIX_VIEW* view) override;
    void showControl(int controlId) override;
    void hideControl(int controlId) override;
    void setControlGeometry(int controlId, int x, int y, int width, int height) override;
    void setControlText(int controlId, const std::wstring& text) override;
    void bringToFront() override;
    void repaintRect(int x, int y, int width, int height) override;
    void updateRectNow(int x, int y, int width, int height) override;
    void updateRect(int x, int y, int width, int height) override;
    bool isVisible() override;
    RECTANGLE mapToGlobal() override;
    RECTANGLE getFrameGeometry() override;
    int getSystemMetric() override;
    RECTANGLE getVisibleRect(VORDIX_VIEW* view) override;
    bool queryFlag() override { return false; }

    ClientFenster* clientWidget() const { return client_; }

public slots:
    // A menu or toolbar action of the form: a command message with its id.
    void onActionTriggered(int controlId);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // Builds a message of the kind and hands it to the owner.
    void deliver(int kind, int commandId = 0);
    // The client rectangle a repaint or update means (negative extents run
    // to the far edge); empty without a client widget.
    QRect clientRect(int x, int y, int width, int height) const;
    // The sizing handler's correction of the client size, once the layout
    // has settled after a resize.
    void applySizingHandler();
    QWidget* namedWidget(int controlId) const;

    bool eventsEnabled_ = true;
    std::unique_ptr<WindowControlFactory> form_;
    ClientFenster* client_ = nullptr;
    SizingHandler sizingHandler_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    bool sizingCheckPending_ = false;
};
