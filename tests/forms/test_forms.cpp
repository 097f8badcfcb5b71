// Every registered form, set up on a test host: registry kinds, object
// names, sizes, flags, embedding, and an audit of names against the
// control-id table.

#include "FormTestHosts.h"

#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "vordix/windows/ClientFenster.h"
#include "vordix/windows/ControlIds.h"
#include "vordix/windows/FormRegistry.h"

#include <QButtonGroup>
#include <QMenuBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

enum class Kind { Window, Menu, Dialog };
constexpr int kNone = -1; // no minimum / maximum size set
constexpr int kNotEmbedded = 9999;

struct FormRow {
    int formId;
    Kind kind;
    const char* objectName; // what setupUi names an unnamed host
    int width, height;
    int minW, minH, maxW, maxH;
    const char* title;
    int xPosition = kNotEmbedded, yPosition = kNotEmbedded;
};

void PrintTo(const FormRow& row, std::ostream* os) { *os << row.objectName << " (" << row.formId << ")"; }

const FormRow kForms[] = {
    {4, Kind::Menu, "F_fenster_skat_menu", 640, 20, kNone, kNone, kNone, kNone, ""},
    {5, Kind::Window, "F_fenster_liste", 480, 279, kNone, kNone, kNone, kNone, "Spielliste"},
    {3, Kind::Window, "F_fenster_skat", 800, 600, kNone, kNone, kNone, kNone, "SKAT Quorvenel"},
    {6, Kind::Window, "F_fenster_verlauf", 480, 600, kNone, kNone, kNone, kNone, "Spielverlauf"},
    {7, Kind::Window, "F_fenster_training", 509, 285, kNone, kNone, kNone, kNone, "Training"},
    {8, Kind::Window, "F_fenster_verteilen", 640, 421, kNone, kNone, kNone, kNone, "Karten verteilen"},
    {16, Kind::Dialog, "F_extras", 651, 456, 651, 456, 651, 456, "Einstellungen"},
    {365, Kind::Dialog, "F_ubungspartien", 601, 406, 601, 406, 601, 406, "Übungspartien"},
    {61, Kind::Dialog, "F_spiel_einfach", 550, 350, kNone, kNone, kNone, kNone, "Einfache Spiele", 231, 262},
    {81, Kind::Dialog, "F_spiel_hand", 551, 351, kNone, kNone, kNone, kNone, "Handspiele", 231, 262},
    {105, Kind::Dialog, "F_info", 681, 464, 681, 464, 681, 464, "Über Skat"},
    {112, Kind::Dialog, "F_ja_nein", 361, 136, 361, 136, 361, 136, "Skat"},
    {116, Kind::Dialog, "F_eingepasst", 620, 500, 620, 500, 620, 500, "Eingepasst", -2, -1},
    {121, Kind::Dialog, "F_abrechnung", 667, 461, 667, 461, 667, 461, "Abrechnung", -2, -1},
    {141, Kind::Dialog, "F_aktiv", 391, 256, 391, 256, 391, 256, "Aktives Training"},
    {158, Kind::Dialog, "F_tabeinst", 491, 326, 491, 326, 491, 326, "Zufallsverteilung"},
    {172, Kind::Dialog, "F_training", 291, 196, kNone, kNone, kNone, kNone, "Training"},
    {176, Kind::Dialog, "F_freies_spiel", 351, 226, 351, 226, 351, 226, "Übungstisch - Freies Spiel starten"},
    {187, Kind::Dialog, "F_wirdfrei", 301, 196, 301, 196, 301, 196, "Spielstatus ändern"},
    {212, Kind::Dialog, "F_abbr", 371, 146, 371, 146, 371, 146, "Abbruch"},
    {230, Kind::Dialog, "F_bestenliste", 551, 366, 551, 366, 551, 366, "Statistik"},
    {282, Kind::Dialog, "F_computerlogik", 421, 311, 421, 311, 421, 311, "Computerlogik"},
    {296, Kind::Dialog, "F_liste_komplett", 480, 364, 480, 364, 480, 364, "Skat"},
    {304, Kind::Dialog, "Sheet_ja_nein", 361, 136, 361, 136, 361, 136, "Skat"},
    {308, Kind::Dialog, "F_netz_spiel_einleiten", 511, 246, 511, 246, 511, 246, "Neues Netzwerkspiel starten"},
    {321, Kind::Dialog, "F_netz_spiel_teilnehmen", 511, 406, 511, 396, 511, 406, "An Netzwerkspiel teilnehmen"},
    {362, Kind::Dialog, "F_bugreport", 401, 331, 401, 331, 401, 331, "Fehlerbericht senden"},
    {370, Kind::Dialog, "F_reizwert_kalkulator", 561, 361, 561, 361, 561, 361, "Spielwerte"},
    {391, Kind::Dialog, "F_heuristikauswahl", 431, 296, 431, 296, 431, 296, "Auswahl der verwendeten Heuristiken"},
    {408, Kind::Dialog, "F_ImagePicker", 511, 456, 411, 456, 511, 456, "Gesicht auswählen"},
    {420, Kind::Dialog, "Dialog", 600, 400, kNone, kNone, kNone, kNone, ""},
    {215, Kind::Dialog, "F_hilfe", 800, 562, 601, 101, kNone, kNone, "SKAT Hilfe"},
    {423, Kind::Dialog, "F_spiel_abkuerzen", 499, 147, 499, 147, 499, 147, "Handspiele", -1, -3},
    {427, Kind::Dialog, "F_hilfestellungen", 308, 327, kNone, kNone, kNone, kNone, "Handspiele", -3, -1},
};

