#pragma once
// The client widget of every framework window: the central widget of each
// window form. It paints through the owning window and turns mouse and key
// input into VORDIX_MESSAGEs for the window's handler.

#include <QWidget>

#include <map>

class VORDIX_FENSTER;
class WIN_CONTROL;

class ClientFenster : public QWidget {
    Q_OBJECT
public:
    explicit ClientFenster(QWidget* parent = nullptr);
    ~ClientFenster() override;

    // Makes the widget the window's input view: a child filling the whole
    // client area, tracking the mouse, above its siblings.
    void setInputView(QWidget* view);

    VORDIX_FENSTER* ownerWindow = nullptr;    // not owned; set by the window implementor
    std::map<int, WIN_CONTROL*> editControls; // edit controls on this client by control id
    bool fullScreen = false;                  // follows the main window's full-screen state
    QWidget* inputView = nullptr;             // not owned

signals:
    // Pointer y relative to the client's top, reported only in full screen.
    void mouseMoved(int y);

public slots:
    // An edit control changed its text; Enter at its end becomes key 13.
    void onTextChangedInEditControl(int controlId);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};
