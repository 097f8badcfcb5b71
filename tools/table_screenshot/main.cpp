// Shows the game window on a table set up in one position and saves a
// picture of its client area: "fan" (the hands after the deal), "cut" (the
// deck with its cut lines), "bidding" (the bidding panel) or "trick" (a
// trick in the middle, one taken before; "lasttrick" shows that one above its
// pile) or "illegal" (a card that may not be played was tried: the hand dims
// the others).
//   table_screenshot <fan|cut|bidding|trick|lasttrick|illegal> <out.png> [--set <card set name>]
//                    [--size <width>x<height>] [--program-dir <dir>]

#include "skat/app/Bilder.h"
#include "skat/app/PrefDefaults.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Karte.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/TableServices.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/MainWindowShell.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "vordix/Message.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/ClientFenster.h"
#include "vordix/windows/WinFenster.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QTimer>

#include <cstdio>
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
    for (int i = 3; i + 1 < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--set")
            setName = QString::fromLocal8Bit(argv[++i]).toStdWString();
        else if (arg == "--size")
            std::sscanf(argv[++i], "%dx%d", &width, &height);
        else if (arg == "--program-dir")
            programDir = QString::fromLocal8Bit(argv[++i]);
    }
    registerControlIds();
    registerForms();
    QApplication app(argc, argv);
    if (programDir.isEmpty())
        programDir = QCoreApplication::applicationDirPath() + QStringLiteral("/../../skat/windows");
    WIN_IMPLEMENTORFACTORY::installDefault();
    WIN_FILEPATH::setProgramFolder(WIN_FILEPATH::fromFsPath(programDir.toStdString()));
    USER_PREFS::instance().playDelayMs = 0; // every card at its place at once
    BILDER& images = BILDER::instance();
    images.initialize();
    if (!setName.empty() && !images.selectCardSet(images.findCardSet(setName))) {
        std::fprintf(stderr, "no card set %ls\n", setName.c_str());
        return 1;
    }

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
    auto* platform = dynamic_cast<WIN_FENSTER*>(window.implementor().get());
    const QImage picture = platform->clientWidget()->grab().toImage();
    installTableServer(nullptr);
    if (!picture.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}