// The id blocks each form's names may come from (besides OK 1 and cancel 2).
// clang-format off
const std::map<int, std::vector<std::pair<int, int>>> kBlocks = {
    {3, {{3, 9}}}, {4, {{460, 496}}}, {5, {{433, 438}}}, {6, {{455, 459}}}, {7, {{449, 454}}},
    {8, {{439, 448}}}, {16, {{16, 60}, {220, 229}, {338, 361}}}, {61, {{61, 80}}}, {81, {{81, 104}}},
    {105, {{105, 111}}}, {112, {{112, 115}}}, {116, {{116, 120}, {113, 113}}}, {121, {{121, 140}}},
    {141, {{141, 157}}}, {158, {{158, 171}}}, {172, {{172, 175}}}, {176, {{176, 186}}}, {187, {{187, 188}}},
    {212, {{212, 214}}}, {215, {{215, 219}}}, {230, {{230, 281}}}, {282, {{282, 295}}}, {296, {{296, 303}}},
    {304, {{304, 307}}}, {308, {{308, 320}}}, {321, {{321, 337}}}, {362, {{362, 364}}}, {365, {{365, 369}}},
    {370, {{370, 390}}}, {391, {{391, 407}}}, {408, {{408, 419}}}, {420, {{420, 422}}}, {423, {{423, 426}}},
    {427, {{427, 432}}},
};
// clang-format on

// Decorations that the table deliberately leaves without an id, and the
// names Qt gives the parts of its composite widgets.
bool isUnaddressable(const QString& name)
{
    if (name == QLatin1String("ScrollLeftButton") || name == QLatin1String("ScrollRightButton")
        || name == QLatin1String("_layout"))
        return true;
    static const char* const prefixes[] = {
        "qt_",     "label", "line",       "frame",  "Tab_",        "TabControl",     "centralwidget",
        "toolBar", "menu",  "background", "widget", "buttonGroup", "verticalLayout", "horizontalLayout"};
    for (const char* p : prefixes)
        if (name.startsWith(QLatin1String(p)))
            return true;
    return name == QLatin1String("F_nst_servername_2");
}

struct ExpectedControl {
    int id;
    const char* className;
};

