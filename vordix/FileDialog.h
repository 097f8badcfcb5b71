#pragma once
// The common open and save dialogs, seen from code without a display. The
// platform layer installs the real dialogs; without them every dialog counts
// as cancelled. Tests install a handler that answers for the user.

#include <functional>
#include <string>

class VORDIX_FENSTER;
class VORDIX_FILE;

namespace vordix {

// File kinds of the dialogs' filters.
enum FileKind {
    FILE_KIND_IMAGES = 1,
    FILE_KIND_LOGIC = 2,
    FILE_KIND_GAME_LISTS = 3,
    FILE_KIND_CARD_SETS = 4,
    FILE_KIND_DISTRIBUTIONS = 5,
    FILE_KIND_PDF = 6,
    FILE_KIND_TEXT = 7,
};

// Shows the dialog parented by owner (may be null); on confirmation stores
// the chosen file in file and returns true; on cancel leaves file unchanged.
using FileDialogHandler =
    std::function<bool(VORDIX_FENSTER* owner, int fileKind, VORDIX_FILE& file, const std::wstring& caption, bool save)>;

// Installs the handler and returns the previous one (empty: none).
FileDialogHandler setFileDialogHandler(FileDialogHandler handler);

bool showFileDialog(VORDIX_FENSTER* owner, int fileKind, VORDIX_FILE& file, const std::wstring& caption, bool save);

// The dialog's filter: the kind's entry, ";;" and the all-files entry, in
// German or English; for an unknown kind only ";;" and the all-files entry.
std::wstring fileDialogFilter(int fileKind, bool english);

// Stores a path chosen in a dialog: the text after the last '/' becomes the
// file name, the text before it the folder. False (file unchanged) for an
// empty answer.
bool assignChosenPath(VORDIX_FILE& file, const std::wstring& chosen);

} // namespace vordix
