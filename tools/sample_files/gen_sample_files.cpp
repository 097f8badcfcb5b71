// Writes the sample files the program ships in "Ressourcen" and copies to a
// new user at the first start: a sample score sheet, card distributions with
// "Demo.krt", and the exercise lists in German and English. Every file is
// written by the engine's own writers from games that three computer players
// play on seeded deals, so the samples follow the game as it is built.
// With --history it writes instead a user's played past into that folder:
// the high-score list "bestenliste" of a few whole lists and their games in
// "Historie.skt" (the statistics dialog shows both; screenshots use them).
//
//   gen_sample_files --tables skat/logic/data --seed 7 --out build/skat/windows/Ressourcen
//   gen_sample_files --tables skat/logic/data --seed 7 --history FOLDER

#include "skat/app/Bestenliste.h"
#include "skat/app/TextTableReader.h"
#include "skat/engine/KartenverteilungDoc.h"
#include "skat/engine/Liste.h"
#include "skat/engine/LocalTischBeobachter.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/TableServices.h"
#include "skat/logic/ComputerPlayer.h"
#include "skat/logic/LeadTables.h"
#include "skat/logic/PreplayTables.h"
#include "vordix/Folder.h"
#include "vordix/Random.h"
#include "vordix/Utf8.h"

#include <tinyxml2.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class SeededServices : public TABLE_SERVICES {
public:
    explicit SeededServices(std::uint32_t seed) { random_.seed = seed; }
    int drawApplicationRandom(int n) override
    {
        std::lock_guard lock(mutex_);
        return random_.next(n);
    }
    void log(const std::wstring&) override { }

private:
    std::mutex mutex_;
    VORDIX_RANDOM random_;
};

// Stops the loop once a whole list is played.
class ListEnd : public LOCAL_TISCH_BEOBACHTER {
public:
    ListEnd(SKATTISCH_SERVER& table, int games) : LOCAL_TISCH_BEOBACHTER(table), table_(table), games_(games) { }
    void handleEvent(int event) override
    {
        if ((event == GAME_FINISHED || event == ALL_PASSED) && ++played_ == games_)
            table_.stopGameLoop();
    }

private:
    SKATTISCH_SERVER& table_;
    int games_;
    std::atomic<int> played_{0};
};

// One list of games of three computer players.
void playList(std::uint32_t seed, int games, LISTE& out)
{
    SKATTISCH_SERVER table;
    for (int slot = 0; slot < 3; ++slot)
        table.setPlayer(slot, PLAYER_KIND_COMPUTER);
    table.setSavesFiles(false);
    table.setHeadless(true);
    table.setFixedSeed(seed);
    table.observers.add(std::make_unique<ListEnd>(table, games));
    table.modus.setNextOfList(table.sheet);
    table.startLoopThread();
    if (!table.waitForLoopEnd(600000)) {
        std::fprintf(stderr, "the game loop did not end\n");
        std::exit(1);
    }
    out.reset();
    out.setPlayerNames(table.sheet.playerNames);
    for (int i = 0; i < table.sheet.rowCount(); ++i)
        out.insertRow(std::make_unique<EIN_SPIEL>(table.sheet.rowAt(i)));
}

VORDIX_FILE fileIn(const fs::path& folder, const std::wstring& name)
{
    fs::create_directories(folder);
    VORDIX_FOLDER dir;
    dir.setPath(folder.wstring());
    return VORDIX_FILE(dir, name);
}

bool saveSheet(LISTE& sheet, const fs::path& folder, const std::wstring& name)
{
    sheet.file = fileIn(folder, name);
    sheet.modified = true;
    return sheet.save();
}

// ---------------------------------------------------------------- exercises

