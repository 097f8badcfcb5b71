// Details of single forms that their controllers rely on: initial states,
// groups, fonts, stacking and item lists.

#include "FormTestHosts.h"

#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "vordix/windows/ControlIds.h"
#include "vordix/windows/FormRegistry.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

// A dialog form set up on a test host, looked up by form id.
class DialogForm {
public:
    explicit DialogForm(int formId) : binding_(FormRegistry::findDialogForm(formId)()) { binding_->setup(&host_); }
    ~DialogForm() { binding_.reset(); }

    template <class T = QWidget>
    T* control(int id) const
    {
        return host_.findChild<T*>(ControlIds::qNameOf(id));
    }
    bool checked(int id) const { return control<QAbstractButton>(id)->isChecked(); }
    TestDialogHost& host() { return host_; }

private:
    TestDialogHost host_;
    std::unique_ptr<DialogControlFactory> binding_;
};

class FormDetails : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        registerControlIds();
        registerForms();
    }
};

TEST_F(FormDetails, AnnouncePanelsStartWithClubsAndNoLevel)
{
    struct Panel {
        int formId, group, clubs, first, last;
        std::vector<int> levels;
    };
    for (const Panel& p : {Panel{61, 78, 62, 62, 67, {68, 72, 73}}, Panel{81, 102, 82, 82, 87, {88, 89, 90, 91, 92}}}) {
        DialogForm form(p.formId);
        auto* group = form.control<QButtonGroup>(p.group);
        ASSERT_NE(group, nullptr) << p.formId;
        EXPECT_TRUE(group->exclusive());
        EXPECT_EQ(group->buttons().size(), 6);
        EXPECT_EQ(ControlIds::idOf(group->checkedButton()->objectName()), p.clubs);
        for (QAbstractButton* b : group->buttons()) {
            const int id = ControlIds::idOf(b->objectName());
            EXPECT_TRUE(id >= p.first && id <= p.last) << b->objectName().toStdString();
        }
        for (int level : p.levels) {
            EXPECT_FALSE(form.checked(level)) << level;
            EXPECT_FALSE(group->buttons().contains(form.control<QAbstractButton>(level))) << level;
        }
        // Checking another game type unchecks clubs.
        form.control<QAbstractButton>(p.last)->click();
        EXPECT_FALSE(form.checked(p.clubs));
    }
}

TEST_F(FormDetails, ProposalButtonLiesAboveTheSeatLabel)
{
    for (const auto& [formId, proposal, seat] : {std::tuple{61, 70, 80}, std::tuple{81, 94, 103}}) {
        DialogForm form(formId);
        const QObjectList& order = form.host().children();
        EXPECT_GT(order.indexOf(form.control(proposal)), order.indexOf(form.control(seat))) << formId;
    }
    DialogForm settlement(121);
    const QObjectList& bubble = settlement.control(139)->children();
    EXPECT_EQ(bubble.last(), settlement.control(140));
}

TEST_F(FormDetails, FontsOfHeadingsAndPlaceholders)
{
    struct FontCase {
        int formId, controlId, pointSize;
        bool bold;
        const char* text;
    };
    for (const FontCase& c :
         {FontCase{61, 79, 12, true, "<<dummy>>"}, FontCase{121, 138, 12, true, "&Weiter"},
          FontCase{121, 126, 12, false, "mit_"}, FontCase{116, 113, 12, true, "Das Spiel wurde eingepasst."},
          FontCase{105, 106, 10, true, "<<dummy>>"}, FontCase{16, 227, 10, true, "Farben"},
          FontCase{282, 283, 10, false, "Standard"}}) {
        DialogForm form(c.formId);
        QWidget* w = form.control(c.controlId);
        ASSERT_NE(w, nullptr) << c.controlId;
        EXPECT_EQ(w->font().pointSize(), c.pointSize) << c.controlId;
        EXPECT_EQ(w->font().bold(), c.bold) << c.controlId;
        const QString text =
            qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text() : qobject_cast<QAbstractButton*>(w)->text();
        EXPECT_EQ(text, QString::fromUtf8(c.text)) << c.controlId;
    }
}

