// The platform-neutral framework classes against a fake implementor
// factory: forwarding rules, the open-window and open-dialog registries,
// the event record and the posted-message record.

#include "tests/support/CountingApplication.h"
#include "tests/support/RecordingMessageSink.h"
#include "vordix/Application.h"
#include "vordix/Bitmap.h"
#include "vordix/Dialog.h"
#include "vordix/Fenster.h"
#include "vordix/Folder.h"
#include "vordix/Hauptfenster.h"
#include "vordix/ImplementorFactory.h"
#include "vordix/Message.h"
#include "vordix/MessageBox.h"
#include "vordix/MessageSink.h"
#include "vordix/PostedMessage.h"
#include "vordix/Screen.h"
#include "vordix/Sound.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using testsupport::CountingApplication;

// Records what reaches the implementors.
struct Journal {
    std::vector<std::string> calls;
    void add(std::string call) { calls.push_back(std::move(call)); }
};

class FakeWindow : public virtual VORDIX_FENSTER_imp {
public:
    explicit FakeWindow(Journal& j) : journal(j) { }
    void createFromForm(int) override { }
    void close() override { journal.add("close"); }
    void show() override { journal.add("show"); }
    void hide() override { }
    void move(int x, int y) override { journal.add("move " + std::to_string(x) + "," + std::to_string(y)); }
    void resize(int w, int h) override { journal.add("resize " + std::to_string(w) + "," + std::to_string(h)); }
    void setTitle(const std::wstring&) override { }
    void embedInScrollArea(VORDIX_VIEW*, int, int, int, int) override { }
    void setSizingHandler(SizingHandler) override { }
    void enableAction(int, bool) override { }
    void setFixedSize(int, int, int, int) override { }
    void setFocus(VORDIX_VIEW*) override { }
    void showControl(int) override { }
    void hideControl(int) override { }
    void setControlGeometry(int id, int, int, int, int) override { journal.add("geometry " + std::to_string(id)); }
    void setControlText(int, const std::wstring&) override { }
    void bringToFront() override { }
    void repaintRect(int, int, int, int) override
    {
        journal.add(std::string("repaint ") + (getOwner()->repaintInProgress ? "flagged" : "unflagged"));
    }
    void updateRectNow(int, int, int, int) override { }
    void updateRect(int x, int y, int w, int h) override
    {
        journal.add("update " + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(w) + ","
                    + std::to_string(h));
    }
    bool isVisible() override { return visible; }
    RECTANGLE mapToGlobal() override { return {1, 2, 3, 4}; }
    RECTANGLE getFrameGeometry() override { return {}; }
    int getSystemMetric() override { return 0; }
    RECTANGLE getVisibleRect(VORDIX_VIEW*) override { return {}; }

    Journal& journal;
    bool visible = true;
};

class FakeMainWindow : public FakeWindow, public VORDIX_HAUPTFENSTER_imp {
public:
    using FakeWindow::FakeWindow;
    void createMenuBar(int) override { }
    void enableMenuItem(int id, int state) override
    {
        journal.add("enable " + std::to_string(id) + "=" + std::to_string(state));
    }
    void checkMenuItem(int id, int state) override
    {
        journal.add("check " + std::to_string(id) + "=" + std::to_string(state));
    }
    void setMenuItemText(int, const std::wstring&) override { }
    bool eventsEnabled() override { return true; }
};

class FakeDialog : public VORDIX_DIALOG_imp {
public:
    void show() override { }
    void endDialog(int) override { }
    void reopen() override { }
    void showAsPopup() override { }
    void hide() override { }
    void syncWithGuiThread(int) override { }
    void setSlider(int, int, int, int) override { }
    void setPosition(int dx, int dy, int, int, int, int, int, int) override { moved = {dx, dy}; }
    void updateControl(int) override { }
    void setControlCursor(int, int) override { }
    void showHtmlFile(int, const VORDIX_FILE&) override { }
    void setControlState(int, OBSTATE) override { }
    void checkGroupButton(int, int) override { }
    void uncheckGroup(int) override { }
    void setGroupButtonState(int, int, OBSTATE) override { }
    void setControlText(int, const std::wstring&) override { }
    void setControlImage(int, int) override { }
    void setGroupButtonText(int, int, const std::wstring&) override { }
    void setToolTip(int, const std::wstring&) override { }
    void setControlIcon(int, int) override { }
    void setComboItems(int, int, const std::wstring&) override { }
    void setCurrentIndex(int, int) override { }
    void setTableRows(int, const TableRows&) override { }
    void postMessage(const PostedMessage&) override { }
    bool hasNativeWindow() override { return true; }
    bool hasControl(int) override { return false; }
    bool isChecked(int) override { return false; }
    std::wstring getControlText(int) override { return {}; }
    int getCheckedButton(int) override { return -1; }
    int getCurrentRow(int) override { return 0; }
    int getSliderValue(int) override { return 0; }
    RECTANGLE getControlScreenPos(int) override { return {}; }

