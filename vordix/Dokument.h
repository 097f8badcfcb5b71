#pragma once
// A stream that is a whole file: one XML file with a declaration and one root
// element named elementName(). Derived documents that keep a version write
// and check their own "DokumentVersion" attribute on the root.

#include "vordix/File.h"
#include "vordix/Stream.h"

#include <string>

class VORDIX_FENSTER;

enum DocumentError {
    DOCUMENT_OK = 0,
    DOCUMENT_UNREADABLE = 1,    // content cannot be read, or structure cannot be written
    DOCUMENT_NOT_WRITABLE = 2,  // the file cannot be written
    DOCUMENT_NOT_OPENABLE = 3,  // the file cannot be opened
};

class VORDIX_DOKUMENT : public VORDIX_STREAM {
public:
    VORDIX_DOKUMENT() = default;
    VORDIX_DOKUMENT(const VORDIX_DOKUMENT&) = default;
    VORDIX_DOKUMENT& operator=(const VORDIX_DOKUMENT&) = default;
    ~VORDIX_DOKUMENT() override;

    // Called when loading failed: the document resets itself to its
    // defaults. The result becomes open()'s result.
    virtual int onLoadFailed() = 0;

    // Writes the document to file through a temporary file in the same folder
    // that replaces the old file only when it was written completely. A file
    // that could not be opened reports the "cannot be opened" text and leaves
    // modified as it was; a failed write reports "cannot be written", keeps
    // modified set and leaves the old file intact. A file whose last load
    // failed is kept aside under a free "<name>.unlesbar[N]" name first.
    bool save();

    // Reads the document from file; a DocumentError code (0, 1 or 3).
    int load();

    // Takes over the file and loads it. Failure: loadedFromFile cleared,
    // onLoadFailed(), modified set, onLoadFailed()'s result returned; no
    // message is shown.
    int open(const VORDIX_FILE& source);

    // Lets the user choose a file and loads it; errors are reported. Cancel
    // changes nothing.
    void openWithDialog();
    // Lets the user choose a file and saves to it; cancel changes nothing.
    void saveWithDialog();

    // Shows the message of a DocumentError code (none for 0).
    void reportError(int code) const;
    // The message text of a code for the file name; empty for 0.
    static std::wstring errorText(int code, const std::wstring& fileName);

    bool modified = false;
    VORDIX_FILE file;
    bool loadedFromFile = false;
    VORDIX_FENSTER* ownerWindow = nullptr;
    std::wstring saveDialogTitle;
    std::wstring openDialogTitle;
    int fileKind = 0;

private:
    // Full path of the file whose content could not be read by the last load.
    std::wstring unreadablePath_;
};