struct Words {
    const char* games[9];
    const char* seats[3];
    const char* bid;
    const char* jacksWith;
    const char* jacksWithout;
    const char* won;
    const char* lost;
    const char* schneider;
    const char* schwarz;
    const char* hand;
    const char* nullWon;
    const char* nullLost;
    const char* suits[4];
    const char* ranks[8];
    const char* cardPattern; // suit, rank
    const char* biddingNote; // seat, bid
    const char* gameNote;    // game
    const char* trickNote;   // trick, seat, led card, second, third, taker, points
};

const Words GERMAN = {
    {"", "Kreuz", "Pik", "Herz", "Karo", "Grand", "Grand ouvert", "Null", "Ramsch"},
    {"Vorhand", "Mittelhand", "Hinterhand"},
    "gereizt bis",
    "mit %d",
    "ohne %d",
    "Der Alleinspieler gewinnt mit %d Augen.",
    "Der Alleinspieler verliert mit %d Augen.",
    " Die Gegner bleiben Schneider.",
    " Die Gegner bekommen keinen Stich.",
    " Hand",
    "Der Alleinspieler bleibt ohne Stich.",
    "Der Alleinspieler muss einen Stich nehmen.",
    {"Kreuz", "Pik", "Herz", "Karo"},
    {"7", "8", "9", "Bube", "Dame", "König", "10", "Ass"},
    "%1$s %2$s",
    "Reizen: Der Alleinspieler sitzt in %s und bekommt das Spiel bei %d.",
    "Angesagt wird %s.",
    "Stich %d: %s spielt %s aus, es folgen %s und %s. %s nimmt den Stich mit %d Augen.",
};

const Words ENGLISH = {
    {"", "Clubs", "Spades", "Hearts", "Diamonds", "Grand", "Grand ouvert", "Null", "Ramsch"},
    {"forehand", "middlehand", "rearhand"},
    "bid up to",
    "with %d",
    "without %d",
    "The declarer wins with %d card points.",
    "The declarer loses with %d card points.",
    " The defenders stay Schneider.",
    " The defenders take no trick.",
    " hand",
    "The declarer takes no trick.",
    "The declarer has to take a trick.",
    {"Clubs", "Spades", "Hearts", "Diamonds"},
    {"7", "8", "9", "Jack", "Queen", "King", "10", "Ace"},
    "%2$s of %1$s",
    "Bidding: the declarer sits in %s and gets the game at %d.",
    "The game is %s.",
    "Trick %d: %s leads the %s, followed by the %s and the %s. %s takes the trick with %d card points.",
};

// One kind of instructive deal: which games it takes and what it teaches.
struct Lesson {
    std::function<bool(const EIN_SPIEL&)> fits;
    const char* german;
    const char* english;
    const char* themeGerman;
    const char* themeEnglish;
};

