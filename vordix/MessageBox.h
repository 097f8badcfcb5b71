#pragma once
// The framework's message boxes by kind, shown through the message sink with
// the caption "SKAT". Texts use '|' as line separator.

#include <string>

namespace vordix {

enum MessageBoxKind { MESSAGEBOX_WARNING = 0, MESSAGEBOX_CRITICAL = 1, MESSAGEBOX_INFORMATION = 2 };

void showMessageBox(int kind, const std::wstring& text);
// Appends the closing paragraph after an empty line when it is not empty.
// Any kind other than the three above shows nothing.
void showMessageBoxWithTitle(const std::wstring& closingParagraph, int kind, const std::wstring& text);

} // namespace vordix
