#include "test_dialog_forms.h"

#include "vordix/Fenster.h"
#include "vordix/Preference.h"
#include "vordix/ResourceStrings.h"
#include "vordix/windows/WinCommunication.h"
#include "vordix/windows/WinPreference.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <atomic>

using namespace testforms;

namespace {

class DialogTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        window = std::make_unique<RecordingWindow<VORDIX_FENSTER>>();
        window->implementor()->createFromForm(WINDOW_FORM);
        window->isOpen = true;
    }
    void TearDown() override
    {
        window.reset();
        FormsTest::TearDown();
    }

    template <class T>
    static T* child(RecordingDialog& dialog, const char* name)
    {
        return dialog.win()->findChild<T*>(QString::fromLatin1(name));
    }

    // Runs f once the modal loop of the next show has started.
    static void whenShown(std::function<void()> f) { QTimer::singleShot(0, qApp, std::move(f)); }

    std::unique_ptr<RecordingWindow<VORDIX_FENSTER>> window;
};

} // namespace

TEST_F(DialogTest, ModelessDialogEndsWithTheIdOfTheButton)
{
    RecordingDialog dialog(DIALOG_FORM);
    ASSERT_NE(dialog.win(), nullptr);
    EXPECT_TRUE(dialog.win()->isModeless());

    dialog.implementor()->show(); // returns at once
    EXPECT_TRUE(dialog.win()->isVisible());
    EXPECT_EQ(dialog.inits, 1);

    child<QAbstractButton>(dialog, "h7_apply")->click();
    EXPECT_EQ(dialog.commands, std::vector<int>{APPLY});
    EXPECT_EQ(dialog.implementor()->result, APPLY);
    EXPECT_FALSE(dialog.win()->isVisible());
    EXPECT_EQ(dialog.closed, 1);

    // Shown again: initialised once only, the done flag cleared.
    dialog.implementor()->show();
    EXPECT_EQ(dialog.inits, 1);
    EXPECT_FALSE(dialog.implementor()->done);
    EXPECT_TRUE(dialog.win()->isVisible());
}

TEST_F(DialogTest, ButtonsBeforeTheFirstShowAreIgnored)
{
    RecordingDialog dialog(DIALOG_FORM);
    child<QAbstractButton>(dialog, "h7_apply")->click();
    EXPECT_TRUE(dialog.commands.empty());
    EXPECT_EQ(dialog.closed, 0);
}

TEST_F(DialogTest, ModalDialogOverAWindowReturnsWhenAButtonEndsIt)
{
    RecordingDialog dialog(window.get(), DIALOG_FORM);
    ASSERT_FALSE(dialog.win()->isModeless());
    bool wasVisible = false;
    whenShown([&] {
        wasVisible = dialog.win()->isVisible();
        child<QAbstractButton>(dialog, "okButton")->click();
    });
    dialog.implementor()->show(); // runs the dialog's own loop
    EXPECT_TRUE(wasVisible);
    EXPECT_EQ(dialog.implementor()->result, 1);
    EXPECT_EQ(dialog.win()->QDialog::result(), 1);
    EXPECT_FALSE(dialog.win()->isVisible());
    EXPECT_EQ(dialog.closed, 1);
}

// A dialog without a cancel button: standing on its own (the bid-value
// calculator, the help) Escape closes it as its frame does; over a window
// the key passes on to that window.
TEST_F(DialogTest, EscapeClosesADialogWithoutCancelOnlyWhenItStandsAlone)
{
    {
        RecordingDialog alone(NO_CANCEL_FORM);
        alone.endOnCommand = false;
        alone.implementor()->show(); // modeless: returns at once
        ASSERT_TRUE(alone.win()->isVisible());
        QTest::keyClick(alone.win(), Qt::Key_Escape);
        EXPECT_FALSE(alone.win()->isVisible());
        EXPECT_EQ(alone.closed, 1);
        EXPECT_TRUE(alone.commands.empty());
    }
    RecordingDialog over(window.get(), NO_CANCEL_FORM);
    bool stillVisible = false;
    whenShown([&] {
        QTest::keyClick(over.win(), Qt::Key_Escape);
        stillVisible = over.win()->isVisible();
        over.implementor()->endDialog(77);
    });
    over.implementor()->show();
    EXPECT_TRUE(stillVisible);
    EXPECT_EQ(over.implementor()->result, 77);
}

