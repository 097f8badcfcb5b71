#include "skat/windows/ControlFactories.h"

#include "vordix/windows/ControlIds.h"
#include "vordix/windows/PixmapWidget.h"
#include "vordix/windows/WinDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTableWidget>

namespace SkatUI {

namespace {

// The forms' hosts declare their handlers as slots of fixed names; a host
// without one is not wired for it.
bool hasSlot(const QObject* host, const char* signature)
{
    return host && host->metaObject()->indexOfSlot(signature) >= 0;
}

// Runs the host's handler of that name (looked up once per call, on the
// host's own thread).
template <typename... Args>
void callHost(QObject* host, const char* name, QGenericArgument a = QGenericArgument(),
              QGenericArgument b = QGenericArgument())
{
    QMetaObject::invokeMethod(host, name, Qt::DirectConnection, a, b);
}

// Reports every id the mapper maps to the host's (or receiver's) handler.
void connectMapper(QSignalMapper* mapper, QObject* host, const char* name)
{
    const QByteArray signature = QByteArray(name) + "(int)";
    if (!hasSlot(host, signature.constData()))
        return;
    QObject::connect(mapper, &QSignalMapper::mappedInt, host,
                     [host, name](int id) { callHost(host, name, Q_ARG(int, id)); });
}

void mapClicks(QObject* sender, QSignalMapper* mapper)
{
    if (auto* action = qobject_cast<QAction*>(sender))
        QObject::connect(action, &QAction::triggered, mapper, qOverload<>(&QSignalMapper::map));
    else if (auto* button = qobject_cast<QAbstractButton*>(sender))
        QObject::connect(button, &QAbstractButton::clicked, mapper, qOverload<>(&QSignalMapper::map));
}

QSignalMapper* ensureMapper(QObject* parent, QPointer<QSignalMapper>& mapper)
{
    if (!mapper)
        mapper = new QSignalMapper(parent);
    return mapper;
}

// Actions without a control id carry no command: Qt's own unnamed ones (a
// menu's menuAction, separators, a tool bar's toggle action) and any whose
// name the table does not hold. They stay unwired.
void mapActions(QObject* owner, QSignalMapper* mapper)
{
    for (QAction* action : owner->findChildren<QAction*>()) {
        const int id = ControlIds::idOf(action->objectName());
        if (id <= 0)
            continue;
        mapClicks(action, mapper);
        mapper->setMapping(action, id);
    }
}

} // namespace

void connectControls(QDialog* host, QPointer<QSignalMapper>& mapper)
{
    if (!host)
        return;

    // Unnamed buttons of Qt's composite widgets (tab-bar scroll buttons) are
    // wired too; they report 0, which the host ignores.
    const auto buttons = host->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        QSignalMapper* m = ensureMapper(host, mapper);
        mapClicks(button, m);
        m->setMapping(button, ControlIds::idOf(button->objectName()));
    }
    if (mapper)
        connectMapper(mapper, host, "onButtonClicked");

    const bool itemChanged = hasSlot(host, "onCurrentItemChanged(QTableWidgetItem*,QTableWidgetItem*)");
    const bool itemDoubleClicked = hasSlot(host, "onItemDoubleClicked(QTableWidgetItem*)");
    for (QTableWidget* table : host->findChildren<QTableWidget*>()) {
        if (itemChanged)
            QObject::connect(table, &QTableWidget::currentItemChanged, host,
                             [host](QTableWidgetItem* current, QTableWidgetItem* previous) {
                                 callHost(host, "onCurrentItemChanged", Q_ARG(QTableWidgetItem*, current),
                                          Q_ARG(QTableWidgetItem*, previous));
                             });
        if (itemDoubleClicked)
            QObject::connect(table, &QTableWidget::itemDoubleClicked, host, [host](QTableWidgetItem* item) {
                callHost(host, "onItemDoubleClicked", Q_ARG(QTableWidgetItem*, item));
            });
    }
    // A picture is painted by its owning framework dialog; on any other host
    // it only reports clicks.
    auto* owner = dynamic_cast<WIN_DIALOG*>(host);
    for (PixmapWidget* picture : host->findChildren<PixmapWidget*>()) {
        picture->setDialog(owner);
        picture->setControlId(ControlIds::idOf(picture->objectName()));
        if (hasSlot(host, "onButtonClicked(int)"))
            QObject::connect(picture, &PixmapWidget::leftMouseClick, host,
                             [host](int id) { callHost(host, "onButtonClicked", Q_ARG(int, id)); });
    }
    if (hasSlot(host, "onSliderValueChanged(int)"))
        for (QSlider* slider : host->findChildren<QSlider*>())
            QObject::connect(slider, &QSlider::valueChanged, host,
                             [host](int value) { callHost(host, "onSliderValueChanged", Q_ARG(int, value)); });
    if (hasSlot(host, "onLinkClicked(QString)"))
        for (QLabel* label : host->findChildren<QLabel*>())
            QObject::connect(label, &QLabel::linkActivated, host,
                             [host](const QString& link) { callHost(host, "onLinkClicked", Q_ARG(QString, link)); });
    if (hasSlot(host, "onCurrentIndexChanged(int)"))
        for (QComboBox* combo : host->findChildren<QComboBox*>())
            QObject::connect(combo, &QComboBox::currentIndexChanged, host,
                             [host](int index) { callHost(host, "onCurrentIndexChanged", Q_ARG(int, index)); });
}

void connectControls(QMainWindow* host, QPointer<QSignalMapper>& mapper)
{
    if (!host)
        return;
    QSignalMapper* m = ensureMapper(host, mapper);
    mapActions(host, m);
    connectMapper(m, host, "onActionTriggered");
}

void connectControls(QMenuBar* host, QObject* receiver, QPointer<QSignalMapper>& mapper)
{
    if (!host)
        return;
    // Every menu bar gets its own mapper; the previous one went with its bar.
    mapper = new QSignalMapper(host);
    mapActions(host, mapper);
    if (receiver)
        connectMapper(mapper, receiver, "onActionTriggered");
}

void clearContextHelpHint(QWidget* host)
{
    const Qt::WindowFlags flags = host->windowFlags();
    if (flags.testFlag(Qt::WindowContextHelpButtonHint))
        host->setWindowFlags(flags & ~Qt::WindowContextHelpButtonHint);
}

} // namespace SkatUI
