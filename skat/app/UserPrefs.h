#pragma once
// The user's settings for the whole program, stored as numbered preferences:
// each id holds one text. Flags and small numbers are stored as one character
// of code 64 + value (63 for -1); several of them as one string in a fixed
// order. Missing or malformed values fall back to the defaults; loading never
// fails. Loaded once at start-up and saved at shutdown on the GUI thread;
// worker threads only read members.

#include "skat/engine/Rules.h"
#include "vordix/Preference.h"

#include <array>
#include <atomic>
#include <memory>
#include <string>

enum PreferenceId : int {
    PREF_NAME_SEAT_1 = 1,
    PREF_NAME_SEAT_2 = 2,
    PREF_NAME_SEAT_3 = 3,
    PREF_LOGIC_TABLES = 4, // base path of the chosen logic set (kept by the lead tables)
    PREF_TAKE_BACK_SHORTCUT = 5,
    PREF_COMMENTS = 6,
    PREF_SOUND = 7,
    PREF_SPEED = 8,
    PREF_SORTING = 9,
    PREF_CARD_SET = 15,
    PREF_RULE_SET = 16,
    PREF_FULLSCREEN = 17,
    PREF_TABLE_THEME = 18,
    PREF_FIRST_START = 19,
    PREF_SETTINGS_VERSION = 20,
    PREF_RULES = 21,
    PREF_ENTER_FREE_GAMES = 22,
    PREF_NAME_PLAYER_4 = 24,
    PREF_TARIFF = 25,
    PREF_PLAY_STYLE = 26,
    PREF_SCORING = 27,
    PREF_OPTION_28 = 28,
    PREF_MEMORY = 29,
};

// One colour in thousandths (0..999) of red, green and blue; users take it
// fully opaque.
struct ThemeColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const ThemeColour&) const = default;
};

class USER_PREFS : public VORDIX_PREFERENCE {
public:
    // Table themes: the image sets "Berge", "Insel", "Kneipe" and "Mono".
    enum Theme { THEME_MOUNTAINS = 1, THEME_ISLAND = 2, THEME_PUB = 3, THEME_MONO = 4 };
    // Scoring of the score sheet.
    enum Scoring { SCORING_CLASSIC = 0, SCORING_SEEGER_FABIAN = 1, SCORING_BIERLACHS = 2 };

    // The process-wide object, created on first use with the platform's
    // preference store (none without an implementor factory: then every
    // value keeps its default).
    static USER_PREFS& instance();
    // Deleted by main at shutdown; a later instance() builds a new one.
    static void destroyInstance();
    // Replaces the process-wide object (tests and tools).
    static void installInstance(std::unique_ptr<USER_PREFS> prefs);

    USER_PREFS();
    // With a store of its own (tests, tools).
    explicit USER_PREFS(std::unique_ptr<VORDIX_PREFERENCE_imp> store);

    // Reads every preference except 4 and 15; writes ids 19 and 20 when the
    // settings stamp is stale or missing (a first start). Publishes the rules
    // to the engine.
    void load();
    // Writes ids 6, 7, 17, 18, 5, 8, 26, 29, 9, 16, 21, 25, 27, 28, 22.
    void save();

    // 0 international rules, 1 former rules, 2 pub rules: sets the rule-set
    // flags of 0 and 1; any other choice changes no flag.
    void setRuleSet(int choice);
    // The rule set that the rule flags amount to.
    void deriveRuleSet();
    // The twelve colour numbers of the current theme (other themes: unchanged).
    void applyThemeColours();
    // The colour the table draws with: colour 1 for theme 2, white for theme
    // 4, black otherwise.
    ThemeColour themeColours() const;
    // Hands the rules to the engine (after loading or a change in the settings).
    void publishRules() const;

    // Written where they change: the seat names 1..3 and the fourth player's
    // name (index 0..3), and the chosen card set.
    void setPlayerName(int index, const std::wstring& name);
    // The chosen card set's name: the stored value, or the French card set's
    // name when it cannot be read.
    std::wstring cardSetName();
    void setCardSetName(const std::wstring& name);

    // Result of the last access to the store.
    std::atomic<bool> lastAccessOk{false};

    std::array<std::wstring, 4> playerNames;  // ids 1, 2, 3, 24
    bool firstStart = false;                  // id 19
    bool freshInstall = false;                // id 19 was not set: nothing was stored before
    bool commentFlag0 = true;                 // id 6, always off after loading
    bool mouseOption = true;                  // id 6 (F_opt_komment_maus)
    bool manualCut = false;                   // id 6, always off after loading
    bool manualTrickClearing = true;          // id 6
    bool sound = true;                        // id 7
    bool fullScreen = true;                   // id 17
    int tableTheme = THEME_PUB;               // id 18, 1..4
    int playDelayMs = 500;                    // id 8: 0, 500, 1000 or 1500
    int playStyle = 1;                        // id 26: 0 defensive, 1 balanced, 2 offensive
    int memory = 1;                           // id 29: 0 good, 1 medium, 2 poor
    bool takeBackShortcut = true;             // id 5
    int rankOrder = -1;                       // id 9: 1 or -1
    int suitOrder = 1;                        // id 9: -1, 0 or 1
    bool trumpsToJacks = true;                // id 9
    std::array<ThemeColour, 4> themeColour{}; // from the theme
    RuleSettings rules;                       // ids 16 (rules.ruleSet) and 21
    float tariff = 1.0f;                      // id 25, cents per point
    int scoring = SCORING_SEEGER_FABIAN;      // id 27
    bool option28 = false;                    // id 28, kept but read by nothing
    bool enterFreeGames = false;              // id 22

private:
    bool read(int id, std::wstring& value);
    void write(int id, const std::wstring& value);
};

namespace skat::prefs {

// The stored character of a small number (64 + value) and back.
wchar_t encode(int value);
int decode(wchar_t character);
// The rule values in their thirteen stored positions.
std::wstring encodeRules(const RuleSettings& rules);
// Reads 12 or 13 positions into rules (deriving the rule set after each);
// false, and rules untouched, for any other length.
bool decodeRules(const std::wstring& text, RuleSettings& rules);
// The rule set that the rule flags amount to: pub rules as soon as Kontra,
// Bock, Ramsch or Schneider at 91 is on; otherwise international or former
// rules by Grand Ouvert 36 and single lost hand games (pub rules when only
// one of the two is on).
void deriveRuleSet(RuleSettings& rules);
// Choosing rule set 0 or 1 sets its flags; any other choice changes no flag.
void chooseRuleSet(RuleSettings& rules, int choice);
// The tariff with two decimals in fixed notation, whatever the locale; and
// back (false for a text that is not a finite number).
std::wstring formatTariff(float tariff);
bool parseTariff(const std::wstring& text, float& tariff);

} // namespace skat::prefs
