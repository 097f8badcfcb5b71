#include "FixedTextKeys.h"
#include "MemoryPreferenceStore.h"

#include "skat/app/SheetTextsFromTable.h"
#include "skat/app/SkatFolders.h"
#include "skat/app/SkatText.h"
#include "skat/app/TextTable.h"
#include "skat/app/TextTableReader.h"
#include "skat/app/UserPrefs.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/vordix/TempFolder.h"
#include "vordix/Utf8.h"
#include "vordix/WinFilePath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

VORDIX_FILE fileAt(const std::filesystem::path& path)
{
    VORDIX_FOLDER folder;
    folder.setPath(WIN_FILEPATH::fromFsPath(path.parent_path()));
    return VORDIX_FILE(folder, WIN_FILEPATH::fromFsPath(path.filename()));
}

VORDIX_FILE shippedFile() { return skat::resourceFile({}, L"Skat_Text.xml"); }

std::wstring wide(const char* utf8) { return vordix::fromUtf8(utf8); }

TEST(TextTable, FixedPositionsKeepTheirKeysKindsAndPlaceholders)
{
    std::istringstream expected(FIXED_TEXT_KEYS);
    std::string entry;
    size_t position = 0;
    while (expected >> entry) {
        ASSERT_LT(position, FIXED_TEXT_COUNT);
        const TextTableRow& row = textTableRows()[position];
        std::string key = entry.substr(0, entry.find_first_of("(["));
        const bool neutral = entry.find("(all)") != std::string::npos;
        std::string placeholders;
        if (auto open = entry.find('['); open != std::string::npos)
            placeholders = entry.substr(open + 1, entry.find(']') - open - 1);
        for (char& c : placeholders)
            if (c == ',')
                c = ' ';
        EXPECT_EQ(row.key, key) << "position " << position;
        EXPECT_EQ(row.neutral, neutral) << key;
        EXPECT_EQ(row.placeholders, placeholders) << key;
        ++position;
    }
    EXPECT_EQ(position, FIXED_TEXT_COUNT);
    EXPECT_GT(TEXT_COUNT, FIXED_TEXT_COUNT);
}

TEST(TextTable, ShippedFileGivesTheSourceTableInBothLanguages)
{
    for (bool english : {false, true}) {
        SCOPED_TRACE(english ? "English" : "German");
        SKAT_TEXT texts(shippedFile(), english);
        ASSERT_EQ(texts.loadResult(), 0);
        EXPECT_TRUE(texts.replacedTexts().empty());
        for (size_t n = 0; n < TEXT_COUNT; ++n) {
            const TextTableRow& row = textTableRows()[n];
            const char* expected = english && *row.english ? row.english : row.german;
            EXPECT_EQ(texts.text(static_cast<TextKey>(n)), wide(expected)) << row.key;
            EXPECT_FALSE(texts.text(static_cast<TextKey>(n)).empty()) << row.key;
        }
    }
}

TEST(TextTable, LanguagesDifferWhereTheyShould)
{
    SKAT_TEXT german(shippedFile(), false);
    SKAT_TEXT english(shippedFile(), true);
    EXPECT_EQ(german.text(TextKey::Namen_Default_Du), L"Du");
    EXPECT_EQ(english.text(TextKey::Namen_Default_Du), L"You");
    EXPECT_EQ(english.text(TextKey::Fenstername_Training), german.text(TextKey::Fenstername_Training));
    EXPECT_EQ(german.text(TextKey::Kartenset_Deutsch), L"Deutsches Blatt");
    EXPECT_EQ(english.text(TextKey::Kartenset_Deutsch), L"Deutsches Blatt"); // a card-set name
    EXPECT_EQ(german.text(TextKey::Zug_widerrufen), L"Zug widerrufen!");
    EXPECT_NE(english.text(TextKey::Zug_widerrufen), german.text(TextKey::Zug_widerrufen));
    // A neutral hint sentence still reads English in English.
    EXPECT_EQ(english.text(TextKey::Tipp_Du_musst), L"You must play ");
    EXPECT_EQ(german.text(TextKey::Tipp_Du_musst), L"Du musst ");
}