// Every control id each form carries, with the class of its object.
// clang-format off
const std::map<int, std::vector<ExpectedControl>> kControls = {
    {408, {{409, "PixmapWidget"}, {410, "QSlider"}, {412, "QPushButton"}, {413, "QPushButton"}, {415, "QButtonGroup"}, {416, "QPushButton"}, {417, "QPushButton"}, {418, "QPushButton"}, {419, "QPushButton"}}},
    {212, {{213, "QPushButton"}, {214, "QPushButton"}}},
    {121, {{122, "QLabel"}, {123, "QLabel"}, {124, "QLabel"}, {125, "QLabel"}, {126, "QLabel"}, {127, "QLabel"}, {128, "QLabel"}, {129, "QLabel"}, {130, "QLabel"}, {131, "QLabel"}, {132, "QLabel"}, {133, "QPushButton"}, {134, "QLabel"}, {135, "QLabel"}, {136, "QPushButton"}, {137, "QLabel"}, {138, "QPushButton"}, {139, "QWidget"}, {140, "QPushButton"}}},
    {141, {{142, "QRadioButton"}, {143, "QRadioButton"}, {144, "QRadioButton"}, {145, "QRadioButton"}, {146, "QRadioButton"}, {147, "QRadioButton"}, {148, "QRadioButton"}, {149, "QRadioButton"}, {150, "QComboBox"}, {155, "QButtonGroup"}, {156, "QButtonGroup"}, {157, "QButtonGroup"}}},
    {230, {{231, "QPushButton"}, {232, "QLabel"}, {233, "QLabel"}, {234, "QLabel"}, {235, "QLabel"}, {236, "QLabel"}, {237, "QLabel"}, {238, "QLabel"}, {239, "QLabel"}, {240, "QLabel"}, {241, "QLabel"}, {242, "QLabel"}, {243, "QLabel"}, {244, "QLabel"}, {245, "QLabel"}, {246, "QLabel"}, {247, "QLabel"}, {248, "QLabel"}, {249, "QLabel"}, {250, "QLabel"}, {251, "QLabel"}, {252, "QLabel"}, {253, "QLabel"}, {254, "QLabel"}, {255, "QLabel"}, {256, "QLabel"}, {257, "QLabel"}, {258, "QLabel"}, {259, "QLabel"}, {260, "QLabel"}, {261, "QLabel"}, {262, "QLabel"}, {263, "QLabel"}, {264, "QLabel"}, {265, "QLabel"}, {266, "QLabel"}, {267, "QLabel"}, {268, "QLabel"}, {269, "QLabel"}, {270, "QLabel"}, {271, "QLabel"}, {272, "QLabel"}, {273, "QLabel"}, {274, "QLabel"}, {275, "QLabel"}, {276, "QLabel"}, {277, "QLabel"}, {278, "QLabel"}, {279, "QLabel"}, {280, "QLabel"}, {281, "QLabel"}}},
    {362, {{363, "QTextEdit"}, {364, "QPushButton"}}},
    {282, {{283, "QLabel"}, {286, "QPushButton"}, {287, "QPushButton"}, {288, "QPushButton"}, {289, "QCheckBox"}, {290, "QCheckBox"}, {291, "QCheckBox"}, {292, "QCheckBox"}, {293, "QCheckBox"}, {294, "QCheckBox"}, {295, "QLineEdit"}}},
    {116, {{113, "QLabel"}, {117, "QPushButton"}, {118, "QPushButton"}, {119, "QLabel"}, {120, "QPushButton"}}},
    {16, {{17, "QLineEdit"}, {18, "QLineEdit"}, {19, "QLineEdit"}, {23, "QRadioButton"}, {24, "QRadioButton"}, {25, "QRadioButton"}, {26, "QRadioButton"}, {27, "QCheckBox"}, {30, "QCheckBox"}, {31, "QCheckBox"}, {34, "QToolButton"}, {35, "QToolButton"}, {36, "QToolButton"}, {37, "QToolButton"}, {38, "QToolButton"}, {39, "QToolButton"}, {40, "QToolButton"}, {41, "QToolButton"}, {42, "QCheckBox"}, {43, "PixmapWidget"}, {44, "PixmapWidget"}, {45, "PixmapWidget"}, {46, "QPushButton"}, {47, "QPushButton"}, {48, "QPushButton"}, {49, "QRadioButton"}, {50, "QRadioButton"}, {51, "QRadioButton"}, {52, "QComboBox"}, {53, "QButtonGroup"}, {54, "QButtonGroup"}, {55, "QButtonGroup"}, {56, "QButtonGroup"}, {57, "QButtonGroup"}, {58, "QRadioButton"}, {59, "QRadioButton"}, {60, "QRadioButton"}, {220, "QRadioButton"}, {221, "QRadioButton"}, {222, "QRadioButton"}, {223, "QRadioButton"}, {224, "QCheckBox"}, {225, "QRadioButton"}, {226, "QLabel"}, {227, "QLabel"}, {228, "QButtonGroup"}, {229, "QButtonGroup"}, {338, "QRadioButton"}, {339, "QRadioButton"}, {340, "QRadioButton"}, {341, "QCheckBox"}, {342, "QCheckBox"}, {343, "QCheckBox"}, {344, "QRadioButton"}, {345, "QRadioButton"}, {346, "QCheckBox"}, {347, "QCheckBox"}, {348, "QCheckBox"}, {349, "QCheckBox"}, {350, "QCheckBox"}, {351, "QCheckBox"}, {352, "QCheckBox"}, {353, "QCheckBox"}, {354, "QCheckBox"}, {355, "QCheckBox"}, {356, "QRadioButton"}, {357, "QRadioButton"}, {358, "QRadioButton"}, {359, "QButtonGroup"}, {360, "QButtonGroup"}, {361, "QButtonGroup"}}},
    {5, {{433, "QAction"}, {434, "QAction"}, {435, "QAction"}, {436, "QAction"}, {437, "QAction"}, {438, "QAction"}}},
    {3, {{9, "QTextEdit"}}},
    {4, {{460, "QAction"}, {461, "QAction"}, {462, "QAction"}, {463, "QAction"}, {464, "QAction"}, {465, "QAction"}, {466, "QAction"}, {467, "QAction"}, {468, "QAction"}, {469, "QAction"}, {470, "QAction"}, {471, "QAction"}, {472, "QAction"}, {473, "QAction"}, {474, "QAction"}, {475, "QAction"}, {476, "QAction"}, {477, "QAction"}, {478, "QAction"}, {479, "QAction"}, {480, "QAction"}, {481, "QAction"}, {482, "QAction"}, {483, "QAction"}, {486, "QAction"}, {487, "QAction"}, {488, "QAction"}, {489, "QAction"}, {490, "QAction"}}},
    {7, {{449, "QAction"}, {450, "QAction"}, {451, "QAction"}}},
    {6, {{455, "QAction"}, {456, "QAction"}, {458, "QAction"}, {459, "QAction"}}},
    {8, {{439, "QAction"}, {440, "QAction"}, {441, "QAction"}, {442, "QAction"}, {443, "QAction"}, {444, "QAction"}, {446, "QAction"}}},
    {176, {{177, "QCheckBox"}, {178, "QCheckBox"}, {179, "QPushButton"}, {181, "QRadioButton"}, {182, "QRadioButton"}, {183, "QRadioButton"}, {184, "QCheckBox"}, {185, "QCheckBox"}, {186, "QButtonGroup"}}},
    {391, {{392, "QCheckBox"}, {393, "QCheckBox"}, {394, "QCheckBox"}, {395, "QCheckBox"}, {396, "QCheckBox"}, {397, "QCheckBox"}, {398, "QCheckBox"}, {399, "QCheckBox"}, {400, "QCheckBox"}, {401, "QCheckBox"}, {402, "QPushButton"}, {403, "QLabel"}, {404, "QCheckBox"}, {405, "QRadioButton"}, {406, "QRadioButton"}, {407, "QRadioButton"}}},
    {215, {{216, "QTextBrowser"}, {217, "QToolButton"}, {218, "QToolButton"}, {219, "QToolButton"}}},
    {427, {{428, "QPushButton"}, {429, "QCheckBox"}, {430, "QCheckBox"}, {431, "QCheckBox"}, {432, "QCheckBox"}}},
    {105, {{106, "QLabel"}, {107, "QPushButton"}, {108, "QPushButton"}, {109, "QPushButton"}, {110, "QPushButton"}, {111, "QPushButton"}}},
    {112, {{113, "QLabel"}, {114, "QPushButton"}, {115, "QPushButton"}}},
    {296, {{297, "QLabel"}, {298, "QLabel"}, {299, "QLabel"}, {300, "QLabel"}, {301, "QLabel"}, {302, "QLabel"}, {303, "QPushButton"}}},
    {308, {{309, "QPushButton"}, {310, "QLabel"}, {311, "QComboBox"}, {312, "QLabel"}, {313, "QLabel"}, {314, "QComboBox"}, {315, "QLabel"}, {316, "QLabel"}, {317, "QComboBox"}, {318, "QLabel"}, {319, "QLabel"}, {320, "QPushButton"}}},
    {321, {{322, "QTableWidget"}, {324, "QLabel"}, {325, "QLabel"}, {326, "QLabel"}, {327, "QLabel"}, {328, "QLabel"}, {329, "QLabel"}, {330, "QLabel"}, {331, "QLabel"}, {332, "QLabel"}, {333, "QPushButton"}, {334, "QLineEdit"}, {335, "QLabel"}, {336, "QPushButton"}, {337, "QPushButton"}}},
    {370, {{371, "QToolButton"}, {372, "QToolButton"}, {373, "QToolButton"}, {374, "QToolButton"}, {375, "QToolButton"}, {376, "QToolButton"}, {377, "QToolButton"}, {378, "QToolButton"}, {379, "QToolButton"}, {380, "QToolButton"}, {381, "QToolButton"}, {382, "QToolButton"}, {387, "QPushButton"}, {388, "QLabel"}, {389, "QLabel"}, {390, "QButtonGroup"}}},
    {423, {{424, "QPushButton"}, {425, "QPushButton"}}},
    {61, {{62, "QToolButton"}, {63, "QToolButton"}, {64, "QToolButton"}, {65, "QToolButton"}, {66, "QToolButton"}, {67, "QToolButton"}, {68, "QToolButton"}, {69, "QLabel"}, {70, "QPushButton"}, {72, "QToolButton"}, {73, "QToolButton"}, {74, "QPushButton"}, {75, "QLabel"}, {77, "QPushButton"}, {78, "QButtonGroup"}, {79, "QLabel"}, {80, "QLabel"}}},
    {81, {{82, "QToolButton"}, {83, "QToolButton"}, {84, "QToolButton"}, {85, "QToolButton"}, {86, "QToolButton"}, {87, "QToolButton"}, {88, "QToolButton"}, {89, "QToolButton"}, {90, "QToolButton"}, {91, "QToolButton"}, {92, "QToolButton"}, {93, "QLabel"}, {94, "QPushButton"}, {99, "QPushButton"}, {100, "QLabel"}, {101, "QPushButton"}, {102, "QButtonGroup"}, {103, "QLabel"}, {104, "QLabel"}}},
    {420, {}},
    {158, {{159, "QLineEdit"}, {160, "QLineEdit"}, {161, "QLineEdit"}, {162, "QLineEdit"}, {163, "QRadioButton"}, {164, "QRadioButton"}, {165, "QRadioButton"}, {166, "QRadioButton"}, {167, "QRadioButton"}, {168, "QRadioButton"}, {169, "QComboBox"}, {170, "QPushButton"}}},
    {172, {{173, "QCheckBox"}, {174, "QLineEdit"}, {175, "QLineEdit"}}},
    {365, {{366, "QTableWidget"}, {367, "QPushButton"}, {368, "QPushButton"}, {369, "QLabel"}}},
    {187, {{188, "QPushButton"}}},
    {304, {{305, "QLabel"}, {306, "QPushButton"}, {307, "QPushButton"}}},
};
// clang-format on

