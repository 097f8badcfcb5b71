#pragma once
// The texts the computer player shows, by the key of the program's text
// table. The logic knows only German defaults; the application installs a
// look-up into its text table (both languages) at start-up.

#include <functional>
#include <string>
#include <string_view>

// Keys used by the computer player.
inline constexpr const char* TEXT_FILE_MISSING_OR_DAMAGED = "Alert_Datei_xxx_nicht_gefunden_oder_fehlerhaft";

// Looks a key up; an empty result means "use the default".
using LogicTextLookup = std::function<std::wstring(std::string_view key)>;
// Installs the look-up (empty restores the defaults); safe from any thread.
void installLogicTexts(LogicTextLookup lookup);

// The text of a key in the user's language, the German default without a
// look-up or when the look-up has none.
std::wstring logicText(std::string_view key);

// A discard advice as the tables hold it (German), in the user's language:
// the look-up is asked for "Wizzard:" followed by the German text.
std::wstring discardAdviceText(const std::wstring& tableText);

// The discard advices the tables may hold, in both languages; the key is
// the text table's key of the advice.
struct AdviceText {
    const char* key;
    const wchar_t* german;
    const wchar_t* english;
};
enum AdviceKind : int {
    ADVICE_BARE_TEN,
    ADVICE_TEN_WITH_SMALL,
    ADVICE_SINGLE_CARD_VOID,
    ADVICE_BOTH_CARDS_VOID,
    ADVICE_KEEP_ACE_TEN,
    ADVICE_KEEP_BARE_ACE,
    ADVICE_UNGUARDED_PICTURES,
    ADVICE_KEEP_SUIT,
    ADVICE_SMALL_CARD,
    ADVICE_COUNT
};
const AdviceText& adviceText(AdviceKind kind);

// "%ls" in a text replaced by the argument (the first occurrence).
std::wstring formatLogicText(const std::wstring& text, const std::wstring& argument);