    std::pair<int, int> moved{0, 0};
};

class FakeBitmap : public VORDIX_BITMAP_imp {
public:
    explicit FakeBitmap(Journal& j) : journal(j) { }
    bool load(const VORDIX_FILE&) override { return take("load"); }
    bool loadFromData(const unsigned char*, std::size_t) override { return take("loadFromData"); }
    bool createTransformed(const VORDIX_BITMAP&, int x, int y, int w, int h, int cw, int ch) override
    {
        journal.add("transform " + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(w) + ","
                    + std::to_string(h) + " on " + std::to_string(cw) + "x" + std::to_string(ch));
        loaded = true;
        return true;
    }
    bool save(const VORDIX_FILE&) override { return true; }
    void unload() override
    {
        journal.add("unload");
        loaded = false;
    }
    void draw(VORDIX_ZEICHENBEREICH&, int, int) override { }
    void drawRotated(VORDIX_ZEICHENBEREICH&, int, int, int, int, float) override { }
    void drawWithTransparency(VORDIX_ZEICHENBEREICH&, int, int, int, int, float, float) override { }
    void drawWithoutRotation(VORDIX_ZEICHENBEREICH&, int, int, int, int) override { }
    bool isLoaded() const override { return loaded; }
    int getWidth() const override { return 40; }
    int getHeight() const override { return 60; }

    bool take(const char* what)
    {
        journal.add(what);
        loaded = true;
        return true;
    }
    Journal& journal;
    bool loaded = false;
};

class FakeSound : public VORDIX_SOUND_imp {
public:
    void play(const std::wstring& name, const VORDIX_FOLDER&, bool, int seat) override
    {
        played.push_back(name + L"@" + std::to_wstring(seat));
    }
    std::vector<std::wstring> played;
};

class FakeScreen : public VORDIX_SCREEN_imp {
public:
    void leaveFullScreen(VORDIX_FENSTER*) override { }
    void enterFullScreen(VORDIX_FENSTER*, int w, int h) override { requested = {w, h}; }
    void showArrowCursor() override { }
    void showWaitCursor() override { }
    RECTANGLE getScreenSize() override { return {}; }
    RECTANGLE getWorkArea() override { return {}; }
    bool listDisplayModes(int, int) override { return true; }
    bool trackMouseCapture() override { return true; }
    ModalLoopResult runModalLoop() override { return {}; }
    std::pair<int, int> requested{0, 0};
};

class FakePlatformApplication : public VORDIX_APPLICATION_imp {
public:
    void quit() override { }
    void setLanguage(bool) override { }
    unsigned processEvents(std::uint16_t, int) override { return 0; }
    void sleep(unsigned) override { }
    void postMessage(const PostedMessage& m) override { posted.push_back(m); }
    void setOwner(VORDIX_APPLICATION* o) override { owner = o; }
    bool isEnglish() const override { return false; }
    bool isServiceDiscoveryAvailable() const override { return false; }
    VORDIX_APPLICATION* getOwner() const override { return owner; }

    VORDIX_APPLICATION* owner = nullptr;
    std::vector<PostedMessage> posted;
};

