// The wiring of dialog, window and menu bindings: every control reports its
// control id to the host's slots exactly once.

#include "FormTestHosts.h"

#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "vordix/windows/ControlIds.h"
#include "vordix/windows/FormRegistry.h"
#include "vordix/windows/PixmapWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalMapper>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A form holding one control of every wired kind, named from the id table.
struct Ui_WiringTestForm {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QToolButton* tool = nullptr;
    QRadioButton* radio = nullptr;
    QCheckBox* check = nullptr;
    QPushButton* unknown = nullptr;
    QComboBox* combo = nullptr;
    QSlider* slider = nullptr;
    QTableWidget* table = nullptr;
    QLabel* link = nullptr;
    PixmapWidget* picture = nullptr;

    template <class T>
    static T* make(QWidget* parent, const char* name)
    {
        T* w = new T(parent);
        w->setObjectName(name);
        return w;
    }

    void setupUi(QDialog* host)
    {
        auto* page = make<QWidget>(host, "Tab_1"); // controls below a page are wired too
        ok = make<QPushButton>(host, "F_spe_ok");
        cancel = make<QPushButton>(host, "F_ubg_abbr");
        tool = make<QToolButton>(page, "F_spe_grand");
        radio = make<QRadioButton>(page, "F_akt_fs");
        check = make<QCheckBox>(page, "F_wiz_vorschlaege");
        unknown = make<QPushButton>(host, "F_nicht_in_der_tabelle");
        combo = make<QComboBox>(page, "F_opt_sprache");
        combo->addItems({"Deutsch", "English"});
        slider = make<QSlider>(host, "F_ImagePicker_Slider");
        slider->setRange(0, 10);
        table = make<QTableWidget>(host, "F_ubg_listbox");
        table->setRowCount(2);
        table->setColumnCount(1);
        table->setItem(0, 0, new QTableWidgetItem("a"));
        table->setItem(1, 0, new QTableWidgetItem("b"));
        link = make<QLabel>(host, "F_info_version");
        link->setText("<a href=\"app:weiter\">weiter</a>");
        picture = make<PixmapWidget>(page, "F_opt_spieler_image");
        picture->resize(64, 64);
    }
    void retranslateUi(QDialog*) { }
};

class Wiring : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        registerControlIds();
        registerForms();
    }
};

TEST_F(Wiring, EveryDialogControlReportsItsIdOnce)
{
    TestDialogHost host;
    auto binding = std::make_unique<SkatUI::Dialog<Ui_WiringTestForm>>();
    binding->setup(&host);
    auto& form = *binding;

    struct Case {
        QAbstractButton* button;
        int id;
    };
    for (const Case& c : {Case{form.ok, 1}, Case{form.cancel, 2}, Case{form.tool, 66}, Case{form.radio, 142},
                          Case{form.check, 429}, Case{form.unknown, 0}}) {
        host.calls.clear();
        c.button->click();
        ASSERT_EQ(host.calls.size(), 1u) << c.button->objectName().toStdString();
        EXPECT_EQ(host.calls[0], (RecordedCall{"button", c.id, {}, 0}));
    }

    host.calls.clear();
    form.combo->setCurrentIndex(1);
    form.slider->setValue(7);
    form.table->setCurrentCell(1, 0);
    form.table->setCurrentCell(0, 0);
    emit form.table->itemDoubleClicked(form.table->item(1, 0));
    emit form.link->linkActivated("app:weiter");
    const std::vector<RecordedCall> expected = {
        {"index", 52, {}, 1},    {"slider", 410, {}, 7}, {"current", 366, {}, 1},
        {"current", 366, {}, 0}, {"double", 366, {}, 1}, {"link", 106, "app:weiter", 0},
    };
    EXPECT_EQ(host.calls, expected);

    // The picture widget carries its id itself; only the left button counts.
    host.calls.clear();
    EXPECT_EQ(form.picture->controlId(), 43);
    QTest::mouseClick(form.picture, Qt::RightButton);
    QTest::mouseClick(form.picture, Qt::LeftButton);
    EXPECT_EQ(host.calls, (std::vector<RecordedCall>{{"button", 43, {}, 0}}));

    EXPECT_NE(binding->signalMapper(), nullptr);
    EXPECT_EQ(binding->signalMapper()->parent(), &host);
    binding.reset(); // deletes the mapper before the host goes
    EXPECT_TRUE(host.findChildren<QSignalMapper*>().isEmpty());
}

TEST_F(Wiring, DialogWithoutButtonsGetsNoMapper)
{
    TestDialogHost host;
    std::unique_ptr<DialogControlFactory> binding(FormRegistry::findDialogForm(420)());
    binding->setup(&host);
    EXPECT_EQ(host.objectName(), "Dialog");
    EXPECT_TRUE(host.findChildren<QSignalMapper*>().isEmpty());

    // Its retranslation has no text to set.
    host.setWindowTitle("Verlauf");
    binding->retranslate(&host);
    EXPECT_EQ(host.windowTitle(), "Verlauf");
}

TEST_F(Wiring, NullHostsAndUnusedBindingsAreHarmless)
{
    std::unique_ptr<DialogControlFactory> dialog(FormRegistry::findDialogForm(121)());
    dialog->setup(nullptr);
    dialog->retranslate(nullptr);
    std::unique_ptr<WindowControlFactory> window(FormRegistry::findWindowForm(5)());
    window->setup(nullptr);
    std::unique_ptr<MenuControlFactory> menu(FormRegistry::findMenuForm(4)());
    menu->setup(nullptr, nullptr);
    SUCCEED(); // destroying never-set-up bindings deletes nothing
}

