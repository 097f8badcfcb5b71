// The settings dialog on its form: every control shows its preference and
// stores it on "Schließen", the rule sets set and lock their options,
// closing by the frame keeps the settings file byte for byte, values out of
// range show as their defaults, the open table takes card set, theme and
// sorting at once, and rules chosen during a game wait for the next one.

#include "skat/app/Bilder.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Player.h"
#include "skat/engine/Rules.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/TableServices.h"
#include "skat/ui/DialogEinstellungen.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/MainWindowShell.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "tests/engine/test_table_support.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/ui/form_test_suite.h"
#include "vordix/Bitmap.h"
#include "vordix/MessageSink.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/ClientFenster.h"
#include "vordix/windows/ControlIds.h"
#include "vordix/windows/WinApplication.h"
#include "vordix/windows/WinDialog.h"
#include "vordix/windows/WinFenster.h"
#include "vordix/windows/WinImplementorFactory.h"
#include "vordix/windows/WinPreference.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using D = DIALOG_EINSTELLUNGEN;

namespace {

class StubServer : public TABLE_SERVER_ACCESS {
public:
    SKATTISCH* currentTable() override { return table; }
    void startNewSheet() override { }
    void startNewGameOfList() override { }
    SKATTISCH* table = nullptr;
};

// The players' names come from the preferences, as in the program.
class NamingServices : public TABLE_SERVICES {
public:
    std::wstring seatName(int playerId) const override
    {
        return playerId >= 0 && playerId < 3 ? USER_PREFS::instance().playerNames[playerId]
                                             : TABLE_SERVICES::seatName(playerId);
    }
};

class QuietShell : public MAIN_WINDOW_SHELL {
public:
    void runCommand(const VORDIX_MESSAGE&) override { }
    void shutdown() override { }
};

std::string fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

class SettingsDialog : public FormTestSuite {
protected:
    void SetUp() override
    {
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
            const char* value = std::getenv(name);
            savedEnv.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        setenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8().constData(), 1);
        setenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8().constData(), 1);
        vordix::setMessageSink(sink);
        installTableServices(services);
        USER_PREFS::destroyInstance();
        USER_PREFS::instance().load();
        USER_PREFS::instance().playDelayMs = 0;
        BILDER::instance().initialize();
        ASSERT_GE(BILDER::instance().cardSetCount(), 3);
        table.standardSeating();
        server->table = &table;
        installTableServer(server);
        dialog = std::make_unique<DIALOG_EINSTELLUNGEN>();
    }

    void TearDown() override
    {
        if (dialog && form() && form()->isVisible())
            cancel();
        dialog.reset();
        installTableServer(nullptr);
        BILDER::instance().selectCardSet(0);
        USER_PREFS::destroyInstance();
        installTableServices(nullptr);
        setCurrentRules(RuleSettings{});
        vordix::setMessageSink(nullptr);
        for (const auto& [name, value] : savedEnv) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }

    USER_PREFS& prefs() { return USER_PREFS::instance(); }
    WIN_DIALOG* form() const { return dynamic_cast<WIN_DIALOG*>(dialog->implementor().get()); }
    template <class T = QAbstractButton>
    T* control(int id) const
    {
        return form()->findChild<T*>(id == D::CLOSE ? QStringLiteral("F_opt_ok") : ControlIds::qNameOf(id));
    }
    bool checked(int id) const { return control(id)->isChecked(); }
    bool enabled(int id) const { return control<QWidget>(id)->isEnabled(); }
    void open()
    {
        dialog->open();
        QTest::qWait(1);
        ASSERT_TRUE(form()->isVisible());
    }
    // "Schließen": store and apply.
    void close()
    {
        control(D::CLOSE)->click();
        EXPECT_FALSE(form()->isVisible());
    }
    // The window's frame: nothing is kept.
    void cancel()
    {
        form()->close();
        EXPECT_FALSE(form()->isVisible());
    }
    static QString settingsFile() { return WIN_PREFERENCE::settingsFile(); }

    QTemporaryDir home;
    std::vector<std::pair<std::string, std::optional<std::string>>> savedEnv;
    std::shared_ptr<testsupport::RecordingMessageSink> sink = std::make_shared<testsupport::RecordingMessageSink>();
    std::shared_ptr<NamingServices> services = std::make_shared<NamingServices>();
    std::shared_ptr<StubServer> server = std::make_shared<StubServer>();
    SKATTISCH_SERVER table;
    std::unique_ptr<DIALOG_EINSTELLUNGEN> dialog;
};

