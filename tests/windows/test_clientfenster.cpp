#include "test_dialog_forms.h"

#include "vordix/Control.h"
#include "vordix/Zeichenbereich.h"
#include "vordix/windows/WinControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace testforms;

namespace {

class PaintCountingWindow : public RecordingWindow<VORDIX_FENSTER> {
public:
    void paint(VORDIX_ZEICHENBEREICH& area) override
    {
        ++paints;
        hadImplementor = area.implementor() != nullptr;
    }
    int paints = 0;
    bool hadImplementor = false;
};

class ClientFensterTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        window = std::make_unique<PaintCountingWindow>();
        window->implementor()->createFromForm(WINDOW_FORM);
        window->isOpen = true;
        client = dynamic_cast<WIN_FENSTER*>(window->implementor().get())->clientWidget();
        ASSERT_NE(client, nullptr);
    }
    void TearDown() override
    {
        window.reset();
        FormsTest::TearDown();
    }

    // Sends a key event; true when the client accepted it.
    bool key(QEvent::Type type, int qtKey, Qt::KeyboardModifiers modifiers, const QString& text)
    {
        QKeyEvent event(type, qtKey, modifiers, text);
        QApplication::sendEvent(client, &event);
        return event.isAccepted();
    }

    std::unique_ptr<PaintCountingWindow> window;
    ClientFenster* client = nullptr;
};

} // namespace

TEST_F(ClientFensterTest, KeysBecomeKeyMessagesWithTheirCodes)
{
    struct Case {
        const char* name;
        QEvent::Type type;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        int code; // 0: no message
        unsigned modifierBits;
    };
    const Case cases[] = {
        {"Left press", QEvent::KeyPress, Qt::Key_Left, {}, "", 202, 0},
        {"Left release", QEvent::KeyRelease, Qt::Key_Left, {}, "", 37, 0},
        {"A press", QEvent::KeyPress, Qt::Key_A, {}, "a", 0, 0},
        {"A release", QEvent::KeyRelease, Qt::Key_A, {}, "a", 65, 0},
        {"Shift press", QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, "", 0, 0},
        {"Shift release", QEvent::KeyRelease, Qt::Key_Shift, {}, "", 0, 0},
        {"Alt+A release", QEvent::KeyRelease, Qt::Key_A, Qt::AltModifier, "a", 65, 0x400},
        {"F10 press", QEvent::KeyPress, Qt::Key_F10, {}, "", 221, 0},
        {"F11 press", QEvent::KeyPress, Qt::Key_F11, {}, "", 0, 0},
        {"F11 release", QEvent::KeyRelease, Qt::Key_F11, {}, "", 122, 0},
        {"Enter release", QEvent::KeyRelease, Qt::Key_Return, {}, "\r", 13, 0},
        {"ä release", QEvent::KeyRelease, Qt::Key_Adiaeresis, {}, QString(QChar(0xe4)), 128, 0},
        {"Ö release", QEvent::KeyRelease, Qt::Key_Odiaeresis, Qt::ShiftModifier, QString(QChar(0xd6)), 132, 0},
        {"ß release", QEvent::KeyRelease, Qt::Key_ssharp, {}, QString(QChar(0xdf)), 134, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window->messages.clear();
        const bool accepted = key(c.type, c.key, c.modifiers, c.text);
        if (c.code == 0) {
            EXPECT_TRUE(window->messages.empty());
            EXPECT_FALSE(accepted);
            continue;
        }
        ASSERT_EQ(window->messages.size(), 1u);
        EXPECT_EQ(window->messages[0].kind, MESSAGE_KEY);
        EXPECT_EQ(window->messages[0].keyCode, c.code);
        EXPECT_EQ(window->messages[0].modifiers, c.modifierBits);
        EXPECT_EQ(window->messages[0].source, nullptr);
        EXPECT_TRUE(accepted);
    }
}

TEST_F(ClientFensterTest, AutoRepeatedReleasesAreNotReported)
{
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Left, {}, QString(), true);
    QApplication::sendEvent(client, &repeat);
    EXPECT_TRUE(window->messages.empty());
}