TEST(TextTable, LanguageSwitchWithoutPlatformChangesNothing)
{
    // Tests run without a platform application: German, and nothing to store in.
    EXPECT_FALSE(skat::textsAreEnglish());
    EXPECT_FALSE(skat::chooseLanguage(true));
    EXPECT_FALSE(skat::textsAreEnglish());
}

// Reading a hand-made file.
struct ReaderFixture : ::testing::Test {
    TempFolder folder;
    std::filesystem::path path() const { return folder.path() / "Skat_Text.xml"; }
    void writeFile(const std::string& body)
    {
        std::ofstream(path(), std::ios::binary) << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n" << body;
    }
    // n text elements, each with all, de and en attributes "<attr><n>".
    static std::string elements(int count, int from = 0)
    {
        std::string out;
        for (int n = from; n < from + count; ++n) {
            const std::string i = std::to_string(n);
            out += "<Text all=\"all" + i + "\" de=\"de" + i + "\" en=\"en" + i + "\"/>";
        }
        return out;
    }
    std::unique_ptr<SKAT_TEXT> read(bool english = false)
    {
        return std::make_unique<SKAT_TEXT>(fileAt(path()), english);
    }
};

TEST_F(ReaderFixture, RootWithoutChildrenLeavesEveryFixedTextEmpty)
{
    writeFile("<Texts/>");
    auto texts = read();
    EXPECT_EQ(texts->loadResult(), 0);
    for (size_t n = 0; n < FIXED_TEXT_COUNT; ++n)
        EXPECT_TRUE(texts->text(static_cast<TextKey>(n)).empty()) << n;
    // The program's own texts after the fixed positions fall back to the built-in ones.
    EXPECT_EQ(texts->text(TextKey::Analyse_Titel), L"Analyse:");
}