// One button of the dialog and the preference it stands for.
struct ButtonCase {
    const char* name;
    int control;
    std::function<void(USER_PREFS&)> storeShown; // preferences the button shows checked
    std::function<void(USER_PREFS&)> storeOther; // preferences it shows unchecked
    std::function<bool(USER_PREFS&)> holds;      // what checking it and closing stores
    bool kept = true;                            // read back from the file at the next start
};

RuleSettings rulesWith(std::initializer_list<bool RuleSettings::*> flags, int kontraVariant = 1)
{
    RuleSettings rules;
    for (bool RuleSettings::*flag : flags)
        rules.*flag = true;
    rules.kontraVariant = kontraVariant;
    skat::prefs::deriveRuleSet(rules);
    return rules;
}

ButtonCase flagCase(const char* name, int control, bool USER_PREFS::*flag, bool kept = true)
{
    return {name,
            control,
            [flag](USER_PREFS& p) { p.*flag = true; },
            [flag](USER_PREFS& p) { p.*flag = false; },
            [flag](USER_PREFS& p) { return p.*flag; },
            kept};
}

ButtonCase ruleCase(const char* name, int control, bool RuleSettings::*flag,
                    std::initializer_list<bool RuleSettings::*> base = {})
{
    std::vector<bool RuleSettings::*> with(base);
    with.push_back(flag);
    return {name, control,
            [with](USER_PREFS& p) {
                p.rules = RuleSettings{};
                for (auto f : with)
                    p.rules.*f = true;
                p.deriveRuleSet();
            },
            [base = std::vector<bool RuleSettings::*>(base)](USER_PREFS& p) {
                p.rules = RuleSettings{};
                for (auto f : base)
                    p.rules.*f = true;
                p.deriveRuleSet();
            },
            [flag](USER_PREFS& p) { return p.rules.*flag; }};
}

template <class T>
ButtonCase valueCase(const char* name, int control, T USER_PREFS::*member, T value, T other)
{
    return {name, control, [=](USER_PREFS& p) { p.*member = value; }, [=](USER_PREFS& p) { p.*member = other; },
            [=](USER_PREFS& p) { return p.*member == value; }};
}

ButtonCase themeCase(const char* name, int control, int theme, int other)
{
    return {name, control,
            [=](USER_PREFS& p) {
                p.tableTheme = theme;
                p.applyThemeColours();
            },
            [=](USER_PREFS& p) {
                p.tableTheme = other;
                p.applyThemeColours();
            },
            [=](USER_PREFS& p) { return p.tableTheme == theme; }};
}

ButtonCase scoringCase(const char* name, int control, int scoring, int other)
{
    return valueCase(name, control, &USER_PREFS::scoring, scoring, other);
}

ButtonCase kontraCase(const char* name, int control, int variant, int other)
{
    return {name, control, [=](USER_PREFS& p) { p.rules = rulesWith({&RuleSettings::kontraRe}, variant); },
            [=](USER_PREFS& p) { p.rules = rulesWith({&RuleSettings::kontraRe}, other); },
            [=](USER_PREFS& p) { return p.rules.kontraRe && p.rules.kontraVariant == variant; }};
}

ButtonCase cardSetCase(const char* name, int control, int set, int other)
{
    return {name, control, [=](USER_PREFS&) { BILDER::instance().selectCardSet(set); },
            [=](USER_PREFS&) { BILDER::instance().selectCardSet(other); },
            [=](USER_PREFS& p) { return p.cardSetName() == BILDER::instance().cardSets.sets[set].name; }};
}