TEST_F(DialogTest, FrameCloseGivesCancelOrOkAndRespectsADisabledButton)
{
    struct Case {
        const char* name;
        int form;
        bool disableCancel;
        bool escape;
        int expected; // -100: the close is refused
    };
    const Case cases[] = {
        {"close with cancel", DIALOG_FORM, false, false, 2},
        {"Escape with cancel", DIALOG_FORM, false, true, 2},
        {"close with OK only", NO_CANCEL_FORM, false, false, 1},
        {"disabled cancel refuses", DIALOG_FORM, true, false, -100},
        {"disabled cancel refuses Escape", DIALOG_FORM, true, true, -100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDialog dialog(window.get(), c.form);
        if (c.disableCancel)
            dialog.implementor()->setControlState(2, VORDIX_DIALOG::OB_DISABLED);
        bool stillVisible = false;
        whenShown([&] {
            if (c.escape)
                QTest::keyClick(dialog.win(), Qt::Key_Escape);
            else
                dialog.win()->close();
            stillVisible = dialog.win()->isVisible();
            if (stillVisible)
                dialog.implementor()->endDialog(77);
        });
        dialog.implementor()->show();
        if (c.expected == -100) {
            EXPECT_TRUE(stillVisible);
            EXPECT_EQ(dialog.implementor()->result, 77);
            EXPECT_EQ(dialog.closed, 0);
        } else {
            EXPECT_FALSE(stillVisible);
            EXPECT_EQ(dialog.implementor()->result, c.expected);
            EXPECT_EQ(dialog.closed, 1);
        }
        EXPECT_TRUE(dialog.commands.empty());
    }
}

TEST_F(DialogTest, EmbeddedDialogLiesCentredAtTheBottomOfItsWindow)
{
    RecordingDialog dialog(window.get(), EMBEDDED_FORM);
    WIN_DIALOG* win = dialog.win();
    ASSERT_TRUE(win->isEmbedded());
    auto* host = dynamic_cast<WIN_FENSTER*>(window->implementor().get());
    ASSERT_NE(host, nullptr);
    host->QWidget::resize(640, 480);
    window->show();

    dialog.implementor()->show(); // no loop of its own
    EXPECT_TRUE(win->isVisible());
    EXPECT_FALSE(win->isWindow());
    EXPECT_EQ(win->parentWidget(), host);
    EXPECT_EQ(win->pos(), QPoint((640 - win->width()) / 2, 480 - win->height()));
    EXPECT_EQ(dialog.inits, 1);

    // setPosition resolves the codes the same way.
    win->move(0, 0);
    dialog.setPosition(15, 25);
    EXPECT_EQ(win->pos(), QPoint((640 - win->width()) / 2, 480 - win->height()));

    child<QAbstractButton>(dialog, "h7_apply")->click();
    EXPECT_FALSE(win->isVisible());
    EXPECT_EQ(dialog.closed, 1);
    // An embedded dialog is initialised at every show.
    dialog.implementor()->show();
    EXPECT_EQ(dialog.inits, 2);
}

TEST_F(DialogTest, PopupEndsWhenThePointerLeaves)
{
    RecordingDialog dialog(DIALOG_FORM);
    dialog.implementor()->showAsPopup();
    ASSERT_TRUE(dialog.win()->isVisible());
    QCursor::setPos(dialog.win()->mapToGlobal(QPoint(-50, -50)));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(dialog.win(), &leave);
    EXPECT_FALSE(dialog.win()->isVisible());
    EXPECT_EQ(dialog.implementor()->result, -1);
    EXPECT_EQ(dialog.closed, 1);
}

TEST_F(DialogTest, ControlOperationsById)
{
    RecordingDialog dialog(DIALOG_FORM);
    dialog.endOnCommand = false;
    VORDIX_DIALOG_imp& imp = *dialog.implementor();
    imp.show();

    // Combo: items from a resource string, current text matched ignoring case.
    ResourceStrings::instance().set(9500, L"Grand|Null|Ramsch");
    imp.setComboItems(COMBO, 9500, L"null");
    auto* combo = child<QComboBox>(dialog, "h7_combo");
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(imp.getControlText(COMBO), L"Null");
    dialog.commands.clear();
    imp.setCurrentIndex(COMBO, 2);
    EXPECT_EQ(dialog.commands, std::vector<int>{COMBO}); // the change reaches the owner

    // Table: rows 1-based, 0 without a current row.
    EXPECT_EQ(imp.getCurrentRow(TABLE), 0);
    imp.setTableRows(TABLE, {{L"a", L"b"}, {L"c", L"d", L"e"}});
    auto* table = child<QTableWidget>(dialog, "h7_table");
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->item(1, 2)->text(), QStringLiteral("e"));
    EXPECT_EQ(imp.getCurrentRow(TABLE), 1);
    table->setCurrentCell(1, 0);
    EXPECT_EQ(imp.getCurrentRow(TABLE), 2);
    EXPECT_EQ(imp.getCurrentRow(UNNAMED), 0);

    // Slider.
    imp.setSlider(SLIDER, 0, 10, 7);
    EXPECT_EQ(imp.getSliderValue(SLIDER), 7);
    imp.setSlider(SLIDER, 0, 10, 70);
    EXPECT_EQ(imp.getSliderValue(SLIDER), 10);
    EXPECT_EQ(imp.getSliderValue(UNNAMED), 0);

    // Button groups.
    EXPECT_EQ(imp.getCheckedButton(GROUP), -1);
    imp.checkGroupButton(GROUP, RADIO_B);
    EXPECT_EQ(imp.getCheckedButton(GROUP), RADIO_B);
    imp.uncheckGroup(GROUP);
    EXPECT_EQ(imp.getCheckedButton(GROUP), -1);
    EXPECT_EQ(imp.getCheckedButton(UNNAMED), -1); // a missing group is "nothing checked"
    imp.setGroupButtonState(GROUP, RADIO_A, VORDIX_DIALOG::OB_DISABLED);
    EXPECT_FALSE(child<QWidget>(dialog, "h7_radio_a")->isEnabled());
    imp.setGroupButtonText(GROUP, RADIO_A, L"Kreuz");
    EXPECT_EQ(child<QAbstractButton>(dialog, "h7_radio_a")->text(), QStringLiteral("Kreuz"));
    imp.setControlState(GROUP_ONLY, VORDIX_DIALOG::OB_DISABLED);
    for (QAbstractButton* b : dialog.win()->findChild<QButtonGroup*>("h7_grouponly")->buttons())
        EXPECT_FALSE(b->isEnabled());

    // Check states apply to checkable buttons only.
    imp.setControlState(APPLY, VORDIX_DIALOG::OB_CHECKED);
    EXPECT_FALSE(imp.isChecked(APPLY));
    imp.setControlState(TOGGLE, VORDIX_DIALOG::OB_CHECKED);
    EXPECT_TRUE(imp.isChecked(TOGGLE));
    imp.setControlState(LABEL, VORDIX_DIALOG::OB_HIDDEN);
    EXPECT_TRUE(child<QWidget>(dialog, "h7_label")->isHidden());
    imp.setControlState(1, VORDIX_DIALOG::OB_DISABLED); // OK found by its shared id
    EXPECT_FALSE(child<QWidget>(dialog, "okButton")->isEnabled());

    // Texts: the button wins over a label of the same name.
    imp.setControlText(PICTURE_TEXT, L"Bube");
    EXPECT_EQ(child<QPushButton>(dialog, "h7_pictext")->text(), QStringLiteral("Bube"));
    EXPECT_TRUE(child<QLabel>(dialog, "h7_pictext")->text().isEmpty());
    imp.setControlText(LABEL, L"Gr\u00fc\u00dfe");
    EXPECT_EQ(imp.getControlText(LABEL), L"Gr\u00fc\u00dfe");
    imp.setControlText(LINE, L"Anna");
    EXPECT_EQ(imp.getControlText(LINE), L"Anna");
    imp.setControlText(UNNAMED, L"nowhere");
    EXPECT_EQ(imp.getControlText(UNNAMED), L"");
    imp.setToolTip(APPLY, L"Hilfe");
    EXPECT_EQ(child<QWidget>(dialog, "h7_apply")->toolTip(), QStringLiteral("Hilfe"));

    EXPECT_TRUE(imp.hasControl(APPLY));
    EXPECT_TRUE(imp.hasControl(2));
    EXPECT_FALSE(imp.hasControl(UNNAMED));
    EXPECT_TRUE(imp.hasNativeWindow());
}

