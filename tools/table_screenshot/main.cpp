// Shows the game window on a table set up in one position and saves a
// picture of its client area: "fan" (the hands after the deal), "cut" (the
// deck with its cut lines), "bidding" (the bidding panel) or "trick" (a
// trick in the middle, one taken before; "lasttrick" shows that one above its
// pile) or "illegal" (a card that may not be played was tried: the hand dims
// the others). After a played game: "announcehand" (the hand-game panel with
// its suit pictures), "settlement" (a lost hand game settled), "history" (the
// history window of a game whose skat the declarer took), "sheet" (the
// score-sheet window placed on a screen of the given size) and "quit" (the
// question before quitting in the middle of a game). --english shows the
// program in English.
//   table_screenshot <position> <out.png> [--set <card set name>] [--english]
//                    [--size <width>x<height>] [--program-dir <dir>]

#include "skat/app/Bilder.h"
#include "skat/app/PrefDefaults.h"
#include "skat/app/SkatFolders.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/EinSpiel.h"
#include "skat/engine/Karte.h"
#include "skat/engine/Liste.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/TableServices.h"
#include "skat/ui/DialogAbrechnung.h"
#include "skat/ui/DialogJaNein.h"
#include "skat/ui/DialogSpielansage.h"
#include "skat/ui/FensterListe.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/MainWindowShell.h"
#include "skat/ui/TableDialogs.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "skat/windows/ResourceStringTable.h"
#include "vordix/Message.h"
#include "vordix/Preference.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/ClientFenster.h"
#include "vordix/windows/WinFenster.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace {

class Shell : public MAIN_WINDOW_SHELL {
public:
    void runCommand(const VORDIX_MESSAGE&) override { }
    void shutdown() override { }
};

// A table of this program's own that runs no game loop: it shows the game
// as set up here, without start buttons (a game state is set) and without
// the network title a joined table would show.
class PreviewTable : public SKATTISCH {
public:
    void performPlayerRequest(const PlayerRequestArrival&) override { }
    bool playerFinished(int, const PLAYER_AKTION&) override { return false; }
};

class Server : public TABLE_SERVER_ACCESS {
public:
    SKATTISCH* currentTable() override { return &table; }
    void startNewSheet() override { }
    void startNewGameOfList() override { }
    PreviewTable table;
};