TEST_F(FormDetails, SettingsDialogStartsOnThePlayerPage)
{
    DialogForm form(16);
    auto* tabs = form.host().findChild<QTabWidget*>("TabControl");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->tabText(3), "Regeln");
    auto* language = form.control<QComboBox>(52);
    ASSERT_EQ(language->count(), 2);
    EXPECT_EQ(language->itemText(0), "Deutsch");
    EXPECT_EQ(language->itemText(1), "English");
    for (int name : {17, 18, 19})
        EXPECT_EQ(form.control<QLineEdit>(name)->maxLength(), 50);
    // Exactly one theme and one card set are checked; nothing else.
    for (int id = 17; id <= 60; ++id)
        if (auto* b = form.control<QAbstractButton>(id))
            EXPECT_EQ(b->isChecked(), id == 36 || id == 38) << id;
    for (int id : {220, 221, 222, 223, 224, 225, 341, 343, 344, 345, 355})
        EXPECT_FALSE(form.checked(id)) << id;
    EXPECT_EQ(form.control<QButtonGroup>(53)->buttons().size(), 4);
    EXPECT_EQ(form.control<QButtonGroup>(361)->buttons().size(), 2);
}

TEST_F(FormDetails, SettingsGroupsHoldTheirButtonsInOrderAndBelongToTheForm)
{
    struct Group {
        int id;
        std::vector<int> members;
    };
    const Group groups[] = {
        {56, {49, 50, 51}},     {57, {60, 58, 59}},     {54, {36, 35, 34, 37}}, {55, {23, 24, 25, 26}},
        {53, {39, 38, 40, 41}}, {229, {222, 223, 225}}, {228, {220, 221}},      {359, {338, 339, 340}},
        {361, {344, 345}},      {360, {356, 357, 358}},
    };
    DialogForm form(16);
    for (const Group& g : groups) {
        SCOPED_TRACE(g.id);
        auto* group = form.control<QButtonGroup>(g.id);
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->parent(), &form.host());
        EXPECT_TRUE(group->exclusive());
        std::vector<int> members;
        for (QAbstractButton* b : group->buttons())
            members.push_back(ControlIds::idOf(b->objectName()));
        EXPECT_EQ(members, g.members);
    }
}