TEST_F(Wiring, RetranslationRestoresPlaceholders)
{
    TestDialogHost host;
    std::unique_ptr<DialogControlFactory> binding(FormRegistry::findDialogForm(121)());
    binding->setup(&host);
    auto* value = host.findChild<QLabel*>("F_abr_spiel");
    ASSERT_NE(value, nullptr);
    value->setText("Grand");
    host.setWindowTitle("anders");
    binding->retranslate(&host);
    EXPECT_EQ(value->text(), "_spiel");
    EXPECT_EQ(host.windowTitle(), "Abrechnung");
    binding.reset();
}

TEST_F(Wiring, ToolWindowActionsReportTheirIdsButQtsOwnDoNot)
{
    TestWindowHost host;
    std::unique_ptr<WindowControlFactory> binding(FormRegistry::findWindowForm(5)());
    binding->setup(&host);
    const std::vector<const char*> names = {"Liste_TB_Neu",       "Liste_TB_Laden",   "Liste_TB_Fortsetzen",
                                            "Liste_TB_Speichern", "Liste_TB_Drucken", "Liste_TB_Verlauf"};
    std::vector<int> expected;
    for (const char* name : names) {
        auto* action = host.findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
        expected.push_back(ControlIds::idOf(std::string(name)));
    }
    EXPECT_EQ(host.actions, expected);

    // The tool bar's own toggle action is Qt's, unnamed and unwired.
    host.actions.clear();
    auto* toolBar = host.findChild<QToolBar*>("toolBar");
    ASSERT_NE(toolBar, nullptr);
    toolBar->toggleViewAction()->trigger();
    EXPECT_TRUE(host.actions.empty());

    // The score sheet shows "Öffnen" second although its action is made last.
    ASSERT_GE(toolBar->actions().size(), 2);
    EXPECT_EQ(toolBar->actions().at(1)->objectName(), "Liste_TB_Laden");
}

TEST_F(Wiring, MenuActionsReportOnceAfterTheBarIsRebuiltTwice)
{
    TestWindowHost window;
    std::unique_ptr<MenuControlFactory> binding(FormRegistry::findMenuForm(4)());
    for (int build = 0; build < 3; ++build) {
        auto* bar = new QMenuBar(&window);
        binding->setup(bar, &window);
        window.setMenuBar(bar); // deletes the previous bar with its actions and mapper
    }
    QMenuBar* bar = window.menuBar();
    EXPECT_EQ(bar->findChildren<QSignalMapper*>().size(), 1);

    std::vector<int> expected;
    int named = 0;
    for (QAction* action : bar->findChildren<QAction*>()) {
        if (action->objectName().isEmpty())
            continue;
        ++named;
        action->trigger();
        expected.push_back(ControlIds::idOf(action->objectName()));
    }
    EXPECT_EQ(named, 29);
    EXPECT_EQ(window.actions, expected);
    for (int id : expected)
        EXPECT_GE(id, 460);

    // A menu's own action (the entry opening it) carries no command.
    window.actions.clear();
    for (QMenu* menu : bar->findChildren<QMenu*>())
        menu->menuAction()->trigger();
    EXPECT_TRUE(window.actions.empty());
}

TEST_F(Wiring, MenuFormLayout)
{
    TestWindowHost window;
    std::unique_ptr<MenuControlFactory> binding(FormRegistry::findMenuForm(4)());
    auto* bar = new QMenuBar(&window);
    binding->setup(bar, &window);
    const QStringList titles = {"&Spiel", "&Darstellung", "Spiel&ablauf", "&Optionen", "&Hilfe"};
    QStringList shown;
    for (QAction* a : bar->actions())
        shown << a->text();
    EXPECT_EQ(shown, titles);
    auto* options = bar->findChild<QMenu*>("menu_Optionen");
    ASSERT_NE(options, nullptr);
    ASSERT_EQ(options->actions().size(), 1);
    EXPECT_EQ(options->actions().front()->objectName(), "Opt_extras");
    auto* help = bar->findChild<QAction*>("Hil_programm");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->shortcut(), QKeySequence("F1"));
    // The game menu hosts and joins network games, after the card editor.
    auto* game = bar->findChild<QMenu*>("menu_Spiel");
    ASSERT_NE(game, nullptr);
    QStringList names;
    for (QAction* a : game->actions())
        names << a->objectName();
    const qsizetype editor = names.indexOf("Spi_Karteneditor");
    ASSERT_GE(editor, 0);
    EXPECT_EQ(names.mid(editor + 2, 2), (QStringList{"Spi_Netz_Server", "Spi_Netz_Client"}));
    EXPECT_EQ(game->actions()[editor + 2]->text(), "Netz&werkspiel einleiten...");
    EXPECT_EQ(game->actions()[editor + 3]->text(), "Netzwerkspiel teil&nehmen...");
}

TEST(FormRegistryLookups, KindsAreSeparateAndMissesAreEmpty)
{
    registerControlIds();
    registerForms();
    EXPECT_FALSE(FormRegistry::findDialogForm(4));
    EXPECT_FALSE(FormRegistry::findWindowForm(16));
    EXPECT_FALSE(FormRegistry::findMenuForm(3));
    EXPECT_FALSE(FormRegistry::findDialogForm(9999));
    EXPECT_THROW(FormRegistry::findDialogForm(4)(), std::bad_function_call);
    EXPECT_EQ(FormRegistry::dialogForms().size(), 28u); // misses insert nothing

    registerForms();
    EXPECT_EQ(FormRegistry::dialogForms().size(), 28u);

    unregisterForms();
    EXPECT_FALSE(FormRegistry::findDialogForm(121));
    EXPECT_FALSE(FormRegistry::isFilled());
    registerForms();
    EXPECT_TRUE(FormRegistry::findDialogForm(121));
}

} // namespace
