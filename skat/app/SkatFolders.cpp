#include "skat/app/SkatFolders.h"

#include "skat/app/SkatPaths.h"

namespace skat {

namespace {

const SKAT_PATHS& names()
{
    static const SKAT_PATHS paths;
    return paths;
}

} // namespace

VORDIX_FOLDER resourceFolder(std::initializer_list<std::wstring> subfolders)
{
    VORDIX_FOLDER folder;
    folder.setStandardFolder(FOLDER_PROGRAM);
    folder.changeFolder(names().folderResources);
    for (const auto& name : subfolders)
        folder.changeFolder(name);
    return folder;
}

VORDIX_FILE resourceFile(std::initializer_list<std::wstring> subfolders, const std::wstring& name)
{
    return VORDIX_FILE(resourceFolder(subfolders), name);
}

VORDIX_FOLDER userDataFolder(std::initializer_list<std::wstring> subfolders, bool* ok)
{
    VORDIX_FOLDER folder;
    folder.setStandardFolder(FOLDER_APPDATA);
    bool created = folder.createSubfolder(names().folderProgramData);
    for (const auto& name : subfolders)
        created = folder.createSubfolder(name) && created;
    if (ok)
        *ok = created;
    return folder;
}

VORDIX_FILE userDataFile(std::initializer_list<std::wstring> subfolders, const std::wstring& name)
{
    return VORDIX_FILE(userDataFolder(subfolders), name);
}

VORDIX_FOLDER userDocumentsFolder()
{
    VORDIX_FOLDER folder;
    folder.setStandardFolder(FOLDER_DOCUMENTS);
    return folder;
}

} // namespace skat
