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

// Input goes straight to the window's handler: refreshing the application's
// menu state after every pointer move would be wasted work.
void deliverTo(VORDIX_FENSTER* owner, VORDIX_MESSAGE& message) { owner->onMessage(message); }

} // namespace

ClientFenster::ClientFenster(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

ClientFenster::~ClientFenster() = default;

void ClientFenster::setInputView(QWidget* view) {
    inputView = view;
    if (!view) return;
    view->setParent(this);
    view->resize(size());
    view->setMouseTracking(true);
    view->raise();
    view->show();
}

void ClientFenster::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (inputView) inputView->resize(size());
}

void ClientFenster::paintEvent(QPaintEvent* event) {
    if (!ownerWindow) {
        event->ignore();
        return;
    }
    VORDIX_FENSTER* owner = ownerWindow;
    paintWidgetThrough(this, event, [owner](VORDIX_ZEICHENBEREICH& area) { owner->paint(area); });
    event->accept();
}

void ClientFenster::mousePressEvent(QMouseEvent* event) {
    if (!ownerWindow || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    VORDIX_MESSAGE message(MESSAGE_MOUSE_PRESS);
    message.x = event->position().toPoint().x();
    message.y = event->position().toPoint().y();
    deliverTo(ownerWindow, message);
    event->accept();
}

void ClientFenster::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!ownerWindow || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    VORDIX_MESSAGE message(MESSAGE_DOUBLE_CLICK);
    message.x = event->position().toPoint().x();
    message.y = event->position().toPoint().y();
    deliverTo(ownerWindow, message);
    event->accept();
}

void ClientFenster::mouseMoveEvent(QMouseEvent* event) {
    if (!ownerWindow) {
        event->ignore();
        return;
    }
    const QPoint position = event->position().toPoint();
    if (fullScreen) emit mouseMoved(position.y() - pos().y());
    VORDIX_MESSAGE message(MESSAGE_MOUSE_MOVE);
    message.x = position.x();
    message.y = position.y();
    deliverTo(ownerWindow, message);
    event->accept();
}

void ClientFenster::keyPressEvent(QKeyEvent* event) {
    const auto code = vordix::keys::pressCode(vordix::keys::nativeValue(*event));
    if (!ownerWindow || !code) {
        event->ignore();
        return;
    }
    VORDIX_MESSAGE message(MESSAGE_KEY);
    message.keyCode = *code;
    deliverTo(ownerWindow, message);
    event->accept();
}

void ClientFenster::keyReleaseEvent(QKeyEvent* event) {
    // Auto-repeat sends release/press pairs; only the real release counts.
    const auto code = vordix::keys::releaseCode(vordix::keys::nativeValue(*event));
    if (!ownerWindow || !code || event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    VORDIX_MESSAGE message(MESSAGE_KEY);
    message.keyCode = *code;
    if (event->modifiers() & Qt::AltModifier) message.addModifier(MODIFIER_ALT);
    deliverTo(ownerWindow, message);
    event->accept();
}

void ClientFenster::onTextChangedInEditControl(int controlId) {
    if (!ownerWindow) return;
    const auto it = editControls.find(controlId);
    if (it == editControls.end() || !it->second) return;
    std::wstring text;
    it->second->getText(text);
    if (text.empty() || (text.back() != L'\n' && text.back() != L'\r')) return;
    VORDIX_MESSAGE message(MESSAGE_KEY);
    message.keyCode = 13;
    message.source = it->second->getOwner();
    deliverTo(ownerWindow, message);
}
