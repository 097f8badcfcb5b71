#include "skat/engine/EngineTexts.h"

#include <mutex>

ENGINE_TEXTS::~ENGINE_TEXTS() = default;

std::wstring ENGINE_TEXTS::rankWord(Rank rank) const
{
    static const wchar_t* const words[9] = {L"",     L"Sieben",     L"Acht", L"Neun", L"Bube",
                                            L"Dame", L"K\u00f6nig", L"Zehn", L"As"};
    return rank >= 0 && rank <= 8 ? words[rank] : L"";
}

std::wstring ENGINE_TEXTS::gameTypeName(GameType type) const
{
    static const wchar_t* const names[9] = {L"",      L"Kreuz",        L"Pik",  L"Herz",  L"Karo",
                                            L"Grand", L"Grand Ouvert", L"Null", L"Ramsch"};
    return type >= 1 && type <= 8 ? names[type] : L"";
}

namespace {

std::mutex textsMutex;

std::shared_ptr<const ENGINE_TEXTS>& installedTexts()
{
    static std::shared_ptr<const ENGINE_TEXTS> texts = std::make_shared<ENGINE_TEXTS>();
    return texts;
}

} // namespace

std::shared_ptr<const ENGINE_TEXTS> engineTexts()
{
    std::lock_guard lock(textsMutex);
    return installedTexts();
}

void installEngineTexts(std::shared_ptr<const ENGINE_TEXTS> texts)
{
    std::lock_guard lock(textsMutex);
    installedTexts() = texts ? std::move(texts) : std::make_shared<ENGINE_TEXTS>();
}
