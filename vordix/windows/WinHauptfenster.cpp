#include "vordix/windows/WinHauptfenster.h"

#include "vordix/Message.h"
#include "vordix/windows/ClientFenster.h"
#include "vordix/windows/ControlFactories.h"
#include "vordix/windows/ControlIds.h"
#include "vordix/windows/FormRegistry.h"
#include "vordix/windows/GuiThread.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSessionManager>

#include <vector>

namespace {

constexpr int kAnimationMs = 300;
constexpr int kDefaultMenuHeight = 20;

std::vector<WIN_HAUPTFENSTER*>& liveMainWindows()
{
    static std::vector<WIN_HAUPTFENSTER*> windows;
    return windows;
}

QRect screenGeometry(const QWidget* widget)
{
    const QScreen* screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

} // namespace

WIN_HAUPTFENSTER::WIN_HAUPTFENSTER(VORDIX_HAUPTFENSTER* owner) : WIN_FENSTER(owner)
{
    liveMainWindows().push_back(this);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
            if (getOwner())
                deliver(MESSAGE_CLOSE);
        });
    }
}

WIN_HAUPTFENSTER::~WIN_HAUPTFENSTER() { std::erase(liveMainWindows(), this); }

int WIN_HAUPTFENSTER::endSession()
{
    int told = 0;
    for (WIN_HAUPTFENSTER* window : std::vector(liveMainWindows())) {
        if (!window->getOwner())
            continue;
        window->deliver(MESSAGE_CLOSE);
        ++told;
    }
    return told;
}

void WIN_HAUPTFENSTER::createMenuBar(int windowFormId)
{
    createFromForm(windowFormId);
    runOnGuiThread([this, windowFormId] {
        menuFormId_ = windowFormId + 1;
        rebuildMenuBar(fullScreen_);
        if (layout())
            layout()->activate();
    });
}

void WIN_HAUPTFENSTER::rebuildMenuBar(bool fullScreen)
{
    std::lock_guard lock(menuLock_);
    if (!menuForm_) {
        if (auto create = FormRegistry::findMenuForm(menuFormId_))
            menuForm_.reset(create());
    }
    discardMenuBar();
    if (fullScreen && client_) {
        menuBar_ = new QMenuBar(client_);
        if (menuForm_)
            menuForm_->setup(menuBar_, this);
        menuBar_->adjustSize();
        const int height = menuBar_->height() > 0 ? menuBar_->height() : kDefaultMenuHeight;
        menuBar_->setGeometry(0, 0, client_->width(), height);
        menuBar_->raise();
    } else {
        menuBar_ = new QMenuBar(this);
        if (menuForm_)
            menuForm_->setup(menuBar_, this);
        if (menuBar_->height() <= 0)
            menuBar_->resize(menuBar_->width(), kDefaultMenuHeight);
        setMenuBar(menuBar_);
    }
    // The rebuilt bar shows what the game set before, not the form's defaults.
    for (QAction* action : menuBar_->findChildren<QAction*>()) {
        // Triggering a checked entry flips its mark; the game's answer decides.
        connect(action, &QAction::triggered, this, [this, action] { showStoredCheck(action); });
        const auto it = menuStates_.constFind(action->objectName());
        if (it == menuStates_.constEnd())
            continue;
        action->setEnabled(it->enabled);
        if (it->checked)
            action->setCheckable(true);
        if (action->isCheckable())
            action->setChecked(it->checked);
        if (it->textSet)
            action->setText(it->text);
    }
    // The game may have gone on since the last message: a menu shows what it
    // offers now.
    for (QMenu* menu : menuBar_->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, [] { refreshApplication(); });
    menuBar_->show();
}

void WIN_HAUPTFENSTER::showStoredCheck(QAction* action)
{
    std::lock_guard lock(menuLock_);
    const auto it = menuStates_.constFind(action->objectName());
    if (action->isCheckable())
        action->setChecked(it != menuStates_.constEnd() && it->checked);
}

void WIN_HAUPTFENSTER::discardMenuBar()
{
    if (!menuBar_)
        return;
    // Deleted later: the old bar may hold the action whose command led here.
    if (menuWidget() == menuBar_) {
        setMenuWidget(nullptr);
    } else {
        menuBar_->hide();
        menuBar_->deleteLater();
    }
    menuBar_ = nullptr;
}

template <class F>
void WIN_HAUPTFENSTER::forEachMenuAction(int controlId, F f)
{
    runOnGuiThread([this, controlId, f] {
        std::lock_guard lock(menuLock_);
        const QString name = ControlIds::qNameOf(controlId);
        if (name.isEmpty())
            return;
        MenuItemState& state = menuStates_[name];
        f(nullptr, state);
        for (QAction* action : findChildren<QAction*>(name))
            f(action, state);
    });
}

void WIN_HAUPTFENSTER::enableMenuItem(int controlId, int state)
{
    if (state != VORDIX_HAUPTFENSTER::MENU_ON && state != VORDIX_HAUPTFENSTER::MENU_OFF)
        return;
    const bool on = state == VORDIX_HAUPTFENSTER::MENU_ON;
    forEachMenuAction(controlId, [on](QAction* action, MenuItemState& item) {
        item.enabled = on;
        if (action)
            action->setEnabled(on);
    });
}

void WIN_HAUPTFENSTER::checkMenuItem(int controlId, int state)
{
    if (state != VORDIX_HAUPTFENSTER::MENU_ON && state != VORDIX_HAUPTFENSTER::MENU_OFF)
        return;
    const bool on = state == VORDIX_HAUPTFENSTER::MENU_ON;
    forEachMenuAction(controlId, [on](QAction* action, MenuItemState& item) {
        item.checked = on;
        if (!action)
            return;
        // The form's entries are plain; one the game checks shows its mark.
        if (on)
            action->setCheckable(true);
        action->setChecked(on);
    });
}

void WIN_HAUPTFENSTER::setMenuItemText(int controlId, const std::wstring& text)
{
    const QString value = QString::fromStdWString(text);
    forEachMenuAction(controlId, [value](QAction* action, MenuItemState& item) {
        item.text = value;
        item.textSet = true;
        if (action)
            action->setText(value);
    });
}

void WIN_HAUPTFENSTER::toggleFullScreen()
{
    auto* animation = new QPropertyAnimation(this, "geometry", this);
    animation->setDuration(kAnimationMs);
    animation->setEasingCurve(QEasingCurve::InQuad);
    connect(animation, &QPropertyAnimation::finished, this, &WIN_HAUPTFENSTER::onMaximizeAnimationFinished);
    if (fullScreen_) {
        animation->setStartValue(geometry());
        animation->setEndValue(normalGeometry_);
        discardMenuBar();
        setWindowFlags(savedFlags_);
        QMainWindow::show();
    } else {
        normalGeometry_ = geometry();
        discardMenuBar();
        animation->setStartValue(normalGeometry_);
        animation->setEndValue(screenGeometry(this));
    }
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void WIN_HAUPTFENSTER::onMaximizeAnimationFinished()
{
    if (QObject* animation = sender())
        disconnect(animation, nullptr, this, nullptr);
    fullScreen_ = !fullScreen_;
    if (fullScreen_) {
        savedFlags_ = windowFlags();
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setGeometry(screenGeometry(this));
        QMainWindow::show();
        rebuildMenuBar(true);
    } else {
        rebuildMenuBar(false);
    }
    if (client_) {
        client_->fullScreen = fullScreen_;
        client_->setFocus();
    }
}
