// The game's bug report: the dialog on its form, and the mail that a fake
// xdg-email on PATH receives.

#include "skat/engine/EinSpiel.h"
#include "skat/engine/Liste.h"
#include "skat/ui/DialogBugreport.h"
#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "tests/support/NulSeparated.h"
#include "tests/support/RecordingMessageSink.h"
#include "vordix/File.h"
#include "vordix/FileDialog.h"
#include "vordix/MessageSink.h"
#include "vordix/Stream.h"
#include "vordix/Utf8.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/3rdparty/MailSender.h"
#include "vordix/windows/MailService.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A clubs game of seat 1, played out from the unshuffled deal; its own deal
// holds no hands, so the report must rebuild them from the tricks.
EIN_SPIEL playedGame()
{
    EIN_SPIEL game;
    game.record.ALLEIN = 1;
    game.record.GEREIZT = 18;
    game.record.SPIELART = SPIELART(GAME_CLUBS, WIN_LEVEL_WITH_SKAT);
    game.record.SPIELWERT = 24;
    game.pile.setVh(SEAT_0);
    game.pile.setSkat(SKAT(41, 42));
    const CardId tricks[10][3] = {{11, 12, 13}, {14, 15, 16}, {17, 18, 21}, {22, 23, 24}, {25, 26, 27},
                                  {28, 31, 32}, {33, 34, 35}, {36, 37, 38}, {43, 44, 45}, {46, 47, 48}};
    Seat leader = SEAT_0;
    for (int t = 0; t < 10; ++t) {
        STICH trick;
        for (CardId id : tricks[t])
            trick.addCard(id);
        const Seat taker = t % 2 == 0 ? SEAT_1 : SEAT_2;
        game.pile.addToParty(taker == 1 ? PARTY_DECLARER : PARTY_DEFENDERS, trick, leader, taker);
        leader = taker;
    }
    game.deal.skat = SKAT(41, 42);
    return game;
}

