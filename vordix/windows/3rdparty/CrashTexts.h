#pragma once
// The crash reporter's own texts: German as written, English when the
// user's language setting ("Sprache") names another language than
// "Deutsch". The report mode runs without the game's text table.

#include <QString>

namespace crash {

// The text in the user's language; texts without an English entry stay German.
QString tr(const char* german);
// Whether the texts come out English (read once).
bool englishTexts();
// For tests: forces a language (true English, false German).
void setEnglishTexts(bool english);

} // namespace crash
