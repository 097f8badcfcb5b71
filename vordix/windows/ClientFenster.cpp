#include "vordix/windows/ClientFenster.h"

#include "vordix/Control.h"
#include "vordix/Fenster.h"
#include "vordix/Message.h"
#include "vordix/windows/KeyMapping.h"
#include "vordix/windows/WinControl.h"
#include "vordix/windows/WinZeichenbereich.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>

namespace {

// Pointer moves go straight to the window's handler: refreshing the
// application's menu state after every one would be wasted work.
void deliverTo(VORDIX_FENSTER* owner, VORDIX_MESSAGE& message) { owner->onMessage(message); }

// A press, release or key may change the game, and with it what the menu
// offers: it goes to the handler and then lets the application refresh.
void deliverInput(VORDIX_FENSTER* owner, VORDIX_MESSAGE& message)
{
    if (const auto& imp = owner->implementor())
        imp->deliverMessage(message);
    else
        owner->onMessage(message);
}

// A pointer message of the kind at the event's place in the client.
VORDIX_MESSAGE pointerMessage(FrameworkMessageKind kind, const QMouseEvent& event)
{
    VORDIX_MESSAGE message(kind);
    const QPoint position = event.position().toPoint();
    message.x = position.x();
    message.y = position.y();
    return message;
}

// Only the left button clicks; other buttons are left to the parent.
void deliverLeftButton(VORDIX_FENSTER* owner, QMouseEvent* event, FrameworkMessageKind kind)
{
    if (!owner || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    VORDIX_MESSAGE message = pointerMessage(kind, *event);
    deliverInput(owner, message);
    event->accept();
}

} // namespace

ClientFenster::ClientFenster(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

ClientFenster::~ClientFenster() = default;

void ClientFenster::setInputView(QWidget* view)
{
    inputView = view;
    if (!view)
        return;
    view->setParent(this);
    view->resize(size());
    view->setMouseTracking(true);
    view->raise();
    view->show();
}

void ClientFenster::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (inputView)
        inputView->resize(size());
}

void ClientFenster::paintEvent(QPaintEvent* event)
{
    if (!ownerWindow) {
        event->ignore();
        return;
    }
    VORDIX_FENSTER* owner = ownerWindow;
    paintWidgetThrough(this, event, [owner](VORDIX_ZEICHENBEREICH& area) { owner->paint(area); });
    event->accept();
}

void ClientFenster::mousePressEvent(QMouseEvent* event) { deliverLeftButton(ownerWindow, event, MESSAGE_MOUSE_PRESS); }

void ClientFenster::mouseReleaseEvent(QMouseEvent* event)
{
    deliverLeftButton(ownerWindow, event, MESSAGE_MOUSE_RELEASE);
}

void ClientFenster::mouseDoubleClickEvent(QMouseEvent* event)
{
    deliverLeftButton(ownerWindow, event, MESSAGE_DOUBLE_CLICK);
}

void ClientFenster::mouseMoveEvent(QMouseEvent* event)
{
    if (!ownerWindow) {
        event->ignore();
        return;
    }
    VORDIX_MESSAGE message = pointerMessage(MESSAGE_MOUSE_MOVE, *event);
    if (fullScreen)
        emit mouseMoved(message.y - pos().y());
    deliverTo(ownerWindow, message);
    event->accept();
}

void ClientFenster::keyPressEvent(QKeyEvent* event)
{
    const auto code = vordix::keys::pressCode(vordix::keys::nativeValue(*event));
    if (!ownerWindow || !code) {
        event->ignore();
        return;
    }
    VORDIX_MESSAGE message(MESSAGE_KEY);
    message.keyCode = *code;
    deliverInput(ownerWindow, message);
    event->accept();
}

void ClientFenster::keyReleaseEvent(QKeyEvent* event)
{
    // Auto-repeat sends release/press pairs; only the real release counts.
    const auto code = vordix::keys::releaseCode(vordix::keys::nativeValue(*event));
    if (!ownerWindow || !code || event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    VORDIX_MESSAGE message(MESSAGE_KEY);
    message.keyCode = *code;
    if (event->modifiers() & Qt::AltModifier)
        message.addModifier(MODIFIER_ALT);
    deliverInput(ownerWindow, message);
    event->accept();
}

void ClientFenster::onTextChangedInEditControl(int controlId)
{
    if (!ownerWindow)
        return;
    const auto it = editControls.find(controlId);
    if (it == editControls.end() || !it->second)
        return;
    std::wstring text;
    it->second->getText(text);
    if (text.empty() || (text.back() != L'\n' && text.back() != L'\r'))
        return;
    VORDIX_MESSAGE message(MESSAGE_KEY);
    message.keyCode = 13;
    message.source = it->second->getOwner();
    deliverTo(ownerWindow, message);
}