class FakeFactory : public VORDIX_IMPLEMENTORFACTORY {
public:
    explicit FakeFactory(Journal& j) : journal(j) { }
    VORDIX_APPLICATION_imp* getApplication() override { return &application; }
    VORDIX_AREA_imp* createArea(VORDIX_AREA*) override { return nullptr; }
    VORDIX_BITMAP_imp* createBitmap() override { return new FakeBitmap(journal); }
    VORDIX_COMMUNICATION_imp* createCommunication() override { return nullptr; }
    VORDIX_FOLDER_imp* createFolder() override { return nullptr; }
    VORDIX_LINE_imp* createLine(VORDIX_LINE*) override { return nullptr; }
    VORDIX_SCREEN_imp* createScreen() override { return &screen; }
    VORDIX_SOUND_imp* createSound() override { return &sound; }
    VORDIX_PREFERENCE_imp* createPreference() override { return nullptr; }
    VORDIX_TEXT_imp* createText(VORDIX_TEXT*) override { return nullptr; }
    VORDIX_ZEICHENBEREICH_imp* createDrawingArea(VORDIX_ZEICHENBEREICH*) override { return nullptr; }
    std::shared_ptr<VORDIX_DIALOG_imp> createDialog(VORDIX_DIALOG* owner, int) override { return dialog(owner); }
    std::shared_ptr<VORDIX_DIALOG_imp> createDialogOverDialog(VORDIX_DIALOG*, VORDIX_DIALOG* owner, int) override
    {
        return dialog(owner);
    }
    std::shared_ptr<VORDIX_DIALOG_imp> createDialogOverWindow(VORDIX_FENSTER*, VORDIX_DIALOG* owner, int) override
    {
        return dialog(owner);
    }
    std::shared_ptr<VORDIX_VIEW_imp> createView(VORDIX_VIEW*) override { return {}; }
    std::shared_ptr<VORDIX_IMAGEVIEW_imp> createImageView(VORDIX_IMAGEVIEW*) override { return {}; }
    std::shared_ptr<VORDIX_FENSTER_imp> createWindow(VORDIX_FENSTER* owner) override
    {
        auto window = std::make_shared<FakeWindow>(journal);
        window->setOwner(owner);
        return window;
    }
    std::shared_ptr<VORDIX_HAUPTFENSTER_imp> createMainWindow(VORDIX_HAUPTFENSTER* owner) override
    {
        auto window = std::make_shared<FakeMainWindow>(journal);
        window->setOwner(owner);
        return window;
    }
    std::shared_ptr<VORDIX_CONTROL_imp> createControl(VORDIX_CONTROL*) override { return {}; }

    std::shared_ptr<VORDIX_DIALOG_imp> dialog(VORDIX_DIALOG* owner)
    {
        auto d = std::make_shared<FakeDialog>();
        d->setOwner(owner);
        return d;
    }

    Journal& journal;
    FakePlatformApplication application;
    FakeScreen screen;
    FakeSound sound;
};

using RecordingSink = testsupport::RecordingMessageSink;

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        factory = new FakeFactory(journal);
        VORDIX_IMPLEMENTORFACTORY::installInstance(factory);
        sink = std::make_shared<RecordingSink>();
        previousSink = vordix::setMessageSink(sink);
    }
    void TearDown() override
    {
        VORDIX_SCREEN::destroyInstance();
        VORDIX_IMPLEMENTORFACTORY::deleteInstance();
        vordix::setMessageSink(previousSink);
    }
    FakeWindow& windowImp(VORDIX_FENSTER& w) { return dynamic_cast<FakeWindow&>(*w.implementor()); }

    Journal journal;
    FakeFactory* factory = nullptr;
    std::shared_ptr<RecordingSink> sink;
    std::shared_ptr<vordix::MessageSink> previousSink;
};

class CountingWindow : public VORDIX_FENSTER {
public:
    void onMessage(VORDIX_MESSAGE& m) override { received.push_back(m.kind); }
    std::vector<int> received;
};

TEST_F(FrameworkTest, UpdateAllWindowsReachesOnlyOpenVisibleWindows)
{
    VORDIX_FENSTER open, closed, hidden;
    open.isOpen = true;
    hidden.isOpen = true;
    windowImp(hidden).visible = false;
    journal.calls.clear();

    VORDIX_FENSTER::updateAllWindows();

    EXPECT_EQ(journal.calls, std::vector<std::string>{"update 0,0,-1,-1"});
}

TEST_F(FrameworkTest, ClosedWindowDropsForwardedCalls)
{
    VORDIX_FENSTER window;
    window.resize(10, 20);
    window.move(1, 2);
    window.updateRect(0, 0, 5, 5);
    window.repaintRect({0, 0, 5, 5});
    EXPECT_TRUE(journal.calls.empty());

    window.isOpen = true;
    window.resize(10, 20);
    window.move(1, 2);
    window.repaintRect({0, 0, 5, 5});
    window.close();
    window.resize(30, 40);
    EXPECT_EQ(journal.calls, (std::vector<std::string>{"resize 10,20", "move 1,2", "repaint flagged", "close"}));
    EXPECT_FALSE(window.isOpen);
    EXPECT_FALSE(window.repaintInProgress);
}

