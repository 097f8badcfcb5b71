#include "test_dialog_forms.h"

#include "vordix/Control.h"
#include "vordix/windows/WinControl.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace testforms;

namespace {

class ControlTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        window = std::make_unique<RecordingWindow<VORDIX_FENSTER>>();
        window->implementor()->createFromForm(WINDOW_FORM);
        client = dynamic_cast<WIN_FENSTER*>(window->implementor().get())->clientWidget();
    }
    void TearDown() override
    {
        window.reset();
        FormsTest::TearDown();
    }
    static WIN_CONTROL* win(VORDIX_CONTROL& control) { return dynamic_cast<WIN_CONTROL*>(control.implementor().get()); }

    std::unique_ptr<RecordingWindow<VORDIX_FENSTER>> window;
    ClientFenster* client = nullptr;
};

} // namespace

TEST_F(ControlTest, IdsCountUpAndNameTheWidgets)
{
    VORDIX_CONTROL first;
    VORDIX_CONTROL second;
    EXPECT_GT(win(first)->id(), 2000);
    EXPECT_EQ(win(second)->id(), win(first)->id() + 1);

    win(first)->createEditField(client, QRect(1, 2, 80, 20));
    EXPECT_EQ(win(first)->editField()->objectName(), QStringLiteral("edit_%1").arg(win(first)->id()));
    EXPECT_EQ(win(first)->editField()->geometry(), QRect(1, 2, 80, 20));
    win(second)->createLabel(client, QRect(0, 0, 50, 20));
    EXPECT_EQ(win(second)->label()->objectName(), QStringLiteral("label_%1").arg(win(second)->id()));
    EXPECT_TRUE(win(second)->label()->wordWrap());
}

TEST_F(ControlTest, TextOfEditFieldLabelAndEmptyControl)
{
    VORDIX_CONTROL control;
    EXPECT_EQ(control.getText(), L""); // nothing to show yet
    control.setText(L"ignored");
    control.show();

    win(control)->createEditField(client, QRect(0, 0, 80, 20));
    control.setText(L"Spieler 1");
    EXPECT_EQ(control.getText(), L"Spieler 1");
    control.move(30, 40);
    EXPECT_EQ(win(control)->editField()->pos(), QPoint(30, 40));

    win(control)->createLabel(client, QRect(0, 0, 80, 20));
    EXPECT_EQ(win(control)->editField(), nullptr);
    control.setText(L"Kreuz Bube");
    EXPECT_EQ(control.getText(), L"Kreuz Bube");
    control.hide();
    EXPECT_TRUE(win(control)->label()->isHidden());
}

TEST_F(ControlTest, ALabelReplacingAnEditFieldStopsItsReports)
{
    VORDIX_CONTROL control;
    win(control)->createEditField(client, QRect(0, 0, 80, 20));
    QPointer<QPlainTextEdit> edit = win(control)->editField();
    const int id = win(control)->id();
    ASSERT_EQ(client->editControls.count(id), 1u);

    win(control)->createLabel(client, QRect(0, 0, 80, 20));
    EXPECT_TRUE(edit.isNull());
    EXPECT_EQ(client->editControls.count(id), 0u);
    client->onTextChangedInEditControl(id); // a late report finds nobody
    EXPECT_TRUE(window->messages.empty());
}

TEST_F(ControlTest, DestroyingTheControlOrItsWindowFirstIsSafe)
{
    auto control = std::make_unique<VORDIX_CONTROL>();
    win(*control)->createEditField(client, QRect(0, 0, 80, 20));
    const int id = win(*control)->id();
    control.reset();
    EXPECT_EQ(client->editControls.count(id), 0u);

    VORDIX_CONTROL survivor;
    win(survivor)->createEditField(client, QRect(0, 0, 80, 20));
    window.reset(); // the window and its widgets go first
    EXPECT_EQ(win(survivor)->editField(), nullptr);
    survivor.setText(L"niemand");
    EXPECT_EQ(survivor.getText(), L"");
}
