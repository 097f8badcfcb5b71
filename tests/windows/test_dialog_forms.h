#pragma once
// Small test forms registered by id, standing in for the game's forms: a
// dialog with every kind of control the dialog operations address, a window
// form with a ClientFenster and a menu form with two actions.

#include "vordix/Dialog.h"
#include "vordix/Hauptfenster.h"
#include "vordix/Message.h"
#include "vordix/windows/ClientFenster.h"
#include "vordix/windows/ControlFactories.h"
#include "vordix/windows/ControlIds.h"
#include "vordix/windows/FormRegistry.h"
#include "vordix/windows/PixmapWidget.h"
#include "vordix/windows/WinDialog.h"
#include "vordix/windows/WinFenster.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace testforms {

// Form ids far above the game's own.
enum FormId {
    DIALOG_FORM = 9101,    // buttons OK, cancel, apply and every control kind
    EMBEDDED_FORM = 9102,  // the same, embedded, centred and at the bottom
    NO_CANCEL_FORM = 9103, // only an OK button
    WINDOW_FORM = 9110,    // a window with a ClientFenster; menu form 9111
};

// Control ids and their object names.
enum ControlId {
    APPLY = 301,
    COMBO = 302,
    TABLE = 303,
    SLIDER = 304,
    GROUP = 305,
    RADIO_A = 306,
    RADIO_B = 307,
    LINK = 308,
    LABEL = 309,
    LINE = 310,
    TOGGLE = 311,
    PICTURE_TEXT = 312,
    GROUP_ONLY = 313,
    PICTURE = 314,
    MENU_NEW = 320,
    MENU_QUIT = 321,
    WINDOW_LABEL = 322,
    UNNAMED = 399,
};

inline void registerControlNames()
{
    ControlIds::addName("okButton", 1);
    ControlIds::addName("cancelButton", 2);
    ControlIds::addName("h7_ok_second", 1);
    ControlIds::add("h7_apply", APPLY);
    ControlIds::add("h7_combo", COMBO);
    ControlIds::add("h7_table", TABLE);
    ControlIds::add("h7_slider", SLIDER);
    ControlIds::add("h7_group", GROUP);
    ControlIds::add("h7_radio_a", RADIO_A);
    ControlIds::add("h7_radio_b", RADIO_B);
    ControlIds::add("h7_link", LINK);
    ControlIds::add("h7_label", LABEL);
    ControlIds::add("h7_line", LINE);
    ControlIds::add("h7_toggle", TOGGLE);
    ControlIds::add("h7_pictext", PICTURE_TEXT);
    ControlIds::add("h7_grouponly", GROUP_ONLY);
    ControlIds::add("h7_picture", PICTURE);
    ControlIds::add("h7_menu_new", MENU_NEW);
    ControlIds::add("h7_menu_quit", MENU_QUIT);
    ControlIds::add("h7_window_label", WINDOW_LABEL);
}

class TestDialogForm : public DialogControlFactory {
public:
    explicit TestDialogForm(int kind) : kind_(kind) { }

    void setup(QDialog* host) override
    {
        auto* dialog = static_cast<WIN_DIALOG*>(host);
        host->resize(300, 200);
        auto button = [&](const char* name, int id, bool checkable = false) {
            auto* b = new QPushButton(QString::fromLatin1(name), host);
            b->setObjectName(QString::fromLatin1(name));
            b->setCheckable(checkable);
            QObject::connect(b, &QPushButton::clicked, dialog, [dialog, id] { dialog->onButtonClicked(id); });
            return b;
        };
        button("okButton", 1);
        if (kind_ != NO_CANCEL_FORM)
            button("cancelButton", 2);
        if (kind_ == NO_CANCEL_FORM)
            return;
        button("h7_apply", APPLY);
        button("h7_toggle", TOGGLE, true);

        auto* combo = new QComboBox(host);
        combo->setObjectName("h7_combo");
        QObject::connect(combo, &QComboBox::currentIndexChanged, dialog, &WIN_DIALOG::onCurrentIndexChanged);

        auto* table = new QTableWidget(host);
        table->setObjectName("h7_table");
        QObject::connect(table, &QTableWidget::currentItemChanged, dialog, &WIN_DIALOG::onCurrentItemChanged);
        QObject::connect(table, &QTableWidget::itemDoubleClicked, dialog, &WIN_DIALOG::onItemDoubleClicked);

        auto* slider = new QSlider(Qt::Horizontal, host);
        slider->setObjectName("h7_slider");
        QObject::connect(slider, &QSlider::valueChanged, dialog, &WIN_DIALOG::onSliderValueChanged);

        auto* group = new QButtonGroup(host);
        group->setObjectName("h7_group");
        for (const char* name : {"h7_radio_a", "h7_radio_b"}) {
            auto* radio = new QRadioButton(host);
            radio->setObjectName(QString::fromLatin1(name));
            group->addButton(radio);
        }
        auto* onlyGroup = new QButtonGroup(host);
        onlyGroup->setObjectName("h7_grouponly");
        onlyGroup->addButton(new QPushButton(host));
        onlyGroup->addButton(new QPushButton(host));

        auto* link = new QLabel(host);
        link->setObjectName("h7_link");
        QObject::connect(link, &QLabel::linkActivated, dialog, &WIN_DIALOG::onLinkClicked);

        auto* label = new QLabel(host);
        label->setObjectName("h7_label");
        auto* line = new QLineEdit(host);
        line->setObjectName("h7_line");
        // The same name as a label and as a button: the button wins.
        auto* pictureLabel = new QLabel(host);
        pictureLabel->setObjectName("h7_pictext");
        auto* pictureButton = new QPushButton(host);
        pictureButton->setObjectName("h7_pictext");

        auto* picture = new PixmapWidget(host);
        picture->setObjectName("h7_picture");
        picture->setGeometry(40, 50, 60, 30);
        picture->setDialog(dialog);
        picture->setControlId(PICTURE);
        QObject::connect(picture, &PixmapWidget::leftMouseClick, dialog, &WIN_DIALOG::onButtonClicked);

        if (kind_ == EMBEDDED_FORM) {
            host->setProperty("isEmbedded", true);
            host->setProperty("xPosition", -2);
            host->setProperty("yPosition", -3);
        }
    }
    void retranslate(QDialog*) override { }

private:
    int kind_;
};

