// Writes the seeds of the readers' fuzz targets: small valid files and
// messages as the engine itself writes them, one folder per target.
//   fuzz_seeds <folder>

#include "skat/engine/KartenverteilungDoc.h"
#include "skat/engine/LaufendesSpielDokument.h"
#include "skat/engine/Liste.h"
#include "skat/net/SkatNetworkMessage.h"
#include "tests/support/PlayedGame.h"
#include "tests/support/fuzz/FuzzSupport.h"
#include "vordix/Random.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

fs::path out;

void put(const char* folder, const std::string& name, const std::string& text)
{
    fs::create_directories(out / folder);
    std::ofstream(out / folder / name, std::ios::binary) << text;
}

// A game in hearts from a seed: forehand 1, seat 0 declares with one jack,
// settled once all tricks lie on the pile.
SPIELKARTEN playedGame(std::uint32_t seed, int tricks, SPIELSTRUCT& record)
{
    SPIELKARTEN cards = testsupport::playedGame(seed, GAME_HEARTS, SEAT_0, SEAT_1, tricks, record);
    record.SPITZEN = 1;
    if (tricks == STAPEL::MAX_TRICKS)
        record.settle(cards.pile);
    return cards;
}

void writeSheets()
{
    LISTE sheet;
    put("sheet", "empty.skt", fuzzsupport::documentText(sheet));
    SPIELSTRUCT record;
    SPIELKARTEN cards = playedGame(7, STAPEL::MAX_TRICKS, record);
    sheet.addGame(record, cards, false);
    put("sheet", "one-game.skt", fuzzsupport::documentText(sheet));
    SPIELSTRUCT passed;
    sheet.addGame(passed, SPIELKARTEN(), false);
    cards = playedGame(11, 4, record);
    record.SPIELWERT = -60;
    record.ALSP_AUFGEGEBEN = true;
    record.KONTRA = true;
    record.KONTRA_WER = 1;
    sheet.addGame(record, cards, true);
    sheet.places = 4;
    sheet.networkGame = true;
    put("sheet", "three-rows-four-places.skt", fuzzsupport::documentText(sheet));
}

void writeRunningGames()
{
    LAUFENDES_SPIEL_DOKUMENT running;
    put("running", "nothing.skt", fuzzsupport::documentText(running));
    running.cards = playedGame(3, 0, running.record);
    running.record.SPIELART.SPIEL_TYP = GAME_NONE;
    running.record.ALLEIN = SEAT_NONE;
    running.stateIndex = STATE_REIZEN;
    put("running", "bidding.skt", fuzzsupport::documentText(running));
    running.cards = playedGame(5, 3, running.record);
    running.stateIndex = STATE_KARTE_AUSSPIELEN;
    running.record.texts()[TEXT_KOMMENTAR] = L"Kommentar \u00e4";
    put("running", "card-play.skt", fuzzsupport::documentText(running));
    running.cards = playedGame(9, STAPEL::MAX_TRICKS, running.record);
    running.stateIndex = STATE_ABRECHNUNG;
    put("running", "settlement.skt", fuzzsupport::documentText(running));
}

void writeDeals()
{
    KARTENVERTEILUNG_DOC document;
    put("deal", "empty.krt", fuzzsupport::documentText(document));
    SPIELSTRUCT record;
    const SPIELKARTEN cards = playedGame(13, 0, record);
    document.deal = cards.dealAsDealt;
    document.comment = L"Ein Blatt";
    put("deal", "dealt.krt", fuzzsupport::documentText(document));
}

void writeMessages()
{
    SKAT_NETWORKMESSAGE chat(CHAT_MESSAGE, L"peer-1");
    chat.setChatText(L"Gut Blatt ]]> \u00fc");
    chat.seat = 2;
    put("message", "chat.xml", streamToXml(chat));
    put("message", "hello.xml", streamToXml(SKAT_NETWORKMESSAGE(CLIENT_HELLO, L"peer-2")));

    REMOTE_PLAYER client(1);
    client.setHeldName(L"Gast");
    SKAT_NETWORKMESSAGE request(SETUP_REQUEST, L"peer-3");
    request.clientPlayer = PlayerDescription::of(client);
    put("message", "setup-request.xml", streamToXml(request));

    SKAT_NETWORKMESSAGE reply(SETUP_REPLY, L"host");
    reply.reply = 1;
    auto human = createPlayer(PLAYER_KIND_HUMAN, 0);
    auto computer = createPlayer(PLAYER_KIND_COMPUTER, 1);
    reply.seatPlayers = {PlayerDescription::of(*human), PlayerDescription::of(*computer),
                         PlayerDescription::of(client)};
    put("message", "setup-reply.xml", streamToXml(reply));

    SKAT_NETWORKMESSAGE notification(TABLE_NOTIFICATION, L"host");
    notification.event = SCORE_SHEET_CHANGED;
    notification.stateIndex = STATE_KARTE_AUSSPIELEN;
    notification.cards = playedGame(17, 2, notification.record);
    notification.sheet().addGame(notification.record, notification.cards, false);
    put("message", "notification-with-sheet.xml", streamToXml(notification));

    SKAT_NETWORKMESSAGE action(PLAYER_ACTION_REQUEST, L"host");
    action.action = REQUEST_PLAY_CARD;
    action.seat = 1;
    action.cards = playedGame(19, 5, action.record);
    action.stateIndex = STATE_KARTE_AUSSPIELEN;
    put("message", "action-request.xml", streamToXml(action));
    SKAT_NETWORKMESSAGE answer(PLAYER_ACTION_REPLY, L"peer-1");
    answer.action = REQUEST_DISCARD;
    answer.seat = 2;
    answer.answer = 1;
    answer.skat = SKAT(cardByBit(0)->id(), cardByBit(9)->id());
    answer.spielart.SPIEL_TYP = GAME_GRAND;
    put("message", "action-reply.xml", streamToXml(answer));
}

void writeXmlAndNumbers()
{
    SKAT_NETWORKMESSAGE chat(CHAT_MESSAGE, L"\u00e4\u20ac\U0001F0A1");
    chat.setChatText(L"<&>\"'");
    put("xml", "message.xml", streamToXml(chat));
    LAUFENDES_SPIEL_DOKUMENT running;
    running.cards = playedGame(23, 2, running.record);
    running.stateIndex = STATE_KARTE_AUSSPIELEN;
    put("xml", "document.xml", fuzzsupport::documentText(running));
    const char* numbers[] = {"0", "-2147483648", "2147483647", "4294967295", " +17 18", "-0", "12x"};
    int n = 0;
    for (const char* number : numbers)
        put("number", "n" + std::to_string(n++), number);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds <folder>\n");
        return 2;
    }
    out = argv[1];
    fuzzsupport::quietMessages();
    writeSheets();
    writeRunningGames();
    writeDeals();
    writeMessages();
    writeXmlAndNumbers();
    return 0;
}