TEST_F(FrameworkTest, WindowThatStaysHiddenReportsCriticalMessage)
{
    struct Case {
        bool open;
        bool visible;
        bool reported;
    };
    for (const Case c : {Case{true, true, false}, Case{false, true, true}, Case{true, false, true}}) {
        sink->clear();
        VORDIX_FENSTER window;
        window.isOpen = c.open;
        windowImp(window).visible = c.visible;
        window.show();
        ASSERT_EQ(sink->texts.size(), c.reported ? 1u : 0u) << c.open << c.visible;
        if (c.reported) {
            EXPECT_EQ(sink->kinds[0], vordix::MessageKind::Error);
            EXPECT_EQ(sink->captions[0], L"SKAT");
            EXPECT_EQ(sink->texts[0], L"Das Fenster kann nicht geoeffnet werden.");
        }
    }
}

TEST_F(FrameworkTest, ControlGeometryAddressesDrawingControl)
{
    VORDIX_FENSTER window;
    window.setControlGeometry(1, 2, 3, 4);
    EXPECT_EQ(journal.calls, std::vector<std::string>{"geometry 9"});
}

TEST_F(FrameworkTest, WindowRegistryFollowsLifetime)
{
    auto& registry = VORDIX_FENSTER::openWindows();
    const std::size_t before = registry.size();
    {
        VORDIX_FENSTER first;
        VORDIX_HAUPTFENSTER second;
        EXPECT_EQ(registry.size(), before + 2);
        EXPECT_TRUE(registry.contains(&first));
        EXPECT_TRUE(registry.contains(&second));
    }
    EXPECT_EQ(registry.size(), before);
}

TEST_F(FrameworkTest, DialogRegisteredTwiceLeavesNoEntryBehind)
{
    auto& registry = VORDIX_DIALOG::openDialogs();
    const std::size_t before = registry.size();
    VORDIX_DIALOG* address = nullptr;
    {
        VORDIX_DIALOG dialog(7);
        address = &dialog;
        registry.add(&dialog);
        EXPECT_EQ(registry.count(&dialog), 2u);
    }
    EXPECT_EQ(registry.count(address), 0u);
    EXPECT_EQ(registry.size(), before);
}

TEST_F(FrameworkTest, RegistryLookupNeverInserts)
{
    auto& registry = VORDIX_DIALOG::openDialogs();
    const std::size_t before = registry.size();
    int stranger = 0;
    auto* unknown = reinterpret_cast<VORDIX_DIALOG*>(&stranger);
    EXPECT_FALSE(registry.contains(unknown));
    EXPECT_EQ(registry.count(unknown), 0u);
    registry.removeAll(unknown);
    EXPECT_EQ(registry.size(), before);
}

TEST(OpenRegistry, ConcurrentAddAndRemoveKeepsListConsistent)
{
    OpenRegistry<int> registry;
    std::vector<int> objects(400);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = t * 100; i < (t + 1) * 100; ++i) {
                registry.add(&objects[i]);
                registry.add(&objects[i]);
                (void)registry.snapshot();
                registry.removeAll(&objects[i]);
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(registry.size(), 0u);
}

TEST_F(FrameworkTest, DialogDefaultsEndOnAnyCommandAndForwardPosition)
{
    VORDIX_FENSTER parent;
    VORDIX_DIALOG dialog(&parent, 12);
    EXPECT_EQ(dialog.parentWindow, &parent);
    EXPECT_EQ(dialog.parentDialog, nullptr);
    ASSERT_TRUE(dialog.implementor());
    EXPECT_FALSE(dialog.implementor()->done);
    dialog.onCommand(5);
    EXPECT_TRUE(dialog.implementor()->done);
    dialog.setPosition(-3, 4);
    EXPECT_EQ(static_cast<FakeDialog&>(*dialog.implementor()).moved, std::make_pair(-3, 4));
}

TEST_F(FrameworkTest, ObjectsWithoutFactoryAreInert)
{
    VORDIX_IMPLEMENTORFACTORY::deleteInstance();
    VORDIX_FENSTER window;
    window.isOpen = true;
    window.resize(1, 1);
    EXPECT_EQ(window.mapToGlobal(), RECTANGLE{});
    VORDIX_BITMAP bitmap;
    EXPECT_FALSE(bitmap.loadFromData(nullptr, 0));
    EXPECT_EQ(bitmap.getWidth(), 0);
    VORDIX_DIALOG dialog(3);
    dialog.onCommand(1);
    EXPECT_FALSE(dialog.implementor());
}