std::vector<ButtonCase> buttonCases()
{
    using R = RuleSettings;
    return {
        flagCase("sound", D::SOUND, &USER_PREFS::sound),
        flagCase("comments", D::PLAYER_COMMENTS, &USER_PREFS::mouseOption),
        // Cutting by hand is for this run only: it starts off again.
        flagCase("cut by hand", D::MANUAL_CUT, &USER_PREFS::manualCut, false),
        flagCase("clear tricks by hand", D::MANUAL_CLEARING, &USER_PREFS::manualTrickClearing),
        flagCase("trumps to the jacks", D::TRUMPS_TO_JACKS, &USER_PREFS::trumpsToJacks),
        flagCase("free games on the sheet", D::FREE_GAMES_ON_SHEET, &USER_PREFS::enterFreeGames),
        themeCase("theme mountains", D::THEME_MOUNTAINS, 1, 3),
        themeCase("theme island", D::THEME_ISLAND, 2, 1),
        themeCase("theme pub", D::THEME_PUB, 3, 4),
        themeCase("theme empty", D::THEME_EMPTY, 4, 2),
        valueCase("speed 0", D::SPEED_FASTEST, &USER_PREFS::playDelayMs, 0, 1500),
        valueCase("speed 500", D::SPEED_FAST, &USER_PREFS::playDelayMs, 500, 0),
        valueCase("speed 1000", D::SPEED_MEDIUM, &USER_PREFS::playDelayMs, 1000, 500),
        valueCase("speed 1500", D::SPEED_SLOW, &USER_PREFS::playDelayMs, 1500, 1000),
        valueCase("defensive", D::STYLE_DEFENSIVE, &USER_PREFS::playStyle, 0, 2),
        valueCase("balanced", D::STYLE_BALANCED, &USER_PREFS::playStyle, 1, 0),
        valueCase("offensive", D::STYLE_OFFENSIVE, &USER_PREFS::playStyle, 2, 1),
        valueCase("memory good", D::MEMORY_GOOD, &USER_PREFS::memory, 0, 2),
        valueCase("memory medium", D::MEMORY_MEDIUM, &USER_PREFS::memory, 1, 0),
        valueCase("memory poor", D::MEMORY_POOR, &USER_PREFS::memory, 2, 1),
        valueCase("ranks up", D::RANKS_UP, &USER_PREFS::rankOrder, 1, -1),
        valueCase("ranks down", D::RANKS_DOWN, &USER_PREFS::rankOrder, -1, 1),
        valueCase("suits up", D::SUITS_UP, &USER_PREFS::suitOrder, 1, 0),
        valueCase("suits down", D::SUITS_DOWN, &USER_PREFS::suitOrder, -1, 1),
        valueCase("suits mixed", D::SUITS_MIXED, &USER_PREFS::suitOrder, 0, -1),
        scoringCase("classic", D::SCORING_CLASSIC, 0, 2),
        scoringCase("Seeger-Fabian", D::SCORING_SEEGER_FABIAN, 1, 0),
        scoringCase("Bierlachs", D::SCORING_BIERLACHS, 2, 1),
        cardSetCase("French cards", D::CARD_SET_FIRST, 0, 2),
        cardSetCase("tournament cards", D::CARD_SET_FIRST + 1, 1, 0),
        cardSetCase("German cards", D::CARD_SET_FIRST + 2, 2, 1),
        ruleCase("grand ouvert 36", D::GRAND_OUVERT_36, &R::grandOuvert36),
        ruleCase("lost hand single", D::LOST_HAND_SINGLE, &R::lostHandSingle),
        ruleCase("Schneider at 91", D::SCHNEIDER_AT_91, &R::schneiderAt91),
        ruleCase("Kontra and Re", D::KONTRA_RE, &R::kontraRe),
        ruleCase("Kontra from 18", D::KONTRA_FROM_18, &R::kontraOnlyFrom18, {&R::kontraRe}),
        ruleCase("Bock rounds", D::BOCK_ROUNDS, &R::bockRounds),
        ruleCase("Bock 60", D::BOCK_60, &R::bockOn60To60, {&R::bockRounds}),
        ruleCase("Bock Kontra lost", D::BOCK_KONTRA_LOST, &R::bockOnLostKontra, {&R::bockRounds}),
        ruleCase("Bock Kontra won", D::BOCK_KONTRA_WON, &R::bockOnWonKontra, {&R::bockRounds}),
        // The declarer is Schneider: the defenders took 90; and the other way round.
        ruleCase("Bock declarer Schneider", D::BOCK_DECLARER_SCHNEIDER, &R::bockOnDefenders90, {&R::bockRounds}),
        ruleCase("Bock defenders Schneider", D::BOCK_DEFENDERS_SCHNEIDER, &R::bockOnDeclarer90, {&R::bockRounds}),
        ruleCase("Ramsch", D::RAMSCH, &R::ramschAfterPass),
        kontraCase("Kontra before the first card", D::KONTRA_BEFORE_FIRST_CARD, 1, 2),
        kontraCase("Kontra before the second trick", D::KONTRA_BEFORE_SECOND_TRICK, 2, 1),
        {"international rules", D::RULES_INTERNATIONAL, [](USER_PREFS& p) { p.rules = RuleSettings{}; },
         [](USER_PREFS& p) {
             p.rules = rulesWith({&R::grandOuvert36, &R::lostHandSingle, &R::ramschAfterPass});
         },
         [](USER_PREFS& p) { return p.rules == RuleSettings{}; }},
        {"former rules", D::RULES_FORMER,
         [](USER_PREFS& p) {
             p.rules = rulesWith({&R::grandOuvert36, &R::lostHandSingle});
         },
         [](USER_PREFS& p) {
             p.rules = rulesWith({&R::kontraRe, &R::bockRounds});
         },
         [](USER_PREFS& p) {
             return p.rules == rulesWith({&R::grandOuvert36, &R::lostHandSingle});
         }},
    };
}

