#include "skat/app/LogicTextsFromTable.h"

#include "skat/app/SkatText.h"
#include "skat/app/TextTable.h"
#include "skat/logic/LogicTexts.h"
#include "vordix/Utf8.h"

#include <string>

namespace skat {

namespace {
constexpr std::string_view ADVICE_PREFIX = "Wizzard:";
constexpr std::string_view ADVICE_KEYS = "Wizzard_";
} // namespace

void installLogicTextsFromTable()
{
    installLogicTexts([](std::string_view key) -> std::wstring {
        const auto& rows = textTableRows();
        // A discard advice comes as its German text: find its row by that text.
        if (key.substr(0, ADVICE_PREFIX.size()) == ADVICE_PREFIX) {
            const std::string_view german = key.substr(ADVICE_PREFIX.size());
            for (std::size_t i = 0; i < rows.size(); ++i)
                if (std::string_view(rows[i].key).substr(0, ADVICE_KEYS.size()) == ADVICE_KEYS
                    && german == rows[i].german)
                    return text(static_cast<TextKey>(i));
            return {};
        }
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (key == rows[i].key)
                return text(static_cast<TextKey>(i));
        return {};
    });
}

} // namespace skat
