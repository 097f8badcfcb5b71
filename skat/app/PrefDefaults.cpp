#include "skat/app/PrefDefaults.h"

#include "skat/app/SkatText.h"

namespace skat {

std::wstring defaultSeatName(int index)
{
    static constexpr TextKey names[3] = {TextKey::Namen_Default_Torvo, TextKey::Namen_Default_Kazzle,
                                         TextKey::Namen_Default_Brummo};
    return index >= 0 && index < 3 ? text(names[index]) : std::wstring();
}

std::wstring frenchCardSetName() { return text(TextKey::Kartenset_Franzosisch); }

std::wstring germanCardSetName() { return text(TextKey::Kartenset_Deutsch); }

} // namespace skat