TEST_F(SettingsDialog, EveryButtonShowsItsPreferenceAndStoresItOnClose)
{
    for (const ButtonCase& c : buttonCases()) {
        SCOPED_TRACE(c.name);
        c.storeShown(prefs());
        open();
        EXPECT_TRUE(checked(c.control));
        cancel();

        c.storeOther(prefs());
        open();
        EXPECT_FALSE(checked(c.control));
        ASSERT_TRUE(enabled(c.control));
        control(c.control)->click();
        EXPECT_TRUE(checked(c.control));
        close();
        EXPECT_TRUE(c.holds(prefs()));
        if (c.kept) {
            USER_PREFS restarted(std::make_unique<WIN_PREFERENCE>());
            restarted.load();
            EXPECT_TRUE(c.holds(restarted)) << "not in the settings file";
        }
    }
}

TEST_F(SettingsDialog, OwnRulesShowWhenTheOptionsAmountToThem)
{
    prefs().rules = rulesWith({&RuleSettings::ramschAfterPass});
    open();
    EXPECT_TRUE(checked(D::RULES_OWN));
    // Choosing own rules does not change what the options amount to.
    cancel();
    prefs().rules = RuleSettings{};
    open();
    control(D::RULES_OWN)->click();
    EXPECT_TRUE(checked(D::RULES_INTERNATIONAL));
}

TEST_F(SettingsDialog, NamesAreStoredAndAnEmptyNameKeepsTheStoredOne)
{
    prefs().setPlayerName(0, L"Torvo");
    prefs().setPlayerName(1, L"Kazzle");
    prefs().setPlayerName(2, L"Brummo");
    open();
    EXPECT_EQ(control<QLineEdit>(D::NAME_USER)->text(), "Torvo");
    EXPECT_EQ(control<QLineEdit>(D::NAME_LEFT)->text(), "Kazzle");
    EXPECT_EQ(control<QLineEdit>(D::NAME_RIGHT)->text(), "Brummo");
    control<QLineEdit>(D::NAME_USER)->setText(QString::fromUtf8("Jürgen"));
    control<QLineEdit>(D::NAME_LEFT)->clear();
    control<QLineEdit>(D::NAME_RIGHT)->setText(QString(60, QLatin1Char('x')));
    close();
    EXPECT_EQ(prefs().playerNames[0], L"Jürgen");
    EXPECT_EQ(prefs().playerNames[1], L"Kazzle");
    EXPECT_EQ(prefs().playerNames[2], std::wstring(50, L'x')) << "the field takes 50 characters";
    USER_PREFS restarted(std::make_unique<WIN_PREFERENCE>());
    restarted.load();
    EXPECT_EQ(restarted.playerNames[0], L"Jürgen");
    // The score sheet names its columns after the players.
    EXPECT_EQ(table.sheet.playerNames[0], L"Jürgen");
    EXPECT_EQ(table.sheet.playerNames[1], L"Kazzle");
    EXPECT_TRUE(table.sheet.playerNames[3].empty());
}

