#pragma once
// The defaults of the preferences that come from the text table.

#include <string>

namespace skat {

// Default name of seat index 0..2 (preference ids 1..3).
std::wstring defaultSeatName(int index);
// The French card set's name, which stands in for an unreadable card-set
// preference.
std::wstring frenchCardSetName();
// The German card set's name: with it chosen, cards and games take the German
// words and the opponents speak the German suit names.
std::wstring germanCardSetName();

} // namespace skat
