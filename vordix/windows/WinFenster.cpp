#include "vordix/windows/WinFenster.h"

#include "vordix/Message.h"
#include "vordix/Utf8.h"
#include "vordix/View.h"
#include "vordix/windows/ClientFenster.h"
#include "vordix/windows/ControlFactories.h"
#include "vordix/windows/ControlIds.h"
#include "vordix/windows/FormRegistry.h"
#include "vordix/windows/GuiThread.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QStyle>
#include <QTextEdit>

namespace {

QWidget* widgetOf(VORDIX_VIEW* view) { return view ? dynamic_cast<QWidget*>(view->implementor().get()) : nullptr; }

RECTANGLE toRectangle(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

} // namespace

WIN_FENSTER::WIN_FENSTER(VORDIX_FENSTER* owner) : QMainWindow(nullptr) { owner_ = owner; }

WIN_FENSTER::~WIN_FENSTER()
{
    if (client_)
        client_->ownerWindow = nullptr;
}

void WIN_FENSTER::createFromForm(int formId)
{
    runOnGuiThread([this, formId] {
        if (!form_) {
            if (auto create = FormRegistry::findWindowForm(formId))
                form_.reset(create());
            if (form_) {
                form_->setup(this);
                winId();
                if (layout())
                    layout()->activate();
            }
        }
        client_ = qobject_cast<ClientFenster*>(centralWidget());
        if (!client_ && !centralWidget()) {
            // A window without a form still gets a client area to paint in.
            client_ = new ClientFenster(this);
            client_->setObjectName(QStringLiteral("centralwidget"));
            setCentralWidget(client_);
        }
        if (client_)
            client_->ownerWindow = getOwner();
    });
}

void WIN_FENSTER::close() { }

void WIN_FENSTER::show()
{
    runOnGuiThread([this] {
        QMainWindow::show();
        if (client_) {
            client_->activateWindow();
            client_->setFocus();
            client_->update();
        }
    });
}

void WIN_FENSTER::hide()
{
    runOnGuiThread([this] { setVisible(false); });
}

void WIN_FENSTER::move(int x, int y)
{
    runOnGuiThread([this, x, y] { QWidget::move(x, y); });
}

void WIN_FENSTER::resize(int clientWidth, int clientHeight)
{
    runOnGuiThread([this, clientWidth, clientHeight] {
        const QSize wanted(clientWidth, clientHeight);
        const QSize present = client_ ? client_->size() : size();
        if (present == wanted)
            return;
        QWidget::resize(size() + (wanted - present));
        if (client_)
            client_->resize(wanted);
    });
}

void WIN_FENSTER::setTitle(const std::wstring& title)
{
    runOnGuiThread([this, title] { setWindowTitle(QString::fromStdWString(title)); });
}

void WIN_FENSTER::embedInScrollArea(VORDIX_VIEW* view, int x, int y, int rightMargin, int bottomMargin)
{
    runOnGuiThread([=, this] {
        if (!client_)
            return;
        auto* area = new QScrollArea(client_);
        area->setFrameShape(QFrame::NoFrame);
        area->move(x, y);
        area->resize(client_->width() - rightMargin - x, client_->height() - bottomMargin - y);
        if (QWidget* widget = widgetOf(view))
            area->setWidget(widget);
        area->show();
        scrollArea_ = area;
    });
}

void WIN_FENSTER::setSizingHandler(SizingHandler handler) { sizingHandler_ = handler; }

void WIN_FENSTER::enableAction(int controlId, bool enabled)
{
    runOnGuiThread([this, controlId, enabled] {
        const QString name = ControlIds::qNameOf(controlId);
        if (name.isEmpty())
            return;
        if (auto* action = findChild<QAction*>(name))
            action->setEnabled(enabled);
    });
}

void WIN_FENSTER::setFixedSize(int minWidth, int minHeight, int maxWidth, int maxHeight)
{
    runOnGuiThread([=, this] {
        const QSize overhead = client_ ? size() - client_->size() : QSize(0, 0);
        if (client_) {
            client_->setMinimumSize(minWidth, minHeight);
            client_->setMaximumSize(maxWidth, maxHeight);
        }
        setMinimumSize(QSize(minWidth, minHeight) + overhead);
        setMaximumSize(QSize(maxWidth, maxHeight) + overhead);
    });
}

void WIN_FENSTER::setFocus(VORDIX_VIEW* view)
{
    runOnGuiThread([this, view] {
        if (!client_)
            return;
        if (QWidget* widget = widgetOf(view)) {
            widget->setProperty("focused", true);
            client_->setInputView(widget);
        }
        client_->setFocus();
    });
}

QWidget* WIN_FENSTER::namedWidget(int controlId) const
{
    const QString name = ControlIds::qNameOf(controlId);
    return name.isEmpty() ? nullptr : findChild<QWidget*>(name);
}

void WIN_FENSTER::showControl(int controlId)
{
    runOnGuiThread([this, controlId] {
        if (QWidget* widget = namedWidget(controlId)) {
            widget->show();
            widget->raise();
        }
    });
}

void WIN_FENSTER::hideControl(int controlId)
{
    runOnGuiThread([this, controlId] {
        if (QWidget* widget = namedWidget(controlId))
            widget->hide();
    });
}

void WIN_FENSTER::setControlGeometry(int controlId, int x, int y, int width, int height)
{
    runOnGuiThread([=, this] {
        if (QWidget* widget = namedWidget(controlId)) {
            widget->move(x, y);
            widget->resize(width, height);
        }
    });
}

void WIN_FENSTER::setControlText(int controlId, const std::wstring& text)
{
    runOnGuiThread([this, controlId, text] {
        const QString name = ControlIds::qNameOf(controlId);
        if (name.isEmpty())
            return;
        const QString value = QString::fromStdWString(text);
        if (auto* button = findChild<QAbstractButton*>(name))
            button->setText(value);
        else if (auto* edit = findChild<QTextEdit*>(name))
            edit->setPlainText(value);
        else if (auto* line = findChild<QLineEdit*>(name))
            line->setText(value);
        else if (auto* label = findChild<QLabel*>(name))
            label->setText(value);
    });
}

void WIN_FENSTER::bringToFront()
{
    runOnGuiThread([this] {
        activateWindow();
        raise();
    });
}

QRect WIN_FENSTER::clientRect(int x, int y, int width, int height) const
{
    if (!client_)
        return {};
    if (width < 0) {
        x = 0;
        width = client_->width();
    }
    if (height < 0) {
        y = 0;
        height = client_->height();
    }
    return {x, y, width, height};
}

void WIN_FENSTER::repaintRect(int x, int y, int width, int height)
{
    runOnGuiThread([=, this] {
        if (client_)
            client_->repaint(clientRect(x, y, width, height));
    });
}

void WIN_FENSTER::updateRectNow(int x, int y, int width, int height)
{
    // The update is painted before returning, as the caller expects.
    runOnGuiThread([=, this] {
        if (client_)
            client_->repaint(clientRect(x, y, width, height));
    });
}

void WIN_FENSTER::updateRect(int x, int y, int width, int height)
{
    runOnGuiThread([=, this] {
        if (client_)
            client_->update(clientRect(x, y, width, height));
    });
}

bool WIN_FENSTER::isVisible()
{
    return runOnGuiThreadWithResult([this] { return QWidget::isVisible(); });
}

RECTANGLE WIN_FENSTER::mapToGlobal()
{
    RECTANGLE result;
    runOnGuiThread([this, &result] {
        QWidget* area = client_ ? static_cast<QWidget*>(client_) : this;
        const QPoint origin = area->mapToGlobal(QPoint(0, 0));
        result = {origin.x(), origin.y(), area->width(), area->height()};
    });
    return result;
}

RECTANGLE WIN_FENSTER::getFrameGeometry()
{
    RECTANGLE result;
    runOnGuiThread([this, &result] { result = toRectangle(frameGeometry()); });
    return result;
}

int WIN_FENSTER::getSystemMetric() { return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

RECTANGLE WIN_FENSTER::getVisibleRect(VORDIX_VIEW* view)
{
    RECTANGLE result;
    runOnGuiThread([this, view, &result] {
        QWidget* widget = widgetOf(view);
        if (!widget)
            return;
        auto* area =
            qobject_cast<QScrollArea*>(widget->parentWidget() ? widget->parentWidget()->parentWidget() : nullptr);
        if (area && area->widget() == widget)
            result = {-widget->x(), -widget->y(), area->width(), area->height()};
        else
            result = {0, 0, widget->width(), widget->height()};
    });
    return result;
}

void WIN_FENSTER::deliver(int kind, int commandId)
{
    VORDIX_MESSAGE message(static_cast<FrameworkMessageKind>(kind));
    message.commandId = commandId;
    deliverMessage(message);
}

void WIN_FENSTER::onActionTriggered(int controlId)
{
    // Actions without an id of their own (Qt's internal ones) are no commands.
    if (controlId > 0 && getOwner())
        deliver(MESSAGE_COMMAND, controlId);
}

void WIN_FENSTER::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (!getOwner()) {
        event->ignore();
        return;
    }
    if (event->type() == QEvent::ActivationChange)
        deliver(isActiveWindow() ? MESSAGE_ACTIVATED : MESSAGE_DEACTIVATED);
    else if (event->type() == QEvent::WindowStateChange)
        deliver(isFullScreen() ? MESSAGE_FULL_SCREEN : MESSAGE_RESIZE);
}

void WIN_FENSTER::closeEvent(QCloseEvent* event)
{
    if (!getOwner()) {
        event->ignore(); // nobody decides about the close
        return;
    }
    deliver(MESSAGE_CLOSE);
}

void WIN_FENSTER::moveEvent(QMoveEvent* event)
{
    if (!getOwner()) {
        event->ignore();
        return;
    }
    if (eventsEnabled_)
        deliver(MESSAGE_MOVE);
}

void WIN_FENSTER::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (!eventsEnabled_)
        return;
    if (scrollArea_ && event->oldSize().width() > 0)
        scrollArea_->resize(scrollArea_->size() + (event->size() - event->oldSize()));
    if (getOwner())
        deliver(MESSAGE_RESIZE);
    if (client_ && client_->inputView)
        client_->inputView->resize(client_->size());
    if (sizingHandler_ && !sizingCheckPending_) {
        // The client has its new size only once the layout has run.
        sizingCheckPending_ = true;
        QMetaObject::invokeMethod(
            this, [this] { applySizingHandler(); }, Qt::QueuedConnection);
    }
}

void WIN_FENSTER::applySizingHandler()
{
    sizingCheckPending_ = false;
    if (!sizingHandler_ || !client_ || isFullScreen() || isMaximized())
        return;
    int width = client_->width();
    int height = client_->height();
    sizingHandler_(&width, &height);
    const QSize corrected(width, height);
    if (corrected != client_->size())
        QWidget::resize(size() + (corrected - client_->size()));
}
