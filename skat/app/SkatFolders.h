#pragma once
// Where the game finds its data and keeps the user's files.
//
// The program's own data lies in "Ressourcen" beside the executable, in the
// build tree (build/skat/windows/Ressourcen) as in an installed tree
// (<prefix>/lib/skat/Ressourcen, see cmake/SkatResources.cmake). The user's
// files lie in "SKAT" below the XDG folders that the framework's standard
// folders stand for: application data ($XDG_DATA_HOME, ~/.local/share) and
// documents (XDG_DOCUMENTS_DIR, ~/Documents).

#include "vordix/File.h"
#include "vordix/Folder.h"

#include <initializer_list>
#include <string>

namespace skat {

// The program folder, then "Ressourcen", then each name in turn (nothing is
// created: resources are read-only).
VORDIX_FOLDER resourceFolder(std::initializer_list<std::wstring> subfolders = {});
VORDIX_FILE resourceFile(std::initializer_list<std::wstring> subfolders, const std::wstring& name);

// The user's application-data folder, then "SKAT", then each name; every
// level is created when missing. ok (when given) tells whether all of them
// exist afterwards.
VORDIX_FOLDER userDataFolder(std::initializer_list<std::wstring> subfolders = {}, bool* ok = nullptr);
VORDIX_FILE userDataFile(std::initializer_list<std::wstring> subfolders, const std::wstring& name);

// The user's documents folder (where file dialogs start).
VORDIX_FOLDER userDocumentsFolder();

} // namespace skat
