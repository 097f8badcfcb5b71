#pragma once
// Lets the computer player's texts (file alerts, discard advice) come from
// the program's text table in the user's language.

namespace skat {

// Installs the look-up; the text object must exist (call after start-up
// read the text file).
void installLogicTextsFromTable();

} // namespace skat
