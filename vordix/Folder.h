#pragma once
// A framework folder: its location lives in a platform implementor
// (WIN_FILEPATH on this platform). Paths end with '/' once set.

#include <memory>
#include <string>

class VORDIX_FOLDER;

// Standard folders of the program.
enum FolderKind : unsigned {
    FOLDER_PROGRAM = 0,   // the folder of the running program
    FOLDER_DOCUMENTS = 1, // the user's documents folder
    FOLDER_APPDATA = 2,   // the user's application-data folder
    FOLDER_TEMP = 3,      // the program's private temporary folder
};

class VORDIX_FOLDER_imp {
public:
    virtual ~VORDIX_FOLDER_imp();
    virtual void setStandardFolder(unsigned kind) = 0;
    // Takes the other folder's location (when it is of the same platform kind).
    virtual void copyFrom(const VORDIX_FOLDER& folder) = 0;
    // ".." goes one level up; any other name goes down into that subfolder.
    virtual void changeFolder(const std::wstring& name) = 0;
    // As changeFolder, then creates the resulting folder tree.
    virtual bool createSubfolder(const std::wstring& name) = 0;
};

class VORDIX_FOLDER {
public:
    // The implementor comes from the installed implementor factory; without
    // one (headless code, tests) it is a WIN_FILEPATH.
    VORDIX_FOLDER();
    VORDIX_FOLDER(const VORDIX_FOLDER& other);
    VORDIX_FOLDER& operator=(const VORDIX_FOLDER& other);
    virtual ~VORDIX_FOLDER();

    void setStandardFolder(unsigned kind);
    void changeFolder(const std::wstring& name);
    bool createSubfolder(const std::wstring& name);
    // Sets an absolute path (a trailing '/' is added); false for an empty path.
    bool setPath(const std::wstring& path);

    // The folder's path ending in '/', or empty when unset or when the
    // implementor is not a platform file path.
    std::wstring path() const;

    VORDIX_FOLDER_imp* imp() const { return imp_.get(); }

    bool folderSet = false; // a standard folder was chosen

private:
    std::unique_ptr<VORDIX_FOLDER_imp> imp_;
};
