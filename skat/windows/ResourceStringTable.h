#pragma once
// The resource strings: picture paths of the eight suit icons (ids 502..509)
// and the choice lists of the training dialogs (ids 510..527). A choice list
// is "item|item|...|#ende"; each item is a label padded to 121 characters
// followed by a three-digit command number.

#include <string>
#include <utility>
#include <vector>

// The 26 texts in the order in which they are registered (510..527, then
// 502..509).
const std::vector<std::pair<int, std::wstring>>& resourceStringTexts();

// Stores the texts in the process-wide ResourceStrings. Called once by main
// before the QApplication exists.
void registerResourceStrings();