TEST_F(SettingsDialog, TheLanguageIsStoredForTheNextStart)
{
    std::vector<std::wstring> stored;
    WIN_APPLICATION::destroyInstance();
    WIN_APPLICATION* application = WIN_APPLICATION::instance(
        {[] { return std::optional<std::wstring>(); }, [&](const std::wstring& text) { stored.push_back(text); }});
    ASSERT_FALSE(application->isEnglish());
    open();
    EXPECT_EQ(control<QComboBox>(D::LANGUAGE)->currentIndex(), 0);
    control<QComboBox>(D::LANGUAGE)->setCurrentIndex(1);
    cancel();
    EXPECT_TRUE(stored.empty());
    open();
    EXPECT_EQ(control<QComboBox>(D::LANGUAGE)->currentIndex(), 0) << "a new opening shows what is stored";
    control<QComboBox>(D::LANGUAGE)->setCurrentIndex(1);
    close();
    EXPECT_EQ(stored, std::vector<std::wstring>{L"English"});
    EXPECT_EQ(skat::text(TextKey::Farben), L"Farben") << "this run keeps its texts";
    open();
    EXPECT_EQ(control<QComboBox>(D::LANGUAGE)->currentIndex(), 1);
    cancel();
    WIN_APPLICATION::destroyInstance();
}

