#include "vordix/windows/ClientFenster.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>

ClientFenster::ClientFenster(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
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

void ClientFenster::onTextChangedInEditControl(int) {}
void ClientFenster::paintEvent(QPaintEvent* event) { event->ignore(); }
void ClientFenster::mousePressEvent(QMouseEvent* event) { event->ignore(); }
void ClientFenster::mouseDoubleClickEvent(QMouseEvent* event) { event->ignore(); }
void ClientFenster::mouseMoveEvent(QMouseEvent* event) { event->ignore(); }
void ClientFenster::keyPressEvent(QKeyEvent* event) { event->ignore(); }
void ClientFenster::keyReleaseEvent(QKeyEvent* event) { event->ignore(); }
