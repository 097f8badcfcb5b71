#include "skat/app/PrefDefaults.h"

namespace skat {

std::wstring defaultSeatName(int index) {
    static const wchar_t* const names[3] = {L"Torvo", L"Kazzle", L"Brummo"};
    return index >= 0 && index < 3 ? names[index] : L"";
}

std::wstring frenchCardSetName() { return L"Franz\u00f6sisches Blatt"; }

std::wstring germanCardSetName() { return L"Deutsches Blatt"; }

} // namespace skat
