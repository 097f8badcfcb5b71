#include "skat/logic/LogicTexts.h"

#include "vordix/Utf8.h"

#include <memory>
#include <mutex>

namespace {
std::mutex lookupMutex;
std::shared_ptr<const LogicTextLookup> installedLookup;

std::shared_ptr<const LogicTextLookup> currentLookup()
{
    std::lock_guard lock(lookupMutex);
    return installedLookup;
}

std::wstring germanDefault(std::string_view key)
{
    if (key == TEXT_FILE_MISSING_OR_DAMAGED)
        return L"Die Datei|%ls|wurde nicht gefunden oder ist fehlerhaft.";
    return {};
}
} // namespace

void installLogicTexts(LogicTextLookup lookup)
{
    auto shared = lookup ? std::make_shared<const LogicTextLookup>(std::move(lookup)) : nullptr;
    std::lock_guard lock(lookupMutex);
    installedLookup = std::move(shared);
}

std::wstring logicText(std::string_view key)
{
    if (auto lookup = currentLookup()) {
        std::wstring text = (*lookup)(key);
        if (!text.empty())
            return text;
    }
    return germanDefault(key);
}

std::wstring discardAdviceText(const std::wstring& tableText)
{
    if (tableText.empty())
        return tableText;
    if (auto lookup = currentLookup()) {
        std::wstring text = (*lookup)("Wizzard:" + vordix::toUtf8(tableText));
        if (!text.empty())
            return text;
    }
    return tableText;
}

const AdviceText& adviceText(AdviceKind kind)
{
    static const AdviceText texts[ADVICE_COUNT] = {
        {"Wizzard_blanke_Zehn", L"Die blanke Zehn drücken.", L"Lay away the bare ten."},
        {"Wizzard_Zehn_mit_Begleiter", L"Die Zehn mit ihrer kleinen Karte drücken.",
         L"Lay away the ten with its small card."},
        {"Wizzard_Farbe_frei_eine", L"Die einzelne Karte drücken, dann ist die Farbe frei.",
         L"Lay away the single card to make the suit void."},
        {"Wizzard_Farbe_frei_beide", L"Beide Karten drücken, dann ist die Farbe frei.",
         L"Lay away both cards to make the suit void."},
        {"Wizzard_Ass_Zehn_halten", L"Ass und Zehn behalten, sie bringen die Stiche.",
         L"Keep ace and ten: they will take the tricks."},
        {"Wizzard_blankes_Ass_halten", L"Das blanke Ass behalten.", L"Keep the bare ace."},
        {"Wizzard_Bilder_druecken", L"Die ungeschützten Bilder drücken.", L"Lay away the unguarded picture cards."},
        {"Wizzard_Farbe_halten", L"Die Farbe ist gut besetzt: nichts drücken.",
         L"The suit is well guarded: keep it whole."},
        {"Wizzard_kleine_Karte", L"Eine kleine Karte drücken.", L"Lay away a small card."},
    };
    return texts[kind >= 0 && kind < ADVICE_COUNT ? kind : ADVICE_SMALL_CARD];
}

std::wstring formatLogicText(const std::wstring& text, const std::wstring& argument)
{
    const auto at = text.find(L"%ls");
    if (at == std::wstring::npos)
        return text;
    std::wstring result = text;
    result.replace(at, 3, argument);
    return result;
}