bool won(const EIN_SPIEL& g) { return g.record.SPIELWERT > 0; }
GameType type(const EIN_SPIEL& g) { return g.record.SPIELART.SPIEL_TYP; }
bool isHand(const EIN_SPIEL& g) { return g.record.SPIELART.GEWINN_STUFE >= WIN_LEVEL_HAND; }
// The seat's place at the table as 0 forehand, 1 middlehand, 2 rearhand.
int seatOf(const EIN_SPIEL& g, Seat seat) { return seat >= 0 && seat <= 2 ? (seat - g.forehand() + 3) % 3 : 0; }
std::string capitalised(std::string word)
{
    if (!word.empty() && word[0] >= 'a' && word[0] <= 'z')
        word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

std::vector<Lesson> lessons()
{
    return {
        {[](const EIN_SPIEL& g) { return type(g) == GAME_GRAND && won(g); },
         "Im Grand sind nur die Buben Trumpf: Erst die Buben ziehen, dann die langen Farben mit den Assen abspielen.",
         "In a grand only the jacks are trumps: draw the jacks first, then cash the long suits with their aces.",
         "Grand", "Grand"},
        {[](const EIN_SPIEL& g) { return type(g) == GAME_NULL && won(g); },
         "Im Null darf der Alleinspieler keinen Stich machen: Niedrige Karten halten, hohe frühzeitig abwerfen.",
         "In a null game the declarer must not take a trick: keep the low cards and get rid of the high ones early.",
         "Null", "Null"},
        {[](const EIN_SPIEL& g) { return type(g) == GAME_CLUBS && won(g); },
         "Kreuz ist das höchste Farbspiel: Mit vielen Trümpfen die Gegner zuerst blank ziehen.",
         "Clubs is the highest suit game: with many trumps, pull the defenders' trumps first.", "Kreuz", "Clubs"},
        {[](const EIN_SPIEL& g) { return type(g) == GAME_SPADES && won(g); },
         "Ein Pik-Spiel: Die Trumpflänge entscheidet, die Asse der Nebenfarben sichern die Augen.",
         "A spades game: the length in trumps decides, the aces of the side suits secure the points.", "Pik", "Spades"},
        {[](const EIN_SPIEL& g) { return type(g) == GAME_HEARTS && won(g); },
         "Ein Herz-Spiel: Achte darauf, welche Zehn noch blank steht, bevor Du das Ass spielst.",
         "A hearts game: watch which ten stands alone before you play the ace.", "Herz", "Hearts"},
        {[](const EIN_SPIEL& g) { return type(g) == GAME_DIAMONDS && won(g); },
         "Karo ist das niedrigste Farbspiel und oft die sichere Wahl bei niedrigem Reizwert.",
         "Diamonds is the lowest suit game and often the safe choice after a low bid.", "Karo", "Diamonds"},
        {[](const EIN_SPIEL& g) { return isHand(g) && won(g) && type(g) != GAME_NULL; },
         "Ein Handspiel: Der Skat bleibt liegen, dafür zählt das Spiel eine Stufe mehr.",
         "A hand game: the skat stays untouched, and the game counts one level more.", "Handspiel", "Hand game"},
        {[](const EIN_SPIEL& g) { return g.record.SPIELART.STUFE >= LEVEL_SCHNEIDER && won(g); },
         "Schneider: Mit 90 Augen oder mehr zählt das Spiel eine Stufe höher. Spiele jeden Stich aus.",
         "Schneider: with 90 card points or more the game counts one level higher. Play out every trick.", "Schneider",
         "Schneider"},
        {[](const EIN_SPIEL& g) { return g.record.SPITZEN < 0 && won(g); },
         "Ein Spiel ohne Buben: Fehlen die oberen Buben, zählen sie genauso wie Spitzen mit.",
         "A game without the top jacks: missing jacks count for the value just like held ones.", "Ohne Buben",
         "Without jacks"},
        {[](const EIN_SPIEL& g) { return g.record.SPIELWERT < 0 && type(g) != GAME_RAMSCH; },
         "Ein verlorenes Spiel: Zu hoch gereizt oder falsch gedrückt? Spiele es nach und finde den Fehler.",
         "A lost game: bid too high or the wrong cards laid away? Play it again and find the mistake.", "Verloren",
         "Lost game"},
        {[](const EIN_SPIEL& g) { return g.record.declarer() == g.forehand() && isSuitGame(type(g)) && won(g); },
         "Der Alleinspieler sitzt in Vorhand und spielt aus: Mit Trumpf beginnen nimmt den Gegnern die Stiche.",
         "The declarer sits in forehand and leads: starting with trumps takes the tricks away from the defenders.",
         "Ausspiel", "Leading"},
        {[](const EIN_SPIEL& g) { return won(g) && type(g) != GAME_RAMSCH; },
         "Ein gewonnenes Spiel zum Nachspielen: Achte auf die Augen in den Stichen der Gegner.",
         "A won game to play again: watch the card points in the defenders' tricks.", "Augen zählen", "Card points"},
    };
}

std::string format(const char* pattern, int value)
{
    char text[256];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string titleOf(const EIN_SPIEL& game, const Words& words)
{
    const SPIELSTRUCT& r = game.record;
    const int t = type(game);
    std::string title = words.games[t >= 0 && t <= 8 ? t : 0];
    if (isHand(game) && t != GAME_NULL && t != GAME_GRAND_OUVERT)
        title += words.hand;
    if (t != GAME_NULL && r.SPITZEN != 0)
        title +=
            " " + format(r.SPITZEN > 0 ? words.jacksWith : words.jacksWithout, r.SPITZEN > 0 ? r.SPITZEN : -r.SPITZEN);
    title += std::string(", ") + words.seats[seatOf(game, r.declarer())] + ", " + words.bid + " "
             + std::to_string(r.GEREIZT);
    return title;
}

std::string lessonText(const EIN_SPIEL& game, const Lesson& lesson, const Words& words, bool english)
{
    const SPIELSTRUCT& r = game.record;
    const int t = type(game);
    const int points = game.pile.pointsWonBy(static_cast<Seat>(r.ALLEIN));
    std::string result = t == GAME_NULL ? std::string(won(game) ? words.nullWon : words.nullLost)
                                        : format(won(game) ? words.won : words.lost, points);
    if (r.SPIELART.STUFE == LEVEL_SCHWARZ && won(game))
        result += words.schwarz;
    else if (r.SPIELART.STUFE >= LEVEL_SCHNEIDER && won(game))
        result += words.schneider;
    return std::string(english ? lesson.english : lesson.german) + " " + result;
}

std::string commentOf(const EIN_SPIEL& game, const Lesson& lesson, const Words& words, bool english)
{
    return titleOf(game, words) + ": " + lessonText(game, lesson, words, english);
}

std::string cardName(CardId id, const Words& words)
{
    const int suit = id / 10 - 1;
    const int rank = id % 10 - 1;
    if (suit < 0 || suit > 3 || rank < 0 || rank > 7)
        return "?";
    char text[64];
    std::snprintf(text, sizeof text, words.cardPattern, words.suits[suit], words.ranks[rank]);
    return text;
}

// The texts an exercise carries: its title, theme and comment for the list,
// and what the table shows while it is played again (the bidding, the game
// and each trick as it went).
void giveTexts(EIN_SPIEL& game, const Lesson& lesson, const Words& words, bool english)
{
    const SPIELSTRUCT& r = game.record;
    RecordTexts& texts = game.record.texts();
    texts.fill(L"");
    texts[TEXT_TITEL] = vordix::fromUtf8(titleOf(game, words));
    texts[TEXT_GRUPPE] = vordix::fromUtf8(english ? lesson.themeEnglish : lesson.themeGerman);
    texts[TEXT_KOMMENTAR] = vordix::fromUtf8(lessonText(game, lesson, words, english));
    char text[512];
    std::snprintf(text, sizeof text, words.biddingNote, words.seats[seatOf(game, r.declarer())], r.GEREIZT);
    texts[TEXT_REIZTEXT] = vordix::fromUtf8(text);
    const int t = type(game);
    std::string name = words.games[t >= 0 && t <= 8 ? t : 0];
    if (isHand(game) && t != GAME_NULL && t != GAME_GRAND_OUVERT)
        name += words.hand;
    std::snprintf(text, sizeof text, words.gameNote, name.c_str());
    texts[TEXT_SPIELVORSCHLAGTEXT] = vordix::fromUtf8(text);
    for (int n = 1; n <= game.pile.trickCount() && n <= 10; ++n) {
        const STICH trick = game.pile.trick(n);
        if (!trick.isComplete())
            continue;
        std::snprintf(text, sizeof text, words.trickNote, n, words.seats[seatOf(game, game.pile.leaderOfTrick(n))],
                      cardName(trick.card(0)->id(), words).c_str(), cardName(trick.card(1)->id(), words).c_str(),
                      cardName(trick.card(2)->id(), words).c_str(),
                      capitalised(words.seats[seatOf(game, game.pile.takerOfTrick(n))]).c_str(), trick.points());
        texts[static_cast<std::size_t>(TEXT_FIRST_STICHTEXT + n - 1)] = vordix::fromUtf8(text);
    }
}

// The engine writes the list; a comment goes in front of each game.
bool writeExercises(LISTE& list, const std::vector<std::string>& comments, const fs::path& folder,
                    const std::wstring& name)
{
    if (!saveSheet(list, folder, name))
        return false;
    const std::string path = (folder / name).string();
    tinyxml2::XMLDocument document;
    if (document.LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS)
        return false;
    tinyxml2::XMLElement* games =
        document.RootElement() ? document.RootElement()->FirstChildElement("Spiele") : nullptr;
    if (!games)
        return false;
    std::vector<tinyxml2::XMLElement*> rows;
    for (tinyxml2::XMLElement* game = games->FirstChildElement("Spiel"); game; game = game->NextSiblingElement("Spiel"))
        rows.push_back(game);
    for (std::size_t i = 0; i < rows.size() && i < comments.size(); ++i) {
        tinyxml2::XMLComment* comment = document.NewComment((" " + comments[i] + " ").c_str());
        if (tinyxml2::XMLNode* before = rows[i]->PreviousSibling())
            games->InsertAfterChild(before, comment);
        else
            games->InsertFirstChild(comment);
    }
    return document.SaveFile(path.c_str()) == tinyxml2::XML_SUCCESS;
}

bool writeDistribution(const EIN_SPIEL& game, const std::wstring& comment, const fs::path& folder,
                       const std::wstring& name)
{
    KARTENVERTEILUNG_DOC doc;
    doc.deal = game.deal;
    doc.comment = comment;
    doc.file = fileIn(folder, name);
    doc.modified = true;
    return doc.save();
}

// ---------------------------------------------------------------- history

// Whole lists of the first-start names, as the program records them: each
// list's Seeger-Fabian totals go to the high scores on the day it ended,
// its games to the history.
bool writeHistory(std::uint32_t seed, const fs::path& folder)
{
    const wchar_t* const days[] = {L"08.11.2026", L"15.11.2026", L"22.11.2026", L"29.11.2026"};
    const std::array<std::wstring, SHEET_COLUMNS> names = {
        skat::builtInText(TextKey::Namen_Default_Torvo, false), skat::builtInText(TextKey::Namen_Default_Kazzle, false),
        skat::builtInText(TextKey::Namen_Default_Brummo, false), L""};
    BESTENLISTE highScores;
    highScores.file = fileIn(folder, L"bestenliste");
    LISTE history;
    history.reset();
    history.setPlayerNames(names);
    for (int list = 0; list < static_cast<int>(std::size(days)); ++list) {
        LISTE played;
        playList(seed + static_cast<std::uint32_t>(list), LISTE::MAX_GAMES, played);
        played.setPlayerNames(names);
        for (const LISTE::PlayerTotal& total : played.listEndTotals())
            highScores.addEntry(total.total, total.name, days[list]);
        for (int row = 0; row < played.rowCount(); ++row)
            history.insertRow(std::make_unique<EIN_SPIEL>(played.rowAt(row)));
    }
    highScores.modified = true;
    if (!highScores.save() || !saveSheet(history, folder, L"Historie.skt"))
        return false;
    std::printf("%d high scores and %d games written to %s\n", static_cast<int>(highScores.entries().size()),
                history.rowCount(), folder.string().c_str());
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: gen_sample_files --tables FOLDER --seed N (--out RESSOURCEN | --history FOLDER)\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::string tables, out, history;
    std::uint32_t seed = 7;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        if (key == "--tables")
            tables = argv[i + 1];
        else if (key == "--seed")
            seed = static_cast<std::uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
        else if (key == "--out")
            out = argv[i + 1];
        else if (key == "--history")
            history = argv[i + 1];
        else
            return usage();
    }
    if (tables.empty() || out.empty() == history.empty())
        return usage();

    installTableServices(std::make_shared<SeededServices>(seed));
    VL_TABELLEN::useFolder(tables);
    leadTables.useFolder(tables);
    VL_TABELLEN::instance();
    leadTables.ensureLoaded();
    registerComputerLogic();
    if (!history.empty())
        return writeHistory(seed, history) ? 0 : 1;

    const fs::path resources = out;
    // The sample sheet: one whole list.
    LISTE first;
    playList(seed, LISTE::MAX_GAMES, first);
    if (!saveSheet(first, resources / "Spiellisten", L"Beispielliste.skt"))
        return 1;

    // The exercises: the first fitting game for each lesson, from as many
    // lists as it takes (at most eight).
    std::vector<Lesson> kinds = lessons();
    std::vector<std::unique_ptr<EIN_SPIEL>> chosen(kinds.size());
    std::vector<std::pair<int, int>> used; // list, row
    LISTE played;
    for (int list = 0; list < 8; ++list) {
        if (list > 0)
            playList(seed + static_cast<std::uint32_t>(list), LISTE::MAX_GAMES, played);
        const LISTE& games = list == 0 ? first : played;
        for (int row = 0; row < games.rowCount(); ++row) {
            const EIN_SPIEL& game = games.rowAt(row);
            if (!game.deal.isValid() || game.record.isPassedIn() || type(game) == GAME_RAMSCH)
                continue;
            for (std::size_t k = 0; k < kinds.size(); ++k) {
                if (chosen[k] || !kinds[k].fits(game))
                    continue;
                chosen[k] = std::make_unique<EIN_SPIEL>(game);
                break;
            }
        }
        bool all = true;
        for (const auto& c : chosen)
            all = all && c;
        if (all) {
            std::printf("exercises found in %d lists\n", list + 1);
            break;
        }
    }
    for (const bool english : {false, true}) {
        LISTE list;
        list.reset();
        list.setPlayerNames(first.playerNames);
        std::vector<std::string> comments;
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            if (!chosen[k])
                continue;
            auto game = std::make_unique<EIN_SPIEL>(*chosen[k]);
            giveTexts(*game, kinds[k], english ? ENGLISH : GERMAN, english);
            list.insertRow(std::move(game));
            comments.push_back(commentOf(*chosen[k], kinds[k], english ? ENGLISH : GERMAN, english));
        }
        if (!writeExercises(list, comments, resources / "Uebungspartien",
                            english ? L"uebungsliste.en.skt" : L"uebungsliste.de.skt"))
            return 1;
        std::printf("%s: %d exercises\n", english ? "uebungsliste.en.skt" : "uebungsliste.de.skt", list.rowCount());
    }

    // Distributions: the demo deal (the first exercise's) and one per game kind.
    const fs::path deals = resources / "Kartenverteilungen";
    struct Deal {
        std::size_t lesson;
        const wchar_t* name;
    };
    const Deal named[] = {{0, L"Demo.krt"},
                          {0, L"Grand.krt"},
                          {1, L"Null.krt"},
                          {2, L"Kreuz.krt"},
                          {9, L"Verloren.krt"}};
    for (Deal d : named) {
        // The demo deal is always there: any exercise stands in for a missing one.
        for (std::size_t k = 0; !chosen[d.lesson] && k < chosen.size() && d.name == std::wstring(L"Demo.krt"); ++k)
            if (chosen[k])
                d.lesson = k;
        if (!chosen[d.lesson])
            continue;
        const std::wstring comment = vordix::fromUtf8(commentOf(*chosen[d.lesson], kinds[d.lesson], GERMAN, false));
        if (!writeDistribution(*chosen[d.lesson], comment, deals, d.name))
            return 1;
    }
    std::printf("sample files written to %s\n", out.c_str());
    return 0;
}
