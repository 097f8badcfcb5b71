#pragma once
// The settings dialog over the form "F_extras": player names and pictures,
// computer style and memory, table theme, sound, speed, language, card set,
// hand sorting and the rules. It opens with the stored preferences; its
// close button ("Schließen") stores and applies what the pages show, while
// closing the window by its frame leaves every preference and the settings
// file as they were. Card set, theme, sorting, speed and sound change the
// open table at once; rules chosen while a game runs hold from the next
// game; the language holds from the next start. A joined network table
// plays by its host's rules, so there the rules page is read-only.

#include "skat/ui/SettingsChoices.h"
#include "vordix/Dialog.h"

#include <functional>
#include <memory>

class DIALOG_IMAGE_PICKER;

class DIALOG_EINSTELLUNGEN : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 16;
    enum Control {
        CLOSE = 1,
        CANCEL = 2, // no control of the form bears it
        NAME_USER = 17,
        NAME_LEFT = 18,
        NAME_RIGHT = 19,
        SPEED_FASTEST = 23,
        SPEED_FAST = 24,
        SPEED_MEDIUM = 25,
        SPEED_SLOW = 26,
        SOUND = 27,
        MANUAL_CUT = 30,
        PLAYER_COMMENTS = 31,
        THEME_MOUNTAINS = 34,
        THEME_ISLAND = 35,
        THEME_PUB = 36,
        THEME_EMPTY = 37,
        CARD_SET_FIRST = 38, // 38..41: the first four card sets of the list
        CARD_SET_LAST = 41,
        MANUAL_CLEARING = 42,
        PICTURE_USER = 43,
        PICTURE_LEFT = 44,
        PICTURE_RIGHT = 45,
        EDIT_USER = 46,
        EDIT_LEFT = 47,
        EDIT_RIGHT = 48,
        STYLE_DEFENSIVE = 49,
        STYLE_BALANCED = 50,
        STYLE_OFFENSIVE = 51,
        LANGUAGE = 52,
        GROUP_CARD_SETS = 53,
        GROUP_THEME = 54,
        GROUP_SPEED = 55,
        GROUP_STYLE = 56,
        GROUP_MEMORY = 57,
        MEMORY_GOOD = 58,
        MEMORY_MEDIUM = 59,
        MEMORY_POOR = 60,
        RANKS_UP = 220,
        RANKS_DOWN = 221,
        SUITS_UP = 222,
        SUITS_DOWN = 223,
        TRUMPS_TO_JACKS = 224,
        SUITS_MIXED = 225,
        RANKS_CAPTION = 226,
        SUITS_CAPTION = 227,
        GROUP_RANKS = 228,
        GROUP_SUITS = 229,
        RULES_INTERNATIONAL = 338,
        RULES_FORMER = 339,
        RULES_OWN = 340,
        GRAND_OUVERT_36 = 341,
        LOST_HAND_SINGLE = 342,
        KONTRA_RE = 343,
        KONTRA_BEFORE_FIRST_CARD = 344,
        KONTRA_BEFORE_SECOND_TRICK = 345,
        KONTRA_FROM_18 = 346,
        FREE_GAMES_ON_SHEET = 347,
        SCHNEIDER_AT_91 = 348,
        BOCK_ROUNDS = 349,
        BOCK_60 = 350,
        BOCK_KONTRA_LOST = 351,
        BOCK_KONTRA_WON = 352,
        BOCK_DECLARER_SCHNEIDER = 353,
        BOCK_DEFENDERS_SCHNEIDER = 354,
        RAMSCH = 355,
        SCORING_CLASSIC = 356,
        SCORING_SEEGER_FABIAN = 357,
        SCORING_BIERLACHS = 358,
        GROUP_RULE_SET = 359,
        GROUP_SCORING = 360,
        GROUP_KONTRA = 361,
    };

    DIALOG_EINSTELLUNGEN();
    ~DIALOG_EINSTELLUNGEN() override;

    // Shows the dialog with the stored preferences; a dialog that is open
    // already comes to the front as the user left it.
    void open();
    bool isOpen() const { return open_; }

    void initDialog() override;
    // The three player pictures.
    void drawControl(VORDIX_ZEICHENBEREICH& area, int controlId) override;
    void onCommand(int controlId) override;
    void onClosed() override;

    // The choices as the controls show them, and the controls set to show
    // choices (the rules page's dependencies included).
    SettingsChoices shownChoices() const;
    void showChoices(const SettingsChoices& choices);
    // Stores the shown choices in the preferences and the settings file and
    // applies them: card set, theme and sorting to the open table, the names
    // to the score sheet, the rules from the next game, the language for the
    // next start.
    void applyShownChoices();

    DIALOG_IMAGE_PICKER* picker() const { return picker_.get(); }

    // Set by the application: after the choices were applied (the main
    // window and the score sheet redraw), and after a player's picture
    // changed in the picker (the table shows it).
    std::function<void()> onApplied;
    std::function<void()> onPictureChanged;

private:
    void showCardSets(int checkedSet);
    // The sorting captions and choices in the words of the card set.
    void showSortingTexts(int cardSet);
    void showRules(const RuleSettings& rules, int scoring, bool enterFreeGames);
    // Which rule controls may be used: the Kontra choices with Kontra, the
    // Bock triggers with Bock rounds; nothing on a joined table.
    void enableRuleControls(const RuleSettings& rules);
    RuleSettings shownRules() const;
    // Free games cannot be entered any more in a free game of a full sheet.
    void checkFreeGamesBox();
    void editPicture(int screenPosition);

    std::unique_ptr<DIALOG_IMAGE_PICKER> picker_;
    bool open_ = false;
    bool shownOnce_ = false;
    bool confirmed_ = false;
};