TEST_F(ReaderFixture, ByPositionNeverByKey)
{
    struct Case {
        const char* what;
        std::string body;
        bool english;
        TextKey key;
        std::wstring expected;
    };
    const Case cases[] = {
        {"200 elements fill 0..199", "<Texts>" + elements(200) + "</Texts>", false, TextKey::ToolTip_rwk_sw_ang, L""},
        {"200 elements, position 199", "<Texts>" + elements(200) + "</Texts>", false, static_cast<TextKey>(199),
         L"de199"},
        {"neutral position reads all", "<Texts>" + elements(5) + "</Texts>", false, TextKey::Fenstername_Training,
         L"all0"},
        {"multi position reads de", "<Texts>" + elements(5) + "</Texts>", false, TextKey::Namen_Default_Du, L"de4"},
        {"multi position in English reads en", "<Texts>" + elements(5) + "</Texts>", true, TextKey::Namen_Default_Du,
         L"en4"},
        {"neutral position in English prefers en", "<Texts>" + elements(5) + "</Texts>", true,
         TextKey::Fenstername_Training, L"en0"},
        {"neutral position in English without en reads all", "<Texts><Text all=\"Training\"/></Texts>", true,
         TextKey::Fenstername_Training, L"Training"},
        {"multi element at a neutral position is empty", "<Texts><Text de=\"x\" en=\"y\"/></Texts>", false,
         TextKey::Fenstername_Training, L""},
        {"neutral element at a multi position is empty", "<Texts>" + elements(4) + "<Text all=\"x\"/></Texts>", false,
         TextKey::Namen_Default_Du, L""},
        {"an inserted element shifts later texts", "<Texts><Extra de=\"z\"/>" + elements(5) + "</Texts>", false,
         TextKey::Namen_Default_Links, L"de4"},
        {"comments and instructions do not shift",
         "<Texts><!-- c --><?pi x?>" + elements(2) + "<!-- d -->" + elements(3, 2) + "</Texts>", false,
         TextKey::Namen_Default_Du, L"de4"},
        {"UTF-8 is decoded", "<Texts>" + elements(4) + "<Text de=\"Gr\xC3\xBCn\"/></Texts>", false,
         TextKey::Namen_Default_Du, L"Gr\u00fcn"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(c.body);
        EXPECT_EQ(read(c.english)->text(c.key), c.expected);
    }
}

TEST_F(ReaderFixture, WrongPlaceholdersAreReplacedByTheBuiltInText)
{
    // Position 180 is Status_Name_Spielt (%ls); 136 is Verlauf_Titel_Uebungspartie (%d).
    struct Case {
        const char* what;
        std::string value;
        bool replaced;
    };
    const Case cases[] = {
        {"same placeholder", "%ls spielt jetzt", false},
        {"escaped percent", "%ls spielt 100%%", false},
        {"number for text", "%d spielt", true},
        {"extra placeholder", "%ls spielt %ls", true},
        {"missing placeholder", "Jemand spielt", true},
        {"a stray percent is no placeholder", "%ls spielt % %s %n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string body = "<Texts>" + elements(180) + "<Text de=\"" + c.value + "\"/></Texts>";
        writeFile(body);
        auto texts = read();
        const std::wstring& text = texts->text(TextKey::Status_Name_Spielt);
        const auto& replaced = texts->replacedTexts();
        EXPECT_EQ(std::count(replaced.begin(), replaced.end(), TextKey::Status_Name_Spielt), c.replaced ? 1 : 0);
        // The filler "de136" of a format position is replaced as well.
        EXPECT_EQ(std::count(replaced.begin(), replaced.end(), TextKey::Verlauf_Titel_Uebungspartie), 1);
        EXPECT_EQ(text, c.replaced ? L"%ls spielt" : vordix::fromUtf8(c.value));
        EXPECT_FALSE(skat::formatText(std::wstring_view(text), {L"Torvo"}).empty());
    }
}

TEST_F(ReaderFixture, UnreadableFileShowsTheMessageAndIsNotTouched)
{
    auto sink = std::make_shared<testsupport::RecordingMessageSink>();
    auto previous = vordix::setMessageSink(sink);
    struct Case {
        const char* what;
        std::optional<std::string> content;
    };
    const Case cases[] = {{"missing", std::nullopt}, {"not XML", "<Texts><Text de=\"x\">"}, {"no element", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sink->clear();
        std::filesystem::remove(path());
        if (c.content)
            std::ofstream(path(), std::ios::binary) << *c.content;
        auto texts = read();
        EXPECT_NE(texts->loadResult(), 0);
        ASSERT_EQ(sink->texts.size(), 1u);
        EXPECT_EQ(sink->kinds[0], vordix::MessageKind::Error);
        EXPECT_NE(sink->texts[0].find(L"Bitte installieren Sie SKAT"), std::wstring::npos);
        EXPECT_TRUE(texts->text(TextKey::Namen_Default_Du).empty());
        if (c.content) {
            std::ifstream in(path(), std::ios::binary);
            std::stringstream now;
            now << in.rdbuf();
            EXPECT_EQ(now.str(), *c.content);
        } else {
            EXPECT_FALSE(std::filesystem::exists(path()));
        }
    }
    vordix::setMessageSink(previous);
}

TEST(TextFormat, FormatsWhateverTheTextHolds)
{
    struct Case {
        std::wstring format;
        std::vector<skat::TextArg> args;
        std::wstring expected;
    };
    const Case cases[] = {
        {L"%ls (%ls) reizt bis %d.", {L"Torvo", L"VH", 18}, L"Torvo (VH) reizt bis 18."},
        {L"Tarif %.2fct", {1.5}, L"Tarif 1.50ct"},
        {L"%.2f", {2}, L"2.00"},
        {L"%d", {2.75}, L"2"},
        {L"%ls and %ls", {L"one"}, L"one and "}, // missing argument: nothing
        {L"%d", {1, 2, 3}, L"1"},                // arguments left over
        {L"100%% sicher %", {}, L"100% sicher %"},
        {L"%s %n %x %", {7}, L"%s %n %x %"}, // not our placeholders
        {L"%d", {-9223372036854775807LL - 1}, L"-9223372036854775808"},
        {L"%.2f|%d", {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}, L"nan|inf"},
        {L"%l%ls", {L"x"}, L"%lx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(vordix::toUtf8(c.format));
        EXPECT_EQ(skat::formatText(std::wstring_view(c.format), std::span<const skat::TextArg>(c.args)), c.expected);
    }
}

TEST(TextFormat, HugeDecimalsAreWrittenOut)
{
    const std::wstring text = skat::formatText(L"%.2f", {1e308});
    EXPECT_EQ(text.size(), 309u + 3u);
    EXPECT_EQ(text.substr(0, 2), L"10");
    EXPECT_EQ(text.substr(text.size() - 3), L".00");
}

TEST(TextFormat, PlaceholderLists)
{
    using skat::Placeholder;
    std::vector<Placeholder> list;
    EXPECT_TRUE(skat::parsePlaceholderList("%ls %d %.2f", list));
    EXPECT_EQ(list, (std::vector<Placeholder>{Placeholder::Text, Placeholder::Number, Placeholder::Decimal}));
    EXPECT_TRUE(skat::parsePlaceholderList("-", list));
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(skat::parsePlaceholderList("%s", list));
    EXPECT_FALSE(skat::parsePlaceholderList("%ls  %d", list));
    EXPECT_EQ(skat::placeholdersOf(L"%%ls %ls"), (std::vector<Placeholder>{Placeholder::Text}));
}

// The card words with the card-set preference in a store of the test.
struct CardWordsFixture : ::testing::Test {
    std::shared_ptr<PreferenceValues> values = std::make_shared<PreferenceValues>();
    void SetUp() override
    {
        USER_PREFS::installInstance(std::make_unique<USER_PREFS>(std::make_unique<MemoryPreferenceStore>(values)));
    }
    void TearDown() override { USER_PREFS::destroyInstance(); }
    void cardSet(const std::wstring& name) { (*values)[PREF_CARD_SET] = name; }
};

constexpr CardId CLUBS_JACK = 14;

TEST_F(CardWordsFixture, CardNamesByFamily)
{
    SKAT_TEXT texts(shippedFile(), false);
    EXPECT_EQ(texts.cardName(CLUBS_JACK), L"Kreuz Bube"); // no preference: French
    cardSet(L"Deutsches Blatt");
    EXPECT_EQ(texts.cardName(CLUBS_JACK), L"Eichel Unter");
    EXPECT_EQ(texts.cardName(38), L"Rot Daus");
    EXPECT_EQ(texts.cardName(25), L"Gr\u00fcn Ober");
    EXPECT_EQ(texts.cardName(0), L" ");
    EXPECT_EQ(texts.cardName(99), L" ");
    cardSet(L"Franz\u00f6sisches Blatt");
    EXPECT_EQ(texts.cardName(CLUBS_JACK), L"Kreuz Bube");
    EXPECT_EQ(texts.cardName(47), L"Karo 10");

    SKAT_TEXT english(shippedFile(), true);
    EXPECT_EQ(english.cardName(CLUBS_JACK), L"Clubs Jack");
}

TEST_F(CardWordsFixture, TheGermanFamilyNeedsTheExactName)
{
    SKAT_TEXT texts(shippedFile(), false);
    struct Case {
        std::wstring value;
        bool german;
    };
    const Case cases[] = {{L"Deutsches Blatt", true},
                          {L"deutsches Blatt", false},
                          {L"Deutsches Blatt ", false},
                          {L"", false},
                          {L"Turnierblatt", false}};
    for (const Case& c : cases) {
        cardSet(c.value);
        EXPECT_EQ(texts.germanCardFamily(), c.german) << vordix::toUtf8(c.value);
        EXPECT_EQ(texts.rankName(4), c.german ? L"Unter" : L"Bube");
        EXPECT_EQ(texts.jackWord(), c.german ? L"Unter" : L"Buben");
        EXPECT_EQ(texts.rankName(8), c.german ? L"Daus" : L"Ass");
    }
}

TEST_F(CardWordsFixture, EveryGameTypeHasItsNameInBothLanguages)
{
    const std::wstring german[9] = {L"",      L"Kreuz",        L"Pik",  L"Herz",  L"Karo",
                                    L"Grand", L"Grand ouvert", L"Null", L"Ramsch"};
    const std::wstring english[9] = {L"",      L"Clubs",        L"Spades", L"Hearts", L"Diamonds",
                                     L"Grand", L"Grand ouvert", L"Null",   L"Ramsch"};
    SKAT_TEXT de(shippedFile(), false);
    SKAT_TEXT en(shippedFile(), true);
    for (GameType type = GAME_NONE; type <= GAME_RAMSCH; ++type) {
        EXPECT_EQ(de.gameTypeName(type), german[type]);
        EXPECT_EQ(en.gameTypeName(type), english[type]);
    }
    EXPECT_TRUE(de.gameTypeName(static_cast<GameType>(9)).empty());
    EXPECT_TRUE(de.gameTypeName(static_cast<GameType>(-1)).empty());
    cardSet(L"Deutsches Blatt");
    EXPECT_EQ(de.gameTypeName(GAME_DIAMONDS), L"Schellen");
    EXPECT_EQ(en.gameTypeName(GAME_CLUBS), L"Acorns");
    EXPECT_EQ(de.gameTypeName(GAME_GRAND), L"Grand");
}

TEST_F(CardWordsFixture, HandRatingsAndTheirRanges)
{
    SKAT_TEXT texts(shippedFile(), false);
    EXPECT_EQ(texts.handRatingText(0), texts.text(TextKey::Bewertung_Risikoreich));
    EXPECT_EQ(texts.handRatingText(7), texts.text(TextKey::Bewertung_Offen));
    EXPECT_TRUE(texts.handRatingText(8).empty());
    EXPECT_TRUE(texts.handRatingText(-1).empty());
    EXPECT_EQ(texts.weakHandRatingText(1), texts.text(TextKey::Bewertung_Skat_finden));
    EXPECT_EQ(texts.weakHandRatingText(5), texts.text(TextKey::Bewertung_Nicht_reizen));
    for (int outside : {0, 6, -3})
        EXPECT_EQ(texts.weakHandRatingText(outside), texts.text(TextKey::Bewertung_Risikofreudige));
    EXPECT_TRUE(texts.rankName(0).empty());
    EXPECT_TRUE(texts.rankName(9).empty());
}

// The words of game descriptions and the score sheet's file messages follow
// the language; in German they read as the engine's own defaults.
TEST(TextTable, SheetTextsFollowTheLanguage)
{
    const SHEET_SERVICES defaults;
    const TABLE_SHEET_SERVICES table;
    const std::vector<int> rows = {3, 7};
    auto allTexts = [&rows](const SHEET_SERVICES& s) {
        std::vector<std::wstring> texts;
        for (int level = 0; level <= 6; ++level)
            texts.push_back(s.levelText(level));
        for (int level = 0; level <= 3; ++level)
            texts.push_back(s.reachedLevelText(level));
        texts.push_back(s.wrongFileText());
        texts.push_back(s.unreadableSheetText(L"Aktuell.skt"));
        texts.push_back(s.repairedSheetText(L"Aktuell.skt", rows, {}, true));
        texts.push_back(s.repairedSheetText(L"Aktuell.skt", {}, rows, false));
        texts.push_back(s.sheetInMessageRefusedText());
        return texts;
    };
    SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>(shippedFile(), false));
    EXPECT_EQ(allTexts(table), allTexts(defaults));

    SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>(shippedFile(), true));
    EXPECT_EQ(table.levelText(1), L"Open");
    EXPECT_EQ(table.levelText(3), L"Hand Schneider announced");
    EXPECT_EQ(table.levelText(5), L"Open Hand");
    EXPECT_EQ(table.reachedLevelText(2), L"Schwarz");
    EXPECT_EQ(table.repairedSheetText(L"a.skt", rows, rows, true),
              L"The score sheet|a.skt|was damaged and was changed when it was read:||invalid values replaced in game "
              L"3, 7|damaged tricks dropped in game 3, 7|games beyond the limit dropped||At the next save the file is "
              L"kept as|a.skt.unlesbar");
    for (const std::wstring& text : allTexts(table))
        for (const wchar_t* german : {L"Spielliste", L"Datei", L"angesagt", L"Ouvert"})
            EXPECT_EQ(text.find(german), std::wstring::npos) << vordix::toUtf8(text);
    SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>());
}

} // namespace