TEST_F(FormDetails, SettingsPagesAreTitledAndUnusedIdsFindNothing)
{
    DialogForm form(16);
    auto* tabs = form.host().findChild<QTabWidget*>("TabControl");
    ASSERT_NE(tabs, nullptr);
    const char* titles[] = {"Spieler", "Grafik und Ablauf", "Spielkarten", "Regeln"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(tabs->tabText(i), QString::fromUtf8(titles[i])) << i;
    for (int id : {20, 21, 22, 28, 29, 32, 33})
        EXPECT_EQ(form.control(id), nullptr) << id;
}

TEST_F(FormDetails, SettingsToolButtonsShowTheirPicturesAtTheirOwnSize)
{
    struct Tool {
        int id;
        const char* text;
        const char* picture; // none: no picture
    };
    const Tool tools[] = {{36, "Kneipe", ":/dialogues/Theme_Thumbnail_Kneipe.bmp"},
                          {35, "Insel", ":/dialogues/Theme_Thumbnail_Meer.bmp"},
                          {34, "Berge", ":/dialogues/Theme_Thumbnail_Berge.bmp"},
                          {37, "Leer", ":/dialogues/Theme_Thumbnail_Leer.bmp"},
                          {38, "Französisches Bild", ":/dialogues/Blatt_Thumbnail_Franzoesisch.bmp"},
                          {39, "Turnier-Bild", ":/dialogues/Blatt_Thumbnail_Turnier.bmp"},
                          {40, "Deutsches Bild", ":/dialogues/Blatt_Thumbnail_Deutsch.bmp"},
                          {41, "?", nullptr}};
    DialogForm form(16);
    for (const Tool& t : tools) {
        SCOPED_TRACE(t.id);
        auto* tool = form.control<QToolButton>(t.id);
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(tool->text(), QString::fromUtf8(t.text));
        EXPECT_EQ(tool->iconSize(), QSize(80, 65));
        EXPECT_EQ(tool->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_TRUE(tool->isCheckable());
        EXPECT_EQ(tool->icon().isNull(), t.picture == nullptr);
        if (!t.picture)
            continue;
        // 80 × 65 is the most a picture takes: a smaller one keeps its size.
        const QSize natural = QImage(QString::fromUtf8(t.picture)).size();
        ASSERT_TRUE(natural.isValid());
        EXPECT_LE(natural.width(), 80);
        EXPECT_LE(natural.height(), 65);
        EXPECT_EQ(tool->icon().actualSize(tool->iconSize()), natural);
    }
}

TEST_F(FormDetails, KontraRestrictionsExcludeEachOtherButNotKontraItself)
{
    DialogForm form(16);
    QAbstractButton* kontra = form.control<QAbstractButton>(343);
    QAbstractButton* firstCard = form.control<QAbstractButton>(344);
    QAbstractButton* secondTrick = form.control<QAbstractButton>(345);
    firstCard->click();
    EXPECT_TRUE(firstCard->isChecked());
    secondTrick->click();
    EXPECT_TRUE(secondTrick->isChecked());
    EXPECT_FALSE(firstCard->isChecked());
    firstCard->click();
    EXPECT_FALSE(secondTrick->isChecked());
    EXPECT_FALSE(kontra->isChecked());
}

TEST_F(FormDetails, PickerToolsExcludeEachOtherAndStartUnchecked)
{
    DialogForm form(408);
    QAbstractButton* pan = form.control<QAbstractButton>(416);
    QAbstractButton* eraser = form.control<QAbstractButton>(417);
    auto* group = form.control<QButtonGroup>(415);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->buttons(), (QList<QAbstractButton*>{pan, eraser}));
    EXPECT_FALSE(pan->isChecked());
    EXPECT_FALSE(eraser->isChecked());
    EXPECT_EQ(pan->iconSize(), QSize(48, 48));
    eraser->click();
    pan->click();
    EXPECT_TRUE(pan->isChecked());
    EXPECT_FALSE(eraser->isChecked());
    EXPECT_EQ(form.host().minimumSize(), QSize(411, 456));
    EXPECT_EQ(form.host().maximumSize(), QSize(511, 456));
    auto* hint = form.host().findChild<QLabel*>("label");
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->wordWrap());
    EXPECT_TRUE(hint->text().startsWith(QString::fromUtf8("Wähle ein Foto aus")));
    for (int id : {411, 414})
        EXPECT_EQ(form.control(id), nullptr) << id;
}

TEST_F(FormDetails, HighScoreRowsFollowTheirBaseIds)
{
    DialogForm form(230);
    for (int k = 0; k < 10; ++k)
        for (int base : {232, 242, 252}) {
            QWidget* cell = form.control(base + k);
            ASSERT_NE(cell, nullptr) << base + k;
            EXPECT_EQ(cell->y(), 52 + 22 * k) << base + k;
        }
}

TEST_F(FormDetails, NetworkDialogsAndTables)
{
    DialogForm host(308);
    EXPECT_TRUE(host.control(311)->isHidden());
    EXPECT_FALSE(host.control(314)->isHidden());
    EXPECT_EQ(host.control<QComboBox>(317)->itemText(0), "Netzwerkspieler");

    DialogForm join(321);
    auto* servers = join.control<QTableWidget>(322);
    EXPECT_EQ(servers->columnCount(), 1);
    EXPECT_EQ(servers->rowCount(), 0);
    EXPECT_TRUE(servers->isSortingEnabled());
    EXPECT_TRUE(servers->verticalHeader()->isHidden());

    DialogForm exercises(365);
    auto* list = exercises.control<QTableWidget>(366);
    ASSERT_EQ(list->columnCount(), 3);
    EXPECT_EQ(list->horizontalHeaderItem(2)->text(), "Titel");
    EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(list->verticalHeader()->defaultSectionSize(), 17);
}