class TestWindowForm : public WindowControlFactory {
public:
    void setup(QMainWindow* host) override
    {
        auto* client = new ClientFenster(host);
        client->setObjectName("centralwidget");
        auto* label = new QLabel(client);
        label->setObjectName("h7_window_label");
        host->setCentralWidget(client);
        host->resize(640, 480);
    }
    void retranslate(QMainWindow*) override { }
};

class TestMenuForm : public MenuControlFactory {
public:
    void setup(QMenuBar* host, QObject* receiver) override
    {
        QMenu* menu = host->addMenu(QStringLiteral("Spiel"));
        auto* window = qobject_cast<WIN_FENSTER*>(receiver);
        for (auto [name, id] : {std::pair{"h7_menu_new", int(MENU_NEW)}, std::pair{"h7_menu_quit", int(MENU_QUIT)}}) {
            QAction* action = menu->addAction(QString::fromLatin1(name));
            action->setObjectName(QString::fromLatin1(name));
            QObject::connect(action, &QAction::triggered, receiver, [window, id = id] {
                if (window)
                    window->onActionTriggered(id);
            });
        }
    }
    void retranslate(QMenuBar*) override { }
};

inline void registerForms()
{
    registerControlNames();
    for (int kind : {DIALOG_FORM, EMBEDDED_FORM, NO_CANCEL_FORM})
        FormRegistry::registerDialogForm(kind, [kind] { return new TestDialogForm(kind); });
    FormRegistry::registerWindowForm(WINDOW_FORM, [] { return new TestWindowForm; });
    FormRegistry::registerMenuForm(WINDOW_FORM + 1, [] { return new TestMenuForm; });
}

// A framework dialog that records what reaches it. By default a command
// ends the dialog, as the framework's default does.
class RecordingDialog : public VORDIX_DIALOG {
public:
    using VORDIX_DIALOG::VORDIX_DIALOG;
    void initDialog() override { ++inits; }
    void onCommand(int id) override
    {
        commands.push_back(id);
        if (endOnCommand)
            VORDIX_DIALOG::onCommand(id);
    }
    void onDoubleClick(int id) override
    {
        doubleClicks.push_back(id);
        if (endOnCommand && implementor())
            implementor()->done = true;
    }
    void onClosed() override { ++closed; }
    void onNotify(const PostedMessage& message) override { notes.push_back(message); }

    WIN_DIALOG* win() const { return dynamic_cast<WIN_DIALOG*>(implementor().get()); }

    bool endOnCommand = true;
    int inits = 0;
    int closed = 0;
    std::vector<int> commands;
    std::vector<int> doubleClicks;
    std::vector<PostedMessage> notes;
};

// A window that records its messages.
template <class Base>
class RecordingWindow : public Base {
public:
    void onMessage(VORDIX_MESSAGE& message) override { messages.push_back(message); }
    std::vector<VORDIX_MESSAGE> messages;
    std::vector<VORDIX_MESSAGE> ofKind(FrameworkMessageKind kind) const
    {
        std::vector<VORDIX_MESSAGE> found;
        for (const auto& m : messages)
            if (m.kind == kind)
                found.push_back(m);
        return found;
    }
};

// Every test runs with the platform factory, the test forms and a settings
// folder of its own (remembered positions land there).
class FormsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!dynamic_cast<WIN_IMPLEMENTORFACTORY*>(VORDIX_IMPLEMENTORFACTORY::instance()))
            VORDIX_IMPLEMENTORFACTORY::installInstance(new WIN_IMPLEMENTORFACTORY);
        registerForms();
        const char* previous = std::getenv("XDG_CONFIG_HOME");
        previousConfig_ = previous ? previous : "";
        hadConfig_ = previous != nullptr;
        setenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit().constData(), 1);
        CWindowPosition::reloadPositions();
    }
    void TearDown() override
    {
        if (hadConfig_)
            setenv("XDG_CONFIG_HOME", previousConfig_.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        CWindowPosition::reloadPositions();
    }

    QTemporaryDir config_;
    std::string previousConfig_;
    bool hadConfig_ = false;
};

} // namespace testforms