TEST_F(FrameworkTest, BitmapLoadersDropLoadedImageFirst)
{
    VORDIX_BITMAP bitmap;
    bitmap.unload(); // nothing loaded: not forwarded
    bitmap.loadFromData(nullptr, 0);
    bitmap.load(VORDIX_FILE{}); // loaded: unload first
    VORDIX_BITMAP turned;
    turned.createQuarterTurnOf(bitmap); // source 40 x 60
    EXPECT_EQ(journal.calls,
              (std::vector<std::string>{"loadFromData", "unload", "load", "transform 0,0,40,60 on 60x40"}));
}

TEST_F(FrameworkTest, SoundPlaysOnlyWithNameAndFolder)
{
    VORDIX_SOUND sound;
    VORDIX_FOLDER folder;
    sound.play(L"", &folder, false, 0);
    sound.play(L"reizen", nullptr, false, 0);
    sound.play(L"reizen", &folder, true, 2);
    EXPECT_EQ(factory->sound.played, std::vector<std::wstring>{L"reizen@2"});
}

TEST_F(FrameworkTest, ScreenEntersFullScreenAt1024x768)
{
    VORDIX_HAUPTFENSTER window;
    VORDIX_SCREEN::instance().enterFullScreen(&window);
    EXPECT_EQ(factory->screen.requested, std::make_pair(1024, 768));
    EXPECT_EQ(&VORDIX_SCREEN::instance(), &VORDIX_SCREEN::instance());
}

TEST_F(FrameworkTest, MainWindowMenuItemsReachMainImplementor)
{
    VORDIX_HAUPTFENSTER window;
    ASSERT_TRUE(window.mainImplementor());
    window.enableMenuItem(460, VORDIX_HAUPTFENSTER::MENU_OFF);
    window.checkMenuItem(461, VORDIX_HAUPTFENSTER::MENU_ON);
    EXPECT_EQ(journal.calls, (std::vector<std::string>{"enable 460=0", "check 461=1"}));
}

TEST_F(FrameworkTest, ApplicationOwnsPlatformLinkForItsLifetime)
{
    {
        CountingApplication app;
        EXPECT_EQ(factory->application.owner, &app);
        app.postMessage(PostedMessage::local("<SNM/>"));
        ASSERT_EQ(factory->application.posted.size(), 1u);
        EXPECT_EQ(factory->application.posted[0].text(), "<SNM/>");
    }
    EXPECT_EQ(factory->application.owner, nullptr);
}

TEST_F(FrameworkTest, DeliveredMessageReachesWindowThenApplication)
{
    CountingApplication app;
    CountingWindow window;
    VORDIX_MESSAGE message(MESSAGE_COMMAND);
    message.commandId = 460;
    window.implementor()->deliverMessage(message);
    EXPECT_EQ(window.received, std::vector<int>{MESSAGE_COMMAND});
    EXPECT_EQ(app.afterMessages, 1);
}

TEST_F(FrameworkTest, DestroyedWindowIsNoLongerCalledBack)
{
    std::shared_ptr<VORDIX_FENSTER_imp> survivor;
    {
        CountingWindow window;
        survivor = window.implementor();
    }
    VORDIX_MESSAGE message(MESSAGE_CLOSE);
    survivor->deliverMessage(message); // must not reach the destroyed window
    EXPECT_EQ(survivor->getOwner(), nullptr);
}

TEST(FrameworkMessage, ConstructionZeroesEveryWord)
{
    const VORDIX_MESSAGE m;
    EXPECT_EQ(m.kind, MESSAGE_NONE);
    EXPECT_EQ(m.x | m.y | m.keyCode | m.commandId | m.value | m.extra | m.reserved, 0);
    EXPECT_EQ(m.modifiers, 0u);
    EXPECT_EQ(m.source, nullptr);
    EXPECT_TRUE(m.file.name.empty());
}

TEST(FrameworkMessage, ModifierBitsOnlyForKnownValues)
{
    struct Case {
        std::uint32_t given;
        std::uint32_t mask;
    };
    for (const Case c : {Case{256, 0x100}, Case{512, 0x200}, Case{1024, 0x400}, Case{2048, 0x800}, Case{0, 0},
                         Case{1, 0}, Case{0x300, 0}, Case{4096, 0}}) {
        VORDIX_MESSAGE m;
        m.addModifier(c.given);
        EXPECT_EQ(m.modifiers, c.mask) << c.given;
    }
    VORDIX_MESSAGE m;
    m.addModifier(MODIFIER_ALT);
    m.addModifier(MODIFIER_SHIFT);
    EXPECT_EQ(m.modifiers, 0x500u);
}

