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

QSignalMapper* ensureMapper(QObject* parent, QPointer<QSignalMapper>& mapper) {
    if (!mapper) mapper = new QSignalMapper(parent);
    return mapper;
}

// Actions without a control id carry no command: Qt's own unnamed ones (a
// menu's menuAction, separators, a tool bar's toggle action) and any whose
// name the table does not hold. They stay unwired.
void mapActions(QObject* owner, QSignalMapper* mapper) {
    for (QAction* action : owner->findChildren<QAction*>()) {
        const int id = ControlIds::idOf(action->objectName());
        if (id <= 0) continue;
        QObject::connect(action, SIGNAL(triggered()), mapper, SLOT(map()));
        mapper->setMapping(action, id);
    }
}

} // namespace

void connectControls(QDialog* host, QPointer<QSignalMapper>& mapper) {
    if (!host) return;

    // Unnamed buttons of Qt's composite widgets (tab-bar scroll buttons) are
    // wired too; they report 0, which the host ignores.
    const auto buttons = host->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        QSignalMapper* m = ensureMapper(host, mapper);
        QObject::connect(button, SIGNAL(clicked()), m, SLOT(map()));
        m->setMapping(button, ControlIds::idOf(button->objectName()));
    }
    if (mapper)
        QObject::connect(mapper, SIGNAL(mappedInt(int)), host, SLOT(onButtonClicked(int)));

    for (QTableWidget* table : host->findChildren<QTableWidget*>()) {
        QObject::connect(table, SIGNAL(currentItemChanged(QTableWidgetItem*,QTableWidgetItem*)),
                         host, SLOT(onCurrentItemChanged(QTableWidgetItem*,QTableWidgetItem*)));
        QObject::connect(table, SIGNAL(itemDoubleClicked(QTableWidgetItem*)),
                         host, SLOT(onItemDoubleClicked(QTableWidgetItem*)));
    }
    // A picture is painted by its owning framework dialog; on any other host
    // it only reports clicks.
    auto* owner = dynamic_cast<WIN_DIALOG*>(host);
    for (PixmapWidget* picture : host->findChildren<PixmapWidget*>()) {
        picture->setDialog(owner);
        picture->setControlId(ControlIds::idOf(picture->objectName()));
        QObject::connect(picture, SIGNAL(leftMouseClick(int)), host, SLOT(onButtonClicked(int)));
    }
    for (QSlider* slider : host->findChildren<QSlider*>())
        QObject::connect(slider, SIGNAL(valueChanged(int)), host, SLOT(onSliderValueChanged(int)));
    for (QLabel* label : host->findChildren<QLabel*>())
        QObject::connect(label, SIGNAL(linkActivated(QString)), host, SLOT(onLinkClicked(QString)));
    for (QComboBox* combo : host->findChildren<QComboBox*>())
        QObject::connect(combo, SIGNAL(currentIndexChanged(int)), host, SLOT(onCurrentIndexChanged(int)));
}

void connectControls(QMainWindow* host, QPointer<QSignalMapper>& mapper) {
    if (!host) return;
    QSignalMapper* m = ensureMapper(host, mapper);
    mapActions(host, m);
    QObject::connect(m, SIGNAL(mappedInt(int)), host, SLOT(onActionTriggered(int)));
}

void connectControls(QMenuBar* host, QObject* receiver, QPointer<QSignalMapper>& mapper) {
    if (!host) return;
    // Every menu bar gets its own mapper; the previous one went with its bar.
    mapper = new QSignalMapper(host);
    mapActions(host, mapper);
    if (receiver)
        QObject::connect(mapper, SIGNAL(mappedInt(int)), receiver, SLOT(onActionTriggered(int)));
}

void clearContextHelpHint(QWidget* host) {
    const Qt::WindowFlags flags = host->windowFlags();
    if (flags.testFlag(Qt::WindowContextHelpButtonHint))
        host->setWindowFlags(flags & ~Qt::WindowContextHelpButtonHint);
}

} // namespace SkatUI