// A form set up on a fresh host of its kind.
struct SetUpForm {
    std::unique_ptr<QWidget> host;
    std::unique_ptr<DialogControlFactory> dialogBinding;
    std::unique_ptr<WindowControlFactory> windowBinding;
    std::unique_ptr<MenuControlFactory> menuBinding;
    std::unique_ptr<TestWindowHost> receiver;

    explicit SetUpForm(const FormRow& row, const char* presetName = nullptr)
    {
        switch (row.kind) {
        case Kind::Dialog: {
            auto* dialog = new TestDialogHost;
            host.reset(dialog);
            if (presetName)
                dialog->setObjectName(presetName);
            dialogBinding.reset(FormRegistry::findDialogForm(row.formId)());
            dialogBinding->setup(dialog);
            break;
        }
        case Kind::Window: {
            auto* window = new TestWindowHost;
            host.reset(window);
            if (presetName)
                window->setObjectName(presetName);
            windowBinding.reset(FormRegistry::findWindowForm(row.formId)());
            windowBinding->setup(window);
            break;
        }
        case Kind::Menu: {
            receiver = std::make_unique<TestWindowHost>();
            auto* bar = new QMenuBar;
            host.reset(bar);
            if (presetName)
                bar->setObjectName(presetName);
            menuBinding.reset(FormRegistry::findMenuForm(row.formId)());
            menuBinding->setup(bar, receiver.get());
            break;
        }
        }
    }
    ~SetUpForm()
    {
        // A dialog binding deletes its mapper, which must happen before the host goes.
        dialogBinding.reset();
        host.reset();
    }
};