TEST(FrameworkMessage, OpenFileCarriesModeAndFile)
{
    VORDIX_FILE file;
    file.folder.setPath(L"/home/spieler/listen");
    file.name = L"b.skt";
    for (const bool batch : {false, true}) {
        VORDIX_MESSAGE m(MESSAGE_KEY);
        m.keyCode = 13;
        m.makeOpenFile(file, batch);
        EXPECT_EQ(m.kind, MESSAGE_OPEN_FILE);
        EXPECT_EQ(m.value, batch ? 1 : 0);
        EXPECT_EQ(m.file.name, L"b.skt");
        EXPECT_EQ(m.file.folder.path(), L"/home/spieler/listen/");
    }
}

TEST(PostedRecord, PayloadIsTypedNeverGuessedFromLength)
{
    const PostedMessage empty;
    EXPECT_FALSE(empty.hasPayload());
    EXPECT_EQ(empty.kind(), PostedPayloadKind::None);
    EXPECT_EQ(empty.payloadLength(), 0u);
    EXPECT_TRUE(empty.text().empty());

    // A three-character text has the length four that once meant "parts holder".
    const PostedMessage shortText = PostedMessage::local("abc");
    EXPECT_EQ(shortText.kind(), PostedPayloadKind::Local);
    EXPECT_EQ(shortText.payloadLength(), 4u);
    EXPECT_EQ(shortText.text(), "abc");
    EXPECT_EQ(shortText.senderId, 0u);

    const PostedMessage received = PostedMessage::received(17, "<SNM TYP=\"8\"/>");
    EXPECT_EQ(received.kind(), PostedPayloadKind::Received);
    EXPECT_EQ(received.senderId, 17u);
    EXPECT_EQ(received.text(), "<SNM TYP=\"8\"/>");

    // Copies share the text and keep it after the original is gone.
    PostedMessage copy;
    {
        const PostedMessage original = PostedMessage::local("<X/>");
        copy = original;
    }
    EXPECT_EQ(copy.text(), "<X/>");
}

TEST(MessageBoxes, KindsTitlesAndParagraphs)
{
    auto sink = std::make_shared<RecordingSink>();
    auto previous = vordix::setMessageSink(sink);
    vordix::showMessageBox(vordix::MESSAGEBOX_WARNING, L"eins|zwei|drei");
    vordix::showMessageBoxWithTitle(L"Schluss", vordix::MESSAGEBOX_INFORMATION, L"Text");
    vordix::showMessageBoxWithTitle(L"", vordix::MESSAGEBOX_CRITICAL, L"Fehler");
    vordix::showMessageBox(7, L"nie");
    vordix::setMessageSink(previous);

    ASSERT_EQ(sink->texts.size(), 3u);
    EXPECT_EQ(sink->kinds[0], vordix::MessageKind::Warning);
    EXPECT_EQ(sink->texts[0], L"eins|zwei|drei");
    EXPECT_EQ(sink->kinds[1], vordix::MessageKind::Information);
    EXPECT_EQ(sink->texts[1], L"Text||Schluss");
    EXPECT_EQ(sink->kinds[2], vordix::MessageKind::Error);
    EXPECT_EQ(sink->texts[2], L"Fehler");
}

} // namespace

// Notes shown while a lock is held come after it; questions are asked at once.
TEST_F(FrameworkTest, HeldMessagesComeWhenTheHolderEndsQuestionsAtOnce)
{
    {
        vordix::HeldMessages outer;
        vordix::showMessage(vordix::MessageKind::Warning, L"first");
        {
            vordix::HeldMessages inner;
            vordix::showMessage(vordix::MessageKind::Information, L"second");
            sink->answer = vordix::MessageAnswer::No;
            EXPECT_EQ(vordix::showMessage(vordix::MessageKind::Question, L"asked", vordix::MessageButtons::YesNo),
                      vordix::MessageAnswer::No);
        }
        // Another thread's notes are not held by this one.
        std::thread([] { vordix::showMessage(vordix::MessageKind::Error, L"other thread"); }).join();
        EXPECT_EQ(sink->texts, (std::vector<std::wstring>{L"asked", L"other thread"}));
    }
    EXPECT_EQ(sink->texts, (std::vector<std::wstring>{L"asked", L"other thread", L"first", L"second"}));
    EXPECT_EQ(sink->kinds[2], vordix::MessageKind::Warning);
}