TEST_F(SettingsDialog, RuleSetsSetTheirOptionsAndLockWhatDependsOnThem)
{
    using R = RuleSettings;
    struct Case {
        const char* name;
        RuleSettings start;
        std::vector<int> clicks;
        int ruleSet;              // the checked rule-set button afterwards
        std::vector<int> checked; // of the main options 341, 342, 348, 343, 349, 355
        bool kontraChoices;       // 344, 345, 346 usable
        bool bockTriggers;        // 350 to 354 usable
    };
    const RuleSettings pubAll =
        rulesWith({&R::grandOuvert36, &R::schneiderAt91, &R::kontraRe, &R::bockRounds, &R::ramschAfterPass});
    const Case cases[] = {
        {"international: nothing", R{}, {}, D::RULES_INTERNATIONAL, {}, false, false},
        {"former from international", R{}, {D::RULES_FORMER}, D::RULES_FORMER, {341, 342}, false, false},
        {"international from own", pubAll, {D::RULES_INTERNATIONAL}, D::RULES_INTERNATIONAL, {}, false, false},
        {"former from own", pubAll, {D::RULES_FORMER}, D::RULES_FORMER, {341, 342}, false, false},
        {"Kontra makes own rules", R{}, {D::KONTRA_RE}, D::RULES_OWN, {343}, true, false},
        {"Bock makes own rules", R{}, {D::BOCK_ROUNDS}, D::RULES_OWN, {349}, false, true},
        {"both former options", R{}, {341, 342}, D::RULES_FORMER, {341, 342}, false, false},
        {"one former option",
         rulesWith({&R::grandOuvert36, &R::lostHandSingle}),
         {342},
         D::RULES_OWN,
         {341},
         false,
         false},
        {"Ramsch off again", rulesWith({&R::ramschAfterPass}), {D::RAMSCH}, D::RULES_INTERNATIONAL, {}, false, false},
        {"own rules", pubAll, {}, D::RULES_OWN, {341, 348, 343, 349, 355}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prefs().rules = c.start;
        open();
        for (int id : c.clicks)
            control(id)->click();
        EXPECT_TRUE(checked(c.ruleSet));
        for (int id : {341, 342, 348, 343, 349, 355})
            EXPECT_EQ(checked(id), std::find(c.checked.begin(), c.checked.end(), id) != c.checked.end()) << id;
        for (int id : {344, 345, 346})
            EXPECT_EQ(enabled(id), c.kontraChoices) << id;
        for (int id = 350; id <= 354; ++id)
            EXPECT_EQ(enabled(id), c.bockTriggers) << id;
        close();
        EXPECT_EQ(prefs().rules.ruleSet, c.ruleSet - D::RULES_INTERNATIONAL);
        EXPECT_EQ(currentRules(), prefs().rules) << "no game runs: the rules hold at once";
    }
}

TEST_F(SettingsDialog, AJoinedTableKeepsTheHostsRules)
{
    SKATTISCH_CLIENT joined;
    server->table = &joined;
    prefs().rules = RuleSettings{};
    open();
    for (int id : {D::RULES_INTERNATIONAL, D::RAMSCH, D::KONTRA_RE, D::SCORING_BIERLACHS, D::FREE_GAMES_ON_SHEET})
        EXPECT_FALSE(enabled(id)) << id;
    control(D::SOUND)->click();
    close();
    EXPECT_EQ(prefs().rules, RuleSettings{});
    server->table = &table;
}

TEST_F(SettingsDialog, ClosingByTheFrameLeavesTheSettingsFileByteForByte)
{
    // The first opening places the dialog and remembers where.
    open();
    cancel();
    const std::string before = fileBytes(settingsFile());
    ASSERT_FALSE(before.empty());
    const SettingsChoices stored = choicesFromPrefs(prefs(), BILDER::instance().currentSet, false);

    open();
    control<QLineEdit>(D::NAME_USER)->setText("Someone");
    control<QComboBox>(D::LANGUAGE)->setCurrentIndex(1);
    for (int id : std::initializer_list<int>{
             D::CARD_SET_FIRST + 2, D::THEME_MOUNTAINS, D::SPEED_SLOW, D::SOUND, D::PLAYER_COMMENTS, D::MANUAL_CUT,
             D::MANUAL_CLEARING, D::STYLE_OFFENSIVE, D::MEMORY_POOR, D::RANKS_UP, D::SUITS_MIXED, D::TRUMPS_TO_JACKS,
             D::KONTRA_RE, D::BOCK_ROUNDS, D::BOCK_60, D::RAMSCH, D::SCORING_BIERLACHS, D::FREE_GAMES_ON_SHEET})
        control(id)->click();
    cancel();

    EXPECT_EQ(fileBytes(settingsFile()), before);
    EXPECT_EQ(choicesFromPrefs(prefs(), BILDER::instance().currentSet, false), stored);
    EXPECT_EQ(currentRules(), prefs().rules);
    // A new opening shows the stored values again.
    open();
    EXPECT_EQ(control<QLineEdit>(D::NAME_USER)->text(), QString::fromStdWString(stored.names[0]));
    EXPECT_FALSE(checked(D::RAMSCH));
    EXPECT_TRUE(checked(D::CARD_SET_FIRST));
}

TEST_F(SettingsDialog, ValuesOutOfRangeShowTheirDefaultsAndAreWrittenAnew)
{
    {
        WIN_PREFERENCE store;
        // Hand-edited: theme 26, speed 26, style 26, memory -1, scoring 26,
        // sorting 26/26/26, a Kontra variant of 9 and rule set 26.
        for (const auto& [id, text] : std::vector<std::pair<int, std::wstring>>{{PREF_TABLE_THEME, L"Z"},
                                                                                {PREF_SPEED, L"Z"},
                                                                                {PREF_PLAY_STYLE, L"Z"},
                                                                                {PREF_MEMORY, L"?"},
                                                                                {PREF_SCORING, L"Z"},
                                                                                {PREF_SORTING, L"ZZZ"},
                                                                                {PREF_RULES, L"@@@@I@@@@@@@@"},
                                                                                {PREF_RULE_SET, L"Z"}})
            ASSERT_TRUE(store.setValue(id, text));
    }
    USER_PREFS::destroyInstance();
    prefs().load();
    open();
    const int groups[][5] = {
        {D::THEME_MOUNTAINS, D::THEME_ISLAND, D::THEME_PUB, D::THEME_EMPTY, D::THEME_PUB},
        {D::SPEED_FASTEST, D::SPEED_FAST, D::SPEED_MEDIUM, D::SPEED_SLOW, D::SPEED_FAST},
        {D::STYLE_DEFENSIVE, D::STYLE_BALANCED, D::STYLE_OFFENSIVE, 0, D::STYLE_BALANCED},
        {D::MEMORY_GOOD, D::MEMORY_MEDIUM, D::MEMORY_POOR, 0, D::MEMORY_MEDIUM},
        {D::SCORING_CLASSIC, D::SCORING_SEEGER_FABIAN, D::SCORING_BIERLACHS, 0, D::SCORING_SEEGER_FABIAN},
        {D::RANKS_UP, D::RANKS_DOWN, 0, 0, D::RANKS_DOWN},
        {D::SUITS_UP, D::SUITS_DOWN, D::SUITS_MIXED, 0, D::SUITS_UP},
        {D::RULES_INTERNATIONAL, D::RULES_FORMER, D::RULES_OWN, 0, D::RULES_INTERNATIONAL},
        {D::KONTRA_BEFORE_FIRST_CARD, D::KONTRA_BEFORE_SECOND_TRICK, 0, 0, D::KONTRA_BEFORE_FIRST_CARD}};
    // Every group shows exactly its default.
    for (const auto& group : groups) {
        SCOPED_TRACE(group[4]);
        for (int i = 0; i < 4 && group[i] != 0; ++i)
            EXPECT_EQ(checked(group[i]), group[i] == group[4]) << group[i];
    }
    EXPECT_TRUE(checked(D::TRUMPS_TO_JACKS));
    close();
    WIN_PREFERENCE store;
    std::wstring value;
    const std::pair<int, std::wstring> rewritten[] = {
        {PREF_TABLE_THEME, L"C"}, {PREF_SPEED, L"A"},     {PREF_PLAY_STYLE, L"A"},        {PREF_MEMORY, L"A"},
        {PREF_SCORING, L"A"},     {PREF_SORTING, L"?AA"}, {PREF_RULES, L"@@@@A@@@@@@@@"}, {PREF_RULE_SET, L"@"}};
    for (const auto& [id, text] : rewritten) {
        ASSERT_TRUE(store.getValue(id, value)) << id;
        EXPECT_EQ(value, text) << id;
    }
}

TEST_F(SettingsDialog, CardSetButtonsFollowTheListAndTheSortingSpeaksTheirWords)
{
    BILDER& images = BILDER::instance();
    open();
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(!control(D::CARD_SET_FIRST + i)->isHidden(), i < images.cardSetCount());
        if (i < images.cardSetCount()) {
            EXPECT_EQ(control(D::CARD_SET_FIRST + i)->text().toStdWString(), images.cardSetTitle(i));
        }
    }
    EXPECT_EQ(control(D::RANKS_UP)->text(), "7, ..., Ass, Buben");
    EXPECT_EQ(control(D::SUITS_DOWN)->text(), "Kreuz, Pik, Herz, Karo");
    control(D::CARD_SET_FIRST + 2)->click();
    EXPECT_EQ(control(D::RANKS_UP)->text(), "7, ..., Daus, Unter");
    EXPECT_EQ(control(D::RANKS_DOWN)->text(), "Unter, Daus, ..., 7");
    EXPECT_EQ(control(D::SUITS_UP)->text(), "Schellen, Rot, Grün, Eichel");
    EXPECT_EQ(control(D::TRUMPS_TO_JACKS)->text(), "Trumpffarbe bei den Unter");
    EXPECT_EQ(images.currentSet, 0) << "nothing changes before the dialog is closed";
}