CardSet cardsOf(const char* codes)
{
    CardSet set = 0;
    std::string text(codes);
    for (std::size_t i = 0; i + 1 < text.size(); i += 3)
        set |= cardMaskOfId(cardIdFromCode(text.substr(i, 2).c_str()));
    return set;
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The players carry the names a first start of the program gives them.
class PreviewServices : public TABLE_SERVICES {
public:
    std::wstring seatName(int playerId) const override
    {
        return playerId >= 0 && playerId < 3 ? USER_PREFS::instance().playerNames[static_cast<std::size_t>(playerId)]
                                             : TABLE_SERVICES::seatName(playerId);
    }
};

void seat(SKATTISCH& table)
{
    for (int i = 0; i < 3; ++i)
        USER_PREFS::instance().playerNames[static_cast<std::size_t>(i)] = skat::defaultSeatName(i);
    installTableServices(std::make_shared<PreviewServices>());
    table.standardSeating();
}

void deal(SKATTISCH& table)
{
    seat(table);
    const CardSet hands[3] = {cardsOf("KB PB KA K1 KK KD K9 K8 K7 PA"), cardsOf("HB CB HA H1 HK HD H9 H8 H7 P1"),
                              cardsOf("CA C1 CK CD C9 C8 C7 PK PD P9")};
    for (Seat seat = SEAT_0; seat < 3; ++seat)
        table.cards.hands[seat].setCardSet(hands[seat]);
    table.cards.pile.setVh(SEAT_0);
}

// The user's seat at the preview table.
Seat userSeat(SKATTISCH& table) { return table.seatOf(table.playerInSlot(0)); }

// Plays the given number of tricks, every seat the first card it may play.
void playTricks(SKATTISCH& table, GameType type, Seat declarer, int tricks)
{
    SPIELKARTEN& cards = table.cards;
    for (int n = 0; n < tricks * 3; ++n) {
        const Seat seat = cards.seatToMove();
        const CardSet hand = cards.hands[seat].cardSet();
        CardSet legal = hand;
        if (cards.trick.count() > 0) {
            const CardSet follow = EINBLATT::legalCards(hand, cards.trick.card(0)->bit(), type);
            if (follow != 0)
                legal = follow;
        }
        CardBit bit = 0;
        while (!(legal & bitMask(bit)))
            ++bit;
        cards.playCard(cardIdOfBit(bit));
        if (cards.trick.count() == 3)
            cards.collectTrick(type, declarer);
    }
}

// The user plays Hearts: after the deal with the skat taken and two cards
// put away, or as a hand game.
void userPlaysHearts(SKATTISCH& table, bool hand)
{
    deal(table);
    const Seat user = userSeat(table);
    if (hand) {
        // A bold hand game: the others hold three jacks and the aces.
        table.cards.hands[user].setCardSet(cardsOf("HB HA HK H9 H8 H7 P9 C7 K7 K8"));
        table.cards.hands[nextSeat(user)].setCardSet(cardsOf("KB PB CB H1 HD KA K1 KK KD K9"));
        table.cards.hands[previousSeat(user)].setCardSet(cardsOf("CA C1 CK CD C9 C8 PA P1 PK PD"));
    }
    table.cards.skat = SKAT(cardIdFromCode("P8"), cardIdFromCode("P7"));
    table.cards.dealtRecorded = true;
    table.cards.dealAsDealt.skat = table.cards.skat;
    table.cards.AUSP = SEAT_0;
    table.record.ALLEIN = user;
    table.record.GEREIZT = 18;
    table.record.GEREIZTBIS = {0, 18, 0};
    table.record.GEREIZTBIS[static_cast<std::size_t>(user)] = 20;
    table.record.SPIELART = SPIELART(GAME_HEARTS, hand ? WIN_LEVEL_HAND : WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
    if (!hand) {
        table.cards.takeSkatCard(user, cardIdFromCode("P8"));
        table.cards.takeSkatCard(user, cardIdFromCode("P7"));
        table.cards.pushSkat(user, SKAT(cardIdFromCode("P1"), cardIdFromCode("P8")));
    } else {
        table.cards.pile.setSkat(table.cards.skat);
    }
}

// The window's client with the dialogs that stand over it, as on the screen.
QImage screenOf(FENSTER_SKAT& window, std::initializer_list<QWidget*> over)
{
    auto* platform = dynamic_cast<WIN_FENSTER*>(window.implementor().get());
    QWidget* client = platform->clientWidget();
    QImage picture = client->grab().toImage();
    QPainter painter(&picture);
    const QPoint origin = client->mapToGlobal(QPoint(0, 0));
    for (QWidget* widget : over)
        if (widget && widget->isVisible())
            painter.drawPixmap(widget->mapToGlobal(QPoint(0, 0)) - origin, widget->grab());
    return picture;
}

QWidget* widgetOf(VORDIX_DIALOG& dialog) { return dynamic_cast<QWidget*>(dialog.implementor().get()); }

// A score sheet of a dozen games between the three players.
void fillSheet(LISTE& sheet)
{
    struct Row {
        GameType type;
        int winLevel, declarer, value;
    };
    const Row rows[] = {{GAME_CLUBS, 0, 0, 36},   {GAME_GRAND, 0, 1, 72},    {GAME_HEARTS, 2, 2, -80},
                        {GAME_NULL, 0, 0, 23},    {GAME_SPADES, 0, 1, 44},   {GAME_DIAMONDS, 0, 2, -54},
                        {GAME_GRAND, 2, 0, 120},  {GAME_CLUBS, 0, 2, 48},    {GAME_HEARTS, 0, 1, 30},
                        {GAME_SPADES, 0, 0, -66}, {GAME_DIAMONDS, 0, 1, 27}, {GAME_GRAND, 0, 2, 96}};
    for (const Row& r : rows) {
        auto game = std::make_unique<EIN_SPIEL>();
        game->record.GEREIZT = 18;
        game->record.ALLEIN = static_cast<Seat>(r.declarer);
        game->record.SPIELART = SPIELART(r.type, r.winLevel);
        game->record.SPIELWERT = r.value;
        sheet.insertRow(std::move(game));
    }
}

// Preferences in memory: the pictures leave the user's own settings alone.
class MemoryPreferences : public VORDIX_PREFERENCE_imp {
public:
    bool setValue(int id, const std::wstring& text) override
    {
        values_[id] = text;
        return true;
    }
    bool getValue(int id, std::wstring& text) override
    {
        const auto it = values_.find(id);
        text = it == values_.end() ? std::wstring() : it->second;
        return it != values_.end();
    }

private:
    std::map<int, std::wstring> values_;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: table_screenshot <fan|cut|bidding|trick> <out.png> [--set <name>] "
                             "[--size <w>x<h>] [--program-dir <dir>]\n");
        return 2;
    }
    const std::string position = argv[1];
    const QString out = QString::fromLocal8Bit(argv[2]);
    std::wstring setName;
    int width = 1024, height = 768;
    QString programDir;
    bool english = false;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--english")
            english = true;
        else if (i + 1 >= argc)
            break;
        else if (arg == "--set")
            setName = QString::fromLocal8Bit(argv[++i]).toStdWString();
        else if (arg == "--size")
            std::sscanf(argv[++i], "%dx%d", &width, &height);
        else if (arg == "--program-dir")
            programDir = QString::fromLocal8Bit(argv[++i]);
    }
    registerControlIds();
    registerForms();
    registerResourceStrings();
    QApplication app(argc, argv);
    if (programDir.isEmpty())
        programDir = QCoreApplication::applicationDirPath() + QStringLiteral("/../../skat/windows");
    WIN_IMPLEMENTORFACTORY::installDefault();
    USER_PREFS::installInstance(std::make_unique<USER_PREFS>(std::make_unique<MemoryPreferences>()));
    WIN_FILEPATH::setProgramFolder(WIN_FILEPATH::fromFsPath(programDir.toStdString()));
    QTranslator translator;
    if (english) {
        SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>(skat::resourceFile({}, L"Skat_Text.xml"), true));
        if (translator.load(programDir + QStringLiteral("/Skat.en.qm")))
            QCoreApplication::installTranslator(&translator);
    }
    USER_PREFS::instance().playDelayMs = 0; // every card at its place at once
    BILDER& images = BILDER::instance();
    images.initialize();
    if (!setName.empty() && !images.selectCardSet(images.findCardSet(setName))) {
        std::fprintf(stderr, "no card set %ls\n", setName.c_str());
        return 1;
    }
    // The panels' suit pictures follow the card-set preference.
    if (!setName.empty())
        USER_PREFS::instance().setCardSetName(setName);

    auto server = std::make_shared<Server>();
    installTableServer(server);
    Shell shell;
    FENSTER_SKAT window(shell);
    window.create();
    window.show();
    window.resize(width, height);
    wait(50);
    VORDIX_MESSAGE resized(MESSAGE_RESIZE);
    window.onMessage(resized);
    SKATTISCH& table = server->table;
    FENSTER_SKAT_CONTROLLER& controller = *window.windowController();

    if (position == "cut") {
        seat(table);
        table.cards.pile.setVh(SEAT_0);
        table.currentIndex = STATE_ABHEBEN_UND_GEBEN;
        window.attachSeats();
        window.pileController.mode = PILE_DECK;
        controller.beginCut();
        window.pileView.cutIndex = 12;
    } else {
        deal(table);
        window.pileController.mode = PILE_TRICKS;
        if (position == "fan") {
            table.currentIndex = STATE_REIZ_VORSCHLAG;
            controller.input.mode = INPUT_CUT_DONE;
            controller.input.skatFromCut = true;
        } else if (position == "bidding") {
            table.currentIndex = STATE_REIZEN;
            controller.input.mode = INPUT_BID;
            window.biddingController.offerBid(L"", 1, 0);
        } else if (position == "trick" || position == "lasttrick") {
            window.pileController.showLastTrick = position == "lasttrick";
            table.currentIndex = STATE_KARTE_AUSSPIELEN;
            table.record.SPIELART.SPIEL_TYP = GAME_GRAND;
            table.record.ALLEIN = SEAT_1;
            table.cards.AUSP = 0;
            for (const char* code : {"KA", "H7", "C7"})
                table.cards.playCard(cardIdFromCode(code));
            table.cards.collectTrick(GAME_GRAND, SEAT_1);
            for (const char* code : {"PA", "P1", "P9"})
                table.cards.playCard(cardIdFromCode(code));
            controller.input.mode = INPUT_CARD_PLAY;
        } else if (position == "announcehand") {
            table.currentIndex = STATE_SPIEL_ANSAGEN;
            table.record.ALLEIN = userSeat(table);
            table.record.GEREIZT = 18;
            controller.input.mode = INPUT_ANNOUNCING;
        } else if (position == "settlement") {
            userPlaysHearts(table, true);
            playTricks(table, GAME_HEARTS, userSeat(table), 10);
            table.currentIndex = STATE_ABRECHNUNG;
            controller.input.mode = INPUT_GAME_RESULT;
        } else if (position == "history" || position == "sheet" || position == "quit") {
            userPlaysHearts(table, false);
            playTricks(table, GAME_HEARTS, userSeat(table), 6);
            table.currentIndex = STATE_KARTE_AUSSPIELEN;
            controller.input.mode = INPUT_CARD_PLAY;
        } else if (position == "illegal") {
            table.currentIndex = STATE_KARTE_AUSSPIELEN;
            table.record.SPIELART.SPIEL_TYP = GAME_GRAND;
            table.record.ALLEIN = SEAT_1;
            table.cards.AUSP = 0;
            table.cards.playCard(cardIdFromCode("PA"));
        } else {
            std::fprintf(stderr, "unknown position %s\n", position.c_str());
            return 2;
        }
        window.attachSeats();
    }
    controller.updateView();
    if (position == "illegal") {
        // The user tries the heart ace on a spade lead: the other cards dim.
        controller.beginCardChoice(NO_CARD);
        window.handControllers[0].playCard(cardIdFromCode("HA"));
    }
    window.invalidate();
    wait(400);
    QImage picture = screenOf(window, {});
    std::unique_ptr<FENSTER_LISTE> sheetWindow;
    if (position == "announcehand") {
        DIALOG_SPIEL_HAND& panel = *window.tableDialogs()->announceHand;
        panel.bid = 18;
        panel.setHand(table.cards.hands[userSeat(table)].cardSet());
        panel.implementor()->show();
        wait(300);
        picture = screenOf(window, {widgetOf(panel)});
    } else if (position == "settlement") {
        const Seat user = userSeat(table);
        const int points = table.cards.pile.recordPoints(PARTY_DECLARER);
        SPIELSTRUCT& record = table.record;
        record.SPITZEN = EINBLATT(table.cards.pile.startingHandOf(user).cardSet()).spitzen(SUIT_HEARTS);
        const int levels = std::abs(record.SPITZEN) + 2 + (points <= 30 ? 1 : 0);
        record.SPIELWERT = points > 60 ? 10 * levels : -2 * 10 * levels;
        if (points <= 30)
            record.SPIELART.STUFE = LEVEL_SCHNEIDER;
        DIALOG_ABRECHNUNG& panel = *window.tableDialogs()->settlement;
        panel.record = record;
        panel.implementor()->show();
        wait(300);
        picture = screenOf(window, {widgetOf(panel)});
    } else if (position == "history") {
        FENSTER_STICHE history;
        history.create();
        history.refresh(table);
        history.show();
        wait(300);
        picture = dynamic_cast<QWidget*>(history.implementor().get())->grab().toImage();
    } else if (position == "sheet") {
        sheetWindow = std::make_unique<FENSTER_LISTE>();
        sheetWindow->print = [](const LISTE&) { return true; };
        sheetWindow->create();
        fillSheet(table.sheet);
        for (std::size_t i = 0; i < 3; ++i)
            table.sheet.playerNames[i] = USER_PREFS::instance().playerNames[i];
        sheetWindow->attachList(&table.sheet);
        sheetWindow->show();
        sheetWindow->fitInto({0, 0, width, height});
        wait(300);
        // The table fills the screen; the sheet window stands at its top left.
        QImage screen(width, height, QImage::Format_RGB32);
        screen.fill(Qt::black);
        QPainter painter(&screen);
        painter.drawImage(0, 0, picture);
        painter.drawPixmap(0, 0, dynamic_cast<QWidget*>(sheetWindow->implementor().get())->grab());
        painter.end();
        picture = screen;
    } else if (position == "quit") {
        DIALOG_ABBRUCH question(&window);
        QTimer::singleShot(300, [&] {
            picture = screenOf(window, {widgetOf(question)});
            question.implementor()->endDialog(DIALOG_ABBRUCH::BACK);
        });
        question.confirm();
    }
    installTableServer(nullptr);
    if (!picture.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}