TEST_F(FormDetails, ActionsWithoutAnIdAreNotWired)
{
    TestWindowHost window;
    auto* bar = new QMenuBar(&window);
    auto* stray = new QAction("fremd", bar);
    stray->setObjectName("Spi_nicht_im_menue");
    std::unique_ptr<MenuControlFactory> binding(FormRegistry::findMenuForm(4)());
    binding->setup(bar, &window);
    stray->trigger();
    EXPECT_TRUE(window.actions.empty());
}

// uic 6 ignores a bare font weight such as 75: a form marks bold text only
// with <bold>, so no font in any form file carries a weight.
TEST(FormFiles, FontsMarkBoldWithoutAWeight)
{
    const std::filesystem::path folder = std::filesystem::path(SKAT_SOURCE_DIR) / "skat" / "windows";
    int forms = 0;
    int boldFonts = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".ui")
            continue;
        ++forms;
        std::ifstream in(entry.path());
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(text.find("<weight>"), std::string::npos) << entry.path().filename();
        for (std::size_t at = text.find("<bold>true</bold>"); at != std::string::npos;
             at = text.find("<bold>true</bold>", at + 1))
            ++boldFonts;
    }
    EXPECT_EQ(forms, 34);
    EXPECT_GT(boldFonts, 0);
}

} // namespace

namespace {

TEST(MainWindowForm, TextViewIsReadOnlyButSelectable)
{
    registerControlIds();
    registerForms();
    TestWindowHost window;
    std::unique_ptr<WindowControlFactory> binding(FormRegistry::findWindowForm(3)());
    binding->setup(&window);
    auto* view = window.findChild<QTextEdit*>(ControlIds::qNameOf(9));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->parent(), window.centralWidget());
    EXPECT_TRUE(view->isReadOnly());
    EXPECT_EQ(view->textInteractionFlags(), Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    EXPECT_EQ(window.font().pointSize(), 8);
}

TEST_F(FormDetails, BugReportTextKeepsOnlyTheCharactersOfPastedFormattedText)
{
    DialogForm form(362);
    auto* edit = form.control<QTextEdit>(363);
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(edit->acceptRichText());
    EXPECT_EQ(edit->toPlainText(), QString()); // nothing visible at first
    auto* data = new QMimeData;
    data->setHtml(QStringLiteral("<b>fett</b> <i>kursiv</i> <span style=\"color:red\">rot</span>"));
    data->setText(QStringLiteral("fett kursiv rot"));
    QGuiApplication::clipboard()->setMimeData(data);
    edit->paste();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("fett kursiv rot"));
    const QString html = edit->toHtml();
    for (const char* format : {"font-weight:700", "font-style:italic", "color:#ff0000"})
        EXPECT_FALSE(html.contains(QLatin1String(format))) << format;
}

} // namespace