class BugReport : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        registerControlIds();
        registerForms();
        WIN_IMPLEMENTORFACTORY::installDefault();
        // The texts come from the text file the build puts beside the program.
        WIN_FILEPATH::setProgramFolder(WIN_FILEPATH::fromFsPath(SKAT_BINARY_DIR "/skat/windows"));
    }
    void SetUp() override
    {
        for (const char* name : {"PATH", "DISPLAY", "XDG_CACHE_HOME", "HOME", "XDG_CONFIG_HOME"}) {
            const char* value = std::getenv(name);
            saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        fs::create_directory(dir("bin"));
        setenv("PATH", (dir("bin") + ":/usr/bin:/bin").c_str(), 1);
        setenv("DISPLAY", ":99", 1);
        setenv("XDG_CACHE_HOME", dir("cache").c_str(), 1);
        // The documents folder as the desktop names it.
        setenv("HOME", dir("home").c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
        fs::create_directories(dir("home/.config"));
        std::ofstream(dir("home/.config/user-dirs.dirs")) << "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
        previousAddress = DIALOG_BUGREPORT::setAddress("fehler@skat.example");
        previousDialogs = vordix::setFileDialogHandler(
            [this](VORDIX_FENSTER*, int kind, VORDIX_FILE& file, const std::wstring& caption, bool save) {
                offered.push_back(vordix::toUtf8(file.folder.path() + file.name));
                EXPECT_EQ(kind, vordix::FILE_KIND_TEXT);
                EXPECT_EQ(caption, L"Fehlerbericht speichern");
                EXPECT_TRUE(save);
                return vordix::assignChosenPath(file, vordix::fromUtf8(chosen));
            });
        fakeXdgEmail(0);
        previousService = MailService::installed();
        installMailService();
        vordix::setMessageSink(sink);
    }
    void TearDown() override
    {
        vordix::setMessageSink(nullptr);
        vordix::setFileDialogHandler(previousDialogs);
        DIALOG_BUGREPORT::setAddress(previousAddress);
        MailService::install(previousService);
        for (const auto& [name, value] : saved) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }
    std::string dir(const std::string& name) const { return temp.path().toStdString() + "/" + name; }
    void fakeXdgEmail(int exitCode)
    {
        std::ofstream(dir("bin/xdg-email"))
            << "#!/bin/sh\nprintf '%s\\0' \"$@\" > '" << dir("args") << "'\n"
            << "while [ $# -gt 0 ]; do [ \"$1\" = --attach ] && cp \"$2\" '" << dir("attached") << "'; shift; done\n"
            << "exit " << exitCode << "\n";
        fs::permissions(dir("bin/xdg-email"), fs::perms::owner_all);
    }
    std::vector<std::string> arguments() const { return testsupport::nulSeparated(contentOf(dir("args"))); }
    // Shows the dialog; once it stands, types the text and presses a button.
    void run(DIALOG_BUGREPORT& dialog, const QString& text, const char* button, const QString& shownText = {})
    {
        QTimer::singleShot(0, [=] {
            QWidget* shown = QApplication::activeModalWidget();
            ASSERT_NE(shown, nullptr);
            EXPECT_EQ(shown->findChild<QTextEdit*>("F_bug_edittext")->toPlainText(), shownText);
            shown->findChild<QTextEdit*>("F_bug_edittext")->setPlainText(text);
            shown->findChild<QPushButton*>(button)->click();
        });
        dialog.implementor()->show();
    }

    QTemporaryDir temp;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
    std::shared_ptr<MailService> previousService;
    std::string previousAddress;
    vordix::FileDialogHandler previousDialogs;
    std::vector<std::string> offered; // the paths the save dialog proposed
    std::string chosen;               // the user's answer; empty: cancelled
    std::shared_ptr<testsupport::RecordingMessageSink> sink = std::make_shared<testsupport::RecordingMessageSink>();
};

TEST_F(BugReport, SendMailsTheDescriptionAndTheGameAsAnAttachedSheet)
{
    for (const QString description : {QStringLiteral("Der Kreuz-Bube wurde übersehen."), QString()}) {
        fs::remove(dir("args"));
        const EIN_SPIEL game = playedGame();
        DIALOG_BUGREPORT dialog(nullptr);
        dialog.prepare(&game);
        run(dialog, description, "F_bug_senden");
        const std::vector<std::string> args = arguments();
        ASSERT_EQ(args.size(), 8u) << description.toStdString();
        EXPECT_EQ(args[2], "Fehler melden");
        EXPECT_EQ(args[4], description.toStdString() + "\n\n"); // empty: still the two line feeds
        EXPECT_EQ(fs::path(args[6]).filename(), "Verlauf.skt");
        EXPECT_EQ(args[7], "fehler@skat.example");
        // The attached sheet holds the game, its deal rebuilt from the tricks.
        LISTE sheet;
        ASSERT_EQ(streamFromXml(contentOf(dir("attached")), sheet), STREAM_READ_OK);
        ASSERT_EQ(sheet.rowCount(), 1);
        EXPECT_TRUE(sheet.rowAt(0).deal.isValid());
        EXPECT_EQ(sheet.rowAt(0).record.SPIELWERT, 24);
        EXPECT_EQ(contentOf(dir("attached")), dialog.reportXml());
        EXPECT_TRUE(sink->texts.empty());
    }
}

TEST_F(BugReport, CancelSendsNothingAndTheNextReportStartsEmpty)
{
    const EIN_SPIEL game = playedGame();
    DIALOG_BUGREPORT dialog(nullptr);
    dialog.prepare(&game);
    run(dialog, QStringLiteral("verworfen"), "F_bug_abbr");
    EXPECT_FALSE(fs::exists(dir("args")));
    EXPECT_EQ(dialog.implementor()->result, 2);
    dialog.prepare(&game); // run() checks that the field is empty again
    run(dialog, QStringLiteral("neu"), "F_bug_abbr");
}

// Without an address, a mail client or a composer that works, the report is
// saved where the user says and the user is told where it went; cancelled,
// the typed text comes back with the next report.
TEST_F(BugReport, WithoutMailTheReportIsSavedAndTypedTextIsNeverLost)
{
    struct Case {
        const char* name;
        std::string address;
        bool display;
        int composerExit;
    };
    const Case cases[] = {
        {"no address in the build", "", true, 0},
        {"no mail client", "fehler@skat.example", false, 0},
        {"the composer fails", "fehler@skat.example", true, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sink->clear();
        offered.clear();
        fs::remove(dir("args"));
        DIALOG_BUGREPORT::setAddress(c.address);
        if (c.display)
            setenv("DISPLAY", ":99", 1);
        else
            unsetenv("DISPLAY");
        fakeXdgEmail(c.composerExit);
        chosen = dir("gespeichert.txt");
        fs::remove(chosen);

        const EIN_SPIEL game = playedGame();
        DIALOG_BUGREPORT dialog(nullptr);
        dialog.prepare(&game);
        run(dialog, QStringLiteral("Der Kreuz-Bube fehlt."), "F_bug_senden");
        EXPECT_EQ(fs::exists(dir("args")), c.composerExit != 0) << "no mail went out";
        ASSERT_EQ(offered.size(), 1u);
        EXPECT_EQ(offered[0], dir("home/Dokumente/Fehlerbericht.txt"));
        EXPECT_TRUE(fs::is_directory(dir("home/Dokumente")));
        EXPECT_EQ(contentOf(chosen), "Der Kreuz-Bube fehlt.\n\n" + dialog.reportXml());
        ASSERT_EQ(sink->texts.size(), 1u);
        EXPECT_EQ(sink->kinds[0], vordix::MessageKind::Information);
        EXPECT_NE(sink->texts[0].find(vordix::fromUtf8(chosen)), std::wstring::npos);
        dialog.prepare(&game); // a saved report leaves an empty field
        run(dialog, QString(), "F_bug_abbr");
    }

    // Cancelled saving: the user is told and the text waits in the dialog.
    sink->clear();
    chosen.clear();
    DIALOG_BUGREPORT::setAddress("");
    const EIN_SPIEL game = playedGame();
    DIALOG_BUGREPORT dialog(nullptr);
    dialog.prepare(&game);
    run(dialog, QStringLiteral("Lang getippt."), "F_bug_senden");
    ASSERT_EQ(sink->texts.size(), 1u);
    EXPECT_EQ(sink->kinds[0], vordix::MessageKind::Warning);
    dialog.prepare(&game);
    run(dialog, QStringLiteral("Lang getippt."), "F_bug_abbr", QStringLiteral("Lang getippt."));
    dialog.prepare(&game); // thrown away by cancelling
    run(dialog, QString(), "F_bug_abbr");
}

} // namespace