TEST_F(DialogTest, TableSelectionAndDoubleClickReachTheOwner)
{
    RecordingDialog dialog(window.get(), DIALOG_FORM);
    dialog.endOnCommand = false;
    dialog.implementor()->setTableRows(TABLE, {{L"a"}, {L"b"}}); // before the show: a command too
    EXPECT_EQ(dialog.commands, std::vector<int>{TABLE});
    auto* table = child<QTableWidget>(dialog, "h7_table");
    emit table->itemDoubleClicked(table->item(0, 0)); // before the show: ignored
    EXPECT_TRUE(dialog.doubleClicks.empty());

    dialog.endOnCommand = true;
    whenShown([&] { emit table->itemDoubleClicked(table->item(1, 0)); });
    dialog.implementor()->show();
    EXPECT_EQ(dialog.doubleClicks, std::vector<int>{TABLE});
    EXPECT_EQ(dialog.implementor()->result, TABLE);
}

TEST(DialogLinks, WhatALinkMayDo)
{
    QTemporaryDir folder;
    const QString resources = folder.filePath("Ressourcen");
    QDir().mkpath(resources + "/Hilfe");
    QFile(resources + "/Hilfe/regeln.html").open(QIODevice::WriteOnly);
    QFile(folder.filePath("geheim.txt")).open(QIODevice::WriteOnly);
    // A link inside the resources that leads out, and a sibling sharing the prefix.
    QFile::link(folder.filePath("geheim.txt"), resources + "/Hilfe/verweis.txt");
    QDir().mkpath(folder.filePath("Ressourcen2"));
    QFile(folder.filePath("Ressourcen2/fremd.html")).open(QIODevice::WriteOnly);
    using LA = WIN_DIALOG::LinkAction;
    struct Case {
        QString link;
        LA expected;
    };
    const Case cases[] = {
        {"app:460", LA::Command},
        {"APP:460", LA::Ignore}, // case-sensitive
        {"https://www.example.org/skat", LA::Open},
        {"http://www.example.org", LA::Open},
        {"mailto:skat@example.org", LA::Open},
        {"http:nohost", LA::Ignore},
        {"ftp://example.org/file", LA::Ignore},
        {"javascript:alert(1)", LA::Ignore},
        {"file:///etc/passwd", LA::Ignore},
        {QUrl::fromLocalFile(resources + "/Hilfe/regeln.html").toString(), LA::Open},
        {QUrl::fromLocalFile(resources + "/Hilfe/../../geheim.txt").toString(), LA::Ignore},
        {QUrl::fromLocalFile(resources + "/Hilfe/fehlt.html").toString(), LA::Ignore},
        {QUrl::fromLocalFile(resources + "/Hilfe/verweis.txt").toString(), LA::Ignore},
        {QUrl::fromLocalFile(folder.filePath("Ressourcen2/fremd.html")).toString(), LA::Ignore},
        {"regeln.html", LA::Ignore},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link.toStdString());
        EXPECT_EQ(WIN_DIALOG::classifyLink(c.link, resources), c.expected);
    }
}