TEST_F(SettingsDialog, ClosingAppliesCardSetThemeAndSortingToTheOpenTable)
{
    QuietShell shell;
    FENSTER_SKAT window(shell);
    window.create();
    window.show();
    window.resize(1024, 768);
    QTest::qWait(20);
    for (Seat seat = SEAT_0; seat < 3; ++seat)
        table.cards.hands[seat].setCardSet(table_test::DEAL[seat]);
    table.record.SPIELART.SPIEL_TYP = GAME_GRAND;
    table.currentIndex = STATE_REIZEN;
    window.attachSeats();
    window.windowController()->updateView();
    dialog->onApplied = [&] { window.preferencesChanged(); };
    auto* client = dynamic_cast<WIN_FENSTER*>(window.implementor().get())->clientWidget();
    const QColor pubWall = client->grab().toImage().pixelColor(512, 60);
    const int paints = window.backgroundPaints();

    prefs().rankOrder = -1;
    prefs().suitOrder = -1;
    open();
    control(D::CARD_SET_FIRST + 2)->click();
    control(D::THEME_ISLAND)->click();
    control(D::RANKS_UP)->click();
    control(D::SUITS_UP)->click();
    close();

    EXPECT_EQ(BILDER::instance().currentSet, 2);
    EXPECT_EQ(prefs().tableTheme, USER_PREFS::THEME_ISLAND);
    // The own hand: the grand's jacks first, then the suits from diamonds up
    // to clubs, each from 7 upwards; the cards show the German faces.
    const EINBLATT_SORTIERBAR& hand = window.handControllers[0].shownHand;
    const int seat = window.handControllers[0].seat;
    ASSERT_EQ(hand.cardCount(), 10);
    EINBLATT_SORTIERBAR expected;
    for (CardSet rest = table_test::DEAL[seat]; rest != 0; rest &= rest - 1)
        expected.addCard(cardIdOfBit(lowestBit(rest)));
    SortSettings wanted;
    wanted.direction = 1;
    wanted.suitOrder = 1;
    wanted.trumpsToJacks = prefs().trumpsToJacks;
    expected.sort(GAME_GRAND, wanted);
    for (int place = 1; place <= 10; ++place)
        EXPECT_EQ(hand.cardIdAt(place), expected.cardIdAt(place)) << place;
    const auto& views = window.handViews[0].cardViews();
    ASSERT_EQ(views.size(), 10u);
    EXPECT_EQ(views.front()->bitmap, &BILDER::instance().cardFace(hand.cardIdAt(1)));
    // The table is painted anew in the island's colours.
    const QColor islandSky = client->grab().toImage().pixelColor(512, 60);
    EXPECT_GT(window.backgroundPaints(), paints);
    EXPECT_NE(islandSky, pubWall);
}