namespace {

// The forms of the aids as their controllers use them: the seat group of
// the free game, the help window's topic bar, the hints panel's boxes and
// the statistics' name column.
TEST_F(FormDetails, AidFormsOfferWhatTheirControllersAddress)
{
    {
        DialogForm free(176);
        auto* seats = free.control<QButtonGroup>(186);
        ASSERT_NE(seats, nullptr);
        EXPECT_TRUE(seats->exclusive());
        EXPECT_EQ(seats->checkedButton(), nullptr) << "the controller checks the remembered seat";
        std::vector<int> members;
        for (QAbstractButton* b : seats->buttons())
            members.push_back(ControlIds::idOf(b->objectName()));
        EXPECT_EQ(members, (std::vector<int>{181, 182, 183}));
        for (int box : {177, 178, 184, 185})
            EXPECT_FALSE(free.checked(box)) << box;
        free.control<QAbstractButton>(182)->click();
        free.control<QAbstractButton>(183)->click();
        EXPECT_EQ(ControlIds::idOf(seats->checkedButton()->objectName()), 183) << "one seat at a time";
    }
    {
        DialogForm help(215);
        auto* browser = help.control<QTextBrowser>(216);
        ASSERT_NE(browser, nullptr);
        EXPECT_TRUE(browser->source().isEmpty()) << "empty until a page is loaded";
        // On screen: Programmhilfe, Einführung, Regeln; one of them down.
        const QWidget* program = help.control(219);
        const QWidget* intro = help.control(217);
        const QWidget* rules = help.control(218);
        EXPECT_LT(program->x(), intro->x());
        EXPECT_LT(intro->x(), rules->x());
        EXPECT_TRUE(help.checked(219));
        help.control<QAbstractButton>(218)->click();
        EXPECT_TRUE(help.checked(218));
        EXPECT_FALSE(help.checked(219));
        help.control<QAbstractButton>(218)->click();
        EXPECT_TRUE(help.checked(218)) << "a second click leaves it down";
    }
    {
        DialogForm hints(427);
        EXPECT_FALSE(hints.control<QAbstractButton>(428)->isCheckable());
        for (int box : {429, 430, 431, 432})
            EXPECT_FALSE(hints.checked(box)) << box;
        EXPECT_EQ(hints.host().property("xPosition").toInt(), -3);
    }
    {
        DialogForm shorten(423);
        EXPECT_LT(shorten.control(424)->y(), shorten.control(425)->y()) << "Schenken/Legen above Alles zu mir";
    }
    {
        DialogForm statistics(230);
        for (int name : {262, 263, 264}) {
            EXPECT_FALSE(statistics.control(name)->font().bold()) << name;
            EXPECT_EQ(statistics.control<QLabel>(name)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        }
        EXPECT_TRUE(statistics.control(278)->font().bold());
        EXPECT_EQ(statistics.host().findChild<QTabWidget*>("TabControl")->currentIndex(), 0);
    }
}

// The training forms: each group takes its radio buttons in the order of the
// form and lets one of them be checked; everything starts empty for the
// controller to fill.
TEST_F(FormDetails, TrainingFormsStartEmptyAndGroupTheirChoices)
{
    struct Group {
        int formId, groupId;
        std::vector<int> members;
    };
    for (const Group& g : {Group{158, 171, {163, 167, 166, 164, 168, 165}}, Group{141, 155, {142, 143, 144}},
                           Group{141, 156, {145, 146, 147}}, Group{141, 157, {148, 149}}}) {
        SCOPED_TRACE(g.groupId);
        DialogForm form(g.formId);
        auto* group = form.control<QButtonGroup>(g.groupId);
        ASSERT_NE(group, nullptr);
        EXPECT_TRUE(group->exclusive());
        EXPECT_EQ(group->checkedButton(), nullptr);
        std::vector<int> members;
        for (QAbstractButton* b : group->buttons())
            members.push_back(ControlIds::idOf(b->objectName()));
        EXPECT_EQ(members, g.members);
        for (int id : g.members) {
            form.control<QAbstractButton>(id)->click();
            ASSERT_NE(group->checkedButton(), nullptr);
            EXPECT_EQ(ControlIds::idOf(group->checkedButton()->objectName()), id);
        }
        // The other groups of the form are left alone.
        for (QButtonGroup* other : form.host().findChildren<QButtonGroup*>())
            if (other != group)
                EXPECT_EQ(other->checkedButton(), nullptr) << other->objectName().toStdString();
    }
    {
        DialogForm deal(158);
        EXPECT_EQ(deal.control<QComboBox>(169)->count(), 0);
        for (int field : {159, 160, 161, 162})
            EXPECT_TRUE(deal.control<QLineEdit>(field)->text().isEmpty()) << field;
        EXPECT_EQ(deal.host().minimumSize(), QSize(491, 326));
        EXPECT_EQ(deal.host().maximumSize(), QSize(491, 326));
    }
    {
        DialogForm value(172);
        EXPECT_TRUE(value.control<QLineEdit>(174)->text().isEmpty());
        EXPECT_TRUE(value.control<QLineEdit>(175)->text().isEmpty());
        EXPECT_FALSE(value.checked(173));
    }
    {
        DialogForm logic(282);
        for (int box = 289; box <= 294; ++box)
            EXPECT_FALSE(logic.checked(box)) << box;
        for (int id : {1, 2, 284, 285})
            EXPECT_EQ(logic.control(id), nullptr) << id;
    }
    {
        DialogForm heuristics(391);
        for (int box = 392; box <= 401; ++box) {
            heuristics.control<QAbstractButton>(box)->click();
            EXPECT_TRUE(heuristics.checked(box)) << box;
        }
        EXPECT_TRUE(heuristics.checked(392)) << "the heuristics are independent";
        heuristics.control<QAbstractButton>(405)->click();
        heuristics.control<QAbstractButton>(406)->click();
        EXPECT_TRUE(heuristics.checked(406));
        EXPECT_FALSE(heuristics.checked(405)) << "the significance is one choice";
        EXPECT_FALSE(heuristics.checked(404));
    }
}

// The calculator offers the proposal beside its texts, and its headings and
// footnote show their whole text.
TEST_F(FormDetails, CalculatorShowsItsProposalAndWholeHeadings)
{
    DialogForm calculator(370);
    auto* proposal = calculator.control<QAbstractButton>(385);
    ASSERT_NE(proposal, nullptr);
    EXPECT_EQ(proposal->parentWidget()->objectName(), "Tab_2");
    EXPECT_FALSE(proposal->isCheckable());
    for (const char* name : {"label_42", "label_44", "label_47", "label_49", "label_50"}) {
        auto* heading = calculator.host().findChild<QLabel*>(name);
        ASSERT_NE(heading, nullptr) << name;
        EXPECT_LE(heading->heightForWidth(heading->width()), heading->height()) << name;
    }
    auto* footnote = calculator.host().findChild<QLabel*>("label");
    ASSERT_NE(footnote, nullptr);
    const QRect text = footnote->fontMetrics().boundingRect(QRect(0, 0, 10000, 1000), 0, footnote->text());
    EXPECT_LE(text.width(), footnote->width());
    EXPECT_LE(footnote->geometry().right(), calculator.host().width());
}

} // namespace

namespace {

// The texts of the aids' forms are whole in German and English: a label
// that wraps needs no more height than it has, one that does not wrap no
// more width. (The fonts are the system's; the forms' sizes are fixed.)
TEST_F(FormDetails, AidFormTextsFitTheirLabelsInBothLanguages)
{
    for (const bool english : {false, true}) {
        QTranslator translator;
        if (english) {
            ASSERT_TRUE(translator.load(QStringLiteral(SKAT_BINARY_DIR "/skat/windows/Skat.en.qm")));
            QCoreApplication::installTranslator(&translator);
        }
        // About box, free game, change of game state, statistics, shortening, hints.
        for (int formId : {105, 176, 187, 230, 423, 427}) {
            DialogForm form(formId);
            for (const QLabel* label : form.host().findChildren<QLabel*>()) {
                if (label->text().isEmpty() || label->text() == QLatin1String("<<dummy>>"))
                    continue;
                const std::string where = std::to_string(formId) + " " + label->objectName().toStdString()
                                          + (english ? " (English): " : ": ") + label->text().toStdString();
                if (label->wordWrap()) {
                    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << where;
                } else {
                    EXPECT_LE(label->sizeHint().width(), label->width()) << where;
                    EXPECT_LE(label->sizeHint().height(), label->height()) << where;
                }
            }
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

} // namespace