TEST_F(DialogTest, AppLinksRunTheLabelsCommandOtherLinksOpenOutside)
{
    std::vector<QUrl> opened;
    const auto previous = WIN_COMMUNICATION::setDesktopOpener([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    RecordingDialog dialog(DIALOG_FORM);
    dialog.implementor()->show();
    auto* link = child<QLabel>(dialog, "h7_link");

    emit link->linkActivated("https://www.example.org/");
    emit link->linkActivated("javascript:alert(1)");
    EXPECT_TRUE(dialog.commands.empty());
    EXPECT_TRUE(dialog.win()->isVisible());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl("https://www.example.org/"));

    emit link->linkActivated("app:start");
    EXPECT_EQ(dialog.commands, std::vector<int>{LINK});
    EXPECT_EQ(dialog.implementor()->result, LINK);
    EXPECT_FALSE(dialog.win()->isVisible());
    WIN_COMMUNICATION::setDesktopOpener(previous);
}

TEST_F(DialogTest, PostedRecordsArriveInOnNotify)
{
    RecordingDialog dialog(DIALOG_FORM);
    dialog.implementor()->postMessage(PostedMessage::local("<SNM TYP=\"1\"/>"));
    EXPECT_TRUE(dialog.notes.empty()); // posting never waits
    QCoreApplication::processEvents();
    ASSERT_EQ(dialog.notes.size(), 1u);
    EXPECT_EQ(dialog.notes[0].text(), "<SNM TYP=\"1\"/>");
}

TEST_F(DialogTest, PositionIsRememberedForTheNextRunAndKeptOnScreen)
{
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    {
        RecordingDialog dialog(DIALOG_FORM);
        dialog.implementor()->show();
        dialog.win()->move(work.x() + 60, work.y() + 70);
    }
    CWindowPosition::reloadPositions(); // as at a new start
    {
        RecordingDialog dialog(DIALOG_FORM);
        dialog.implementor()->show();
        EXPECT_EQ(dialog.win()->pos(), QPoint(work.x() + 60, work.y() + 70));
        dialog.win()->move(-5, 300);
        const auto packed = CWindowPosition::rememberedPosition(DIALOG_FORM);
        ASSERT_TRUE(packed.has_value());
        EXPECT_EQ(*packed, 300u);
    }

    // A place beyond the right edge (another monitor, a smaller screen now).
    WIN_PREFERENCE(DIALOG_POSITIONS_KEY).writeNumber(std::to_wstring(int(DIALOG_FORM)), (1500 << 16) + 20);
    CWindowPosition::reloadPositions();
    RecordingDialog dialog(DIALOG_FORM);
    const int frameWidth = dialog.win()->frameGeometry().width();
    dialog.implementor()->show();
    EXPECT_EQ(dialog.win()->x(), work.x() + work.width() - frameWidth);
    EXPECT_EQ(dialog.win()->y(), std::max(20, work.y()));
}

TEST_F(DialogTest, FreeDialogWithoutAPlaceIsCentred)
{
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    RecordingDialog dialog(DIALOG_FORM);
    const QSize frame = dialog.win()->frameGeometry().size();
    dialog.implementor()->show();
    EXPECT_EQ(dialog.win()->pos(),
              QPoint(work.x() + (work.width() - frame.width()) / 2, work.y() + (work.height() - frame.height()) / 2));
}

TEST_F(DialogTest, CallsFromAWorkerThreadRunOnTheGuiThread)
{
    RecordingDialog dialog(DIALOG_FORM);
    dialog.endOnCommand = false;
    std::wstring text;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        dialog.implementor()->setControlText(LABEL, L"vom Arbeiter");
        text = dialog.implementor()->getControlText(LABEL);
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker.join();
    EXPECT_EQ(text, L"vom Arbeiter");
}

TEST_F(DialogTest, PictureControlsAndImages)
{
    RecordingDialog dialog(DIALOG_FORM);
    VORDIX_DIALOG_imp& imp = *dialog.implementor();
    imp.show();
    auto* picture = child<PixmapWidget>(dialog, "h7_picture");
    const QPoint corner = picture->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(imp.getControlScreenPos(PICTURE), (RECTANGLE{corner.x(), corner.y(), 60, 30}));
    EXPECT_EQ(imp.getControlScreenPos(LABEL), (RECTANGLE{})); // not a picture control

    // A label shows the picture the resource string names.
    QTemporaryDir dir;
    const QString file = dir.filePath("kreuz.png");
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(file));
    ResourceStrings::instance().set(9502, file.toStdWString());
    imp.setControlImage(LABEL, 9502);
    EXPECT_EQ(child<QLabel>(dialog, "h7_label")->pixmap().size(), QSize(8, 6));
    imp.setControlImage(APPLY, 9502);
    EXPECT_FALSE(child<QAbstractButton>(dialog, "h7_apply")->icon().isNull());

    // A click on the picture is a command with its id.
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(dialog.commands, std::vector<int>{PICTURE});
    EXPECT_EQ(imp.result, PICTURE);
}