TEST_F(SettingsDialog, RamschSwitchedOnIsPlayedWhenAllPass)
{
    open();
    control(D::RAMSCH)->click();
    close();
    ASSERT_TRUE(currentRules().ramschAfterPass);

    table_test::TableHarness harness;
    harness.table->setHeadless(true);
    harness.scriptDeal(table_test::DEAL, SEAT_2); // nobody bids
    harness.stopAfterGames = 1;
    harness.table->modus.setNextOfList(harness.table->sheet);
    ASSERT_TRUE(harness.playToEnd());
    ASSERT_EQ(harness.table->sheet.rowCount(), 1);
    const EIN_SPIEL& game = harness.table->sheet.rowAt(0);
    EXPECT_EQ(game.record.SPIELART.SPIEL_TYP, GAME_RAMSCH);
    EXPECT_EQ(game.trickCount(), 10);
}

TEST_F(SettingsDialog, RulesChosenDuringAGameHoldFromTheNextOne)
{
    table_test::TableHarness harness;
    // The human in forehand is asked to bid: the game runs.
    ASSERT_TRUE(harness.holdHumanAt(REQUEST_BID, table_test::DEAL, SEAT_2));
    server->table = harness.table.get();
    open();
    control(D::RAMSCH)->click();
    close();
    EXPECT_TRUE(prefs().rules.ramschAfterPass);
    EXPECT_FALSE(currentRules().ramschAfterPass) << "the running game keeps its rules";
    EXPECT_TRUE(rulesWaitForNextGame());
    server->table = &table;
    harness.table->stopGameLoop();
    startGameRules();
    EXPECT_TRUE(currentRules().ramschAfterPass);
}

} // namespace
