#pragma once
// A stream that is a whole file: one XML file with a declaration and one root
// element named elementName(). Derived documents that keep a version write
// and check their own "DokumentVersion" attribute on the root.

#include "vordix/File.h"
#include "vordix/Stream.h"

#include <cstdint>
#include <string>

class VORDIX_FENSTER;

enum DocumentError {
    DOCUMENT_OK = 0,
    DOCUMENT_UNREADABLE = 1,   // content cannot be read, or structure cannot be written
    DOCUMENT_NOT_WRITABLE = 2, // the file cannot be written
    DOCUMENT_NOT_OPENABLE = 3, // the file cannot be opened
    DOCUMENT_TOO_LARGE = 4,    // the file is larger than any document of the program
};

class VORDIX_DOKUMENT : public VORDIX_STREAM {
public:
    // Files above this size are refused before parsing: no document of the
    // program comes near it, and parsing one would take gigabytes.
    static constexpr std::uintmax_t MAX_FILE_SIZE = 64u * 1024 * 1024;

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

    // Reads the document from file; a DocumentError code (0, 1, 3 or 4). A
    // file that is too large is kept like an unreadable one.
    int load();

    // Takes over the file and loads it. Failure: loadedFromFile cleared,
    // onLoadFailed(), modified set, onLoadFailed()'s result returned; no
    // message is shown but for a file that is too large.
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

protected:
    // The code of the last load (DOCUMENT_OK before any).
    int lastLoadResult() const { return lastLoadResult_; }
    // Called by read() when it had to drop or change content: the file is
    // kept aside at the next save as an unreadable one would be.
    void keepFileAsideAtNextSave() { keepAside_ = true; }

private:
    int loadFile();

    // Full path of the file whose content could not be read by the last load.
    std::wstring unreadablePath_;
    bool keepAside_ = false;
    int lastLoadResult_ = DOCUMENT_OK;
};