TEST_F(ClientFensterTest, LeftButtonPressAndDoubleClickOnly)
{
    QTest::mousePress(client, Qt::LeftButton, {}, QPoint(12, 34));
    QTest::mousePress(client, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseDClick(client, Qt::RightButton, {}, QPoint(5, 5));
    const auto presses = window->ofKind(MESSAGE_MOUSE_PRESS);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].x, 12);
    EXPECT_EQ(presses[0].y, 34);
    EXPECT_TRUE(window->ofKind(MESSAGE_DOUBLE_CLICK).empty());

    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(7, 8), client->mapToGlobal(QPointF(7, 8)), Qt::LeftButton,
                    Qt::LeftButton, {});
    QApplication::sendEvent(client, &dbl);
    const auto doubles = window->ofKind(MESSAGE_DOUBLE_CLICK);
    ASSERT_EQ(doubles.size(), 1u);
    EXPECT_EQ(doubles[0].x, 7);
    EXPECT_EQ(doubles[0].y, 8);
}

TEST_F(ClientFensterTest, TheLeftButtonsReleaseIsReportedAtItsPoint)
{
    QTest::mouseRelease(client, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(window->ofKind(MESSAGE_MOUSE_RELEASE).empty()) << "only the left button";
    QTest::mousePress(client, Qt::LeftButton, {}, QPoint(12, 34));
    QTest::mouseRelease(client, Qt::LeftButton, {}, QPoint(40, 50));
    const auto releases = window->ofKind(MESSAGE_MOUSE_RELEASE);
    ASSERT_EQ(releases.size(), 1u);
    EXPECT_EQ(releases[0].x, 40);
    EXPECT_EQ(releases[0].y, 50);
}

TEST_F(ClientFensterTest, MovesInFullScreenAreReportedBeforeTheMoveMessage)
{
    std::vector<std::size_t> messagesAtSignal;
    std::vector<int> ys;
    QObject::connect(client, &ClientFenster::mouseMoved, [&](int y) {
        ys.push_back(y);
        messagesAtSignal.push_back(window->messages.size());
    });
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 9), client->mapToGlobal(QPointF(3, 9)), Qt::NoButton, Qt::NoButton,
                     {});
    QApplication::sendEvent(client, &move);
    EXPECT_TRUE(ys.empty()); // not in full screen
    ASSERT_EQ(window->ofKind(MESSAGE_MOUSE_MOVE).size(), 1u);

    client->fullScreen = true;
    window->messages.clear();
    QApplication::sendEvent(client, &move);
    ASSERT_EQ(ys.size(), 1u);
    EXPECT_EQ(ys[0], 9 - client->pos().y());
    EXPECT_EQ(messagesAtSignal[0], 0u);
    const auto moves = window->ofKind(MESSAGE_MOUSE_MOVE);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].x, 3);
    EXPECT_EQ(moves[0].y, 9);
}

TEST_F(ClientFensterTest, WithoutOwnerNothingIsDelivered)
{
    client->ownerWindow = nullptr;
    EXPECT_FALSE(key(QEvent::KeyRelease, Qt::Key_A, {}, "a"));
    QTest::mousePress(client, Qt::LeftButton, {}, QPoint(1, 1));
    client->repaint();
    EXPECT_TRUE(window->messages.empty());
    EXPECT_EQ(window->paints, 0);
}

TEST_F(ClientFensterTest, PaintGoesToTheOwnerWithADrawingArea)
{
    client->resize(50, 40);
    client->grab();
    EXPECT_GE(window->paints, 1);
    EXPECT_TRUE(window->hadImplementor);
}

TEST_F(ClientFensterTest, EnterInAnEditControlIsAKeyMessageFromThatControl)
{
    VORDIX_CONTROL control;
    auto* imp = dynamic_cast<WIN_CONTROL*>(control.implementor().get());
    ASSERT_NE(imp, nullptr);
    imp->createEditField(client, QRect(0, 0, 100, 30));
    ASSERT_EQ(client->editControls.count(imp->id()), 1u);

    imp->editField()->setPlainText("Anna");
    EXPECT_TRUE(window->messages.empty());
    imp->editField()->appendPlainText(""); // a line break at the end
    const auto keys = window->ofKind(MESSAGE_KEY);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].keyCode, 13);
    EXPECT_EQ(keys[0].source, &control);
}

TEST_F(ClientFensterTest, InputViewFillsTheClient)
{
    window->show();
    client->resize(300, 200);
    QWidget view;
    client->setInputView(&view);
    EXPECT_EQ(view.parentWidget(), client);
    EXPECT_EQ(view.size(), QSize(300, 200));
    EXPECT_TRUE(view.hasMouseTracking());
    client->resize(320, 240);
    EXPECT_EQ(view.size(), QSize(320, 240));
    view.setParent(nullptr);
}