class Forms : public ::testing::TestWithParam<FormRow> {
protected:
    static void SetUpTestSuite()
    {
        registerControlIds();
        registerForms();
    }
};

TEST_P(Forms, RegisteredUnderItsKindOnly)
{
    const FormRow& row = GetParam();
    EXPECT_EQ(bool(FormRegistry::findDialogForm(row.formId)), row.kind == Kind::Dialog);
    EXPECT_EQ(bool(FormRegistry::findWindowForm(row.formId)), row.kind == Kind::Window);
    EXPECT_EQ(bool(FormRegistry::findMenuForm(row.formId)), row.kind == Kind::Menu);
}

TEST_P(Forms, SetsUpHostWithNameSizeTitleAndFlags)
{
    const FormRow& row = GetParam();
    SetUpForm form(row);
    QWidget& host = *form.host;
    EXPECT_EQ(host.objectName(), QString::fromUtf8(row.objectName));
    EXPECT_EQ(host.size(), QSize(row.width, row.height));
    if (row.minW != kNone)
        EXPECT_EQ(host.minimumSize(), QSize(row.minW, row.minH));
    else
        EXPECT_EQ(host.minimumSize(), QSize(0, 0));
    if (row.maxW != kNone)
        EXPECT_EQ(host.maximumSize(), QSize(row.maxW, row.maxH));
    else if (row.kind != Kind::Menu)
        EXPECT_EQ(host.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    EXPECT_EQ(host.windowTitle(), QString::fromUtf8(row.title));
    EXPECT_FALSE(host.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    if (row.kind == Kind::Dialog)
        EXPECT_TRUE(host.windowFlags().testFlag(Qt::Dialog));

    const bool embedded = row.xPosition != kNotEmbedded;
    EXPECT_EQ(host.property("isEmbedded").isValid(), embedded);
    if (embedded) {
        EXPECT_EQ(host.property("isEmbedded"), QVariant(true));
        EXPECT_EQ(host.property("xPosition"), QVariant(row.xPosition));
        EXPECT_EQ(host.property("yPosition"), QVariant(row.yPosition));
    }
    if (row.kind == Kind::Window) {
        auto* client = qobject_cast<ClientFenster*>(static_cast<QMainWindow&>(host).centralWidget());
        ASSERT_NE(client, nullptr);
        EXPECT_EQ(client->objectName(), "centralwidget");
    }
}

TEST_P(Forms, KeepsTheNameOfANamedHost)
{
    SetUpForm form(GetParam(), "Gastgeber");
    EXPECT_EQ(form.host->objectName(), "Gastgeber");
}

TEST_P(Forms, EveryNameHasAnIdOfItsFormOrIsADecoration)
{
    const FormRow& row = GetParam();
    SetUpForm form(row);
    const auto& blocks = kBlocks.at(row.formId);
    for (QObject* object : form.host->findChildren<QObject*>()) {
        const QString name = object->objectName();
        if (name.isEmpty() || isUnaddressable(name))
            continue;
        const int id = ControlIds::idOf(name);
        bool inBlock = id == 1 || id == 2;
        for (const auto& [first, last] : blocks)
            inBlock = inBlock || (id >= first && id <= last);
        EXPECT_TRUE(inBlock) << row.objectName << ": " << name.toStdString() << " has id " << id;
    }
}

TEST_P(Forms, EachIdResolvesToExactlyOneObjectOfItsClass)
{
    const FormRow& row = GetParam();
    SetUpForm form(row);
    for (const ExpectedControl& control : kControls.at(row.formId)) {
        const QString name = ControlIds::qNameOf(control.id);
        const auto objects = form.host->findChildren<QObject*>(name);
        ASSERT_EQ(objects.size(), 1) << row.objectName << ": id " << control.id << " '" << name.toStdString() << "'";
        EXPECT_TRUE(objects.front()->inherits(control.className))
            << name.toStdString() << " is " << objects.front()->metaObject()->className();
    }
}

INSTANTIATE_TEST_SUITE_P(All, Forms, ::testing::ValuesIn(kForms), [](const auto& info) {
    return std::string(info.param.objectName == std::string("Dialog") ? "F_spielverlauf" : info.param.objectName);
});

TEST(FormRegistryContent, HoldsThirtyFourFormsInThreeKinds)
{
    registerControlIds();
    registerForms();
    EXPECT_EQ(FormRegistry::menuForms().size(), 1u);
    EXPECT_EQ(FormRegistry::windowForms().size(), 5u);
    EXPECT_EQ(FormRegistry::dialogForms().size(), 28u);
    for (const FormRow& row : kForms)
        EXPECT_TRUE(kControls.count(row.formId)) << row.formId;
}

} // namespace
