// The game's bug report: the dialog on its form, and the mail that a fake
// xdg-email on PATH receives.

#include "skat/engine/EinSpiel.h"
#include "skat/engine/Liste.h"
#include "skat/ui/DialogBugreport.h"
#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "tests/support/NulSeparated.h"
#include "tests/support/RecordingMessageSink.h"
#include "vordix/MessageSink.h"
#include "vordix/Stream.h"
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
        for (const char* name : {"PATH", "DISPLAY", "XDG_CACHE_HOME"}) {
            const char* value = std::getenv(name);
            saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        fs::create_directory(dir("bin"));
        setenv("PATH", (dir("bin") + ":/usr/bin:/bin").c_str(), 1);
        setenv("DISPLAY", ":99", 1);
        setenv("XDG_CACHE_HOME", dir("cache").c_str(), 1);
        fakeXdgEmail(0);
        previousService = MailService::installed();
        installMailService();
        vordix::setMessageSink(sink);
    }
    void TearDown() override
    {
        vordix::setMessageSink(nullptr);
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
    void run(DIALOG_BUGREPORT& dialog, const QString& text, const char* button)
    {
        QTimer::singleShot(0, [=] {
            QWidget* shown = QApplication::activeModalWidget();
            ASSERT_NE(shown, nullptr);
            EXPECT_TRUE(shown->findChild<QTextEdit*>("F_bug_edittext")->toPlainText().isEmpty());
            shown->findChild<QTextEdit*>("F_bug_edittext")->setPlainText(text);
            shown->findChild<QPushButton*>(button)->click();
        });
        dialog.implementor()->show();
    }

    QTemporaryDir temp;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
    std::shared_ptr<MailService> previousService;
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
        EXPECT_EQ(args[7], SKAT_BUG_REPORT_ADDRESS);
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

TEST_F(BugReport, WithoutAWorkingMailClientTheUserIsToldAndTheGameGoesOn)
{
    const std::wstring expected =
        L"Die Nachricht kann nicht verschickt werden, weil kein E-Mail-Programm konfiguriert ist.";
    for (const bool display : {false, true}) {
        sink->clear();
        if (display) {
            setenv("DISPLAY", ":99", 1);
            fakeXdgEmail(3); // the composer fails
        } else {
            unsetenv("DISPLAY");
        }
        const EIN_SPIEL game = playedGame();
        DIALOG_BUGREPORT dialog(nullptr);
        dialog.prepare(&game);
        run(dialog, QStringLiteral("x"), "F_bug_senden");
        ASSERT_EQ(sink->texts.size(), 1u) << display;
        EXPECT_EQ(sink->texts[0], expected);
    }
}

} // namespace
